#include "ValueBands.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <ostream>
#include <string>

#include "PreferredValues.h"

namespace zen {

void PrintTo(const Decimal& d, std::ostream* os) { *os << d.digits << "e" << d.exponent; }

namespace {

using C = BandColour;

TEST(MakeDecimal, KeepsOnlySignificantDigits) {
  EXPECT_EQ(MakeDecimal("004700", 0), (Decimal{"47", 2}));
  EXPECT_EQ(MakeDecimal("0047", -2), (Decimal{"47", -2}));
  EXPECT_EQ(MakeDecimal("000", 5), Decimal{});
  EXPECT_EQ(MakeDecimal("", 0), Decimal{});
  // An exponent past any resistance is held, not overflowed.
  EXPECT_EQ(MakeDecimal("1", INT64_MAX), (Decimal{"1", kExponentLimit}));
  EXPECT_EQ(MakeDecimal("1", INT64_MIN), (Decimal{"1", -kExponentLimit}));
}

struct BandsCase {
  Decimal value;
  BandFit fit;
  C first, second, multiplier;
};

TEST(BandsOfValue, TwoLeadingDigitsDroppedNotRoundedAndTheMultiplierFromTheMagnitude) {
  const BandsCase cases[] = {
      {{"47", 2}, BandFit::Exact, C::Yellow, C::Purple, C::Red},         // 4700
      {{"475", 1}, BandFit::Shortened, C::Yellow, C::Purple, C::Red},    // 4750 drops the 5
      {{"4799", 0}, BandFit::Shortened, C::Yellow, C::Purple, C::Red},   // never rounds up
      {{"5", 0}, BandFit::Exact, C::Green, C::Black, C::Gold},           // 5 = 50 x 0.1
      {{"47", -1}, BandFit::Exact, C::Yellow, C::Purple, C::Gold},       // 4.7
      {{"47", -2}, BandFit::Exact, C::Yellow, C::Purple, C::Silver},     // 0.47
      {{"29", -2}, BandFit::Exact, C::Red, C::White, C::Silver},         // 0.29, no 0.2899…
      {{"1", -1}, BandFit::Exact, C::Brown, C::Black, C::Silver},        // 0.1, the lowest
      {{"99", -3}, BandFit::BelowRange, C::Black, C::Black, C::Gold},    // 0.099
      {{}, BandFit::BelowRange, C::Black, C::Black, C::Gold},            // 0
      {{"99", 9}, BandFit::Exact, C::White, C::White, C::White},         // 99 G, the highest
      {{"985", 8}, BandFit::Shortened, C::White, C::Grey, C::White},     // 98.5 G
      {{"991", 8}, BandFit::AboveRange, C::Black, C::Black, C::Gold},    // 99.1 G
      {{"1", 11}, BandFit::AboveRange, C::Black, C::Black, C::Gold},     // 100 G
      {{"1", kExponentLimit}, BandFit::AboveRange, C::Black, C::Black, C::Gold},
      {{"1", -kExponentLimit}, BandFit::BelowRange, C::Black, C::Black, C::Gold},
  };
  for (const BandsCase& c : cases) {
    SCOPED_TRACE(c.value.digits + "e" + std::to_string(c.value.exponent));
    const ValueBands b = BandsOfValue(c.value);
    EXPECT_EQ(b.fit, c.fit);
    if (c.fit == BandFit::Exact || c.fit == BandFit::Shortened) {
      EXPECT_EQ(b.first, c.first);
      EXPECT_EQ(b.second, c.second);
      EXPECT_EQ(b.multiplier, c.multiplier);
    }
  }
}

TEST(NearestPreferred, NearestByRatioAcrossTheDecade) {
  struct Case {
    Decimal value, e12, e24;
  };
  const Case cases[] = {
      {{"475", 1}, {"47", 2}, {"47", 2}},     // 4.75k
      {{"915", 1}, {"1", 4}, {"91", 2}},      // 9.15k: 10k is nearer than 8.2k
      {{"505", 1}, {"47", 2}, {"51", 2}},     // 5.05k
      {{"105", -2}, {"1", 0}, {"11", -1}},    // 1.05: by ratio nearer 1.1 (by difference a tie)
      {{"1", 0}, {"1", 0}, {"1", 0}},
      {{"96", 9}, {"1", 11}, {"1", 11}},      // 96 G: the next decade may lie beyond the bands
      {{"1", -1}, {"1", -1}, {"1", -1}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.value.digits + "e" + std::to_string(c.value.exponent));
    EXPECT_EQ(NearestPreferred(c.value, kE12), c.e12);
    EXPECT_EQ(NearestPreferred(c.value, kE24), c.e24);
  }
}

}  // namespace
}  // namespace zen
