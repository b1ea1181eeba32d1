#pragma once
// The five- and six-band window: a second calculator beside the four-band one, for the precision
// resistors that carry three digits, a multiplier, a tolerance and perhaps a temperature
// coefficient. The bands are chosen by colour, or follow a typed value, a typed colour code or an
// SMD marking; the window shows the value, the nearest preferred values and the markings that
// carry it. What it reads, what it refuses and the values it names are the terminal's own (core's
// TextReading and AnswerText), so it and `zentario value`, `bands` and `smd` answer alike; it
// words them in Japanese (PrecisionAnswers), the terminal in English.
// Files: PrecisionWindow.cpp (layout), PrecisionBands.cpp (choices, typing, what a reader hears).

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "BandCode.h"
#include "ColourTable.h"
#include "Control.h"
#include "ValueBands.h"
#include "Window.h"

namespace zen {

class App;

// The bands of the drawing, left to right.
enum class PrecisionBand { First, Second, Third, Multiplier, Tolerance, Coefficient };
inline constexpr int kPrecisionBandCount = 6;
// What a reader calls a band: "1帯" to "3帯", "乗数", "許容差", "温度係数".
std::string_view precisionBandTitle(PrecisionBand b);

class PrecisionWindow : public Window {
 public:
  explicit PrecisionWindow(App& app);

  // The user chose a colour in a band's selector (click, arrow key, Space, a reader's action).
  void colourChosen(PrecisionBand band, BandColour colour);
  // "５帯" or "６帯". Going back to five keeps the coefficient chosen, for the next six.
  void bandCountChosen(int count);
  // After every change of the value box: a value in any notation the terminal reads, or a code
  // of five or six colours.
  void valueTyped();
  // After every change of the marking box.
  void markingTyped();
  // The close button, Escape and the title bar's close box: the window closes and onClosed runs.
  void closePressed();
  void closeBoxPressed() override { closePressed(); }
  // Where the keyboard goes once the window has closed (the button that opened it).
  std::function<void()> onClosed;

  // What a screen reader hears after an action: the bands that changed besides the one chosen,
  // the value ("1帯 黄、2帯 紫、3帯 緑、4.75 KΩ ±1%"), then what the typed text gave; or a refusal.
  bool announcing() const override { return valueAnnounced_ || Window::announcing(); }
  std::string takeAnnouncement() override;
  // "10 KΩ ±1%", with " 100ppm/K" for six bands.
  std::string valueForReader() const;

  BandColour chosen(PrecisionBand b) const { return chosen_[static_cast<std::size_t>(b)]; }
  bool sixBands() const { return sixBands_; }

  // Controls by role.
  OptionButton* option(PrecisionBand b, BandColour c) const;
  PictureBox& bandPicture(PrecisionBand b) const { return *bandPictures_[static_cast<std::size_t>(b)]; }
  TextBox& valueEntry() const { return *valueEntry_; }
  TextBox& markingEntry() const { return *markingEntry_; }
  TextBox& ohmBox() const { return *valueBoxes_[0]; }
  TextBox& kiloOhmBox() const { return *valueBoxes_[1]; }
  TextBox& megaOhmBox() const { return *valueBoxes_[2]; }
  TextBox& toleranceBox() const { return *valueBoxes_[3]; }
  TextBox& coefficientBox() const { return *valueBoxes_[4]; }
  // "10 KΩ ±1 %" under the drawing; the line for a refusal, a shortened value or a marking's
  // reading; the nearest E24 to E192 values; the SMD markings.
  Label& summary() const { return *summary_; }
  Label& note() const { return *note_; }
  Label& seriesLine() const { return *seriesLine_; }
  Label& markingsLine() const { return *markingsLine_; }

 private:
  void buildDrawing();
  void buildSelectors();
  void buildPanels();
  // Shows a choice: the band's option on and the others off, the band and its name painted. It
  // runs no click handler: only the user's choices are handled as choices.
  void showChoice(PrecisionBand b, BandColour c);
  void showBandCount(bool six);
  // The value boxes and the summary from the bands.
  void showValue();
  // The nearest preferred values and the SMD markings of a value: what was typed, else the bands'.
  void showLines(const Decimal& value);
  Decimal bandsValue() const;
  void showNote(std::string text, bool refusal);
  // A typed value or marking carried by three digits: its bands, the note and the lines.
  void showCode(const BandCode& code, const Decimal& asked, std::string note);
  // A value or marking box emptied: no note, the lines of the bands' value.
  void boxEmptied();
  // Text that gives no bands: the line says why, and so does the reader.
  void refuse(std::string why);
  void announceValue(std::optional<PrecisionBand> chosen, std::string after = {});

  std::array<BandColour, kPrecisionBandCount> chosen_{};
  bool sixBands_ = false;
  bool showing_ = false;  // set while the window shows its own choices
  // Each band's options by colour; none where the band has no such colour.
  std::array<std::array<OptionButton*, kBandColourCount>, kPrecisionBandCount> options_{};
  std::array<PictureBox*, kPrecisionBandCount> bandPictures_{};
  std::array<Label*, kPrecisionBandCount> bandNames_{};
  std::array<Frame*, kPrecisionBandCount> selectors_{};
  std::array<OptionButton*, 2> countOptions_{};
  std::array<TextBox*, 5> valueBoxes_{};
  Label* coefficientUnit_ = nullptr;
  TextBox* valueEntry_ = nullptr;
  TextBox* markingEntry_ = nullptr;
  Label* summary_ = nullptr;
  Label* note_ = nullptr;
  Label* seriesLine_ = nullptr;
  Label* markingsLine_ = nullptr;

  bool valueAnnounced_ = false;
  std::optional<PrecisionBand> chosenBand_;
  std::string announcedAfter_;
  // The band colours and count a reader last heard of.
  std::array<BandColour, kPrecisionBandCount> announced_{};
};

}  // namespace zen
