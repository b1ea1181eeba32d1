// ZENTARIO: the resistor colour-code calculator.

#include "Program.h"

int main(int argc, char** argv) {
  // Sub-commands for the terminal are looked for here first, before anything of Qt exists; their
  // help goes into ProgramOptions::helpSections. Everything else is the window's command line.
  return zen::qt::runProgram(argc, argv);
}
