// The typed value: after every change of the entry box, its number picks the bands.

#include "App.h"
#include "CalculatorWindow.h"
#include "EntryConversion.h"

namespace zen {

void CalculatorWindow::entryChanged() {
  const std::string text = entryBox().text();
  if (text.empty()) {
    ohmBox().setText("");
    kiloOhmBox().setText("");
    megaOhmBox().setText("");
  }
  // Everything the conversion needs is taken from the text now: the selections below rewrite
  // FirstDigitTens and SecondDigit while they run.
  const EntryBands r = ConvertEntry(text);
  if (!r.accepted) {
    entryBox().setText("");  // runs this handler again for the empty text when it was not empty
    app().platform().beep();
    announceValue(std::nullopt);
    return;
  }
  if (r.row == PrefixRow::TwoDigits) {
    firstBandOption(*r.first).select();
    secondBandOption(*r.second).select();
    paintBand(Band::First, *colourOfDigit(*r.first));
    paintBand(Band::Second, *colourOfDigit(*r.second));
  } else {
    secondBandOption(0).select();
    multiplierOption(BandColour::Gold).select();
    paintBand(Band::Multiplier, BandColour::Gold);
    if (r.row == PrefixRow::OneDigit) {
      firstBandOption(*r.first).select();
      paintBand(Band::First, *colourOfDigit(*r.first));
      bandLabel(Band::Second).setCaption(std::string(nameText(BandColour::Black)));
    }
  }
  if (r.multiplier) {
    const auto colour = static_cast<BandColour>(*r.multiplier);
    multiplierOption(colour).select();
    paintBand(Band::Multiplier, colour);
  }
  // Whatever the selections above announced, a typed value is heard with every band it changed.
  announceValue(std::nullopt);
}

// A press on the entry box clears it and the bands, ready for a new number.
void CalculatorWindow::entryPressed() {
  app().platform().beep();
  entryBox().setBackColour(kEntryBack);
  clearAllButResetOptions();
  startOver();
  announceValue(std::nullopt);
}

}  // namespace zen
