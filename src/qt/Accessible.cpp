#include "Accessible.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>
#include <QWidget>
#include <algorithm>
#include <tuple>

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

bool checkedOption(const Control& c) {
  return c.kind() == ControlKind::OptionButton && static_cast<const OptionButton&>(c).value();
}

// A painted view or a text box, described by its control; a text box of no control of its own (the
// address box's line edit) is described by its widget.
class ControlAccessible : public QAccessibleWidget {
 public:
  explicit ControlAccessible(QWidget* w, QAccessible::Role r = QAccessible::Client) : QAccessibleWidget(w, r) {}

  QAccessible::Role role() const override {
    const ControlView* v = view();
    return v ? toQt(v->control().readerRole()) : QAccessibleWidget::role();
  }

  QString text(QAccessible::Text t) const override {
    const ControlView* v = view();
    if (t == QAccessible::Value) return source() ? source()->readerText() : QString();
    if (!v) return t == QAccessible::Name || t == QAccessible::Description ? QAccessibleWidget::text(t) : QString();
    switch (t) {
      case QAccessible::Name: return q(v->control().readerName());
      case QAccessible::Description: return q(v->control().readerDescription());
      default: return QAccessibleWidget::text(t);
    }
  }

  QAccessible::State state() const override {
    QAccessible::State s = QAccessibleWidget::state();
    if (const ReaderText* t = source()) {
      const auto* edit = qobject_cast<const QLineEdit*>(widget());
      s.readOnly = !edit || edit->isReadOnly();
      s.editable = !s.readOnly;
      s.multiLine = t->readerMultiLine();
      s.selectableText = true;
    }
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

 protected:
  // Looked up afresh each time: while the widget is being destroyed the cast finds no view, and a
  // view whose window has closed no longer reads the model.
  ControlView* view() const {
    auto* v = dynamic_cast<ControlView*>(object());
    return v && !v->detached() ? v : nullptr;
  }
  ReaderText* source() const {
    if (auto* v = dynamic_cast<ControlView*>(object()); v && v->detached()) return nullptr;
    return dynamic_cast<ReaderText*>(object());
  }
};

// A view read as text, or a line edit. Its text-attribute run is the whole text: Qt 6.4's line edit
// reports an empty run at every offset, and Orca 43, joining the runs, reads one character short
// ("470" for 4700). The text has no attributes a reader would announce.
class TextAccessible : public ControlAccessible, public QAccessibleTextInterface {
 public:
  using ControlAccessible::ControlAccessible;

  void* interface_cast(QAccessible::InterfaceType t) override {
    if (t == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
    return ControlAccessible::interface_cast(t);
  }

  void selection(int index, int* start, int* end) const override {
    *start = *end = 0;
    if (index == 0 && selectionCount() == 1) std::tie(*start, *end) = source()->readerSelection();
  }
  int selectionCount() const override {
    const ReaderText* t = source();
    return t && t->readerSelection().first != t->readerSelection().second ? 1 : 0;
  }
  void addSelection(int start, int end) override { setSelection(0, start, end); }
  void removeSelection(int) override { setSelection(0, cursorPosition(), cursorPosition()); }
  void setSelection(int, int start, int end) override {
    if (ReaderText* t = source()) t->selectForReader(bounded(start), bounded(end));
  }
  int cursorPosition() const override { return source() ? source()->readerCaret() : 0; }
  void setCursorPosition(int position) override {
    if (ReaderText* t = source()) t->moveReaderCaret(bounded(position));
  }
  QString text(int start, int end) const override {
    start = bounded(start);
    return all().mid(start, std::max(0, bounded(end) - start));
  }
  QString text(QAccessible::Text t) const override { return ControlAccessible::text(t); }
  int characterCount() const override { return int(all().size()); }
  QRect characterRect(int offset) const override {
    const ReaderText* t = source();
    const QRect r = t ? t->readerCharacterRect(offset) : QRect();
    return r.isEmpty() ? QRect() : QRect(widget()->mapToGlobal(r.topLeft()), r.size());
  }
  int offsetAtPoint(const QPoint& point) const override {
    ReaderText* t = source();
    return t ? t->readerOffsetAt(widget()->mapFromGlobal(point)) : -1;
  }
  void scrollToSubstring(int start, int) override {
    if (ReaderText* t = source(); t && t->readerMultiLine()) t->moveReaderCaret(bounded(start));
  }
  QString attributes(int, int* start, int* end) const override {
    *start = 0;
    *end = characterCount();
    return {};
  }

 private:
  QString all() const { return source() ? source()->readerText() : QString(); }
  int bounded(int offset) const { return std::clamp(offset, 0, characterCount()); }
};

// A window: a frame (a dialog where the model says so) named as the model says; a window inside
// the browser's frame is a pane, named the same way.
class WindowAccessible : public QAccessibleWidget {
 public:
  explicit WindowAccessible(QWidget* w)
      : QAccessibleWidget(w, w->isWindow() ? QAccessible::Window : QAccessible::Pane) {}
  QAccessible::Role role() const override {
    const Window* w = model();
    return w && w->dialog() && widget()->isWindow() ? QAccessible::Dialog : QAccessibleWidget::role();
  }
  QString text(QAccessible::Text t) const override {
    const Window* w = model();
    if (t == QAccessible::Name) return w ? q(w->readerName()) : widget()->windowTitle();
    if (t == QAccessible::Description && w) return q(w->readerDescription());
    return QAccessibleWidget::text(t);
  }

 private:
  const Window* model() const {
    auto* v = dynamic_cast<WindowView*>(object());
    return v && !v->detached() ? &v->window() : nullptr;
  }
};

// The window's notification: never on the screen, it tells its text by saying that it was shown.
// The text is a line inside it, as in a desktop's notifications: Orca 43 speaks a notification's
// name and then its lines, but shows only the lines on a braille display and keeps only those in
// its list of notifications, so a text in the name alone reached no braille reader.
}  // namespace

void forgetEarlyInterface(QWidget* w) {
  if (!QAccessible::isActive()) return;
  if (QAccessibleInterface* early = QAccessible::queryAccessibleInterface(w)) {
    QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(early));
  }
}

namespace {

class Announcer : public QWidget {
 public:
  explicit Announcer(QWidget* window) : QWidget(window), line_(this) {
    setObjectName(QStringLiteral("announcement"));
    hide();
    timer_.setSingleShot(true);
    timer_.setInterval(kAnnouncementDelayMs);
    QObject::connect(&timer_, &QTimer::timeout, this, [this] {
      const QString text = take_();
      if (text.isEmpty()) return;
      line_.setText(text);
      QAccessibleEvent shown(this, QAccessible::ObjectShow);
      send(shown);
    });
    forgetEarlyInterface(this);
  }
  void sayLater(const std::function<QString()>& take) {
    take_ = take;
    timer_.start();
  }

 private:
  QLabel line_;
  std::function<QString()> take_;
  QTimer timer_;
};

// The notification's line, shown to a reader whenever the notification is: a reader shows only the
// lines it can see.
class AnnouncementLineAccessible : public QAccessibleWidget {
 public:
  explicit AnnouncementLineAccessible(QLabel* l) : QAccessibleWidget(l, QAccessible::StaticText) {}
  QString text(QAccessible::Text t) const override {
    return t == QAccessible::Name ? static_cast<const QLabel*>(widget())->text() : QString();
  }
  QAccessible::State state() const override {
    QAccessible::State s = QAccessibleWidget::state();
    s.invisible = s.offscreen = false;
    return s;
  }
};

QAccessibleInterface* factory(const QString& classname, QObject* object) {
  // Called first with the most derived class: "QWidget" means a view with no Qt class of its own,
  // "QLineEdit" may be ours. The object is looked at only then: the web engine asks about objects
  // of its own that it may already have let go.
  const bool lineEdit = classname == QLatin1String("QLineEdit");
  const bool label = classname == QLatin1String("QLabel");
  if ((!lineEdit && !label && classname != QLatin1String("QWidget")) || !object || !object->isWidgetType()) {
    return nullptr;
  }
  auto* w = static_cast<QWidget*>(object);
  if (label) {
    const bool announcement = dynamic_cast<Announcer*>(w->parentWidget());
    return announcement ? new AnnouncementLineAccessible(static_cast<QLabel*>(w)) : nullptr;
  }
  if (lineEdit) return dynamic_cast<ReaderText*>(object) ? new TextAccessible(w, QAccessible::EditableText) : nullptr;
  if (dynamic_cast<ReaderText*>(object)) return new TextAccessible(w);
  if (dynamic_cast<ControlView*>(object)) return new ControlAccessible(w);
  if (dynamic_cast<WindowView*>(object)) return new WindowAccessible(w);
  if (dynamic_cast<Announcer*>(object)) return new QAccessibleWidget(w, QAccessible::Notification);
  return nullptr;
}

void tell(QWidget* w, QAccessible::Event what) {
  QAccessibleEvent event(w, what);
  send(event);
}

}  // namespace

void installAccessibleFactory() { QAccessible::installFactory(factory); }

void setReaderListener(ReaderListener l) { listener() = std::move(l); }

bool describedByModel(const QWidget* w) {
  if (!dynamic_cast<const ControlView*>(w)) return false;
  return w->metaObject() == &QWidget::staticMetaObject || dynamic_cast<const ReaderText*>(w);
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

void tellCaretMoved(QWidget* w, int offset) {
  if (!someoneListens()) return;
  QAccessibleTextCursorEvent event(w, offset);
  send(event);
}

void announceLater(QWidget* window, const std::function<QString()>& take) {
  if (!someoneListens()) {
    take();
    return;
  }
  Announcer* announcer = nullptr;
  for (QObject* child : window->children()) {
    if (auto* a = dynamic_cast<Announcer*>(child)) announcer = a;
  }
  if (!announcer) announcer = new Announcer(window);
  announcer->sayLater(take);
}

}  // namespace zen::qt
