#include "SettingsFolder.h"

#include <sys/stat.h>

#include <cerrno>
#include <exception>
#include <system_error>

namespace zen {

namespace {

constexpr mode_t kPrivateFolderMode = 0700;

std::string describe(const char* what, const std::filesystem::path& path, int err) {
  return std::string(what) + ' ' + path.string() + ": " + std::system_category().message(err);
}

bool isFolder(const std::filesystem::path& path) {
  struct stat info {};
  return ::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

std::string makeFolder(const std::filesystem::path& folder) {
  if (folder.empty()) return "No folder is set for the settings";
  if (isFolder(folder)) return {};
  // From the top down, each missing step made private to the user; a step that is there already is
  // left as it is (mkdir reports it as existing before it looks at permissions).
  std::filesystem::path step;
  for (const auto& part : folder) {
    step /= part;
    if (part.empty() || part == step.root_path()) continue;
    if (::mkdir(step.c_str(), kPrivateFolderMode) != 0 && errno != EEXIST) {
      return describe("Cannot create the folder", step, errno);
    }
  }
  if (!isFolder(folder)) return describe("Cannot use the folder", folder, ENOTDIR);
  return {};
}

}  // namespace

std::string MakeSettingsFolder(const std::filesystem::path& folder) {
  try {
    return makeFolder(folder);
  } catch (const std::exception& e) {
    return std::string("Cannot create the settings folder: ") + e.what();
  }
}

}  // namespace zen
