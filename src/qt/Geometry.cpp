#include "Geometry.h"

#include <QGuiApplication>

namespace zen::qt {

namespace {
// The window designs name the Japanese desktop fonts; the IPA Gothic fonts are their free
// counterparts: proportional and fixed-pitch gothic. Naming the installed family directly spares
// the font database a failed look-up for every font.
QString installedFamily(const std::string& family) {
  if (family == "ＭＳ ゴシック") return QStringLiteral("IPAGothic");
  if (family == "ＭＳ Ｐゴシック" || family == "MS UI Gothic") return QStringLiteral("IPAPGothic");
  return QString::fromStdString(family);
}
}  // namespace

QFont toQFont(const Font& f) {
  QFont font(installedFamily(f.family));
  font.setPointSizeF(f.sizePt);
  font.setBold(f.bold);
  font.setItalic(f.italic);
  font.setStyleStrategy(QFont::PreferAntialias);
  return font;
}

void installFontSubstitutions() {
  // For fonts named elsewhere (pictures, message boxes) the same mapping as a substitution, and the
  // proportional gothic as the program's own font, so no second family is ever loaded.
  QFont::insertSubstitutions(QStringLiteral("ＭＳ Ｐゴシック"), {QStringLiteral("IPAPGothic"), QStringLiteral("IPAGothic")});
  QFont::insertSubstitutions(QStringLiteral("ＭＳ ゴシック"), {QStringLiteral("IPAGothic"), QStringLiteral("IPAPGothic")});
  QFont::insertSubstitutions(QStringLiteral("MS UI Gothic"), {QStringLiteral("IPAPGothic"), QStringLiteral("IPAGothic")});
  QFont base(QStringLiteral("IPAPGothic"));
  base.setPointSizeF(9);
  QGuiApplication::setFont(base);
}

}  // namespace zen::qt
