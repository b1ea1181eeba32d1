// The terminal and the window answer from the same core, so they must never disagree: every
// choice of the four bands, and every whole number typed into the entry box.

#include <sstream>
#include <string>
#include <vector>

#include "Cli.h"
#include "Form1Fixture.h"

namespace zen::test {
namespace {

std::string runCli(const std::vector<std::string>& args) {
  std::ostringstream out;
  std::ostringstream err;
  EXPECT_EQ(cli::Run(args, out, err), 0) << err.str();
  return out.str();
}

std::string labels(const Form1& form) {
  std::string names;
  for (Band b : {Band::First, Band::Second, Band::Multiplier, Band::Tolerance}) {
    names += (names.empty() ? "" : " ") + form.bandLabel(b).caption();
  }
  return names;
}

using CliAgreesWithWindow = Form1Test;

// For each choice, clicked as a user clicks it, `bands` is given the names the window then shows
// above the four bands and must print exactly the window's Text1 to Text4.
TEST_F(CliAgreesWithWindow, OnEveryChoiceOfBands) {
  for (int first = 1; first <= 9; ++first) {
    for (int second = 0; second <= 9; ++second) {
      for (int multiplier = 21; multiplier <= 32; ++multiplier) {
        for (int tolerance = 33; tolerance <= 41; ++tolerance) {
          click(1);
          for (int option : {firstOption(first), secondOption(second), multiplier, tolerance}) click(option);
          std::vector<std::string> args = {"bands"};
          for (Band b : {Band::First, Band::Second, Band::Multiplier, Band::Tolerance}) {
            args.push_back(form().bandLabel(b).caption());
          }
          const std::string expected = form().Text1().text() + " Ω  " + form().Text2().text() + " KΩ  " +
                                       form().Text3().text() + " MΩ  ±" + form().Text4().text() + " %\n";
          ASSERT_EQ(runCli(args), expected) << "Option" << firstOption(first) << ", Option" << secondOption(second)
                                            << ", Option" << multiplier << ", Option" << tolerance;
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
    form().Text5_MouseDown();
    type(text);
    const std::string slot = form().SlotValueText();
    const std::string unit = slot.ends_with("KΩ") ? "KΩ" : slot.ends_with("MΩ") ? "MΩ" : "Ω";
    const std::string number = slot.substr(0, slot.size() - unit.size());
    const std::string out = runCli({"value", text});
    const std::string line = out.substr(0, out.find('\n') + 1);
    ASSERT_TRUE(line.starts_with(labels(form()) + "  (")) << text << ": " << line;
    ASSERT_TRUE(line.ends_with(")  " + number + " " + unit + " ±" + form().Text4().text() + " %\n"))
        << text << ": " << line;
  }
}

}  // namespace
}  // namespace zen::test
