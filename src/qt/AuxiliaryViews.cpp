// The two special views of the auxiliary windows: the chart picture and the printed help page.

#include <QKeyEvent>
#include <QPainter>
#include <QWheelEvent>
#include <QWidget>
#include <algorithm>
#include <functional>
#include <iterator>

#include "App.h"
#include "ChartPicture.h"
#include "ControlViews.h"
#include "HelpWindow.h"
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
// right edge instead of wrapping into the next. The wheel pages like the scroll bar beside it, and
// so do the keys. A reader reads the whole text, line by line, from the page's first line.
class HelpPageView : public QWidget, public ControlView, public ReaderText {
 public:
  HelpPageView(PictureBox& page, Renderer& r, QWidget* parent) : QWidget(parent), ControlView(page, r), page_(page) {
    setObjectName(q(page.name()));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
  }
  QWidget* widget() override { return this; }
  void apply(const Scale& scale) override {
    applyCommon(this, scale);
    const int caret = readerCaret();
    if (caret != toldCaret_) tellCaretMoved(this, caret);
    toldCaret_ = caret;
    update();
  }

  QString readerText() const override {
    QStringList lines;
    for (const auto& line : page_.readerLines()) lines << q(line);
    return lines.join(u'\n');
  }
  int readerCaret() const override { return lineStart(page_.readerLine()); }
  void moveReaderCaret(int offset) override {
    const int line = int(readerText().left(offset).count(u'\n'));
    inViewer([line](HelpWindow& viewer) { viewer.readerMovedTo(line); });
  }
  bool readerMultiLine() const override { return true; }
  QRect readerCharacterRect(int offset) const override {
    const QString all = readerText();
    const int line = int(all.left(offset).count(u'\n'));
    const int row = line - topLine();
    if (row < 0 || row >= kHelpPageLines || offset >= all.size()) return {};
    // The page prints each line after a blank.
    const QString printed = u' ' + all.mid(lineStart(line), offset - lineStart(line));
    const QFontMetrics fm(toQFont(page_.font()), this);
    const double pitch = double(height()) / kHelpPageLines;
    return QRect(fm.horizontalAdvance(printed), int(row * pitch), fm.horizontalAdvance(all.at(offset)), int(pitch));
  }
  int readerOffsetAt(QPoint p) override {
    const int line = topLine() + int(p.y() * kHelpPageLines / std::max(1, height()));
    if (!rect().contains(p) || line >= int(page_.readerLines().size())) return -1;
    const QString text = q(page_.readerLines()[std::size_t(line)]);
    const QFontMetrics fm(toQFont(page_.font()), this);
    int column = 0;
    while (column < text.size() && fm.horizontalAdvance(u' ' + text.left(column + 1)) <= p.x()) ++column;
    return lineStart(line) + column;
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
    if (hasFocus()) drawFocusMark(p, rect());
  }
  void wheelEvent(QWheelEvent* e) override {
    const int steps = e->angleDelta().y() / 120;
    if (steps == 0 || !inViewer([steps](HelpWindow& viewer) {
          ScrollBar& bar = viewer.scrollBar();
          bar.setValue(bar.value() - 3 * steps);
        })) {
      QWidget::wheelEvent(e);
      return;
    }
    e->accept();
  }
  void keyPressEvent(QKeyEvent* e) override {
    using Key = HelpWindow::ReadKey;
    static const std::pair<int, Key> keys[] = {{Qt::Key_Up, Key::LineUp},       {Qt::Key_Down, Key::LineDown},
                                               {Qt::Key_PageUp, Key::PageUp},   {Qt::Key_PageDown, Key::PageDown},
                                               {Qt::Key_Home, Key::Top},        {Qt::Key_End, Key::Bottom}};
    const auto it = std::find_if(std::begin(keys), std::end(keys), [e](const auto& k) { return k.first == e->key(); });
    const bool plain = (e->modifiers() & ~(Qt::KeypadModifier | Qt::ControlModifier)) == Qt::NoModifier;
    if (it == std::end(keys) || !plain || !inViewer([key = it->second](HelpWindow& viewer) { viewer.readKey(key); })) {
      QWidget::keyPressEvent(e);  // Escape and Enter go on to the window
      return;
    }
    e->accept();
  }
  void focusInEvent(QFocusEvent* e) override {
    QWidget::focusInEvent(e);
    update();
  }
  void focusOutEvent(QFocusEvent* e) override {
    QWidget::focusOutEvent(e);
    update();
  }

 private:
  // Runs an action of the help viewer this page belongs to; false when it has closed.
  bool inViewer(const std::function<void(HelpWindow&)>& action) {
    HelpWindow* viewer = detached() ? nullptr : dynamic_cast<HelpWindow*>(page_.window());
    if (!viewer) return false;
    renderer().dispatch([viewer, action] { action(*viewer); });
    return true;
  }
  int topLine() const {
    const auto* viewer = dynamic_cast<const HelpWindow*>(page_.window());
    return viewer ? viewer->scrollBar().value() : 0;
  }
  int lineStart(int line) const {
    int offset = 0;
    const auto& lines = page_.readerLines();
    for (int i = 0; i < line && i < int(lines.size()); ++i) offset += int(q(lines[std::size_t(i)]).size()) + 1;
    return offset;
  }

  PictureBox& page_;
  int toldCaret_ = -1;
};

}  // namespace

void registerAuxiliaryViews(Renderer& renderer) {
  renderer.registerFactory("ChartWindow.chart", [](Control& c, Renderer& r, QWidget* parent) -> ControlView* {
    return new ChartView(c, r, parent);
  });
  renderer.registerFactory("HelpWindow.page", [](Control& c, Renderer& r, QWidget* parent) -> ControlView* {
    return new HelpPageView(static_cast<PictureBox&>(c), r, parent);
  });
}

}  // namespace zen::qt
