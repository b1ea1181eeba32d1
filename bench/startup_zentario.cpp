// Start-up timing: the real program, ended as soon as its window has been painted once.

#include "Program.h"

int main(int argc, char** argv) {
  zen::qt::ProgramOptions options;
  options.exitAfterFirstPaint = true;
  return zen::qt::runProgram(argc, argv, options);
}
