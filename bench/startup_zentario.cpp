// Start-up timing: the real program, loaded from its module as the zentario executable loads it
// (bench/ sits beside bin/ in the build, so the module is found the same way), ended as soon as its
// window has been painted once.

#include "WindowModule.h"

int main(int argc, char** argv) {
  zen::qt::ProgramOptions options;
  options.exitAfterFirstPaint = true;
  return zen::qt::RunWindowModule(argc, argv, options);
}
