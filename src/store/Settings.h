#pragma once
// ZENTARIO.INI: 35 lines, each a double-quoted text and CR LF, in Shift-JIS.
//
// The file holds the user's memory slots, so every rule about it lives here: what loading found,
// whether a save may replace the file, which entries a save writes back, the lock that keeps two
// copies of the program from undoing each other, and the temporary files a save goes through.

#include <filesystem>
#include <string>
#include <string_view>

#include "SavedValues.h"

namespace zen {

inline constexpr const char* kSettingsFileName = "ZENTARIO.INI";

struct LoadResult {
  SettingsFileState state = SettingsFileState::Missing;
  int fieldsRead = 0;  // 35 for a whole file; fewer for a short one
};

// Reads up to 35 fields into entries 1..35 in order; entries not read are left as they are (empty
// in a fresh SavedValues). Records in `values` what it found, which decides whether a save may
// replace the file later. Only a regular file is opened (a link is followed to one); a device, a
// FIFO or a folder in its place is reported, never opened. Also removes the temporary files of
// saves that were killed part-way. Never throws.
LoadResult LoadSettings(const std::filesystem::path& folder, SavedValues& values);

struct SaveResult {
  bool ok = false;
  std::string error;  // why nothing was saved, in words for the user (Japanese)
};

// Saves the entries this run changed over what the file holds now, under a lock that makes the
// read, the merge and the write one step against other copies of the program. Nothing is written
// when the file could not be read at start, is not a regular file, cannot be read now or is
// write-protected (see IsWriteProtected); the result says why. The new contents go to a
// temporary file in the same folder, flushed to disk, then renamed over the file, so a crash or a
// full disk never leaves the slots half written. A linked file is replaced where it lives and the
// link stays. A missing folder is made first (MakeSettingsFolder), so the first save makes it.
// Never throws.
SaveResult SaveSettings(const std::filesystem::path& folder, const SavedValues& values);

// --- The file's format, without touching any file (shared with the fuzz targets) ---------------

// Reads up to 35 fields of a settings file's bytes into entries 1..35, as loaded; gives the number
// of fields read.
int ReadSettingsBytes(std::string_view bytes, SavedValues& values);

// One entry's bytes as its line in the file, in the form that reads back as the very same bytes:
// quoted, as the program always wrote it; unquoted when the entry holds a double quote (an
// unquoted field reads a quote back as it is). Where no form holds the bytes, the closest stable
// one: a line break becomes a space (the file keeps one line per entry), and the double quotes of
// an entry that can be neither quoted nor unquoted are dropped. Reading the line and writing it
// again gives the same line.
std::string SettingsLine(std::string_view bytes);

// The whole file for these entries alone: entries read from the file keep their bytes, the others
// are written from their text in Shift-JIS.
std::string SettingsFileBytes(const SavedValues& values);

// What a save writes over a file that holds `current`: `current` with every entry that `values`
// changed since it was loaded.
SavedValues MergeChanges(SavedValues current, const SavedValues& values);

// The rule for a file the user has protected: no write permission for this process, or, for the
// superuser (whom permissions do not stop), no write permission bit at all. A save replaces the
// file through its folder, so it must ask this itself.
bool IsWriteProtected(int mode, bool writeAccess, bool superuser);

}  // namespace zen
