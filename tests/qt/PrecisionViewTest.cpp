// The five- and six-band window on real widgets: typed into, its bands painted in their colours;
// and the calculator around its new button exactly as it was.

#include <gtest/gtest.h>

#include <QLineEdit>
#include <cstdint>
#include <cstdlib>
#include <sstream>

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
}

}  // namespace
}  // namespace zen::test
