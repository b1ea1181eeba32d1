#pragma once
// The whole program behind main(), so the start-up benchmark runs exactly what users run.

namespace zen::qt {

struct ProgramOptions {
  // Ends the program as soon as the calculator window has been painted once (start-up timing).
  bool exitAfterFirstPaint = false;
};

int runProgram(int argc, char** argv, const ProgramOptions& options = {});

}  // namespace zen::qt
