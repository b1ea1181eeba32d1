// Start-up from the settings file, the position recorder, Quit and the close box.

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "CalculatorFixture.h"
#include "SavedValues.h"

namespace zen::test {
namespace {

const std::string kOmega = "\x83\xB6";  // Ω in Shift-JIS

// A settings file as a previous run leaves it: positions, slot A holding 4.7 KΩ, the auxiliary
// windows' positions and two reserved entries with texts of their own.
std::vector<std::string> goodEntries() {
  return Entries({{1, " 1800"},
                  {2, " 2400"},
                  {3, "4.7K" + kOmega},
                  {4, "65535"},
                  {5, "16711935"},
                  {6, "255"},
                  {7, "49344"},
                  {23, "100M" + kOmega},
                  {24, "4210816"},
                  {25, "0"},
                  {26, "16711935"},
                  {27, "14737632"},
                  {28, " 300"},
                  {29, " 400"},
                  {30, " 500"},
                  {31, " 600"},
                  {32, "reserved"},
                  {33, kOmega},
                  {34, " 700"},
                  {35, " 800"}});
}

class StartTest : public UiTest {
 protected:
  CalculatorWindow& calculator() { return app.calculator(); }
  void expectStartState() {
    EXPECT_TRUE(calculator().shown());
    EXPECT_TRUE(calculator().clockTimer().enabled());
    EXPECT_TRUE(calculator().positionTimer().enabled());
    EXPECT_EQ(calculator().focus(), &calculator().entryBox());
    EXPECT_TRUE(ShowsBands(calculator(), C::Black, C::Black, C::Gold, C::Gold));
    EXPECT_TRUE(ShowsNoValue(calculator()));
    EXPECT_EQ(calculator().toleranceBox().text(), "5");
    EXPECT_EQ(calculator().entryBox().text(), "");
    EXPECT_EQ(calculator().ValueOhm, 0);
    EXPECT_EQ(app.auxWindowFlag(), 11);
    EXPECT_EQ(app.appFolder(), dir.path());
    for (const std::string& line : app.helpLines()) EXPECT_EQ(line, "");
    EXPECT_EQ(platform.beeps(), 0);
    EXPECT_TRUE(platform.messages().empty());
    EXPECT_EQ(platform.endProgramCalls(), 0);
  }
  void expectEmptySlots() {
    for (int k = 0; k < 5; ++k) {
      EXPECT_EQ(calculator().slotLabel(k).caption(), "") << "slot " << k;
      for (int b = 0; b < 4; ++b) {
        EXPECT_EQ(calculator().slotBand(k, b).backColour(), 0u) << "slot " << k << " band " << b;
      }
    }
  }
};

TEST_F(StartTest, FromAGoodFile) {
  writeSettings(goodEntries());
  app.start();
  expectStartState();
  EXPECT_EQ(calculator().top(), 1800);
  EXPECT_EQ(calculator().left(), 2400);
  EXPECT_EQ(app.savedValues().get(1), " 1800");
  EXPECT_EQ(app.savedValues().get(2), " 2400");
  EXPECT_EQ(app.savedValues().get(32), "reserved");
  EXPECT_EQ(calculator().slotLabel(0).caption(), "4.7KΩ");
  EXPECT_EQ(calculator().slotBand(0, 0).backColour(), 0x00FFFFu);
  EXPECT_EQ(calculator().slotBand(0, 1).backColour(), 0xFF00FFu);
  EXPECT_EQ(calculator().slotBand(0, 2).backColour(), 0x0000FFu);
  EXPECT_EQ(calculator().slotBand(0, 3).backColour(), 0x00C0C0u);
  EXPECT_EQ(calculator().slotLabel(4).caption(), "100MΩ");
  EXPECT_EQ(calculator().slotBand(4, 0).backColour(), 0x404080u);
  EXPECT_EQ(calculator().slotBand(4, 3).backColour(), 0xE0E0E0u);
  for (int k = 1; k <= 3; ++k) {
    EXPECT_EQ(calculator().slotLabel(k).caption(), "") << "slot " << k;
    for (int b = 0; b < 4; ++b) EXPECT_EQ(calculator().slotBand(k, b).backColour(), 0u);
  }
}

TEST_F(StartTest, WithoutAFileOpensAtTheFallbackPositionWithEmptySlots) {
  app.start();
  expectStartState();
  EXPECT_EQ(app.savedValues().get(1), "60");
  EXPECT_EQ(app.savedValues().get(2), "60");
  for (int n = 3; n <= entry::kCount; ++n) EXPECT_EQ(app.savedValues().get(n), "") << "entry " << n;
  EXPECT_EQ(calculator().top(), 60);
  EXPECT_EQ(calculator().left(), 60);
  expectEmptySlots();
  EXPECT_FALSE(settingsExist()) << "starting writes nothing";
}

TEST_F(StartTest, FromAShortFileTakesTheEntriesItHasAndLeavesTheRestEmpty) {
  dir.write(kSettingsFileName, "\" 2000\"\r\n\" 3000\"\r\n\"1K" + kOmega + "\"\r\n\"4210816\"");
  app.start();
  expectStartState();
  EXPECT_EQ(calculator().top(), 2000);
  EXPECT_EQ(calculator().left(), 3000);
  EXPECT_EQ(calculator().slotLabel(0).caption(), "1KΩ");
  EXPECT_EQ(calculator().slotBand(0, 0).backColour(), 0x404080u);
  EXPECT_EQ(calculator().slotBand(0, 1).backColour(), 0u);
  for (int n = 5; n <= entry::kCount; ++n) EXPECT_EQ(app.savedValues().get(n), "") << "entry " << n;
}

TEST_F(StartTest, FromAFileThatIsNotSettingsAtAll) {
  const char garbage[] = "\x00\xFF\x01garbage\n\n,,,\"";
  dir.write(kSettingsFileName, std::string(garbage, sizeof garbage - 1));
  app.start();
  expectStartState();
  EXPECT_EQ(app.savedValues().get(1), "60");
  EXPECT_EQ(app.savedValues().get(2), "60");
}

// A modern editor may put a byte-order mark in front of the file; the recorded top is still read.
TEST_F(StartTest, FromAFileSavedWithAByteOrderMark) {
  dir.write(kSettingsFileName, "\xEF\xBB\xBF" + SettingsBytes(goodEntries()));
  app.start();
  EXPECT_EQ(calculator().top(), 1800);
  EXPECT_EQ(calculator().left(), 2400);
}

TEST_F(StartTest, FromAFolderInPlaceOfTheFile) {
  std::filesystem::create_directory(dir.path() / kSettingsFileName);
  app.start();
  expectStartState();
  EXPECT_EQ(calculator().top(), 60);
  expectEmptySlots();
}

// --- The position check ---------------------------------------------------------------------------

struct PositionCase {
  const char* top;
  const char* left;
  const char* topAfter;
  const char* leftAfter;
  int windowTop, windowLeft;
};
void PrintTo(const PositionCase& c, std::ostream* os) { *os << "top \"" << c.top << "\" left \"" << c.left << '"'; }

const PositionCase kPositionCases[] = {
    {"6000", "17000", "6000", "17000", 6000, 17000},   // the upper bounds are accepted
    {"1000", "1000", "1000", "1000", 1000, 1000},      // and the lower ones
    {"999", "17000.5", "60", "60", 60, 60},
    {" 999", "999", "60", "60", 60, 60},
    {"6000.5", "17001", "60", "60", 60, 60},
    {"", "", "60", "60", 60, 60},
    {"abc", " 2400", "60", " 2400", 60, 2400},
    {"-1800", "-2400", "60", "60", 60, 60},
    {" 1800", "1e300", " 1800", "60", 1800, 60},
    {"&H7D0", " 2400x", "&H7D0", " 2400x", 2000, 2400},  // the number at the start of the text counts
};

class PositionCheck : public StartTest, public ::testing::WithParamInterface<PositionCase> {};

TEST_P(PositionCheck, ReplacesOutOfRangePositionsBySixty) {
  const PositionCase& c = GetParam();
  writeSettings(Entries({{1, c.top}, {2, c.left}}));
  app.start();
  EXPECT_EQ(app.savedValues().get(1), c.topAfter);
  EXPECT_EQ(app.savedValues().get(2), c.leftAfter);
  EXPECT_EQ(calculator().top(), c.windowTop);
  EXPECT_EQ(calculator().left(), c.windowLeft);
}

INSTANTIATE_TEST_SUITE_P(Entries, PositionCheck, ::testing::ValuesIn(kPositionCases));

// --- The position recorder ------------------------------------------------------------------------

TEST_F(StartTest, RecorderKeepsEntriesOneAndTwoCurrent) {
  writeSettings(Entries({{1, "999"}, {2, "999"}}));
  app.start();
  calculator().positionTimer().tick();
  EXPECT_EQ(app.savedValues().get(1), " 60");
  EXPECT_EQ(app.savedValues().get(2), " 60");

  calculator().userMoved(2400, 1800);
  calculator().positionTimer().tick();
  EXPECT_EQ(app.savedValues().get(1), " 1800");
  EXPECT_EQ(app.savedValues().get(2), " 2400");
  EXPECT_EQ(calculator().top(), 1800) << "the recorder never moves the window";
  EXPECT_EQ(calculator().left(), 2400);

  calculator().userMoved(-300, 0);
  calculator().positionTimer().tick();
  EXPECT_EQ(app.savedValues().get(1), " 0");
  EXPECT_EQ(app.savedValues().get(2), "-300");
}

// --- Quit -----------------------------------------------------------------------------------------

TEST_F(StartTest, QuitWritesTheLastRecordedPositionAndTheSlotsByteForByte) {
  writeSettings(goodEntries());
  app.start();
  calculator().entryBox().userEdit("4700");
  calculator().get<CommandButton>("slotBButton").press();
  calculator().userMoved(3000, 2000);
  calculator().positionTimer().tick();
  calculator().userMoved(5000, 4000);  // after the last tick: not recorded
  calculator().get<CommandButton>("quitButton").press();

  std::vector<std::string> expected = goodEntries();
  expected[0] = " 2000";
  expected[1] = " 3000";
  expected[7] = "4.7K" + kOmega;
  expected[8] = "65535";
  expected[9] = "16711935";
  expected[10] = "255";
  expected[11] = "49344";
  EXPECT_EQ(settingsFile(), SettingsBytes(expected));
  EXPECT_EQ(platform.endProgramCalls(), 1);
  EXPECT_TRUE(app.ended());
  EXPECT_FALSE(calculator().clockTimer().enabled());
  EXPECT_TRUE(platform.messages().empty());
}

// Two copies of the program in one folder, each storing its own slot: the one that quits last
// keeps what the other stored.
TEST_F(StartTest, TwoCopiesInOneFolderKeepEachOthersSlots) {
  writeSettings(goodEntries());
  FakePlatform otherPlatform{dir.path()};
  App other{otherPlatform};
  app.start();
  other.start();
  calculator().entryBox().userEdit("4700");
  calculator().get<CommandButton>("slotBButton").press();
  other.calculator().entryBox().userEdit("1000");
  other.calculator().get<CommandButton>("slotDButton").press();
  calculator().positionTimer().tick();
  other.calculator().positionTimer().tick();
  calculator().get<CommandButton>("quitButton").press();
  other.calculator().get<CommandButton>("quitButton").press();

  std::vector<std::string> expected = goodEntries();
  const std::vector<std::string> slotB = {"4.7K" + kOmega, "65535", "16711935", "255", "49344"};
  const std::vector<std::string> slotD = {"1K" + kOmega, "4210816", "0", "255", "49344"};
  std::copy(slotB.begin(), slotB.end(), expected.begin() + entry::slotValue(1) - 1);
  std::copy(slotD.begin(), slotD.end(), expected.begin() + entry::slotValue(3) - 1);
  EXPECT_EQ(settingsFile(), SettingsBytes(expected));
  EXPECT_TRUE(platform.messages().empty());
  EXPECT_TRUE(otherPlatform.messages().empty());
}

TEST_F(StartTest, QuitWithoutAFileCreatesOneWithThirtyFiveLines) {
  app.start();
  calculator().get<CommandButton>("quitButton").press();
  std::string expected = "\"60\"\r\n\"60\"\r\n";
  for (int n = 3; n <= entry::kCount; ++n) expected += "\"\"\r\n";
  EXPECT_EQ(settingsFile(), expected);
  EXPECT_EQ(platform.endProgramCalls(), 1);
}

TEST_F(StartTest, QuitDropsLinesBeyondTheThirtyFifth) {
  std::vector<std::string> entries = goodEntries();
  entries.push_back("extra 36");
  entries.push_back("extra 37");
  writeSettings(entries);
  app.start();
  calculator().quitPressed();
  EXPECT_EQ(settingsFile(), SettingsBytes(goodEntries()));
}

TEST_F(StartTest, QuitLeavesNoTemporaryFileBehind) {
  writeSettings(goodEntries());
  app.start();
  calculator().quitPressed();
  std::vector<std::string> names;
  for (const auto& e : std::filesystem::directory_iterator(dir.path())) names.push_back(e.path().filename().string());
  EXPECT_EQ(names, std::vector<std::string>{kSettingsFileName});
}

TEST_F(StartTest, QuitMakesTheMissingFolderPrivateToTheUser) {
  const std::filesystem::path folder = dir.path() / "config" / "zentario";
  platform.setAppFolder(folder);
  app.start();
  EXPECT_FALSE(std::filesystem::exists(dir.path() / "config")) << "a start alone makes nothing";
  calculator().quitPressed();
  EXPECT_TRUE(platform.messages().empty());
  EXPECT_TRUE(std::filesystem::is_regular_file(folder / kSettingsFileName));
  for (const auto& made : {folder, folder.parent_path()}) {
    EXPECT_EQ(std::filesystem::status(made).permissions() & std::filesystem::perms::all,
              std::filesystem::perms::owner_all)
        << made;
  }
}

// A save that fails still ends the program, after one message that names the file.
enum class SaveFault { FileInPlaceOfTheFolder, FolderInPlaceOfTheFile, NoFolder };
void PrintTo(SaveFault f, std::ostream* os) {
  constexpr const char* kNames[] = {"file in place of the folder", "folder in place of the file", "no folder"};
  *os << kNames[static_cast<int>(f)];
}

class FailedSave : public StartTest, public ::testing::WithParamInterface<SaveFault> {};

TEST_P(FailedSave, ShowsOneMessageAndStillEnds) {
  const std::filesystem::path folder = GetParam() == SaveFault::NoFolder ? std::filesystem::path() : dir.path() / "run";
  if (!folder.empty()) std::filesystem::create_directory(folder);
  platform.setAppFolder(folder);
  const bool startFolderHadSettings = std::filesystem::exists(kSettingsFileName);
  app.start();
  if (GetParam() == SaveFault::FileInPlaceOfTheFolder) {
    std::filesystem::remove(folder);
    dir.write("run", "not a folder");
  } else if (GetParam() == SaveFault::FolderInPlaceOfTheFile) {
    std::filesystem::create_directory(folder / kSettingsFileName);
  }
  calculator().get<CommandButton>("quitButton").press();

  ASSERT_EQ(platform.messages().size(), 1u);
  const std::string& text = platform.messages().front().text;
  EXPECT_NE(text.find("設定を保存できませんでした"), std::string::npos) << text;
  EXPECT_NE(text.find((folder / kSettingsFileName).string()), std::string::npos) << text;
  EXPECT_EQ(platform.messages().front().title, kProgramTitle);  // as every message box's
  EXPECT_EQ(platform.endProgramCalls(), 1);
  EXPECT_TRUE(app.ended());
  EXPECT_FALSE(calculator().clockTimer().enabled());
  EXPECT_EQ(std::filesystem::exists(kSettingsFileName), startFolderHadSettings) << "nothing in the start folder";
  if (GetParam() == SaveFault::FolderInPlaceOfTheFile) {
    EXPECT_TRUE(std::filesystem::is_directory(folder / kSettingsFileName));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder), std::filesystem::directory_iterator()), 1)
        << "no temporary file is left behind";
  }
}

INSTANTIATE_TEST_SUITE_P(Faults, FailedSave,
                         ::testing::Values(SaveFault::FileInPlaceOfTheFolder, SaveFault::FolderInPlaceOfTheFile,
                                           SaveFault::NoFolder));

// --- The close box --------------------------------------------------------------------------------

TEST_F(StartTest, CloseBoxWritesNothing) {
  writeSettings(goodEntries());
  app.start();
  calculator().entryBox().userEdit("4700");
  calculator().get<CommandButton>("slotAButton").press();
  calculator().userMoved(3000, 2000);
  calculator().positionTimer().tick();
  calculator().closeBoxPressed();
  EXPECT_EQ(settingsFile(), SettingsBytes(goodEntries()));
  EXPECT_FALSE(calculator().shown());
  EXPECT_EQ(platform.endProgramCalls(), 1);
  EXPECT_TRUE(platform.messages().empty());
}

TEST_F(StartTest, CloseBoxWithoutAFileCreatesNone) {
  app.start();
  calculator().closeBoxPressed();
  EXPECT_FALSE(settingsExist());
  EXPECT_EQ(platform.endProgramCalls(), 1);
}

}  // namespace
}  // namespace zen::test
