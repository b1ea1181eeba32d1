#pragma once
// What a screen reader gets from the views. Qt's own widgets (command buttons, scroll bars, the
// address box, the toolbar) describe themselves from the name the renderer gives them. The painted
// views (labels, pictures, frames, lines, options, the chart, the help page, the page area), the
// text boxes and the windows get their interfaces from one factory, and the model says what each
// is: its role, name, description and whether it is checked.

#include <QRect>
#include <QString>
#include <functional>
#include <utility>

class QAccessibleEvent;
class QWidget;

namespace zen {
class Control;
}

namespace zen::qt {

// Installs the factory once; every renderer asks for it.
void installAccessibleFactory();

// Whether the model describes this widget (the factory gives it its interface).
bool describedByModel(const QWidget* w);
// Called once a view is whole. Qt 6.11 asks for a widget's interface while the widget is still being
// built, when a window is made while a reader listens: the factory then sees a plain QWidget, and Qt
// would keep a plain interface (a nameless filler) for the widget's life. Whatever interface Qt made
// before is dropped here, so the next question reaches the factory.
void forgetEarlyInterface(QWidget* w);

// A view a reader reads as text: a text box, the help page. Offsets count the UTF-16 units of
// readerText(); lines are separated by '\n'.
class ReaderText {
 public:
  virtual ~ReaderText() = default;
  virtual QString readerText() const = 0;
  virtual int readerCaret() const = 0;
  virtual void moveReaderCaret(int offset) = 0;
  // The selected range (start, end); empty when nothing is selected.
  virtual std::pair<int, int> readerSelection() const { return {0, 0}; }
  virtual void selectForReader(int /*start*/, int /*end*/) {}
  // Where a character is shown, in the widget's coordinates; empty when it is not on the screen.
  virtual QRect readerCharacterRect(int offset) const = 0;
  // The character at a point of the widget; -1 for none.
  virtual int readerOffsetAt(QPoint p) = 0;
  virtual bool readerMultiLine() const { return false; }
};

// What a reader was last told of a view the model describes.
struct ReaderSnapshot {
  bool valid = false;
  QString name;
  QString description;
  bool checked = false;
};

// Tells a listening reader what changed since it was last told: the name, the description, the
// checked state. A quiet control's name and description changes are told only while it has the
// focus.
void announceChanges(const Control& c, QWidget* w, ReaderSnapshot& told);

// The reader's caret moved to a line of a page read as text (the help).
void tellCaretMoved(QWidget* w, int offset);

// Tells a listening reader, a moment after the user's action and wherever the focus is in the
// window, what take() gives then. Qt 6.4's bridge sends no AT-SPI announcement, and with a changed
// name or description it sends the object, not the text, so Orca 43 says nothing of those; but
// Orca speaks a notification the moment it is shown. An action that follows before the moment has
// come puts the moment off, so fast typing is heard once, with its final value. Without a listening
// reader, take() runs at once and its text goes nowhere.
void announceLater(QWidget* window, const std::function<QString()>& take);
// How long an announcement waits: long enough for the reader to have begun what the action itself
// made it say (the option that took the focus, the key typed), short enough that the result is
// heard within a second of the key, the reader's own work included.
inline constexpr int kAnnouncementDelayMs = 350;

// The offscreen platform has no reader to listen, so Qt drops every event there: a test hears them
// here instead. An empty listener hands them back to Qt.
using ReaderListener = std::function<void(QAccessibleEvent&)>;
void setReaderListener(ReaderListener listener);

}  // namespace zen::qt
