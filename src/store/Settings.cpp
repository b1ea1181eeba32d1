#include "Settings.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <exception>
#include <fstream>
#include <string_view>
#include <system_error>

#include "ListInput.h"
#include "ShiftJis.h"

namespace zen {

namespace {

// 35 short entries fit in a few hundred bytes; a mebibyte leaves room for any sane hand-edited file
// and keeps a runaway one (a log, a disk image renamed by mistake) from being read whole. Fields
// beyond that much of the file are not read.
constexpr std::size_t kMaxSettingsBytes = std::size_t{1} << 20;

constexpr mode_t kNewFileMode = 0644;

std::string describe(std::string_view what, const std::filesystem::path& path, int err) {
  std::string text(what);
  text += ' ';
  text += path.string();
  text += ": ";
  text += std::system_category().message(err);
  return text;
}

// Closes a descriptor on every way out of a scope.
class FileDescriptor {
 public:
  explicit FileDescriptor(int fd) : fd_(fd) {}
  ~FileDescriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  FileDescriptor(const FileDescriptor&) = delete;
  FileDescriptor& operator=(const FileDescriptor&) = delete;
  int get() const { return fd_; }
  // Closes now and reports the result; close can be the first to hear of a failed write.
  int close() {
    const int rc = ::close(fd_);
    fd_ = -1;
    return rc;
  }

 private:
  int fd_;
};

// The process's file creation mask, without changing it (umask() can only be read by setting it,
// which would race with other threads creating files).
mode_t currentUmask() {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line)) {
    if (line.rfind("Umask:", 0) == 0) {
      try {
        return static_cast<mode_t>(std::stoul(line.substr(6), nullptr, 8)) & 0777;
      } catch (const std::exception&) {
        break;
      }
    }
  }
  return 022;
}

bool writeAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t n = ::write(fd, bytes.data(), bytes.size());
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    bytes.remove_prefix(static_cast<std::size_t>(n));
  }
  return true;
}

SaveResult saveSettings(const std::filesystem::path& folder, const SavedValues& values) {
  std::filesystem::path target = folder / kSettingsFileName;
  // A settings file kept elsewhere through a symbolic link is replaced where it lives, so the
  // link stays and keeps pointing at the current settings. A link to nothing is replaced itself.
  std::error_code ec;
  if (std::filesystem::is_symlink(target, ec)) {
    std::filesystem::path real = std::filesystem::canonical(target, ec);
    if (!ec) target = std::move(real);
  }
  const std::string bytes = SettingsFileBytes(values);

  std::string tempName = target.string() + ".XXXXXX";
  FileDescriptor fd(::mkostemp(tempName.data(), O_CLOEXEC));
  if (fd.get() < 0) {
    return {false, describe("Cannot create a temporary file for", target, errno)};
  }
  const std::filesystem::path tempPath = tempName;

  // From here on every failure removes the temporary file and leaves ZENTARIO.INI as it was.
  const auto fail = [&](std::string_view what, const std::filesystem::path& path, int err) {
    if (fd.get() >= 0) fd.close();
    ::unlink(tempName.c_str());
    return SaveResult{false, describe(what, path, err)};
  };

  // mkstemp makes the file private to its owner; give it the permissions the old file had, or
  // those of a newly created file.
  struct stat old {};
  const mode_t mode = ::stat(target.c_str(), &old) == 0 && S_ISREG(old.st_mode)
                          ? (old.st_mode & 0777)
                          : (kNewFileMode & ~currentUmask());
  if (::fchmod(fd.get(), mode) != 0) return fail("Cannot set the permissions of", tempPath, errno);
  if (!writeAll(fd.get(), bytes)) return fail("Cannot write", tempPath, errno);
  if (::fsync(fd.get()) != 0) return fail("Cannot flush", tempPath, errno);
  if (fd.close() != 0) return fail("Cannot close", tempPath, errno);
  if (::rename(tempName.c_str(), target.c_str()) != 0) {
    return fail("Cannot replace", target, errno);
  }

  // Make the rename itself durable. The new file is already in place, so a folder that cannot be
  // flushed (some file systems refuse) is not a failed save.
  const std::filesystem::path parent = target.parent_path().empty() ? "." : target.parent_path();
  FileDescriptor dir(::open(parent.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (dir.get() >= 0) ::fsync(dir.get());
  return {true, {}};
}

}  // namespace

LoadResult LoadSettings(const std::filesystem::path& folder, SavedValues& values) {
  using Status = LoadResult::Status;
  try {
    const std::filesystem::path path = folder / kSettingsFileName;
    // Non-blocking, so that a FIFO left in the file's place cannot hang the start-up; only a
    // regular file is read.
    FileDescriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    if (fd.get() < 0) {
      return {errno == ENOENT ? Status::Missing : Status::Unreadable, 0};
    }
    struct stat info {};
    if (::fstat(fd.get(), &info) != 0 || !S_ISREG(info.st_mode)) return {Status::Unreadable, 0};

    std::string bytes;
    char chunk[16384];
    while (bytes.size() < kMaxSettingsBytes) {
      const std::size_t want = std::min(sizeof chunk, kMaxSettingsBytes - bytes.size());
      const ssize_t n = ::read(fd.get(), chunk, want);
      if (n < 0) {
        if (errno == EINTR) continue;
        return {Status::Unreadable, 0};
      }
      if (n == 0) break;
      bytes.append(chunk, static_cast<std::size_t>(n));
    }

    ListInputReader reader(bytes);
    int n = 0;
    while (n < entry::kCount) {
      std::optional<std::string> raw = reader.next();
      if (!raw) break;
      ++n;
      std::string text = ShiftJisToUtf8(*raw);
      values.setLoaded(n, std::move(text), std::move(*raw));
    }
    return {n == entry::kCount ? Status::Ok : Status::Short, n};
  } catch (const std::exception&) {
    // Out of memory for a mebibyte: treat the file as one that could not be read.
    return {Status::Unreadable, 0};
  }
}

SaveResult SaveSettings(const std::filesystem::path& folder, const SavedValues& values) {
  try {
    return saveSettings(folder, values);
  } catch (const std::exception& e) {
    return {false, std::string("Cannot save the settings: ") + e.what()};
  } catch (...) {
    return {false, "Cannot save the settings"};
  }
}

std::string SettingsFileBytes(const SavedValues& values) {
  std::string out;
  out.reserve(64 * entry::kCount);
  for (int n = 1; n <= entry::kCount; ++n) {
    // An entry read from the file goes back with the very bytes it came with, so text that is not
    // valid Shift-JIS (or a character with two Unicode spellings) survives a run unchanged.
    const std::optional<std::string>& raw = values.rawBytes(n);
    out += '"';
    out += raw ? *raw : Utf8ToShiftJis(values.get(n));
    out += "\"\r\n";
  }
  return out;
}

}  // namespace zen
