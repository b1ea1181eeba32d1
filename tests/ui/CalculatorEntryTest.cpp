// Typing a value into the entry box, and pressing the mouse on it.

#include <string>

#include "CalculatorFixture.h"

namespace zen::test {
namespace {

// --- A whole text put into the empty box (typed or pasted), from the start state ----------------

struct EntryCase {
  const char* name;
  const char* text;
  BandColour first, second, multiplier;
  const char* ohm;
  const char* kiloOhm;
  const char* megaOhm;
};

const EntryCase kEntryCases[] = {
    {"OneDigit", "5", C::Green, C::Black, C::Gold, "5", "0.005", "5E-06"},
    {"Ten", "10", C::Brown, C::Black, C::Black, "10", "0.01", "1E-05"},
    {"NinetyNine", "99", C::White, C::White, C::Black, "99", "0.099", "9.9E-05"},
    {"FortySeven", "47", C::Yellow, C::Purple, C::Black, "47", "0.047", "4.7E-05"},
    {"FourSeventy", "470", C::Yellow, C::Purple, C::Brown, "470", "0.47", "0.00047"},
    {"FortySevenHundred", "4700", C::Yellow, C::Purple, C::Red, "4700", "4.7", "0.0047"},
    {"ThirdDigitIsDropped", "4750", C::Yellow, C::Purple, C::Red, "4700", "4.7", "0.0047"},
    {"OneMegaohm", "1000000", C::Brown, C::Black, C::Green, "1000000", "1000", "1"},
    {"TenNines", "9999999999", C::White, C::White, C::Grey, "9900000000", "9900000", "9900"},
    {"LeadingZero", "05", C::Green, C::Black, C::Black, "50", "0.05", "5E-05"},
    {"DecimalPointIsNotRead", "4.7", C::Yellow, C::Black, C::Brown, "400", "0.4", "0.0004"},
    {"UnitLetterCountsAsACharacter", "47K", C::Yellow, C::Purple, C::Brown, "470", "0.47", "0.00047"},
    {"OneDigitWithUnitLetter", "5K", C::Green, C::Black, C::Black, "50", "0.05", "5E-05"},
    {"LeadingBlankCountsOnlyTowardTheLength", " 47", C::Yellow, C::Black, C::Brown, "400", "0.4", "0.0004"},
    {"PointNineRoundsToOne", ".9", C::Brown, C::Black, C::Black, "10", "0.01", "1E-05"},
    {"PrefixZeroLeavesTheFirstBandBlack", "0.5", C::Black, C::Black, C::Brown, "", "", ""},
};

class EntryText : public CalculatorWindowTest, public ::testing::WithParamInterface<EntryCase> {};

TEST_P(EntryText, PicksTheBandsAndShowsTheirValue) {
  const EntryCase& c = GetParam();
  calculator().entryBox().userEdit(c.text);
  EXPECT_TRUE(ShowsBands(calculator(), c.first, c.second, c.multiplier, C::Gold));
  EXPECT_TRUE(ShowsValue(calculator(), c.ohm, c.kiloOhm, c.megaOhm));
  EXPECT_EQ(calculator().entryBox().text(), c.text) << "the entry stays as the user wrote it";
  EXPECT_EQ(platform.beeps(), 0);
}

TEST_P(EntryText, GivesTheSameBandsWhateverWasChosenBefore) {
  const EntryCase& c = GetParam();
  chooseBands(6, 8, C::Silver);
  calculator().entryBox().userEdit(c.text);
  EXPECT_TRUE(ShowsBands(calculator(), c.first, c.second, c.multiplier, C::Gold));
  EXPECT_TRUE(ShowsValue(calculator(), c.ohm, c.kiloOhm, c.megaOhm));
}

INSTANTIATE_TEST_SUITE_P(Examples, EntryText, ::testing::ValuesIn(kEntryCases),
                         [](const auto& info) { return std::string(info.param.name); });

// --- Typing digit by digit ------------------------------------------------------------------------

TEST_F(CalculatorWindowTest, TypingFortySevenHundredShowsEachBeginning) {
  struct Step {
    char key;
    BandColour first, second, multiplier;
    const char* ohm;
    const char* kiloOhm;
    const char* megaOhm;
  };
  const Step steps[] = {
      {'4', C::Yellow, C::Black, C::Gold, "4", "0.004", "4E-06"},
      {'7', C::Yellow, C::Purple, C::Black, "47", "0.047", "4.7E-05"},
      {'0', C::Yellow, C::Purple, C::Brown, "470", "0.47", "0.00047"},
      {'0', C::Yellow, C::Purple, C::Red, "4700", "4.7", "0.0047"},
  };
  std::string typed;
  for (const Step& s : steps) {
    typed += s.key;
    type(std::string(1, s.key));
    EXPECT_EQ(calculator().entryBox().text(), typed);
    EXPECT_TRUE(ShowsBands(calculator(), s.first, s.second, s.multiplier, C::Gold)) << "after " << typed;
    EXPECT_TRUE(ShowsValue(calculator(), s.ohm, s.kiloOhm, s.megaOhm)) << "after " << typed;
  }
  EXPECT_EQ(platform.beeps(), 0);
  EXPECT_EQ(calculator().focus(), &calculator().entryBox());
}

TEST_F(CalculatorWindowTest, DeletingBackToOneDigitGoesBackToGold) {
  type("47");
  calculator().entryBox().userEdit("4");
  EXPECT_TRUE(ShowsBands(calculator(), C::Yellow, C::Black, C::Gold, C::Gold));
  EXPECT_TRUE(ShowsValue(calculator(), "4", "0.004", "4E-06"));
  EXPECT_EQ(platform.beeps(), 0);
}

TEST_F(CalculatorWindowTest, LongestTypedNumberGivesTheGreyMultiplier) {
  type("1234567890");
  EXPECT_TRUE(ShowsBands(calculator(), C::Brown, C::Red, C::Grey, C::Gold));
  EXPECT_TRUE(ShowsValue(calculator(), "1200000000", "1200000", "1200"));
  type("1");
  EXPECT_EQ(calculator().entryBox().text(), "1234567890") << "the box takes at most ten characters";
  EXPECT_TRUE(ShowsBands(calculator(), C::Brown, C::Red, C::Grey, C::Gold));
}

TEST_F(CalculatorWindowTest, SingleDigitReplacingATwoDigitEntryTakesTheFirstBand) {
  type("47");
  ASSERT_TRUE(ShowsBands(calculator(), C::Yellow, C::Purple, C::Black, C::Gold));
  calculator().entryBox().userEdit("5");  // the whole entry selected and overtyped
  EXPECT_TRUE(ShowsBands(calculator(), C::Green, C::Black, C::Gold, C::Gold));
  EXPECT_TRUE(ShowsValue(calculator(), "5", "0.005", "5E-06"));
}

TEST_F(CalculatorWindowTest, TypingLeavesTheToleranceAlone) {
  click(toleranceOption(C::Silver));
  type("4700");
  EXPECT_TRUE(ShowsBands(calculator(), C::Yellow, C::Purple, C::Red, C::Silver));
  EXPECT_EQ(calculator().toleranceBox().text(), "10");
}

// --- Emptied and rejected entries -----------------------------------------------------------------

TEST_F(CalculatorWindowTest, DeletingTheLastCharacterBlanksTheValueAndBeepsOnce) {
  type("4");
  calculator().entryBox().userEdit("");
  EXPECT_TRUE(ShowsNoValue(calculator()));
  EXPECT_EQ(platform.beeps(), 1);
  EXPECT_TRUE(ShowsBands(calculator(), C::Yellow, C::Black, C::Gold, C::Gold)) << "the bands stay";
}

TEST_F(CalculatorWindowTest, RetypingTheSameDigitAfterEmptyingChangesNoBandAndShowsNothing) {
  type("5");
  calculator().entryBox().userEdit("");
  type("5");
  EXPECT_TRUE(ShowsBands(calculator(), C::Green, C::Black, C::Gold, C::Gold));
  EXPECT_TRUE(ShowsNoValue(calculator()));
  type("1");
  EXPECT_TRUE(ShowsValue(calculator(), "51", "0.051", "5.1E-05"));
}

class RejectedFirstKey : public CalculatorWindowTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(RejectedFirstKey, EmptiesTheEntryAndValueAndBeepsTwice) {
  chooseBands(6, 8, C::Orange);
  type(GetParam());
  EXPECT_EQ(calculator().entryBox().text(), "");
  EXPECT_TRUE(ShowsNoValue(calculator()));
  EXPECT_EQ(platform.beeps(), 2);
  EXPECT_TRUE(ShowsBands(calculator(), C::Blue, C::Grey, C::Orange, C::Gold)) << "the bands stay";
}

INSTANTIATE_TEST_SUITE_P(Keys, RejectedFirstKey, ::testing::Values("0", " ", "-", "+", ".", "a", "K"));

class RejectedPaste : public CalculatorWindowTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(RejectedPaste, OverAnEntryEmptiesItAndBeepsTwice) {
  type("47");
  calculator().entryBox().userEdit(GetParam());
  EXPECT_EQ(calculator().entryBox().text(), "");
  EXPECT_TRUE(ShowsNoValue(calculator()));
  EXPECT_EQ(platform.beeps(), 2);
  EXPECT_TRUE(ShowsBands(calculator(), C::Yellow, C::Purple, C::Black, C::Gold));
}

INSTANTIATE_TEST_SUITE_P(Texts, RejectedPaste, ::testing::Values("0", "abc", "00", "0.0", "-0", "Ω"));

TEST_F(CalculatorWindowTest, TypingAfterARejectedKeyStartsAFreshNumber) {
  type("0");
  platform.resetBeeps();
  type("47");
  EXPECT_EQ(calculator().entryBox().text(), "47");
  EXPECT_TRUE(ShowsValue(calculator(), "47", "0.047", "4.7E-05"));
  EXPECT_EQ(platform.beeps(), 0);
}

// --- Pasted texts whose prefix is not two digits --------------------------------------------------

TEST_F(CalculatorWindowTest, NegativeEntryKeepsTheFirstBand) {
  chooseBands(4, 7, C::Red);
  calculator().entryBox().userEdit("-5");
  EXPECT_TRUE(ShowsBands(calculator(), C::Yellow, C::Black, C::Black, C::Gold));
  EXPECT_TRUE(ShowsValue(calculator(), "40", "0.04", "4E-05"));
  EXPECT_EQ(platform.beeps(), 0);
}

TEST_F(CalculatorWindowTest, PrefixZeroRunsTheResetOfTheBlackFirstBand) {
  chooseBands(4, 7, C::Red);
  click(toleranceOption(C::Silver));
  calculator().entryBox().userEdit("0.5");
  EXPECT_TRUE(ShowsBands(calculator(), C::Black, C::Black, C::Brown, C::Gold));
  EXPECT_EQ(calculator().toleranceBox().text(), "5");
  EXPECT_TRUE(ShowsNoValue(calculator()));
  EXPECT_EQ(calculator().entryBox().text(), "0.5");
}

// --- Pressing the mouse on the entry box ----------------------------------------------------------

TEST_F(CalculatorWindowTest, PressOnAFilledEntryResetsEverythingAndBeepsTwice) {
  type("4700");
  click(toleranceOption(C::Silver));
  calculator().entryBox().setBackColour(0xFFFFFF);
  calculator().entryPressed();
  EXPECT_EQ(platform.beeps(), 2);
  EXPECT_TRUE(ShowsBands(calculator(), C::Black, C::Black, C::Gold, C::Gold));
  EXPECT_EQ(calculator().toleranceBox().text(), "5");
  EXPECT_TRUE(ShowsNoValue(calculator()));
  EXPECT_EQ(calculator().entryBox().text(), "");
  EXPECT_EQ(calculator().entryBox().backColour(), 0xC0FFC0u);
}

TEST_F(CalculatorWindowTest, PressOnAnEmptyEntryBeepsOnce) {
  chooseBands(6, 8, C::Orange);
  calculator().entryBox().onMouseDown();
  EXPECT_EQ(platform.beeps(), 1);
  EXPECT_TRUE(ShowsBands(calculator(), C::Black, C::Black, C::Gold, C::Gold));
  EXPECT_TRUE(ShowsNoValue(calculator()));
}

TEST_F(CalculatorWindowTest, PressThenTypingStartsANewNumber) {
  type("68000");
  calculator().entryPressed();
  platform.resetBeeps();
  type("10");
  EXPECT_TRUE(ShowsBands(calculator(), C::Brown, C::Black, C::Black, C::Gold));
  EXPECT_TRUE(ShowsValue(calculator(), "10", "0.01", "1E-05"));
  EXPECT_EQ(platform.beeps(), 0);
}

}  // namespace
}  // namespace zen::test
