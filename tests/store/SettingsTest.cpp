#include "Settings.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <iterator>
#include <random>
#include <string>
#include <vector>

#include "TempDir.h"

namespace zen {
namespace {

namespace fs = std::filesystem;
using namespace std::string_literals;
using test::TempDir;

const std::string kEmptyLine = "\"\"\r\n";

std::string repeat(const std::string& s, int times) {
  std::string out;
  for (int i = 0; i < times; ++i) out += s;
  return out;
}

// The file as the program writes it: each text quoted, one per CR LF line.
std::string quotedLines(const std::vector<std::string>& texts) {
  std::string out;
  for (const auto& text : texts) out += '"' + text + "\"\r\n";
  return out;
}

int countCrLf(const std::string& bytes) {
  int count = 0;
  for (std::size_t at = bytes.find("\r\n"); at != std::string::npos; at = bytes.find("\r\n", at + 2)) {
    ++count;
  }
  return count;
}

std::vector<fs::path> leftovers(const fs::path& folder) {
  std::vector<fs::path> found;
  for (const auto& item : fs::directory_iterator(folder)) {
    if (item.path().filename().string().rfind("ZENTARIO.INI.", 0) == 0) found.push_back(item.path());
  }
  return found;
}

// A realistic set of entries: positions with their leading space, five slots, empty and reserved
// entries, and texts that need Shift-JIS.
SavedValues sampleValues() {
  SavedValues values;
  values.set(entry::kMainTop, " 1800");
  values.set(entry::kMainLeft, " 2400");
  const char* slotTexts[] = {"4.7K\u03A9", "100\u03A9", "2.2M\u03A9", "", "47K\u03A9"};
  for (int slot = 0; slot < entry::kSlotCount; ++slot) {
    values.set(entry::slotValue(slot), slotTexts[slot]);
    for (int band = 0; band < 4; ++band) {
      values.set(entry::slotBand(slot, band), slot == 3 ? "" : std::to_string(49344 + band * 1000));
    }
  }
  values.set(entry::kHelpTop, "-315");
  values.set(entry::kHelpLeft, " 0");
  values.set(entry::kChartTop, " 12345.5");
  values.set(entry::kReserved1, "\u8272\u5E2F, with a comma");
  values.set(entry::kReserved2, "  ");
  values.set(entry::kFrameTop, " 60");
  return values;
}

// --- The bytes of the file ---------------------------------------------------------------------

struct ByteExample {
  const char* name;
  std::string text;
  std::string line;
};

class SettingsLineBytes : public testing::TestWithParam<ByteExample> {};

TEST_P(SettingsLineBytes, EntryIsWrittenAsQuotedShiftJisAndCrLf) {
  SavedValues values;
  values.set(1, GetParam().text);
  const std::string expected = GetParam().line + repeat(kEmptyLine, 34);
  EXPECT_EQ(SettingsFileBytes(values), expected);

  TempDir dir;
  const SaveResult saved = SaveSettings(dir.path(), values);
  ASSERT_TRUE(saved.ok) << saved.error;
  EXPECT_EQ(dir.read("ZENTARIO.INI"), expected);
}

INSTANTIATE_TEST_SUITE_P(
    Examples, SettingsLineBytes,
    testing::Values(ByteExample{"Position", " 1800", "\x22\x20\x31\x38\x30\x30\x22\x0D\x0A"},
                    ByteExample{"BandColour", "49344", "\x22\x34\x39\x33\x34\x34\x22\x0D\x0A"},
                    ByteExample{"SlotValue", "4.7K\u03A9", "\x22\x34\x2E\x37\x4B\x83\xB6\x22\x0D\x0A"},
                    ByteExample{"Empty", "", "\x22\x22\x0D\x0A"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SettingsFileBytesTest, FreshValuesGiveThirtyFiveEmptyLines) {
  EXPECT_EQ(SettingsFileBytes(SavedValues{}), repeat(kEmptyLine, 35));
}

// --- Round trips -------------------------------------------------------------------------------

TEST(SettingsTest, EveryEntryComesBackUnchanged) {
  TempDir dir;
  const SavedValues original = sampleValues();
  const SaveResult saved = SaveSettings(dir.path(), original);
  ASSERT_TRUE(saved.ok) << saved.error;
  EXPECT_EQ(countCrLf(dir.read("ZENTARIO.INI")), 35);
  EXPECT_EQ(dir.read("ZENTARIO.INI").substr(0, 18), "\" 1800\"\r\n\" 2400\"\r\n");

  SavedValues loaded;
  const LoadResult result = LoadSettings(dir.path(), loaded);
  EXPECT_EQ(result.status, LoadResult::Status::Ok);
  EXPECT_EQ(result.fieldsRead, 35);
  for (int n = 1; n <= entry::kCount; ++n) EXPECT_EQ(loaded.get(n), original.get(n)) << "entry " << n;
  EXPECT_EQ(loaded.rawBytes(entry::slotValue(0)), "4.7K\x83\xB6");
  EXPECT_EQ(SettingsFileBytes(loaded), SettingsFileBytes(original));
  EXPECT_TRUE(leftovers(dir.path()).empty());
}

TEST(SettingsTest, BytesThatAreNotShiftJisGoBackUnchanged) {
  TempDir dir;
  std::vector<std::string> lines(35, "");
  lines[entry::kMainTop - 1] = " 1800";
  lines[entry::slotValue(0) - 1] = "4.7K\x83\xB6";
  lines[entry::kReserved1 - 1] = "\x81";
  lines[entry::kReserved2 - 1] = "\xFF\x83\xB6\x80 x";
  lines[entry::kFrameTop - 1] = "\xF0\x40";  // user-defined area: decodes, but keep it as it was
  const std::string file = quotedLines(lines);
  dir.write("ZENTARIO.INI", file);

  SavedValues values;
  ASSERT_EQ(LoadSettings(dir.path(), values).status, LoadResult::Status::Ok);
  EXPECT_EQ(values.get(entry::kReserved1), "\uFFFD");
  EXPECT_EQ(values.get(entry::kReserved2), "\uFFFD\u03A9\uFFFD x");
  EXPECT_EQ(values.get(entry::slotValue(0)), "4.7K\u03A9");

  const SaveResult saved = SaveSettings(dir.path(), values);
  ASSERT_TRUE(saved.ok) << saved.error;
  EXPECT_EQ(dir.read("ZENTARIO.INI"), file);
}

TEST(SettingsTest, AnEntrySetDuringTheRunIsWrittenFromItsText) {
  TempDir dir;
  dir.write("ZENTARIO.INI", quotedLines(std::vector<std::string>(35, "\xFF")));
  SavedValues values;
  LoadSettings(dir.path(), values);
  values.set(entry::kMainTop, " 90");
  ASSERT_TRUE(SaveSettings(dir.path(), values).ok);
  EXPECT_EQ(dir.read("ZENTARIO.INI"), "\" 90\"\r\n" + repeat("\"\xFF\"\r\n", 34));
}

// --- Files that are not what the program wrote ---------------------------------------------------

TEST(SettingsTest, TwoQuotedFieldsOnOneLineFeedTwoEntries) {
  TempDir dir;
  dir.write("ZENTARIO.INI", "\" 1800\",\" 2400\"\r\n\"4.7K\x83\xB6\"\r\n" + repeat(kEmptyLine, 32));
  SavedValues values;
  const LoadResult result = LoadSettings(dir.path(), values);
  EXPECT_EQ(result.status, LoadResult::Status::Ok);
  EXPECT_EQ(values.get(1), " 1800");
  EXPECT_EQ(values.get(2), " 2400");
  EXPECT_EQ(values.get(3), "4.7K\u03A9");
}

TEST(SettingsTest, LinesAfterTheThirtyFifthAreIgnoredAndNotWrittenBack) {
  TempDir dir;
  std::vector<std::string> lines;
  for (int i = 1; i <= 40; ++i) lines.push_back("line " + std::to_string(i));
  dir.write("ZENTARIO.INI", quotedLines(lines));

  SavedValues values;
  const LoadResult result = LoadSettings(dir.path(), values);
  EXPECT_EQ(result.status, LoadResult::Status::Ok);
  EXPECT_EQ(result.fieldsRead, 35);
  EXPECT_EQ(values.get(35), "line 35");

  ASSERT_TRUE(SaveSettings(dir.path(), values).ok);
  lines.resize(35);
  EXPECT_EQ(dir.read("ZENTARIO.INI"), quotedLines(lines));
}

TEST(SettingsTest, ShortFileFillsTheFirstEntriesAndLeavesTheRest) {
  TempDir dir;
  dir.write("ZENTARIO.INI", "\" 1800\"\r\n\" 2400\"\r\n\"100\x83\xB6\"");
  SavedValues values;
  values.set(4, "kept");
  const LoadResult result = LoadSettings(dir.path(), values);
  EXPECT_EQ(result.status, LoadResult::Status::Short);
  EXPECT_EQ(result.fieldsRead, 3);
  EXPECT_EQ(values.get(3), "100\u03A9");
  EXPECT_EQ(values.get(4), "kept");
  EXPECT_FALSE(values.rawBytes(4).has_value());
}

TEST(SettingsTest, EmptyFileIsShortWithNothingRead) {
  TempDir dir;
  dir.write("ZENTARIO.INI", "");
  SavedValues values;
  const LoadResult result = LoadSettings(dir.path(), values);
  EXPECT_EQ(result.status, LoadResult::Status::Short);
  EXPECT_EQ(result.fieldsRead, 0);
  EXPECT_EQ(values, SavedValues{});
}

TEST(SettingsTest, MissingFileChangesNothing) {
  TempDir dir;
  SavedValues values = sampleValues();
  const LoadResult result = LoadSettings(dir.path(), values);
  EXPECT_EQ(result.status, LoadResult::Status::Missing);
  EXPECT_EQ(result.fieldsRead, 0);
  EXPECT_EQ(values, sampleValues());
  EXPECT_EQ(LoadSettings(dir.path() / "no such folder", values).status, LoadResult::Status::Missing);
}

TEST(SettingsTest, FolderOrPipeInThePlaceOfTheFileIsUnreadable) {
  TempDir dir;
  fs::create_directory(dir.path() / "ZENTARIO.INI");
  SavedValues values;
  EXPECT_EQ(LoadSettings(dir.path(), values).status, LoadResult::Status::Unreadable);

  TempDir other;
  ASSERT_EQ(::mkfifo((other.path() / "ZENTARIO.INI").c_str(), 0600), 0);
  EXPECT_EQ(LoadSettings(other.path(), values).status, LoadResult::Status::Unreadable);
  EXPECT_EQ(values, SavedValues{});
}

TEST(SettingsTest, MegabytesOfBinaryJunkLoadAtMostThirtyFiveFields) {
  TempDir dir;
  std::mt19937 random(7);
  std::string junk(3 << 20, '\0');
  for (char& c : junk) c = static_cast<char>(random());
  dir.write("ZENTARIO.INI", junk);

  SavedValues values;
  const LoadResult result = LoadSettings(dir.path(), values);
  EXPECT_LE(result.fieldsRead, 35);
  const SaveResult saved = SaveSettings(dir.path(), values);
  EXPECT_TRUE(saved.ok) << saved.error;
}

TEST(SettingsTest, ReadsAtMostTheFirstMebibyte) {
  TempDir dir;
  dir.write("ZENTARIO.INI", "\"" + std::string(3 << 20, 'x') + "\"\r\n\"second\"\r\n");
  SavedValues values;
  const LoadResult result = LoadSettings(dir.path(), values);
  EXPECT_EQ(result.fieldsRead, 1);
  EXPECT_EQ(values.get(1).size(), (std::size_t{1} << 20) - 1);
  EXPECT_EQ(values.get(2), "");
}

// --- Saving --------------------------------------------------------------------------------------

TEST(SettingsSaveTest, ReplacesTheOldFileAndKeepsItsPermissions) {
  TempDir dir;
  dir.write("ZENTARIO.INI", "old");
  fs::permissions(dir.path() / "ZENTARIO.INI", fs::perms::owner_read | fs::perms::owner_write);
  ASSERT_TRUE(SaveSettings(dir.path(), sampleValues()).ok);
  EXPECT_EQ(dir.read("ZENTARIO.INI"), SettingsFileBytes(sampleValues()));
  EXPECT_EQ(fs::status(dir.path() / "ZENTARIO.INI").permissions(),
            fs::perms::owner_read | fs::perms::owner_write);
  EXPECT_TRUE(leftovers(dir.path()).empty());
}

TEST(SettingsSaveTest, ALinkedFileIsReplacedWhereItLivesAndTheLinkStays) {
  TempDir dir;
  fs::create_directory(dir.path() / "elsewhere");
  dir.write("elsewhere/zentario-settings", "old");
  fs::create_symlink("elsewhere/zentario-settings", dir.path() / "ZENTARIO.INI");
  ASSERT_TRUE(SaveSettings(dir.path(), sampleValues()).ok);
  EXPECT_TRUE(fs::is_symlink(dir.path() / "ZENTARIO.INI"));
  EXPECT_EQ(dir.read("elsewhere/zentario-settings"), SettingsFileBytes(sampleValues()));
  EXPECT_TRUE(leftovers(dir.path()).empty());
  // Nothing but the settings file where it lives: no temporary file left beside it.
  EXPECT_EQ(std::distance(fs::directory_iterator(dir.path() / "elsewhere"), fs::directory_iterator{}), 1);

  // A link to nothing is replaced by the file itself.
  TempDir dangling;
  fs::create_symlink("nowhere/ZENTARIO.INI", dangling.path() / "ZENTARIO.INI");
  ASSERT_TRUE(SaveSettings(dangling.path(), sampleValues()).ok);
  EXPECT_FALSE(fs::is_symlink(dangling.path() / "ZENTARIO.INI"));
  EXPECT_EQ(dangling.read("ZENTARIO.INI"), SettingsFileBytes(sampleValues()));
}

TEST(SettingsSaveTest, NewFileIsReadableByAllWithinTheUmask) {
  const mode_t saved = ::umask(022);
  TempDir open;
  ASSERT_TRUE(SaveSettings(open.path(), SavedValues{}).ok);
  EXPECT_EQ(fs::status(open.path() / "ZENTARIO.INI").permissions(), static_cast<fs::perms>(0644));

  ::umask(077);
  TempDir strict;
  ASSERT_TRUE(SaveSettings(strict.path(), SavedValues{}).ok);
  EXPECT_EQ(fs::status(strict.path() / "ZENTARIO.INI").permissions(), static_cast<fs::perms>(0600));
  ::umask(saved);
}

TEST(SettingsSaveTest, FolderThatCannotHoldTheFileFailsWithThePath) {
  TempDir dir;
  dir.write("plain-file", "x");
  for (const fs::path& folder : {dir.path() / "missing", dir.path() / "plain-file"}) {
    const SaveResult result = SaveSettings(folder, sampleValues());
    EXPECT_FALSE(result.ok) << folder;
    EXPECT_NE(result.error.find(folder.string()), std::string::npos) << result.error;
  }
  EXPECT_EQ(dir.read("plain-file"), "x");
}

TEST(SettingsSaveTest, FolderInThePlaceOfTheFileStaysAndNoTemporaryFileIsLeft) {
  TempDir dir;
  fs::create_directory(dir.path() / "ZENTARIO.INI");
  dir.write("ZENTARIO.INI/inside", "keep");
  const SaveResult result = SaveSettings(dir.path(), sampleValues());
  EXPECT_FALSE(result.ok);
  EXPECT_NE(result.error.find("ZENTARIO.INI"), std::string::npos) << result.error;
  EXPECT_EQ(dir.read("ZENTARIO.INI/inside"), "keep");
  EXPECT_TRUE(leftovers(dir.path()).empty());
}

// A full disk, simulated with a file size limit (which binds root too): the write fails halfway,
// the old file is left as it was and the half-written temporary file is removed.
TEST(SettingsSaveTest, FailedWriteLeavesTheOldFileIntact) {
  TempDir dir;
  const std::string old = SettingsFileBytes(sampleValues());
  dir.write("ZENTARIO.INI", old);
  SavedValues changed = sampleValues();
  changed.set(entry::slotValue(1), std::string(4096, '9'));

  rlimit previous{};
  ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &previous), 0);
  const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
  rlimit small = previous;
  small.rlim_cur = 100;
  ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
  const SaveResult result = SaveSettings(dir.path(), changed);
  ::setrlimit(RLIMIT_FSIZE, &previous);
  std::signal(SIGXFSZ, previousHandler);

  EXPECT_FALSE(result.ok);
  EXPECT_NE(result.error.find(dir.path().string()), std::string::npos) << result.error;
  EXPECT_EQ(dir.read("ZENTARIO.INI"), old);
  EXPECT_TRUE(leftovers(dir.path()).empty());
}

TEST(SettingsSaveTest, ReadOnlyFolderLeavesTheOldFileIntact) {
  if (::geteuid() == 0) GTEST_SKIP() << "root writes into read-only folders";
  TempDir dir;
  dir.write("ZENTARIO.INI", "old");
  fs::permissions(dir.path(), fs::perms::owner_read | fs::perms::owner_exec);
  const SaveResult result = SaveSettings(dir.path(), sampleValues());
  fs::permissions(dir.path(), fs::perms::owner_all);
  EXPECT_FALSE(result.ok);
  EXPECT_NE(result.error.find(dir.path().string()), std::string::npos) << result.error;
  EXPECT_EQ(dir.read("ZENTARIO.INI"), "old");
}

}  // namespace
}  // namespace zen
