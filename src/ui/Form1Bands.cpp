// Choosing colours in the four band selectors, and the value they stand for.

#include <algorithm>

#include "App.h"
#include "BandValue.h"
#include "Form1.h"

namespace zen {

namespace {
constexpr int kFirstBlack = 1;
constexpr int kSecondBlack = 11;
constexpr int kMultiplierBlack = 21;
constexpr int kMultiplierGold = 31;
constexpr int kToleranceGold = 39;

int firstBandOption(int digit) { return 1 + digit; }
int secondBandOption(int digit) { return 11 + digit; }
}  // namespace

void Form1::paintBand(Band b, BandColour c) {
  bandPicture(b).setBackColour(displayColour(c));
  bandLabel(b).setCaption(std::string(nameText(c)));
}

void Form1::paintResetBands() {
  paintBand(Band::First, BandColour::Black);
  paintBand(Band::Second, BandColour::Black);
  paintBand(Band::Multiplier, BandColour::Gold);
  paintBand(Band::Tolerance, BandColour::Gold);
}

void Form1::blankValueTexts() {
  Text1().setText("");
  Text2().setText("");
  Text3().setText("");
}

void Form1::clearGroupExcept(BandGroup g, std::initializer_list<int> keep) {
  const OptionRange r = optionRange(g);
  for (int n = r.first; n <= r.last; ++n) {
    if (std::find(keep.begin(), keep.end(), n) == keep.end()) option(n).clear();
  }
}

void Form1::selectResetOptions() {
  option(kFirstBlack).select();
  option(kSecondBlack).select();
  option(kMultiplierGold).select();
  option(kToleranceGold).select();
}

void Form1::startOver() {
  selectResetOptions();
  paintResetBands();
  blankValueTexts();
  // Emptying a filled entry runs its change handler, which blanks the values once more and beeps.
  Text5().setText("");
}

int Form1::ReadFirstBand() {
  for (int d = 0; d <= 9; ++d) {
    if (option(firstBandOption(d)).value()) {
      FirstDigitTens = static_cast<std::int16_t>(10 * d);
      break;
    }
  }
  return FirstDigitTens;
}

int Form1::ReadSecondBand() {
  for (int d = 0; d <= 9; ++d) {
    if (option(secondBandOption(d)).value()) {
      SecondDigit = static_cast<std::int16_t>(d);
      break;
    }
  }
  return SecondDigit;
}

void Form1::ComputeValue(std::int16_t tens, std::int16_t digit) {
  std::optional<BandColour> multiplier;
  const OptionRange r = optionRange(BandGroup::Multiplier);
  for (int n = r.first; n <= r.last; ++n) {
    if (option(n).value()) {
      multiplier = optionColour(BandGroup::Multiplier, n);
      break;
    }
  }
  const BandValue v = ComputeBandValue(tens, digit, multiplier, ValueOhm);
  ValueOhm = v.ohm;
  ValueKiloOhm = v.kiloOhm;
  ValueMegaOhm = v.megaOhm;
  ValueTexts t = FormatValue(v);
  Text1().setText(std::move(t.ohm));
  Text2().setText(std::move(t.kiloOhm));
  Text3().setText(std::move(t.megaOhm));
}

// First band black starts over: black, black, gold, gold and no value.
void Form1::Option1_Click() {
  for (BandGroup g : kBandGroups) clearGroupExcept(g, {kFirstBlack, kSecondBlack, kMultiplierGold, kToleranceGold});
  FirstDigitTens = 0;
  selectResetOptions();
  paintResetBands();
  blankValueTexts();
  setFocus(Text5());
  announceValue(Band::First);
}

void Form1::firstBandChoice(int digit) {
  const int own = firstBandOption(digit);
  clearGroupExcept(BandGroup::First, {own});
  option(own).select();
  FirstDigitTens = static_cast<std::int16_t>(10 * digit);
  paintBand(Band::First, *colourOfDigit(digit));
  SecondDigit = static_cast<std::int16_t>(ReadSecondBand());
  ComputeValue(FirstDigitTens, SecondDigit);
  announceValue(Band::First);
}

void Form1::Option11_Click() {
  clearGroupExcept(BandGroup::Second, {kSecondBlack});
  option(kSecondBlack).select();
  SecondDigit = 0;
  paintBand(Band::Second, BandColour::Black);
  if (option(kFirstBlack).value()) {
    option(kMultiplierGold).select();
  } else {
    FirstDigitTens = static_cast<std::int16_t>(ReadFirstBand());
  }
  ComputeValue(FirstDigitTens, SecondDigit);
  announceValue(Band::Second);
}

void Form1::secondBandChoice(int digit) {
  const int own = secondBandOption(digit);
  clearGroupExcept(BandGroup::Second, {own});
  option(own).select();
  SecondDigit = static_cast<std::int16_t>(digit);
  paintBand(Band::Second, *colourOfDigit(digit));
  if (option(kMultiplierGold).value()) option(kMultiplierBlack).select();
  if (!option(kFirstBlack).value()) {
    FirstDigitTens = static_cast<std::int16_t>(ReadFirstBand());
  } else {
    // A digit in the second band after a black first band means a single-digit value: the digit
    // moves to the first band and the rest becomes black, gold.
    option(firstBandOption(digit)).select();
    FirstDigitTens = static_cast<std::int16_t>(10 * digit);
    option(kSecondBlack).select();
    SecondDigit = 0;
    option(kMultiplierGold).select();
  }
  ComputeValue(FirstDigitTens, SecondDigit);
  announceValue(Band::Second);
}

void Form1::multiplierChoice(BandColour colour) {
  const int own = *optionOf(BandGroup::Multiplier, colour);
  clearGroupExcept(BandGroup::Multiplier, {own});
  option(own).select();
  paintBand(Band::Multiplier, colour);
  FirstDigitTens = static_cast<std::int16_t>(ReadFirstBand());
  SecondDigit = static_cast<std::int16_t>(ReadSecondBand());
  if (FirstDigitTens == 0 && SecondDigit == 0) {
    blankValueTexts();
  } else {
    ComputeValue(FirstDigitTens, SecondDigit);
  }
  announceValue(Band::Multiplier);
}

void Form1::toleranceChoice(BandColour colour) {
  bandPicture(Band::Tolerance).setBackColour(displayColour(colour));
  Text4().setText(std::string(toleranceText(colour)));
  const int own = *optionOf(BandGroup::Tolerance, colour);
  option(own).select();
  clearGroupExcept(BandGroup::Tolerance, {own});
  bandLabel(Band::Tolerance).setCaption(std::string(nameText(colour)));
  announceValue(Band::Tolerance);
}

// Pressing on a multiplier empties the typed value: the bands no longer come from it.
void Form1::multiplierMouseDown() { Text5().setText(""); }

void Form1::goldSilverHint(BandColour colour) {
  Label29().setBackColour(displayColour(colour));
  Label29().setAlign(Align::Centre);
  Label29().setCaption(colour == BandColour::Gold ? "10 * 0.1" : "10 * 0.01");
}

void Form1::Form_MouseMove() {
  Label25().setForeColour(kLinkRestColour);
  Label29().setBackColour(kForm1Back);
  Label29().setCaption("");
}

void Form1::Label25_MouseMove() { Label25().setForeColour(kLinkHoverColour); }

}  // namespace zen
