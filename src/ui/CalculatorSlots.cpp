// The five memory slots A..E and the CLS button.

#include "App.h"
#include "BandValue.h"
#include "CalculatorWindow.h"
#include "Numbers.h"
#include "SavedValues.h"

namespace zen {

namespace {
// A stored band colour as a paint colour: anything that is not a 24-bit colour paints black.
Rgb storedColour(const std::string& text) {
  const double v = RoundHalfEven(LeadingNumber(text));
  if (!(v >= 0 && v <= 0xFFFFFF)) return 0x000000;
  return static_cast<Rgb>(v);
}
}  // namespace

std::string CalculatorWindow::SlotValueText() const {
  const ValueInUnit v =
      ValueInOneUnit({ohmBox().text(), kiloOhmBox().text(), megaOhmBox().text()},
                     multiplierOption(BandColour::Gold).value() || multiplierOption(BandColour::Silver).value());
  return v.number + std::string(v.unit);
}

void CalculatorWindow::StoreSlot(int slot) {
  App& a = app();
  a.platform().beep();
  slotLabel(slot).setCaption(SlotValueText());
  for (int b = 0; b < 4; ++b) {
    a.savedValues().set(entry::slotBand(slot, b), std::to_string(bandPicture(static_cast<Band>(b)).backColour()));
  }
  a.savedValues().set(entry::slotValue(slot), slotLabel(slot).caption());
  for (int b = 0; b < 4; ++b) {
    slotBand(slot, b).setBackColour(storedColour(a.savedValues().get(entry::slotBand(slot, b))));
  }
  slotButton(slot).setAccessibleDescription(slotForReader(slot));
  announce(std::string("メモリ") + static_cast<char>('A' + slot) + "に保存 " + slotForReader(slot));
}

void CalculatorWindow::RestoreSlots() {
  const SavedValues& values = app().savedValues();
  for (int k = 0; k < entry::kSlotCount; ++k) {
    slotLabel(k).setCaption(values.get(entry::slotValue(k)));
    for (int b = 0; b < 4; ++b) slotBand(k, b).setBackColour(storedColour(values.get(entry::slotBand(k, b))));
    slotButton(k).setAccessibleDescription(slotForReader(k));
  }
}

void CalculatorWindow::clsPressed() {
  app().platform().beep();
  const std::string cleared = "消去 " + bandsForReader() + " " + valueForReader();
  firstBandOption(0).select();
  clearGroupExcept(BandGroup::First, BandColour::Black);
  for (int d = 0; d <= 9; ++d) secondBandOption(d).clear();
  multiplierOption(BandColour::Black).select();
  clearGroupExcept(BandGroup::Multiplier, BandColour::Black);
  startOver();
  setFocus(entryBox());
  announce(cleared);
}

}  // namespace zen
