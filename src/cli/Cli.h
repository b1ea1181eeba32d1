#pragma once
// `zentario bands …`, `zentario value …` and `zentario smd …`: colour codes and surface-mount
// markings answered on the terminal, from the same core the window uses, without any window,
// display, settings file or network.

#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace zen::cli {

// Whether a program's first argument names one of the sub-commands.
bool IsSubcommand(std::string_view arg);

// Runs a sub-command. args[0] is its name ("bands", "value" or "smd"), the rest its arguments.
// Answers on out; a problem is one line on err. Returns the exit status: 0 on success, 2 for
// anything it cannot read.
int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

// The sub-commands with an example each, for the program's --help.
std::string SubcommandsHelp();
// The whole help of one sub-command, as `zentario bands --help` prints it.
std::string BandsHelp();
std::string ValueHelp();
std::string SmdHelp();

inline constexpr int kUnreadable = 2;

}  // namespace zen::cli
