#include "Form1Fixture.h"

#include <filesystem>
#include <sstream>

#include "SavedValues.h"
#include "Settings.h"

namespace zen::test {

int toleranceOption(BandColour c) {
  constexpr BandColour kOrder[] = {C::Orange, C::Purple, C::Blue, C::Green, C::Brown,
                                   C::Red,    C::Gold,   C::Silver, C::None};
  for (int i = 0; i < 9; ++i) {
    if (kOrder[i] == c) return 33 + i;
  }
  return 0;
}

std::string SettingsBytes(const std::vector<std::string>& entries) {
  std::string out;
  for (const auto& e : entries) out += "\"" + e + "\"\r\n";
  return out;
}

std::vector<std::string> Entries(std::initializer_list<std::pair<int, std::string>> set) {
  std::vector<std::string> entries(entry::kCount);
  for (const auto& [n, text] : set) entries.at(static_cast<std::size_t>(n - 1)) = text;
  return entries;
}

namespace {

constexpr const char* kGroupNames[] = {"first band", "second band", "multiplier", "tolerance"};

std::string optionsOn(const Form1& form, BandGroup g) {
  const OptionRange r = optionRange(g);
  std::string on;
  for (int n = r.first; n <= r.last; ++n) {
    if (form.option(n).value()) on += (on.empty() ? "Option" : ", Option") + std::to_string(n);
  }
  return on.empty() ? "none" : on;
}

}  // namespace

::testing::AssertionResult ShowsBands(const Form1& form, BandColour first, BandColour second,
                                      BandColour multiplier, BandColour tolerance) {
  const BandColour colours[4] = {first, second, multiplier, tolerance};
  const int expectedOption[4] = {firstOption(static_cast<int>(first)), secondOption(static_cast<int>(second)),
                                 multiplierOption(multiplier), toleranceOption(tolerance)};
  std::ostringstream problems;
  for (int b = 0; b < 4; ++b) {
    const auto band = static_cast<Band>(b);
    const Look& want = look(colours[b]);
    const std::string on = optionsOn(form, kBandGroups[static_cast<std::size_t>(b)]);
    if (on != "Option" + std::to_string(expectedOption[b])) {
      problems << "\n  " << kGroupNames[b] << ": options on " << on << ", expected Option" << expectedOption[b];
    }
    if (form.bandPicture(band).backColour() != want.colour) {
      problems << "\n  " << kGroupNames[b] << ": painted 0x" << std::hex << form.bandPicture(band).backColour()
               << ", expected 0x" << want.colour << std::dec;
    }
    if (form.bandLabel(band).caption() != want.name) {
      problems << "\n  " << kGroupNames[b] << ": labelled \"" << form.bandLabel(band).caption() << "\", expected \""
               << want.name << "\"";
    }
  }
  const std::string p = problems.str();
  if (p.empty()) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << "the bands differ:" << p;
}

::testing::AssertionResult ShowsValue(const Form1& form, std::string_view ohm, std::string_view kiloOhm,
                                      std::string_view megaOhm) {
  if (form.Text1().text() == ohm && form.Text2().text() == kiloOhm && form.Text3().text() == megaOhm) {
    return ::testing::AssertionSuccess();
  }
  return ::testing::AssertionFailure() << "the value shows \"" << form.Text1().text() << "\", \""
                                       << form.Text2().text() << "\", \"" << form.Text3().text()
                                       << "\"; expected \"" << ohm << "\", \"" << kiloOhm << "\", \"" << megaOhm
                                       << "\"";
}

bool UiTest::settingsExist() const { return std::filesystem::exists(dir.path() / kSettingsFileName); }

void Form1Test::pressAndClick(int option) {
  OptionButton& o = form().option(option);
  if (o.onMouseDown) o.onMouseDown();
  o.userClick();
}

void Form1Test::type(std::string_view characters) {
  // Each keystroke lands on what the box holds now, which a rejected entry has emptied.
  for (char c : characters) form().Text5().userEdit(form().Text5().text() + c);
}

void Form1Test::chooseBands(int first, int second, BandColour multiplier) {
  click(firstOption(first));
  click(secondOption(second));
  click(multiplierOption(multiplier));
}

}  // namespace zen::test
