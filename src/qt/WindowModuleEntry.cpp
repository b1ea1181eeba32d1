// The entry the zentario executable calls in libzenwindow.so; the only name the module exports.

#include <type_traits>

#include "WindowModule.h"

extern "C" __attribute__((visibility("default"))) int zen_run_program(int argc, char** argv,
                                                                      const zen::qt::ProgramOptions* options) {
  return zen::qt::runProgram(argc, argv, *options);
}

// Checked by the compiler: the entry has the type the executable calls it through.
static_assert(std::is_same_v<decltype(&zen_run_program), ZenRunProgram>);
