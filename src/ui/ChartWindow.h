#pragma once
// The colour-band chart: a small fixed window with a reference table of the colour code, an END
// button and a timer that records where the user moved it. The table's contents come from the
// colour table, so the chart and the calculator can never disagree.

#include <array>
#include <string>
#include <string_view>

#include "AuxWindow.h"
#include "ColourTable.h"

namespace zen {

class App;

inline constexpr Rgb kChartWindowBack = 0xC0FFFF;
// The chart picture's pale peach ground; the "no colour" swatch shows it too.
inline constexpr Rgb kChartGround = 0xC8E6FF;
inline constexpr Rgb kChartTitleColour = 0x0000FF;
inline constexpr Rgb kChartToleranceColour = 0xFF0000;
inline constexpr Rgb kChartTileColour = 0xFFFF00;
// The chart picture's size in pixels at 96 dpi (4440 x 4995 twips).
inline constexpr int kChartWidth = 296;
inline constexpr int kChartHeight = 333;

inline constexpr std::string_view kChartTitle = "カラーコード抵抗表";
struct ChartHead {
  std::string_view band;   // upper row: which band
  std::string_view value;  // lower row: what the band gives
};
inline constexpr std::array<ChartHead, 4> kChartHeads = {
    {{"1色帯", "第1数"}, {"2色帯", "第2数"}, {"3色帯", "乗数"}, {"4色帯", "許容%"}}};
inline constexpr std::array<std::string_view, 2> kChartFooter = {
    "色帯の組み合わせによる製品が無い場合が有ります", "4色帯(許容)は±5%～10%が普通です(金銀)"};

// One row of the chart: the swatch, the colour's name and what it means in each band; a cell the
// colour has no meaning in is empty.
struct ChartRow {
  BandColour colour;
  Rgb swatch;
  std::string name;
  std::string firstDigit;
  std::string secondDigit;
  std::string multiplier;  // "1", "10", "10の2" .. "10の9", "0.1", "0.01"
  std::string tolerance;   // "±1" .. "±20"
};
// The thirteen rows, black to "no colour".
std::array<ChartRow, kBandColourCount> chartRows();
// The chart as a reader tells it: the title, a line per row ("茶: 第1数 1, 第2数 1, 乗数 10,
// 許容% ±1") and the footer.
std::string chartDescription();

class ChartWindow : public AuxWindow {
 public:
  explicit ChartWindow(App& app);

  // Records the window's position in entries 30 and 31.
  void positionTick();
  // END.
  void endPressed();

  Timer& positionTimer() const { return *positionTimer_; }

 private:
  Timer* positionTimer_ = nullptr;
};

}  // namespace zen
