// The five memory slots, the CLS button, and slots surviving a restart.

#include <string>
#include <vector>

#include "CalculatorFixture.h"
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

std::vector<Rgb> slotColours(const CalculatorWindow& calculator, int k) {
  std::vector<Rgb> c;
  for (int b = 0; b < 4; ++b) c.push_back(calculator.slotBand(k, b).backColour());
  return c;
}

const char* const kSlotButtons[] = {"slotAButton", "slotBButton", "slotCButton", "slotDButton", "slotEButton"};

TEST_F(CalculatorWindowTest, OneKiloohmIntoSlotB) {
  click(firstOption(1));
  click(multiplierOption(C::Red));
  ASSERT_TRUE(ShowsValue(calculator(), "1000", "1", "0.001"));
  press("slotBButton");
  EXPECT_EQ(platform.beeps(), 1);
  EXPECT_EQ(calculator().slotLabel(1).caption(), "1KΩ");
  EXPECT_EQ(calculator().get<Label>("slotBLabel").caption(), "1KΩ");
  EXPECT_EQ(slotEntries(app, 1), (std::vector<std::string>{"1KΩ", "4210816", "0", "255", "49344"}));
  EXPECT_EQ(slotColours(calculator(), 1), (std::vector<Rgb>{0x404080, 0x000000, 0x0000FF, 0x00C0C0}));
  EXPECT_EQ(calculator().get<PictureBox>("slotBBand1").backColour(), 0x404080u);
  EXPECT_EQ(calculator().get<PictureBox>("slotBBand4").backColour(), 0x00C0C0u);
  for (int k : {0, 2, 3, 4}) {
    EXPECT_EQ(slotEntries(app, k), std::vector<std::string>(5)) << "slot " << k;
    EXPECT_EQ(calculator().slotLabel(k).caption(), "") << "slot " << k;
  }
  EXPECT_TRUE(ShowsBands(calculator(), C::Brown, C::Black, C::Red, C::Gold)) << "storing changes no band";
}

TEST_F(CalculatorWindowTest, TypedValueIntoSlotAWithTheToleranceBand) {
  type("4700");
  click(toleranceOption(C::None));
  press("slotAButton");
  EXPECT_EQ(calculator().slotLabel(0).caption(), "4.7KΩ");
  EXPECT_EQ(slotEntries(app, 0), (std::vector<std::string>{"4.7KΩ", "65535", "16711935", "255", "8438015"}));
  EXPECT_EQ(slotColours(calculator(), 0), (std::vector<Rgb>{0x00FFFF, 0xFF00FF, 0x0000FF, 0x80C0FF}));
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

class SlotValueText : public CalculatorWindowTest, public ::testing::WithParamInterface<ValueTextCase> {};

TEST_P(SlotValueText, FollowsTheLengthOfTheOhmText) {
  const ValueTextCase& c = GetParam();
  chooseBands(c.first, c.second, c.multiplier);
  ASSERT_EQ(calculator().ohmBox().text(), c.ohm);
  EXPECT_EQ(calculator().SlotValueText(), c.slotText);
  press("slotEButton");
  EXPECT_EQ(calculator().slotLabel(4).caption(), c.slotText);
  EXPECT_EQ(app.savedValues().get(entry::slotValue(4)), c.slotText);
}

INSTANTIATE_TEST_SUITE_P(Lengths, SlotValueText, ::testing::ValuesIn(kValueTextCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(CalculatorWindowTest, StoringRightAfterStartGivesTheBareUnit) {
  press("slotCButton");
  EXPECT_EQ(calculator().slotLabel(2).caption(), "Ω");
  EXPECT_EQ(slotEntries(app, 2), (std::vector<std::string>{"Ω", "0", "0", "49344", "49344"}));
}

TEST_F(CalculatorWindowTest, StoringAfterClsGivesTheBareUnit) {
  type("68000");
  press("clsButton");
  press("slotDButton");
  EXPECT_EQ(calculator().slotLabel(3).caption(), "Ω");
  EXPECT_EQ(slotEntries(app, 3), (std::vector<std::string>{"Ω", "0", "0", "49344", "49344"}));
}

TEST_F(CalculatorWindowTest, StoringTheSameSlotTwiceOverwritesItAndNoOther) {
  type("4700");
  press("slotAButton");
  calculator().entryPressed();
  type("1000");
  press("slotBButton");
  const std::vector<std::string> slotB = slotEntries(app, 1);
  const std::vector<Rgb> slotBColours = slotColours(calculator(), 1);
  calculator().entryPressed();
  type("47");
  click(toleranceOption(C::Red));
  platform.resetBeeps();
  press("slotAButton");
  EXPECT_EQ(platform.beeps(), 1);
  EXPECT_EQ(calculator().slotLabel(0).caption(), "47Ω");
  EXPECT_EQ(slotEntries(app, 0), (std::vector<std::string>{"47Ω", "65535", "16711935", "0", "255"}));
  EXPECT_EQ(slotColours(calculator(), 0), (std::vector<Rgb>{0x00FFFF, 0xFF00FF, 0x000000, 0x0000FF}));
  EXPECT_EQ(slotEntries(app, 1), slotB);
  EXPECT_EQ(slotEntries(app, 1)[0], "1KΩ");
  EXPECT_EQ(slotColours(calculator(), 1), slotBColours);
}

// --- CLS ------------------------------------------------------------------------------------------

TEST_F(CalculatorWindowTest, ClsAfterTypingResetsTheCalculatorAndKeepsTheSlots) {
  type("4700");
  click(toleranceOption(C::Silver));
  press("slotCButton");
  const std::vector<std::string> slotC = slotEntries(app, 2);
  calculator().setFocus(calculator().get<CommandButton>("slotCButton"));
  platform.resetBeeps();

  press("clsButton");
  EXPECT_EQ(platform.beeps(), 2) << "the button's beep and that of the emptied entry";
  EXPECT_TRUE(ShowsBands(calculator(), C::Black, C::Black, C::Gold, C::Gold));
  EXPECT_TRUE(ShowsNoValue(calculator()));
  EXPECT_EQ(calculator().toleranceBox().text(), "5");
  EXPECT_EQ(calculator().entryBox().text(), "");
  EXPECT_EQ(calculator().focus(), &calculator().entryBox());
  EXPECT_EQ(slotEntries(app, 2), slotC);
  EXPECT_EQ(calculator().slotLabel(2).caption(), "4.7KΩ");
  EXPECT_EQ(slotColours(calculator(), 2), (std::vector<Rgb>{0x00FFFF, 0xFF00FF, 0x0000FF, 0xE0E0E0}));
}

TEST_F(CalculatorWindowTest, ClsOnAnEmptyEntryBeepsOnce) {
  chooseBands(6, 8, C::Orange);
  press("clsButton");
  EXPECT_EQ(platform.beeps(), 1);
  EXPECT_TRUE(ShowsBands(calculator(), C::Black, C::Black, C::Gold, C::Gold));
  EXPECT_TRUE(ShowsNoValue(calculator()));
}

class ClsFrom : public CalculatorWindowTest, public ::testing::WithParamInterface<std::vector<Choice>> {};

TEST_P(ClsFrom, EndsInTheStartState) {
  for (const Choice& option : GetParam()) click(option);
  press("clsButton");
  EXPECT_TRUE(ShowsBands(calculator(), C::Black, C::Black, C::Gold, C::Gold));
  EXPECT_TRUE(ShowsNoValue(calculator()));
  EXPECT_EQ(calculator().toleranceBox().text(), "5");
  EXPECT_EQ(calculator().FirstDigitTens, 0);
  EXPECT_EQ(calculator().SecondDigit, 0);
}

INSTANTIATE_TEST_SUITE_P(States, ClsFrom,
                         ::testing::Values(std::vector<Choice>{},
                                           std::vector<Choice>{firstOption(9), secondOption(9),
                                                               multiplierOption(C::White), toleranceOption(C::None)},
                                           std::vector<Choice>{multiplierOption(C::Red), toleranceOption(C::Orange)},
                                           std::vector<Choice>{firstOption(4), secondOption(7),
                                                               multiplierOption(C::Silver), toleranceOption(C::Silver)},
                                           std::vector<Choice>{secondOption(4)}));

// --- Slots across a restart -----------------------------------------------------------------------

TEST_F(CalculatorWindowTest, FiveSlotsSurviveQuitAndRestart) {
  struct Store {
    const char* typed;
    Choice tolerance;
    const char* label;
  };
  const Store stores[] = {{"10", toleranceOption(C::Brown), "10Ω"},
                          {"4700", toleranceOption(C::Red), "4.7KΩ"},
                          {"330000", toleranceOption(C::Gold), "330KΩ"},
                          {"5", toleranceOption(C::Silver), "5Ω"},
                          {"9999999999", toleranceOption(C::None), "9900MΩ"}};
  for (int k = 0; k < 5; ++k) {
    calculator().entryPressed();
    type(stores[k].typed);
    click(stores[k].tolerance);
    press(kSlotButtons[k]);
    EXPECT_EQ(calculator().slotLabel(k).caption(), stores[k].label);
  }
  calculator().userMoved(2400, 1800);
  calculator().positionTimer().tick();
  std::vector<std::string> entries;
  std::vector<std::vector<Rgb>> colours;
  for (int k = 0; k < 5; ++k) {
    const auto e = slotEntries(app, k);
    entries.insert(entries.end(), e.begin(), e.end());
    colours.push_back(slotColours(calculator(), k));
  }
  press("quitButton");
  ASSERT_EQ(platform.endProgramCalls(), 1);
  EXPECT_NE(settingsFile().find("\"4.7K" + kOmega + "\"\r\n"), std::string::npos);

  FakePlatform nextPlatform(dir.path());
  App next(nextPlatform);
  next.start();
  for (int k = 0; k < 5; ++k) {
    EXPECT_EQ(next.calculator().slotLabel(k).caption(), stores[k].label);
    EXPECT_EQ(slotColours(next.calculator(), k), colours[static_cast<std::size_t>(k)]) << "slot " << k;
    const auto e = slotEntries(next, k);
    EXPECT_EQ(e, std::vector<std::string>(entries.begin() + 5 * k, entries.begin() + 5 * k + 5)) << "slot " << k;
  }
  EXPECT_EQ(next.savedValues().get(1), " 1800");
  EXPECT_EQ(next.savedValues().get(2), " 2400");
  EXPECT_EQ(next.calculator().top(), 1800);
  EXPECT_EQ(next.calculator().left(), 2400);
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
      EXPECT_EQ(app.calculator().slotBand(k, b).backColour(), GetParam().painted) << "slot " << k << " band " << b;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Entries, StoredColour, ::testing::ValuesIn(kStoredColours));

TEST_F(UiTest, SlotValueEntriesAreShownAsTheyAre) {
  const std::string longText = "1234567890123456789012345678901234567890M" + kOmega;
  writeSettings(Entries({{3, longText}, {8, "  spaced  "}, {13, "not a value"}, {18, kOmega}}));
  app.start();
  EXPECT_EQ(app.calculator().slotLabel(0).caption(), "1234567890123456789012345678901234567890MΩ");
  EXPECT_EQ(app.calculator().slotLabel(1).caption(), "  spaced  ");
  EXPECT_EQ(app.calculator().slotLabel(2).caption(), "not a value");
  EXPECT_EQ(app.calculator().slotLabel(3).caption(), "Ω");
  EXPECT_EQ(app.calculator().slotLabel(4).caption(), "");
}

}  // namespace
}  // namespace zen::test
