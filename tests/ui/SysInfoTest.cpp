// Reading registry values and starting the system-information tool.

#include <gtest/gtest.h>

#include <filesystem>

#include "AuxFixture.h"
#include "ShiftJis.h"
#include "SysInfo.h"

namespace zen::test {
namespace {

namespace fs = std::filesystem;

const std::string kKey = "SOFTWARE\\Test";

std::string bytes(const char* s, std::size_t n) { return std::string(s, n); }
std::string dword(std::uint32_t v) {
  std::string b(4, '\0');
  for (int i = 0; i < 4; ++i) b[static_cast<std::size_t>(i)] = static_cast<char>((v >> (8 * i)) & 0xFF);
  return b;
}

TEST(GetKeyValueTest, ReadsValuesByTheirType) {
  struct Case {
    const char* what;
    std::string bytes;
    RegistryValueType type;
    std::string expected;
  };
  const Case cases[] = {
      {"string with its NUL counted", bytes("C:\\Tools\\x.exe\0", 15), RegistryValueType::String, "C:\\Tools\\x.exe"},
      {"string without a NUL keeps its last character", "C:\\Tools\\x.exe", RegistryValueType::String, "C:\\Tools\\x.exe"},
      {"only the last NUL goes", bytes("ab\0\0", 4), RegistryValueType::String, bytes("ab\0", 3)},
      {"empty string", bytes("\0", 1), RegistryValueType::String, ""},
      {"Shift-JIS text", Utf8ToShiftJis("情報") + '\0', RegistryValueType::String, "情報"},
      {"number", dword(0x12345678), RegistryValueType::DWord, "305419896"},
      {"small number", dword(5), RegistryValueType::DWord, "5"},
      {"largest number", dword(0xFFFFFFFF), RegistryValueType::DWord, "4294967295"},
      {"other type leaves the text as passed", "\x01\x02", RegistryValueType::Other, "as passed"},
  };
  for (const auto& c : cases) {
    FakeRegistry registry;
    registry.set(kKey, "V", {c.bytes, c.type});
    std::string value = "as passed";
    EXPECT_TRUE(GetKeyValue(registry, RegistryRoot::LocalMachine, kKey, "V", value)) << c.what;
    EXPECT_EQ(value, c.expected) << c.what;
    EXPECT_EQ(registry.opened, 1) << c.what;
    EXPECT_EQ(registry.closed, 1) << c.what;
  }
}

TEST(GetKeyValueTest, FailuresEmptyTheTextAndCloseWhatWasOpened) {
  FakeRegistry registry;
  registry.addKey(kKey);
  registry.set("SOFTWARE\\Big", "V", {std::string(kRegistryBufferSize + 1, 'x'), RegistryValueType::String});
  struct Case {
    const char* key;
    const char* value;
    int opened;
  };
  const Case cases[] = {{"SOFTWARE\\Missing", "V", 0}, {"SOFTWARE\\Test", "Missing", 1}, {"SOFTWARE\\Big", "V", 1}};
  int opened = 0;
  for (const auto& c : cases) {
    std::string value = "as passed";
    EXPECT_FALSE(GetKeyValue(registry, RegistryRoot::LocalMachine, c.key, c.value, value)) << c.key;
    EXPECT_EQ(value, "") << c.key;
    opened += c.opened;
    EXPECT_EQ(registry.opened, opened) << c.key;
    EXPECT_EQ(registry.closed, registry.opened) << c.key;
  }
}

TEST(GetKeyValueTest, AValueOfExactlyTheBufferSizeIsRead) {
  FakeRegistry registry;
  registry.set(kKey, "V", {std::string(kRegistryBufferSize, 'x'), RegistryValueType::String});
  std::string value;
  EXPECT_TRUE(GetKeyValue(registry, RegistryRoot::LocalMachine, kKey, "V", value));
  EXPECT_EQ(value.size(), kRegistryBufferSize);
}

// --- StartSysInfo --------------------------------------------------------------------------------

class StartSysInfoTest : public ::testing::Test {
 protected:
  // An executable stub program in a folder of its own.
  fs::path stub(const TempDir& folder, const std::string& name, bool executable = true) const {
    folder.write(name, "#!/bin/sh\nexit 0\n");
    const fs::path p = folder.path() / name;
    fs::permissions(p, executable ? fs::perms::owner_all : fs::perms::owner_read | fs::perms::owner_write);
    return p;
  }
  void expectMessageOnly() {
    EXPECT_TRUE(platform.startedPrograms().empty());
    ASSERT_EQ(platform.messages().size(), 1u);
    EXPECT_EQ(platform.messages()[0].text, "現時点ではｼｽﾃﾑ情報を使用できません");
    EXPECT_EQ(platform.messages()[0].title, "ZENTARIO");
  }
  void expectStarted(const std::string& program) {
    EXPECT_TRUE(platform.messages().empty());
    ASSERT_EQ(platform.startedPrograms().size(), 1u);
    EXPECT_EQ(platform.startedPrograms()[0].program, program);
    EXPECT_TRUE(platform.startedPrograms()[0].arguments.empty());
  }

  TempDir folder;
  FakePlatform platform;
  FakeRegistry registry;
};

TEST_F(StartSysInfoTest, ToolKeyIsStartedAsItIsWithoutAFileCheck) {
  registry.set(std::string(kMsInfoKey), "PATH", {bytes("/nowhere/msinfo32\0", 18), RegistryValueType::String});
  platform.setRegistry(&registry);
  StartSysInfo(platform, "");
  expectStarted("/nowhere/msinfo32");
  EXPECT_EQ(registry.closed, registry.opened);
  ASSERT_FALSE(registry.roots.empty());
  EXPECT_EQ(registry.roots[0], RegistryRoot::LocalMachine);
}

TEST_F(StartSysInfoTest, ToolThatFailsToStartIsReported) {
  registry.set(std::string(kMsInfoKey), "PATH", {bytes("/nowhere/msinfo32\0", 18), RegistryValueType::String});
  platform.setRegistry(&registry);
  platform.setStartProgramResult(false);
  StartSysInfo(platform, "");
  ASSERT_EQ(platform.messages().size(), 1u);
  EXPECT_EQ(platform.messages()[0].text, kSysInfoUnavailable);
}

TEST_F(StartSysInfoTest, SharedToolsFolderIsUsedWhenTheToolIsInIt) {
  folder.write("MSINFO32.EXE", "tool");
  const std::string location = folder.path().string();
  registry.set(std::string(kMsInfoLocationKey), "MSINFO", {location + '\0', RegistryValueType::String});
  platform.setRegistry(&registry);
  StartSysInfo(platform, "");
  expectStarted((folder.path() / "MSINFO32.EXE").string());
  EXPECT_EQ(registry.closed, registry.opened);
}

TEST_F(StartSysInfoTest, SharedToolsFolderWithoutTheToolIsReported) {
  registry.set(std::string(kMsInfoLocationKey), "MSINFO", {folder.path().string() + '\0', RegistryValueType::String});
  platform.setRegistry(&registry);
  StartSysInfo(platform, "");
  expectMessageOnly();
}

TEST_F(StartSysInfoTest, ToolKeyOfAnotherTypeLeavesAnEmptyPathThatCannotStart) {
  registry.set(std::string(kMsInfoKey), "PATH", {dword(7), RegistryValueType::Other});
  platform.setRegistry(&registry);
  StartSysInfo(platform, "");
  expectMessageOnly();
}

TEST_F(StartSysInfoTest, RegistryWithoutEitherKeyIsReportedAndPathIsNotSearched) {
  stub(folder, "hardinfo");
  platform.setRegistry(&registry);
  StartSysInfo(platform, folder.path().string());
  expectMessageOnly();
}

TEST_F(StartSysInfoTest, WithoutARegistryAProgramOnThePathIsStarted) {
  const fs::path program = stub(folder, "hardinfo");
  StartSysInfo(platform, "/nonexistent:" + folder.path().string());
  expectStarted(program.string());
}

TEST_F(StartSysInfoTest, WithoutARegistryOrAProgramTheUserIsTold) {
  StartSysInfo(platform, folder.path().string());
  expectMessageOnly();
}

TEST_F(StartSysInfoTest, ProgramThatFailsToStartIsReported) {
  stub(folder, "hardinfo");
  platform.setStartProgramResult(false);
  StartSysInfo(platform, folder.path().string());
  ASSERT_EQ(platform.messages().size(), 1u);
}

TEST(FindProgramOnPathTest, TakesTheFirstProgramOfTheListThenTheFirstDirectory) {
  TempDir a;
  TempDir b;
  for (const auto* dir : {&a, &b}) {
    for (const char* name : {"monitor", "profiler"}) {
      dir->write(name, "#!/bin/sh\n");
      fs::permissions(dir->path() / name, fs::perms::owner_all);
    }
  }
  const std::string_view programs[] = {"profiler", "monitor"};
  const std::string path = a.path().string() + ":" + b.path().string();
  EXPECT_EQ(FindProgramOnPath(path, programs), a.path() / "profiler");
  fs::remove(a.path() / "profiler");
  EXPECT_EQ(FindProgramOnPath(path, programs), b.path() / "profiler");
}

TEST(FindProgramOnPathTest, SkipsWhatCannotBeRunAndEntriesThatAreNotAbsolute) {
  TempDir a;
  a.write("plain", "not a program");
  fs::permissions(a.path() / "plain", fs::perms::owner_read | fs::perms::owner_write);
  fs::create_directory(a.path() / "folder");
  const std::string_view programs[] = {"plain", "folder", "missing"};
  EXPECT_EQ(FindProgramOnPath(a.path().string(), programs), std::nullopt);

  // A relative or empty entry would run whatever sits in the current folder.
  const fs::path cwd = fs::current_path();
  fs::current_path(a.path());
  a.write("here", "#!/bin/sh\n");
  fs::permissions(a.path() / "here", fs::perms::owner_all);
  const std::string_view here[] = {"here"};
  EXPECT_EQ(FindProgramOnPath(".::", here), std::nullopt);
  EXPECT_EQ(FindProgramOnPath("", here), std::nullopt);
  EXPECT_EQ(FindProgramOnPath(a.path().string() + "/", here), a.path() / "here");
  fs::current_path(cwd);
}

}  // namespace
}  // namespace zen::test
