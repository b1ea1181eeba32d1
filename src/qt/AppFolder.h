#pragma once
// Where the program keeps its own files: ZENTARIO.INI, and a ZENHELP.TXT of the user's own.

#include <filesystem>
#include <optional>
#include <string>

namespace zen::qt {

// The program's own folder, in this order: the folder named with --folder (its bytes as given; a
// relative one is taken from the folder the program starts in); else $XDG_CONFIG_HOME/zentario when
// that variable holds an absolute path; else ~/.config/zentario. Empty when there is none: an empty
// --folder, or no home folder at all. The model gets it as its AppFolder and never learns where it
// came from.
std::filesystem::path DecideAppFolder(const std::optional<std::string>& named);

}  // namespace zen::qt
