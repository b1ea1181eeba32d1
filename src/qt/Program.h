#pragma once
// The whole window program behind main(), run from the zenwindow module (WindowModule.h), so the
// start-up benchmark runs exactly what users run.

#include <string>

namespace zen::qt {

struct ProgramOptions {
  // Ends the program as soon as the calculator window has been painted once (start-up timing).
  bool exitAfterFirstPaint = false;
  // Text the --help output ends with: further sections, such as the terminal's sub-commands.
  std::string helpSections;
};

// Reads the command line, then opens the calculator. Returns the program's exit status.
int runProgram(int argc, char** argv, const ProgramOptions& options = {});

}  // namespace zen::qt
