#include "Accessible.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QWidget>

#include "Control.h"
#include "ControlViews.h"
#include "Renderer.h"

namespace zen::qt {

namespace {

QString q(const std::string& s) { return QString::fromStdString(s); }

QAccessible::Role toQt(Role r) {
  switch (r) {
    case Role::Label: return QAccessible::StaticText;
    case Role::Graphic: return QAccessible::Graphic;
    case Role::Link: return QAccessible::Link;
    case Role::Grouping: return QAccessible::Grouping;
    case Role::RadioButton: return QAccessible::RadioButton;
    case Role::Button: return QAccessible::PushButton;
    case Role::Text: return QAccessible::EditableText;
    case Role::ScrollBar: return QAccessible::ScrollBar;
    case Role::ComboBox: return QAccessible::ComboBox;
    case Role::ToolBar: return QAccessible::ToolBar;
    case Role::Panel: return QAccessible::Pane;
    case Role::FromKind:
    case Role::None: break;
  }
  return QAccessible::Client;
}

bool checkedOption(const Control& c) {
  return c.kind() == ControlKind::OptionButton && static_cast<const OptionButton&>(c).value();
}

// A painted view, described by its control.
class ControlAccessible : public QAccessibleWidget {
 public:
  explicit ControlAccessible(QWidget* w) : QAccessibleWidget(w) {}

  QAccessible::Role role() const override {
    const ControlView* v = view();
    return v ? toQt(v->control().readerRole()) : QAccessible::Client;
  }

  QString text(QAccessible::Text t) const override {
    const ControlView* v = view();
    if (!v) return {};
    switch (t) {
      case QAccessible::Name: return q(v->control().readerName());
      case QAccessible::Description: return q(v->control().readerDescription());
      default: return QAccessibleWidget::text(t);
    }
  }

  QAccessible::State state() const override {
    QAccessible::State s = QAccessibleWidget::state();
    const ControlView* v = view();
    if (!v) return s;
    const Control& c = v->control();
    if (c.kind() == ControlKind::OptionButton) {
      s.checkable = true;
      s.checked = checkedOption(c);
      // The arrow keys reach every option of a group, though Tab stops at the chosen one only.
      s.focusable = c.usable();
    }
    if (c.readerRole() == Role::Link) s.linked = true;
    return s;
  }

  QStringList actionNames() const override {
    QStringList names = QAccessibleWidget::actionNames();
    if (const ControlView* v = view(); v && v->pressable()) names.prepend(pressAction());
    return names;
  }

  void doAction(const QString& name) override {
    if (name == pressAction()) {
      if (ControlView* v = view(); v && v->pressable()) v->press();
      return;
    }
    QAccessibleWidget::doAction(name);
  }

 private:
  // Looked up afresh each time: while the widget is being destroyed the cast finds no view, and a
  // view whose window has closed no longer reads the model.
  ControlView* view() const {
    auto* v = dynamic_cast<ControlView*>(object());
    return v && !v->detached() ? v : nullptr;
  }
};

// A window: a frame named by its caption; a window inside the browser's frame is a pane, named
// the same way.
class WindowAccessible : public QAccessibleWidget {
 public:
  explicit WindowAccessible(QWidget* w)
      : QAccessibleWidget(w, w->isWindow() ? QAccessible::Window : QAccessible::Pane) {}
  QString text(QAccessible::Text t) const override {
    if (t == QAccessible::Name && widget()->accessibleName().isEmpty()) return widget()->windowTitle();
    return QAccessibleWidget::text(t);
  }
};

QAccessibleInterface* factory(const QString& classname, QObject* object) {
  // Called first with the most derived class: "QWidget" means a view with no Qt class of its own.
  if (classname != QLatin1String("QWidget") || !object || !object->isWidgetType()) return nullptr;
  auto* w = static_cast<QWidget*>(object);
  if (dynamic_cast<ControlView*>(object)) return new ControlAccessible(w);
  if (dynamic_cast<WindowView*>(object)) return new WindowAccessible(w);
  return nullptr;
}

ReaderListener& listener() {
  static ReaderListener l;
  return l;
}

bool someoneListens() { return QAccessible::isActive() || listener(); }

void send(QAccessibleEvent& event) {
  if (listener()) {
    listener()(event);
  } else {
    QAccessible::updateAccessibility(&event);
  }
}

void tell(QWidget* w, QAccessible::Event what) {
  QAccessibleEvent event(w, what);
  send(event);
}

}  // namespace

void installAccessibleFactory() { QAccessible::installFactory(factory); }

void setReaderListener(ReaderListener l) { listener() = std::move(l); }

bool describedByModel(const QWidget* w) {
  return w->metaObject() == &QWidget::staticMetaObject && dynamic_cast<const ControlView*>(w);
}

void announceChanges(const Control& c, QWidget* w, ReaderSnapshot& told) {
  // Kept current even while nobody listens, so a reader that starts later hears the next change.
  ReaderSnapshot now{true, q(c.readerName()), q(c.readerDescription()), checkedOption(c)};
  if (told.valid && someoneListens()) {
    const bool speak = !c.quiet() || w->hasFocus();
    if (speak && now.name != told.name) tell(w, QAccessible::NameChanged);
    if (speak && now.description != told.description) tell(w, QAccessible::DescriptionChanged);
    if (now.checked != told.checked) {
      QAccessible::State changed;
      changed.checked = true;
      QAccessibleStateChangeEvent event(w, changed);
      send(event);
    }
  }
  // A quiet change not told now is not told later either: only the next one is.
  told = now;
}

}  // namespace zen::qt
