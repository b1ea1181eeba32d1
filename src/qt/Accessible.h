#pragma once
// What a screen reader gets from the views we paint ourselves. Qt's own widgets (text boxes,
// command buttons, scroll bars, the address box, the toolbar) describe themselves from the name
// the renderer gives them. The painted views (labels, pictures, frames, lines, options, the chart,
// the help page, the page area) and the windows have no Qt class of their own; one interface
// factory serves them, and the model says what each is: its role, name, description and whether
// it is checked.

#include <QString>
#include <functional>

class QAccessibleEvent;
class QWidget;

namespace zen {
class Control;
}

namespace zen::qt {

// Installs the factory once; every renderer asks for it.
void installAccessibleFactory();

// Whether the model describes this widget (it has no Qt class of its own).
bool describedByModel(const QWidget* w);

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

// The offscreen platform has no reader to listen, so Qt drops every event there: a test hears them
// here instead. An empty listener hands them back to Qt.
using ReaderListener = std::function<void(QAccessibleEvent&)>;
void setReaderListener(ReaderListener listener);

}  // namespace zen::qt
