// Start-up timing: the real program, ended as soon as its window has been painted once.

#include "Program.h"

int main(int argc, char** argv) { return zen::qt::runProgram(argc, argv, {.exitAfterFirstPaint = true}); }
