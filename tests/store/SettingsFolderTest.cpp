// The settings folder, made at the first save.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "SettingsFolder.h"
#include "TempDir.h"

namespace zen::test {
namespace {

namespace fs = std::filesystem;

struct FolderCase {
  const char* name;
  const char* folder;       // inside the test's folder; null: the empty path
  const char* fileInTheWay;  // a plain file made first, inside the test's folder
  bool made;
};

constexpr FolderCase kFolderCases[] = {
    {"AlreadyThere", "there", nullptr, true},
    {"MissingWithItsParents", "config/zentario", nullptr, true},
    {"WithATrailingSlash", "config/zentario/", nullptr, true},
    {"AFileInItsPlace", "config", "config", false},
    {"AFileInPlaceOfAParent", "config/zentario", "config", false},
    {"TheEmptyPath", nullptr, nullptr, false},
};

class MakeSettingsFolderTest : public ::testing::TestWithParam<FolderCase> {};

TEST_P(MakeSettingsFolderTest, MakesWhatIsMissingPrivateAndLeavesTheRest) {
  const FolderCase& c = GetParam();
  TempDir dir;
  fs::create_directory(dir.path() / "there");
  fs::permissions(dir.path() / "there", fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec);
  if (c.fileInTheWay) dir.write(c.fileInTheWay, "in the way");
  const fs::path folder = c.folder ? dir.path() / c.folder : fs::path();
  const fs::path before = fs::current_path();
  fs::current_path(dir.path());  // an empty path must not be taken for the current folder

  const std::string error = MakeSettingsFolder(folder);
  fs::current_path(before);

  EXPECT_EQ(error.empty(), c.made) << error;
  if (!c.made) {
    EXPECT_NE(error.find(c.folder ? (dir.path() / "config").string() : "フォルダーがありません"), std::string::npos)
        << error;
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), c.fileInTheWay ? 2 : 1)
        << "nothing else was made";
    return;
  }
  EXPECT_TRUE(fs::is_directory(folder));
  // Folders made here are the user's alone; one that was there keeps its permissions.
  const auto perms = [](const fs::path& p) { return fs::status(p).permissions() & fs::perms::all; };
  EXPECT_EQ(perms(dir.path() / "there"), fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec);
  if (fs::exists(dir.path() / "config")) {
    EXPECT_EQ(perms(dir.path() / "config"), fs::perms::owner_all);
    EXPECT_EQ(perms(dir.path() / "config" / "zentario"), fs::perms::owner_all);
  }
}

INSTANTIATE_TEST_SUITE_P(Folders, MakeSettingsFolderTest, ::testing::ValuesIn(kFolderCases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace zen::test
