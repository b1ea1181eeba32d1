#include "SysInfo.h"

#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <system_error>

#include "ShiftJis.h"

namespace zen {

namespace {

// Closes an opened key on every way out.
class OpenKey {
 public:
  OpenKey(Registry& registry, Registry::Handle handle) : registry_(registry), handle_(handle) {}
  ~OpenKey() { registry_.close(handle_); }
  OpenKey(const OpenKey&) = delete;
  OpenKey& operator=(const OpenKey&) = delete;

 private:
  Registry& registry_;
  Registry::Handle handle_;
};

bool isExecutableFile(const std::filesystem::path& p) {
  std::error_code ec;
  return std::filesystem::is_regular_file(p, ec) && ::access(p.c_str(), X_OK) == 0;
}

void unavailable(Platform& platform) {
  platform.messageBox(std::string(kSysInfoUnavailable), std::string(kProgramTitle));
}

// The tool's path from the registry: the tool's own key, else its folder from the shared tools'
// location when the tool's file is there.
std::optional<std::string> toolFromRegistry(Registry& registry) {
  std::string toolPath;
  if (GetKeyValue(registry, RegistryRoot::LocalMachine, std::string(kMsInfoKey), std::string(kMsInfoValue),
                  toolPath)) {
    return toolPath;
  }
  if (GetKeyValue(registry, RegistryRoot::LocalMachine, std::string(kMsInfoLocationKey),
                  std::string(kMsInfoLocationValue), toolPath) &&
      !toolPath.empty()) {
    const std::filesystem::path tool = std::filesystem::path(toolPath) / kMsInfoProgram;
    std::error_code ec;
    if (std::filesystem::is_regular_file(tool, ec)) return tool.string();
  }
  return std::nullopt;
}

}  // namespace

bool GetKeyValue(Registry& registry, RegistryRoot KeyRoot, const std::string& KeyName, const std::string& SubKeyRef,
                 std::string& KeyVal) {
  Registry::Handle handle{};
  if (!registry.open(KeyRoot, KeyName, handle)) {
    KeyVal.clear();
    return false;
  }
  const OpenKey key(registry, handle);

  char buffer[kRegistryBufferSize] = {};
  std::size_t size = sizeof buffer;
  RegistryValueType type = RegistryValueType::Other;
  if (!registry.query(handle, SubKeyRef, buffer, size, type)) {
    KeyVal.clear();
    return false;
  }
  // A registry that reports more than it could copy is held to the buffer.
  std::size_t n = std::min(size, sizeof buffer);
  // Strings are usually stored with their terminating NUL counted; one stored without it keeps its
  // last character.
  if (n > 0 && buffer[n - 1] == '\0') --n;

  switch (type) {
    case RegistryValueType::String: KeyVal = ShiftJisToUtf8(std::string_view(buffer, n)); break;
    case RegistryValueType::DWord: {
      // Four bytes, least significant first; a shorter value counts its missing bytes as zero.
      std::uint32_t value = 0;
      const std::size_t bytes = std::min(std::min(size, sizeof buffer), std::size_t{4});
      for (std::size_t i = 0; i < bytes; ++i) {
        value |= static_cast<std::uint32_t>(static_cast<unsigned char>(buffer[i])) << (8 * i);
      }
      KeyVal = std::to_string(value);
      break;
    }
    case RegistryValueType::Other: break;
  }
  return true;
}

std::optional<std::filesystem::path> FindProgramOnPath(std::string_view pathList,
                                                       std::span<const std::string_view> programs) {
  for (const std::string_view program : programs) {
    std::size_t start = 0;
    while (start <= pathList.size()) {
      std::size_t end = pathList.find(':', start);
      if (end == std::string_view::npos) end = pathList.size();
      const std::filesystem::path dir(pathList.substr(start, end - start));
      start = end + 1;
      if (dir.empty() || dir.is_relative()) continue;
      const std::filesystem::path candidate = dir / program;
      if (isExecutableFile(candidate)) return candidate;
    }
  }
  return std::nullopt;
}

void StartSysInfo(Platform& platform, std::string_view pathList) {
  std::optional<std::string> tool;
  if (Registry* registry = platform.registry()) {
    tool = toolFromRegistry(*registry);
  } else if (auto found = FindProgramOnPath(pathList, kSystemInfoPrograms)) {
    tool = found->string();
  }
  // An empty path (a value of another type than text) cannot start either.
  if (!tool || tool->empty() || !platform.startProgram(*tool, {})) unavailable(platform);
}

void StartSysInfo(Platform& platform) {
  const char* path = std::getenv("PATH");
  StartSysInfo(platform, path ? std::string_view(path) : std::string_view());
}

}  // namespace zen
