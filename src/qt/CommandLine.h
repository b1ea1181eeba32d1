#pragma once
// The program's command line: --help, --version, --folder DIR, and Qt's own options.

#include <optional>
#include <ostream>
#include <string>
#include <string_view>

namespace zen::qt {

struct CommandLine {
  // Set when the program ends at once with this status: 0 after --help or --version, 2 after a
  // mistake in the arguments. What there was to say has been written by then.
  std::optional<int> exitStatus;
  // The value of --folder, byte for byte as it was given (a folder's name need not be UTF-8).
  std::optional<std::string> folder;
  // Whether Qt's -platform option names the platform to run on.
  bool platformChosen = false;
};

// Reads the arguments with QCommandLineParser before any application object exists, so --help,
// --version and mistakes need no display. Help and version go to out; a mistake goes to err as one
// line followed by the usage. Qt's own options (-platform, -style, ...) are let through for the
// application object to take. helpSections is appended to the --help text: further sections, such
// as the terminal's sub-commands.
CommandLine ReadCommandLine(int argc, char** argv, std::ostream& out, std::ostream& err,
                            std::string_view helpSections = {});

}  // namespace zen::qt
