#include "EntryConversion.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <limits>
#include <optional>
#include <ostream>
#include <string>
#include <tuple>
#include <utility>

#include "BandValue.h"
#include "ColourTable.h"
#include "Numbers.h"

namespace zen {
namespace {

constexpr int kGold = index(BandColour::Gold);
constexpr int kLeftAlone = -1;  // the first band keeps whatever it was

struct EntryCase {
  std::string text;
  int first;  // digit, or kLeftAlone
  int second;
  std::optional<int> multiplier;
  PrefixRow row;
  std::int16_t prefix;
  std::size_t length;
  const char* ohm;  // value of the bands with the first band black before, "" when not checked
};

void PrintTo(const EntryCase& c, std::ostream* os) { *os << '"' << c.text << '"'; }

class ConvertEntryGives : public ::testing::TestWithParam<EntryCase> {};

TEST_P(ConvertEntryGives, Bands) {
  const EntryCase& c = GetParam();
  const EntryBands r = ConvertEntry(c.text);
  ASSERT_TRUE(r.accepted);
  EXPECT_EQ(r.first, c.first == kLeftAlone ? std::nullopt : std::optional<int>(c.first));
  EXPECT_EQ(r.second, c.second);
  EXPECT_EQ(r.multiplier, c.multiplier);
  EXPECT_EQ(r.row, c.row);
  EXPECT_EQ(r.prefixNumber, c.prefix);
  EXPECT_EQ(r.length, c.length);
  EXPECT_EQ(r.entryNumber, LeadingNumber(c.text));
  if (*c.ohm != '\0') {
    const int first = r.first.value_or(0);
    const auto multiplier =
        r.multiplier ? std::optional<BandColour>(static_cast<BandColour>(*r.multiplier))
                     : std::nullopt;
    const BandValue v = ComputeBandValue(10 * first, *r.second, multiplier, 0);
    EXPECT_EQ(GeneralNumberText(v.ohm), c.ohm);
  }
}

// The worked examples: text, then the bands and the value they stand for.
INSTANTIATE_TEST_SUITE_P(
    Examples, ConvertEntryGives,
    ::testing::Values(
        EntryCase{"5", 5, 0, kGold, PrefixRow::OneDigit, 5, 1, "5"},
        EntryCase{"10", 1, 0, 0, PrefixRow::TwoDigits, 10, 2, "10"},
        EntryCase{"47", 4, 7, 0, PrefixRow::TwoDigits, 47, 2, "47"},
        EntryCase{"470", 4, 7, 1, PrefixRow::TwoDigits, 47, 3, "470"},
        EntryCase{"4700", 4, 7, 2, PrefixRow::TwoDigits, 47, 4, "4700"},
        EntryCase{"4750", 4, 7, 2, PrefixRow::TwoDigits, 47, 4, "4700"},
        EntryCase{"4799", 4, 7, 2, PrefixRow::TwoDigits, 47, 4, "4700"},
        EntryCase{"1000000", 1, 0, 5, PrefixRow::TwoDigits, 10, 7, "1000000"},
        EntryCase{"9999999999", 9, 9, 8, PrefixRow::TwoDigits, 99, 10, "9900000000"},
        EntryCase{"99", 9, 9, 0, PrefixRow::TwoDigits, 99, 2, "99"},
        EntryCase{"05", 5, 0, 0, PrefixRow::OneDigit, 5, 2, "50"},
        EntryCase{"4.7", 4, 0, 1, PrefixRow::OneDigit, 4, 3, "400"},
        EntryCase{"47K", 4, 7, 1, PrefixRow::TwoDigits, 47, 3, "470"},
        EntryCase{"5K", 5, 0, 0, PrefixRow::OneDigit, 5, 2, "50"},
        EntryCase{"-5", kLeftAlone, 0, 0, PrefixRow::Other, -5, 2, ""}));

// Pasted and unusual texts.
INSTANTIATE_TEST_SUITE_P(
    Pasted, ConvertEntryGives,
    ::testing::Values(
        // A leading blank counts toward the length but not toward the digits.
        EntryCase{" 47", 4, 0, 1, PrefixRow::OneDigit, 4, 3, "400"},
        // 0.9 rounds to 1; 0.5 rounds to the even 0.
        EntryCase{".9", 1, 0, 0, PrefixRow::OneDigit, 1, 2, "10"},
        EntryCase{".5", 0, 0, 0, PrefixRow::OneDigit, 0, 2, "0"},
        EntryCase{"0.5", 0, 0, 1, PrefixRow::OneDigit, 0, 3, "0"},
        EntryCase{"-.5", 0, 0, 1, PrefixRow::OneDigit, 0, 3, "0"},
        EntryCase{"-47", kLeftAlone, 0, 1, PrefixRow::Other, -4, 3, ""},
        EntryCase{"1 5", 1, 0, 1, PrefixRow::OneDigit, 1, 3, "100"},
        EntryCase{"1e5", 1, 0, 1, PrefixRow::OneDigit, 1, 3, "100"},
        // Two blanks give a prefix of 0 but the whole text still reads as 7.
        EntryCase{"  7", 0, 0, 1, PrefixRow::OneDigit, 0, 3, "0"},
        // Lengths count characters, not bytes.
        EntryCase{"4Ω", 4, 0, 0, PrefixRow::OneDigit, 4, 2, "40"},
        EntryCase{"47Ω", 4, 7, 1, PrefixRow::TwoDigits, 47, 3, "470"},
        EntryCase{"47ＫΩ", 4, 7, 2, PrefixRow::TwoDigits, 47, 4, "4700"},
        // Huge exponents make an infinite entry number, which is not 0.
        EntryCase{"1e999", 1, 0, 3, PrefixRow::OneDigit, 1, 5, "10000"},
        EntryCase{"&H10", 0, 0, 2, PrefixRow::OneDigit, 0, 4, "0"}));

// Beyond the ten characters the entry box allows.
INSTANTIATE_TEST_SUITE_P(
    Long, ConvertEntryGives,
    ::testing::Values(
        EntryCase{"12345678901", 1, 2, 9, PrefixRow::TwoDigits, 12, 11, "12000000000"},
        // Twelve characters or more: the length gives no multiplier.
        EntryCase{"123456789012", 1, 2, std::nullopt, PrefixRow::TwoDigits, 12, 12, ""},
        EntryCase{"5abcdefghijk", 5, 0, kGold, PrefixRow::OneDigit, 5, 12, "5"},
        EntryCase{"-5abcdefghijklm", kLeftAlone, 0, kGold, PrefixRow::Other, -5, 15, ""},
        EntryCase{std::string(400, '9'), 9, 9, std::nullopt, PrefixRow::TwoDigits, 99, 400,
                  ""}));

TEST(ConvertEntry, TypingDigitByDigitPassesThroughEachBeginning) {
  const std::string typed = "4700";
  const char* shown[] = {"4", "47", "470", "4700"};
  for (std::size_t n = 1; n <= typed.size(); ++n) {
    const EntryBands r = ConvertEntry(typed.substr(0, n));
    ASSERT_TRUE(r.accepted);
    const BandValue v = ComputeBandValue(10 * *r.first, *r.second,
                                         static_cast<BandColour>(*r.multiplier), 0);
    EXPECT_EQ(GeneralNumberText(v.ohm), shown[n - 1]);
  }
}

// What an input method commits, or a paste brings, reads as its half-width twin: same bands, same
// length, mixed widths and a full-width sign or point anywhere included.
TEST(ConvertEntry, FullWidthTextGivesTheBandsOfItsHalfWidthTwin) {
  const std::pair<const char*, const char*> twins[] = {
      {"４７００", "4700"}, {"4７0０", "4700"}, {"４．７", "4.7"}, {"４.７", "4.7"},
      {"－５", "-5"}, {"＋４７", "+47"}, {"４７－０", "47-0"}, {"４７．５", "47.5"},
      {"１Ｅ５", "1E5"}, {"　４７", " 47"}, {"４７ＫΩ", "47KΩ"}, {"１２３４５６７８９０１", "12345678901"},
      {"１２３４５６７８９０１２３", "1234567890123"}};
  for (const auto& [wide, narrow] : twins) {
    const EntryBands w = ConvertEntry(wide);
    const EntryBands n = ConvertEntry(narrow);
    EXPECT_TRUE(w.accepted) << wide;
    EXPECT_EQ(std::tie(w.accepted, w.first, w.second, w.multiplier, w.row, w.prefixNumber, w.length,
                       w.entryNumber),
              std::tie(n.accepted, n.first, n.second, n.multiplier, n.row, n.prefixNumber, n.length,
                       n.entryNumber))
        << wide;
  }
}

TEST(ConvertEntry, RejectsTextsWhoseNumberIsZero) {
  for (const char* text : {"", "0", "00", "0000000000", "abc", " ", "-", ".", "ＭＳ", "K47",
                           "0e5", "&H", "&H0", "1e-999", "０", "よん", "四七"}) {
    const EntryBands r = ConvertEntry(text);
    EXPECT_FALSE(r.accepted) << '"' << text << '"';
    EXPECT_FALSE(r.first);
    EXPECT_FALSE(r.second);
    EXPECT_FALSE(r.multiplier);
    EXPECT_EQ(r.entryNumber, 0);
    EXPECT_EQ(r.length, CharacterCount(text));
  }
}

TEST(ConvertEntry, EveryTwoDigitBeginningPicksItsDigitsAndEveryLengthItsMultiplier) {
  for (int p = 10; p <= 99; ++p) {
    for (std::size_t n = 2; n <= 11; ++n) {
      std::string text = std::to_string(p);
      text.append(n - 2, '0');
      const EntryBands r = ConvertEntry(text);
      ASSERT_TRUE(r.accepted);
      EXPECT_EQ(r.first, p / 10);
      EXPECT_EQ(r.second, p % 10);
      EXPECT_EQ(r.multiplier, static_cast<int>(n) - 2);
      // The bands stand for the typed number itself.
      const BandValue v = ComputeBandValue(10 * *r.first, *r.second,
                                           static_cast<BandColour>(*r.multiplier), 0);
      EXPECT_EQ(v.ohm, LeadingNumber(text)) << text;
    }
  }
}

TEST(MultiplierOfLength, GoldForOneThenTheExponentUpToEleven) {
  EXPECT_EQ(MultiplierOfLength(0), std::nullopt);
  EXPECT_EQ(MultiplierOfLength(1), kGold);
  EXPECT_EQ(MultiplierOfLength(2), 0);
  EXPECT_EQ(MultiplierOfLength(10), 8);
  EXPECT_EQ(MultiplierOfLength(11), 9);
  EXPECT_EQ(MultiplierOfLength(12), std::nullopt);
  EXPECT_EQ(MultiplierOfLength(std::numeric_limits<std::size_t>::max()), std::nullopt);
}

}  // namespace
}  // namespace zen
