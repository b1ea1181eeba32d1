#include "ColourTable.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>

#include "Numbers.h"

namespace zen {
namespace {

struct Row {
  BandColour colour;
  const char* name;
  const char* initial;
  std::optional<int> digit;
  std::optional<double> multiplier;
  std::optional<double> tolerance;
  const char* toleranceText;
  int r, g, b;  // channel intensities, checked against the packed display colour
};

const Row kRows[] = {
    {BandColour::Black, "黒", "ク", 0, 1.0, std::nullopt, "", 0, 0, 0},
    {BandColour::Brown, "茶", "チ", 1, 10.0, 1.0, "1", 128, 64, 64},
    {BandColour::Red, "赤", "ア", 2, 100.0, 2.0, "2", 255, 0, 0},
    {BandColour::Orange, "橙", "ダ", 3, 1000.0, 0.05, "0.05", 255, 128, 0},
    {BandColour::Yellow, "黄", "キ", 4, 10000.0, std::nullopt, "", 255, 255, 0},
    {BandColour::Green, "緑", "ミ", 5, 100000.0, 0.5, "0.5", 0, 255, 0},
    {BandColour::Blue, "青", "ア", 6, 1000000.0, 0.25, "0.25", 0, 0, 255},
    {BandColour::Purple, "紫", "ム", 7, 10000000.0, 0.1, "0.1", 255, 0, 255},
    {BandColour::Grey, "灰", "ハ", 8, 100000000.0, std::nullopt, "", 192, 192, 192},
    {BandColour::White, "白", "シ", 9, 1000000000.0, std::nullopt, "", 255, 255, 255},
    {BandColour::Gold, "金", "", std::nullopt, 0.1, 5.0, "5", 192, 192, 0},
    {BandColour::Silver, "銀", "", std::nullopt, 0.01, 10.0, "10", 224, 224, 224},
    {BandColour::None, "無", "", std::nullopt, std::nullopt, 20.0, "20", 255, 192, 128},
};

TEST(ColourTable, EveryColumnOfEveryRow) {
  ASSERT_EQ(colourTable().size(), std::size(kRows));
  for (const Row& row : kRows) {
    SCOPED_TRACE(index(row.colour));
    const BandColourInfo& i = info(row.colour);
    EXPECT_EQ(i.colour, row.colour);
    EXPECT_EQ(&colourTable()[static_cast<std::size_t>(index(row.colour))], &i);
    EXPECT_EQ(nameText(row.colour), row.name);
    EXPECT_EQ(initialText(row.colour), row.initial);
    EXPECT_EQ(digitOf(row.colour), row.digit);
    EXPECT_EQ(multiplierOf(row.colour), row.multiplier);
    EXPECT_EQ(toleranceOf(row.colour), row.tolerance);
    EXPECT_EQ(toleranceText(row.colour), row.toleranceText);
    // 0x00BBGGRR: red in the low byte, blue in the high byte.
    const Rgb packed = static_cast<Rgb>(row.r) | static_cast<Rgb>(row.g) << 8 |
                       static_cast<Rgb>(row.b) << 16;
    EXPECT_EQ(displayColour(row.colour), packed);
    // Every colour paints its own shade, so a painted band can be named by its colour.
    EXPECT_EQ(colourOfDisplay(packed), row.colour);
  }
  EXPECT_FALSE(colourOfDisplay(0x123456));
}

TEST(ColourTable, DigitMultipliersAreExactPowersOfTen) {
  std::int64_t power = 1;
  for (int d = 0; d <= 9; ++d, power *= 10) {
    const auto c = colourOfDigit(d);
    ASSERT_TRUE(c);
    EXPECT_EQ(multiplierOf(*c), static_cast<double>(power)) << d;
  }
  EXPECT_EQ(multiplierOf(BandColour::Gold), 0.1);
  EXPECT_EQ(multiplierOf(BandColour::Silver), 0.01);
}

TEST(ColourTable, ToleranceTextIsTheToleranceInTheGeneralFormat) {
  for (const BandColourInfo& i : colourTable()) {
    if (i.tolerance) {
      EXPECT_EQ(i.toleranceText, GeneralNumberText(*i.tolerance));
    } else {
      EXPECT_TRUE(i.toleranceText.empty());
    }
  }
}

TEST(ColourTable, NoneBlendsIntoTheBodyAndGreenIsPureGreen) {
  EXPECT_EQ(displayColour(BandColour::None), kBodyColour);
  EXPECT_EQ(kBodyColour, 0x80C0FFu);
  EXPECT_EQ(displayColour(BandColour::Green), 0x00FF00u);
}

TEST(ColourTable, ColourOfDigitAndExponent) {
  for (int d = 0; d <= 9; ++d) {
    EXPECT_EQ(colourOfDigit(d), static_cast<BandColour>(d));
    EXPECT_EQ(colourOfExponent(d), static_cast<BandColour>(d));
  }
  EXPECT_EQ(colourOfExponent(-1), BandColour::Gold);
  EXPECT_EQ(colourOfExponent(-2), BandColour::Silver);
  for (int bad : {-3, 10, 11, 12, 100}) {
    EXPECT_FALSE(colourOfExponent(bad)) << bad;
  }
  for (int bad : {-1, -2, 10, 12}) {
    EXPECT_FALSE(colourOfDigit(bad)) << bad;
  }
}

TEST(ColourTable, ColourOutsideTheEnumerationIsReportedNotRead) {
  EXPECT_THROW(info(static_cast<BandColour>(13)), std::out_of_range);
  EXPECT_THROW(info(static_cast<BandColour>(-1)), std::out_of_range);
}

TEST(OptionGroups, RangesCoverOptionsOneToFortyOneWithoutGaps) {
  EXPECT_EQ(optionRange(BandGroup::First).first, 1);
  EXPECT_EQ(optionRange(BandGroup::First).last, 10);
  EXPECT_EQ(optionRange(BandGroup::Second).first, 11);
  EXPECT_EQ(optionRange(BandGroup::Second).last, 20);
  EXPECT_EQ(optionRange(BandGroup::Multiplier).first, 21);
  EXPECT_EQ(optionRange(BandGroup::Multiplier).last, 32);
  EXPECT_EQ(optionRange(BandGroup::Tolerance).first, 33);
  EXPECT_EQ(optionRange(BandGroup::Tolerance).last, 41);
  for (int option = 1; option <= 41; ++option) {
    const auto g = groupOfOption(option);
    ASSERT_TRUE(g) << option;
    EXPECT_TRUE(optionColour(*g, option)) << option;
  }
  EXPECT_FALSE(groupOfOption(0));
  EXPECT_FALSE(groupOfOption(42));
}

TEST(OptionGroups, DigitAndMultiplierGroupsFollowColourOrder) {
  for (int d = 0; d <= 9; ++d) {
    const auto c = static_cast<BandColour>(d);
    EXPECT_EQ(optionOf(BandGroup::First, c), 1 + d);
    EXPECT_EQ(optionOf(BandGroup::Second, c), 11 + d);
    EXPECT_EQ(optionOf(BandGroup::Multiplier, c), 21 + d);
  }
  EXPECT_EQ(optionOf(BandGroup::Multiplier, BandColour::Gold), 31);
  EXPECT_EQ(optionOf(BandGroup::Multiplier, BandColour::Silver), 32);
  EXPECT_EQ(optionColour(BandGroup::First, 1), BandColour::Black);
  EXPECT_EQ(optionColour(BandGroup::Second, 20), BandColour::White);
  EXPECT_EQ(optionColour(BandGroup::Multiplier, 30), BandColour::White);
}

TEST(OptionGroups, ToleranceGroupRunsByRisingTolerance) {
  const BandColour order[] = {BandColour::Orange, BandColour::Purple, BandColour::Blue,
                              BandColour::Green,  BandColour::Brown,  BandColour::Red,
                              BandColour::Gold,   BandColour::Silver, BandColour::None};
  std::string caption;
  double previous = 0;
  for (int k = 0; k < 9; ++k) {
    const int option = 33 + k;
    EXPECT_EQ(optionColour(BandGroup::Tolerance, option), order[k]) << option;
    EXPECT_EQ(optionOf(BandGroup::Tolerance, order[k]), option);
    const auto t = toleranceOf(order[k]);
    ASSERT_TRUE(t);
    EXPECT_GT(*t, previous);
    previous = *t;
    caption += std::string(toleranceText(order[k])) + " ";
  }
  EXPECT_EQ(caption, "0.05 0.1 0.25 0.5 1 2 5 10 20 ");
}

TEST(OptionGroups, GroupsLackingAColourGiveNone) {
  for (BandColour c : {BandColour::Gold, BandColour::Silver, BandColour::None}) {
    EXPECT_FALSE(optionOf(BandGroup::First, c));
    EXPECT_FALSE(optionOf(BandGroup::Second, c));
  }
  EXPECT_FALSE(optionOf(BandGroup::Multiplier, BandColour::None));
  for (BandColour c :
       {BandColour::Black, BandColour::Yellow, BandColour::Grey, BandColour::White}) {
    EXPECT_FALSE(optionOf(BandGroup::Tolerance, c));
  }
  // An option number of another group stands for nothing in this one.
  EXPECT_FALSE(optionColour(BandGroup::First, 11));
  EXPECT_FALSE(optionColour(BandGroup::Second, 10));
  EXPECT_FALSE(optionColour(BandGroup::Multiplier, 33));
  EXPECT_FALSE(optionColour(BandGroup::Tolerance, 32));
  EXPECT_FALSE(optionColour(BandGroup::Tolerance, 42));
}

}  // namespace
}  // namespace zen
