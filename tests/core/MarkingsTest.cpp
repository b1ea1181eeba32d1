// The E48/E96/E192 series and surface-mount markings, against the published tables: the series
// as listed, EIA-96's numbers and letters.

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <tuple>
#include <utility>

#include "PreferredValues.h"
#include "SmdMarking.h"

namespace zen {
namespace {

Decimal dec(const std::string& digits, std::int64_t exponent) { return MakeDecimal(digits, exponent); }

// Each listed member is the rounded geometric value 10^(i/n), except E192's 920 (rounding gives
// 919); and every member, in every decade, is its own nearest value.
template <std::size_t N>
void checkSeries(const std::array<int, N>& series) {
  for (std::size_t i = 0; i < N; ++i) {
    const int rounded = static_cast<int>(std::lround(100 * std::pow(10.0, static_cast<double>(i) / N)));
    EXPECT_EQ(series[i], N == 192 && i == 185 ? 920 : rounded) << "E" << N << " #" << i;
    for (std::int64_t exponent = -3; exponent <= 8; ++exponent) {
      const Decimal member = dec(std::to_string(series[i]), exponent);
      ASSERT_EQ(NearestPreferred(member, series), member) << "E" << N << " " << series[i] << "e" << exponent;
    }
  }
}

TEST(PreferredValues, ThreeDigitSeriesAsListedReadBackAsThemselves) {
  checkSeries(kE48);
  checkSeries(kE96);
  checkSeries(kE192);
  EXPECT_EQ(NearestPreferred(dec("915", 1), kE48), dec("909", 1));
  EXPECT_EQ(NearestPreferred(dec("915", 1), kE192), dec("92", 2));    // by ratio nearer 9.20 than 9.09
  EXPECT_EQ(NearestPreferred(dec("995", 1), kE192), dec("1", 4));     // 10k, one decade up
  EXPECT_EQ(NearestPreferred(dec("4753", 0), kE96), dec("475", 1));
}

TEST(ReadSmdMarking, EveryForm) {
  struct Case {
    const char* code;
    SmdKind kind;
    Decimal value;
  };
  const Case cases[] = {
      {"472", SmdKind::ThreeDigits, dec("47", 2)},   {"100", SmdKind::ThreeDigits, dec("1", 1)},
      {"010", SmdKind::ThreeDigits, dec("1", 0)},    {"4701", SmdKind::FourDigits, dec("47", 2)},
      {"1000", SmdKind::FourDigits, dec("1", 2)},    {"9999", SmdKind::FourDigits, dec("999", 9)},
      {"4R7", SmdKind::DecimalPoint, dec("47", -1)}, {"R47", SmdKind::DecimalPoint, dec("47", -2)},
      {"0R22", SmdKind::DecimalPoint, dec("22", -2)}, {"10R0", SmdKind::DecimalPoint, dec("1", 1)},
      {"4r7", SmdKind::DecimalPoint, dec("47", -1)}, {"98R", SmdKind::DecimalPoint, dec("98", 0)},
      {"01R", SmdKind::DecimalPoint, dec("1", 0)},   // read as the point and as EIA-96 alike: 1 ohm
      // Each EIA-96 letter: Z x0.001, Y and R x0.01, X and S x0.1, A x1, B and H x10, C x100,
      // D x1000, E x10^4, F x10^5; the numbers 01 = 100, 02 = 102, 12 = 130, 30 = 200, 68 = 499.
      {"01Z", SmdKind::Eia96, dec("1", -1)},         {"01Y", SmdKind::Eia96, dec("1", 0)},
      {"02Y", SmdKind::Eia96, dec("102", -2)},       {"68X", SmdKind::Eia96, dec("499", -1)},
      {"68s", SmdKind::Eia96, dec("499", -1)},       {"01A", SmdKind::Eia96, dec("1", 2)},
      {"12B", SmdKind::Eia96, dec("13", 2)},         {"01H", SmdKind::Eia96, dec("1", 3)},
      {"01C", SmdKind::Eia96, dec("1", 4)},          {"01D", SmdKind::Eia96, dec("1", 5)},
      {"30D", SmdKind::Eia96, dec("2", 5)},          {"01E", SmdKind::Eia96, dec("1", 6)},
      {"01F", SmdKind::Eia96, dec("1", 7)},          {"96F", SmdKind::Eia96, dec("976", 5)},
      {"0", SmdKind::Jumper, {}},   {"00", SmdKind::Jumper, {}},  {"000", SmdKind::Jumper, {}},
      {"0000", SmdKind::Jumper, {}}, {"0R0", SmdKind::Jumper, {}}, {"00R", SmdKind::Jumper, {}}, {"007", SmdKind::Jumper, {}},
  };
  for (const Case& c : cases) {
    const SmdReading r = ReadSmdMarking(c.code);
    EXPECT_EQ(r.problem, SmdProblem::None) << c.code;
    EXPECT_EQ(r.kind, c.kind) << c.code;
    EXPECT_EQ(r.value, c.value) << c.code;
  }
}

TEST(ReadSmdMarking, RefusesWhatIsImpossibleOrAmbiguous) {
  const std::pair<const char*, SmdProblem> cases[] = {
      {"", SmdProblem::Empty},           {"R", SmdProblem::NoDigits},       {"RR", SmdProblem::TwoPoints},
      {"1R2R", SmdProblem::TwoPoints},   {"99Z", SmdProblem::EiaNumber},    {"97A", SmdProblem::EiaNumber},
      {"00A", SmdProblem::EiaNumber},    {"47K", SmdProblem::EiaLetter},    {"4K7", SmdProblem::NotAMarking},
      {"4 7", SmdProblem::NotAMarking},  {"47\xff", SmdProblem::NotAMarking}, {"47", SmdProblem::Length},
      {"R5", SmdProblem::Length},        {"47000", SmdProblem::Length},     {"99999999999999999999", SmdProblem::Length},
      {"47R", SmdProblem::Ambiguous},
  };
  for (const auto& [code, problem] : cases) EXPECT_EQ(ReadSmdMarking(code).problem, problem) << code;
  EXPECT_EQ(ReadSmdMarking("47R").eiaValue, dec("301", -2));
}

// All 96 numbers with every letter, and what the markings of a value read back as.
TEST(SmdMarkingsOf, EveryMarkingReadsBackAsItsValue) {
  for (std::size_t n = 1; n <= 96; ++n) {
    for (const EiaLetter& l : kEiaLetters) {
      const std::string code = std::string{char('0' + n / 10), char('0' + n % 10), l.letter};
      const Decimal value = dec(std::to_string(kE96[n - 1]), l.power);
      const SmdReading r = ReadSmdMarking(code);
      if (r.problem == SmdProblem::Ambiguous) {
        EXPECT_EQ(r.eiaValue, value) << code;
        continue;
      }
      EXPECT_EQ(r.value, value) << code;
      // The usual letter of each power is the one written.
      if (l.letter != 'R' && l.letter != 'S' && l.letter != 'H') {
        EXPECT_EQ(SmdMarkingsOf(value).eia96, code);
      }
    }
  }
  for (int member : kE192) {
    for (std::int64_t exponent = -6; exponent <= 11; ++exponent) {
      const Decimal value = dec(std::to_string(member), exponent);
      const SmdMarkings m = SmdMarkingsOf(value);
      for (const std::string& code : {m.threeDigits, m.fourDigits, m.eia96}) {
        if (!code.empty()) {
          ASSERT_EQ(ReadSmdMarking(code).value, value) << code;
        }
      }
    }
  }
  const std::tuple<Decimal, const char*, const char*, const char*> written[] = {
      {dec("47", 2), "472", "4701", ""},   {dec("1", 1), "100", "10R0", "01X"}, {dec("47", -1), "4R7", "4R70", ""},
      {dec("5", -2), "R05", "R050", ""},   {dec("475", 1), "", "4751", "66B"},  {dec("1", -3), "", "R001", ""},
      {dec("1", 11), "", "1009", ""},      {dec("1", -1), "R10", "R100", "01Z"}, {dec("1273", 0), "", "", ""},
  };
  for (const auto& [value, three, four, eia] : written) {
    const SmdMarkings m = SmdMarkingsOf(value);
    EXPECT_EQ(m.threeDigits, three) << value.digits;
    EXPECT_EQ(m.fourDigits, four) << value.digits;
    EXPECT_EQ(m.eia96, eia) << value.digits;
  }
}

}  // namespace
}  // namespace zen
