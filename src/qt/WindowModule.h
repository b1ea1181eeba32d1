#pragma once
// The window and its command line live in a module of their own, libzenwindow.so, in the program's
// module folder. The `zentario` executable links only core and the terminal's sub-commands, so they
// answer without loading Qt; everything else loads the module and runs it.

#include "Program.h"

namespace zen::qt {

// Loads libzenwindow.so from the module folder found relative to the running executable, as an
// installation lays it out, and runs the program in it. When the module cannot be loaded it says so
// in one line on err, naming the file and the loader's reason, and returns 1.
int RunWindowModule(int argc, char** argv, const ProgramOptions& options);

}  // namespace zen::qt

// The one entry of the zenwindow module, an extern "C" function of this type named zen_run_program:
// runProgram(argc, argv, *options).
using ZenRunProgram = int (*)(int argc, char** argv, const zen::qt::ProgramOptions* options);
inline constexpr const char* kZenRunProgramSymbol = "zen_run_program";
