#pragma once
// Starting the system's information tool from the about box. Where the platform has a registry,
// the tool's place is read from it; elsewhere a system-information program is looked for on the
// PATH. When neither finds a tool that starts, the user is told so.

#include <array>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "Platform.h"
#include "Registry.h"

namespace zen {

inline constexpr std::string_view kSysInfoUnavailable = "現時点ではｼｽﾃﾑ情報を使用できません";

// Registry keys and values that name the tool's path, and its file name in the fallback folder.
inline constexpr std::string_view kMsInfoKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
inline constexpr std::string_view kMsInfoValue = "PATH";
inline constexpr std::string_view kMsInfoLocationKey = "SOFTWARE\\Microsoft\\Shared Tools Location";
inline constexpr std::string_view kMsInfoLocationValue = "MSINFO";
inline constexpr std::string_view kMsInfoProgram = "MSINFO32.EXE";

// The programs that stand in for the tool on a desktop without a registry, in order of preference:
// system profilers first, then system monitors.
inline constexpr std::array<std::string_view, 6> kSystemInfoPrograms = {
    "hardinfo2", "hardinfo", "kinfocenter", "gnome-system-monitor", "plasma-systemmonitor", "xfce4-taskmanager"};

// Size of the buffer a registry value is read into.
inline constexpr std::size_t kRegistryBufferSize = 1024;

// Reads one registry value as text into KeyVal: a string as it is (without a terminating NUL
// counted in its size), a 32-bit number as its unsigned decimal digits; a value of any other type
// leaves KeyVal as the caller passed it. False, with KeyVal empty, when the key cannot be opened
// or the value cannot be read. A key that was opened is always closed again.
bool GetKeyValue(Registry& registry, RegistryRoot KeyRoot, const std::string& KeyName, const std::string& SubKeyRef,
                 std::string& KeyVal);

// The first of the programs, in their order, found as an executable regular file in a directory of
// pathList (directories separated by ':'). Empty and relative entries are skipped: they would run
// whatever sits in the current folder.
std::optional<std::filesystem::path> FindProgramOnPath(std::string_view pathList,
                                                       std::span<const std::string_view> programs);

// Finds and starts the tool without waiting for it, or shows kSysInfoUnavailable. pathList is the
// program search path used where the platform has no registry.
void StartSysInfo(Platform& platform, std::string_view pathList);
// The same with the process's own PATH.
void StartSysInfo(Platform& platform);

}  // namespace zen
