// The colour-band chart's contents and its window.

#include <gtest/gtest.h>

#include "ChartWindow.h"

namespace zen::test {
namespace {

// The chart as a reader sees it, written out here rather than derived, so that a wrong colour table
// entry or a wrong rule for the multiplier texts shows up.
struct ExpectedRow {
  const char* name;
  Rgb swatch;
  const char* first;
  const char* second;
  const char* multiplier;
  const char* tolerance;
};
constexpr ExpectedRow kExpected[] = {
    {"黒", 0x000000, "0", "0", "1", ""},         {"茶", 0x404080, "1", "1", "10", "±1"},
    {"赤", 0x0000FF, "2", "2", "10の2", "±2"},   {"橙", 0x0080FF, "3", "3", "10の3", "±0.05"},
    {"黄", 0x00FFFF, "4", "4", "10の4", ""},     {"緑", 0x00FF00, "5", "5", "10の5", "±0.5"},
    {"青", 0xFF0000, "6", "6", "10の6", "±0.25"}, {"紫", 0xFF00FF, "7", "7", "10の7", "±0.1"},
    {"灰", 0xC0C0C0, "8", "8", "10の8", ""},     {"白", 0xFFFFFF, "9", "9", "10の9", ""},
    {"金", 0x00C0C0, "", "", "0.1", "±5"},       {"銀", 0xE0E0E0, "", "", "0.01", "±10"},
    {"色 無", kChartGround, "", "", "", "±20"},
};

TEST(ChartRowsTest, EveryRowReadsAsTheColourCode) {
  const auto rows = chartRows();
  ASSERT_EQ(rows.size(), std::size(kExpected));
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const auto& e = kExpected[i];
    const ChartRow& r = rows[i];
    EXPECT_EQ(static_cast<std::size_t>(r.colour), i);
    EXPECT_EQ(r.name, e.name) << i;
    EXPECT_EQ(r.swatch, e.swatch) << e.name;
    EXPECT_EQ(r.firstDigit, e.first) << e.name;
    EXPECT_EQ(r.secondDigit, e.second) << e.name;
    EXPECT_EQ(r.multiplier, e.multiplier) << e.name;
    EXPECT_EQ(r.tolerance, e.tolerance) << e.name;
  }
}

TEST(ChartRowsTest, ReaderHearsTheTitleEveryRowAndTheFooter) {
  const std::string text = chartDescription();
  for (const char* line : {"カラーコード抵抗表\n", "\n黒: 第1数 0, 第2数 0, 乗数 1\n",
                           "\n茶: 第1数 1, 第2数 1, 乗数 10, 許容% ±1\n", "\n金: 乗数 0.1, 許容% ±5\n",
                           "\n色 無: 許容% ±20\n", "\n4色帯(許容)は±5%～10%が普通です(金銀)"}) {
    EXPECT_NE(text.find(line), std::string::npos) << line;
  }
}

}  // namespace
}  // namespace zen::test
