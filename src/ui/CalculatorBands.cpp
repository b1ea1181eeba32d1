// Choosing colours in the four band selectors, and the value they stand for.

#include "App.h"
#include "BandValue.h"
#include "CalculatorWindow.h"

namespace zen {

void CalculatorWindow::paintBand(Band b, BandColour c) {
  bandPicture(b).setBackColour(displayColour(c));
  bandLabel(b).setCaption(std::string(nameText(c)));
}

void CalculatorWindow::paintResetBands() {
  paintBand(Band::First, BandColour::Black);
  paintBand(Band::Second, BandColour::Black);
  paintBand(Band::Multiplier, BandColour::Gold);
  paintBand(Band::Tolerance, BandColour::Gold);
}

void CalculatorWindow::blankValueTexts() {
  ohmBox().setText("");
  kiloOhmBox().setText("");
  megaOhmBox().setText("");
}

void CalculatorWindow::clearGroupExcept(BandGroup g, BandColour keep) {
  const OptionRange r = optionRange(g);
  for (int n = r.first; n <= r.last; ++n) {
    if (optionColour(g, n) != keep) options_.at(static_cast<std::size_t>(n - 1))->clear();
  }
}

void CalculatorWindow::clearAllButResetOptions() {
  clearGroupExcept(BandGroup::First, BandColour::Black);
  clearGroupExcept(BandGroup::Second, BandColour::Black);
  clearGroupExcept(BandGroup::Multiplier, BandColour::Gold);
  clearGroupExcept(BandGroup::Tolerance, BandColour::Gold);
}

void CalculatorWindow::selectResetOptions() {
  firstBandOption(0).select();
  secondBandOption(0).select();
  multiplierOption(BandColour::Gold).select();
  toleranceOption(BandColour::Gold).select();
}

void CalculatorWindow::startOver() {
  selectResetOptions();
  paintResetBands();
  blankValueTexts();
  // Emptying a filled entry runs its change handler, which blanks the values once more and beeps.
  entryBox().setText("");
}

int CalculatorWindow::ReadFirstBand() {
  for (int d = 0; d <= 9; ++d) {
    if (firstBandOption(d).value()) {
      FirstDigitTens = static_cast<std::int16_t>(10 * d);
      break;
    }
  }
  return FirstDigitTens;
}

int CalculatorWindow::ReadSecondBand() {
  for (int d = 0; d <= 9; ++d) {
    if (secondBandOption(d).value()) {
      SecondDigit = static_cast<std::int16_t>(d);
      break;
    }
  }
  return SecondDigit;
}

void CalculatorWindow::ComputeValue(std::int16_t tens, std::int16_t digit) {
  std::optional<BandColour> multiplier;
  const OptionRange r = optionRange(BandGroup::Multiplier);
  for (int n = r.first; n <= r.last; ++n) {
    if (options_.at(static_cast<std::size_t>(n - 1))->value()) {
      multiplier = optionColour(BandGroup::Multiplier, n);
      break;
    }
  }
  const BandValue v = ComputeBandValue(tens, digit, multiplier, ValueOhm);
  ValueOhm = v.ohm;
  ValueKiloOhm = v.kiloOhm;
  ValueMegaOhm = v.megaOhm;
  ValueTexts t = FormatValue(v);
  ohmBox().setText(std::move(t.ohm));
  kiloOhmBox().setText(std::move(t.kiloOhm));
  megaOhmBox().setText(std::move(t.megaOhm));
}

// First band black starts over: black, black, gold, gold and no value.
void CalculatorWindow::firstBandBlackChosen() {
  clearAllButResetOptions();
  FirstDigitTens = 0;
  selectResetOptions();
  paintResetBands();
  blankValueTexts();
  setFocus(entryBox());
  announceValue(Band::First);
}

void CalculatorWindow::firstBandChosen(int digit) {
  clearGroupExcept(BandGroup::First, digitColour(digit));
  firstBandOption(digit).select();
  FirstDigitTens = static_cast<std::int16_t>(10 * digit);
  paintBand(Band::First, *colourOfDigit(digit));
  SecondDigit = static_cast<std::int16_t>(ReadSecondBand());
  ComputeValue(FirstDigitTens, SecondDigit);
  announceValue(Band::First);
}

void CalculatorWindow::secondBandBlackChosen() {
  clearGroupExcept(BandGroup::Second, BandColour::Black);
  secondBandOption(0).select();
  SecondDigit = 0;
  paintBand(Band::Second, BandColour::Black);
  if (firstBandOption(0).value()) {
    multiplierOption(BandColour::Gold).select();
  } else {
    FirstDigitTens = static_cast<std::int16_t>(ReadFirstBand());
  }
  ComputeValue(FirstDigitTens, SecondDigit);
  announceValue(Band::Second);
}

void CalculatorWindow::secondBandChosen(int digit) {
  clearGroupExcept(BandGroup::Second, digitColour(digit));
  secondBandOption(digit).select();
  SecondDigit = static_cast<std::int16_t>(digit);
  paintBand(Band::Second, *colourOfDigit(digit));
  if (multiplierOption(BandColour::Gold).value()) multiplierOption(BandColour::Black).select();
  if (!firstBandOption(0).value()) {
    FirstDigitTens = static_cast<std::int16_t>(ReadFirstBand());
  } else {
    // A digit in the second band after a black first band means a single-digit value: the digit
    // moves to the first band and the rest becomes black, gold.
    firstBandOption(digit).select();
    FirstDigitTens = static_cast<std::int16_t>(10 * digit);
    secondBandOption(0).select();
    SecondDigit = 0;
    multiplierOption(BandColour::Gold).select();
  }
  ComputeValue(FirstDigitTens, SecondDigit);
  announceValue(Band::Second);
}

void CalculatorWindow::multiplierChosen(BandColour colour) {
  clearGroupExcept(BandGroup::Multiplier, colour);
  multiplierOption(colour).select();
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

void CalculatorWindow::toleranceChosen(BandColour colour) {
  bandPicture(Band::Tolerance).setBackColour(displayColour(colour));
  toleranceBox().setText(std::string(toleranceText(colour)));
  toleranceOption(colour).select();
  clearGroupExcept(BandGroup::Tolerance, colour);
  bandLabel(Band::Tolerance).setCaption(std::string(nameText(colour)));
  announceValue(Band::Tolerance);
}

// Pressing on a multiplier empties the typed value: the bands no longer come from it.
void CalculatorWindow::multiplierPressed() { entryBox().setText(""); }

void CalculatorWindow::goldSilverHovered(BandColour colour) {
  hintLabel().setBackColour(displayColour(colour));
  hintLabel().setAlign(Align::Centre);
  hintLabel().setCaption(colour == BandColour::Gold ? "10 * 0.1" : "10 * 0.01");
}

void CalculatorWindow::backgroundHovered() {
  homepageLink().setForeColour(kLinkRestColour);
  hintLabel().setBackColour(kCalculatorBack);
  hintLabel().setCaption("");
}

void CalculatorWindow::homepageLinkHovered() { homepageLink().setForeColour(kLinkHoverColour); }

}  // namespace zen
