// The two special views of the auxiliary windows: the chart picture and the printed help page.

#include <QPainter>
#include <QWheelEvent>
#include <QWidget>

#include "App.h"
#include "ChartPicture.h"
#include "ControlViews.h"
#include "Form3.h"
#include "Renderer.h"
#include "Views.h"

namespace zen::qt {

namespace {

QString q(const std::string& s) { return QString::fromStdString(s); }

// The chart window's picture, painted from the colour table.
class ChartView : public QWidget, public ControlView {
 public:
  ChartView(Control& c, Renderer& r, QWidget* parent) : QWidget(parent), ControlView(c, r) {
    setObjectName(q(c.name()));
    setAttribute(Qt::WA_OpaquePaintEvent);
  }
  QWidget* widget() override { return this; }
  void apply(const Scale& scale) override {
    applyCommon(this, scale);
    update();
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    paintChart(p, QSizeF(size()));
  }
};

// The help page: exactly a page of lines fills the area, each line in its own band, cut at the
// right edge instead of wrapping into the next. The wheel pages like the scroll bar beside it.
class HelpPageView : public QWidget, public ControlView {
 public:
  HelpPageView(PictureBox& page, Renderer& r, QWidget* parent) : QWidget(parent), ControlView(page, r), page_(page) {
    setObjectName(q(page.name()));
    setAttribute(Qt::WA_OpaquePaintEvent);
  }
  QWidget* widget() override { return this; }
  void apply(const Scale& scale) override {
    // A reader gets the printed lines as the page's description, from the model.
    applyCommon(this, scale);
    update();
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    p.fillRect(rect(), toQColor(page_.backColour()));
    p.setFont(toQFont(page_.font()));
    p.setPen(toQColor(page_.foreColour()));
    p.setClipRect(rect());
    const QFontMetricsF fm(p.font(), this);
    const double pitch = double(height()) / kHelpPageLines;
    const double lead = (pitch - fm.height()) / 2 + fm.ascent();
    int i = 0;
    for (const auto& line : page_.printedLines()) {
      if (i == kHelpPageLines) break;
      p.drawText(QPointF(0, i * pitch + lead), q(line));
      ++i;
    }
  }
  void wheelEvent(QWheelEvent* e) override {
    const int steps = e->angleDelta().y() / 120;
    Form3* viewer = renderer().app().find<Form3>();
    if (steps == 0 || !viewer) {
      QWidget::wheelEvent(e);
      return;
    }
    e->accept();
    ScrollBar& bar = viewer->VScroll1();
    renderer().dispatch([&bar, steps] { bar.setValue(bar.value() - 3 * steps); });
  }

 private:
  PictureBox& page_;
};

}  // namespace

void registerAuxiliaryViews(Renderer& renderer) {
  renderer.registerFactory("Form2.Picture1", [](Control& c, Renderer& r, QWidget* parent) -> ControlView* {
    return new ChartView(c, r, parent);
  });
  renderer.registerFactory("Form3.Picture1", [](Control& c, Renderer& r, QWidget* parent) -> ControlView* {
    return new HelpPageView(static_cast<PictureBox&>(c), r, parent);
  });
}

}  // namespace zen::qt
