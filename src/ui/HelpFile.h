#pragma once
// The help text: ZENHELP.TXT, Shift-JIS list input, one item per line (a comma splits a line), up
// to 201 items, ended by the item "//". The items are kept in the program's help buffer, which is
// never cleared: a shorter text read later overwrites only the items up to its own end marker.

#include <array>
#include <filesystem>
#include <string>
#include <string_view>

#include "App.h"

namespace zen {

using HelpLines = std::array<std::string, kHelpLineCount>;

inline constexpr const char* kHelpFileName = "ZENHELP.TXT";
// A page shows this many items: its first line and the 30 after it.
inline constexpr int kHelpPageLines = 31;
inline constexpr std::string_view kHelpEndMarker = "//";
// What the page says when neither the program's own folder nor its installation has the file.
inline constexpr std::string_view kHelpMissingText = "ヘルプファイル ZENHELP.TXT が見つかりません";

enum class HelpSource {
  AlreadyLoaded,  // the buffer's last item already is the end marker: nothing was read
  AppFolder,      // read from the program's own folder
  Installed,      // read from the copy installed with the program
  Missing,        // neither could be read: the buffer holds the one-line message
};

// Reads one help file into the buffer. A file that ends before its end marker ends the text there,
// as if the marker followed its last item. False, and the buffer untouched, when the file cannot
// be read (missing, not a regular file, no permission).
bool ReadHelpFile(const std::filesystem::path& file, HelpLines& lines);
// The same for a help file's bytes.
void ReadHelpBytes(std::string_view bytes, HelpLines& lines);

// Fills the buffer for the help command: nothing when its last item already is the end marker;
// otherwise ZENHELP.TXT from appFolder, else from installedFolder (each skipped when empty), else
// the one-line message.
HelpSource LoadHelpText(const std::filesystem::path& appFolder, const std::filesystem::path& installedFolder,
                        HelpLines& lines);

// The index of the first end marker, or kHelpLineCount when there is none.
int HelpTextEnd(const HelpLines& lines);

// The largest first line of a page: the last page ends just before the end marker, no page reaches
// past the buffer, and a text shorter than a page has only the page at 0.
int HelpScrollMaximum(int textEnd);

}  // namespace zen
