#pragma once
// The calculator window: the resistor drawing, the four band selectors, the value panel, the
// memory panel, the clock and the command buttons. Its handlers live in several files by topic:
// CalculatorWindow.cpp (layout, start-up, position, Quit), CalculatorBands.cpp (colour selection
// and the value), CalculatorEntry.cpp (the typed value), CalculatorSlots.cpp (memory slots and
// CLS), CalculatorClock.cpp (the clock), CalculatorCommands.cpp (the buttons that open the help,
// chart and about windows), CalculatorBrowser.cpp (the W E V button and the homepage link) and
// CalculatorReader.cpp (what a screen reader hears of the value and the slots).

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
inline constexpr Rgb kCalculatorBack = 0xFFC0C0;
inline constexpr Rgb kCalculatorText = 0xC00000;
inline constexpr Rgb kEntryBack = 0xC0FFC0;
inline constexpr Rgb kValueBack = 0xC0FFFF;
inline constexpr Rgb kLinkColour = 0xFFFFC0;
inline constexpr Rgb kLinkHoverColour = 0xC0FFFF;
inline constexpr Rgb kLinkRestColour = 0xFF8080;

// The four painted bands of the drawing, in order.
enum class Band { First = 0, Second = 1, Multiplier = 2, Tolerance = 3 };

class CalculatorWindow : public Window {
 public:
  explicit CalculatorWindow(App& app);

  // Start-up, position recorder, Quit, close box.
  void startUp();
  void positionTick();
  void quitPressed();
  void closeBoxPressed() override;

  // Bands to value.
  int ReadFirstBand();
  int ReadSecondBand();
  void ComputeValue(std::int16_t tens, std::int16_t digit);

  // Colour selection handlers. Black in the first band starts over; black in the second band has
  // rules of its own.
  void firstBandBlackChosen();
  void firstBandChosen(int digit);
  void secondBandBlackChosen();
  void secondBandChosen(int digit);
  void multiplierChosen(BandColour colour);
  void toleranceChosen(BandColour colour);
  void multiplierPressed();
  void goldSilverHovered(BandColour colour);
  void backgroundHovered();
  void homepageLinkHovered();

  // The typed value.
  void entryChanged();
  void entryPressed();

  // Memory slots and CLS.
  std::string SlotValueText() const;
  void StoreSlot(int slot);
  void RestoreSlots();
  void clsPressed();

  // Clock.
  void clockTick();

  // What a screen reader hears of the user's last action: the bands that changed since it was last
  // told, besides the one the user chose, then the value ("1帯 紫、7 Ω ±5%"); or what the action
  // announced itself (a slot stored, CLS).
  bool announcing() const override { return valueAnnounced_ || Window::announcing(); }
  std::string takeAnnouncement() override;
  // The value and tolerance as a reader hears them: "4.7 KΩ ±5%"; "値なし ±5%" without a value.
  std::string valueForReader() const;
  // What memory slot k holds, as its button describes it: "4.7KΩ 黄 紫 赤 金", or "空き".
  std::string slotForReader(int k) const;

  // Commands that open the other windows (色帯表, HELP, W E V, 情  報), and the homepage link.
  void chartPressed();
  void helpPressed();
  void webPressed();
  void aboutPressed();
  void homepageLinkClicked();
  // 5・6帯: opens the five- and six-band window, or closes it when it is open.
  void precisionPressed();
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

  // Controls by role. A selector's option and the swatch that holds it, by colour; a group has no
  // option for a colour it does not offer (std::bad_optional_access).
  OptionButton& bandOption(BandGroup g, BandColour c) const { return *options_.at(optionIndex(g, c)); }
  PictureBox& swatch(BandGroup g, BandColour c) const { return *swatches_.at(optionIndex(g, c)); }
  OptionButton& firstBandOption(int digit) const { return bandOption(BandGroup::First, digitColour(digit)); }
  OptionButton& secondBandOption(int digit) const { return bandOption(BandGroup::Second, digitColour(digit)); }
  OptionButton& multiplierOption(BandColour c) const { return bandOption(BandGroup::Multiplier, c); }
  OptionButton& toleranceOption(BandColour c) const { return bandOption(BandGroup::Tolerance, c); }
  PictureBox& bandPicture(Band b) const { return *bandPictures_[static_cast<std::size_t>(b)]; }
  Label& bandLabel(Band b) const { return *bandLabels_[static_cast<std::size_t>(b)]; }
  TextBox& ohmBox() const { return *valueBoxes_[0]; }
  TextBox& kiloOhmBox() const { return *valueBoxes_[1]; }
  TextBox& megaOhmBox() const { return *valueBoxes_[2]; }
  TextBox& toleranceBox() const { return *valueBoxes_[3]; }
  TextBox& entryBox() const { return *entryBox_; }
  Label& homepageLink() const { return *homepageLink_; }
  CommandButton& precisionButton() const { return *precisionButton_; }
  Label& hintLabel() const { return *hintLabel_; }
  Timer& clockTimer() const { return *clockTimer_; }
  Timer& positionTimer() const { return *positionTimer_; }
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
  // Where the option of a colour in a group is kept.
  static std::size_t optionIndex(BandGroup g, BandColour c) {
    return static_cast<std::size_t>(optionOf(g, c).value() - 1);
  }
  static BandColour digitColour(int digit) { return colourOfDigit(digit).value(); }
  // Clears every option of a group except the one of the colour kept.
  void clearGroupExcept(BandGroup g, BandColour keep);
  // Clears every option but those of the reset bands: black, black, gold, gold.
  void clearAllButResetOptions();
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
  std::array<TextBox*, 4> valueBoxes_{};
  TextBox* entryBox_ = nullptr;
  std::array<Label*, 5> slotLabels_{};
  std::array<CommandButton*, 5> slotButtons_{};
  std::array<std::array<PictureBox*, 4>, 5> slotBands_{};
  Label* homepageLink_ = nullptr;
  CommandButton* precisionButton_ = nullptr;
  Label* hintLabel_ = nullptr;
  Timer* clockTimer_ = nullptr;
  Timer* positionTimer_ = nullptr;
  bool valueAnnounced_ = false;
  std::optional<Band> chosenBand_;
  // The band colours a reader last heard of.
  std::array<Rgb, 4> announcedBands_{};
};

}  // namespace zen
