#include "AppFolder.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <vector>

namespace zen::qt {

namespace {

// An environment variable's bytes when it holds an absolute path.
std::optional<std::filesystem::path> absoluteFromEnvironment(const char* name) {
  const char* value = std::getenv(name);
  if (value == nullptr) return std::nullopt;
  std::filesystem::path path(value);
  if (!path.is_absolute()) return std::nullopt;
  return path;
}

std::filesystem::path homeFolder() {
  if (auto home = absoluteFromEnvironment("HOME")) return *home;
  // No usable HOME (a service, a stripped environment): the account's home from the user database.
  std::vector<char> buffer(16384);
  passwd entry{};
  passwd* found = nullptr;
  if (::getpwuid_r(::getuid(), &entry, buffer.data(), buffer.size(), &found) == 0 && found != nullptr &&
      found->pw_dir != nullptr) {
    std::filesystem::path home(found->pw_dir);
    if (home.is_absolute()) return home;
  }
  return {};
}

}  // namespace

std::filesystem::path DecideAppFolder(const std::optional<std::string>& named) {
  if (named) {
    if (named->empty()) return {};
    std::error_code ec;
    // Taken from the start folder now, so the folder stays the same whatever happens later.
    std::filesystem::path folder = std::filesystem::absolute(*named, ec);
    if (ec) return {};
    return folder.lexically_normal();
  }
  if (auto config = absoluteFromEnvironment("XDG_CONFIG_HOME")) return (*config / "zentario").lexically_normal();
  const std::filesystem::path home = homeFolder();
  if (home.empty()) return {};
  return (home / ".config" / "zentario").lexically_normal();
}

}  // namespace zen::qt
