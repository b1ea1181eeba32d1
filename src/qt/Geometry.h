#pragma once
// Twips to pixels and colours to QColor: the only two conversions between the model and Qt.

#include <QColor>
#include <QFont>
#include <QRect>
#include <cmath>

#include "ColourTable.h"
#include "Control.h"

namespace zen::qt {

inline constexpr double kTwipsPerInch = 1440.0;

// Pixels per twip at the screen's logical dpi (96 dpi gives 15 twips per pixel); Qt's device pixel
// ratio then makes the drawing crisp on high-dpi screens.
class Scale {
 public:
  explicit Scale(double logicalDpi = 96.0) : perTwip_(logicalDpi / kTwipsPerInch) {}
  int px(int twips) const { return static_cast<int>(std::lround(twips * perTwip_)); }
  int twips(int px) const { return static_cast<int>(std::lround(px / perTwip_)); }
  // Edges are rounded, not sizes, so neighbouring controls never gap or overlap.
  QRect rect(int left, int top, int width, int height) const {
    const int x = px(left);
    const int y = px(top);
    return QRect(x, y, px(left + width) - x, px(top + height) - y);
  }

 private:
  double perTwip_;
};

inline QColor toQColor(Rgb c) { return QColor(int(c & 0xFF), int((c >> 8) & 0xFF), int((c >> 16) & 0xFF)); }

// The model names the Japanese desktop fonts; main() maps them onto the IPA Gothic fonts.
QFont toQFont(const Font& f);
void installFontSubstitutions();

}  // namespace zen::qt
