#pragma once
// The calculator window: the resistor drawing, the four band selectors, the value panel, the
// memory panel, the clock and the command buttons. Its handlers live in several files by topic:
// Form1.cpp (layout, start-up, position, Quit), Form1Bands.cpp (colour selection and the value),
// Form1Entry.cpp (the typed value), Form1Slots.cpp (memory slots and CLS), Form1Clock.cpp (the
// clock), Form1Commands.cpp (the buttons that open the help, chart and about windows),
// Form1Browser.cpp (the W E V button and the homepage link) and Form1Reader.cpp (what a screen
// reader hears of the value and the slots).

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "ColourTable.h"
#include "Control.h"
#include "Window.h"

namespace zen {

class App;

inline constexpr int kOptionCount = 41;
inline constexpr Rgb kForm1Back = 0xFFC0C0;
inline constexpr Rgb kForm1Text = 0xC00000;
inline constexpr Rgb kEntryBack = 0xC0FFC0;
inline constexpr Rgb kValueBack = 0xC0FFFF;
inline constexpr Rgb kLinkColour = 0xFFFFC0;
inline constexpr Rgb kLinkHoverColour = 0xC0FFFF;
inline constexpr Rgb kLinkRestColour = 0xFF8080;

// The four painted bands of the drawing, in order.
enum class Band { First = 0, Second = 1, Multiplier = 2, Tolerance = 3 };

class Form1 : public Window {
 public:
  explicit Form1(App& app);

  // Start-up, position recorder, Quit, close box.
  void Form_Load();
  void Timer2_Timer();
  void Command1_Click();
  void closeBoxPressed() override;

  // Bands to value.
  int ReadFirstBand();
  int ReadSecondBand();
  void ComputeValue(std::int16_t tens, std::int16_t digit);

  // Colour selection handlers.
  void Option1_Click();
  void firstBandChoice(int digit);
  void Option11_Click();
  void secondBandChoice(int digit);
  void multiplierChoice(BandColour colour);
  void toleranceChoice(BandColour colour);
  void multiplierMouseDown();
  void goldSilverHint(BandColour colour);
  void Form_MouseMove();
  void Label25_MouseMove();

  // The typed value.
  void Text5_Change();
  void Text5_MouseDown();

  // Memory slots and CLS.
  std::string SlotValueText() const;
  void StoreSlot(int slot);
  void RestoreSlots();
  void Command11_Click();

  // Clock.
  void Timer1_Timer();

  // What a screen reader hears of the user's last action: the bands that changed since it was last
  // told, besides the one the user chose, then the value ("1帯 紫、7 Ω ±5%"); or what the action
  // announced itself (a slot stored, CLS).
  bool announcing() const override { return valueAnnounced_ || Window::announcing(); }
  std::string takeAnnouncement() override;
  // The value and tolerance as a reader hears them: "4.7 KΩ ±5%"; "値なし ±5%" without a value.
  std::string valueForReader() const;
  // What memory slot k holds, as its button describes it: "4.7KΩ 黄 紫 赤 金", or "空き".
  std::string slotForReader(int k) const;

  // Commands that open the other windows, and the homepage link.
  void Command7_Click();
  void Command8_Click();
  void Command9_Click();
  void Command10_Click();
  void Label25_Click();
  // Closes the browser's frame window when it is open.
  void closeFrameWindow();

  // Band and value state.
  std::int16_t FirstDigitTens = 0;
  std::int16_t SecondDigit = 0;
  double ValueOhm = 0;
  double ValueKiloOhm = 0;
  double ValueMegaOhm = 0;

  // Clock state.
  std::string ShownDate;
  std::string ShownYear;
  int ShownWeekday = 0;

  // Controls by role. Options are numbered 1..41.
  OptionButton& option(int n) const { return *options_.at(static_cast<std::size_t>(n - 1)); }
  PictureBox& swatch(int n) const { return *swatches_.at(static_cast<std::size_t>(n - 1)); }
  PictureBox& bandPicture(Band b) const { return *bandPictures_[static_cast<std::size_t>(b)]; }
  Label& bandLabel(Band b) const { return *bandLabels_[static_cast<std::size_t>(b)]; }
  TextBox& Text1() const { return *text_[0]; }
  TextBox& Text2() const { return *text_[1]; }
  TextBox& Text3() const { return *text_[2]; }
  TextBox& Text4() const { return *text_[3]; }
  TextBox& Text5() const { return *text_[4]; }
  Label& Label25() const { return *label25_; }
  Label& Label29() const { return *label29_; }
  Timer& Timer1() const { return *timer1_; }
  Timer& Timer2() const { return *timer2_; }
  // Memory slot k (0 = A .. 4 = E).
  Label& slotLabel(int k) const { return *slotLabels_.at(static_cast<std::size_t>(k)); }
  CommandButton& slotButton(int k) const { return *slotButtons_.at(static_cast<std::size_t>(k)); }
  PictureBox& slotBand(int k, int band) const {
    return *slotBands_.at(static_cast<std::size_t>(k)).at(static_cast<std::size_t>(band));
  }

 private:
  void buildTitleAndDrawing();
  void buildSelectors();
  void buildValuePanel();
  void buildMemoryPanel();
  void buildClockAndCommands();
  void paintBand(Band b, BandColour c);
  void paintResetBands();
  void blankValueTexts();
  // Clears every option of a group except those in keep (option numbers).
  void clearGroupExcept(BandGroup g, std::initializer_list<int> keep);
  void selectResetOptions();
  // The common end of CLS and a press on the entry: reset bands, no values, an empty entry.
  void startOver();
  // Asks for the value to be announced when the action is over. chosen is the band of the option
  // the user chose, whose name a reader has just heard; none for a typed value.
  void announceValue(std::optional<Band> chosen);
  // The four painted bands by colour name: "黄 紫 赤 金".
  std::string bandsForReader() const;

  std::array<OptionButton*, kOptionCount> options_{};
  std::array<PictureBox*, kOptionCount> swatches_{};
  std::array<PictureBox*, 4> bandPictures_{};
  std::array<Label*, 4> bandLabels_{};
  std::array<TextBox*, 5> text_{};
  std::array<Label*, 5> slotLabels_{};
  std::array<CommandButton*, 5> slotButtons_{};
  std::array<std::array<PictureBox*, 4>, 5> slotBands_{};
  Label* label25_ = nullptr;
  Label* label29_ = nullptr;
  Timer* timer1_ = nullptr;
  Timer* timer2_ = nullptr;
  bool valueAnnounced_ = false;
  std::optional<Band> chosenBand_;
  // The band colours a reader last heard of.
  std::array<Rgb, 4> announcedBands_{};
};

}  // namespace zen
