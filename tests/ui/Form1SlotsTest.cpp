// The five memory slots, the CLS button, and slots surviving a restart.

#include <string>
#include <vector>

#include "Form1Fixture.h"
#include "SavedValues.h"

namespace zen::test {
namespace {

const std::string kOmega = "\x83\xB6";  // Ω in Shift-JIS

// The five entries of slot k, value text first.
std::vector<std::string> slotEntries(const App& app, int k) {
  std::vector<std::string> e;
  for (int n = entry::slotValue(k); n <= entry::slotBand(k, 3); ++n) e.push_back(app.savedValues().get(n));
  return e;
}

std::vector<Rgb> slotColours(const Form1& form, int k) {
  std::vector<Rgb> c;
  for (int b = 0; b < 4; ++b) c.push_back(form.slotBand(k, b).backColour());
  return c;
}

const char* const kSlotButtons[] = {"Command2", "Command3", "Command4", "Command5", "Command6"};

TEST_F(Form1Test, OneKiloohmIntoSlotB) {
  click(firstOption(1));
  click(multiplierOption(C::Red));
  ASSERT_TRUE(ShowsValue(form(), "1000", "1", "0.001"));
  press("Command3");
  EXPECT_EQ(platform.beeps(), 1);
  EXPECT_EQ(form().slotLabel(1).caption(), "1KΩ");
  EXPECT_EQ(form().get<Label>("Label16").caption(), "1KΩ");
  EXPECT_EQ(slotEntries(app, 1), (std::vector<std::string>{"1KΩ", "4210816", "0", "255", "49344"}));
  EXPECT_EQ(slotColours(form(), 1), (std::vector<Rgb>{0x404080, 0x000000, 0x0000FF, 0x00C0C0}));
  EXPECT_EQ(form().get<PictureBox>("Picture60").backColour(), 0x404080u);
  EXPECT_EQ(form().get<PictureBox>("Picture66").backColour(), 0x00C0C0u);
  for (int k : {0, 2, 3, 4}) {
    EXPECT_EQ(slotEntries(app, k), std::vector<std::string>(5)) << "slot " << k;
    EXPECT_EQ(form().slotLabel(k).caption(), "") << "slot " << k;
  }
  EXPECT_TRUE(ShowsBands(form(), C::Brown, C::Black, C::Red, C::Gold)) << "storing changes no band";
}

TEST_F(Form1Test, TypedValueIntoSlotAWithTheToleranceBand) {
  type("4700");
  click(toleranceOption(C::None));
  press("Command2");
  EXPECT_EQ(form().slotLabel(0).caption(), "4.7KΩ");
  EXPECT_EQ(slotEntries(app, 0), (std::vector<std::string>{"4.7KΩ", "65535", "16711935", "255", "8438015"}));
  EXPECT_EQ(slotColours(form(), 0), (std::vector<Rgb>{0x00FFFF, 0xFF00FF, 0x0000FF, 0x80C0FF}));
}

// --- The value text by the length of the ohm text ---------------------------------------------------

struct ValueTextCase {
  const char* name;
  int first, second;
  BandColour multiplier;
  const char* ohm;
  const char* slotText;
};

const ValueTextCase kValueTextCases[] = {
    {"TwoCharacters", 1, 0, C::Black, "10", "10Ω"},
    {"ThreeCharacters", 4, 7, C::Brown, "470", "470Ω"},
    {"FourCharacters", 4, 7, C::Red, "4700", "4.7KΩ"},
    {"SixCharacters", 4, 7, C::Yellow, "470000", "470KΩ"},
    {"SevenCharacters", 4, 7, C::Green, "4700000", "4.7MΩ"},
    {"TenCharacters", 4, 7, C::Grey, "4700000000", "4700MΩ"},
    {"ElevenCharacters", 9, 9, C::White, "99000000000", "99000MΩ"},
    {"GoldIsAlwaysOhms", 9, 9, C::Gold, "9.9", "9.9Ω"},
    {"SilverWithFourCharactersIsStillOhms", 9, 9, C::Silver, "0.99", "0.99Ω"},
    {"SilverSmall", 2, 3, C::Silver, "0.23", "0.23Ω"},
};

class SlotValueText : public Form1Test, public ::testing::WithParamInterface<ValueTextCase> {};

TEST_P(SlotValueText, FollowsTheLengthOfTheOhmText) {
  const ValueTextCase& c = GetParam();
  chooseBands(c.first, c.second, c.multiplier);
  ASSERT_EQ(form().Text1().text(), c.ohm);
  EXPECT_EQ(form().SlotValueText(), c.slotText);
  press("Command6");
  EXPECT_EQ(form().slotLabel(4).caption(), c.slotText);
  EXPECT_EQ(app.savedValues().get(entry::slotValue(4)), c.slotText);
}

INSTANTIATE_TEST_SUITE_P(Lengths, SlotValueText, ::testing::ValuesIn(kValueTextCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(Form1Test, StoringRightAfterStartGivesTheBareUnit) {
  press("Command4");
  EXPECT_EQ(form().slotLabel(2).caption(), "Ω");
  EXPECT_EQ(slotEntries(app, 2), (std::vector<std::string>{"Ω", "0", "0", "49344", "49344"}));
}

TEST_F(Form1Test, StoringAfterClsGivesTheBareUnit) {
  type("68000");
  press("Command11");
  press("Command5");
  EXPECT_EQ(form().slotLabel(3).caption(), "Ω");
  EXPECT_EQ(slotEntries(app, 3), (std::vector<std::string>{"Ω", "0", "0", "49344", "49344"}));
}

TEST_F(Form1Test, StoringTheSameSlotTwiceOverwritesItAndNoOther) {
  type("4700");
  press("Command2");
  form().Text5_MouseDown();
  type("1000");
  press("Command3");
  const std::vector<std::string> slotB = slotEntries(app, 1);
  const std::vector<Rgb> slotBColours = slotColours(form(), 1);
  form().Text5_MouseDown();
  type("47");
  click(toleranceOption(C::Red));
  platform.resetBeeps();
  press("Command2");
  EXPECT_EQ(platform.beeps(), 1);
  EXPECT_EQ(form().slotLabel(0).caption(), "47Ω");
  EXPECT_EQ(slotEntries(app, 0), (std::vector<std::string>{"47Ω", "65535", "16711935", "0", "255"}));
  EXPECT_EQ(slotColours(form(), 0), (std::vector<Rgb>{0x00FFFF, 0xFF00FF, 0x000000, 0x0000FF}));
  EXPECT_EQ(slotEntries(app, 1), slotB);
  EXPECT_EQ(slotEntries(app, 1)[0], "1KΩ");
  EXPECT_EQ(slotColours(form(), 1), slotBColours);
}

// --- CLS ------------------------------------------------------------------------------------------

TEST_F(Form1Test, ClsAfterTypingResetsTheCalculatorAndKeepsTheSlots) {
  type("4700");
  click(toleranceOption(C::Silver));
  press("Command4");
  const std::vector<std::string> slotC = slotEntries(app, 2);
  form().setFocus(form().get<CommandButton>("Command4"));
  platform.resetBeeps();

  press("Command11");
  EXPECT_EQ(platform.beeps(), 2) << "the button's beep and that of the emptied entry";
  EXPECT_TRUE(ShowsBands(form(), C::Black, C::Black, C::Gold, C::Gold));
  EXPECT_TRUE(ShowsNoValue(form()));
  EXPECT_EQ(form().Text4().text(), "5");
  EXPECT_EQ(form().Text5().text(), "");
  EXPECT_EQ(form().focus(), &form().Text5());
  EXPECT_EQ(slotEntries(app, 2), slotC);
  EXPECT_EQ(form().slotLabel(2).caption(), "4.7KΩ");
  EXPECT_EQ(slotColours(form(), 2), (std::vector<Rgb>{0x00FFFF, 0xFF00FF, 0x0000FF, 0xE0E0E0}));
}

TEST_F(Form1Test, ClsOnAnEmptyEntryBeepsOnce) {
  chooseBands(6, 8, C::Orange);
  press("Command11");
  EXPECT_EQ(platform.beeps(), 1);
  EXPECT_TRUE(ShowsBands(form(), C::Black, C::Black, C::Gold, C::Gold));
  EXPECT_TRUE(ShowsNoValue(form()));
}

class ClsFrom : public Form1Test, public ::testing::WithParamInterface<std::vector<int>> {};

TEST_P(ClsFrom, EndsInTheStartState) {
  for (int option : GetParam()) click(option);
  press("Command11");
  EXPECT_TRUE(ShowsBands(form(), C::Black, C::Black, C::Gold, C::Gold));
  EXPECT_TRUE(ShowsNoValue(form()));
  EXPECT_EQ(form().Text4().text(), "5");
  EXPECT_EQ(form().FirstDigitTens, 0);
  EXPECT_EQ(form().SecondDigit, 0);
}

INSTANTIATE_TEST_SUITE_P(States, ClsFrom,
                         ::testing::Values(std::vector<int>{}, std::vector<int>{10, 20, 30, 41},
                                           std::vector<int>{23, 33}, std::vector<int>{5, 18, 32, 40},
                                           std::vector<int>{15}));

// --- Slots across a restart -----------------------------------------------------------------------

TEST_F(Form1Test, FiveSlotsSurviveQuitAndRestart) {
  struct Store {
    const char* typed;
    int tolerance;
    const char* label;
  };
  const Store stores[] = {{"10", 37, "10Ω"},
                          {"4700", 38, "4.7KΩ"},
                          {"330000", 39, "330KΩ"},
                          {"5", 40, "5Ω"},
                          {"9999999999", 41, "9900MΩ"}};
  for (int k = 0; k < 5; ++k) {
    form().Text5_MouseDown();
    type(stores[k].typed);
    click(stores[k].tolerance);
    press(kSlotButtons[k]);
    EXPECT_EQ(form().slotLabel(k).caption(), stores[k].label);
  }
  form().userMoved(2400, 1800);
  form().Timer2().tick();
  std::vector<std::string> entries;
  std::vector<std::vector<Rgb>> colours;
  for (int k = 0; k < 5; ++k) {
    const auto e = slotEntries(app, k);
    entries.insert(entries.end(), e.begin(), e.end());
    colours.push_back(slotColours(form(), k));
  }
  press("Command1");
  ASSERT_EQ(platform.endProgramCalls(), 1);
  EXPECT_NE(settingsFile().find("\"4.7K" + kOmega + "\"\r\n"), std::string::npos);

  FakePlatform nextPlatform(dir.path());
  App next(nextPlatform);
  next.start();
  for (int k = 0; k < 5; ++k) {
    EXPECT_EQ(next.form1().slotLabel(k).caption(), stores[k].label);
    EXPECT_EQ(slotColours(next.form1(), k), colours[static_cast<std::size_t>(k)]) << "slot " << k;
    const auto e = slotEntries(next, k);
    EXPECT_EQ(e, std::vector<std::string>(entries.begin() + 5 * k, entries.begin() + 5 * k + 5)) << "slot " << k;
  }
  EXPECT_EQ(next.savedValues().get(1), " 1800");
  EXPECT_EQ(next.savedValues().get(2), " 2400");
  EXPECT_EQ(next.form1().top(), 1800);
  EXPECT_EQ(next.form1().left(), 2400);
}

// --- Slot entries read from the file ----------------------------------------------------------------

struct StoredColourCase {
  const char* text;
  Rgb painted;
};
void PrintTo(const StoredColourCase& c, std::ostream* os) { *os << '"' << c.text << '"'; }

const StoredColourCase kStoredColours[] = {
    {"", 0},
    {"abc", 0},
    {"-5", 0},
    {"-0.4", 0},
    {"nan", 0},
    {"inf", 0},
    {"1e300", 0},
    {"1e400", 0},
    {"16777216", 0},
    {"4294967296", 0},
    {"16777215.6", 0},
    {"255", 0x0000FF},
    {"16777215", 0xFFFFFF},
    {" 49344", 0x00C0C0},
    {"&HFF", 0x0000FF},
    {"65535.4", 0x00FFFF},
    {"4210816junk", 0x404080},
};

class StoredColour : public UiTest, public ::testing::WithParamInterface<StoredColourCase> {};

TEST_P(StoredColour, IsPaintedAsATwentyFourBitColourOrBlack) {
  std::vector<std::string> entries(entry::kCount);
  for (int k = 0; k < 5; ++k) {
    for (int b = 0; b < 4; ++b) entries[static_cast<std::size_t>(entry::slotBand(k, b) - 1)] = GetParam().text;
  }
  writeSettings(entries);
  app.start();
  for (int k = 0; k < 5; ++k) {
    for (int b = 0; b < 4; ++b) {
      EXPECT_EQ(app.form1().slotBand(k, b).backColour(), GetParam().painted) << "slot " << k << " band " << b;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Entries, StoredColour, ::testing::ValuesIn(kStoredColours));

TEST_F(UiTest, SlotValueEntriesAreShownAsTheyAre) {
  const std::string longText = "1234567890123456789012345678901234567890M" + kOmega;
  writeSettings(Entries({{3, longText}, {8, "  spaced  "}, {13, "not a value"}, {18, kOmega}}));
  app.start();
  EXPECT_EQ(app.form1().slotLabel(0).caption(), "1234567890123456789012345678901234567890MΩ");
  EXPECT_EQ(app.form1().slotLabel(1).caption(), "  spaced  ");
  EXPECT_EQ(app.form1().slotLabel(2).caption(), "not a value");
  EXPECT_EQ(app.form1().slotLabel(3).caption(), "Ω");
  EXPECT_EQ(app.form1().slotLabel(4).caption(), "");
}

}  // namespace
}  // namespace zen::test
