#pragma once
// One widget kind per control kind. Each copies its control's properties in apply() and forwards
// the user's actions to the model through the renderer.

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <QScrollBar>
#include <QWidget>

#include "Accessible.h"
#include "Control.h"
#include "Geometry.h"

namespace zen::qt {

class Renderer;

class ControlView {
 public:
  ControlView(Control& control, Renderer& renderer) : control_(control), renderer_(renderer) {}
  virtual ~ControlView() = default;
  virtual QWidget* widget() = 0;
  // Copies the model's properties onto the widget.
  virtual void apply(const Scale& scale);
  Control& control() const { return control_; }
  std::uint64_t syncedRevision = 0;

  // Set when the control's window has closed: the model may be gone, so nothing of it is read.
  bool detached() const { return detached_; }
  void detach() { detached_ = true; }

  // Whether a key or a screen reader can press the control as a click would, and the press.
  virtual bool pressable() const;
  virtual void press();
  // Puts the widget in or out of the Tab chain; options change with the colour chosen in their group.
  virtual void refreshTabStop() {}

 protected:
  Renderer& renderer() const { return renderer_; }
  void applyCommon(QWidget* w, const Scale& scale);

 private:
  Control& control_;
  Renderer& renderer_;
  bool detached_ = false;
  // What a screen reader was last told of a view the model describes.
  ReaderSnapshot told_;
};

// The dotted mark around a control that has the keyboard focus, seen on any band colour.
void drawFocusMark(QPainter& p, const QRect& r);

// Labels, picture boxes, frames and lines: drawn by us, so colours and fonts are exact.
class PaintedView : public QWidget, public ControlView {
 public:
  PaintedView(Control& control, Renderer& renderer, QWidget* parent);
  QWidget* widget() override { return this; }
  void apply(const Scale& scale) override;

 protected:
  void paintEvent(QPaintEvent*) override;
  void mousePressEvent(QMouseEvent*) override;
  void mouseReleaseEvent(QMouseEvent*) override;
  void mouseMoveEvent(QMouseEvent*) override;
  // A link with the focus: Enter or Space opens it.
  void keyPressEvent(QKeyEvent*) override;
  void focusInEvent(QFocusEvent*) override;
  void focusOutEvent(QFocusEvent*) override;

 private:
  void paintLabel(QPainter& p);
  void paintPicture(QPainter& p);
  void paintFrame(QPainter& p);
  void paintLine(QPainter& p);
  bool pressed_ = false;
};

// An option button inside its colour swatch: a round mark on the colour of its band.
class OptionView : public QWidget, public ControlView {
 public:
  OptionView(OptionButton& option, Renderer& renderer, QWidget* parent);
  QWidget* widget() override { return this; }
  void apply(const Scale& scale) override;
  bool pressable() const override { return true; }
  void press() override;
  void refreshTabStop() override;

 protected:
  void paintEvent(QPaintEvent*) override;
  void mousePressEvent(QMouseEvent*) override;
  void mouseReleaseEvent(QMouseEvent*) override;
  void mouseMoveEvent(QMouseEvent*) override;
  // The arrow keys move to the neighbouring option and choose it; Space chooses the focused one.
  void keyPressEvent(QKeyEvent*) override;
  void focusInEvent(QFocusEvent*) override;
  void focusOutEvent(QFocusEvent*) override;

 private:
  OptionButton& option_;
  bool pressed_ = false;
};

// A graphical command button: its background colour, its face picture and its caption.
class ButtonView : public QAbstractButton, public ControlView {
 public:
  ButtonView(CommandButton& button, Renderer& renderer, QWidget* parent);
  QWidget* widget() override { return this; }
  void apply(const Scale& scale) override;

 protected:
  void paintEvent(QPaintEvent*) override;

 private:
  CommandButton& button_;
};

// Qt's own line edit, read by a reader through our text interface (the text boxes, the address box).
class ReaderLineEdit : public QLineEdit, public ReaderText {
 public:
  explicit ReaderLineEdit(QWidget* parent) : QLineEdit(parent) {}
  QString readerText() const override { return text(); }
  int readerCaret() const override { return cursorPosition(); }
  void moveReaderCaret(int offset) override { setCursorPosition(offset); }
  std::pair<int, int> readerSelection() const override;
  void selectForReader(int start, int end) override;
  QRect readerCharacterRect(int offset) const override;
  int readerOffsetAt(QPoint p) override { return cursorPositionAt(p); }
};

class TextBoxView : public ReaderLineEdit, public ControlView {
 public:
  TextBoxView(TextBox& box, Renderer& renderer, QWidget* parent);
  QWidget* widget() override { return this; }
  void apply(const Scale& scale) override;
  // A box without an input method says so when the desktop's input method asks: input methods
  // such as Mozc ignore Qt::WA_InputMethodEnabled and every hint, but not this answer.
  QVariant inputMethodQuery(Qt::InputMethodQuery query) const override;

 protected:
  void mousePressEvent(QMouseEvent*) override;
  void mouseDoubleClickEvent(QMouseEvent*) override;
  // Tab into a value box puts the caret there without selecting its text: a reader hears the
  // value, not "selected" on the way in and "unselected" on the way out.
  void focusInEvent(QFocusEvent*) override;

 private:
  TextBox& box_;
  bool inputMethod_ = true;
};

class ScrollBarView : public QScrollBar, public ControlView {
 public:
  ScrollBarView(ScrollBar& bar, Renderer& renderer, QWidget* parent);
  QWidget* widget() override { return this; }
  void apply(const Scale& scale) override;

 private:
  ScrollBar& bar_;
};

class ComboBoxView : public QComboBox, public ControlView {
 public:
  ComboBoxView(ComboBox& box, Renderer& renderer, QWidget* parent);
  QWidget* widget() override { return this; }
  void apply(const Scale& scale) override;

 protected:
  void keyPressEvent(QKeyEvent*) override;

 private:
  ComboBox& box_;
  std::size_t itemsShown_ = 0;
  bool passingEnterOn_ = false;
};

}  // namespace zen::qt
