// ZENTARIO: the resistor colour-code calculator.

#include "Program.h"

int main(int argc, char** argv) { return zen::qt::runProgram(argc, argv); }
