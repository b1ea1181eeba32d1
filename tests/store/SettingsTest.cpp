#include "Settings.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstring>
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

// An entry the quoted form cannot hold is written in the form that reads back as the same bytes,
// or, where none can, in the closest form that stays the same from then on.
struct LineForm {
  const char* name;
  std::string bytes;
  std::string line;      // what is written
  std::string readBack;  // what the next start reads
};

void PrintTo(const LineForm& c, std::ostream* os) { *os << c.name; }

class SettingsLineForms : public testing::TestWithParam<LineForm> {};

TEST_P(SettingsLineForms, ReadBackAndWrittenAgainGiveTheSameLine) {
  const LineForm& c = GetParam();
  const std::string line = SettingsLine(c.bytes);
  EXPECT_EQ(line, c.line);
  SavedValues read;
  ASSERT_EQ(ReadSettingsBytes(line + repeat(kEmptyLine, 34), read), 35);
  EXPECT_EQ(read.rawBytes(1), c.readBack);
  EXPECT_EQ(read.get(2), "");
  EXPECT_EQ(SettingsLine(*read.rawBytes(1)), line);
}

INSTANTIATE_TEST_SUITE_P(
    Entries, SettingsLineForms,
    testing::Values(
        LineForm{"Ordinary", " 1800", "\" 1800\"\r\n", " 1800"},
        LineForm{"CommaAndBlanks", " a, b ", "\" a, b \"\r\n", " a, b "},
        LineForm{"QuoteInside", "keep\"me as is", "keep\"me as is\r\n", "keep\"me as is"},
        LineForm{"QuoteAtTheEnd", "5\"", "5\"\r\n", "5\""},
        LineForm{"QuoteAndComma", "a \"b\", c", "\"a b, c\"\r\n", "a b, c"},
        LineForm{"QuoteFirst", "\"x", "\"x\"\r\n", "x"},
        LineForm{"QuoteAfterABlank", " x\"", "\" x\"\r\n", " x"},
        LineForm{"QuoteAfterAMark", "\xEF\xBB\xBF" "a\"b", "\"\xEF\xBB\xBF" "ab\"\r\n", "\xEF\xBB\xBF" "ab"},
        LineForm{"CrLf", "two\r\nlines", "\"two lines\"\r\n", "two lines"},
        LineForm{"LoneCrAndLf", "a\rb\nc\n", "\"a b c \"\r\n", "a b c "},
        LineForm{"LineBreakAndQuote", "q\"\r\nx", "q\" x\r\n", "q\" x"},
        LineForm{"ShiftJis", "4.7K\x83\xB6", "\"4.7K\x83\xB6\"\r\n", "4.7K\x83\xB6"}),
    [](const auto& info) { return std::string(info.param.name); });

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
  EXPECT_EQ(result.state, SettingsFileState::Read);
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
  ASSERT_EQ(LoadSettings(dir.path(), values).state, SettingsFileState::Read);
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
  EXPECT_EQ(result.fieldsRead, 35);
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
  EXPECT_EQ(result.state, SettingsFileState::Read);
  EXPECT_EQ(result.fieldsRead, 3);
  EXPECT_EQ(values.get(3), "100\u03A9");
  EXPECT_EQ(values.get(4), "kept");
  EXPECT_FALSE(values.rawBytes(4).has_value());
}

// Files a previous build wrote from what it read, or that were edited by hand: after one save the
// file stays the same, save after save, and keeps one line per entry.
struct DriftCase {
  const char* name;
  std::string file;
};

std::string randomBytes(std::size_t size, unsigned seed) {
  std::mt19937 random(seed);
  std::string bytes(size, '\0');
  for (char& c : bytes) c = static_cast<char>(random());
  return bytes;
}

void PrintTo(const DriftCase& c, std::ostream* os) { *os << c.name; }

class SettingsDrift : public testing::TestWithParam<DriftCase> {};

TEST_P(SettingsDrift, OneSaveReachesAFileThatNoLaterSaveChanges) {
  TempDir dir;
  dir.write("ZENTARIO.INI", GetParam().file);
  std::vector<std::string> saved;
  for (int run = 0; run < 3; ++run) {
    SavedValues values;
    LoadSettings(dir.path(), values);
    const SaveResult result = SaveSettings(dir.path(), values);
    ASSERT_TRUE(result.ok) << result.error;
    saved.push_back(dir.read("ZENTARIO.INI"));
  }
  EXPECT_EQ(saved[1], saved[0]);
  EXPECT_EQ(saved[2], saved[0]);
  EXPECT_EQ(countCrLf(saved[0]), 35);
  EXPECT_EQ(saved[0].find_first_of("\r\n"), saved[0].find("\r\n")) << "no line break inside an entry";
}

std::string quotesAndLineEnds() {
  std::string bytes = randomBytes(1 << 16, 11);
  for (std::size_t i = 0; i < bytes.size(); i += 3) bytes[i] = "\"\r\n, "[i % 5];
  return bytes;
}

INSTANTIATE_TEST_SUITE_P(
    Files, SettingsDrift,
    testing::Values(
        DriftCase{"QuoteInAnUnquotedEntry", "\" 1800\"\r\nkeep\"me as is\r\n" + repeat(kEmptyLine, 33)},
        DriftCase{"QuotedEntryOverTwoLines", "\" 1800\"\r\n\"4.7K\r\n\x83\xB6\"\r\n" + repeat(kEmptyLine, 33)},
        DriftCase{"QuoteThatNeverCloses", "\" 1800\"\r\n\"a,b\r\nc\r\n"},
        DriftCase{"Empty", ""},
        DriftCase{"MegabytesOfRandomBytes", randomBytes(3 << 20, 7)},
        DriftCase{"RandomQuotesAndLineEnds", quotesAndLineEnds()}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SettingsTest, QuoteInAHandEditedEntrySurvivesEverySave) {
  TempDir dir;
  dir.write("ZENTARIO.INI", "\" 1800\"\r\nkeep\"me as is\r\n" + repeat(kEmptyLine, 33));
  for (int run = 0; run < 2; ++run) {
    SavedValues values;
    LoadSettings(dir.path(), values);
    EXPECT_EQ(values.get(2), "keep\"me as is") << "run " << run;
    ASSERT_TRUE(SaveSettings(dir.path(), values).ok);
  }
}

TEST(SettingsTest, ByteOrderMarkBeforeTheFirstEntryIsNotPartOfIt) {
  TempDir dir;
  dir.write("ZENTARIO.INI", "\xEF\xBB\xBF\" 1800\"\r\n\" 2400\"\r\n" + repeat(kEmptyLine, 33));
  SavedValues values;
  EXPECT_EQ(LoadSettings(dir.path(), values).fieldsRead, 35);
  EXPECT_EQ(values.get(entry::kMainTop), " 1800");
  EXPECT_EQ(values.get(entry::kMainLeft), " 2400");
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

TEST(SettingsSaveTest, FolderThatCannotHoldTheFileFailsAndSaysWhy) {
  TempDir dir;
  dir.write("plain-file", "x");
  for (const fs::path& folder : {dir.path() / "plain-file", dir.path() / "plain-file" / "below"}) {
    const SaveResult result = SaveSettings(folder, sampleValues());
    EXPECT_FALSE(result.ok) << folder;
    EXPECT_NE(result.error.find("フォルダー"), std::string::npos) << result.error;
  }
  EXPECT_EQ(dir.read("plain-file"), "x");
}

TEST(SettingsSaveTest, FolderInThePlaceOfTheFileStaysAndNoTemporaryFileIsLeft) {
  TempDir dir;
  fs::create_directory(dir.path() / "ZENTARIO.INI");
  dir.write("ZENTARIO.INI/inside", "keep");
  const SaveResult result = SaveSettings(dir.path(), sampleValues());
  EXPECT_FALSE(result.ok);
  EXPECT_NE(result.error.find("通常のファイルではない"), std::string::npos) << result.error;
  EXPECT_EQ(dir.read("ZENTARIO.INI/inside"), "keep");
  EXPECT_TRUE(leftovers(dir.path()).empty());
}

// --- What stands in the file's place ---------------------------------------------------------------

enum class Thing {
  Nothing, File, ShortFile, EmptyFile, Folder, Fifo, Socket,
  LinkToFifo, LinkToDevice, LinkToNothing, LinkToFile, Unreadable
};

void make(const TempDir& dir, Thing thing) {
  const fs::path file = dir.path() / "ZENTARIO.INI";
  switch (thing) {
    case Thing::Nothing: break;
    case Thing::File: dir.write("ZENTARIO.INI", SettingsFileBytes(sampleValues())); break;
    case Thing::ShortFile: dir.write("ZENTARIO.INI", "\" 1800\"\r\n\" 2400\"\r\n\"100\x83\xB6\""); break;
    case Thing::EmptyFile: dir.write("ZENTARIO.INI", ""); break;
    case Thing::Folder: fs::create_directory(file); break;
    case Thing::Fifo: ASSERT_EQ(::mkfifo(file.c_str(), 0600), 0); break;
    case Thing::Socket: dir.makeSocket("ZENTARIO.INI"); break;
    case Thing::LinkToFifo:
      ASSERT_EQ(::mkfifo((dir.path() / "fifo").c_str(), 0600), 0);
      fs::create_symlink("fifo", file);
      break;
    case Thing::LinkToDevice:
      dir.makeDevice("device");
      fs::create_symlink(dir.path() / "device", file);
      break;
    case Thing::LinkToNothing: fs::create_symlink("nowhere/ZENTARIO.INI", file); break;
    case Thing::LinkToFile:
      dir.write("real.ini", SettingsFileBytes(sampleValues()));
      fs::create_symlink("real.ini", file);
      break;
    case Thing::Unreadable:
      dir.write("ZENTARIO.INI", SettingsFileBytes(sampleValues()));
      fs::permissions(file, fs::perms::owner_write);
      break;
  }
}

struct LoadCase {
  const char* name;
  Thing thing;
  SettingsFileState state;
  int fieldsRead;
};

void PrintTo(const LoadCase& c, std::ostream* os) { *os << c.name; }

class SettingsLoadFinds : public testing::TestWithParam<LoadCase> {};

TEST_P(SettingsLoadFinds, WhatStandsInTheFilesPlace) {
  const LoadCase& c = GetParam();
  if (c.thing == Thing::Unreadable && ::geteuid() == 0) GTEST_SKIP() << "the superuser reads any file";
  TempDir dir;
  make(dir, c.thing);
  SavedValues values;
  const LoadResult result = LoadSettings(dir.path(), values);
  EXPECT_EQ(result.state, c.state);
  EXPECT_EQ(result.fieldsRead, c.fieldsRead);
  EXPECT_EQ(values.fileState(), c.state);
  if (c.fieldsRead == 0) {
    for (int n = 1; n <= entry::kCount; ++n) EXPECT_EQ(values.get(n), "") << n;
  }
}

using S = SettingsFileState;
INSTANTIATE_TEST_SUITE_P(
    Things, SettingsLoadFinds,
    testing::Values(LoadCase{"Nothing", Thing::Nothing, S::Missing, 0}, LoadCase{"File", Thing::File, S::Read, 35},
                    LoadCase{"ShortFile", Thing::ShortFile, S::Read, 3},
                    LoadCase{"EmptyFile", Thing::EmptyFile, S::Read, 0},
                    LoadCase{"Folder", Thing::Folder, S::NotAFile, 0}, LoadCase{"Fifo", Thing::Fifo, S::NotAFile, 0},
                    LoadCase{"Socket", Thing::Socket, S::NotAFile, 0},
                    LoadCase{"LinkToFifo", Thing::LinkToFifo, S::NotAFile, 0},
                    LoadCase{"LinkToDevice", Thing::LinkToDevice, S::NotAFile, 0},
                    LoadCase{"LinkToNothing", Thing::LinkToNothing, S::Missing, 0},
                    LoadCase{"LinkToFile", Thing::LinkToFile, S::Read, 35},
                    LoadCase{"Unreadable", Thing::Unreadable, S::Unreadable, 0}),
    [](const auto& info) { return std::string(info.param.name); });

// --- What a save may replace -------------------------------------------------------------------------

TEST(SettingsSaveTest, WriteProtectionRule) {
  const struct {
    int mode;
    bool writeAccess, superuser, protectedFile;
  } cases[] = {
      {0644, true, false, false}, {0444, false, false, true}, {0644, false, false, true},
      {0444, true, true, true},   {0644, true, true, false},  {0464, true, true, false},
      {0400, true, true, true},   {0644, false, true, true},  // a read-only mount stops the superuser too
  };
  for (const auto& c : cases) {
    EXPECT_EQ(IsWriteProtected(c.mode, c.writeAccess, c.superuser), c.protectedFile)
        << std::oct << c.mode << " access " << c.writeAccess << " superuser " << c.superuser;
  }
}

// Whoever runs it (the superuser included), a file without write permission stays as it is.
TEST(SettingsSaveTest, WriteProtectedFileIsLeftAlone) {
  TempDir dir;
  make(dir, Thing::File);
  fs::permissions(dir.path() / "ZENTARIO.INI", static_cast<fs::perms>(0444));
  SavedValues values;
  LoadSettings(dir.path(), values);
  values.set(entry::slotValue(3), "1K\u03A9");
  const SaveResult result = SaveSettings(dir.path(), values);
  EXPECT_FALSE(result.ok);
  EXPECT_NE(result.error.find("書き込み禁止"), std::string::npos) << result.error;
  EXPECT_EQ(dir.read("ZENTARIO.INI"), SettingsFileBytes(sampleValues()));
  EXPECT_EQ(fs::status(dir.path() / "ZENTARIO.INI").permissions(), static_cast<fs::perms>(0444));
}

// What was no regular file at start is not replaced, even when a file stands there by Quit: the
// run never saw what it holds.
TEST(SettingsSaveTest, WhatWasNoFileAtStartIsNotReplaced) {
  TempDir dir;
  make(dir, Thing::Fifo);
  SavedValues values;
  LoadSettings(dir.path(), values);
  fs::remove(dir.path() / "ZENTARIO.INI");
  make(dir, Thing::File);
  values.set(entry::slotValue(3), "1K\u03A9");
  const SaveResult result = SaveSettings(dir.path(), values);
  EXPECT_FALSE(result.ok);
  EXPECT_FALSE(result.error.empty());
  EXPECT_EQ(dir.read("ZENTARIO.INI"), SettingsFileBytes(sampleValues()));
}

// --- Two copies --------------------------------------------------------------------------------------

// Each copy writes back only what it changed, over what the file holds when it saves.
TEST(SettingsMergeTest, TwoCopiesKeepEachOthersChanges) {
  for (const Thing start : {Thing::File, Thing::Nothing}) {
    TempDir dir;
    make(dir, start);
    SavedValues first;
    SavedValues second;
    LoadSettings(dir.path(), first);
    LoadSettings(dir.path(), second);
    const std::string top = first.get(entry::kMainTop);
    first.set(entry::slotValue(0), "1K\u03A9");
    first.set(entry::slotBand(0, 0), "4210816");
    first.set(entry::kMainLeft, " 3000");
    second.set(entry::slotValue(1), "47K\u03A9");
    second.set(entry::kMainTop, top);  // recorded again, unchanged
    ASSERT_TRUE(SaveSettings(dir.path(), first).ok);
    ASSERT_TRUE(SaveSettings(dir.path(), second).ok);

    SavedValues after;
    LoadSettings(dir.path(), after);
    SavedValues expected = start == Thing::File ? sampleValues() : SavedValues{};
    expected.set(entry::slotValue(0), "1K\u03A9");
    expected.set(entry::slotBand(0, 0), "4210816");
    expected.set(entry::kMainLeft, " 3000");
    expected.set(entry::slotValue(1), "47K\u03A9");
    for (int n = 1; n <= entry::kCount; ++n) EXPECT_EQ(after.get(n), expected.get(n)) << "entry " << n;
  }
}

// --- Temporary files left by killed saves -----------------------------------------------------------

TEST(SettingsTemporaryFilesTest, OnlyOurOwnUnlockedLeftoversAreRemovedAtStartAndAtSave) {
  for (const bool atSave : {false, true}) {
    TempDir dir;
    make(dir, Thing::File);
    const struct {
      const char* name;
      bool removed;
    } files[] = {{"ZENTARIO.INI.a1B2c3", true},  {"ZENTARIO.INI.zzzzzz", true},  {"ZENTARIO.INI.abcde", false},
                 {"ZENTARIO.INI.abcdefg", false}, {"ZENTARIO.INI.ab-cde", false}, {"OTHER.INI.abc123", false},
                 {"ZENTARIO.INI.lck123", false}};
    for (const auto& f : files) dir.write(f.name, "partial");
    fs::create_symlink("ZENTARIO.INI", dir.path() / "ZENTARIO.INI.lnk123");
    fs::create_directory(dir.path() / "ZENTARIO.INI.dir123");
    // A copy that is writing its temporary file holds it locked.
    const int held = ::open((dir.path() / "ZENTARIO.INI.lck123").c_str(), O_RDONLY | O_CLOEXEC);
    ASSERT_EQ(::flock(held, LOCK_EX), 0);
    // A file of the pattern that belongs to someone else.
    const bool otherOwner = ::geteuid() == 0;
    if (otherOwner) {
      dir.write("ZENTARIO.INI.own123", "theirs");
      ASSERT_EQ(::chown((dir.path() / "ZENTARIO.INI.own123").c_str(), 65534, 65534), 0);
    }

    SavedValues values;
    LoadSettings(dir.path(), values);
    if (atSave) {
      // Leftovers that appear while the program runs go at Quit.
      dir.write("ZENTARIO.INI.late12", "partial");
      ASSERT_TRUE(SaveSettings(dir.path(), values).ok);
      EXPECT_FALSE(fs::exists(dir.path() / "ZENTARIO.INI.late12"));
    }
    ::close(held);
    for (const auto& f : files) EXPECT_EQ(fs::exists(dir.path() / f.name), !f.removed) << f.name;
    EXPECT_TRUE(fs::is_symlink(dir.path() / "ZENTARIO.INI.lnk123"));
    EXPECT_TRUE(fs::is_directory(dir.path() / "ZENTARIO.INI.dir123"));
    if (otherOwner) {
      EXPECT_TRUE(fs::exists(dir.path() / "ZENTARIO.INI.own123"));
    }
    EXPECT_EQ(dir.read("ZENTARIO.INI"), SettingsFileBytes(sampleValues()));
  }
}

TEST(SettingsTemporaryFilesTest, LeftoversBesideALinkedFileAreRemovedWhereItLives) {
  TempDir dir;
  make(dir, Thing::LinkToFile);
  dir.write("real.ini.Qw3rty", "partial");
  dir.write("ZENTARIO.INI.Qw3rty", "partial");  // named after the link: not a save of this file
  SavedValues values;
  LoadSettings(dir.path(), values);
  EXPECT_FALSE(fs::exists(dir.path() / "real.ini.Qw3rty"));
  EXPECT_TRUE(fs::exists(dir.path() / "ZENTARIO.INI.Qw3rty"));
}

}  // namespace
}  // namespace zen
