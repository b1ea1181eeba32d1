// Reading colours and values as people type them: both languages, any case, full-width forms and
// the notations of schematics and parts lists.

#include "Reading.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace zen {
void PrintTo(const Decimal& d, std::ostream* os) { *os << d.digits << "e" << d.exponent; }
}  // namespace zen

namespace zen::cli {
namespace {

using C = BandColour;

TEST(ReadColour, JapaneseAndEnglishNamesInAnyCaseAndDigits) {
  struct Case {
    const char* word;
    C colour;
    bool isDigit;
  };
  const Case cases[] = {
      {"黒", C::Black, false},   {"茶", C::Brown, false},   {"赤", C::Red, false},     {"橙", C::Orange, false},
      {"黄", C::Yellow, false},  {"緑", C::Green, false},   {"青", C::Blue, false},    {"紫", C::Purple, false},
      {"灰", C::Grey, false},    {"白", C::White, false},   {"金", C::Gold, false},    {"銀", C::Silver, false},
      {"無", C::None, false},    {"black", C::Black, false}, {"brown", C::Brown, false}, {"red", C::Red, false},
      {"orange", C::Orange, false}, {"yellow", C::Yellow, false}, {"green", C::Green, false},
      {"blue", C::Blue, false},  {"violet", C::Purple, false}, {"purple", C::Purple, false},
      {"grey", C::Grey, false},  {"gray", C::Grey, false},  {"white", C::White, false}, {"gold", C::Gold, false},
      {"silver", C::Silver, false}, {"none", C::None, false}, {"RED", C::Red, false},  {"Violet", C::Purple, false},
      {"GrAy", C::Grey, false},  {"ＲＥＤ", C::Red, false},  {" 赤 ", C::Red, false},   {"0", C::Black, true},
      {"4", C::Yellow, true},    {"9", C::White, true},     {"４", C::Yellow, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.word);
    const std::optional<ColourWord> w = ReadColour(c.word);
    ASSERT_TRUE(w);
    EXPECT_EQ(w->colour, c.colour);
    EXPECT_EQ(w->isDigit, c.isDigit);
  }
  for (const char* unknown : {"", "pink", "10", "赤い", "re d", "くろ", "\xff", "-1"}) {
    EXPECT_FALSE(ReadColour(unknown)) << unknown;
  }
}

TEST(ReadValue, EveryNotationGivesItsExactValue) {
  struct Case {
    const char* text;
    Decimal value;
  };
  const Case cases[] = {
      // What the entry box takes.
      {"4700", {"47", 2}}, {"5", {"5", 0}}, {"9999999999", {"9999999999", 0}}, {"0047", {"47", 0}},
      // Schematics and parts lists.
      {"4k7", {"47", 2}}, {"4K7", {"47", 2}}, {"4.7k", {"47", 2}}, {"4.7K", {"47", 2}}, {"4k", {"4", 3}},
      {"2M2", {"22", 5}}, {"1.5M", {"15", 5}}, {"1.5meg", {"15", 5}}, {"1.5MEG", {"15", 5}}, {"1meg5", {"15", 5}},
      {"0R47", {"47", -2}}, {"0r47", {"47", -2}}, {"R47", {"47", -2}}, {"470R", {"47", 1}}, {"470r", {"47", 1}},
      {"4R7", {"47", -1}}, {"470m", {"47", -2}}, {"1G", {"1", 9}}, {"1g", {"1", 9}}, {"99G", {"99", 9}},
      {"4.7e3", {"47", 2}}, {"4.7E+3", {"47", 2}}, {"47e-1", {"47", -1}}, {".5", {"5", -1}}, {"5.", {"5", 0}},
      {"4700.000", {"47", 2}}, {"4.75k", {"475", 1}},
      // Units and blanks.
      {"4k7Ω", {"47", 2}}, {"4.7 kΩ", {"47", 2}}, {"4.7k\u2126", {"47", 2}}, {"4.7kohm", {"47", 2}},
      {"470 Ohms", {"47", 1}}, {"4K7 OHM", {"47", 2}}, {" 4700 ", {"47", 2}}, {"\t+4700", {"47", 2}},
      // Full-width forms, as a Japanese input method types them.
      {"４７００", {"47", 2}}, {"４ｋ７", {"47", 2}}, {"４．７ＫΩ", {"47", 2}}, {"　４７０Ｒ　", {"47", 1}},
      // Zero and out-of-range values still read; the range is the bands' to judge.
      {"0", {}}, {"1e999", {"1", 999}}, {"1e-999", {"1", -999}}, {"1e99999999999999999999", {"1", kExponentLimit}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    const ValueReading r = ReadValue(c.text);
    ASSERT_TRUE(r.value);
    EXPECT_EQ(*r.value, c.value);
  }
}

TEST(ReadValue, RefusesWhatIsNotAResistance) {
  struct Case {
    const char* text;
    ValueProblem problem;
  };
  const Case cases[] = {
      {"", ValueProblem::Empty},          {"   ", ValueProblem::Empty},         {"　", ValueProblem::Empty},
      {"-5", ValueProblem::Negative},     {"−5", ValueProblem::Negative},       {"－５", ValueProblem::Negative},
      {"-4k7", ValueProblem::Negative},   {"abc", ValueProblem::NotANumber},    {"-abc", ValueProblem::NotANumber},
      {"Ω", ValueProblem::NotANumber},    {"k", ValueProblem::NotANumber},      {"e5", ValueProblem::NotANumber},
      {"4e", ValueProblem::NotANumber},   {"4k7k", ValueProblem::NotANumber},   {"4 k7", ValueProblem::NotANumber},
      {"4.7k7", ValueProblem::NotANumber}, {"4.7.1", ValueProblem::NotANumber}, {"1,000", ValueProblem::NotANumber},
      {"0x10", ValueProblem::NotANumber}, {"&H10", ValueProblem::NotANumber},   {"4700 4700", ValueProblem::NotANumber},
      {"4k7\xff", ValueProblem::NotANumber}, {"4,7k", ValueProblem::NotANumber}, {"nan", ValueProblem::NotANumber},
      {"inf", ValueProblem::NotANumber},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    const ValueReading r = ReadValue(c.text);
    EXPECT_FALSE(r.value);
    EXPECT_EQ(r.problem, c.problem);
  }
}

TEST(Quoted, ShowsTheTextSafelyOnOneLine) {
  EXPECT_EQ(Quoted("4k7"), "\"4k7\"");
  EXPECT_EQ(Quoted("赤い"), "\"赤い\"");
  // Escape sequences would recolour the terminal; a line feed would break the one line.
  EXPECT_EQ(Quoted("\x1b[31mred\n"), "\"\\x1B[31mred\\x0A\"");
  EXPECT_EQ(Quoted("a\xff\xc3"), "\"a\\xFF\\xC3\"");
  EXPECT_EQ(Quoted("\xc2\x9b"), "\"\\xC2\\x9B\"");  // C1 control
  EXPECT_EQ(Quoted(std::string(50, '9')), "\"" + std::string(40, '9') + "…\"");
}

}  // namespace
}  // namespace zen::cli
