#pragma once
// Builds Qt widgets from the model's windows, by control kind, and keeps them in step: after every
// event it forwards to the model, it copies what changed back onto the widgets.

#include <QHash>
#include <QIcon>
#include <QObject>
#include <QPointer>
#include <QWidget>
#include <functional>
#include <memory>
#include <unordered_map>

#include "App.h"
#include "ControlViews.h"
#include "Geometry.h"
#include "TimerDrive.h"

class QSvgRenderer;

namespace zen::qt {

class Renderer;

// The icon of a window that has none: a clear picture, so the desktop shows an empty place instead
// of a stand-in of its own.
QIcon emptyIcon();

// The top-level widget of one model window.
class WindowView : public QWidget {
 public:
  WindowView(Window& window, Renderer& renderer, QWidget* parent = nullptr);
  Window& window() const { return window_; }
  // Detaches from the model before the widget goes: no event reaches the model afterwards.
  void detach() { detached_ = true; }
  bool detached() const { return detached_; }

  std::unordered_map<const Control*, ControlView*> views;
  std::unordered_map<const Timer*, TimerDrive*> timers;
  std::uint64_t syncedRevision = 0;
  std::uint64_t syncedFocus = 0;
  std::uint64_t syncedRaise = 0;
  QPoint appliedPosition{-1, -1};
  bool positioned = false;

  // Gives the whole window a size, title bar and borders included. The desktop tells their size
  // only once the window is shown, so the inside is sized again whenever they change, until someone
  // else (the user, the desktop) gives the window another size.
  void setOuterSize(QSize outer);
  bool keepsOuterSize() const { return outerSize_.isValid(); }

 protected:
  void closeEvent(QCloseEvent*) override;
  void moveEvent(QMoveEvent*) override;
  void resizeEvent(QResizeEvent*) override;
  void showEvent(QShowEvent*) override;
  void changeEvent(QEvent*) override;
  void mouseMoveEvent(QMouseEvent*) override;
  void paintEvent(QPaintEvent*) override;
  // Enter presses the focused command button, else the window's default button; Escape presses
  // its cancel button. Keys the controls leave unused arrive here.
  void keyPressEvent(QKeyEvent*) override;

 private:
  // The title bar and borders around the inside, as the desktop reports them now.
  QSize decoration() const { return frameGeometry().size() - size(); }
  void fitOuterSize();

  Window& window_;
  Renderer& renderer_;
  bool detached_ = false;
  QSize outerSize_;   // the size to keep, decorations included; invalid when there is none
  QSize fittedWith_;  // the decorations it was last fitted to
};

class Renderer : public QObject {
 public:
  // logicalDpi 0 takes the primary screen's.
  explicit Renderer(App& app, double logicalDpi = 0);
  ~Renderer() override;

  App& app() const { return app_; }
  const Scale& scale() const { return scale_; }

  // Runs a model action for a user event or a tick, then syncs, and hands what the action
  // announced to a listening reader. Nothing runs once the program has ended or while the renderer
  // is being destroyed.
  void dispatch(const std::function<void()>& action);
  // Makes the widgets match the model: creates views for new windows, updates what changed,
  // drops views of closed windows.
  void sync();
  bool syncing() const { return syncing_; }
  // Runs each model timer's ticks while one can change something, and lets it sleep otherwise.
  // sync() does this after every event; a change that reaches the model without an event (a
  // window moved) asks for it here.
  void followTimers();

  QWidget* windowWidget(const Window& w) const;
  QWidget* widget(const Control& c) const;

  // Views for control kinds the generic renderer does not know (the browser's page, its toolbar),
  // or for one named control that needs its own painting.
  using Factory = std::function<ControlView*(Control&, Renderer&, QWidget* parent)>;
  void registerFactory(ControlKind kind, Factory f) { kindFactories_[kind] = std::move(f); }
  void registerFactory(const std::string& windowAndControl, Factory f) { namedFactories_[windowAndControl] = std::move(f); }
  // A top-level widget for a window that needs one of its own (the browser's frame); it must
  // derive from WindowView.
  using WindowFactory = std::function<WindowView*(Window&, Renderer&)>;
  void registerWindowFactory(const std::string& windowName, WindowFactory f) { windowFactories_[windowName] = std::move(f); }
  // Where a window's view is placed: the default is a top-level window. A frame window's child
  // asks its frame's view to host it.
  using HostFinder = std::function<QWidget*(Window&)>;
  void setHostFinder(HostFinder f) { hostFinder_ = std::move(f); }

  // Draws one of the program's pictures (":/assets/....svg") into a rectangle, crisp at any scale.
  void drawPicture(QPainter& p, const std::string& asset, const QRectF& target);

 private:
  WindowView* createView(Window& w);
  ControlView* createControl(Control& c, WindowView& view, QWidget* parent);
  void syncWindow(WindowView& view);
  void dropClosedViews();

  void syncFocus(WindowView& view, Control* focusedBefore);

  App& app_;
  Scale scale_;
  bool syncing_ = false;
  // Handlers run nested when a key arrives while one is running; windows closed meanwhile are
  // freed only when the outermost has returned.
  int dispatchDepth_ = 0;
  bool tearingDown_ = false;
  std::unordered_map<const Window*, WindowView*> views_;
  std::unordered_map<ControlKind, Factory> kindFactories_;
  std::unordered_map<std::string, Factory> namedFactories_;
  std::unordered_map<std::string, WindowFactory> windowFactories_;
  HostFinder hostFinder_;
  QHash<QString, QSvgRenderer*> pictures_;
};

}  // namespace zen::qt
