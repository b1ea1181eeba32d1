#pragma once
// The toolkit-neutral window model: named controls with properties and event handlers. The Qt
// layer makes one widget per control by kind and copies the properties after every event; it
// calls the handlers when the user acts.

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "ColourTable.h"

namespace zen {

class Window;

enum class ControlKind {
  Label,
  TextBox,
  OptionButton,
  PictureBox,
  Frame,
  CommandButton,
  Line,
  ScrollBar,
  ComboBox,
  Toolbar,
  Browser,
};

enum class Align { Left, Right, Centre };

// What a control is to a screen reader. A control's kind gives its usual role; a control whose kind
// says too little (a picture box that shows a band's colour, a label that opens a page) sets its own.
enum class Role {
  FromKind,
  None,         // a painted piece or a holder of other controls that says nothing by itself
  Label,        // static text
  Graphic,      // a picture that shows something: a band's colour, the chart
  Link,
  Grouping,     // a frame around related controls
  RadioButton,
  Button,
  Text,         // a text box, editable or read-only
  ScrollBar,
  ComboBox,
  ToolBar,
  Panel,        // an area that holds a page of its own (the browser's page)
};

// The mouse pointer shown over a control.
enum class Pointer { Default, Arrow, NoDrop };

struct Font {
  std::string family = "ＭＳ Ｐゴシック";
  double sizePt = 9;
  bool bold = false;
  bool italic = false;
  bool operator==(const Font&) const = default;
};

// A property whose setter counts changes, so the renderer copies only what changed.
#define ZEN_PROPERTY(Type, name, setter)      \
 public:                                      \
  const Type& name() const { return name##_; } \
  void setter(Type v) {                       \
    if (!(name##_ == v)) {                    \
      name##_ = std::move(v);                 \
      touch();                                \
    }                                         \
  }                                           \
                                              \
 private:                                     \
  Type name##_

// Colours the model uses where a control follows the desktop's own colours.
inline constexpr Rgb kSystemWindowText = 0x000000;
inline constexpr Rgb kSystemWindowBackground = 0xFFFFFF;
inline constexpr Rgb kSystemButtonFace = 0xF0F0F0;
inline constexpr Rgb kSystemWorkspace = 0xABABAB;

class Control {
 public:
  Control(ControlKind kind, std::string name, Control* container);
  virtual ~Control() = default;
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;

  ControlKind kind() const { return kind_; }
  const std::string& name() const { return name_; }
  // The frame or picture box this control sits in; none for the window's client area.
  Control* container() const { return container_; }
  // The window the control belongs to.
  Window* window() const { return window_; }

  // Bumped by every change of a property; the renderer compares it with what it last copied.
  std::uint64_t revision() const { return revision_; }

  void setBounds(int left, int top, int width, int height);

  // Events the renderer forwards. Each is optional.
  std::function<void()> onClick;
  std::function<void()> onMouseDown;
  std::function<void()> onMouseMove;

  // Geometry in twips, relative to the container.
  ZEN_PROPERTY(int, left, setLeft) = 0;
  ZEN_PROPERTY(int, top, setTop) = 0;
  ZEN_PROPERTY(int, width, setWidth) = 0;
  ZEN_PROPERTY(int, height, setHeight) = 0;
  ZEN_PROPERTY(std::string, caption, setCaption);
  ZEN_PROPERTY(Rgb, backColour, setBackColour) = 0xFFC0C0;
  ZEN_PROPERTY(Rgb, foreColour, setForeColour) = 0xC00000;
  // A transparent control shows its container's background instead of its own.
  ZEN_PROPERTY(bool, transparent, setTransparent) = false;
  ZEN_PROPERTY(Font, font, setFont);
  ZEN_PROPERTY(Align, align, setAlign) = Align::Left;
  ZEN_PROPERTY(bool, visible, setVisible) = true;
  ZEN_PROPERTY(bool, enabled, setEnabled) = true;
  ZEN_PROPERTY(bool, border, setBorder) = false;
  // A picture drawn for this program, by asset name (":/assets/quit.svg"); empty for none.
  ZEN_PROPERTY(std::string, picture, setPicture);
  ZEN_PROPERTY(Pointer, pointer, setPointer) = Pointer::Default;
  ZEN_PROPERTY(std::string, toolTip, setToolTip);
  // What a screen reader says; the caption when empty.
  ZEN_PROPERTY(std::string, accessibleName, setAccessibleName);
  // What a reader says when asked for more: the rows of a chart. A page printed into a picture box
  // is described by its lines when this is empty, unless a reader reads it as text.
  ZEN_PROPERTY(std::string, accessibleDescription, setAccessibleDescription);
  ZEN_PROPERTY(Role, role, setRole) = Role::FromKind;
  // A picture named by the colour it is painted in: "1帯の色" names it "1帯の色 黄" while it shows
  // yellow, and the name follows every repaint.
  ZEN_PROPERTY(std::string, colourNamePrefix, setColourNamePrefix);
  // A reader hears of its changes only while it has the focus: the clock's seconds would drown out
  // everything else.
  ZEN_PROPERTY(bool, quiet, setQuiet) = false;
  // Position in the keyboard tab order; -1 takes no focus by tab.
  ZEN_PROPERTY(int, tabIndex, setTabIndex) = -1;

 public:
  // The role, name and description a reader gets.
  Role readerRole() const;
  std::string readerName() const;
  std::string readerDescription() const;
  // Whether the control and every container around it are visible and enabled.
  bool usable() const;

 protected:
  void touch() { ++revision_; }

 private:
  friend class Window;
  ControlKind kind_;
  std::string name_;
  Control* container_;
  Window* window_ = nullptr;
  std::uint64_t revision_ = 1;
};

class Label : public Control {
 public:
  Label(std::string name, Control* container) : Control(ControlKind::Label, std::move(name), container) {}
  ZEN_PROPERTY(bool, wordWrap, setWordWrap) = false;
  // An auto-sized label grows to its caption's width instead of cutting it.
  ZEN_PROPERTY(bool, autoSize, setAutoSize) = false;
};

class Frame : public Control {
 public:
  Frame(std::string name, Control* container) : Control(ControlKind::Frame, std::move(name), container) {}
};

class CommandButton : public Control {
 public:
  CommandButton(std::string name, Control* container)
      : Control(ControlKind::CommandButton, std::move(name), container) {}
  // The user pressed the button (mouse release over it, or its key).
  void press() {
    if (onClick) onClick();
  }
  // Enter presses the default button, Escape the cancel button of the window.
  ZEN_PROPERTY(bool, isDefault, setDefault) = false;
  ZEN_PROPERTY(bool, isCancel, setCancel) = false;
};

// An option button. Each sits alone in its own holder, so the options of a group are not
// exclusive by themselves: the click handlers clear the others of their group.
class OptionButton : public Control {
 public:
  OptionButton(std::string name, Control* container)
      : Control(ControlKind::OptionButton, std::move(name), container) {}

  bool value() const { return value_; }
  // Selecting from code sets the option on and, only when it was off, runs its click handling at
  // once, nested: the caller goes on when that has finished.
  void select();
  // Clearing sets it off and runs nothing.
  void clear();
  // A click by the user. Clicking an option that is already on runs its click handling again:
  // for the black first band that is the "start over" people use.
  void userClick();
  // The user chose the option without the mouse (a key, a screen reader's action): what a press and
  // release of the button do, the press handling first, so a keyboard user gets exactly what a
  // click gives.
  void userPress();

  // The options of one selector share a group number, in creation order; 0 stands alone.
  ZEN_PROPERTY(int, group, setGroup) = 0;

 private:
  bool value_ = false;
};

class TextBox : public Control {
 public:
  TextBox(std::string name, Control* container) : Control(ControlKind::TextBox, std::move(name), container) {}

  const std::string& text() const { return text_; }
  // A text that differs is stored and runs the change handler at once, nested. The program may
  // write any length; only what the user types is held to maxLength.
  void setText(std::string text);
  // The user typed, deleted or pasted: the box's text becomes this, cut to maxLength characters.
  void userEdit(std::string text);
  std::function<void()> onChange;

  ZEN_PROPERTY(int, maxLength, setMaxLength) = 0;  // characters; 0 for no limit
  ZEN_PROPERTY(bool, readOnly, setReadOnly) = false;
  // Whether the desktop's input method composes the box's text (kana to kanji, full-width digits).
  // Off, every key reaches the box as itself whatever mode the input method is in: a number is
  // converted key by key, never held back as an uncommitted composition.
  ZEN_PROPERTY(bool, inputMethod, setInputMethod) = true;

 private:
  std::string text_;
};

// A picture box: a painted area, a holder of other controls, or a page printed line by line.
class PictureBox : public Control {
 public:
  PictureBox(std::string name, Control* container)
      : Control(ControlKind::PictureBox, std::move(name), container) {}

  // Printed text, line by line from the top-left corner (the help page).
  const std::vector<std::string>& printedLines() const { return lines_; }
  void cls();
  void print(std::string line);

  // A page a reader reads as text (the help): all its lines, not only those printed now, and the
  // line the reader is on.
  ZEN_PROPERTY(std::vector<std::string>, readerLines, setReaderLines);
  ZEN_PROPERTY(int, readerLine, setReaderLine) = 0;

 private:
  std::vector<std::string> lines_;
};

class Line : public Control {
 public:
  Line(std::string name, Control* container) : Control(ControlKind::Line, std::move(name), container) {}
  void setEnds(int x1, int y1, int x2, int y2);
  ZEN_PROPERTY(int, x1, setX1) = 0;
  ZEN_PROPERTY(int, y1, setY1) = 0;
  ZEN_PROPERTY(int, x2, setX2) = 0;
  ZEN_PROPERTY(int, y2, setY2) = 0;
  ZEN_PROPERTY(int, lineWidth, setLineWidth) = 1;  // pixels
};

class ScrollBar : public Control {
 public:
  ScrollBar(std::string name, Control* container)
      : Control(ControlKind::ScrollBar, std::move(name), container) {}
  int value() const { return value_; }
  // Runs the change handler when the value changes; the value is kept within min and max.
  void setValue(int v);
  void setRange(int min, int max);
  std::function<void()> onChange;
  ZEN_PROPERTY(int, minimum, setMinimum) = 0;
  ZEN_PROPERTY(int, maximum, setMaximum) = 32767;
  ZEN_PROPERTY(int, smallChange, setSmallChange) = 1;
  ZEN_PROPERTY(int, largeChange, setLargeChange) = 1;

 private:
  int value_ = 0;
};

class ComboBox : public Control {
 public:
  ComboBox(std::string name, Control* container) : Control(ControlKind::ComboBox, std::move(name), container) {}
  const std::string& text() const { return text_; }
  // Sets the edit text without running any handler (the box has no change handler).
  void setText(std::string text);
  const std::vector<std::string>& items() const { return items_; }
  void addItem(std::string item);
  // The user picked list item i: the text becomes it, then the click handler runs.
  void userChoose(int i);
  // A key typed in the box, by character code; Enter is 13.
  std::function<void(int)> onKeyPress;

 private:
  std::string text_;
  std::vector<std::string> items_;
};

}  // namespace zen
