// What a screen reader hears of the calculator beyond its controls' names: the value after each
// choice or keystroke, the memory slots' contents, and what CLS cleared.

#include "App.h"
#include "BandValue.h"
#include "CalculatorWindow.h"

namespace zen {

namespace {

std::string colourName(Rgb display) {
  const auto colour = colourOfDisplay(display);
  return colour ? std::string(nameText(*colour)) : std::string("不明");
}

}  // namespace

std::string CalculatorWindow::valueForReader() const {
  std::string text = "値なし";
  if (!ohmBox().text().empty()) {
    const ValueInUnit v =
        ValueInOneUnit({ohmBox().text(), kiloOhmBox().text(), megaOhmBox().text()},
                       multiplierOption(BandColour::Gold).value() || multiplierOption(BandColour::Silver).value());
    text = v.number + " " + std::string(v.unit);
  }
  if (!toleranceBox().text().empty()) text += " ±" + toleranceBox().text() + "%";
  return text;
}

std::string CalculatorWindow::bandsForReader() const {
  std::string text;
  for (int b = 0; b < 4; ++b) {
    if (b > 0) text += ' ';
    text += colourName(bandPicture(static_cast<Band>(b)).backColour());
  }
  return text;
}

std::string CalculatorWindow::slotForReader(int k) const {
  const std::string& value = slotLabel(k).caption();
  if (value.empty()) return "空き";
  std::string text = value;
  // Appended piece by piece: GCC 12 warns (-Wrestrict, wrongly) on " " + a string at -O2.
  for (int b = 0; b < 4; ++b) {
    text += ' ';
    text += colourName(slotBand(k, b).backColour());
  }
  return text;
}

void CalculatorWindow::announceValue(std::optional<Band> chosen) {
  announce({});
  valueAnnounced_ = true;
  chosenBand_ = chosen;
}

std::string CalculatorWindow::takeAnnouncement() {
  std::string text = Window::takeAnnouncement();
  if (text.empty() && valueAnnounced_) {
    for (int b = 0; b < 4; ++b) {
      const Rgb now = bandPicture(static_cast<Band>(b)).backColour();
      if (chosenBand_ == static_cast<Band>(b) || now == announcedBands_[static_cast<std::size_t>(b)]) continue;
      text += std::to_string(b + 1) + "帯 " + colourName(now) + "、";
    }
    text += valueForReader();
  }
  valueAnnounced_ = false;
  for (int b = 0; b < 4; ++b) {
    announcedBands_[static_cast<std::size_t>(b)] = bandPicture(static_cast<Band>(b)).backColour();
  }
  return text;
}

}  // namespace zen
