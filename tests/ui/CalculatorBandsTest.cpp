// Choosing colours with the mouse: what every choice does to the four bands, the value and the
// tolerance, and the extras on the multiplier options.

#include <string>
#include <vector>

#include "CalculatorFixture.h"

namespace zen::test {
namespace {

// The gold multiplier's ×0.1 and the silver one's ×0.01 are doubles: the value is one rounded
// product, and the texts still read as the user expects.
constexpr double kGoldFactor = 0.1;

// --- One user choice after a few others, from the start state ------------------------------------

struct ChoiceCase {
  const char* name;
  std::vector<Choice> before;  // options clicked first, in order
  Choice choice;               // the option clicked last
  BandColour first, second, multiplier, tolerance;
  int firstDigitTens, secondDigit;
  const char* ohm;
  const char* kiloOhm;
  const char* megaOhm;
  const char* toleranceText;
};

// The options clicked before the last in most cases: 4, 7 and ×100.
const std::vector<Choice> kYellowPurpleRed = {firstOption(4), secondOption(7), multiplierOption(C::Red)};

const ChoiceCase kChoiceCases[] = {
    {"FirstBlackResetsEverything",
     {firstOption(4), secondOption(7), multiplierOption(C::Red), toleranceOption(C::Silver)}, firstOption(0), C::Black,
     C::Black, C::Gold, C::Gold, 0, 0, "", "", "", "5"},
    {"FirstDigitKeepsTheOthers", kYellowPurpleRed, firstOption(2), C::Red, C::Purple, C::Red, C::Gold, 20, 7, "2700",
     "2.7", "0.0027", "5"},
    {"SecondBlackAfterFirstBlackTurnsMultiplierGold", {multiplierOption(C::Red)}, secondOption(0), C::Black, C::Black,
     C::Gold, C::Gold, 0, 0, "0", "0", "0", "5"},
    {"SecondBlackAfterADigit", kYellowPurpleRed, secondOption(0), C::Yellow, C::Black, C::Red, C::Gold, 40, 0, "4000",
     "4", "0.004", "5"},
    {"SecondDigitAfterFirstBlackMovesToFirst", {}, secondOption(4), C::Yellow, C::Black, C::Gold, C::Gold, 40, 0, "4",
     "0.004", "4E-06", "5"},
    {"SecondDigitTurnsGoldMultiplierBlack", {firstOption(4), secondOption(7)}, secondOption(2), C::Yellow, C::Red,
     C::Black, C::Gold, 40, 2, "42", "0.042", "4.2E-05", "5"},
    {"SecondDigitKeepsOtherMultiplier", kYellowPurpleRed, secondOption(2), C::Yellow, C::Red, C::Red, C::Gold, 40, 2,
     "4200", "4.2", "0.0042", "5"},
    {"MultiplierWithBothDigitsZeroLeavesValueBlank", {}, multiplierOption(C::Red), C::Black, C::Black, C::Red, C::Gold,
     0, 0, "", "", "", "5"},
    {"MultiplierWithADigit", {firstOption(4), secondOption(7)}, multiplierOption(C::Orange), C::Yellow, C::Purple,
     C::Orange, C::Gold, 40, 7, "47000", "47", "0.047", "5"},
    {"ToleranceChangesOnlyTheFourthBand", kYellowPurpleRed, toleranceOption(C::Brown), C::Yellow, C::Purple, C::Red,
     C::Brown, 40, 7, "4700", "4.7", "0.0047", "1"},
};

class BandChoice : public CalculatorWindowTest, public ::testing::WithParamInterface<ChoiceCase> {};

TEST_P(BandChoice, LeavesBandsStateAndTexts) {
  const ChoiceCase& c = GetParam();
  for (const Choice& option : c.before) click(option);
  calculator().setFocus(calculator().get<CommandButton>("clsButton"));
  click(c.choice);
  EXPECT_TRUE(ShowsBands(calculator(), c.first, c.second, c.multiplier, c.tolerance));
  EXPECT_EQ(calculator().FirstDigitTens, c.firstDigitTens);
  EXPECT_EQ(calculator().SecondDigit, c.secondDigit);
  EXPECT_TRUE(ShowsValue(calculator(), c.ohm, c.kiloOhm, c.megaOhm));
  EXPECT_EQ(calculator().toleranceBox().text(), c.toleranceText);
  EXPECT_EQ(platform.beeps(), 0);
  if (c.choice == firstOption(0)) {
    EXPECT_EQ(calculator().focus(), &calculator().entryBox());
  } else {
    EXPECT_NE(calculator().focus(), &calculator().entryBox()) << "only the reset moves the focus";
  }
}

INSTANTIATE_TEST_SUITE_P(Rules, BandChoice, ::testing::ValuesIn(kChoiceCases),
                         [](const auto& info) { return std::string(info.param.name); });

// --- Each digit in each digit band ---------------------------------------------------------------

class DigitChoice : public CalculatorWindowTest, public ::testing::WithParamInterface<int> {};

TEST_P(DigitChoice, FirstBandTakesTheDigitAndRereadsTheSecond) {
  const int d = GetParam();
  chooseBands(4, 7, C::Red);
  click(firstOption(d));
  const auto colour = static_cast<BandColour>(d);
  EXPECT_TRUE(ShowsBands(calculator(), colour, C::Purple, C::Red, C::Gold));
  EXPECT_EQ(calculator().FirstDigitTens, 10 * d);
  EXPECT_EQ(calculator().SecondDigit, 7);
  const std::string digit = std::to_string(d);
  EXPECT_TRUE(ShowsValue(calculator(), digit + "700", digit + ".7", "0.00" + digit + "7"));
}

TEST_P(DigitChoice, SecondBandAfterBlackFirstBandGivesThatManyOhms) {
  const int d = GetParam();
  click(secondOption(d));
  EXPECT_TRUE(ShowsBands(calculator(), static_cast<BandColour>(d), C::Black, C::Gold, C::Gold));
  EXPECT_EQ(calculator().FirstDigitTens, 10 * d);
  EXPECT_EQ(calculator().SecondDigit, 0);
  const std::string digit = std::to_string(d);
  EXPECT_TRUE(ShowsValue(calculator(), digit, "0.00" + digit, digit + "E-06"));
}

TEST_P(DigitChoice, FirstAndSecondBandChoiceFromStartAgree) {
  const int d = GetParam();
  click(firstOption(d));
  const std::string viaFirst = calculator().ohmBox().text();
  EXPECT_TRUE(ShowsBands(calculator(), static_cast<BandColour>(d), C::Black, C::Gold, C::Gold));
  click(firstOption(0));
  click(secondOption(d));
  EXPECT_TRUE(ShowsBands(calculator(), static_cast<BandColour>(d), C::Black, C::Gold, C::Gold));
  EXPECT_EQ(calculator().ohmBox().text(), viaFirst);
  EXPECT_EQ(viaFirst, std::to_string(d));
}

TEST_P(DigitChoice, SecondBandDigitWithFirstBandSet) {
  const int d = GetParam();
  chooseBands(6, 8, C::Orange);
  click(secondOption(d));
  EXPECT_TRUE(ShowsBands(calculator(), C::Blue, static_cast<BandColour>(d), C::Orange, C::Gold));
  EXPECT_EQ(calculator().FirstDigitTens, 60);
  EXPECT_EQ(calculator().SecondDigit, d);
  const std::string digit = std::to_string(d);
  EXPECT_TRUE(ShowsValue(calculator(), "6" + digit + "000", "6" + digit, "0.06" + digit));
}

INSTANTIATE_TEST_SUITE_P(Digits, DigitChoice, ::testing::Range(1, 10));

// --- Every multiplier ----------------------------------------------------------------------------

struct MultiplierCase {
  BandColour colour;
  const char* ohm;
  const char* kiloOhm;
  const char* megaOhm;
};

const MultiplierCase kMultiplierCases[] = {
    {C::Black, "47", "0.047", "4.7E-05"},
    {C::Brown, "470", "0.47", "0.00047"},
    {C::Red, "4700", "4.7", "0.0047"},
    {C::Orange, "47000", "47", "0.047"},
    {C::Yellow, "470000", "470", "0.47"},
    {C::Green, "4700000", "4700", "4.7"},
    {C::Blue, "47000000", "47000", "47"},
    {C::Purple, "470000000", "470000", "470"},
    {C::Grey, "4700000000", "4700000", "4700"},
    {C::White, "47000000000", "47000000", "47000"},
    {C::Gold, "4.7", "0.0047", "4.7E-06"},
    {C::Silver, "0.47", "0.00047", "4.7E-07"},
};

class MultiplierChoice : public CalculatorWindowTest, public ::testing::WithParamInterface<MultiplierCase> {};

TEST_P(MultiplierChoice, ScalesFortySeven) {
  const MultiplierCase& c = GetParam();
  click(firstOption(4));
  click(secondOption(7));
  click(multiplierOption(c.colour));
  EXPECT_TRUE(ShowsBands(calculator(), C::Yellow, C::Purple, c.colour, C::Gold));
  EXPECT_TRUE(ShowsValue(calculator(), c.ohm, c.kiloOhm, c.megaOhm));
}

TEST_P(MultiplierChoice, WithoutDigitsPaintsTheBandAndLeavesTheValueBlank) {
  const MultiplierCase& c = GetParam();
  click(multiplierOption(c.colour));
  EXPECT_TRUE(ShowsBands(calculator(), C::Black, C::Black, c.colour, C::Gold));
  EXPECT_TRUE(ShowsNoValue(calculator()));
}

TEST_P(MultiplierChoice, LeavesNoOtherMultiplierOnWhicheverWasOnBefore) {
  const BandColour chosen = GetParam().colour;
  click(firstOption(4));
  click(secondOption(7));
  for (const MultiplierCase& before : kMultiplierCases) {
    click(multiplierOption(before.colour));
    click(multiplierOption(chosen));
    EXPECT_TRUE(ShowsBands(calculator(), C::Yellow, C::Purple, chosen, C::Gold))
        << "after " << look(before.colour).name;
    EXPECT_EQ(calculator().ohmBox().text(), GetParam().ohm) << "after " << look(before.colour).name;
  }
}

INSTANTIATE_TEST_SUITE_P(Colours, MultiplierChoice, ::testing::ValuesIn(kMultiplierCases),
                         [](const auto& info) { return "Colour" + std::to_string(static_cast<int>(info.param.colour)); });

// --- Every tolerance -----------------------------------------------------------------------------

struct ToleranceCase {
  BandColour colour;
  const char* text;
};

const ToleranceCase kToleranceCases[] = {
    {C::Orange, "0.05"}, {C::Purple, "0.1"}, {C::Blue, "0.25"}, {C::Green, "0.5"}, {C::Brown, "1"},
    {C::Red, "2"},       {C::Gold, "5"},     {C::Silver, "10"}, {C::None, "20"},
};

class ToleranceChoice : public CalculatorWindowTest, public ::testing::WithParamInterface<ToleranceCase> {};

TEST_P(ToleranceChoice, ChangesOnlyTheFourthBandAndItsText) {
  const ToleranceCase& c = GetParam();
  chooseBands(6, 8, C::Orange);
  click(toleranceOption(C::Silver));
  const double ohm = calculator().ValueOhm;
  click(toleranceOption(c.colour));
  EXPECT_TRUE(ShowsBands(calculator(), C::Blue, C::Grey, C::Orange, c.colour));
  EXPECT_EQ(calculator().toleranceBox().text(), c.text);
  EXPECT_TRUE(ShowsValue(calculator(), "68000", "68", "0.068"));
  EXPECT_EQ(calculator().ValueOhm, ohm);
  EXPECT_EQ(calculator().FirstDigitTens, 60);
  EXPECT_EQ(calculator().SecondDigit, 8);
}

INSTANTIATE_TEST_SUITE_P(Colours, ToleranceChoice, ::testing::ValuesIn(kToleranceCases),
                         [](const auto& info) { return "Colour" + std::to_string(static_cast<int>(info.param.colour)); });

// --- The value of whole band combinations --------------------------------------------------------

struct WorkedValue {
  int first, second;
  BandColour multiplier;
  const char* ohm;
  const char* kiloOhm;
  const char* megaOhm;
};
void PrintTo(const WorkedValue& v, std::ostream* os) { *os << v.first << v.second << " x" << int(v.multiplier) << " = " << v.ohm; }

const WorkedValue kWorkedValues[] = {
    {4, 7, C::Red, "4700", "4.7", "0.0047"},       {4, 7, C::Gold, "4.7", "0.0047", "4.7E-06"},
    {3, 3, C::Gold, "3.3", "0.0033", "3.3E-06"},    {2, 3, C::Silver, "0.23", "0.00023", "2.3E-07"},
    {1, 0, C::Black, "10", "0.01", "1E-05"},        {1, 0, C::Gold, "1", "0.001", "1E-06"},
    {6, 8, C::Orange, "68000", "68", "0.068"},      {9, 9, C::White, "99000000000", "99000000", "99000"},
};

class WorkedValues : public CalculatorWindowTest, public ::testing::WithParamInterface<WorkedValue> {};

TEST_P(WorkedValues, ShowInAllThreeUnits) {
  const WorkedValue& w = GetParam();
  chooseBands(w.first, w.second, w.multiplier);
  EXPECT_TRUE(ShowsBands(calculator(), static_cast<BandColour>(w.first), static_cast<BandColour>(w.second),
                         w.multiplier, C::Gold));
  EXPECT_TRUE(ShowsValue(calculator(), w.ohm, w.kiloOhm, w.megaOhm));
  EXPECT_EQ(calculator().ValueKiloOhm, calculator().ValueOhm / 1000);
  EXPECT_EQ(calculator().ValueMegaOhm, calculator().ValueKiloOhm / 1000);
}

INSTANTIATE_TEST_SUITE_P(Bands, WorkedValues, ::testing::ValuesIn(kWorkedValues));

TEST_F(CalculatorWindowTest, ThreeThreeGoldIsOneRoundedProductShownAsThreePointThree) {
  chooseBands(3, 3, C::Gold);
  EXPECT_EQ(calculator().ValueOhm, 33 * kGoldFactor);
  EXPECT_NE(calculator().ValueOhm, 3.3);
  EXPECT_EQ(calculator().ohmBox().text(), "3.3");
}

TEST_F(CalculatorWindowTest, NinetyNineGigaohmsIsExact) {
  chooseBands(9, 9, C::White);
  EXPECT_EQ(calculator().ValueOhm, 99e9);
}

// --- Sequences of choices ------------------------------------------------------------------------

TEST_F(CalculatorWindowTest, RedMultiplierThenBlackSecondBandFromStartShowsZero) {
  click(multiplierOption(C::Red));
  EXPECT_TRUE(ShowsNoValue(calculator()));
  click(secondOption(0));  // already on: its handling runs again
  EXPECT_TRUE(ShowsBands(calculator(), C::Black, C::Black, C::Gold, C::Gold));
  EXPECT_TRUE(ShowsValue(calculator(), "0", "0", "0"));
}

TEST_F(CalculatorWindowTest, SecondBandYellowAfterGoldMultiplierSwitchesToBlack) {
  chooseBands(4, 7, C::Gold);
  EXPECT_TRUE(ShowsValue(calculator(), "4.7", "0.0047", "4.7E-06"));
  click(secondOption(4));
  EXPECT_TRUE(ShowsBands(calculator(), C::Yellow, C::Yellow, C::Black, C::Gold));
  EXPECT_TRUE(ShowsValue(calculator(), "44", "0.044", "4.4E-05"));
}

TEST_F(CalculatorWindowTest, FirstBandBlackBlanksAShownValueAndResetsTheTolerance) {
  chooseBands(4, 7, C::Red);
  click(toleranceOption(C::Silver));
  EXPECT_EQ(calculator().toleranceBox().text(), "10");
  calculator().setFocus(calculator().ohmBox());
  click(firstOption(0));
  EXPECT_TRUE(ShowsBands(calculator(), C::Black, C::Black, C::Gold, C::Gold));
  EXPECT_EQ(calculator().toleranceBox().text(), "5");
  EXPECT_TRUE(ShowsNoValue(calculator()));
  EXPECT_EQ(calculator().FirstDigitTens, 0);
  EXPECT_EQ(calculator().focus(), &calculator().entryBox());
}

TEST_F(CalculatorWindowTest, ClickingBlackFirstBandAgainRepeatsTheReset) {
  click(multiplierOption(C::Purple));
  click(toleranceOption(C::None));
  ASSERT_TRUE(option(firstOption(0)).value());
  calculator().setFocus(calculator().kiloOhmBox());
  click(firstOption(0));
  EXPECT_TRUE(ShowsBands(calculator(), C::Black, C::Black, C::Gold, C::Gold));
  EXPECT_EQ(calculator().toleranceBox().text(), "5");
  EXPECT_EQ(calculator().focus(), &calculator().entryBox());
}

TEST_F(CalculatorWindowTest, ClickingAnOptionThatIsOnAgainKeepsBandsAndValue) {
  chooseBands(6, 8, C::Orange);
  click(toleranceOption(C::Red));
  for (const Choice& option : {firstOption(6), secondOption(8), multiplierOption(C::Orange), toleranceOption(C::Red)}) {
    click(option);
    EXPECT_TRUE(ShowsBands(calculator(), C::Blue, C::Grey, C::Orange, C::Red)) << option;
    EXPECT_TRUE(ShowsValue(calculator(), "68000", "68", "0.068")) << option;
    EXPECT_EQ(calculator().toleranceBox().text(), "2");
  }
}

TEST_F(CalculatorWindowTest, RecomputingWithNoMultiplierOnShowsThePreviousValueAgain) {
  chooseBands(4, 7, C::Red);
  for (const Choice& c : groupOptions(BandGroup::Multiplier)) option(c).clear();
  calculator().ComputeValue(10, 0);
  EXPECT_EQ(calculator().ValueOhm, 4700);
  EXPECT_TRUE(ShowsValue(calculator(), "4700", "4.7", "0.0047"));
}

TEST_F(CalculatorWindowTest, ReadingABandWithNothingOnKeepsTheLastDigit) {
  chooseBands(4, 7, C::Red);
  for (const BandGroup g : {BandGroup::First, BandGroup::Second}) {
    for (const Choice& c : groupOptions(g)) option(c).clear();
  }
  EXPECT_EQ(calculator().ReadFirstBand(), 40);
  EXPECT_EQ(calculator().ReadSecondBand(), 7);
}

// --- The white multiplier ------------------------------------------------------------------------

TEST_F(CalculatorWindowTest, WhiteMultiplierIsHandledLikeTheOthers) {
  chooseBands(4, 7, C::Red);
  click(multiplierOption(C::White));
  EXPECT_TRUE(ShowsBands(calculator(), C::Yellow, C::Purple, C::White, C::Gold));
  EXPECT_EQ(calculator().bandLabel(Band::Multiplier).caption(), "白");
  EXPECT_TRUE(ShowsValue(calculator(), "47000000000", "47000000", "47000"));
  click(multiplierOption(C::Red));
  EXPECT_TRUE(ShowsBands(calculator(), C::Yellow, C::Purple, C::Red, C::Gold));
  EXPECT_TRUE(ShowsValue(calculator(), "4700", "4.7", "0.0047"));
}

TEST_F(CalculatorWindowTest, WhiteMultiplierHolderKeepsTheDesktopColourAndShowsTheNormalPointer) {
  EXPECT_EQ(option(multiplierOption(C::White)).backColour(), 0xFFFFFFu);
  EXPECT_EQ(calculator().swatch(BandGroup::Multiplier, C::White).backColour(), kSystemWindowBackground);
  EXPECT_EQ(option(multiplierOption(C::White)).pointer(), Pointer::Default);
  EXPECT_EQ(option(multiplierOption(C::Gold)).pointer(), Pointer::Arrow);
  EXPECT_EQ(option(multiplierOption(C::Silver)).pointer(), Pointer::Arrow);
}

// --- Pressing on a multiplier --------------------------------------------------------------------

TEST_F(CalculatorWindowTest, PressOnMultiplierEmptiesTheEntryThenTheClickShowsTheValue) {
  type("4700");
  ASSERT_TRUE(ShowsValue(calculator(), "4700", "4.7", "0.0047"));
  pressAndClick(multiplierOption(C::Red));  // already on
  EXPECT_EQ(calculator().entryBox().text(), "");
  EXPECT_EQ(platform.beeps(), 1);
  EXPECT_TRUE(ShowsBands(calculator(), C::Yellow, C::Purple, C::Red, C::Gold));
  EXPECT_TRUE(ShowsValue(calculator(), "4700", "4.7", "0.0047"));
  pressAndClick(multiplierOption(C::Orange));
  EXPECT_EQ(platform.beeps(), 1) << "an empty entry box stays quiet";
  EXPECT_TRUE(ShowsValue(calculator(), "47000", "47", "0.047"));
}

TEST_F(CalculatorWindowTest, PressOnMultiplierAloneBlanksTheValue) {
  type("47");
  option(multiplierOption(C::Silver)).onMouseDown();
  EXPECT_EQ(calculator().entryBox().text(), "");
  EXPECT_TRUE(ShowsNoValue(calculator()));
  EXPECT_EQ(platform.beeps(), 1);
  EXPECT_TRUE(ShowsBands(calculator(), C::Yellow, C::Purple, C::Black, C::Gold));
}

TEST_F(CalculatorWindowTest, EveryMultiplierHasThePressHandlerAndNoOtherOptionHas) {
  for (const BandGroup g : kBandGroups) {
    for (const Choice& c : groupOptions(g)) {
      EXPECT_EQ(static_cast<bool>(option(c).onMouseDown), g == BandGroup::Multiplier) << c;
      EXPECT_TRUE(static_cast<bool>(option(c).onClick)) << c;
    }
  }
}

// --- The gold and silver hint --------------------------------------------------------------------

TEST_F(CalculatorWindowTest, HintShowsOverGoldAndSilverAndStaysUntilTheBackground) {
  Label& hint = calculator().hintLabel();
  EXPECT_EQ(hint.caption(), "");
  EXPECT_EQ(hint.backColour(), 0xFFC0C0u);

  option(multiplierOption(C::Gold)).onMouseMove();
  EXPECT_EQ(hint.caption(), "10 * 0.1");
  EXPECT_EQ(hint.backColour(), 0x00C0C0u);
  EXPECT_EQ(hint.align(), Align::Centre);

  // Moving on to a band option does not hide it: only the window background does.
  if (option(firstOption(4)).onMouseMove) option(firstOption(4)).onMouseMove();
  EXPECT_EQ(hint.caption(), "10 * 0.1");

  option(multiplierOption(C::Silver)).onMouseMove();
  EXPECT_EQ(hint.caption(), "10 * 0.01");
  EXPECT_EQ(hint.backColour(), 0xE0E0E0u);

  calculator().onMouseMove();
  EXPECT_EQ(hint.caption(), "");
  EXPECT_EQ(hint.backColour(), 0xFFC0C0u);
}

TEST_F(CalculatorWindowTest, HintChangesNoBandOrValue) {
  chooseBands(4, 7, C::Red);
  option(multiplierOption(C::Gold)).onMouseMove();
  calculator().onMouseMove();
  EXPECT_TRUE(ShowsBands(calculator(), C::Yellow, C::Purple, C::Red, C::Gold));
  EXPECT_TRUE(ShowsValue(calculator(), "4700", "4.7", "0.0047"));
}

// --- The value boxes -----------------------------------------------------------------------------

TEST_F(CalculatorWindowTest, OnlyTheEntryBoxTakesTyping) {
  EXPECT_TRUE(calculator().ohmBox().readOnly());
  EXPECT_TRUE(calculator().kiloOhmBox().readOnly());
  EXPECT_TRUE(calculator().megaOhmBox().readOnly());
  EXPECT_TRUE(calculator().toleranceBox().readOnly());
  EXPECT_FALSE(calculator().entryBox().readOnly());
  EXPECT_EQ(calculator().entryBox().maxLength(), 10);
}

TEST_F(CalculatorWindowTest, TypingIsHeldToTenCharactersAndReadOnlyBoxesIgnoreIt) {
  calculator().entryBox().userEdit("123456789012");  // a paste longer than the box takes
  EXPECT_EQ(calculator().entryBox().text(), "1234567890");
  EXPECT_TRUE(ShowsBands(calculator(), C::Brown, C::Red, C::Grey, C::Gold));
  calculator().ohmBox().userEdit("999");
  EXPECT_EQ(calculator().ohmBox().text(), "1200000000");
}

}  // namespace
}  // namespace zen::test
