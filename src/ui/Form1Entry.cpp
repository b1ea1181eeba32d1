// The typed value: after every change of the entry box, its number picks the bands.

#include "App.h"
#include "EntryConversion.h"
#include "Form1.h"

namespace zen {

void Form1::Text5_Change() {
  const std::string text = Text5().text();
  if (text.empty()) {
    Text1().setText("");
    Text2().setText("");
    Text3().setText("");
  }
  // Everything the conversion needs is taken from the text now: the selections below rewrite
  // FirstDigitTens and SecondDigit while they run.
  const EntryBands r = ConvertEntry(text);
  if (!r.accepted) {
    Text5().setText("");  // runs this handler again for the empty text when it was not empty
    app().platform().beep();
    announceValue(std::nullopt);
    return;
  }
  if (r.row == PrefixRow::TwoDigits) {
    option(1 + *r.first).select();
    option(11 + *r.second).select();
    paintBand(Band::First, *colourOfDigit(*r.first));
    paintBand(Band::Second, *colourOfDigit(*r.second));
  } else {
    option(11).select();
    option(31).select();
    paintBand(Band::Multiplier, BandColour::Gold);
    if (r.row == PrefixRow::OneDigit) {
      option(1 + *r.first).select();
      paintBand(Band::First, *colourOfDigit(*r.first));
      bandLabel(Band::Second).setCaption(std::string(nameText(BandColour::Black)));
    }
  }
  if (r.multiplier) {
    const auto colour = static_cast<BandColour>(*r.multiplier);
    option(*optionOf(BandGroup::Multiplier, colour)).select();
    paintBand(Band::Multiplier, colour);
  }
  // Whatever the selections above announced, a typed value is heard with every band it changed.
  announceValue(std::nullopt);
}

// A press on the entry box clears it and the bands, ready for a new number.
void Form1::Text5_MouseDown() {
  app().platform().beep();
  Text5().setBackColour(kEntryBack);
  for (BandGroup g : kBandGroups) clearGroupExcept(g, {1, 11, 31, 39});
  startOver();
  announceValue(std::nullopt);
}

}  // namespace zen
