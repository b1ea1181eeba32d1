#include "Settings.h"

#include <fcntl.h>
#include <unistd.h>

#include <chrono>
#include <exception>
#include <optional>
#include <system_error>
#include <utility>

#include "FileOps.h"
#include "ListInput.h"
#include "SettingsFolder.h"
#include "ShiftJis.h"

namespace zen {

namespace {

using fileops::FileDescriptor;

// 35 short entries fit in a few hundred bytes; a mebibyte leaves room for any sane hand-edited file
// and keeps a runaway one (a log, a disk image renamed by mistake) from being read whole. Fields
// beyond that much of the file are not read.
constexpr std::size_t kMaxSettingsBytes = std::size_t{1} << 20;

constexpr mode_t kNewFileMode = 0644;

// A copy that is saving holds the folder for milliseconds; one that holds it longer is stopped or
// hung, and waiting for it would hang this Quit as well.
constexpr std::chrono::milliseconds kLockWait{10000};

constexpr std::string_view kByteOrderMark{"\xEF\xBB\xBF"};

constexpr bool isBlank(char c) { return c == ' ' || c == '\t'; }

// Whether the bytes, written without quotes, read back as themselves: the field reader skips
// blanks before a field, drops them after it, ends it at a comma and takes a field that starts with
// a quote for a quoted one (and a mark at the start of the file for no text at all).
bool readsBackUnquoted(std::string_view b) {
  return !b.empty() && b.find(',') == std::string_view::npos && !isBlank(b.front()) && b.front() != '"' &&
         !isBlank(b.back()) && !b.starts_with(kByteOrderMark);
}

// Where the file really lives: a link is followed to its file, so that the link stays and keeps
// pointing at the current settings. A link to nothing stands for itself.
std::filesystem::path realLocation(const std::filesystem::path& file) {
  std::error_code ec;
  if (std::filesystem::is_symlink(file, ec)) {
    std::filesystem::path real = std::filesystem::canonical(file, ec);
    if (!ec) return real;
  }
  return file;
}

std::string folderOf(const std::filesystem::path& file) {
  return file.parent_path().empty() ? std::string(".") : file.parent_path().string();
}

std::string systemText(int err) { return std::system_category().message(err); }

// --- Why a save left the file alone, as the user reads it ---------------------------------------

std::string leftAlone(SettingsFileState state, int err) {
  switch (state) {
    case SettingsFileState::Unreadable:
      return err == 0 ? "起動したときに読めなかったファイルなので、元のまま残しました。"
                      : "ファイルを読めないので、元のまま残しました（" + systemText(err) + "）。";
    case SettingsFileState::NotAFile: return "通常のファイルではないので、元のまま残しました。";
    default: return {};
  }
}

std::string replaceFailed(const fileops::ReplaceResult& r) {
  using Step = fileops::ReplaceResult::Step;
  const std::string why = "（" + systemText(r.error) + "）。ファイルは元のままです。";
  switch (r.failed) {
    case Step::Create: return "フォルダーに書き込めません" + why;
    case Step::Write: return "書き込みに失敗しました" + why;
    case Step::Flush: return "ディスクへの書き込みに失敗しました" + why;
    case Step::Rename: return "ファイルを置き換えられません" + why;
    case Step::None: break;
  }
  return {};
}

SaveResult saveSettings(const std::filesystem::path& folder, const SavedValues& values) {
  // A file that could not be read at start may hold slots nobody has seen this run; replacing it
  // with what this run knows would lose them.
  if (values.fileState() == SettingsFileState::Unreadable || values.fileState() == SettingsFileState::NotAFile) {
    return {false, leftAlone(values.fileState(), 0)};
  }

  const std::filesystem::path link = folder / kSettingsFileName;
  const std::filesystem::path target = realLocation(link);
  const std::string where = target == link ? std::string() : "リンク先 " + target.string() + "：";
  const std::string name = target.filename().string();

  const FileDescriptor dir = fileops::OpenFolder(folderOf(target));
  if (!dir.valid()) return {false, where + "フォルダーを開けません（" + systemText(errno) + "）。"};

  // Read, merge and write as one step: another copy saving at the same moment waits here, then
  // merges over what this one wrote.
  const fileops::FolderLock lock(dir.get(), kLockWait);
  fileops::RemoveStaleTemporaries(dir.get(), name);

  const fileops::FileContents now = fileops::ReadRegularFile(dir.get(), name, kMaxSettingsBytes);
  std::optional<SavedValues> merged;
  mode_t mode = kNewFileMode & ~fileops::CurrentUmask();
  switch (now.state) {
    case SettingsFileState::Missing:
      // Nothing to merge with (the first save, or the file was removed meanwhile): this run's
      // entries are the whole file.
      merged = values;
      break;
    case SettingsFileState::Read: {
      const bool writeAccess = ::faccessat(dir.get(), name.c_str(), W_OK, AT_EACCESS) == 0;
      if (IsWriteProtected(static_cast<int>(now.info.st_mode), writeAccess, ::geteuid() == 0)) {
        return {false, where + "ファイルが書き込み禁止なので、元のまま残しました。"};
      }
      SavedValues current;
      ReadSettingsBytes(now.bytes, current);
      merged = MergeChanges(std::move(current), values);
      mode = now.info.st_mode & 0777;
      break;
    }
    default: return {false, where + leftAlone(now.state, now.error)};
  }

  const fileops::ReplaceResult replaced =
      fileops::ReplaceFile(dir.get(), name, SettingsFileBytes(*merged), mode);
  if (replaced.failed != fileops::ReplaceResult::Step::None) return {false, where + replaceFailed(replaced)};
  return {true, {}};
}

}  // namespace

int ReadSettingsBytes(std::string_view bytes, SavedValues& values) {
  ListInputReader reader(bytes);
  int n = 0;
  while (n < entry::kCount) {
    std::optional<std::string> raw = reader.next();
    if (!raw) break;
    ++n;
    std::string text = ShiftJisToUtf8(*raw);
    values.setLoaded(n, std::move(text), std::move(*raw));
  }
  return n;
}

std::string SettingsLine(std::string_view bytes) {
  if (bytes.find_first_of("\r\n\"") == std::string_view::npos) {
    std::string line;
    line.reserve(bytes.size() + 4);
    line += '"';
    line += bytes;
    line += "\"\r\n";
    return line;
  }
  // A line break would split the entry over two lines of the file; CR LF, CR and LF each become a
  // space. Neither byte (nor the quote) is ever the second byte of a Shift-JIS character, so bytes
  // can be replaced one by one.
  std::string b;
  b.reserve(bytes.size());
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    if (bytes[i] == '\r' || bytes[i] == '\n') {
      if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ++i;
      b += ' ';
    } else {
      b += bytes[i];
    }
  }
  if (b.find('"') != std::string::npos) {
    if (readsBackUnquoted(b)) return b + "\r\n";
    std::erase(b, '"');
  }
  return '"' + b + "\"\r\n";
}

std::string SettingsFileBytes(const SavedValues& values) {
  std::string out;
  out.reserve(64 * entry::kCount);
  for (int n = 1; n <= entry::kCount; ++n) {
    // An entry read from the file goes back with the very bytes it came with, so text that is not
    // valid Shift-JIS (or a character with two Unicode spellings) survives a run unchanged.
    const std::optional<std::string> raw = values.rawBytes(n);
    out += SettingsLine(raw ? *raw : Utf8ToShiftJis(values.get(n)));
  }
  return out;
}

SavedValues MergeChanges(SavedValues current, const SavedValues& values) {
  for (int n = 1; n <= entry::kCount; ++n) {
    if (values.changed(n)) current.set(n, values.get(n));
  }
  return current;
}

bool IsWriteProtected(int mode, bool writeAccess, bool superuser) {
  return !writeAccess || (superuser && (mode & 0222) == 0);
}

LoadResult LoadSettings(const std::filesystem::path& folder, SavedValues& values) {
  LoadResult result;
  try {
    const std::filesystem::path file = folder / kSettingsFileName;
    const FileDescriptor dir = fileops::OpenFolder(folderOf(file));
    if (dir.valid()) {
      const fileops::FileContents contents = fileops::ReadRegularFile(dir.get(), kSettingsFileName, kMaxSettingsBytes);
      result.state = contents.state;
      if (contents.state == SettingsFileState::Read) result.fieldsRead = ReadSettingsBytes(contents.bytes, values);
    } else if (errno != ENOENT && errno != ENOTDIR) {
      result.state = SettingsFileState::Unreadable;
    }

    // Temporary files of saves killed part-way, by this build or an earlier one, go now. A copy
    // that is saving at this moment holds the folder; its files are left for a later start.
    const std::filesystem::path target = realLocation(file);
    const FileDescriptor targetDir = fileops::OpenFolder(folderOf(target));
    if (targetDir.valid()) {
      const fileops::FolderLock lock(targetDir.get(), std::chrono::milliseconds(0));
      if (lock.held()) fileops::RemoveStaleTemporaries(targetDir.get(), target.filename().string());
    }
  } catch (const std::exception&) {
    // Out of memory for a mebibyte: treat the file as one that could not be read.
    result = {SettingsFileState::Unreadable, 0};
  }
  values.setFileState(result.state);
  return result;
}

SaveResult SaveSettings(const std::filesystem::path& folder, const SavedValues& values) {
  try {
    if (std::string error = MakeSettingsFolder(folder); !error.empty()) return {false, std::move(error)};
    return saveSettings(folder, values);
  } catch (const std::exception& e) {
    return {false, std::string("保存できませんでした（") + e.what() + "）。ファイルは元のままです。"};
  } catch (...) {
    return {false, "保存できませんでした。ファイルは元のままです。"};
  }
}

}  // namespace zen
