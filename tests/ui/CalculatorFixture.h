#pragma once
// Shared ground for the calculator window's tests: a temporary folder as the current directory, a
// fake platform, an App, and checks that read the window the way a user sees it.

#include <gtest/gtest.h>

#include <initializer_list>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "App.h"
#include "CalculatorWindow.h"
#include "ColourTable.h"
#include "FakePlatform.h"
#include "Settings.h"
#include "TempDir.h"

namespace zen::test {

// How each colour shows on the window: the name above its band and its paint colour. Written out
// here rather than taken from the program's table, so that a wrong table entry shows up.
struct Look {
  const char* name;
  Rgb colour;
};
inline constexpr Look kLooks[kBandColourCount] = {
    {"黒", 0x000000}, {"茶", 0x404080}, {"赤", 0x0000FF}, {"橙", 0x0080FF}, {"黄", 0x00FFFF},
    {"緑", 0x00FF00}, {"青", 0xFF0000}, {"紫", 0xFF00FF}, {"灰", 0xC0C0C0}, {"白", 0xFFFFFF},
    {"金", 0x00C0C0}, {"銀", 0xE0E0E0}, {"無", 0x80C0FF}};
inline const Look& look(BandColour c) { return kLooks[static_cast<int>(c)]; }

using C = BandColour;

// One option of a band selector: its group and its colour.
struct Choice {
  BandGroup group;
  BandColour colour;
  bool operator==(const Choice&) const = default;
};
inline Choice firstOption(int digit) { return {BandGroup::First, static_cast<BandColour>(digit)}; }
inline Choice secondOption(int digit) { return {BandGroup::Second, static_cast<BandColour>(digit)}; }
inline Choice multiplierOption(BandColour c) { return {BandGroup::Multiplier, c}; }
inline Choice toleranceOption(BandColour c) { return {BandGroup::Tolerance, c}; }
// Every option of a group, in the order the selector shows them.
std::vector<Choice> groupOptions(BandGroup g);
// "multiplier 赤".
std::ostream& operator<<(std::ostream& os, const Choice& c);

// The settings file as SaveSettings writes it: each entry quoted, CR LF, bytes as given.
std::string SettingsBytes(const std::vector<std::string>& entries);
// 35 entries, all empty except those given as {entry number, bytes}.
std::vector<std::string> Entries(std::initializer_list<std::pair<int, std::string>> set);

// Exactly the given option is on in each group, and every band shows its colour and name.
::testing::AssertionResult ShowsBands(const CalculatorWindow& calculator, BandColour first, BandColour second,
                                      BandColour multiplier, BandColour tolerance);
// The Ω, KΩ and MΩ boxes hold exactly these texts.
::testing::AssertionResult ShowsValue(const CalculatorWindow& calculator, std::string_view ohm,
                                      std::string_view kiloOhm, std::string_view megaOhm);
inline ::testing::AssertionResult ShowsNoValue(const CalculatorWindow& calculator) {
  return ShowsValue(calculator, "", "", "");
}

// Folder, platform and App, not started yet.
class UiTest : public ::testing::Test {
 protected:
  void writeSettings(const std::vector<std::string>& entries) const {
    dir.write(kSettingsFileName, SettingsBytes(entries));
  }
  bool settingsExist() const;
  std::string settingsFile() const { return dir.read(kSettingsFileName); }

  TempDir dir;
  FakePlatform platform{dir.path()};
  App app{platform};
};

// The calculator started from no settings file, beeps of the start-up forgotten.
class CalculatorWindowTest : public UiTest {
 protected:
  void SetUp() override {
    app.start();
    platform.resetBeeps();
  }
  CalculatorWindow& calculator() { return app.calculator(); }
  OptionButton& option(Choice c) { return calculator().bandOption(c.group, c.colour); }

  // A user click on an option.
  void click(Choice c) { option(c).userClick(); }
  // A real mouse press and release on an option: the press handler first, then the click.
  void pressAndClick(Choice c);
  // Typing ASCII into the entry box one character at a time, after what is already there.
  void type(std::string_view characters);
  // The bands chosen by clicks from the start state: first digit 1..9, second digit, multiplier.
  void chooseBands(int first, int second, BandColour multiplier);
  void press(const char* button) { calculator().get<CommandButton>(button).press(); }
};

}  // namespace zen::test
