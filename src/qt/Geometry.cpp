#include "Geometry.h"

namespace zen::qt {

QFont toQFont(const Font& f) {
  QFont font(QString::fromStdString(f.family));
  font.setPointSizeF(f.sizePt);
  font.setBold(f.bold);
  font.setItalic(f.italic);
  font.setStyleStrategy(QFont::PreferAntialias);
  return font;
}

void installFontSubstitutions() {
  // The window designs name the Japanese desktop fonts; the IPA Gothic fonts have the same metrics
  // family: proportional and fixed-pitch gothic.
  QFont::insertSubstitutions(QStringLiteral("ＭＳ Ｐゴシック"), {QStringLiteral("IPAPGothic"), QStringLiteral("IPAGothic")});
  QFont::insertSubstitutions(QStringLiteral("ＭＳ ゴシック"), {QStringLiteral("IPAGothic"), QStringLiteral("IPAPGothic")});
  QFont::insertSubstitutions(QStringLiteral("MS UI Gothic"), {QStringLiteral("IPAPGothic"), QStringLiteral("IPAGothic")});
}

}  // namespace zen::qt
