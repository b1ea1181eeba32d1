#pragma once
// The folder that keeps ZENTARIO.INI is made when the program first saves, not when it starts, so a
// run that never saves leaves nothing behind.

#include <filesystem>
#include <string>

namespace zen {

// Makes the folder, and any of its parents that are missing, readable and writable by the user
// alone (mode 0700; folders that are already there keep their permissions). Empty when the folder
// is there afterwards; otherwise what went wrong, in words for the user (Japanese). An empty path
// names no folder at all and is never taken to mean the current one. Never throws.
std::string MakeSettingsFolder(const std::filesystem::path& folder);

}  // namespace zen
