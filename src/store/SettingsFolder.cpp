#include "SettingsFolder.h"

#include <sys/stat.h>

#include <cerrno>
#include <exception>
#include <system_error>

namespace zen {

namespace {

constexpr mode_t kPrivateFolderMode = 0700;

std::string cannotMake(const std::filesystem::path& path, int err) {
  return "フォルダー " + path.string() + " を作れません（" + std::system_category().message(err) + "）。";
}

bool isFolder(const std::filesystem::path& path) {
  struct stat info {};
  return ::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

std::string makeFolder(const std::filesystem::path& folder) {
  if (folder.empty()) return "設定を保存するフォルダーがありません。";
  if (isFolder(folder)) return {};
  // From the top down, each missing step made private to the user; a step that is there already is
  // left as it is (mkdir reports it as existing before it looks at permissions).
  std::filesystem::path step;
  for (const auto& part : folder) {
    step /= part;
    if (part.empty() || part == step.root_path()) continue;
    if (::mkdir(step.c_str(), kPrivateFolderMode) != 0 && errno != EEXIST) {
      return cannotMake(step, errno);
    }
  }
  if (!isFolder(folder)) return cannotMake(folder, ENOTDIR);
  return {};
}

}  // namespace

std::string MakeSettingsFolder(const std::filesystem::path& folder) {
  try {
    return makeFolder(folder);
  } catch (const std::exception& e) {
    return std::string("設定を保存するフォルダーを作れません（") + e.what() + "）。";
  }
}

}  // namespace zen
