#include "BandValue.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <utility>

#include "Numbers.h"

namespace zen {
namespace {

struct WorkedValue {
  int first;
  int second;
  BandColour multiplier;
  const char* ohm;
  const char* kiloOhm;
  const char* megaOhm;
};
void PrintTo(const WorkedValue& v, std::ostream* os) { *os << v.first << v.second << " x" << int(v.multiplier) << " = " << v.ohm; }

class BandValueWorked : public ::testing::TestWithParam<WorkedValue> {};

TEST_P(BandValueWorked, ThreeTexts) {
  const WorkedValue& w = GetParam();
  const ValueTexts t = FormatValue(ComputeBandValue(10 * w.first, w.second, w.multiplier, 0));
  EXPECT_EQ(t.ohm, w.ohm);
  EXPECT_EQ(t.kiloOhm, w.kiloOhm);
  EXPECT_EQ(t.megaOhm, w.megaOhm);
}

INSTANTIATE_TEST_SUITE_P(
    Table, BandValueWorked,
    ::testing::Values(WorkedValue{4, 7, BandColour::Red, "4700", "4.7", "0.0047"},
                      WorkedValue{4, 7, BandColour::Gold, "4.7", "0.0047", "4.7E-06"},
                      WorkedValue{3, 3, BandColour::Gold, "3.3", "0.0033", "3.3E-06"},
                      WorkedValue{2, 3, BandColour::Silver, "0.23", "0.00023", "2.3E-07"},
                      WorkedValue{1, 0, BandColour::Black, "10", "0.01", "1E-05"},
                      WorkedValue{1, 0, BandColour::Gold, "1", "0.001", "1E-06"},
                      WorkedValue{6, 8, BandColour::Orange, "68000", "68", "0.068"},
                      WorkedValue{9, 9, BandColour::White, "99000000000", "99000000", "99000"},
                      WorkedValue{4, 4, BandColour::Black, "44", "0.044", "4.4E-05"},
                      WorkedValue{0, 1, BandColour::Gold, "0.1", "0.0001", "1E-07"},
                      WorkedValue{0, 0, BandColour::Gold, "0", "0", "0"}));

TEST(ComputeBandValue, GoldProductIsTheRoundedDoubleProduct) {
  // 33 x 0.1 is not 3.3 in binary; the text still shows 3.3.
  const BandValue v = ComputeBandValue(30, 3, BandColour::Gold, 0);
  EXPECT_EQ(v.ohm, 33 * 0.1);
  EXPECT_NE(v.ohm, 3.3);
  EXPECT_EQ(GeneralNumberText(v.ohm), "3.3");
}

TEST(ComputeBandValue, IntegerMultipliersGiveExactValues) {
  for (int n = 0; n <= 99; ++n) {
    std::int64_t power = 1;
    for (int e = 0; e <= 9; ++e, power *= 10) {
      const BandValue v = ComputeBandValue(n / 10 * 10, n % 10, static_cast<BandColour>(e), 0);
      ASSERT_EQ(v.ohm, static_cast<double>(n * power)) << n << " x10^" << e;
      ASSERT_EQ(GeneralNumberText(v.ohm), std::to_string(n * power));
    }
  }
}

TEST(ComputeBandValue, KiloAndMegaAreTwoDivisionsInSequence) {
  for (int n = 0; n <= 99; ++n) {
    for (BandColour m : {BandColour::Gold, BandColour::Silver, BandColour::White}) {
      const BandValue v = ComputeBandValue(n / 10 * 10, n % 10, m, 0);
      const double kilo = v.ohm / 1000;
      ASSERT_EQ(v.kiloOhm, kilo);
      ASSERT_EQ(v.megaOhm, kilo / 1000);
    }
  }
}

TEST(ComputeBandValue, WithoutMultiplierThePreviousValueIsShownAgain) {
  const BandValue v = ComputeBandValue(40, 7, std::nullopt, 68000);
  EXPECT_EQ(v.ohm, 68000);
  const ValueTexts t = FormatValue(v);
  EXPECT_EQ(t.ohm, "68000");
  EXPECT_EQ(t.kiloOhm, "68");
  EXPECT_EQ(t.megaOhm, "0.068");
  // "None" has no factor, so it behaves like no multiplier at all.
  EXPECT_EQ(ComputeBandValue(40, 7, BandColour::None, 12).ohm, 12);
}

TEST(FormatValue, EveryBandCombinationReadsBackAsItsValue) {
  // No text of any combination carries binary noise beyond 15 digits, and each reads back
  // to within the 15-digit rounding.
  for (int n = 0; n <= 99; ++n) {
    for (int m = 0; m <= 11; ++m) {
      const BandValue v = ComputeBandValue(n / 10 * 10, n % 10, static_cast<BandColour>(m), 0);
      const ValueTexts t = FormatValue(v);
      const std::pair<double, std::string> shown[] = {
          {v.ohm, t.ohm}, {v.kiloOhm, t.kiloOhm}, {v.megaOhm, t.megaOhm}};
      for (const auto& [value, text] : shown) {
        EXPECT_LE(text.size(), 20u) << text;
        EXPECT_NEAR(LeadingNumber(text), value, value * 1e-14) << text;
      }
    }
  }
}

}  // namespace
}  // namespace zen
