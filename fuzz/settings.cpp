// The settings file: any bytes read, written, read and written again. The second file is the
// first byte for byte, both have one line per entry, and every entry the format can hold comes
// back with its very bytes. The input also serves as texts the program sets, and as a second
// copy's changes merged over the file.

#include <string>

#include "FuzzCheck.h"
#include "SavedValues.h"
#include "Settings.h"
#include "ShiftJis.h"

using zen::fuzz::check;

namespace {

constexpr int kCount = zen::entry::kCount;

// Whether a line of the file can hold these bytes as they are (see SettingsLine).
bool holdable(std::string_view b) {
  if (b.find_first_of("\r\n") != std::string_view::npos) return false;
  if (b.find('"') == std::string_view::npos) return true;
  const auto blank = [](char c) { return c == ' ' || c == '\t'; };
  return !b.empty() && b.find(',') == std::string_view::npos && !blank(b.front()) && b.front() != '"' &&
         !blank(b.back()) && !b.starts_with("\xEF\xBB\xBF");
}

void checkFile(const std::string& file) {
  std::size_t lines = 0;
  std::size_t at = 0;
  while (at < file.size()) {
    const std::size_t end = file.find("\r\n", at);
    check(end != std::string::npos, "every line ends with CR LF");
    check(file.find_first_of("\r\n", at) == end, "no line break inside an entry");
    ++lines;
    at = end + 2;
  }
  check(lines == kCount, "35 lines");
}

// The bytes the file gets for entry n.
std::string entryBytes(const zen::SavedValues& values, int n) {
  return values.rawBytes(n).value_or(zen::Utf8ToShiftJis(values.get(n)));
}

// A file the program wrote, read and written again: the same file, and every entry the format
// holds read back as it was written.
void settle(const zen::SavedValues& written) {
  const std::string file = zen::SettingsFileBytes(written);
  checkFile(file);
  zen::SavedValues read;
  check(zen::ReadSettingsBytes(file, read) == kCount, "35 fields read back");
  for (int n = 1; n <= kCount; ++n) {
    const std::string bytes = entryBytes(written, n);
    if (holdable(bytes)) check(read.rawBytes(n) == bytes, "an entry comes back byte for byte");
  }
  check(zen::SettingsFileBytes(read) == file, "saving what was read gives the same file");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view input = zen::fuzz::asText(data, size);

  // The input as a file someone left in the program's folder.
  zen::SavedValues loaded;
  zen::ReadSettingsBytes(input, loaded);
  settle(loaded);

  // The input as texts the program sets, one entry per piece between NUL bytes.
  zen::SavedValues typed;
  std::size_t from = 0;
  for (int n = 1; n <= kCount && from <= input.size(); ++n) {
    const std::size_t end = std::min(input.find('\0', from), input.size());
    typed.set(n, std::string(input.substr(from, end - from)));
    from = end + 1;
  }
  settle(typed);

  // A copy that loaded the file and changed every other entry to a typed text saves over it.
  const std::string file = zen::SettingsFileBytes(loaded);
  zen::SavedValues copy;
  zen::ReadSettingsBytes(file, copy);
  for (int n = 1; n <= kCount; n += 2) copy.set(n, typed.get(n));
  zen::SavedValues current;
  zen::ReadSettingsBytes(file, current);
  const zen::SavedValues merged = zen::MergeChanges(current, copy);
  for (int n = 1; n <= kCount; ++n) {
    check(merged.get(n) == (copy.changed(n) ? copy.get(n) : current.get(n)), "the merge takes what the copy changed");
  }
  settle(merged);
  return 0;
}
