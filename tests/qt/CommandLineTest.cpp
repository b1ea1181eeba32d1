// The command line and the choice of the program's own folder.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "AppFolder.h"
#include "CommandLine.h"

namespace zen::test {
namespace {

struct CommandLineCase {
  const char* name;
  std::vector<std::string> arguments;
  std::optional<int> status;
  std::optional<std::string> folder;
  std::string outStart;  // what standard output starts with
  std::string errStart;  // what standard error starts with
};

const CommandLineCase kCommandLineCases[] = {
    {"Nothing", {}, std::nullopt, std::nullopt, "", ""},
    {"Folder", {"--folder", "/x/y"}, std::nullopt, "/x/y", "", ""},
    {"FolderWithEquals", {"--folder=/x/y"}, std::nullopt, "/x/y", "", ""},
    {"FolderInAnyBytes", {"--folder", "/tmp/\xff\xfe-\xc3("}, std::nullopt, "/tmp/\xff\xfe-\xc3(", "", ""},
    {"EmptyFolder", {"--folder", ""}, std::nullopt, "", "", ""},
    {"QtOptionsPassThrough", {"-platform", "offscreen", "-style=fusion", "-reverse", "--folder", "f"}, std::nullopt,
     "f", "", ""},
    {"Help", {"--help"}, 0, std::nullopt, "Usage: zentario [options]\n", ""},
    {"ShortHelp", {"-h"}, 0, std::nullopt, "Usage: zentario [options]\n", ""},
    {"Version", {"--version"}, 0, std::nullopt, "zentario 1.95\n", ""},
    {"UnknownOption", {"--bogus"}, 2, std::nullopt, "", "zentario: Unknown option 'bogus'.\nUsage: zentario [options]\n"},
    {"MissingValue", {"--folder"}, 2, std::nullopt, "", "zentario: Missing value after '--folder'.\nUsage: zentario"},
    {"StrayArgument", {"stray"}, 2, std::nullopt, "", "zentario: Unexpected argument 'stray'.\nUsage: zentario"},
};

class CommandLineTest : public ::testing::TestWithParam<CommandLineCase> {};

TEST_P(CommandLineTest, ReadsOptionsAndAnswersMistakesWithTheUsage) {
  const CommandLineCase& c = GetParam();
  std::vector<std::string> storage{"zentario"};
  storage.insert(storage.end(), c.arguments.begin(), c.arguments.end());
  std::vector<char*> argv;
  for (std::string& s : storage) argv.push_back(s.data());
  std::ostringstream out, err;
  const qt::CommandLine line =
      qt::ReadCommandLine(static_cast<int>(argv.size()), argv.data(), out, err, "\nSub-commands:\n  more\n");

  EXPECT_EQ(line.exitStatus, c.status);
  EXPECT_EQ(line.folder, c.folder);
  EXPECT_EQ(line.platformChosen, std::string(c.name) == "QtOptionsPassThrough") << "only it names -platform";
  EXPECT_EQ(out.str().substr(0, c.outStart.size()), c.outStart) << out.str();
  EXPECT_EQ(err.str().substr(0, c.errStart.size()), c.errStart) << err.str();
  if (c.outStart.empty()) {
    EXPECT_EQ(out.str(), "");
  }
  if (c.errStart.empty()) {
    EXPECT_EQ(err.str(), "");
  }
  if (c.outStart.rfind("Usage", 0) == 0) {
    EXPECT_NE(out.str().find("--folder <folder>"), std::string::npos);
    EXPECT_TRUE(out.str().ends_with("\nSub-commands:\n  more\n")) << "the sections handed in end the help";
  }
}

INSTANTIATE_TEST_SUITE_P(Arguments, CommandLineTest, ::testing::ValuesIn(kCommandLineCases),
                         [](const auto& info) { return std::string(info.param.name); });

// Sets or unsets an environment variable for one scope.
class ScopedEnv {
 public:
  ScopedEnv(const char* name, const char* value) : name_(name) {
    if (const char* old = std::getenv(name)) old_ = old;
    value ? ::setenv(name, value, 1) : ::unsetenv(name);
  }
  ~ScopedEnv() { old_ ? ::setenv(name_, old_->c_str(), 1) : ::unsetenv(name_); }
  ScopedEnv(const ScopedEnv&) = delete;
  ScopedEnv& operator=(const ScopedEnv&) = delete;

 private:
  const char* name_;
  std::optional<std::string> old_;
};

struct FolderCase {
  const char* name;
  std::optional<std::string> named;
  const char* configHome;
  const char* home;
  std::string expected;  // "~" stands for the account's home folder in the user database
};

const FolderCase kFolderCases[] = {
    {"NamedFolderFirst", "/srv/settings", "/x/config", "/h", "/srv/settings"},
    {"NamedFolderNormalised", "/srv/./a/../settings", nullptr, "/h", "/srv/settings"},
    {"EmptyNameIsNoFolder", "", "/x/config", "/h", ""},
    {"XdgConfigHome", std::nullopt, "/x/config", "/h", "/x/config/zentario"},
    {"RelativeXdgConfigHomeIsIgnored", std::nullopt, "config", "/h", "/h/.config/zentario"},
    {"EmptyXdgConfigHomeIsIgnored", std::nullopt, "", "/h", "/h/.config/zentario"},
    {"HomeWithoutXdgConfigHome", std::nullopt, nullptr, "/h", "/h/.config/zentario"},
    {"NoUsableHomeTakesTheAccountsHome", std::nullopt, nullptr, "relative", "~/.config/zentario"},
};

class AppFolderTest : public ::testing::TestWithParam<FolderCase> {};

TEST_P(AppFolderTest, NamedThenXdgConfigHomeThenHome) {
  const FolderCase& c = GetParam();
  const ScopedEnv config("XDG_CONFIG_HOME", c.configHome);
  const ScopedEnv home("HOME", c.home);
  const std::filesystem::path folder = qt::DecideAppFolder(c.named);
  if (c.expected.rfind("~/", 0) == 0) {
    // The account's home folder differs between machines; it is absolute wherever it is.
    EXPECT_TRUE(folder.is_absolute()) << folder;
    EXPECT_TRUE(folder.string().ends_with(c.expected.substr(1))) << folder;
  } else {
    EXPECT_EQ(folder, std::filesystem::path(c.expected));
  }
}

TEST(AppFolderTest, RelativeNameIsTakenFromTheStartFolder) {
  EXPECT_EQ(qt::DecideAppFolder("mine"), std::filesystem::current_path() / "mine");
}

INSTANTIATE_TEST_SUITE_P(Sources, AppFolderTest, ::testing::ValuesIn(kFolderCases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace zen::test
