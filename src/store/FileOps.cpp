#include "FileOps.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <fstream>
#include <random>
#include <thread>
#include <vector>

namespace zen::fileops {

namespace {

constexpr std::string_view kNameLetters = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
constexpr std::size_t kSuffixLength = 6;
constexpr int kNameTries = 100;

bool isNameLetter(char c) { return kNameLetters.find(c) != std::string_view::npos; }

// A fresh temporary name for `fileName`: the pattern IsTemporaryName recognises.
std::string temporaryName(const std::string& fileName) {
  thread_local std::mt19937_64 random{std::random_device{}() ^ static_cast<std::uint64_t>(::getpid())};
  std::string name = fileName + '.';
  std::uniform_int_distribution<std::size_t> pick(0, kNameLetters.size() - 1);
  for (std::size_t i = 0; i < kSuffixLength; ++i) name += kNameLetters[pick(random)];
  return name;
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

// While a save writes, a file-size limit (ulimit -f, a quota set that way) must make the write fail
// with EFBIG, which the save reports, instead of killing the program with SIGXFSZ and leaving the
// user without a word. The previous handling comes back afterwards.
class IgnoreFileSizeSignal {
 public:
  IgnoreFileSizeSignal() {
    struct sigaction ignore {};
    ignore.sa_handler = SIG_IGN;
    sigemptyset(&ignore.sa_mask);
    restore_ = ::sigaction(SIGXFSZ, &ignore, &previous_) == 0;
  }
  ~IgnoreFileSizeSignal() {
    if (restore_) ::sigaction(SIGXFSZ, &previous_, nullptr);
  }
  IgnoreFileSizeSignal(const IgnoreFileSizeSignal&) = delete;
  IgnoreFileSizeSignal& operator=(const IgnoreFileSizeSignal&) = delete;

 private:
  struct sigaction previous_ {};
  bool restore_ = false;
};

// A temporary file being written, locked so that no other copy's clean-up takes it for a leftover.
struct Temporary {
  FileDescriptor fd;
  std::string name;  // empty while it has no name
};

// An unnamed file in the folder (O_TMPFILE): if the program dies while writing it, nothing is left.
Temporary createUnnamed(int folder) {
  Temporary t{FileDescriptor(::openat(folder, ".", O_TMPFILE | O_WRONLY | O_CLOEXEC, 0600)), {}};
  if (t.fd.valid()) ::flock(t.fd.get(), LOCK_EX | LOCK_NB);
  return t;
}

Temporary createNamed(int folder, const std::string& fileName) {
  for (int i = 0; i < kNameTries; ++i) {
    std::string name = temporaryName(fileName);
    FileDescriptor fd(::openat(folder, name.c_str(), O_CREAT | O_EXCL | O_WRONLY | O_CLOEXEC | O_NOFOLLOW, 0600));
    if (fd.valid()) {
      ::flock(fd.get(), LOCK_EX | LOCK_NB);
      return {std::move(fd), std::move(name)};
    }
    if (errno != EEXIST) break;
  }
  return {};
}

// Gives the unnamed file a temporary name in the folder, ready to be renamed over the old file.
// AT_EMPTY_PATH needs a capability ordinary users lack; /proc/self/fd does the same for them.
bool nameUnnamed(int folder, Temporary& t, const std::string& fileName) {
  char procPath[64];
  std::snprintf(procPath, sizeof procPath, "/proc/self/fd/%d", t.fd.get());
  for (int i = 0; i < kNameTries; ++i) {
    std::string name = temporaryName(fileName);
    if (::linkat(t.fd.get(), "", folder, name.c_str(), AT_EMPTY_PATH) == 0 ||
        (errno != EEXIST && ::linkat(AT_FDCWD, procPath, folder, name.c_str(), AT_SYMLINK_FOLLOW) == 0)) {
      t.name = std::move(name);
      return true;
    }
    if (errno != EEXIST) return false;
  }
  return false;
}

ReplaceResult fillAndFlush(int fd, std::string_view bytes, mode_t mode) {
  using Step = ReplaceResult::Step;
  if (::fchmod(fd, mode) != 0 || !writeAll(fd, bytes)) return {Step::Write, errno};
  if (::fsync(fd) != 0) return {Step::Flush, errno};
  return {};
}

}  // namespace

FileDescriptor& FileDescriptor::operator=(FileDescriptor&& other) noexcept {
  if (this != &other) {
    reset();
    fd_ = other.fd_;
    other.fd_ = -1;
  }
  return *this;
}

void FileDescriptor::reset() {
  if (fd_ >= 0) ::close(fd_);
  fd_ = -1;
}

int FileDescriptor::close() {
  const int rc = ::close(fd_);
  fd_ = -1;
  return rc;
}

FileDescriptor OpenFolder(const std::string& path) {
  FileDescriptor fd(::open(path.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  // A folder the user may enter and write but not list still takes the file.
  if (!fd.valid() && errno == EACCES) fd = FileDescriptor(::open(path.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC));
  return fd;
}

FileContents ReadRegularFile(int folder, const std::string& name, std::size_t maxBytes) {
  FileContents out;
  struct stat info {};
  if (::fstatat(folder, name.c_str(), &info, 0) != 0) {
    if (errno == ENOENT || errno == ENOTDIR) return out;  // also a link to nothing
    out.state = SettingsFileState::Unreadable;
    out.error = errno;
    return out;
  }
  // Opening a device can do something of its own (a tape rewinds, a modem hangs up), and a FIFO
  // can block: only a regular file is opened at all.
  if (!S_ISREG(info.st_mode)) {
    out.state = SettingsFileState::NotAFile;
    return out;
  }
  FileDescriptor fd(::openat(folder, name.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY));
  if (!fd.valid()) {
    if (errno == ENOENT) return out;
    out.state = SettingsFileState::Unreadable;
    out.error = errno;
    return out;
  }
  // Something else may have taken the name between the look and the open.
  if (::fstat(fd.get(), &out.info) != 0 || !S_ISREG(out.info.st_mode)) {
    out.state = SettingsFileState::NotAFile;
    return out;
  }
  char chunk[16384];
  while (out.bytes.size() < maxBytes) {
    const std::size_t want = std::min(sizeof chunk, maxBytes - out.bytes.size());
    const ssize_t n = ::read(fd.get(), chunk, want);
    if (n < 0) {
      if (errno == EINTR) continue;
      out.state = SettingsFileState::Unreadable;
      out.error = errno;
      out.bytes.clear();
      return out;
    }
    if (n == 0) break;
    out.bytes.append(chunk, static_cast<std::size_t>(n));
  }
  out.state = SettingsFileState::Read;
  return out;
}

FolderLock::FolderLock(int folder, std::chrono::milliseconds wait) : folder_(folder) {
  const auto deadline = std::chrono::steady_clock::now() + wait;
  for (;;) {
    if (::flock(folder_, LOCK_EX | LOCK_NB) == 0) {
      held_ = true;
      return;
    }
    if (errno == EINTR) continue;
    if (errno != EWOULDBLOCK || std::chrono::steady_clock::now() >= deadline) return;
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
}

FolderLock::~FolderLock() {
  if (held_) ::flock(folder_, LOCK_UN);
}

bool IsTemporaryName(std::string_view name, std::string_view fileName) {
  if (name.size() != fileName.size() + 1 + kSuffixLength || !name.starts_with(fileName) ||
      name[fileName.size()] != '.') {
    return false;
  }
  const std::string_view suffix = name.substr(fileName.size() + 1);
  return std::all_of(suffix.begin(), suffix.end(), isNameLetter);
}

int RemoveStaleTemporaries(int folder, std::string_view fileName) {
  std::vector<std::string> candidates;
  {
    const int listing = ::fcntl(folder, F_DUPFD_CLOEXEC, 0);
    if (listing < 0) return 0;
    DIR* dir = ::fdopendir(listing);
    if (dir == nullptr) {
      ::close(listing);
      return 0;
    }
    while (const dirent* e = ::readdir(dir)) {
      if (IsTemporaryName(e->d_name, fileName)) candidates.emplace_back(e->d_name);
    }
    ::closedir(dir);
  }

  int removed = 0;
  for (const std::string& name : candidates) {
    struct stat seen {};
    if (::fstatat(folder, name.c_str(), &seen, AT_SYMLINK_NOFOLLOW) != 0 || !S_ISREG(seen.st_mode) ||
        seen.st_uid != ::geteuid()) {
      continue;
    }
    FileDescriptor fd(::openat(folder, name.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
    if (!fd.valid()) fd = FileDescriptor(::openat(folder, name.c_str(), O_WRONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
    struct stat opened {};
    if (!fd.valid() || ::fstat(fd.get(), &opened) != 0 || opened.st_dev != seen.st_dev || opened.st_ino != seen.st_ino) {
      continue;
    }
    // A copy that is writing this file holds it locked until it has renamed it.
    if (::flock(fd.get(), LOCK_EX | LOCK_NB) != 0) continue;
    struct stat now {};
    if (::fstatat(folder, name.c_str(), &now, AT_SYMLINK_NOFOLLOW) == 0 && now.st_dev == seen.st_dev &&
        now.st_ino == seen.st_ino && ::unlinkat(folder, name.c_str(), 0) == 0) {
      ++removed;
    }
  }
  return removed;
}

ReplaceResult ReplaceFile(int folder, const std::string& name, std::string_view bytes, mode_t mode) {
  using Step = ReplaceResult::Step;
  const IgnoreFileSizeSignal noSignal;

  Temporary t = createUnnamed(folder);
  if (t.fd.valid()) {
    if (const ReplaceResult r = fillAndFlush(t.fd.get(), bytes, mode); r.failed != Step::None) return r;
    // A file system that cannot name it (or a system without /proc) is written again the plain way.
    if (!nameUnnamed(folder, t, name)) t = {};
  }
  if (!t.fd.valid()) {
    t = createNamed(folder, name);
    if (!t.fd.valid()) return {Step::Create, errno};
    if (const ReplaceResult r = fillAndFlush(t.fd.get(), bytes, mode); r.failed != Step::None) {
      ::unlinkat(folder, t.name.c_str(), 0);
      return r;
    }
  }
  if (::renameat(folder, t.name.c_str(), folder, name.c_str()) != 0) {
    const int err = errno;
    ::unlinkat(folder, t.name.c_str(), 0);
    return {Step::Rename, err};
  }
  // Make the rename itself durable. The new file is already in place, so a folder that cannot be
  // flushed (some file systems refuse) is not a failed save.
  ::fsync(folder);
  return {};
}

mode_t CurrentUmask() {
  // umask() can only be read by setting it, which would race with other threads creating files.
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

}  // namespace zen::fileops
