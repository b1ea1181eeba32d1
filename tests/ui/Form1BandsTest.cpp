// Choosing colours with the mouse: what every choice does to the four bands, the value and the
// tolerance, and the extras on the multiplier options.

#include <string>
#include <vector>

#include "Form1Fixture.h"

namespace zen::test {
namespace {

// The gold multiplier's ×0.1 and the silver one's ×0.01 are doubles: the value is one rounded
// product, and the texts still read as the user expects.
constexpr double kGoldFactor = 0.1;

// --- One user choice after a few others, from the start state ------------------------------------

struct ChoiceCase {
  const char* name;
  std::vector<int> before;  // options clicked first, in order
  int choice;               // the option clicked last
  BandColour first, second, multiplier, tolerance;
  int firstDigitTens, secondDigit;
  const char* ohm;
  const char* kiloOhm;
  const char* megaOhm;
  const char* toleranceText;
};

const ChoiceCase kChoiceCases[] = {
    {"FirstBlackResetsEverything", {5, 18, 23, 40}, 1, C::Black, C::Black, C::Gold, C::Gold, 0, 0, "", "", "", "5"},
    {"FirstDigitKeepsTheOthers", {5, 18, 23}, 3, C::Red, C::Purple, C::Red, C::Gold, 20, 7, "2700", "2.7", "0.0027",
     "5"},
    {"SecondBlackAfterFirstBlackTurnsMultiplierGold", {23}, 11, C::Black, C::Black, C::Gold, C::Gold, 0, 0, "0", "0",
     "0", "5"},
    {"SecondBlackAfterADigit", {5, 18, 23}, 11, C::Yellow, C::Black, C::Red, C::Gold, 40, 0, "4000", "4", "0.004",
     "5"},
    {"SecondDigitAfterFirstBlackMovesToFirst", {}, 15, C::Yellow, C::Black, C::Gold, C::Gold, 40, 0, "4", "0.004",
     "4E-06", "5"},
    {"SecondDigitTurnsGoldMultiplierBlack", {5, 18}, 13, C::Yellow, C::Red, C::Black, C::Gold, 40, 2, "42", "0.042",
     "4.2E-05", "5"},
    {"SecondDigitKeepsOtherMultiplier", {5, 18, 23}, 13, C::Yellow, C::Red, C::Red, C::Gold, 40, 2, "4200", "4.2",
     "0.0042", "5"},
    {"MultiplierWithBothDigitsZeroLeavesValueBlank", {}, 23, C::Black, C::Black, C::Red, C::Gold, 0, 0, "", "", "",
     "5"},
    {"MultiplierWithADigit", {5, 18}, 24, C::Yellow, C::Purple, C::Orange, C::Gold, 40, 7, "47000", "47", "0.047",
     "5"},
    {"ToleranceChangesOnlyTheFourthBand", {5, 18, 23}, 37, C::Yellow, C::Purple, C::Red, C::Brown, 40, 7, "4700",
     "4.7", "0.0047", "1"},
};

class BandChoice : public Form1Test, public ::testing::WithParamInterface<ChoiceCase> {};

TEST_P(BandChoice, LeavesBandsStateAndTexts) {
  const ChoiceCase& c = GetParam();
  for (int option : c.before) click(option);
  form().setFocus(form().get<CommandButton>("Command11"));
  click(c.choice);
  EXPECT_TRUE(ShowsBands(form(), c.first, c.second, c.multiplier, c.tolerance));
  EXPECT_EQ(form().FirstDigitTens, c.firstDigitTens);
  EXPECT_EQ(form().SecondDigit, c.secondDigit);
  EXPECT_TRUE(ShowsValue(form(), c.ohm, c.kiloOhm, c.megaOhm));
  EXPECT_EQ(form().Text4().text(), c.toleranceText);
  EXPECT_EQ(platform.beeps(), 0);
  if (c.choice == 1) {
    EXPECT_EQ(form().focus(), &form().Text5());
  } else {
    EXPECT_NE(form().focus(), &form().Text5()) << "only the reset moves the focus";
  }
}

INSTANTIATE_TEST_SUITE_P(Rules, BandChoice, ::testing::ValuesIn(kChoiceCases),
                         [](const auto& info) { return std::string(info.param.name); });

// --- Each digit in each digit band ---------------------------------------------------------------

class DigitChoice : public Form1Test, public ::testing::WithParamInterface<int> {};

TEST_P(DigitChoice, FirstBandTakesTheDigitAndRereadsTheSecond) {
  const int d = GetParam();
  chooseBands(4, 7, C::Red);
  click(firstOption(d));
  const auto colour = static_cast<BandColour>(d);
  EXPECT_TRUE(ShowsBands(form(), colour, C::Purple, C::Red, C::Gold));
  EXPECT_EQ(form().FirstDigitTens, 10 * d);
  EXPECT_EQ(form().SecondDigit, 7);
  const std::string digit = std::to_string(d);
  EXPECT_TRUE(ShowsValue(form(), digit + "700", digit + ".7", "0.00" + digit + "7"));
}

TEST_P(DigitChoice, SecondBandAfterBlackFirstBandGivesThatManyOhms) {
  const int d = GetParam();
  click(secondOption(d));
  EXPECT_TRUE(ShowsBands(form(), static_cast<BandColour>(d), C::Black, C::Gold, C::Gold));
  EXPECT_EQ(form().FirstDigitTens, 10 * d);
  EXPECT_EQ(form().SecondDigit, 0);
  const std::string digit = std::to_string(d);
  EXPECT_TRUE(ShowsValue(form(), digit, "0.00" + digit, digit + "E-06"));
}

TEST_P(DigitChoice, FirstAndSecondBandChoiceFromStartAgree) {
  const int d = GetParam();
  click(firstOption(d));
  const std::string viaFirst = form().Text1().text();
  EXPECT_TRUE(ShowsBands(form(), static_cast<BandColour>(d), C::Black, C::Gold, C::Gold));
  click(1);
  click(secondOption(d));
  EXPECT_TRUE(ShowsBands(form(), static_cast<BandColour>(d), C::Black, C::Gold, C::Gold));
  EXPECT_EQ(form().Text1().text(), viaFirst);
  EXPECT_EQ(viaFirst, std::to_string(d));
}

TEST_P(DigitChoice, SecondBandDigitWithFirstBandSet) {
  const int d = GetParam();
  chooseBands(6, 8, C::Orange);
  click(secondOption(d));
  EXPECT_TRUE(ShowsBands(form(), C::Blue, static_cast<BandColour>(d), C::Orange, C::Gold));
  EXPECT_EQ(form().FirstDigitTens, 60);
  EXPECT_EQ(form().SecondDigit, d);
  const std::string digit = std::to_string(d);
  EXPECT_TRUE(ShowsValue(form(), "6" + digit + "000", "6" + digit, "0.06" + digit));
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

class MultiplierChoice : public Form1Test, public ::testing::WithParamInterface<MultiplierCase> {};

TEST_P(MultiplierChoice, ScalesFortySeven) {
  const MultiplierCase& c = GetParam();
  click(5);
  click(18);
  click(multiplierOption(c.colour));
  EXPECT_TRUE(ShowsBands(form(), C::Yellow, C::Purple, c.colour, C::Gold));
  EXPECT_TRUE(ShowsValue(form(), c.ohm, c.kiloOhm, c.megaOhm));
}

TEST_P(MultiplierChoice, WithoutDigitsPaintsTheBandAndLeavesTheValueBlank) {
  const MultiplierCase& c = GetParam();
  click(multiplierOption(c.colour));
  EXPECT_TRUE(ShowsBands(form(), C::Black, C::Black, c.colour, C::Gold));
  EXPECT_TRUE(ShowsNoValue(form()));
}

TEST_P(MultiplierChoice, LeavesNoOtherMultiplierOnWhicheverWasOnBefore) {
  const BandColour chosen = GetParam().colour;
  click(5);
  click(18);
  for (const MultiplierCase& before : kMultiplierCases) {
    click(multiplierOption(before.colour));
    click(multiplierOption(chosen));
    EXPECT_TRUE(ShowsBands(form(), C::Yellow, C::Purple, chosen, C::Gold))
        << "after " << look(before.colour).name;
    EXPECT_EQ(form().Text1().text(), GetParam().ohm) << "after " << look(before.colour).name;
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

class ToleranceChoice : public Form1Test, public ::testing::WithParamInterface<ToleranceCase> {};

TEST_P(ToleranceChoice, ChangesOnlyTheFourthBandAndItsText) {
  const ToleranceCase& c = GetParam();
  chooseBands(6, 8, C::Orange);
  click(toleranceOption(C::Silver));
  const double ohm = form().ValueOhm;
  click(toleranceOption(c.colour));
  EXPECT_TRUE(ShowsBands(form(), C::Blue, C::Grey, C::Orange, c.colour));
  EXPECT_EQ(form().Text4().text(), c.text);
  EXPECT_TRUE(ShowsValue(form(), "68000", "68", "0.068"));
  EXPECT_EQ(form().ValueOhm, ohm);
  EXPECT_EQ(form().FirstDigitTens, 60);
  EXPECT_EQ(form().SecondDigit, 8);
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

class WorkedValues : public Form1Test, public ::testing::WithParamInterface<WorkedValue> {};

TEST_P(WorkedValues, ShowInAllThreeUnits) {
  const WorkedValue& w = GetParam();
  chooseBands(w.first, w.second, w.multiplier);
  EXPECT_TRUE(ShowsBands(form(), static_cast<BandColour>(w.first), static_cast<BandColour>(w.second), w.multiplier,
                         C::Gold));
  EXPECT_TRUE(ShowsValue(form(), w.ohm, w.kiloOhm, w.megaOhm));
  EXPECT_EQ(form().ValueKiloOhm, form().ValueOhm / 1000);
  EXPECT_EQ(form().ValueMegaOhm, form().ValueKiloOhm / 1000);
}

INSTANTIATE_TEST_SUITE_P(Bands, WorkedValues, ::testing::ValuesIn(kWorkedValues));

TEST_F(Form1Test, ThreeThreeGoldIsOneRoundedProductShownAsThreePointThree) {
  chooseBands(3, 3, C::Gold);
  EXPECT_EQ(form().ValueOhm, 33 * kGoldFactor);
  EXPECT_NE(form().ValueOhm, 3.3);
  EXPECT_EQ(form().Text1().text(), "3.3");
}

TEST_F(Form1Test, NinetyNineGigaohmsIsExact) {
  chooseBands(9, 9, C::White);
  EXPECT_EQ(form().ValueOhm, 99e9);
}

// --- Sequences of choices ------------------------------------------------------------------------

TEST_F(Form1Test, RedMultiplierThenBlackSecondBandFromStartShowsZero) {
  click(multiplierOption(C::Red));
  EXPECT_TRUE(ShowsNoValue(form()));
  click(secondOption(0));  // already on: its handling runs again
  EXPECT_TRUE(ShowsBands(form(), C::Black, C::Black, C::Gold, C::Gold));
  EXPECT_TRUE(ShowsValue(form(), "0", "0", "0"));
}

TEST_F(Form1Test, SecondBandYellowAfterGoldMultiplierSwitchesToBlack) {
  chooseBands(4, 7, C::Gold);
  EXPECT_TRUE(ShowsValue(form(), "4.7", "0.0047", "4.7E-06"));
  click(secondOption(4));
  EXPECT_TRUE(ShowsBands(form(), C::Yellow, C::Yellow, C::Black, C::Gold));
  EXPECT_TRUE(ShowsValue(form(), "44", "0.044", "4.4E-05"));
}

TEST_F(Form1Test, FirstBandBlackBlanksAShownValueAndResetsTheTolerance) {
  chooseBands(4, 7, C::Red);
  click(toleranceOption(C::Silver));
  EXPECT_EQ(form().Text4().text(), "10");
  form().setFocus(form().Text1());
  click(firstOption(0));
  EXPECT_TRUE(ShowsBands(form(), C::Black, C::Black, C::Gold, C::Gold));
  EXPECT_EQ(form().Text4().text(), "5");
  EXPECT_TRUE(ShowsNoValue(form()));
  EXPECT_EQ(form().FirstDigitTens, 0);
  EXPECT_EQ(form().focus(), &form().Text5());
}

TEST_F(Form1Test, ClickingBlackFirstBandAgainRepeatsTheReset) {
  click(multiplierOption(C::Purple));
  click(toleranceOption(C::None));
  ASSERT_TRUE(form().option(1).value());
  form().setFocus(form().Text2());
  click(1);
  EXPECT_TRUE(ShowsBands(form(), C::Black, C::Black, C::Gold, C::Gold));
  EXPECT_EQ(form().Text4().text(), "5");
  EXPECT_EQ(form().focus(), &form().Text5());
}

TEST_F(Form1Test, ClickingAnOptionThatIsOnAgainKeepsBandsAndValue) {
  chooseBands(6, 8, C::Orange);
  click(toleranceOption(C::Red));
  for (int option : {firstOption(6), secondOption(8), multiplierOption(C::Orange), toleranceOption(C::Red)}) {
    click(option);
    EXPECT_TRUE(ShowsBands(form(), C::Blue, C::Grey, C::Orange, C::Red)) << "Option" << option;
    EXPECT_TRUE(ShowsValue(form(), "68000", "68", "0.068")) << "Option" << option;
    EXPECT_EQ(form().Text4().text(), "2");
  }
}

TEST_F(Form1Test, RecomputingWithNoMultiplierOnShowsThePreviousValueAgain) {
  chooseBands(4, 7, C::Red);
  for (int n = 21; n <= 32; ++n) form().option(n).clear();
  form().ComputeValue(10, 0);
  EXPECT_EQ(form().ValueOhm, 4700);
  EXPECT_TRUE(ShowsValue(form(), "4700", "4.7", "0.0047"));
}

TEST_F(Form1Test, ReadingABandWithNothingOnKeepsTheLastDigit) {
  chooseBands(4, 7, C::Red);
  for (int n = 1; n <= 20; ++n) form().option(n).clear();
  EXPECT_EQ(form().ReadFirstBand(), 40);
  EXPECT_EQ(form().ReadSecondBand(), 7);
}

// --- The white multiplier ------------------------------------------------------------------------

TEST_F(Form1Test, WhiteMultiplierIsHandledLikeTheOthers) {
  chooseBands(4, 7, C::Red);
  click(multiplierOption(C::White));
  EXPECT_TRUE(ShowsBands(form(), C::Yellow, C::Purple, C::White, C::Gold));
  EXPECT_EQ(form().bandLabel(Band::Multiplier).caption(), "白");
  EXPECT_TRUE(ShowsValue(form(), "47000000000", "47000000", "47000"));
  click(multiplierOption(C::Red));
  EXPECT_TRUE(ShowsBands(form(), C::Yellow, C::Purple, C::Red, C::Gold));
  EXPECT_TRUE(ShowsValue(form(), "4700", "4.7", "0.0047"));
}

TEST_F(Form1Test, WhiteMultiplierHolderKeepsTheDesktopColourAndShowsTheNormalPointer) {
  EXPECT_EQ(form().option(30).backColour(), 0xFFFFFFu);
  EXPECT_EQ(form().swatch(30).backColour(), kSystemWindowBackground);
  EXPECT_EQ(form().option(30).pointer(), Pointer::Default);
  EXPECT_EQ(form().option(31).pointer(), Pointer::Arrow);
  EXPECT_EQ(form().option(32).pointer(), Pointer::Arrow);
}

// --- Pressing on a multiplier --------------------------------------------------------------------

TEST_F(Form1Test, PressOnMultiplierEmptiesTheEntryThenTheClickShowsTheValue) {
  type("4700");
  ASSERT_TRUE(ShowsValue(form(), "4700", "4.7", "0.0047"));
  pressAndClick(multiplierOption(C::Red));  // already on
  EXPECT_EQ(form().Text5().text(), "");
  EXPECT_EQ(platform.beeps(), 1);
  EXPECT_TRUE(ShowsBands(form(), C::Yellow, C::Purple, C::Red, C::Gold));
  EXPECT_TRUE(ShowsValue(form(), "4700", "4.7", "0.0047"));
  pressAndClick(multiplierOption(C::Orange));
  EXPECT_EQ(platform.beeps(), 1) << "an empty entry box stays quiet";
  EXPECT_TRUE(ShowsValue(form(), "47000", "47", "0.047"));
}

TEST_F(Form1Test, PressOnMultiplierAloneBlanksTheValue) {
  type("47");
  form().option(multiplierOption(C::Silver)).onMouseDown();
  EXPECT_EQ(form().Text5().text(), "");
  EXPECT_TRUE(ShowsNoValue(form()));
  EXPECT_EQ(platform.beeps(), 1);
  EXPECT_TRUE(ShowsBands(form(), C::Yellow, C::Purple, C::Black, C::Gold));
}

TEST_F(Form1Test, EveryMultiplierHasThePressHandlerAndNoOtherOptionHas) {
  for (int n = 1; n <= kOptionCount; ++n) {
    EXPECT_EQ(static_cast<bool>(form().option(n).onMouseDown), n >= 21 && n <= 32) << "Option" << n;
    EXPECT_TRUE(static_cast<bool>(form().option(n).onClick)) << "Option" << n;
  }
}

// --- The gold and silver hint --------------------------------------------------------------------

TEST_F(Form1Test, HintShowsOverGoldAndSilverAndStaysUntilTheBackground) {
  Label& hint = form().Label29();
  EXPECT_EQ(hint.caption(), "");
  EXPECT_EQ(hint.backColour(), 0xFFC0C0u);

  form().option(31).onMouseMove();
  EXPECT_EQ(hint.caption(), "10 * 0.1");
  EXPECT_EQ(hint.backColour(), 0x00C0C0u);
  EXPECT_EQ(hint.align(), Align::Centre);

  // Moving on to a band option does not hide it: only the window background does.
  if (form().option(5).onMouseMove) form().option(5).onMouseMove();
  EXPECT_EQ(hint.caption(), "10 * 0.1");

  form().option(32).onMouseMove();
  EXPECT_EQ(hint.caption(), "10 * 0.01");
  EXPECT_EQ(hint.backColour(), 0xE0E0E0u);

  form().onMouseMove();
  EXPECT_EQ(hint.caption(), "");
  EXPECT_EQ(hint.backColour(), 0xFFC0C0u);
}

TEST_F(Form1Test, HintChangesNoBandOrValue) {
  chooseBands(4, 7, C::Red);
  form().option(31).onMouseMove();
  form().onMouseMove();
  EXPECT_TRUE(ShowsBands(form(), C::Yellow, C::Purple, C::Red, C::Gold));
  EXPECT_TRUE(ShowsValue(form(), "4700", "4.7", "0.0047"));
}

// --- The value boxes -----------------------------------------------------------------------------

TEST_F(Form1Test, OnlyTheEntryBoxTakesTyping) {
  EXPECT_TRUE(form().Text1().readOnly());
  EXPECT_TRUE(form().Text2().readOnly());
  EXPECT_TRUE(form().Text3().readOnly());
  EXPECT_TRUE(form().Text4().readOnly());
  EXPECT_FALSE(form().Text5().readOnly());
  EXPECT_EQ(form().Text5().maxLength(), 10);
}

TEST_F(Form1Test, TypingIsHeldToTenCharactersAndReadOnlyBoxesIgnoreIt) {
  form().Text5().userEdit("123456789012");  // a paste longer than the box takes
  EXPECT_EQ(form().Text5().text(), "1234567890");
  EXPECT_TRUE(ShowsBands(form(), C::Brown, C::Red, C::Grey, C::Gold));
  form().Text1().userEdit("999");
  EXPECT_EQ(form().Text1().text(), "1200000000");
}

}  // namespace
}  // namespace zen::test
