#include "CalculatorWindow.h"

#include <cmath>
#include <string>

#include "App.h"
#include "Numbers.h"
#include "Settings.h"

namespace zen {

namespace {

const Font kDefault9{"ＭＳ Ｐゴシック", 9, false, false};
const Font kValueFont{"ＭＳ Ｐゴシック", 9.75, true, false};
const Font kGothic975Bold{"ＭＳ ゴシック", 9.75, true, false};
const Font kGothic9Bold{"ＭＳ ゴシック", 9, true, false};
const Font kGothic1125Bold{"ＭＳ ゴシック", 11.25, true, false};

// The keyboard's tab order: the entry box, each band selector once, the value boxes, the memory
// buttons, then the commands and the link.
constexpr int kTabEntry = 0;
constexpr int kTabFirstSelector = 1;  // 1..4, one per band group
constexpr int kTabFirstValue = 5;     // Ω, KΩ, MΩ, tolerance
constexpr int kTabFirstSlot = 9;      // A..E
constexpr int kTabFirstCommand = 14;  // CLS, HELP, 色帯表, 情  報, W E V, Quit, the link

// Swatches stand 480 twips apart inside their frame.
constexpr int kSwatchPitch = 480;
constexpr int kSwatchSize = 495;

struct SelectorFrame {
  const char* frame;
  const char* caption;
  int left, top, width, height;
  int swatchTop;
  BandGroup group;
};
constexpr SelectorFrame kSelectorFrames[] = {
    {"firstBandSelector", "１帯", 240, 1080, 5055, 1215, 360, BandGroup::First},
    {"secondBandSelector", "２帯", 240, 2400, 5055, 975, 360, BandGroup::Second},
    {"multiplierSelector", "３帯", 240, 3480, 6015, 1095, 480, BandGroup::Multiplier},
    {"toleranceSelector", "４帯（％）", 240, 4680, 4575, 1335, 300, BandGroup::Tolerance},
};

// An option is named for its group and colour ("firstBandYellow", "multiplierGold"); the swatch
// that holds it adds "Swatch".
constexpr const char* kGroupNames[] = {"firstBand", "secondBand", "multiplier", "tolerance"};
constexpr const char* kColourNames[kBandColourCount] = {
    "Black", "Brown", "Red", "Orange", "Yellow", "Green", "Blue", "Purple", "Grey", "White", "Gold", "Silver", "None"};
std::string optionName(BandGroup g, BandColour c) {
  return std::string(kGroupNames[static_cast<int>(g)]) + kColourNames[index(c)];
}

std::string groupTitle(BandGroup g) {
  switch (g) {
    case BandGroup::First: return "1帯";
    case BandGroup::Second: return "2帯";
    case BandGroup::Multiplier: return "3帯";
    case BandGroup::Tolerance: return "4帯";
  }
  return {};
}

// What a screen reader says for an option: "1帯 黄 4", "3帯 金 0.1", "4帯 金 5%".
std::string optionAccessibleName(BandGroup g, BandColour c) {
  std::string s = groupTitle(g) + " " + std::string(nameText(c)) + " ";
  switch (g) {
    case BandGroup::First:
    case BandGroup::Second: s += std::to_string(*digitOf(c)); break;
    case BandGroup::Multiplier: s += "×" + GeneralNumberText(*multiplierOf(c)); break;
    case BandGroup::Tolerance: s += "±" + std::string(toleranceText(c)) + "%"; break;
  }
  return s;
}

struct Placement {
  const char* name;
  int left, top, width, height;
};

// The drawing: body pieces and bands from left to right.
constexpr Placement kBodyPieces[] = {
    {"body1", 5880, 480, 135, 495}, {"body2", 6240, 480, 135, 495}, {"body3", 6600, 480, 135, 495}};
constexpr Placement kBands[] = {
    {"firstBand", 5640, 480, 255, 495}, {"secondBand", 6000, 480, 255, 495},
    {"multiplierBand", 6360, 480, 255, 495}, {"toleranceBand", 6720, 480, 255, 495}};
constexpr const char* kBandLabelNames[] = {"firstBandLabel", "secondBandLabel", "multiplierBandLabel",
                                           "toleranceBandLabel"};

struct LeaderLine {
  const char* name;
  int x1, y1, x2, y2;
  Rgb colour;
};
constexpr LeaderLine kLeaderLines[] = {
    {"firstBandLeaderDown", 5760, 960, 5760, 1680, 0x404080},
    {"firstBandLeaderAcross", 5280, 1680, 5760, 1680, 0x004080},
    {"secondBandLeaderDown", 6120, 960, 6120, 3000, 0x0000FF},
    {"secondBandLeaderAcross", 5280, 3000, 6120, 3000, 0x0000FF},
    {"multiplierBandLeaderDown", 6480, 960, 6480, 4200, 0x0080FF},
    {"multiplierBandLeaderAcross", 6240, 4200, 6480, 4200, 0x0080FF},
    {"toleranceBandLeaderDown", 6840, 960, 6840, 5280, 0x00FFFF},
    {"toleranceBandLeaderAcross", 4800, 5280, 6840, 5280, 0x00FFFF}};

// The memory panel's placeholder design contents; the start-up replaces them from the settings.
struct SlotDesign {
  const char* value;
  BandColour bands[4];
};
constexpr SlotDesign kSlotDesign[] = {
    {"15Ω", {BandColour::Brown, BandColour::Green, BandColour::Black, BandColour::Gold}},
    {"33KΩ", {BandColour::Orange, BandColour::Orange, BandColour::Orange, BandColour::Gold}},
    {"750KΩ", {BandColour::Purple, BandColour::Green, BandColour::Yellow, BandColour::Gold}},
    {"840KΩ", {BandColour::Grey, BandColour::Yellow, BandColour::Yellow, BandColour::Gold}},
    {"100MΩ", {BandColour::Brown, BandColour::Black, BandColour::Purple, BandColour::Gold}},
};
constexpr int kSlotRowTops[] = {480, 960, 1440, 1920, 2400};
constexpr int kSlotRowHeight = 375;
// Left and width of the nine pieces of a slot's drawing: end, band, body, band, body, band, body,
// band, end.
constexpr int kSlotPieceLeft[] = {1320, 1560, 1800, 1920, 2160, 2280, 2520, 2640, 2880};
constexpr int kSlotPieceWidth[] = {255, 255, 135, 255, 135, 255, 135, 255, 375};
// What each piece is called after its slot's name ("slotA"): "slotABand1", "slotABody1"…
constexpr const char* kSlotPieceNames[] = {"LeftCap", "Band1", "Body1", "Band2", "Body2",
                                           "Band3",   "Body3", "Band4", "RightCap"};

struct CommandDesign {
  const char* name;
  const char* caption;
  int left, top, width, height;
  Rgb back;
};

}  // namespace

CalculatorWindow::CalculatorWindow(App& app) : Window(app, "CalculatorWindow") {
  setCaption("カラ-コ-ド抵抗");
  setClientSize(8325, 9690);
  move(1830, 1800);
  setBackColour(kCalculatorBack);
  setBorder(BorderStyle::FixedSingle);
  setTitleButtons(true, false);
  setIcon(":/assets/zentario.svg");
  setFont(Font{"ＭＳ Ｐゴシック", 8.25, false, false});
  buildTitleAndDrawing();
  buildSelectors();
  buildValuePanel();
  buildMemoryPanel();
  buildClockAndCommands();
  onMouseMove = [this] { backgroundHovered(); };
}

void CalculatorWindow::buildTitleAndDrawing() {
  auto& icon = add<PictureBox>("titleIcon");
  icon.setBounds(360, 240, 540, 540);
  icon.setPicture(":/assets/zentario.svg");
  icon.setRole(Role::Graphic);
  icon.setAccessibleName("ZENTARIO");

  auto title = [this](const char* name, const char* caption, int left, int top, int width, double size,
                      Align align, Rgb fore) {
    auto& l = add<Label>(name);
    l.setBounds(left, top, width, 255);
    l.setCaption(caption);
    l.setFont(Font{"ＭＳ Ｐゴシック", size, true, false});
    l.setAlign(align);
    l.setForeColour(fore);
    l.setTransparent(true);
  };
  title("titleColourBand", "色 帯 ", 2160, 360, 615, 11.25, Align::Right, 0x0000FF);
  title("titleResistor", "抵 抗", 2880, 360, 615, 11.25, Align::Centre, kCalculatorText);
  title("versionLabel", "Ver 1.95", 3840, 720, 855, 8.25, Align::Centre, kCalculatorText);

  auto& leftCap = add<PictureBox>("leftCap");
  leftCap.setBounds(5160, 480, 495, 495);
  leftCap.setBackColour(kBodyColour);
  leftCap.setPicture(":/assets/cap-left.svg");
  for (const auto& p : kBodyPieces) {
    auto& body = add<PictureBox>(p.name);
    body.setBounds(p.left, p.top, p.width, p.height);
    body.setBackColour(kBodyColour);
  }
  for (std::size_t i = 0; i < 4; ++i) {
    auto& band = add<PictureBox>(kBands[i].name);
    band.setBounds(kBands[i].left, kBands[i].top, kBands[i].width, kBands[i].height);
    band.setRole(Role::Graphic);
    band.setColourNamePrefix(std::to_string(i + 1) + "帯の色");
    bandPictures_[i] = &band;
    auto& label = add<Label>(kBandLabelNames[i]);
    label.setBounds(kBands[i].left, 240, 255, 255);
    label.setFont(Font{"ＭＳ Ｐゴシック", 9, true, false});
    label.setAlign(Align::Centre);
    label.setForeColour(kSystemWindowText);
    label.setTransparent(true);
    bandLabels_[i] = &label;
  }
  auto& rightCap = add<PictureBox>("rightCap");
  rightCap.setBounds(6960, 480, 615, 495);
  rightCap.setBackColour(kBodyColour);
  rightCap.setPicture(":/assets/cap-right.svg");

  for (const auto& l : kLeaderLines) {
    auto& line = add<Line>(l.name);
    line.setEnds(l.x1, l.y1, l.x2, l.y2);
    line.setForeColour(l.colour);
    line.setLineWidth(2);
  }
}

void CalculatorWindow::buildSelectors() {
  int group = 0;
  for (const auto& f : kSelectorFrames) {
    ++group;
    auto& frame = add<Frame>(f.frame);
    frame.setBounds(f.left, f.top, f.width, f.height);
    frame.setCaption(f.caption);
    frame.setFont(kDefault9);
    const OptionRange range = optionRange(f.group);
    for (int n = range.first; n <= range.last; ++n) {
      const BandColour colour = *optionColour(f.group, n);
      const Rgb display = displayColour(colour);
      const std::string name = optionName(f.group, colour);
      auto& holder = add<PictureBox>(name + "Swatch", &frame);
      holder.setBounds(120 + kSwatchPitch * (n - range.first), f.swatchTop, kSwatchSize, kSwatchSize);
      // The white multiplier's holder keeps the desktop's window colour; its option is white.
      const bool whiteMultiplier = f.group == BandGroup::Multiplier && colour == BandColour::White;
      holder.setBackColour(whiteMultiplier ? kSystemWindowBackground : display);
      holder.setBorder(true);
      auto& option = add<OptionButton>(name, &holder);
      option.setBounds(120, 120, 255, 255);
      option.setBackColour(display);
      option.setAccessibleName(optionAccessibleName(f.group, colour));
      // Its place in the group, as a reader says it: "10個中 5番目".
      option.setAccessibleDescription(std::to_string(range.last - range.first + 1) + "個中 " +
                                      std::to_string(n - range.first + 1) + "番目");
      // One tab stop per selector: Tab lands on the chosen colour, the arrow keys move along.
      option.setGroup(group);
      option.setTabIndex(kTabFirstSelector + group - 1);
      options_[static_cast<std::size_t>(n - 1)] = &option;
      swatches_[static_cast<std::size_t>(n - 1)] = &holder;

      switch (f.group) {
        case BandGroup::First:
          option.onClick = colour == BandColour::Black ? std::function<void()>([this] { firstBandBlackChosen(); })
                                                       : [this, d = *digitOf(colour)] { firstBandChosen(d); };
          break;
        case BandGroup::Second:
          option.onClick = colour == BandColour::Black ? std::function<void()>([this] { secondBandBlackChosen(); })
                                                       : [this, d = *digitOf(colour)] { secondBandChosen(d); };
          break;
        case BandGroup::Multiplier:
          option.onClick = [this, colour] { multiplierChosen(colour); };
          option.onMouseDown = [this] { multiplierPressed(); };
          if (colour == BandColour::Gold || colour == BandColour::Silver) {
            option.setPointer(Pointer::Arrow);
            option.onMouseMove = [this, colour] { goldSilverHovered(colour); };
          }
          break;
        case BandGroup::Tolerance:
          option.onClick = [this, colour] { toleranceChosen(colour); };
          break;
      }
    }
    auto legend = [&](const char* name, const char* caption, int top, Rgb fore) {
      auto& l = add<Label>(name, &frame);
      l.setBounds(120, top, f.width - 180, 195);
      l.setCaption(caption);
      l.setForeColour(fore);
      l.setFont(kDefault9);
      l.setTransparent(true);
      l.setAutoSize(true);
      // The initials and numbers under the colours say nothing a reader has not heard in each
      // option's name.
      l.setRole(Role::None);
    };
    if (f.group == BandGroup::First) {
      legend("firstBandLegend",
             "   ク　　    チ        ア       ダ       キ        ミ        ア       ム       ハ       シ", 960,
             kCalculatorText);
    } else if (f.group == BandGroup::Multiplier) {
      legend("multiplierLegend",
             "    ０        １        ２        ３        ４        ５        ６        ７        ８        ９ "
             "       0.1     0.01",
             240, kCalculatorText);
    } else if (f.group == BandGroup::Tolerance) {
      legend("toleranceLegend", "  0.05    0.1   0.25    0.5     1       2      5      10     20", 900, 0x800000);
    }
  }
}

void CalculatorWindow::buildValuePanel() {
  auto& frame = add<Frame>("valuePanel");
  frame.setBounds(480, 6240, 2655, 3015);
  frame.setCaption("抵抗値 ＆ 入力");
  frame.setFont(kDefault9);

  auto& entry = add<TextBox>("entryBox", &frame);
  entry.setBounds(480, 360, 1455, 330);
  entry.setBackColour(kEntryBack);
  entry.setForeColour(kSystemWindowText);
  entry.setFont(kValueFont);
  entry.setAlign(Align::Right);
  entry.setMaxLength(10);
  // Every digit is converted as it is typed, also while a Japanese input method is on.
  entry.setInputMethod(false);
  entry.setTabIndex(kTabEntry);
  entry.setAccessibleName("抵抗値 入力");
  entry.onChange = [this] { entryChanged(); };
  entry.onMouseDown = [this] { entryPressed(); };

  auto& separator = add<Line>("valueSeparator", &frame);
  separator.setEnds(120, 840, 2520, 840);
  separator.setForeColour(0xFF00FF);

  struct ValueBox {
    const char* box;
    int top;
    Rgb fore;
    const char* label;
    const char* unit;
  };
  constexpr ValueBox kValueBoxes[] = {{"ohmBox", 960, kCalculatorText, "ohmUnit", "Ω"},
                                      {"kiloOhmBox", 1440, 0x400000, "kiloOhmUnit", "ＫΩ"},
                                      {"megaOhmBox", 1920, 0x400000, "megaOhmUnit", "ＭΩ"}};
  for (std::size_t i = 0; i < 3; ++i) {
    const auto& v = kValueBoxes[i];
    auto& box = add<TextBox>(v.box, &frame);
    box.setBounds(480, v.top, 1455, 270);
    box.setBackColour(kValueBack);
    box.setForeColour(v.fore);
    box.setFont(kValueFont);
    box.setAlign(Align::Right);
    box.setReadOnly(true);
    box.setAccessibleName(std::string("抵抗値 ") + v.unit);
    // The value boxes are tab stops, so a screen reader's user can Tab to the value and hear it.
    box.setTabIndex(kTabFirstValue + static_cast<int>(i));
    // No length cap on the value boxes: they are read-only, and a cap would cut an eleven-digit
    // value (99 gigaohms) when the program writes it.
    valueBoxes_[i] = &box;
    auto& unit = add<Label>(v.label, &frame);
    unit.setBounds(2040, v.top + 120, 495, 255);
    unit.setCaption(v.unit);
    unit.setFont(kDefault9);
    unit.setTransparent(true);
  }
  auto& toleranceLabel = add<Label>("toleranceCaption", &frame);
  toleranceLabel.setBounds(480, 2520, 855, 255);
  toleranceLabel.setCaption("誤差（±）");
  toleranceLabel.setFont(kDefault9);
  toleranceLabel.setTransparent(true);
  auto& tolerance = add<TextBox>("toleranceBox", &frame);
  tolerance.setBounds(1320, 2400, 615, 285);
  tolerance.setBackColour(kValueBack);
  tolerance.setForeColour(0x800000);
  tolerance.setFont(kValueFont);
  tolerance.setAlign(Align::Centre);
  tolerance.setReadOnly(true);
  tolerance.setAccessibleName("誤差 ％");
  tolerance.setTabIndex(kTabFirstValue + 3);
  valueBoxes_[3] = &tolerance;
  auto& percent = add<Label>("percentUnit", &frame);
  percent.setBounds(2040, 2520, 375, 255);
  percent.setCaption("％");
  percent.setFont(kDefault9);
  percent.setTransparent(true);
  entryBox_ = &entry;
  // Focus asked for a control that cannot take it lands in the entry box.
  setFocusFallback(entry);
}

void CalculatorWindow::buildMemoryPanel() {
  auto& frame = add<Frame>("memoryPanel");
  frame.setBounds(3720, 6240, 4095, 3015);
  frame.setCaption("色帯値保存");
  frame.setFont(kDefault9);

  auto& copy = add<Label>("copyHeading", &frame);
  copy.setBounds(3360, 240, 615, 135);
  copy.setCaption("COPY");
  copy.setFont(Font{"ＭＳ Ｐゴシック", 8.25, true, false});
  copy.setAlign(Align::Centre);
  copy.setTransparent(true);

  for (int k = 0; k < 5; ++k) {
    const int rowTop = kSlotRowTops[k];
    const std::string slot = std::string("slot") + static_cast<char>('A' + k);
    for (int piece = 0; piece < 9; ++piece) {
      auto& p = add<PictureBox>(slot + kSlotPieceNames[piece], &frame);
      p.setBounds(kSlotPieceLeft[piece], rowTop, kSlotPieceWidth[piece], kSlotRowHeight);
      if (piece % 2 == 1) {
        const int band = piece / 2;
        p.setBackColour(displayColour(kSlotDesign[k].bands[band]));
        p.setRole(Role::Graphic);
        p.setColourNamePrefix(std::string("メモリ") + static_cast<char>('A' + k) + " " + std::to_string(band + 1) +
                              "帯");
        slotBands_[static_cast<std::size_t>(k)][static_cast<std::size_t>(band)] = &p;
      } else {
        p.setBackColour(kBodyColour);
      }
    }
    auto& label = add<Label>(slot + "Label", &frame);
    label.setBounds(120, rowTop + 120, 1095, 195);
    label.setCaption(kSlotDesign[k].value);
    label.setFont(kValueFont);
    label.setAlign(Align::Right);
    label.setTransparent(true);
    slotLabels_[static_cast<std::size_t>(k)] = &label;

    auto& button = add<CommandButton>(slot + "Button", &frame);
    button.setBounds(3480, rowTop, 375, 375);
    button.setCaption(std::string(1, static_cast<char>('A' + k)));
    button.setBackColour(0x00FF00);
    button.setForeColour(kSystemWindowText);
    button.setFont(Font{"ＭＳ Ｐゴシック", 9, true, false});
    button.setTabIndex(kTabFirstSlot + k);
    button.setAccessibleName(std::string("色帯値保存 ") + static_cast<char>('A' + k));
    button.onClick = [this, k] { StoreSlot(k); };
    slotButtons_[static_cast<std::size_t>(k)] = &button;
  }
}

void CalculatorWindow::buildClockAndCommands() {
  struct ClockLabel {
    const char* name;
    const char* caption;
    int left, top, width, height;
    Font font;
    Rgb fore;
    Align align;
  };
  const ClockLabel clock[] = {
      {"clockYear", "V195年", 7080, 1320, 1095, 255, kGothic1125Bold, 0xFF0000, Align::Right},
      {"clockMonthDay", "月日", 7200, 1800, 975, 255, kGothic9Bold, 0x800000, Align::Right},
      {"clockWeekdayInitial", "", 7440, 2040, 255, 255, kGothic9Bold, 0x000000, Align::Centre},
      {"clockWeekdaySuffix", "曜日", 7680, 2040, 495, 255, kGothic9Bold, 0x800000, Align::Left},
      {"clockTime", "09:10:00", 6960, 2280, 1230, 285, kGothic1125Bold, 0xFF0000, Align::Right},
  };
  for (const auto& c : clock) {
    auto& l = add<Label>(c.name);
    l.setBounds(c.left, c.top, c.width, c.height);
    l.setCaption(c.caption);
    l.setFont(c.font);
    l.setForeColour(c.fore);
    l.setAlign(c.align);
    l.setTransparent(true);
  }
  auto& time = get<Label>("clockTime");
  time.setTransparent(false);
  time.setBorder(true);
  time.setBackColour(kValueBack);
  time.setQuiet(true);

  const CommandDesign commands[] = {
      {"helpButton", "HELP", 7080, 2880, 1095, 375, 0xFF0000},
      {"chartButton", "色帯表", 7080, 3480, 1095, 375, 0x000000},
      {"aboutButton", "情  報", 7080, 4080, 1095, 375, kSystemButtonFace},
      {"webButton", "W E V", 7080, 4680, 1095, 375, kSystemButtonFace},
  };
  int tab = kTabFirstCommand + 1;  // CLS comes first
  for (const auto& c : commands) {
    auto& b = add<CommandButton>(c.name);
    b.setBounds(c.left, c.top, c.width, c.height);
    b.setCaption(c.caption);
    b.setBackColour(c.back);
    b.setForeColour(kSystemWindowText);
    b.setFont(kGothic975Bold);
    b.setPicture(":/assets/button-face.svg");
    b.setTabIndex(tab++);
  }
  get<CommandButton>("helpButton").onClick = [this] { helpPressed(); };
  get<CommandButton>("chartButton").onClick = [this] { chartPressed(); };
  get<CommandButton>("aboutButton").onClick = [this] { aboutPressed(); };
  get<CommandButton>("webButton").onClick = [this] { webPressed(); };

  auto& quit = add<CommandButton>("quitButton");
  quit.setBounds(7080, 5280, 1095, 735);
  quit.setPicture(":/assets/quit.svg");
  quit.setBackColour(kSystemButtonFace);
  quit.setAccessibleName("終了");
  quit.setTabIndex(tab++);
  quit.onClick = [this] { quitPressed(); };

  auto& cls = add<CommandButton>("clsButton");
  cls.setBounds(5280, 5520, 855, 375);
  cls.setCaption("CLS");
  cls.setBackColour(kSystemButtonFace);
  cls.setForeColour(kSystemWindowText);
  cls.setFont(Font{"ＭＳ Ｐゴシック", 9, true, false});
  cls.setTabIndex(kTabFirstCommand);
  cls.onClick = [this] { clsPressed(); };

  auto& hint = add<Label>("hintLabel");
  hint.setBounds(5280, 4680, 855, 135);
  hint.setAlign(Align::Centre);
  hint.setBackColour(kCalculatorBack);
  hint.setFont(Font{"ＭＳ Ｐゴシック", 6.75, false, false});
  hintLabel_ = &hint;

  auto& link = add<Label>("homepageLink");
  link.setBounds(960, 9360, 1815, 255);
  link.setCaption("Soranoのホームページ");
  link.setAlign(Align::Centre);
  link.setForeColour(kLinkColour);
  link.setFont(kDefault9);
  link.setTransparent(true);
  link.setRole(Role::Link);
  link.setTabIndex(tab++);
  link.onClick = [this] { homepageLinkClicked(); };
  link.onMouseMove = [this] { homepageLinkHovered(); };
  homepageLink_ = &link;

  // The five- and six-band window's button, in the free space between CLS and Quit, and last in
  // the Tab order: every control before it keeps its place, on the screen and for the keyboard.
  auto& precision = add<CommandButton>("precisionButton");
  precision.setBounds(6210, 5520, 795, 375);
  precision.setCaption("&5・6帯");
  precision.setAccessibleName("5・6帯");
  precision.setBackColour(kSystemButtonFace);
  precision.setForeColour(kSystemWindowText);
  precision.setFont(Font{"ＭＳ Ｐゴシック", 9, true, false});
  precision.setTabIndex(tab++);
  precision.onClick = [this] { precisionPressed(); };
  precisionButton_ = &precision;

  auto& author = add<Label>("authorLabel");
  author.setBounds(6960, 9360, 855, 255);
  author.setCaption("Nagareya");
  author.setFont(Font{"ＭＳ Ｐゴシック", 9, false, true});
  author.setForeColour(0xFF8080);
  author.setTransparent(true);

  clockTimer_ = &addTimer("clockTimer", 100);
  clockTimer_->setEnabled(true);
  clockTimer_->setPace(Timer::Pace::WallClockSecond);
  clockTimer_->onTick = [this] { clockTick(); };
  positionTimer_ = &addTimer("positionTimer", 100);
  positionTimer_->onTick = [this] { positionTick(); };
  tiePositionRecorder(*positionTimer_, entry::kMainTop, entry::kMainLeft);
}

void CalculatorWindow::startUp() {
  App& a = app();
  a.savedValues() = SavedValues{};
  a.helpLines().fill(std::string());
  a.setAuxWindowFlag(kAuxClosed);
  a.setAppFolder(a.platform().appFolder());
  // Without a folder of its own the program starts from nothing and reads no folder in its place.
  if (!a.appFolder().empty()) LoadSettings(a.appFolder(), a.savedValues());

  // A position that is missing, not a number or off the screens people use falls back to 60.
  auto checkPosition = [&](int entryNumber, double upper) {
    const double v = LeadingNumber(a.savedValues().get(entryNumber));
    if (!(v >= 1000 && v <= upper)) a.savedValues().set(entryNumber, "60");
  };
  checkPosition(entry::kMainTop, 6000);
  checkPosition(entry::kMainLeft, 17000);
  const auto twips = [&](int n) {
    return static_cast<int>(std::lround(LeadingNumber(a.savedValues().get(n))));
  };
  move(twips(entry::kMainLeft), twips(entry::kMainTop));

  show();
  clockTimer().setEnabled(true);
  positionTimer().setEnabled(true);
  setFocus(entryBox());
  selectResetOptions();
  paintResetBands();
  RestoreSlots();
  // The start-up's own choices are not the user's: a reader hears of the next change.
  takeAnnouncement();
}

void CalculatorWindow::positionTick() { recordPosition(entry::kMainTop, entry::kMainLeft); }

void CalculatorWindow::quitPressed() {
  App& a = app();
  closeFrameWindow();
  // A position the platform could not tell is not saved: the entries keep what the file holds,
  // start-up corrections included, for the next run on a desktop that knows where windows are.
  if (!a.platform().knowsWindowPositions()) {
    for (const int n : entry::kPositions) a.savedValues().restoreLoaded(n);
  }
  const SaveResult saved = SaveSettings(a.appFolder(), a.savedValues());
  clockTimer().setEnabled(false);
  if (!saved.ok) {
    a.platform().messageBox("設定を保存できませんでした。\n" + (a.appFolder() / kSettingsFileName).string() + "\n" +
                                saved.error,
                            std::string(kProgramTitle));
  }
  a.end();
}

void CalculatorWindow::closeBoxPressed() {
  // The close box writes nothing: only the Quit button keeps this run's slots and positions.
  Window::closeBoxPressed();
}

}  // namespace zen
