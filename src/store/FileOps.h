#pragma once
// The POSIX steps under loading and saving the settings file: reading only a regular file, the
// folder lock that makes a save's read-merge-write one step, the temporary file a save goes
// through, and the removal of temporary files that a killed save left behind. Every name is
// relative to an open folder, so a folder renamed meanwhile cannot send a step elsewhere.

#include <sys/stat.h>
#include <sys/types.h>

#include <chrono>
#include <cstddef>
#include <string>
#include <string_view>

#include "SavedValues.h"

namespace zen::fileops {

// Closes a descriptor on every way out of a scope.
class FileDescriptor {
 public:
  FileDescriptor() = default;
  explicit FileDescriptor(int fd) : fd_(fd) {}
  ~FileDescriptor() { reset(); }
  FileDescriptor(FileDescriptor&& other) noexcept : fd_(other.fd_) { other.fd_ = -1; }
  FileDescriptor& operator=(FileDescriptor&& other) noexcept;
  FileDescriptor(const FileDescriptor&) = delete;
  FileDescriptor& operator=(const FileDescriptor&) = delete;
  int get() const { return fd_; }
  bool valid() const { return fd_ >= 0; }
  void reset();
  // Closes now and reports the result; close can be the first to hear of a failed write.
  int close();

 private:
  int fd_ = -1;
};

// Opens a folder for the steps below: readable when possible (needed for the lock, the clean-up
// and flushing the folder), else by path only. Invalid, with errno set, when there is no folder.
FileDescriptor OpenFolder(const std::string& path);

struct FileContents {
  SettingsFileState state = SettingsFileState::Missing;  // Missing, Read, Unreadable or NotAFile
  std::string bytes;                                     // the first maxBytes bytes, when Read
  struct stat info {};                                   // the file's status, when Read
  int error = 0;                                         // errno, when Unreadable
};

// Reads the file `name` in the folder, following links, when it is a regular file. Anything else
// (a FIFO, a device, a socket, a folder) is reported without being opened.
FileContents ReadRegularFile(int folder, const std::string& name, std::size_t maxBytes);

// An exclusive lock on the folder, which every copy of the program takes for the whole of a save.
// Waits up to `wait` for a copy that is saving; a file system without locks (or a copy that hangs)
// leaves it unheld, and the caller goes on without it.
class FolderLock {
 public:
  FolderLock(int folder, std::chrono::milliseconds wait);
  ~FolderLock();
  FolderLock(const FolderLock&) = delete;
  FolderLock& operator=(const FolderLock&) = delete;
  bool held() const { return held_; }

 private:
  int folder_;
  bool held_ = false;
};

// Whether `name` is one of the temporary files a save of `fileName` creates: the file's name, a
// dot and six letters or digits (the pattern mkstemp fills in, which earlier builds used too).
bool IsTemporaryName(std::string_view name, std::string_view fileName);

// Removes the temporary files of `fileName` that a killed save left in the folder: regular files
// of exactly that pattern, owned by this user, that no running copy holds locked while writing.
// Gives the number removed.
int RemoveStaleTemporaries(int folder, std::string_view fileName);

struct ReplaceResult {
  enum class Step { None, Create, Write, Flush, Rename };
  Step failed = Step::None;  // None: the file was replaced
  int error = 0;
};

// Replaces `name` in the folder by a file holding `bytes` with permissions `mode`: written to a
// temporary file (unnamed while it is written, where the file system allows it), flushed to disk
// and renamed over the old file, then the folder is flushed. On failure the old file is left as it
// was and no temporary file remains. A file-size limit makes the write fail with EFBIG instead of
// killing the program.
ReplaceResult ReplaceFile(int folder, const std::string& name, std::string_view bytes, mode_t mode);

// The process's file creation mask, read without changing it.
mode_t CurrentUmask();

}  // namespace zen::fileops
