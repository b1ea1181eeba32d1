#include "HelpFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <optional>

#include "ListInput.h"
#include "ShiftJis.h"

namespace zen {

namespace {

// 201 lines of text fit in a few tens of kilobytes; a mebibyte keeps a file put there by mistake
// (a log, an image) from being read whole. Items beyond that much are not read.
constexpr std::size_t kMaxHelpBytes = std::size_t{1} << 20;

// The whole file as bytes; none when it is not a readable regular file. Opened without blocking,
// so a FIFO left in the file's place cannot hang the help command.
std::optional<std::string> readBytes(const std::filesystem::path& file) {
  const int fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0) return std::nullopt;
  std::optional<std::string> bytes;
  struct stat info {};
  if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode)) {
    bytes.emplace();
    char chunk[16384];
    while (bytes->size() < kMaxHelpBytes) {
      const std::size_t want = std::min(sizeof chunk, kMaxHelpBytes - bytes->size());
      const ssize_t n = ::read(fd, chunk, want);
      if (n < 0) {
        if (errno == EINTR) continue;
        bytes.reset();
        break;
      }
      if (n == 0) break;
      bytes->append(chunk, static_cast<std::size_t>(n));
    }
  }
  ::close(fd);
  return bytes;
}

}  // namespace

bool ReadHelpFile(const std::filesystem::path& file, HelpLines& lines) {
  const std::optional<std::string> bytes = readBytes(file);
  if (!bytes) return false;
  ReadHelpBytes(*bytes, lines);
  return true;
}

void ReadHelpBytes(std::string_view bytes, HelpLines& lines) {
  ListInputReader reader(bytes);
  for (std::string& line : lines) {
    std::optional<std::string> item = reader.next();
    if (!item || *item == kHelpEndMarker) {
      // A file cut short ends its text here; older items further on stay behind the marker.
      line = kHelpEndMarker;
      break;
    }
    line = ShiftJisToUtf8(*item);
  }
}

HelpSource LoadHelpText(const std::filesystem::path& appFolder, const std::filesystem::path& installedFolder,
                        HelpLines& lines) {
  if (lines.back() == kHelpEndMarker) return HelpSource::AlreadyLoaded;
  if (!appFolder.empty() && ReadHelpFile(appFolder / kHelpFileName, lines)) return HelpSource::AppFolder;
  if (!installedFolder.empty() && ReadHelpFile(installedFolder / kHelpFileName, lines)) return HelpSource::Installed;
  lines[0] = kHelpMissingText;
  lines[1] = kHelpEndMarker;
  return HelpSource::Missing;
}

int HelpTextEnd(const HelpLines& lines) {
  const auto it = std::find(lines.begin(), lines.end(), kHelpEndMarker);
  return static_cast<int>(it - lines.begin());
}

int HelpScrollMaximum(int textEnd) {
  const int lastFirstLine = kHelpLineCount - kHelpPageLines;
  return std::clamp(textEnd - (kHelpPageLines - 1), 0, lastFirstLine);
}

}  // namespace zen
