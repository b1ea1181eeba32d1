// The terminal and the window answer from the same core, so they must never disagree: every
// choice of the four bands, and every whole number typed into the entry box.

#include <sstream>
#include <string>
#include <vector>

#include "CalculatorFixture.h"
#include "Cli.h"

namespace zen::test {
namespace {

std::string runCli(const std::vector<std::string>& args) {
  std::ostringstream out;
  std::ostringstream err;
  EXPECT_EQ(cli::Run(args, out, err), 0) << err.str();
  return out.str();
}

std::string labels(const CalculatorWindow& calculator) {
  std::string names;
  for (Band b : {Band::First, Band::Second, Band::Multiplier, Band::Tolerance}) {
    names += (names.empty() ? "" : " ") + calculator.bandLabel(b).caption();
  }
  return names;
}

using CliAgreesWithWindow = CalculatorWindowTest;

// For each choice, clicked as a user clicks it, `bands` is given the names the window then shows
// above the four bands and must print exactly the window's Ω, KΩ, MΩ and tolerance boxes.
TEST_F(CliAgreesWithWindow, OnEveryChoiceOfBands) {
  for (int first = 1; first <= 9; ++first) {
    for (int second = 0; second <= 9; ++second) {
      for (const Choice& multiplier : groupOptions(BandGroup::Multiplier)) {
        for (const Choice& tolerance : groupOptions(BandGroup::Tolerance)) {
          click(firstOption(0));
          for (const Choice& option : {firstOption(first), secondOption(second), multiplier, tolerance}) click(option);
          std::vector<std::string> args = {"bands"};
          for (Band b : {Band::First, Band::Second, Band::Multiplier, Band::Tolerance}) {
            args.push_back(calculator().bandLabel(b).caption());
          }
          const std::string expected = calculator().ohmBox().text() + " Ω  " + calculator().kiloOhmBox().text() +
                                       " KΩ  " + calculator().megaOhmBox().text() + " MΩ  ±" +
                                       calculator().toleranceBox().text() + " %\n";
          ASSERT_EQ(runCli(args), expected) << firstOption(first) << ", " << secondOption(second) << ", " << multiplier
                                            << ", " << tolerance;
        }
      }
    }
  }
}

// `value` for a whole number gives the bands typing it gives, and the value a memory slot would
// keep of them; digits after the second are dropped by both.
TEST_F(CliAgreesWithWindow, OnEveryWholeNumberTyped) {
  std::vector<std::string> typed;
  for (int d = 1; d <= 9; ++d) typed.push_back(std::to_string(d));
  for (int prefix = 10; prefix <= 99; ++prefix) {
    for (std::size_t length = 2; length <= 10; ++length) typed.push_back(std::to_string(prefix) + std::string(length - 2, '9'));
  }
  for (const std::string& text : typed) {
    calculator().entryPressed();
    type(text);
    const std::string slot = calculator().SlotValueText();
    const std::string unit = slot.ends_with("KΩ") ? "KΩ" : slot.ends_with("MΩ") ? "MΩ" : "Ω";
    const std::string number = slot.substr(0, slot.size() - unit.size());
    const std::string out = runCli({"value", text});
    const std::string line = out.substr(0, out.find('\n') + 1);
    ASSERT_TRUE(line.starts_with(labels(calculator()) + "  (")) << text << ": " << line;
    ASSERT_TRUE(line.ends_with(")  " + number + " " + unit + " ±" + calculator().toleranceBox().text() + " %\n"))
        << text << ": " << line;
  }
}

}  // namespace
}  // namespace zen::test
