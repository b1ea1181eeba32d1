#include "ChartWindow.h"

#include <cmath>

#include "App.h"
#include "Numbers.h"

namespace zen {

namespace {

std::string multiplierText(double m) {
  const long exponent = std::lround(std::log10(m));
  if (m >= 1 && exponent >= 2) return "10の" + std::to_string(exponent);
  // 1, 10 and the fractions of gold and silver read as plain numbers.
  return GeneralNumberText(m);
}

}  // namespace

std::array<ChartRow, kBandColourCount> chartRows() {
  std::array<ChartRow, kBandColourCount> rows{};
  for (const BandColourInfo& c : colourTable()) {
    ChartRow& row = rows[static_cast<std::size_t>(index(c.colour))];
    row.colour = c.colour;
    // "No colour" is the bare body of the part: its swatch shows the chart's own ground.
    row.swatch = c.colour == BandColour::None ? kChartGround : c.display;
    row.name = c.colour == BandColour::None ? "色 " + std::string(c.name) : std::string(c.name);
    if (c.digit) row.firstDigit = row.secondDigit = std::to_string(*c.digit);
    if (c.multiplier) row.multiplier = multiplierText(*c.multiplier);
    if (c.tolerance) row.tolerance = "±" + std::string(c.toleranceText);
  }
  return rows;
}

std::string chartDescription() {
  std::string text(kChartTitle);
  for (const ChartRow& row : chartRows()) {
    // Appended piece by piece: GCC 12 warns (-Wrestrict, wrongly) on "\n" + a string at -O2.
    text += '\n';
    text += row.name;
    const std::string* cells[] = {&row.firstDigit, &row.secondDigit, &row.multiplier, &row.tolerance};
    const char* separator = ": ";
    for (std::size_t i = 0; i < kChartHeads.size(); ++i) {
      if (cells[i]->empty()) continue;
      text += separator;
      text += kChartHeads[i].value;
      text += ' ';
      text += *cells[i];
      separator = ", ";
    }
  }
  for (std::string_view line : kChartFooter) {
    text += '\n';
    text += line;
  }
  return text;
}

ChartWindow::ChartWindow(App& app) : AuxWindow(app, "ChartWindow") {
  setCaption("ZENTARIO");
  // A reader hears the chart's title and its rows as the window opens.
  setReaderName("色帯表");
  setDialog(true);
  setReaderDescription(chartDescription());
  setClientSize(4950, 6270);
  setBackColour(kChartWindowBack);
  setBorder(BorderStyle::FixedDialog);
  setIcon(":/assets/zentario.svg");

  auto& title = add<Label>("title");
  title.setBounds(1680, 120, 1455, 375);
  title.setCaption("色　帯　表　");
  title.setForeColour(kChartTitleColour);
  title.setFont(Font{"ＭＳ Ｐゴシック", 12, true, true});
  title.setAlign(Align::Centre);
  title.setTransparent(true);
  // The window's name says it: a reader hears the chart's rows after it instead.
  title.setRole(Role::None);

  // The chart picture itself is painted by the screen layer from chartRows().
  auto& chart = add<PictureBox>("chart");
  chart.setBounds(240, 600, 4440, 4995);
  chart.setBackColour(kChartGround);
  chart.setRole(Role::Graphic);
  chart.setAccessibleName(std::string(kChartTitle));
  chart.setAccessibleDescription(chartDescription());

  auto& end = addCloseButton("END", 1920, 5760, 975, 0xFFFFFF);
  end.onClick = [this] { endPressed(); };

  positionTimer_ = &addTimer("positionTimer", 500);
  positionTimer_->onTick = [this] { positionTick(); };
  tiePositionRecorder(*positionTimer_, entry::kChartTop, entry::kChartLeft);
}

void ChartWindow::positionTick() {
  recordPosition(entry::kChartTop, entry::kChartLeft);
}

void ChartWindow::endPressed() { closeAndReturn(); }

}  // namespace zen
