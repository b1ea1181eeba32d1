#include "ChartPicture.h"

#include <QFont>
#include <QPen>
#include <string_view>

#include "ChartWindow.h"
#include "Geometry.h"

namespace zen::qt {

namespace {

QString q(std::string_view s) { return QString::fromUtf8(s.data(), qsizetype(s.size())); }

// The grid, in picture pixels.
constexpr int kLeft = 4;
constexpr int kRight = kChartWidth - 4;
constexpr int kHeadTop = 38;
constexpr int kHeadRow = 18;
constexpr int kRowsTop = kHeadTop + 2 * kHeadRow;
constexpr int kRowHeight = 17;
constexpr int kRowsBottom = kRowsTop + kBandColourCount * kRowHeight;
constexpr int kFooterTop = kRowsBottom + 2;
constexpr int kFooterLine = 18;
// Column edges: colour, first digit, second digit, multiplier, tolerance.
constexpr int kColumnEdges[] = {kLeft, 80, 124, 168, 226, kRight};
static_assert(kFooterTop + 2 * kFooterLine == kChartHeight);

QFont chartFont(int pixels, bool bold = false) {
  QFont f = toQFont(Font{"ＭＳ Ｐゴシック", 9, bold, false});
  f.setPixelSize(pixels);
  return f;
}

QRectF cell(int column, int top, int height) {
  return QRectF(kColumnEdges[column], top, kColumnEdges[column + 1] - kColumnEdges[column], height);
}

// A resistor with three bands (brown, black, red: 1 kΩ) and the letters KΩ on a cyan tile.
void paintTile(QPainter& p) {
  const QRectF tile(6, 4, 34, 30);
  p.fillRect(tile, toQColor(kChartTileColour));
  p.setPen(QPen(Qt::black, 0));
  p.drawRect(tile);
  p.drawLine(QPointF(tile.left() + 3, 12.5), QPointF(tile.right() - 3, 12.5));
  const QRectF body(tile.left() + 9, 8, 16, 9);
  p.fillRect(body, toQColor(kBodyColour));
  const BandColour bands[] = {BandColour::Brown, BandColour::Black, BandColour::Red};
  for (int i = 0; i < 3; ++i) p.fillRect(QRectF(body.left() + 3 + 4 * i, body.top(), 2, body.height()), toQColor(displayColour(bands[i])));
  p.drawRect(body);
  p.setFont(chartFont(10, true));
  p.drawText(QRectF(tile.left(), 18, tile.width(), 15), Qt::AlignCenter, QStringLiteral("KΩ"));
}

}  // namespace

QRectF chartSwatch(int row) { return QRectF(kLeft + 5, kRowsTop + row * kRowHeight + 3, 22, 11); }

QRectF chartToleranceCell(int row) { return cell(4, kRowsTop + row * kRowHeight, kRowHeight); }

void paintChart(QPainter& p, const QSizeF& size) {
  p.save();
  p.scale(size.width() / kChartWidth, size.height() / kChartHeight);
  p.setRenderHint(QPainter::Antialiasing, false);
  p.fillRect(QRectF(0, 0, kChartWidth, kChartHeight), toQColor(kChartGround));

  paintTile(p);
  p.setFont(chartFont(16, true));
  p.setPen(toQColor(kChartTitleColour));
  p.drawText(QRectF(0, 4, kChartWidth, 30), Qt::AlignCenter, q(kChartTitle));

  // Column heads: the colour column's head spans both rows.
  p.setPen(Qt::black);
  p.setFont(chartFont(12, true));
  p.drawText(cell(0, kHeadTop, 2 * kHeadRow), Qt::AlignCenter, QStringLiteral("色"));
  for (int c = 0; c < int(kChartHeads.size()); ++c) {
    p.drawText(cell(c + 1, kHeadTop, kHeadRow), Qt::AlignCenter, q(kChartHeads[std::size_t(c)].band));
    p.drawText(cell(c + 1, kHeadTop + kHeadRow, kHeadRow), Qt::AlignCenter, q(kChartHeads[std::size_t(c)].value));
  }

  const auto rows = chartRows();
  p.setFont(chartFont(12));
  for (int r = 0; r < int(rows.size()); ++r) {
    const ChartRow& row = rows[std::size_t(r)];
    const int top = kRowsTop + r * kRowHeight;
    const QRectF swatch = chartSwatch(r);
    p.fillRect(swatch, toQColor(row.swatch));
    p.setPen(QPen(Qt::black, 0));
    p.drawRect(swatch.adjusted(-1, -1, 0, 0));
    p.drawText(QRectF(swatch.right() + 5, top, kColumnEdges[1] - swatch.right() - 5, kRowHeight),
               Qt::AlignLeft | Qt::AlignVCenter, QString::fromStdString(row.name));
    p.drawText(cell(1, top, kRowHeight), Qt::AlignCenter, QString::fromStdString(row.firstDigit));
    p.drawText(cell(2, top, kRowHeight), Qt::AlignCenter, QString::fromStdString(row.secondDigit));
    p.drawText(cell(3, top, kRowHeight), Qt::AlignCenter, QString::fromStdString(row.multiplier));
    p.setPen(toQColor(kChartToleranceColour));
    p.drawText(chartToleranceCell(r), Qt::AlignCenter, QString::fromStdString(row.tolerance));
  }

  // The grid, one device pixel wide at any scale.
  QPen grid(Qt::black, 0);
  p.setPen(grid);
  p.setBrush(Qt::NoBrush);
  p.drawRect(QRectF(kLeft, kHeadTop, kRight - kLeft, kRowsBottom - kHeadTop));
  p.drawLine(QPointF(kColumnEdges[1], kHeadTop + kHeadRow), QPointF(kRight, kHeadTop + kHeadRow));
  for (int r = 0; r < kBandColourCount; ++r) {
    const double y = kRowsTop + r * kRowHeight;
    p.drawLine(QPointF(kLeft, y), QPointF(kRight, y));
  }
  for (std::size_t c = 1; c + 1 < std::size(kColumnEdges); ++c) {
    p.drawLine(QPointF(kColumnEdges[c], kHeadTop), QPointF(kColumnEdges[c], kRowsBottom));
  }

  p.setFont(chartFont(11));
  for (int i = 0; i < 2; ++i) {
    p.drawText(QRectF(0, kFooterTop + i * kFooterLine, kChartWidth, kFooterLine), Qt::AlignCenter,
               q(kChartFooter[std::size_t(i)]));
  }
  p.restore();
}

}  // namespace zen::qt
