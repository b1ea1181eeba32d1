// The reference pages are written from the colour table: every colour's row must say what the
// calculator does with that colour, and the value series must be the standard ones.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "ColourTable.h"
#include "WebPages.h"

namespace zen::test {
namespace {

// The text of the table row for a colour, from "<tr data-colour=n>" to "</tr>".
std::string colourRow(const std::string& page, BandColour c) {
  const std::string start = "<tr data-colour=\"" + std::to_string(index(c)) + "\">";
  const auto from = page.find(start);
  if (from == std::string::npos) return {};
  return page.substr(from, page.find("</tr>", from) - from);
}

struct RowCase {
  BandColour colour;
  const char* cells;  // what the row's cells read, in order, without markup
  const char* paint;
};

std::string cellsOf(const std::string& row) {
  std::string text;
  bool inTag = false;
  std::size_t i = 0;
  // Skips the row's own tag and the swatch, then keeps the cells' text separated by "|".
  for (; i < row.size(); ++i) {
    const char ch = row[i];
    if (ch == '<') {
      inTag = true;
      if (row.compare(i, 4, "<td>") == 0 || row.compare(i, 4, "<td ") == 0) {
        if (!text.empty()) text += '|';
      }
    } else if (ch == '>') {
      inTag = false;
    } else if (!inTag) {
      text += ch;
    }
  }
  return text;
}

TEST(WebPagesTest, ColourCodePageHasOneRowPerColourAsTheCalculatorReadsIt) {
  const std::string page = ColourCodePage();
  const RowCase cases[] = {
      {BandColour::Black, "黒|0|×1|—", "#000000"},         {BandColour::Brown, "茶|1|×10|±1%", "#804040"},
      {BandColour::Red, "赤|2|×100|±2%", "#FF0000"},       {BandColour::Orange, "橙|3|×1000|±0.05%", "#FF8000"},
      {BandColour::Yellow, "黄|4|×10000|—", "#FFFF00"},    {BandColour::Green, "緑|5|×100000|±0.5%", "#00FF00"},
      {BandColour::Blue, "青|6|×1000000|±0.25%", "#0000FF"}, {BandColour::Purple, "紫|7|×10000000|±0.1%", "#FF00FF"},
      {BandColour::Grey, "灰|8|×100000000|—", "#C0C0C0"},  {BandColour::White, "白|9|×1000000000|—", "#FFFFFF"},
      {BandColour::Gold, "金|—|×0.1|±5%", "#C0C000"},      {BandColour::Silver, "銀|—|×0.01|±10%", "#E0E0E0"},
      {BandColour::None, "無|—|—|±20%", "#FFC080"},
  };
  for (const auto& c : cases) {
    const std::string row = colourRow(page, c.colour);
    ASSERT_FALSE(row.empty()) << nameText(c.colour);
    EXPECT_EQ(cellsOf(row), c.cells);
    EXPECT_NE(row.find(std::string("background:") + c.paint), std::string::npos) << row;
  }
  EXPECT_NE(page.find("<title>カラーコード表</title>"), std::string::npos);
  EXPECT_NE(page.find("Ver 1.95"), std::string::npos);
}

TEST(WebPagesTest, HtmlColourTurnsTheTablesByteOrderAround) {
  EXPECT_EQ(HtmlColour(0x0000FF), "#FF0000");
  EXPECT_EQ(HtmlColour(0xFF0000), "#0000FF");
  EXPECT_EQ(HtmlColour(0x404080), "#804040");
  EXPECT_EQ(HtmlColour(0x00FFFFFF), "#FFFFFF");
}

TEST(WebPagesTest, SeriesAreAscendingTwoDigitAndNested) {
  auto check = [](const auto& series) {
    EXPECT_TRUE(std::is_sorted(series.begin(), series.end()));
    EXPECT_TRUE(std::adjacent_find(series.begin(), series.end()) == series.end());
    for (int v : series) {
      EXPECT_GE(v, 10);
      EXPECT_LE(v, 99);
    }
  };
  check(kE6);
  check(kE12);
  check(kE24);
  // Each series holds every other value of the next one.
  for (std::size_t i = 0; i < kE6.size(); ++i) EXPECT_EQ(kE6[i], kE12[2 * i]);
  for (std::size_t i = 0; i < kE12.size(); ++i) EXPECT_EQ(kE12[i], kE24[2 * i]);
}

TEST(WebPagesTest, PartsPageGivesEachValueItsDigitColoursAndSeries) {
  const std::string page = PartsListPage();
  EXPECT_NE(page.find("<title>抵抗の標準数列 (E6・E12・E24)</title>"), std::string::npos);
  // 47: in all three series, yellow then purple.
  const auto at47 = page.find("<tr><td>47</td>");
  ASSERT_NE(at47, std::string::npos);
  const std::string row47 = page.substr(at47, page.find("</tr>", at47) - at47);
  EXPECT_EQ(cellsOf(row47), "47|●|●|●|黄|紫");
  // 51: E24 only, green then brown.
  const auto at51 = page.find("<tr><td>51</td>");
  ASSERT_NE(at51, std::string::npos);
  EXPECT_EQ(cellsOf(page.substr(at51, page.find("</tr>", at51) - at51)), "51|||●|緑|茶");
  std::size_t rows = 0;
  for (auto p = page.find("<tr><td>"); p != std::string::npos; p = page.find("<tr><td>", p + 1)) ++rows;
  EXPECT_EQ(rows, kE24.size());
}

}  // namespace
}  // namespace zen::test
