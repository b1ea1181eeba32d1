// The five- and six-band window's layout: the drawing with six bands, one selector per band, the
// band count, the value panel, the two entry boxes and the answer lines. It wears the calculator's
// colours, fonts and swatches.

#include "PrecisionWindow.h"

#include <iterator>
#include <utility>
#include <vector>

#include "AnswerText.h"
#include "App.h"
#include "BandCode.h"
#include "CalculatorWindow.h"
#include "Numbers.h"
#include "TextReading.h"

namespace zen {

namespace {


const Font kDefault9{"ＭＳ Ｐゴシック", 9, false, false};
const Font kSmall{"ＭＳ Ｐゴシック", 8.25, false, false};
const Font kValueFont{"ＭＳ Ｐゴシック", 9.75, true, false};

// Tab order: the two entry boxes, the band count, each band's selector once, the value boxes, the
// answer lines, the close button.
constexpr int kTabValueEntry = 0;
constexpr int kTabMarkingEntry = 1;
constexpr int kTabBandCount = 2;
constexpr int kTabFirstSelector = 3;
constexpr int kTabFirstValue = 9;
constexpr int kTabFirstLine = 14;
constexpr int kTabClose = 17;

constexpr int kBandCountGroup = 7;  // the selectors are groups 1 to 6

struct BandDesign {
  const char* key;       // the start of its controls' names
  const char* title;     // what a reader calls the band: "1帯", "乗数"
  const char* caption;   // its selector's frame
  int left;              // of the painted band, in the drawing
};
constexpr BandDesign kBandDesigns[kPrecisionBandCount] = {
    {"firstBand", "1帯", "１帯", 1080},
    {"secondBand", "2帯", "２帯", 1440},
    {"thirdBand", "3帯", "３帯", 1800},
    {"multiplier", "乗数", "４帯（乗数）", 2160},
    {"tolerance", "許容差", "５帯（許容差 ％）", 2640},
    {"coefficient", "温度係数", "６帯（温度係数 ppm/K）", 3000},
};

constexpr int kSwatchPitch = 480;
constexpr int kSwatchSize = 495;
constexpr int kSelectorTop = 1200;
constexpr int kSelectorPitch = 1140;
constexpr int kRightColumn = 6480;
constexpr int kRightWidth = 3360;

// What a colour stands for in a band: as a reader hears it ("1", "×100", "1%", "50ppm/K") and as
// the legend under its swatch writes it ("1", "100", "1", "50").
struct Meaning {
  std::string spoken;
  std::string legend;
};
Meaning meaningOf(PrecisionBand b, BandColour c) {
  switch (b) {
    case PrecisionBand::First:
    case PrecisionBand::Second:
    case PrecisionBand::Third: return {std::to_string(*digitOf(c)), std::to_string(*digitOf(c))};
    case PrecisionBand::Multiplier:
      return {"×" + GeneralNumberText(*multiplierOf(c)), ShortText(MakeDecimal("1", *exponentOfMultiplier(c)))};
    case PrecisionBand::Tolerance: return {std::string(toleranceText(c)) + "%", std::string(toleranceText(c))};
    case PrecisionBand::Coefficient: {
      const std::string ppm = std::to_string(*temperatureCoefficientOf(c));
      return {ppm + "ppm/K", ppm};
    }
  }
  return {};
}

// The colours a band offers, in its selector's order, all from the one colour table: the first
// digit 1 to 9 (a leading black would be no digit at all), the others 0 to 9, the calculator's
// multipliers and tolerances, and the colours that carry a temperature coefficient.
std::vector<BandColour> coloursOf(PrecisionBand b) {
  std::vector<BandColour> colours;
  const auto group = [&](BandGroup g) {
    const OptionRange r = optionRange(g);
    for (int n = r.first; n <= r.last; ++n) colours.push_back(*optionColour(g, n));
  };
  switch (b) {
    case PrecisionBand::First:
    case PrecisionBand::Second:
    case PrecisionBand::Third:
      for (int d = b == PrecisionBand::First ? 1 : 0; d <= 9; ++d) colours.push_back(*colourOfDigit(d));
      break;
    case PrecisionBand::Multiplier: group(BandGroup::Multiplier); break;
    case PrecisionBand::Tolerance: group(BandGroup::Tolerance); break;
    case PrecisionBand::Coefficient:
      for (const BandColourInfo& info : colourTable()) {
        if (temperatureCoefficientOf(info.colour)) colours.push_back(info.colour);
      }
      break;
  }
  return colours;
}

// An option is named for its band and colour, as the calculator names its own: "thirdBandGreen".
std::string optionName(std::string_view key, BandColour c) {
  std::string colour(EnglishName(c));
  colour[0] = static_cast<char>(colour[0] - 'a' + 'A');
  return std::string(key) + colour;
}

// The drawing's bands: firstBand to thirdBand, then multiplierBand, toleranceBand, coefficientBand.
std::string bandName(std::string_view key) {
  return key.ends_with("Band") ? std::string(key) : std::string(key) + "Band";
}

}  // namespace

std::string_view precisionBandTitle(PrecisionBand b) { return kBandDesigns[static_cast<int>(b)].title; }

PrecisionWindow::PrecisionWindow(App& app) : Window(app, "PrecisionWindow") {
  setCaption("精密抵抗（５帯・６帯）");
  setClientSize(10080, 9330);
  setBackColour(kCalculatorBack);
  setBorder(BorderStyle::FixedSingle);
  setTitleButtons(true, false);
  setIcon(":/assets/zentario.svg");
  setFont(Font{"ＭＳ Ｐゴシック", 8.25, false, false});
  // Where the desktop places windows itself, it learns that this one belongs to the calculator.
  if (!app.platform().knowsWindowPositions()) setOwner(app.windows().front());
  buildDrawing();
  buildSelectors();
  buildPanels();

  // 茶 黒 黒 黒 茶: 100 Ω ±1 %, and 100 ppm/K should six bands be asked for.
  for (const auto& [band, colour] : {std::pair{PrecisionBand::First, BandColour::Brown},
                                     {PrecisionBand::Second, BandColour::Black},
                                     {PrecisionBand::Third, BandColour::Black},
                                     {PrecisionBand::Multiplier, BandColour::Black},
                                     {PrecisionBand::Tolerance, BandColour::Brown},
                                     {PrecisionBand::Coefficient, BandColour::Brown}}) {
    showChoice(band, colour);
  }
  showBandCount(false);
  showNote("", false);
  showValue();
  showLines(bandsValue());
  setFocus(*valueEntry_);
  // A reader hears of the first change, not of the start.
  takeAnnouncement();
}

void PrecisionWindow::buildDrawing() {
  auto& leftCap = add<PictureBox>("leftCap");
  leftCap.setBounds(600, 480, 495, 495);
  leftCap.setBackColour(kBodyColour);
  leftCap.setPicture(":/assets/cap-left.svg");
  // One body behind the bands, so a hidden sixth band leaves body, not a gap.
  auto& body = add<PictureBox>("body");
  body.setBounds(1080, 480, 2175, 495);
  body.setBackColour(kBodyColour);
  auto& rightCap = add<PictureBox>("rightCap");
  rightCap.setBounds(3240, 480, 615, 495);
  rightCap.setBackColour(kBodyColour);
  rightCap.setPicture(":/assets/cap-right.svg");
  for (std::size_t i = 0; i < kPrecisionBandCount; ++i) {
    const BandDesign& d = kBandDesigns[i];
    auto& band = add<PictureBox>(bandName(d.key));
    band.setBounds(d.left, 480, 255, 495);
    band.setRole(Role::Graphic);
    band.setColourNamePrefix(std::to_string(i + 1) + "帯の色");
    bandPictures_[i] = &band;
    auto& name = add<Label>(bandName(d.key) + "Label");
    name.setBounds(d.left, 240, 255, 255);
    name.setFont(Font{"ＭＳ Ｐゴシック", 9, true, false});
    name.setAlign(Align::Centre);
    name.setForeColour(kSystemWindowText);
    name.setTransparent(true);
    // The painted band is named by its colour already.
    name.setRole(Role::None);
    bandNames_[i] = &name;
  }
  auto& summary = add<Label>("summary");
  summary.setBounds(4200, 540, 5640, 375);
  summary.setFont(Font{"ＭＳ Ｐゴシック", 14, true, false});
  summary.setForeColour(kCalculatorText);
  summary.setTransparent(true);
  summary_ = &summary;
}

void PrecisionWindow::buildSelectors() {
  for (std::size_t i = 0; i < kPrecisionBandCount; ++i) {
    const auto band = static_cast<PrecisionBand>(i);
    const BandDesign& d = kBandDesigns[i];
    const std::vector<BandColour> colours = coloursOf(band);
    const int count = static_cast<int>(colours.size());
    auto& frame = add<Frame>(std::string(d.key) + "Selector");
    frame.setBounds(240, kSelectorTop + kSelectorPitch * static_cast<int>(i), 255 + kSwatchPitch * count, 1095);
    frame.setCaption(d.caption);
    frame.setFont(kDefault9);
    selectors_[i] = &frame;
    for (int n = 0; n < count; ++n) {
      const BandColour colour = colours[static_cast<std::size_t>(n)];
      const std::string name = optionName(d.key, colour);
      const Meaning meaning = meaningOf(band, colour);
      auto& swatch = add<PictureBox>(name + "Swatch", &frame);
      swatch.setBounds(120 + kSwatchPitch * n, 300, kSwatchSize, kSwatchSize);
      swatch.setBackColour(displayColour(colour));
      swatch.setBorder(true);
      auto& option = add<OptionButton>(name, &swatch);
      option.setBounds(120, 120, 255, 255);
      option.setBackColour(displayColour(colour));
      option.setAccessibleName(std::string(d.title) + " " + std::string(nameText(colour)) + " " + meaning.spoken);
      option.setAccessibleDescription(std::to_string(count) + "個中 " + std::to_string(n + 1) + "番目");
      option.setGroup(static_cast<int>(i) + 1);
      option.setTabIndex(kTabFirstSelector + static_cast<int>(i));
      option.onClick = [this, band, colour] {
        if (!showing_) colourChosen(band, colour);
      };
      options_[i][static_cast<std::size_t>(index(colour))] = &option;
      auto& legend = add<Label>(name + "Legend", &frame);
      legend.setBounds(120 + kSwatchPitch * n - 60, 810, kSwatchSize + 120, 195);
      legend.setCaption(meaning.legend);
      legend.setFont(kSmall);
      legend.setAlign(Align::Centre);
      legend.setForeColour(kCalculatorText);
      legend.setTransparent(true);
      // Each option's name says it already.
      legend.setRole(Role::None);
    }
  }
}

void PrecisionWindow::buildPanels() {
  auto& count = add<Frame>("bandCount");
  count.setBounds(kRightColumn, 1200, kRightWidth, 615);
  count.setCaption("帯の数");
  count.setFont(kDefault9);
  for (int k = 0; k < 2; ++k) {
    const int bands = 5 + k;
    const char* caption = k == 0 ? "５帯" : "６帯";
    auto& option = add<OptionButton>(k == 0 ? "fiveBands" : "sixBands", &count);
    option.setBounds(240 + 1320 * k, 285, 255, 255);
    option.setAccessibleName(caption);
    option.setGroup(kBandCountGroup);
    option.setTabIndex(kTabBandCount);
    option.onClick = [this, bands] {
      if (!showing_) bandCountChosen(bands);
    };
    countOptions_[static_cast<std::size_t>(k)] = &option;
    auto& label = add<Label>(std::string(option.name()) + "Label", &count);
    label.setBounds(555 + 1320 * k, 285, 720, 255);
    label.setCaption(caption);
    label.setFont(kValueFont);
    label.setTransparent(true);
    label.setRole(Role::None);
    // A click on the words chooses as a click on the option does.
    label.onClick = [&option] { option.userClick(); };
  }

  auto& values = add<Frame>("valuePanel");
  values.setBounds(kRightColumn, 1920, kRightWidth, 2400);
  values.setCaption("抵抗値");
  values.setFont(kDefault9);
  struct ValueRow {
    const char* box;
    const char* unit;
    const char* spoken;
  };
  constexpr ValueRow kRows[] = {{"ohmBox", "Ω", "抵抗値 Ω"},
                                {"kiloOhmBox", "ＫΩ", "抵抗値 KΩ"},
                                {"megaOhmBox", "ＭΩ", "抵抗値 MΩ"},
                                {"toleranceBox", "％（±）", "許容差 ％"},
                                {"coefficientBox", "ppm/K", "温度係数 ppm/K"}};
  for (std::size_t i = 0; i < std::size(kRows); ++i) {
    const int top = 300 + 420 * static_cast<int>(i);
    auto& box = add<TextBox>(kRows[i].box, &values);
    box.setBounds(240, top, 1935, 300);
    box.setBackColour(kValueBack);
    box.setForeColour(i == 0 ? kCalculatorText : 0x400000);
    box.setFont(kValueFont);
    box.setAlign(i == 3 ? Align::Centre : Align::Right);
    box.setReadOnly(true);
    box.setAccessibleName(kRows[i].spoken);
    box.setTabIndex(kTabFirstValue + static_cast<int>(i));
    valueBoxes_[i] = &box;
    auto& unit = add<Label>(std::string(kRows[i].box) + "Unit", &values);
    unit.setBounds(2280, top + 30, 960, 255);
    unit.setCaption(kRows[i].unit);
    unit.setFont(kDefault9);
    unit.setTransparent(true);
    if (i == 4) coefficientUnit_ = &unit;
  }

  auto& entries = add<Frame>("entryPanel");
  entries.setBounds(kRightColumn, 4440, kRightWidth, 1200);
  entries.setCaption("入力");
  entries.setFont(kDefault9);
  struct EntryRow {
    const char* box;
    const char* label;
    const char* spoken;
    const char* example;
  };
  constexpr EntryRow kEntries[] = {
      {"valueEntry", "値・色", "抵抗値 または 色 入力", "例 4.75k 4K75 47R5 4750、茶 黒 黒 赤 茶"},
      {"markingEntry", "SMD", "SMD 表示 入力", "例 4751 01C 4R7"}};
  for (std::size_t i = 0; i < 2; ++i) {
    const int top = 300 + 420 * static_cast<int>(i);
    auto& label = add<Label>(std::string(kEntries[i].box) + "Label", &entries);
    label.setBounds(240, top + 45, 840, 255);
    label.setCaption(kEntries[i].label);
    label.setFont(kDefault9);
    label.setTransparent(true);
    label.setRole(Role::None);
    auto& box = add<TextBox>(kEntries[i].box, &entries);
    box.setBounds(1080, top, 2040, 330);
    box.setBackColour(kEntryBack);
    box.setForeColour(kSystemWindowText);
    box.setFont(kValueFont);
    box.setAlign(Align::Right);
    box.setMaxLength(i == 0 ? 40 : 8);
    box.setAccessibleName(kEntries[i].spoken);
    box.setAccessibleDescription(kEntries[i].example);
    box.setTabIndex(i == 0 ? kTabValueEntry : kTabMarkingEntry);
    (i == 0 ? valueEntry_ : markingEntry_) = &box;
  }
  valueEntry_->onChange = [this] { valueTyped(); };
  markingEntry_->onChange = [this] { markingTyped(); };
  // Digits go in key by key, as in the calculator's entry box, also while an input method is on.
  valueEntry_->setInputMethod(false);
  markingEntry_->setInputMethod(false);
  setFocusFallback(*valueEntry_);

  auto& examples = add<Label>("examples");
  examples.setBounds(kRightColumn, 5730, kRightWidth, 600);
  examples.setCaption("値: 4.75k 4K75 47R5 4750 ／ 茶 黒 黒 赤 茶\nSMD: 4751 01C 4R7");
  examples.setFont(kSmall);
  examples.setWordWrap(true);
  examples.setForeColour(kCalculatorText);
  examples.setTransparent(true);
  // The entry boxes' descriptions say it to a reader.
  examples.setRole(Role::None);

  Label** lines[] = {&note_, &seriesLine_, &markingsLine_};
  const char* lineNames[] = {"note", "seriesLine", "markingsLine"};
  // The note may be a long refusal: it has room for two lines.
  constexpr int kLineTops[] = {8100, 8640, 8940};
  for (std::size_t i = 0; i < 3; ++i) {
    auto& line = add<Label>(lineNames[i]);
    line.setBounds(240, kLineTops[i], 9600, i == 0 ? 510 : 270);
    line.setWordWrap(i == 0);
    line.setFont(kDefault9);
    line.setForeColour(kCalculatorText);
    line.setTransparent(true);
    // A reader's user reaches each line by Tab as well as hearing it after a keystroke.
    line.setTabIndex(kTabFirstLine + static_cast<int>(i));
    *lines[i] = &line;
  }

  auto& close = add<CommandButton>("closeButton");
  close.setBounds(8745, 7620, 1095, 375);
  close.setCaption("閉じる");
  close.setBackColour(kSystemButtonFace);
  close.setForeColour(kSystemWindowText);
  close.setFont(Font{"ＭＳ ゴシック", 9.75, true, false});
  close.setPicture(":/assets/button-face.svg");
  close.setTabIndex(kTabClose);
  close.setCancel(true);
  close.onClick = [this] { closePressed(); };
}

OptionButton* PrecisionWindow::option(PrecisionBand b, BandColour c) const {
  return options_[static_cast<std::size_t>(b)][static_cast<std::size_t>(index(c))];
}

void PrecisionWindow::closePressed() {
  app().closeWindow(*this);
  // The window stays alive until the renderer has let go of it, so its members are still safe.
  if (onClosed) onClosed();
}

}  // namespace zen
