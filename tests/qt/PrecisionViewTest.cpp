// The five- and six-band window on real widgets: typed into, its bands painted in their colours,
// its longest refusals within their two lines; and the calculator around its new button exactly as
// it was.

#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QLineEdit>
#include <cstdint>
#include <cstdlib>
#include <sstream>

#include "Geometry.h"
#include "PrecisionWindow.h"
#include "QtTestSupport.h"

namespace zen::test {
namespace {

using PrecisionViewTest = OnScreenTest;

// Every calculator control's place in its container, one line each, but the one given. A legend
// that grows to its text is as wide as the desktop's font makes it, so its width is left out.
std::string calculatorPlaces(qt::Renderer& renderer, const Window& calculator, std::string_view except) {
  std::ostringstream places;
  for (const auto& c : calculator.controls()) {
    if (c->name() == except) continue;
    const QRect r = renderer.widget(*c)->geometry();
    const auto* label = dynamic_cast<const Label*>(c.get());
    places << c->name() << ' ' << r.x() << ' ' << r.y() << ' ' << (label && label->autoSize() ? 0 : r.width())
           << ' ' << r.height() << '\n';
  }
  return places.str();
}

std::uint64_t digest(const std::string& text) {
  std::uint64_t h = 14695981039346656037ull;  // FNV-1a
  for (unsigned char c : text) h = (h ^ c) * 1099511628211ull;
  return h;
}

TEST_F(PrecisionViewTest, PaintsTheTypedValuesBandsAndTheCalculatorKeepsItsPlaces) {
  // The calculator's controls stand where they stood before the five- and six-band window had a
  // button, and the button covers none of them.
  const std::string places = calculatorPlaces(*renderer, calculator(), "precisionButton");
  EXPECT_EQ(digest(places), 4176723001606990619u) << places;
  QWidget* button = widgetOf(calculator(), "precisionButton");
  for (const auto& c : calculator().controls()) {
    QWidget* other = renderer->widget(*c);
    if (other == button || !other->isVisible()) continue;
    const QRect r(other->mapTo(view(calculator()), QPoint(0, 0)), other->size());
    EXPECT_FALSE(r.intersects(button->geometry())) << c->name();
  }

  clickOn(button);
  auto* w = app->find<PrecisionWindow>();
  ASSERT_NE(w, nullptr);
  ASSERT_TRUE(view(*w)->isVisible());
  auto* entry = qobject_cast<QLineEdit*>(widgetOf(*w, "valueEntry"));
  ASSERT_NE(entry, nullptr);
  entry->setFocus();
  typeInto(entry, QStringLiteral("4.75k"));
  clickOn(widgetOf(*w, "sixBands"));
  QWidget* window = view(*w);
  const QImage image = grabImage(*window);
  if (const char* out = std::getenv("ZEN_SAVE_GRABS")) image.save(QString::fromLocal8Bit(out) + "/precision.png");
  const auto centre = [&](const char* name) {
    QWidget* band = widgetOf(*w, name);
    return pixelAt(image, band->mapTo(window, band->rect().center()));
  };
  // Yellow, violet, green, brown, brown and, for six bands, brown (100 ppm/K).
  EXPECT_EQ(centre("firstBand"), 0x00FFFFu);
  EXPECT_EQ(centre("secondBand"), 0xFF00FFu);
  EXPECT_EQ(centre("thirdBand"), 0x00FF00u);
  EXPECT_EQ(centre("multiplierBand"), 0x404080u);
  EXPECT_EQ(centre("toleranceBand"), 0x404080u);
  EXPECT_EQ(centre("coefficientBand"), 0x404080u);
  // Between the bands, the body.
  EXPECT_EQ(pixelAt(image, widgetOf(*w, "firstBand")->geometry().topRight() + QPoint(3, 16)), 0x80C0FFu);

  // The longest refusals, with all the text each box takes, wrap within the note's two lines.
  const QString filler(40, QChar(0x6F22));  // 漢, as wide as a character gets
  int refusal = 0;
  for (const auto& [box, text] : {std::pair{"valueEntry", filler}, {"valueEntry", "1 0 0 赤 " + filler.left(32)},
                                  {"markingEntry", filler.left(8)}}) {
    auto* edit = qobject_cast<QLineEdit*>(widgetOf(*w, box));
    edit->selectAll();
    typeInto(edit, text);
    const QRect needed = QFontMetrics(qt::toQFont(w->note().font()))
                             .boundingRect(widgetOf(*w, "note")->rect(), Qt::AlignTop | Qt::TextWordWrap,
                                           QString::fromStdString(w->note().caption()));
    EXPECT_LE(needed.height(), widgetOf(*w, "note")->height()) << w->note().caption();
    if (const char* out = std::getenv("ZEN_SAVE_GRABS")) {
      grabImage(*window).save(QString::fromLocal8Bit(out) + QStringLiteral("/precision-refusal%1.png").arg(++refusal));
    }
  }
}

}  // namespace
}  // namespace zen::test
