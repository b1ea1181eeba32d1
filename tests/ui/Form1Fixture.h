#pragma once
// Shared ground for the calculator window's tests: a temporary folder as the current directory, a
// fake platform, an App, and checks that read the window the way a user sees it.

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "App.h"
#include "ColourTable.h"
#include "FakePlatform.h"
#include "Form1.h"
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

// Option numbers of the colours in each group.
inline int firstOption(int digit) { return 1 + digit; }
inline int secondOption(int digit) { return 11 + digit; }
inline int multiplierOption(BandColour c) { return 21 + static_cast<int>(c); }
int toleranceOption(BandColour c);  // 33..41 by rising tolerance; 0 for a colour without one

// The settings file as SaveSettings writes it: each entry quoted, CR LF, bytes as given.
std::string SettingsBytes(const std::vector<std::string>& entries);
// 35 entries, all empty except those given as {entry number, bytes}.
std::vector<std::string> Entries(std::initializer_list<std::pair<int, std::string>> set);

// Exactly the given option is on in each group, and every band shows its colour and name.
::testing::AssertionResult ShowsBands(const Form1& form, BandColour first, BandColour second,
                                      BandColour multiplier, BandColour tolerance);
// Text1, Text2 and Text3 hold exactly these texts.
::testing::AssertionResult ShowsValue(const Form1& form, std::string_view ohm, std::string_view kiloOhm,
                                      std::string_view megaOhm);
inline ::testing::AssertionResult ShowsNoValue(const Form1& form) { return ShowsValue(form, "", "", ""); }

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
class Form1Test : public UiTest {
 protected:
  void SetUp() override {
    app.start();
    platform.resetBeeps();
  }
  Form1& form() { return app.form1(); }

  // A user click on an option.
  void click(int option) { form().option(option).userClick(); }
  // A real mouse press and release on an option: the press handler first, then the click.
  void pressAndClick(int option);
  // Typing ASCII into the entry box one character at a time, after what is already there.
  void type(std::string_view characters);
  // The bands chosen by clicks from the start state: first digit 1..9, second digit, multiplier.
  void chooseBands(int first, int second, BandColour multiplier);
  void press(const char* button) { form().get<CommandButton>(button).press(); }
};

}  // namespace zen::test
