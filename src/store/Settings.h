#pragma once
// ZENTARIO.INI: 35 lines, each a double-quoted text and CR LF, in Shift-JIS.

#include <filesystem>
#include <string>

#include "SavedValues.h"

namespace zen {

inline constexpr const char* kSettingsFileName = "ZENTARIO.INI";

struct LoadResult {
  enum class Status { Ok, Missing, Unreadable, Short };
  Status status = Status::Ok;
  int fieldsRead = 0;
};

// Reads up to 35 fields into entries 1..35 in order; entries not read are left as they are (empty
// in a fresh SavedValues). A missing, unreadable or damaged file never throws.
LoadResult LoadSettings(const std::filesystem::path& folder, SavedValues& values);

struct SaveResult {
  bool ok = false;
  std::string error;  // what went wrong, for the message shown to the user
};

// Writes the 35 entries to a temporary file in the folder, flushes it to disk and renames it over
// ZENTARIO.INI, so a failure leaves the old file untouched. Never throws.
SaveResult SaveSettings(const std::filesystem::path& folder, const SavedValues& values);

// The exact bytes SaveSettings writes.
std::string SettingsFileBytes(const SavedValues& values);

}  // namespace zen
