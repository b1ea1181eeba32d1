// The browser's views: the frame window with its multiple-document area, the browser window as
// the area's only sub-window, the toolbar, the address label and the page, which embeds the web
// engine's own widget.

#include <QAction>
#include <QEvent>
#include <QIcon>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPainter>
#include <QPixmap>
#include <QPointer>
#include <QResizeEvent>
#include <QToolBar>
#include <QVBoxLayout>

#include "Browser.h"
#include "QtPlatform.h"
#include "Renderer.h"
#include "Toolbar.h"
#include "Views.h"

namespace zen::qt {

namespace {

QString q(const std::string& s) { return QString::fromStdString(s); }

// A picture of the program as an icon, drawn at the screen's pixel density.
QIcon pictureIcon(Renderer& renderer, const std::string& asset, int sizePx, qreal dpr) {
  QPixmap pixmap(QSize(sizePx, sizePx) * dpr);
  pixmap.setDevicePixelRatio(dpr);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  renderer.drawPicture(p, asset, QRectF(0, 0, sizePx, sizePx));
  p.end();
  return QIcon(pixmap);
}

// The toolbar: one button per model button, with its picture and tooltip; a click reports the key.
class ToolbarView : public QToolBar, public ControlView {
 public:
  ToolbarView(Toolbar& bar, Renderer& renderer, QWidget* parent)
      : QToolBar(parent), ControlView(bar, renderer), bar_(bar) {
    setObjectName(q(bar.name()));
    setMovable(false);
    setFloatable(false);
    setToolButtonStyle(Qt::ToolButtonIconOnly);
    setAttribute(Qt::WA_NoMousePropagation);
  }

  QWidget* widget() override { return this; }

  void apply(const Scale& scale) override {
    applyCommon(this, scale);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, toQColor(bar_.backColour()));
    setPalette(pal);
    setAutoFillBackground(true);
    if (shown_ != bar_.buttons()) rebuild(scale);
    update();
  }

 private:
  void rebuild(const Scale& scale) {
    clear();
    const int icon = scale.px(24 * 15);
    setIconSize(QSize(icon, icon));
    for (const ToolbarButton& b : bar_.buttons()) {
      QAction* action = addAction(pictureIcon(renderer(), b.picture, icon, devicePixelRatioF()), q(b.toolTip));
      action->setObjectName(q(b.key));
      action->setToolTip(q(b.toolTip));
      const std::string key = b.key;
      connect(action, &QAction::triggered, this, [this, key] {
        Toolbar& bar = bar_;
        renderer().dispatch([&bar, key] { bar.userClick(key); });
      });
    }
    shown_ = bar_.buttons();
  }

  Toolbar& bar_;
  std::vector<ToolbarButton> shown_;
};

// The page area: the engine's widget fills it. The engine owns that widget; the area only lends
// it a place on the screen.
class BrowserView : public QWidget, public ControlView {
 public:
  BrowserView(Browser& browser, Renderer& renderer, QWidget* parent)
      : QWidget(parent), ControlView(browser, renderer), browser_(browser) {
    setObjectName(q(browser.name()));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    setAttribute(Qt::WA_NoMousePropagation);
  }

  QWidget* widget() override { return this; }

  void apply(const Scale& scale) override {
    applyCommon(this, scale);
    if (!page_) {
      if (QWidget* page = QtPlatform::browserWidget(browser_.engine())) {
        page_ = page;
        layout()->addWidget(page);
        page->show();
      }
    }
  }

  QWidget* page() const { return page_; }

 private:
  Browser& browser_;
  QPointer<QWidget> page_;
};

// "ｱﾄﾞﾚｽ(&A):": a real label, so Alt+A moves the focus to the address box beside it.
class AddressLabelView : public QLabel, public ControlView {
 public:
  AddressLabelView(Control& label, Renderer& renderer, QWidget* parent)
      : QLabel(parent), ControlView(label, renderer) {
    setObjectName(q(label.name()));
  }

  QWidget* widget() override { return this; }

  void apply(const Scale& scale) override {
    applyCommon(this, scale);
    const Control& c = control();
    setText(q(c.caption()));
    setFont(toQFont(c.font()));
    QPalette pal = palette();
    pal.setColor(QPalette::Window, toQColor(c.backColour()));
    pal.setColor(QPalette::WindowText, toQColor(c.foreColour()));
    setPalette(pal);
    setAutoFillBackground(true);
    setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    if (!buddy() && parentWidget()) {
      if (auto* box = parentWidget()->findChild<QWidget*>(QStringLiteral("addressBox"))) setBuddy(box);
    }
  }
};

// The frame window: its client area is a multiple-document area in the workspace colour.
class FrameView : public WindowView {
 public:
  FrameView(Window& window, Renderer& renderer) : WindowView(window, renderer) {
    area_ = new QMdiArea(this);
    area_->setObjectName(QStringLiteral("mdiArea"));
    area_->setBackground(toQColor(window.backColour()));
    area_->setGeometry(rect());
  }
  QMdiArea* area() const { return area_; }

 protected:
  void resizeEvent(QResizeEvent* e) override {
    WindowView::resizeEvent(e);
    area_->setGeometry(rect());
  }

 private:
  QMdiArea* area_;
};

// The sub-window's content: the child window's view fills it. It passes the child's caption up to
// the sub-window's title bar and the title bar's close box down to the child.
class ChildHolder : public QWidget {
 public:
  explicit ChildHolder(QWidget* parent = nullptr) : QWidget(parent) {}
  void hold(QWidget* child) {
    child_ = child;
    child->installEventFilter(this);
    child->setGeometry(rect());
    setWindowTitle(child->windowTitle());
  }

 protected:
  void resizeEvent(QResizeEvent* e) override {
    QWidget::resizeEvent(e);
    if (child_) child_->setGeometry(rect());
  }
  void closeEvent(QCloseEvent* e) override {
    // The child's view asks the model and refuses; the model closes the window if it wants to.
    if (child_ && !child_->close()) {
      e->ignore();
      return;
    }
    QWidget::closeEvent(e);
  }
  bool eventFilter(QObject* watched, QEvent* e) override {
    if (watched == child_ && e->type() == QEvent::WindowTitleChange) setWindowTitle(child_->windowTitle());
    // The child always fills the holder: a size the renderer copies from the model before the
    // model has heard of the last resize is put right at once.
    if (watched == child_ && e->type() == QEvent::Move && child_->pos() != QPoint(0, 0)) child_->move(0, 0);
    if (watched == child_ && e->type() == QEvent::Resize && child_->size() != size()) child_->resize(size());
    return QWidget::eventFilter(watched, e);
  }

 private:
  QPointer<QWidget> child_;
};

// A child window of a frame becomes the frame's maximised sub-window. Without its frame's view it
// falls back to a window of its own.
WindowView* hostInFrame(Window& w, Renderer& renderer) {
  Window* frame = w.parentFrame();
  auto* frameView = frame ? dynamic_cast<FrameView*>(renderer.windowWidget(*frame)) : nullptr;
  if (!frameView) return nullptr;
  auto* holder = new ChildHolder;
  auto* view = new WindowView(w, renderer, holder);
  holder->hold(view);
  QMdiSubWindow* sub = frameView->area()->addSubWindow(holder);
  sub->setObjectName(QString::fromStdString(w.name()) + QStringLiteral("Frame"));
  sub->setWindowIcon(emptyIcon());  // the browser window has no icon of its own
  sub->setAttribute(Qt::WA_DeleteOnClose, false);
  // The sub-window goes with the view it holds.
  QObject::connect(view, &QObject::destroyed, sub, &QObject::deleteLater);
  sub->showMaximized();
  return view;
}

}  // namespace

void registerBrowserViews(Renderer& renderer, QtPlatform& platform) {
  platform.setEngineDispatch([&renderer](const std::function<void()>& action) { renderer.dispatch(action); });
  renderer.registerFactory(ControlKind::Toolbar, [](Control& c, Renderer& r, QWidget* parent) -> ControlView* {
    return new ToolbarView(static_cast<Toolbar&>(c), r, parent);
  });
  renderer.registerFactory(ControlKind::Browser, [](Control& c, Renderer& r, QWidget* parent) -> ControlView* {
    return new BrowserView(static_cast<Browser&>(c), r, parent);
  });
  renderer.registerFactory("BrowserWindow.addressLabel", [](Control& c, Renderer& r, QWidget* parent) -> ControlView* {
    return new AddressLabelView(c, r, parent);
  });
  renderer.registerWindowFactory("BrowserFrame",
                                 [](Window& w, Renderer& r) -> WindowView* { return new FrameView(w, r); });
  renderer.registerWindowFactory("BrowserWindow", hostInFrame);
}

}  // namespace zen::qt
