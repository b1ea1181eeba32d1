#include "Renderer.h"

#include <QApplication>
#include <QCloseEvent>
#include <QIcon>
#include <QKeyEvent>
#include <QMetaObject>
#include <QPointer>
#include <QPainter>
#include <QPixmapCache>
#include <QScreen>
#include <QShowEvent>
#include <QSvgRenderer>
#include <QWindow>
#include <algorithm>
#include <vector>

namespace zen::qt {

namespace {
QString q(const std::string& s) { return QString::fromStdString(s); }

double screenDpi() {
  if (QScreen* s = QGuiApplication::primaryScreen()) return s->logicalDotsPerInch();
  return 96.0;
}
}  // namespace

QIcon emptyIcon() {
  QPixmap clear(32, 32);
  clear.fill(Qt::transparent);
  return QIcon(clear);
}

// ---------------------------------------------------------------------------------------------

WindowView::WindowView(Window& window, Renderer& renderer, QWidget* parent)
    : QWidget(parent), window_(window), renderer_(renderer) {
  setObjectName(q(window.name()));
  setMouseTracking(true);
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void WindowView::closeEvent(QCloseEvent* e) {
  if (detached_ || renderer_.syncing() || renderer_.app().ended() || !window_.shown()) {
    e->accept();
    return;
  }
  // The model decides what the close box does; the view follows at the next sync.
  e->ignore();
  Window& w = window_;
  renderer_.dispatch([&w] { w.closeBoxPressed(); });
}

void WindowView::setOuterSize(QSize outer) {
  outerSize_ = outer;
  fittedWith_ = decoration();
  resize(outer - fittedWith_);
}

void WindowView::fitOuterSize() {
  if (!keepsOuterSize()) return;
  if (size() != outerSize_ - fittedWith_) {
    outerSize_ = QSize();  // sized by someone else (the user, a maximise): that size holds now
    return;
  }
  if (decoration() != fittedWith_) setOuterSize(outerSize_);
}

void WindowView::showEvent(QShowEvent* e) {
  QWidget::showEvent(e);
  fitOuterSize();
}

void WindowView::changeEvent(QEvent* e) {
  QWidget::changeEvent(e);
  if (e->type() != QEvent::WindowStateChange || detached_ || !isWindow() || window_.maxButton()) return;
  // Qt's own title bar on Wayland offers maximise to every window, whatever its flags; a window
  // without that button stays as it is. (Its minimise cannot be refused the same way: Wayland
  // never tells a program that its window was minimised.)
  constexpr Qt::WindowStates kRefused = Qt::WindowMaximized | Qt::WindowFullScreen;
  if (windowState() & kRefused) setWindowState(windowState() & ~kRefused);
}

void WindowView::moveEvent(QMoveEvent* e) {
  QWidget::moveEvent(e);
  // The desktop reports its decorations with the move that puts the window into its frame.
  fitOuterSize();
  if (detached_ || !isWindow()) return;
  const QPoint p = pos();
  appliedPosition = p;
  const Scale& s = renderer_.scale();
  window_.userMoved(s.twips(p.x()), s.twips(p.y()));
  // A position recorder sleeps until its window moves.
  renderer_.followTimers();
}

void WindowView::resizeEvent(QResizeEvent* e) {
  QWidget::resizeEvent(e);
  fitOuterSize();
  if (detached_) return;
  const Scale& s = renderer_.scale();
  const int w = s.twips(width());
  const int h = s.twips(height());
  if (w == window_.clientWidth() && h == window_.clientHeight()) return;
  // Resizes arrive inside other events (a show, a layout); let the model hear of it afterwards.
  QPointer<WindowView> self(this);
  QMetaObject::invokeMethod(
      this,
      [self, w, h] {
        if (!self || self->detached_) return;
        Window& win = self->window_;
        self->renderer_.dispatch([&win, w, h] { win.userResized(w, h); });
      },
      Qt::QueuedConnection);
}

void WindowView::mouseMoveEvent(QMouseEvent* e) {
  QWidget::mouseMoveEvent(e);
  if (detached_ || !window_.onMouseMove) return;
  renderer_.dispatch(window_.onMouseMove);
}

void WindowView::keyPressEvent(QKeyEvent* e) {
  const bool enter = e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter;
  const bool escape = e->key() == Qt::Key_Escape;
  const bool plain = (e->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
  if (detached_ || !plain || !(enter || escape)) {
    QWidget::keyPressEvent(e);
    return;
  }
  CommandButton* target = nullptr;
  if (enter) {
    if (auto* focused = dynamic_cast<ControlView*>(focusWidget());
        focused && focused->control().kind() == ControlKind::CommandButton) {
      target = static_cast<CommandButton*>(&focused->control());
    }
  }
  for (const auto& c : window_.controls()) {
    if (target) break;
    if (c->kind() != ControlKind::CommandButton || !c->visible() || !c->enabled()) continue;
    auto& button = static_cast<CommandButton&>(*c);
    if (enter ? button.isDefault() : button.isCancel()) target = &button;
  }
  if (!target) {
    QWidget::keyPressEvent(e);
    return;
  }
  e->accept();
  renderer_.dispatch([target] { target->press(); });
}

void WindowView::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), toQColor(window_.backColour()));
}

// ---------------------------------------------------------------------------------------------

Renderer::Renderer(App& app, double logicalDpi) : app_(app), scale_(logicalDpi > 0 ? logicalDpi : screenDpi()) {
  installAccessibleFactory();
}

Renderer::~Renderer() {
  // Widgets can still report while they go (a page view ends its load when it is deleted); from
  // here on nothing reaches the model and nothing is synced, so no half-deleted view is touched.
  tearingDown_ = true;
  std::vector<QPointer<WindowView>> doomed;
  for (auto& [window, view] : views_) {
    view->detach();
    for (auto& [control, cv] : view->views) cv->detach();
    for (auto& [model, drive] : view->timers) drive->stop();
    doomed.emplace_back(view);
  }
  views_.clear();
  // A child window's view lives inside its frame's view and may already have gone with it.
  for (const QPointer<WindowView>& view : doomed) delete view.data();
  qDeleteAll(pictures_);
}

void Renderer::dispatch(const std::function<void()>& action) {
  if (tearingDown_ || app_.ended()) return;
  if (dispatchDepth_ == 0) app_.collectClosed();
  ++dispatchDepth_;
  action();
  --dispatchDepth_;
  sync();
  if (dispatchDepth_ == 0 && !tearingDown_ && !app_.ended()) {
    // The action is over: a reader hears what it announced, in the window it happened in.
    for (auto& [window, view] : views_) {
      if (!window->announcing()) continue;
      QPointer<WindowView> v(view);
      announceLater(view, [v]() -> QString {
        return v && !v->detached() ? q(v->window().takeAnnouncement()) : QString();
      });
    }
  }
}

QWidget* Renderer::windowWidget(const Window& w) const {
  auto it = views_.find(&w);
  return it == views_.end() ? nullptr : it->second;
}

QWidget* Renderer::widget(const Control& c) const {
  for (const auto& [window, view] : views_) {
    auto it = view->views.find(&c);
    if (it != view->views.end()) return it->second->widget();
  }
  return nullptr;
}

void Renderer::drawPicture(QPainter& p, const std::string& asset, const QRectF& target) {
  // Each picture is drawn once per size and screen scale, then reused: the four command buttons
  // share one face, and repaints cost a copy.
  const qreal dpr = p.device() ? p.device()->devicePixelRatioF() : 1.0;
  const QSize pixels = (target.size() * dpr).toSize();
  if (pixels.isEmpty()) return;
  const QString key = QStringLiteral("%1@%2x%3").arg(q(asset)).arg(pixels.width()).arg(pixels.height());
  QPixmap pixmap;
  if (!QPixmapCache::find(key, &pixmap)) {
    QSvgRenderer* svg = pictures_.value(q(asset));
    if (!svg) {
      svg = new QSvgRenderer(q(asset));
      pictures_.insert(q(asset), svg);
    }
    if (!svg->isValid()) return;
    pixmap = QPixmap(pixels);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    svg->render(&painter, QRectF(QPointF(0, 0), QSizeF(pixels)));
    painter.end();
    QPixmapCache::insert(key, pixmap);
  }
  pixmap.setDevicePixelRatio(dpr);
  p.drawPixmap(target.topLeft(), pixmap);
}

ControlView* Renderer::createControl(Control& c, WindowView& view, QWidget* parent) {
  if (auto it = namedFactories_.find(view.window().name() + "." + c.name()); it != namedFactories_.end()) {
    return it->second(c, *this, parent);
  }
  if (auto it = kindFactories_.find(c.kind()); it != kindFactories_.end()) return it->second(c, *this, parent);
  switch (c.kind()) {
    case ControlKind::Label:
    case ControlKind::PictureBox:
    case ControlKind::Frame:
    case ControlKind::Line: return new PaintedView(c, *this, parent);
    case ControlKind::OptionButton: return new OptionView(static_cast<OptionButton&>(c), *this, parent);
    case ControlKind::CommandButton: return new ButtonView(static_cast<CommandButton&>(c), *this, parent);
    case ControlKind::TextBox: return new TextBoxView(static_cast<TextBox&>(c), *this, parent);
    case ControlKind::ScrollBar: return new ScrollBarView(static_cast<ScrollBar&>(c), *this, parent);
    case ControlKind::ComboBox: return new ComboBoxView(static_cast<ComboBox&>(c), *this, parent);
    case ControlKind::Toolbar:
    case ControlKind::Browser: break;
  }
  // A kind without a registered view still takes its place, as an empty area.
  return new PaintedView(c, *this, parent);
}

WindowView* Renderer::createView(Window& w) {
  WindowView* view = nullptr;
  if (auto it = windowFactories_.find(w.name()); it != windowFactories_.end()) view = it->second(w, *this);
  if (!view) {
    QWidget* host = hostFinder_ ? hostFinder_(w) : nullptr;
    view = new WindowView(w, *this, host);
  }
  if (view->isWindow()) {
    Qt::WindowFlags flags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                            Qt::WindowCloseButtonHint;
    if (w.minButton()) flags |= Qt::WindowMinimizeButtonHint;
    if (w.maxButton()) flags |= Qt::WindowMaximizeButtonHint;
    view->setWindowFlags(flags);
    // A window that belongs to another is tied to it (its transient parent), so the desktop treats
    // it as the owner's dialog.
    if (const Window* owner = w.owner()) {
      if (QWidget* ownerView = windowWidget(*owner)) {
        view->winId();  // the native window, which carries the tie
        view->windowHandle()->setTransientParent(ownerView->windowHandle());
      }
    }
  }
  for (const auto& control : w.controls()) {
    QWidget* parent = view;
    if (const Control* container = control->container()) parent = view->views.at(container)->widget();
    ControlView* cv = createControl(*control, *view, parent);
    forgetEarlyInterface(cv->widget());
    view->views.emplace(control.get(), cv);
  }
  forgetEarlyInterface(view);
  // The keyboard's tab order follows the model's.
  std::vector<ControlView*> ordered;
  for (const auto& control : w.controls()) {
    if (control->tabIndex() >= 0) ordered.push_back(view->views.at(control.get()));
  }
  std::stable_sort(ordered.begin(), ordered.end(),
                   [](ControlView* a, ControlView* b) { return a->control().tabIndex() < b->control().tabIndex(); });
  for (std::size_t i = 1; i < ordered.size(); ++i) QWidget::setTabOrder(ordered[i - 1]->widget(), ordered[i]->widget());

  for (const auto& timer : w.timers()) {
    Timer* model = timer.get();
    QPointer<WindowView> guard(view);
    auto* drive = new TimerDrive(
        *model,
        [this, model, guard] {
          if (!guard || guard->detached()) return;
          dispatch([model] { model->tick(); });
        },
        view);
    view->timers.emplace(model, drive);
  }
  views_.emplace(&w, view);
  return view;
}

void Renderer::followTimers() {
  if (syncing_ || tearingDown_) return;
  for (auto& [window, view] : views_) {
    for (auto& [model, drive] : view->timers) {
      if (app_.ended()) {
        drive->stop();
      } else {
        drive->follow();
      }
    }
  }
}

void Renderer::syncWindow(WindowView& view) {
  Window& w = view.window();
  Control* focusedBefore = nullptr;
  if (auto* focused = dynamic_cast<ControlView*>(view.focusWidget())) focusedBefore = &focused->control();
  bool optionsChanged = false;
  for (auto& [control, cv] : view.views) {
    if (cv->syncedRevision != control->revision()) {
      cv->apply(scale_);
      cv->syncedRevision = control->revision();
      optionsChanged = optionsChanged || control->kind() == ControlKind::OptionButton;
    }
  }
  // Which option of a group Tab stops at follows the colour chosen in it.
  if (optionsChanged) {
    for (auto& [control, cv] : view.views) cv->refreshTabStop();
  }
  if (view.syncedRevision != w.revision()) {
    view.setWindowTitle(q(w.caption()));
    view.setWindowIcon(w.icon().empty() ? emptyIcon() : QIcon(q(w.icon())));
    const QSize client(scale_.px(w.clientWidth()), scale_.px(w.clientHeight()));
    if (w.outerWidth() > 0) {
      view.setOuterSize(QSize(scale_.px(w.outerWidth()), scale_.px(w.outerHeight())));
    } else if (view.keepsOuterSize()) {
      // The model hears of the inside's size after the event; until then it must not shrink back.
    } else if (w.border() == BorderStyle::Sizeable) {
      if (view.size() != client) view.resize(client);
    } else {
      view.setFixedSize(client);
    }
    view.update();
  }
  const QPoint wanted(scale_.px(w.left()), scale_.px(w.top()));
  if (!view.positioned || wanted != view.appliedPosition) {
    view.move(wanted);
    view.appliedPosition = wanted;
    view.positioned = true;
  }
  if (w.shown() && !view.isVisible()) view.show();
  if (!w.shown() && view.isVisible()) view.hide();
  if (view.syncedRaise != w.raiseRequests()) {
    view.syncedRaise = w.raiseRequests();
    view.raise();
    view.activateWindow();
  }
  view.syncedRevision = w.revision();
  syncFocus(view, focusedBefore);
}

void Renderer::syncFocus(WindowView& view, Control* focusedBefore) {
  Window& w = view.window();
  auto widgetOf = [&view](Control* c) -> QWidget* {
    auto it = c ? view.views.find(c) : view.views.end();
    return it == view.views.end() ? nullptr : it->second->widget();
  };
  if (view.syncedFocus != w.focusRevision()) {
    view.syncedFocus = w.focusRevision();
    if (QWidget* target = widgetOf(w.focus())) {
      target->setFocus(Qt::OtherFocusReason);
      // The focus is the model's answer to what the user did: a window closed from its own button
      // hands the keyboard back to the calculator, which becomes the active window again.
      QWidget* top = target->window();
      if (top->isVisible() && !top->isActiveWindow()) top->activateWindow();
    }
    return;
  }
  // The control that had the focus was hidden or disabled: the fallback takes it, not whatever
  // Qt found next in the chain.
  if (focusedBefore && !focusedBefore->usable()) {
    if (QWidget* fallback = widgetOf(w.focusFallback())) fallback->setFocus(Qt::OtherFocusReason);
  }
}

void Renderer::dropClosedViews() {
  const std::vector<Window*> live = app_.windows();
  for (auto it = views_.begin(); it != views_.end();) {
    if (std::find(live.begin(), live.end(), it->first) == live.end()) {
      WindowView* view = it->second;
      view->detach();
      for (auto& [control, cv] : view->views) cv->detach();
      for (auto& [model, drive] : view->timers) drive->stop();
      view->hide();
      view->deleteLater();
      it = views_.erase(it);
    } else {
      ++it;
    }
  }
}

void Renderer::sync() {
  if (syncing_ || tearingDown_) return;
  syncing_ = true;
  dropClosedViews();
  for (Window* w : app_.windows()) {
    auto it = views_.find(w);
    WindowView* view = it == views_.end() ? createView(*w) : it->second;
    syncWindow(*view);
  }
  syncing_ = false;
  // After every window: a timer may wait on any window's state.
  followTimers();
}

}  // namespace zen::qt
