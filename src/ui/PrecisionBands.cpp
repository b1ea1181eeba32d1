// Choosing the five- and six-band window's bands: by colour, by a typed value or colour code, by
// an SMD marking; the value and the answer lines they give, and what a screen reader hears.

#include <algorithm>
#include <span>
#include <vector>

#include "App.h"
#include "CalculatorWindow.h"
#include "PrecisionAnswers.h"
#include "PrecisionWindow.h"

namespace zen {

namespace {

constexpr Rgb kRefusalColour = 0x0000C0;

// The window names the finer series, E24 on; a value three digits cannot carry is told against
// the finest two, E96 and E192.
std::span<const NamedSeries> windowSeries() { return std::span(kNamedSeries).subspan(1); }
std::span<const NamedSeries> finestSeries() { return std::span(kNamedSeries).subspan(3); }

std::size_t at(PrecisionBand b) { return static_cast<std::size_t>(b); }

constexpr PrecisionBand kDigitBands[] = {PrecisionBand::First, PrecisionBand::Second, PrecisionBand::Third};

std::vector<std::string> wordsOf(std::string_view text) {
  std::vector<std::string> words;
  std::size_t start = 0;
  while (start < text.size()) {
    const std::size_t end = std::min(text.find_first_of(" \t", start), text.size());
    if (end > start) words.emplace_back(text.substr(start, end - start));
    start = end + 1;
  }
  return words;
}

std::string joined(std::initializer_list<std::string_view> parts) {
  std::string text;
  for (std::string_view p : parts) {
    if (p.empty()) continue;
    if (!text.empty()) text += "。";
    text += p;
  }
  return text;
}

}  // namespace

void PrecisionWindow::showChoice(PrecisionBand b, BandColour c) {
  chosen_[at(b)] = c;
  showing_ = true;
  for (OptionButton* o : options_[at(b)]) {
    if (o && o == option(b, c)) {
      o->select();
    } else if (o) {
      o->clear();
    }
  }
  showing_ = false;
  bandPicture(b).setBackColour(displayColour(c));
  bandNames_[at(b)]->setCaption(std::string(nameText(c)));
}

void PrecisionWindow::showBandCount(bool six) {
  sixBands_ = six;
  showing_ = true;
  countOptions_[six ? 1 : 0]->select();
  countOptions_[six ? 0 : 1]->clear();
  showing_ = false;
  for (Control* c : std::initializer_list<Control*>{&bandPicture(PrecisionBand::Coefficient),
                                                   bandNames_[at(PrecisionBand::Coefficient)],
                                                   selectors_[at(PrecisionBand::Coefficient)], &coefficientBox(),
                                                   coefficientUnit_}) {
    c->setVisible(six);
  }
}

Decimal PrecisionWindow::bandsValue() const {
  std::string digits;
  for (PrecisionBand b : kDigitBands) digits += static_cast<char>('0' + *digitOf(chosen(b)));
  return MakeDecimal(digits, *exponentOfMultiplier(chosen(PrecisionBand::Multiplier)));
}

void PrecisionWindow::showValue() {
  const std::vector<BandColour> digits = {chosen(PrecisionBand::First), chosen(PrecisionBand::Second),
                                          chosen(PrecisionBand::Third)};
  const BandColour multiplier = chosen(PrecisionBand::Multiplier);
  const ValueTexts texts = FormatValue(ValueOfDigits(digits, multiplier));
  ohmBox().setText(texts.ohm);
  kiloOhmBox().setText(texts.kiloOhm);
  megaOhmBox().setText(texts.megaOhm);
  const std::string tolerance(toleranceText(chosen(PrecisionBand::Tolerance)));
  toleranceBox().setText(tolerance);
  const std::string ppm = std::to_string(*temperatureCoefficientOf(chosen(PrecisionBand::Coefficient)));
  coefficientBox().setText(ppm);
  // The terminal's way of writing a code's value: "10 KΩ ±1 %  100 ppm/K".
  const ValueInUnit v = ValueInOneUnit(texts, multiplier == BandColour::Gold || multiplier == BandColour::Silver);
  std::string summary = v.number + " " + std::string(v.unit) + " ±" + tolerance + " %";
  if (sixBands_) summary += "  " + ppm + " ppm/K";
  summary_->setCaption(std::move(summary));
}

void PrecisionWindow::showLines(const Decimal& value) {
  seriesLine_->setCaption("近い標準値: " + NearestText(value, windowSeries()));
  const std::string markings = MarkingsText(value);
  markingsLine_->setCaption("SMD: " + (markings.empty() ? std::string("なし") : markings));
}

void PrecisionWindow::showNote(std::string text, bool refusal) {
  note_->setVisible(!text.empty());
  note_->setForeColour(refusal ? kRefusalColour : kCalculatorText);
  note_->setCaption(std::move(text));
}

void PrecisionWindow::showCode(const BandCode& code, const Decimal& asked, std::string note) {
  for (std::size_t i = 0; i < 3; ++i) showChoice(kDigitBands[i], code.digits[i]);
  showChoice(PrecisionBand::Multiplier, code.multiplier);
  showNote(std::move(note), false);
  showValue();
  showLines(asked);
}

void PrecisionWindow::refuse(std::string why) {
  showNote(why, true);
  valueAnnounced_ = false;
  announce(std::move(why));
}

void PrecisionWindow::colourChosen(PrecisionBand band, BandColour colour) {
  const bool changesValue = band != PrecisionBand::Tolerance && band != PrecisionBand::Coefficient;
  if (changesValue) {
    // The bands no longer come from what was typed.
    valueEntry().setText("");
    markingEntry().setText("");
  }
  showChoice(band, colour);
  showValue();
  if (changesValue) {
    showNote("", false);
    showLines(bandsValue());
  }
  announceValue(band);
}

void PrecisionWindow::bandCountChosen(int count) {
  showBandCount(count == 6);
  showValue();
  announceValue(std::nullopt);
}

void PrecisionWindow::boxEmptied() {
  showNote("", false);
  showLines(bandsValue());
  announceValue(std::nullopt);
}

void PrecisionWindow::valueTyped() {
  const std::string text = valueEntry().text();
  const std::optional<std::string> folded = FoldedAndTrimmed(text);
  if (folded && folded->empty()) {
    boxEmptied();
    return;
  }
  const ValueReading reading = ReadValue(text);
  if (reading.value) {
    const BandCode code = CodeOfValue(*reading.value, 3);
    if (std::string refused = ja::RangeRefusal(text, code.fit, 3, reading.milli); !refused.empty()) {
      refuse(std::move(refused));
      return;
    }
    const std::string note =
        code.fit == BandFit::Shortened ? ja::ShortenedText(*reading.value, 3, finestSeries()) : std::string();
    showCode(code, *reading.value, note);
    const std::string markings = MarkingsText(*reading.value);
    announceValue(std::nullopt, joined({note, markings.empty() ? "" : "SMD: " + markings}));
    return;
  }
  // Not a value: five or six colours read as `zentario bands` reads them.
  const std::vector<std::string> words = wordsOf(folded.value_or(""));
  if (words.size() != 5 && words.size() != 6) {
    refuse(ja::ValueRefusal(text, reading));
    return;
  }
  const ColourCodeReading colours = ReadColourCode(words);
  if (!colours.code) {
    refuse(ja::ColourCodeRefusal(colours));
    return;
  }
  const ColourCode& c = *colours.code;
  for (std::size_t i = 0; i < 3; ++i) showChoice(kDigitBands[i], c.digits[i]);
  showChoice(PrecisionBand::Multiplier, c.multiplier);
  showChoice(PrecisionBand::Tolerance, c.tolerance);
  if (c.coefficient) showChoice(PrecisionBand::Coefficient, *c.coefficient);
  showBandCount(c.coefficient.has_value());
  showNote("", false);
  showValue();
  showLines(bandsValue());
  announceValue(std::nullopt);
}

void PrecisionWindow::markingTyped() {
  const std::string text = markingEntry().text();
  const std::optional<std::string> folded = FoldedAndTrimmed(text);
  if (folded && folded->empty()) {
    boxEmptied();
    return;
  }
  SmdReading m;
  m.problem = SmdProblem::NotAMarking;  // not UTF-8
  if (folded) m = ReadSmdMarking(*folded);
  const std::string code = folded.value_or("");
  if (std::string refused = ja::SmdRefusal(text, code, m); !refused.empty()) {
    refuse(std::move(refused));
    return;
  }
  const std::string answer = ja::SmdAnswer(code, m);
  const BandCode bands = CodeOfValue(m.value, 3);
  // A value below 1 ohm (R47, a jumper) has a marking but no five-band code: the reading is
  // told, and why the bands stay as they are.
  if (const std::string refused = ja::RangeRefusal(text, bands.fit, 3, false); !refused.empty()) {
    refuse(answer + "。" + refused);
    return;
  }
  showCode(bands, m.value, answer);
  announceValue(std::nullopt, answer);
}

// --- What a reader hears --------------------------------------------------------------------------

std::string PrecisionWindow::valueForReader() const {
  const BandColour multiplier = chosen(PrecisionBand::Multiplier);
  const ValueInUnit v = ValueInOneUnit({ohmBox().text(), kiloOhmBox().text(), megaOhmBox().text()},
                                       multiplier == BandColour::Gold || multiplier == BandColour::Silver);
  std::string text = v.number + " " + std::string(v.unit) + " ±" + toleranceBox().text() + "%";
  if (sixBands_) text += " " + coefficientBox().text() + "ppm/K";
  return text;
}

void PrecisionWindow::announceValue(std::optional<PrecisionBand> chosen, std::string after) {
  announce({});
  valueAnnounced_ = true;
  chosenBand_ = chosen;
  announcedAfter_ = std::move(after);
}

std::string PrecisionWindow::takeAnnouncement() {
  std::string text = Window::takeAnnouncement();
  if (text.empty() && valueAnnounced_) {
    for (std::size_t i = 0; i < kPrecisionBandCount; ++i) {
      const auto band = static_cast<PrecisionBand>(i);
      if (chosenBand_ == band || chosen_[i] == announced_[i]) continue;
      if (band == PrecisionBand::Coefficient && !sixBands_) continue;
      text += std::string(precisionBandTitle(band)) + " " + std::string(nameText(chosen_[i])) + "、";
    }
    text += valueForReader();
    if (!announcedAfter_.empty()) text += "。" + announcedAfter_;
  }
  valueAnnounced_ = false;
  announcedAfter_.clear();
  announced_ = chosen_;
  return text;
}

}  // namespace zen
