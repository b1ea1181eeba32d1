#pragma once
// The colour-band chart picture, drawn from the colour table: a title with a small resistor tile,
// two rows of column heads, one row per band colour with its swatch, and two footer lines, on a
// pale peach ground with a black grid. Drawn in its own 296 x 333 coordinates and scaled to the
// target, so it is crisp at any screen scale.

#include <QPainter>
#include <QRectF>
#include <QSizeF>

namespace zen::qt {

// Paints the whole picture into the rectangle (0, 0, size).
void paintChart(QPainter& p, const QSizeF& size);

// Where row i's colour swatch lies, in the picture's own 296 x 333 coordinates.
QRectF chartSwatch(int row);
// Where the text of row i's tolerance cell lies, in the same coordinates.
QRectF chartToleranceCell(int row);

}  // namespace zen::qt
