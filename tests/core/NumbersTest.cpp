#include "Numbers.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <random>
#include <string>

namespace zen {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();

struct ReadCase {
  const char* text;
  double expected;
};

class LeadingNumberReads : public ::testing::TestWithParam<ReadCase> {};

TEST_P(LeadingNumberReads, Value) {
  const ReadCase& c = GetParam();
  EXPECT_EQ(LeadingNumber(c.text), c.expected) << '"' << c.text << '"';
}

INSTANTIATE_TEST_SUITE_P(
    Plain, LeadingNumberReads,
    ::testing::Values(ReadCase{"4700", 4700}, ReadCase{"0", 0}, ReadCase{"", 0},
                      ReadCase{"abc", 0}, ReadCase{"47K", 47}, ReadCase{"4.7", 4.7},
                      ReadCase{".9", 0.9}, ReadCase{"5.", 5}, ReadCase{"0.5", 0.5},
                      ReadCase{"1.2.3", 1.2}, ReadCase{"007", 7}, ReadCase{".", 0},
                      ReadCase{"-.", 0}, ReadCase{"ＭＳ", 0}, ReadCase{"１２", 0},
                      ReadCase{"4７", 4}, ReadCase{"12Ω", 12}));

INSTANTIATE_TEST_SUITE_P(
    BlanksAnywhere, LeadingNumberReads,
    ::testing::Values(ReadCase{" 47", 47}, ReadCase{"1 2", 12}, ReadCase{"- 5", -5},
                      ReadCase{"\t\n\r 3", 3}, ReadCase{"1 . 5", 1.5},
                      ReadCase{"1 e 3", 1000}, ReadCase{"2E - 1", 0.2}, ReadCase{"   ", 0},
                      ReadCase{"& H 1 F", 31}, ReadCase{"4\xE3\x80\x80" "7", 4}));

INSTANTIATE_TEST_SUITE_P(
    Signs, LeadingNumberReads,
    ::testing::Values(ReadCase{"-5", -5}, ReadCase{"+5", 5}, ReadCase{"--5", 0},
                      ReadCase{"+-5", 0}, ReadCase{"-", 0}, ReadCase{"-abc", 0},
                      ReadCase{"5-3", 5}));

INSTANTIATE_TEST_SUITE_P(
    Exponents, LeadingNumberReads,
    ::testing::Values(ReadCase{"1E3", 1000}, ReadCase{"1e3", 1000}, ReadCase{"1D3", 1000},
                      ReadCase{"1d-2", 0.01}, ReadCase{"4.7E-06", 4.7e-6},
                      ReadCase{"2e+2", 200}, ReadCase{"12E", 12}, ReadCase{"12E+", 12},
                      ReadCase{"12Ex", 12}, ReadCase{"1e5.5", 1e5}, ReadCase{"1e2e3", 100},
                      ReadCase{"E5", 0}, ReadCase{".e5", 0}, ReadCase{"1F3", 1}));

// Radix integers are read as non-negative values, however many digits they have.
INSTANTIATE_TEST_SUITE_P(
    Radix, LeadingNumberReads,
    ::testing::Values(ReadCase{"&H1F", 31}, ReadCase{"&hff", 255}, ReadCase{"&HFFFF", 65535},
                      ReadCase{"&O17", 15}, ReadCase{"&o777", 511}, ReadCase{"&O8", 0},
                      ReadCase{"&H", 0}, ReadCase{"&", 0}, ReadCase{"&X12", 0},
                      ReadCase{"&H1F.5", 31}, ReadCase{"&HG", 0}, ReadCase{"-&H10", 0},
                      ReadCase{"&H10E2", 4322},
                      ReadCase{"&HFFFFFFFFFFFFFFFF", 18446744073709551616.0},
                      ReadCase{"&O1777777777777777777777", 18446744073709551616.0},
                      ReadCase{"&O177777", 65535}));

INSTANTIATE_TEST_SUITE_P(
    Overflow, LeadingNumberReads,
    ::testing::Values(ReadCase{"1e999", kInf}, ReadCase{"-1e999", -kInf},
                      ReadCase{"1e99999999999999999999999", kInf},
                      ReadCase{"1e-999", 0}, ReadCase{"1e-99999999999999999999999", 0},
                      ReadCase{"0e99999999999999999999", 0},
                      ReadCase{"1.7976931348623157e308", std::numeric_limits<double>::max()},
                      ReadCase{"1.8e308", kInf},
                      ReadCase{"4.9406564584124654e-324",
                               std::numeric_limits<double>::denorm_min()}));

TEST(LeadingNumber, HugeDigitStringsGiveInfinityNotUndefinedBehaviour) {
  EXPECT_EQ(LeadingNumber(std::string(400, '9')), kInf);
  EXPECT_EQ(LeadingNumber("-" + std::string(400, '1')), -kInf);
  EXPECT_EQ(LeadingNumber("&H" + std::string(300, 'F')), kInf);
  EXPECT_EQ(LeadingNumber("&O" + std::string(400, '7')), kInf);
  // Leading zeros do not make a number large, nor trailing ones small.
  EXPECT_EQ(LeadingNumber(std::string(400, '0') + "12"), 12);
  EXPECT_EQ(LeadingNumber("0." + std::string(400, '0') + "1e401"), 1);
  EXPECT_EQ(LeadingNumber("1" + std::string(400, '0') + "e-400"), 1);
  EXPECT_EQ(LeadingNumber("0." + std::string(400, '0') + "1"), 0);
}

TEST(LeadingNumber, UnderflowKeepsTheSign) {
  const double v = LeadingNumber("-1e-999");
  EXPECT_EQ(v, 0);
  EXPECT_TRUE(std::signbit(v));
}

TEST(LeadingNumber, ConvertsCorrectlyRounded) {
  // Ties and long mantissas: a digit-by-digit accumulation gets these wrong.
  EXPECT_EQ(LeadingNumber("9007199254740993"), 9007199254740992.0);
  EXPECT_EQ(LeadingNumber("0.1"), 0.1);
  EXPECT_EQ(LeadingNumber("2.2250738585072011e-308"), 2.2250738585072011e-308);
  EXPECT_EQ(LeadingNumber("123456789012345678901234567890"), 123456789012345678901234567890.0);
  // 2^53 + 1 in hexadecimal and octal digits: the tie rounds to the even 2^53.
  EXPECT_EQ(LeadingNumber("&H2" + std::string(12, '0') + "1"), 9007199254740992.0);
  EXPECT_EQ(LeadingNumber("&O4" + std::string(16, '0') + "1"), 9007199254740992.0);
  EXPECT_EQ(LeadingNumber("&H2" + std::string(12, '0') + "3"), 9007199254740996.0);

  std::mt19937_64 random(12345);
  char buffer[64];
  for (int k = 0; k < 2000; ++k) {
    double x;
    do {
      const std::uint64_t bits = random();
      static_assert(sizeof bits == sizeof x);
      std::memcpy(&x, &bits, sizeof x);
    } while (!std::isfinite(x));
    std::snprintf(buffer, sizeof buffer, "%.17G", x);
    ASSERT_EQ(LeadingNumber(buffer), x) << buffer;
    std::snprintf(buffer, sizeof buffer, "%.25g", x);
    ASSERT_EQ(LeadingNumber(buffer), std::strtod(buffer, nullptr)) << buffer;
  }
}

struct FormatCase {
  double value;
  const char* text;
};
void PrintTo(const FormatCase& c, std::ostream* os) { *os << '"' << c.text << '"'; }

class GeneralNumberTextWrites : public ::testing::TestWithParam<FormatCase> {};

TEST_P(GeneralNumberTextWrites, Text) {
  EXPECT_EQ(GeneralNumberText(GetParam().value), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Values, GeneralNumberTextWrites,
    ::testing::Values(FormatCase{4700, "4700"}, FormatCase{4.7, "4.7"},
                      FormatCase{0.0047, "0.0047"}, FormatCase{4.7e-6, "4.7E-06"},
                      FormatCase{99000000000.0, "99000000000"}, FormatCase{1e-5, "1E-05"},
                      FormatCase{3.3000000000000003, "3.3"}, FormatCase{0, "0"},
                      FormatCase{-0.0, "0"}, FormatCase{-60, "-60"}, FormatCase{0.05, "0.05"},
                      FormatCase{0.0001, "0.0001"}, FormatCase{0.00009, "9E-05"},
                      FormatCase{99999999999999.0, "99999999999999"},
                      FormatCase{999999999999999.0, "999999999999999"},
                      FormatCase{1e15, "1E+15"}, FormatCase{9999999999999999.0, "1E+16"},
                      FormatCase{123456789012345678.0, "1.23456789012346E+17"},
                      FormatCase{1e100, "1E+100"}, FormatCase{kInf, "INF"},
                      FormatCase{-kInf, "-INF"}));

TEST(GeneralNumberText, MatchesPrintfGeneralFormatWithFifteenDigits) {
  std::mt19937_64 random(777);
  std::uniform_real_distribution<double> exponent(-30, 30);
  std::uniform_real_distribution<double> mantissa(1, 10);
  char expected[64];
  for (int k = 0; k < 5000; ++k) {
    double x = mantissa(random) * std::pow(10.0, std::floor(exponent(random)));
    if (k % 3 == 0) x = std::round(x * 1000) / 1000;  // short fractions, as band values are
    if (k % 2 == 0) x = -x;
    if (x == 0) continue;  // printf writes "-0"; zero is checked on its own above
    std::snprintf(expected, sizeof expected, "%.15G", x);
    ASSERT_EQ(GeneralNumberText(x), expected) << x;
  }
}

TEST(SignedNumberText, SpaceBeforeNonNegativeMinusBeforeNegative) {
  EXPECT_EQ(SignedNumberText(1800), " 1800");
  EXPECT_EQ(SignedNumberText(-60), "-60");
  EXPECT_EQ(SignedNumberText(0), " 0");
  EXPECT_EQ(SignedNumberText(-0.0), " 0");
  EXPECT_EQ(SignedNumberText(0.5), " 0.5");
  EXPECT_EQ(SignedNumberText(-2.25), "-2.25");
  EXPECT_EQ(SignedNumberText(12345678), " 12345678");
  // What it writes reads back as the same number.
  for (double v : {1800.0, -60.0, 0.0, 15345.0, -32768.0}) {
    EXPECT_EQ(LeadingNumber(SignedNumberText(v)), v);
  }
}

struct RoundCase {
  double value;
  double expected;
};
void PrintTo(const RoundCase& c, std::ostream* os) { *os << c.value << " to " << c.expected; }

class RoundHalfEvenRounds : public ::testing::TestWithParam<RoundCase> {};

TEST_P(RoundHalfEvenRounds, Value) {
  EXPECT_EQ(RoundHalfEven(GetParam().value), GetParam().expected) << GetParam().value;
}

INSTANTIATE_TEST_SUITE_P(
    Values, RoundHalfEvenRounds,
    ::testing::Values(RoundCase{0.5, 0}, RoundCase{1.5, 2}, RoundCase{2.5, 2},
                      RoundCase{3.5, 4}, RoundCase{-0.5, 0}, RoundCase{-1.5, -2},
                      RoundCase{-2.5, -2}, RoundCase{0.9, 1}, RoundCase{0.49999999999999994, 0},
                      RoundCase{2.5000000000000004, 3}, RoundCase{-0.4, 0}, RoundCase{47, 47},
                      RoundCase{-3.7, -4}, RoundCase{4503599627370497.0, 4503599627370497.0},
                      RoundCase{1e300, 1e300}, RoundCase{kInf, kInf}, RoundCase{-kInf, -kInf}));

TEST(RoundHalfEven, ZeroResultKeepsTheSign) {
  EXPECT_TRUE(std::signbit(RoundHalfEven(-0.5)));
  EXPECT_FALSE(std::signbit(RoundHalfEven(0.5)));
  EXPECT_TRUE(std::isnan(RoundHalfEven(std::nan(""))));
}

struct CountCase {
  const char* text;
  std::size_t count;
  std::size_t firstTwoBytes;  // bytes of FirstCharacters(text, 2)
};
void PrintTo(const CountCase& c, std::ostream* os) { *os << '"' << c.text << "\" has " << c.count; }

class Utf8Characters : public ::testing::TestWithParam<CountCase> {};

TEST_P(Utf8Characters, CountAndPrefix) {
  const CountCase& c = GetParam();
  EXPECT_EQ(CharacterCount(c.text), c.count);
  EXPECT_EQ(FirstCharacters(c.text, 2), std::string_view(c.text).substr(0, c.firstTwoBytes));
}

INSTANTIATE_TEST_SUITE_P(
    Texts, Utf8Characters,
    ::testing::Values(CountCase{"", 0, 0}, CountCase{"4", 1, 1}, CountCase{"4700", 4, 2},
                      CountCase{" 47", 3, 2}, CountCase{"ＭＳ", 2, 6},
                      CountCase{"4７0", 3, 4}, CountCase{"47Ω", 3, 2},
                      CountCase{"\xF0\x9F\x98\x80" "1", 2, 5},  // a four-byte character
                      CountCase{"\xFF" "47", 3, 2},             // stray byte
                      CountCase{"\x80\x80", 2, 2},              // lone continuation bytes
                      CountCase{"\xE3\x81" "4", 3, 2},          // cut-off sequence
                      CountCase{"\xC0\x80", 2, 2},              // overlong zero
                      CountCase{"\xED\xA0\x80", 3, 2},          // surrogate
                      CountCase{"\xF4\x90\x80\x80", 4, 2},      // beyond U+10FFFF
                      CountCase{"\xE3\x81", 2, 2}));            // cut off at the end

TEST(FirstCharacters, MoreThanTheTextGivesTheWholeText) {
  EXPECT_EQ(FirstCharacters("黒", 2), "黒");
  EXPECT_EQ(FirstCharacters("abc", 0), "");
  EXPECT_EQ(FirstCharacters("ab", 100), "ab");
}

}  // namespace
}  // namespace zen
