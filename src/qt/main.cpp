// ZENTARIO: the resistor colour-code calculator.

#include <iostream>
#include <string>
#include <vector>

#include "Cli.h"
#include "WindowModule.h"

int main(int argc, char** argv) {
  // The terminal sub-commands answer from core alone: Qt is never loaded, and no display needed.
  if (argc > 1 && zen::cli::IsSubcommand(argv[1])) {
    return zen::cli::Run(std::vector<std::string>(argv + 1, argv + argc), std::cout, std::cerr);
  }
  // Everything else is the window's command line; its --help ends with the sub-commands.
  zen::qt::ProgramOptions options;
  // Appended, not "\n" + text: GCC 12 warns (-Wrestrict, wrongly) on that at -O2.
  options.helpSections = '\n';
  options.helpSections += zen::cli::SubcommandsHelp();
  return zen::qt::RunWindowModule(argc, argv, options);
}
