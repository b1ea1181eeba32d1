#include "CalculatorFixture.h"

#include <filesystem>
#include <sstream>

#include "SavedValues.h"
#include "Settings.h"

namespace zen::test {

std::vector<Choice> groupOptions(BandGroup g) {
  const OptionRange r = optionRange(g);
  std::vector<Choice> options;
  for (int n = r.first; n <= r.last; ++n) options.push_back({g, *optionColour(g, n)});
  return options;
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

// The colours whose options are on in a group: "黄", or "黄, 紫".
std::string optionsOn(const CalculatorWindow& calculator, BandGroup g) {
  std::string on;
  for (const Choice& c : groupOptions(g)) {
    if (calculator.bandOption(g, c.colour).value()) on += (on.empty() ? "" : ", ") + std::string(look(c.colour).name);
  }
  return on.empty() ? "none" : on;
}

}  // namespace

std::ostream& operator<<(std::ostream& os, const Choice& c) {
  return os << kGroupNames[static_cast<int>(c.group)] << " " << look(c.colour).name;
}

::testing::AssertionResult ShowsBands(const CalculatorWindow& calculator, BandColour first, BandColour second,
                                      BandColour multiplier, BandColour tolerance) {
  const BandColour colours[4] = {first, second, multiplier, tolerance};
  std::ostringstream problems;
  for (int b = 0; b < 4; ++b) {
    const auto band = static_cast<Band>(b);
    const Look& want = look(colours[b]);
    const std::string on = optionsOn(calculator, kBandGroups[static_cast<std::size_t>(b)]);
    if (on != want.name) {
      problems << "\n  " << kGroupNames[b] << ": options on " << on << ", expected " << want.name;
    }
    if (calculator.bandPicture(band).backColour() != want.colour) {
      problems << "\n  " << kGroupNames[b] << ": painted 0x" << std::hex << calculator.bandPicture(band).backColour()
               << ", expected 0x" << want.colour << std::dec;
    }
    if (calculator.bandLabel(band).caption() != want.name) {
      problems << "\n  " << kGroupNames[b] << ": labelled \"" << calculator.bandLabel(band).caption()
               << "\", expected \"" << want.name << "\"";
    }
  }
  const std::string p = problems.str();
  if (p.empty()) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << "the bands differ:" << p;
}

::testing::AssertionResult ShowsValue(const CalculatorWindow& calculator, std::string_view ohm,
                                      std::string_view kiloOhm, std::string_view megaOhm) {
  if (calculator.ohmBox().text() == ohm && calculator.kiloOhmBox().text() == kiloOhm &&
      calculator.megaOhmBox().text() == megaOhm) {
    return ::testing::AssertionSuccess();
  }
  return ::testing::AssertionFailure() << "the value shows \"" << calculator.ohmBox().text() << "\", \""
                                       << calculator.kiloOhmBox().text() << "\", \"" << calculator.megaOhmBox().text()
                                       << "\"; expected \"" << ohm << "\", \"" << kiloOhm << "\", \"" << megaOhm
                                       << "\"";
}

bool UiTest::settingsExist() const { return std::filesystem::exists(dir.path() / kSettingsFileName); }

void CalculatorWindowTest::pressAndClick(Choice c) {
  OptionButton& o = option(c);
  if (o.onMouseDown) o.onMouseDown();
  o.userClick();
}

void CalculatorWindowTest::type(std::string_view characters) {
  // Each keystroke lands on what the box holds now, which a rejected entry has emptied.
  for (char c : characters) calculator().entryBox().userEdit(calculator().entryBox().text() + c);
}

void CalculatorWindowTest::chooseBands(int first, int second, BandColour multiplier) {
  click(firstOption(first));
  click(secondOption(second));
  click(multiplierOption(multiplier));
}

}  // namespace zen::test
