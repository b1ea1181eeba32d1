#include "ControlViews.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <algorithm>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QStyleOptionFocusRect>
#include <QStylePainter>
#include <qdrawutil.h>

#include "Renderer.h"
#include "Window.h"

namespace zen::qt {

namespace {

Qt::Alignment toQt(Align a) {
  switch (a) {
    case Align::Left: return Qt::AlignLeft;
    case Align::Right: return Qt::AlignRight;
    case Align::Centre: return Qt::AlignHCenter;
  }
  return Qt::AlignLeft;
}

QCursor toCursor(Pointer p) {
  switch (p) {
    case Pointer::NoDrop: return QCursor(Qt::ForbiddenCursor);
    case Pointer::Arrow:
    case Pointer::Default: break;
  }
  return QCursor(Qt::ArrowCursor);
}

QString q(const std::string& s) { return QString::fromStdString(s); }

// The sunken edge of picture boxes, swatches and bordered labels.
void drawSunkenEdge(QPainter& p, const QRect& r) {
  p.save();
  p.setPen(QColor(128, 128, 128));
  p.drawLine(r.topLeft(), r.topRight());
  p.drawLine(r.topLeft(), r.bottomLeft());
  p.setPen(QColor(255, 255, 255));
  p.drawLine(r.bottomLeft(), r.bottomRight());
  p.drawLine(r.topRight(), r.bottomRight());
  p.restore();
}

}  // namespace

void ControlView::applyCommon(QWidget* w, const Scale& scale) {
  const Control& c = control_;
  if (c.kind() == ControlKind::Line) {
    const auto& line = static_cast<const Line&>(c);
    const int margin = line.lineWidth() + 1;
    const QPoint a(scale.px(line.x1()), scale.px(line.y1()));
    const QPoint b(scale.px(line.x2()), scale.px(line.y2()));
    w->setGeometry(QRect(a, b).normalized().adjusted(-margin, -margin, margin, margin));
  } else {
    w->setGeometry(scale.rect(c.left(), c.top(), c.width(), c.height()));
  }
  w->setVisible(c.visible());
  w->setEnabled(c.enabled());
  w->setToolTip(q(c.toolTip()));
  if (describedByModel(w)) {
    announceChanges(c, w, told_);
  } else {
    // Qt's own widgets describe themselves from these; each setter tells a reader of the change.
    const QString name = q(c.readerName());
    if (w->accessibleName() != name) w->setAccessibleName(name);
    const QString description = q(c.readerDescription());
    if (w->accessibleDescription() != description) w->setAccessibleDescription(description);
  }
  w->setCursor(toCursor(c.pointer()));
}

void ControlView::apply(const Scale& scale) { applyCommon(widget(), scale); }

bool ControlView::pressable() const { return control_.readerRole() == Role::Link && control_.onClick; }

void ControlView::press() {
  if (detached_ || !pressable()) return;
  renderer_.dispatch(control_.onClick);
}

void drawFocusMark(QPainter& p, const QRect& r) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing, false);
  p.setBrush(Qt::NoBrush);
  const QRect box = r.adjusted(0, 0, -1, -1);
  // White under black dots: the mark shows on black bands and on white ones alike.
  p.setPen(QPen(Qt::white, 1));
  p.drawRect(box);
  p.setPen(QPen(Qt::black, 1, Qt::DotLine));
  p.drawRect(box);
  p.restore();
}

// ---------------------------------------------------------------------------------------------

PaintedView::PaintedView(Control& control, Renderer& renderer, QWidget* parent)
    : QWidget(parent), ControlView(control, renderer) {
  setObjectName(q(control.name()));
  setAttribute(Qt::WA_NoMousePropagation);
  setMouseTracking(true);
  if (control.kind() == ControlKind::Line) setAttribute(Qt::WA_TransparentForMouseEvents);
  // Only Tab reaches a painted control (the link): a click leaves the focus where it was.
  setFocusPolicy(control.tabIndex() >= 0 ? Qt::TabFocus : Qt::NoFocus);
}

void PaintedView::apply(const Scale& scale) {
  applyCommon(this, scale);
  // A label or picture with a background of its own covers every pixel, so a repaint of it (the
  // clock's time, every second) need not repaint the window and the neighbours beneath.
  const bool filled = (control().kind() == ControlKind::Label || control().kind() == ControlKind::PictureBox) &&
                      !control().transparent();
  setAttribute(Qt::WA_OpaquePaintEvent, filled);
  setFocusPolicy(control().tabIndex() >= 0 ? Qt::TabFocus : Qt::NoFocus);
  if (control().kind() == ControlKind::Label) {
    const auto& label = static_cast<const Label&>(control());
    if (label.autoSize()) {
      // Grows to its caption, but never past its container's edge.
      const QFontMetrics fm(toQFont(label.font()));
      const int needed = fm.horizontalAdvance(q(label.caption())) + 2;
      const int room = parentWidget() ? parentWidget()->width() - x() - 2 : needed;
      if (needed > width()) resize(std::max(width(), std::min(needed, room)), height());
    }
  }
  update();
}

void PaintedView::paintEvent(QPaintEvent*) {
  QPainter p(this);
  switch (control().kind()) {
    case ControlKind::Label: paintLabel(p); break;
    case ControlKind::PictureBox: paintPicture(p); break;
    case ControlKind::Frame: paintFrame(p); break;
    case ControlKind::Line: paintLine(p); break;
    default: break;
  }
  if (hasFocus()) drawFocusMark(p, rect());
}

void PaintedView::paintLabel(QPainter& p) {
  const auto& label = static_cast<const Label&>(control());
  QRect r = rect();
  if (!label.transparent()) p.fillRect(r, toQColor(label.backColour()));
  if (label.border()) {
    drawSunkenEdge(p, r.adjusted(0, 0, -1, -1));
    r = r.adjusted(2, 1, -2, -1);
  }
  p.setFont(toQFont(label.font()));
  p.setPen(toQColor(label.foreColour()));
  const QString text = q(label.caption());
  if (label.wordWrap()) {
    p.drawText(r, int(toQt(label.align()) | Qt::AlignTop | Qt::TextWordWrap), text);
    return;
  }
  // A text wider than its label is cut with an ellipsis instead of spilling over its neighbours.
  const int advance = text.isEmpty() ? 0 : p.fontMetrics().horizontalAdvance(text);
  if (label.autoSize() && advance > r.width() && r.width() > 0) {
    // A legend spaced for a narrower font is pressed to fit, so every item stays in view.
    p.scale(double(r.width()) / advance, 1.0);
    p.drawText(QRect(r.left(), r.top(), advance, r.height()), int(Qt::AlignLeft | Qt::AlignVCenter), text);
    return;
  }
  const QString shown = advance <= r.width() ? text : p.fontMetrics().elidedText(text, Qt::ElideRight, r.width());
  p.drawText(r, int(toQt(label.align()) | Qt::AlignVCenter), shown);
}

void PaintedView::paintPicture(QPainter& p) {
  const auto& picture = static_cast<const PictureBox&>(control());
  QRect r = rect();
  if (!picture.transparent()) p.fillRect(r, toQColor(picture.backColour()));
  if (!picture.picture().empty()) renderer().drawPicture(p, picture.picture(), QRectF(r));
  if (!picture.printedLines().empty()) {
    p.setFont(toQFont(picture.font()));
    p.setPen(toQColor(picture.foreColour()));
    const QFontMetrics fm = p.fontMetrics();
    int y = 0;
    p.setClipRect(r);
    for (const auto& line : picture.printedLines()) {
      p.drawText(QPoint(0, y + fm.ascent()), q(line));
      y += fm.height();
      if (y > r.height()) break;
    }
    p.setClipping(false);
  }
  if (picture.border()) drawSunkenEdge(p, r.adjusted(0, 0, -1, -1));
}

void PaintedView::paintFrame(QPainter& p) {
  const auto& frame = static_cast<const Frame&>(control());
  p.fillRect(rect(), toQColor(frame.backColour()));
  p.setFont(toQFont(frame.font()));
  const QFontMetrics fm = p.fontMetrics();
  const int top = fm.height() / 2;
  const QRect box = rect().adjusted(0, top, -2, -2);
  p.setPen(QColor(128, 128, 128));
  p.drawRect(box);
  p.setPen(QColor(255, 255, 255));
  p.drawRect(box.translated(1, 1));
  const QString caption = q(frame.caption());
  if (!caption.isEmpty()) {
    const QRect textRect(6, 0, fm.horizontalAdvance(caption) + 4, fm.height());
    p.fillRect(textRect, toQColor(frame.backColour()));
    p.setPen(toQColor(frame.foreColour()));
    p.drawText(textRect, Qt::AlignCenter, caption);
  }
}

void PaintedView::paintLine(QPainter& p) {
  const auto& line = static_cast<const Line&>(control());
  const Scale& s = renderer().scale();
  const QPoint origin = pos();
  QPen pen(toQColor(line.foreColour()));
  pen.setWidth(line.lineWidth());
  pen.setCapStyle(Qt::FlatCap);
  p.setPen(pen);
  p.drawLine(QPoint(s.px(line.x1()), s.px(line.y1())) - origin, QPoint(s.px(line.x2()), s.px(line.y2())) - origin);
}

void PaintedView::mousePressEvent(QMouseEvent* e) {
  e->accept();
  // Any button presses; only the left one clicks.
  if (e->button() == Qt::LeftButton) pressed_ = true;
  if (control().onMouseDown) renderer().dispatch(control().onMouseDown);
}

void PaintedView::mouseReleaseEvent(QMouseEvent* e) {
  e->accept();
  if (e->button() != Qt::LeftButton) return;
  const bool click = pressed_ && rect().contains(e->position().toPoint());
  pressed_ = false;
  if (click && control().onClick) renderer().dispatch(control().onClick);
}

void PaintedView::mouseMoveEvent(QMouseEvent* e) {
  e->accept();
  if (control().onMouseMove) renderer().dispatch(control().onMouseMove);
}

void PaintedView::keyPressEvent(QKeyEvent* e) {
  const int key = e->key();
  const bool plain = (e->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
  const bool opens = key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space;
  if (!plain || !opens || detached() || !pressable()) {
    QWidget::keyPressEvent(e);
    return;
  }
  e->accept();
  press();
}

void PaintedView::focusInEvent(QFocusEvent* e) {
  QWidget::focusInEvent(e);
  update();
}

void PaintedView::focusOutEvent(QFocusEvent* e) {
  QWidget::focusOutEvent(e);
  update();
}

// ---------------------------------------------------------------------------------------------

OptionView::OptionView(OptionButton& option, Renderer& renderer, QWidget* parent)
    : QWidget(parent), ControlView(option, renderer), option_(option) {
  setObjectName(q(option.name()));
  setAttribute(Qt::WA_NoMousePropagation);
  setMouseTracking(true);
  // In the Tab chain from the start, so the window can order it; refreshTabStop() then keeps only
  // the chosen option of each group there. A click never takes the focus from the entry box.
  setFocusPolicy(option.tabIndex() >= 0 ? Qt::TabFocus : Qt::NoFocus);
}

void OptionView::apply(const Scale& scale) {
  applyCommon(this, scale);
  update();
}

void OptionView::refreshTabStop() {
  const Window* w = option_.window();
  setFocusPolicy(w && w->isTabStop(option_) ? Qt::TabFocus : Qt::NoFocus);
}

void OptionView::press() {
  if (detached()) return;
  OptionButton& option = option_;
  renderer().dispatch([&option] { option.userPress(); });
}

void OptionView::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), toQColor(option_.backColour()));
  p.setRenderHint(QPainter::Antialiasing);
  const qreal d = std::min(width(), height()) * 0.76;
  const QRectF mark((width() - d) / 2.0, (height() - d) / 2.0, d, d);
  p.setPen(QPen(QColor(64, 64, 64), 1.0));
  p.setBrush(Qt::white);
  p.drawEllipse(mark);
  if (option_.value()) {
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    p.drawEllipse(mark.adjusted(d * 0.3, d * 0.3, -d * 0.3, -d * 0.3));
  }
  if (hasFocus()) drawFocusMark(p, rect());
}

void OptionView::mousePressEvent(QMouseEvent* e) {
  e->accept();
  // Any button presses (a right press on a multiplier empties the entry too); only the left one
  // clicks.
  if (e->button() == Qt::LeftButton) pressed_ = true;
  if (option_.onMouseDown) renderer().dispatch(option_.onMouseDown);
}

void OptionView::mouseReleaseEvent(QMouseEvent* e) {
  e->accept();
  if (e->button() != Qt::LeftButton) return;
  const bool click = pressed_ && rect().contains(e->position().toPoint());
  pressed_ = false;
  if (click) {
    OptionButton& option = option_;
    renderer().dispatch([&option] { option.userClick(); });
  }
}

void OptionView::mouseMoveEvent(QMouseEvent* e) {
  e->accept();
  if (option_.onMouseMove) renderer().dispatch(option_.onMouseMove);
}

void OptionView::keyPressEvent(QKeyEvent* e) {
  const bool plain = (e->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
  int step = 0;
  switch (e->key()) {
    case Qt::Key_Left:
    case Qt::Key_Up: step = -1; break;
    case Qt::Key_Right:
    case Qt::Key_Down: step = 1; break;
    case Qt::Key_Space: break;
    default: QWidget::keyPressEvent(e); return;
  }
  if (!plain || detached()) {
    QWidget::keyPressEvent(e);
    return;
  }
  e->accept();
  if (step == 0) {
    press();
    return;
  }
  Window* window = option_.window();
  if (!window) return;
  const OptionButton& option = option_;
  renderer().dispatch([window, &option, step] { window->arrowKey(option, step); });
}

void OptionView::focusInEvent(QFocusEvent* e) {
  QWidget::focusInEvent(e);
  update();
}

void OptionView::focusOutEvent(QFocusEvent* e) {
  QWidget::focusOutEvent(e);
  update();
}

// ---------------------------------------------------------------------------------------------

ButtonView::ButtonView(CommandButton& button, Renderer& renderer, QWidget* parent)
    : QAbstractButton(parent), ControlView(button, renderer), button_(button) {
  setObjectName(q(button.name()));
  setAttribute(Qt::WA_NoMousePropagation);
  setMouseTracking(true);
  connect(this, &QAbstractButton::clicked, this, [this] {
    // A key that reaches the button after its window closed finds no model behind it.
    if (detached()) return;
    CommandButton& b = button_;
    this->renderer().dispatch([&b] { b.press(); });
  });
}

void ButtonView::apply(const Scale& scale) {
  applyCommon(this, scale);
  setText(q(button_.caption()));
  setFocusPolicy(button_.tabIndex() >= 0 ? Qt::StrongFocus : Qt::ClickFocus);
  update();
}

void ButtonView::paintEvent(QPaintEvent*) {
  QPainter p(this);
  const QRect r = rect();
  const bool down = isDown();
  p.fillRect(r, toQColor(button_.backColour()));
  if (!button_.picture().empty()) {
    // The face picture keeps its own size, centred and cut by the button, so the face fills the
    // button the same way whatever the screen's scale.
    QRectF target = QRectF(r.adjusted(2, 2, -2, -2));
    p.save();
    p.setClipRect(target);
    const QSizeF natural = QSizeF(renderer().scale().px(72 * 15), renderer().scale().px(39 * 15));
    QSizeF size = natural;
    if (button_.picture().find("quit") != std::string::npos) {
      size = QSizeF(renderer().scale().px(62 * 15), renderer().scale().px(53 * 15));
    }
    QRectF pic(QPointF(target.center().x() - size.width() / 2, target.center().y() - size.height() / 2), size);
    if (down) pic.translate(1, 1);
    renderer().drawPicture(p, button_.picture(), pic);
    p.restore();
  }
  qDrawWinButton(&p, r, palette(), down);
  if (!button_.caption().empty()) {
    p.setFont(toQFont(button_.font()));
    p.setPen(isEnabled() ? toQColor(button_.foreColour()) : QColor(128, 128, 128));
    // An "&" marks the access key, shown underlined; Qt gives the button the Alt shortcut.
    p.drawText(r.translated(down ? 1 : 0, down ? 1 : 0), Qt::AlignCenter | Qt::TextShowMnemonic,
               q(button_.caption()));
  }
  if (hasFocus()) {
    QStyleOptionFocusRect opt;
    opt.initFrom(this);
    opt.rect = r.adjusted(4, 4, -4, -4);
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &opt, &p, this);
  }
}

// ---------------------------------------------------------------------------------------------

TextBoxView::TextBoxView(TextBox& box, Renderer& renderer, QWidget* parent)
    : ReaderLineEdit(parent), ControlView(box, renderer), box_(box) {
  setObjectName(q(box.name()));
  setAttribute(Qt::WA_NoMousePropagation);
  connect(this, &QLineEdit::textEdited, this, [this](const QString& t) {
    if (detached()) return;
    TextBox& b = box_;
    const std::string text = t.toStdString();
    this->renderer().dispatch([&b, text] { b.userEdit(text); });
  });
}

void TextBoxView::apply(const Scale& scale) {
  applyCommon(this, scale);
  QPalette pal = palette();
  pal.setColor(QPalette::Base, toQColor(box_.backColour()));
  pal.setColor(QPalette::Text, toQColor(box_.foreColour()));
  setPalette(pal);
  setFont(toQFont(box_.font()));
  setAlignment(toQt(box_.align()) | Qt::AlignVCenter);
  // Qt would cut a longer text the program writes; the cap is only for typing.
  const QString model = q(box_.text());
  setMaxLength(box_.maxLength() > 0 ? std::max<int>(box_.maxLength(), int(model.size())) : 32767);
  setReadOnly(box_.readOnly());
  if (inputMethod_ != box_.inputMethod()) {
    inputMethod_ = box_.inputMethod();
    // Tells an input method that holds the focus to ask again.
    setAttribute(Qt::WA_InputMethodEnabled, inputMethod_ && !box_.readOnly());
  }
  setFocusPolicy(box_.tabIndex() >= 0 ? Qt::StrongFocus : Qt::ClickFocus);
  if (text() != model) setText(model);
}

QVariant TextBoxView::inputMethodQuery(Qt::InputMethodQuery query) const {
  if (query == Qt::ImEnabled && !inputMethod_) return false;
  return QLineEdit::inputMethodQuery(query);
}

std::pair<int, int> ReaderLineEdit::readerSelection() const {
  if (!hasSelectedText()) return {cursorPosition(), cursorPosition()};
  return {selectionStart(), selectionEnd()};
}

void ReaderLineEdit::selectForReader(int start, int end) {
  if (start == end) {
    deselect();
    setCursorPosition(start);
  } else {
    setSelection(start, end - start);
  }
}

QRect ReaderLineEdit::readerCharacterRect(int offset) const {
  // The caret's place tells where the text starts, whatever the alignment and margins.
  const QString t = text();
  const QFontMetrics fm(font());
  const QRect caret = cursorRect();
  const int start = caret.center().x() - fm.horizontalAdvance(t.left(cursorPosition()));
  const int width = fm.horizontalAdvance(t.mid(offset, 1));
  return QRect(start + fm.horizontalAdvance(t.left(offset)), caret.top(), width, caret.height());
}

void TextBoxView::focusInEvent(QFocusEvent* e) {
  const bool byTab = e->reason() == Qt::TabFocusReason || e->reason() == Qt::BacktabFocusReason;
  if (!box_.readOnly() || !byTab) {
    QLineEdit::focusInEvent(e);
    return;
  }
  QFocusEvent plain(e->type(), Qt::OtherFocusReason);
  QLineEdit::focusInEvent(&plain);
}

void TextBoxView::mousePressEvent(QMouseEvent* e) {
  if (!detached() && box_.onMouseDown) renderer().dispatch(box_.onMouseDown);
  QLineEdit::mousePressEvent(e);
}

void TextBoxView::mouseDoubleClickEvent(QMouseEvent* e) {
  // The second press of a double-click comes here instead of to mousePressEvent; it is a press all
  // the same.
  if (!detached() && box_.onMouseDown) renderer().dispatch(box_.onMouseDown);
  QLineEdit::mouseDoubleClickEvent(e);
}

// ---------------------------------------------------------------------------------------------

ScrollBarView::ScrollBarView(ScrollBar& bar, Renderer& renderer, QWidget* parent)
    : QScrollBar(Qt::Vertical, parent), ControlView(bar, renderer), bar_(bar) {
  setObjectName(q(bar.name()));
  setAttribute(Qt::WA_NoMousePropagation);
  connect(this, &QScrollBar::valueChanged, this, [this](int v) {
    if (this->renderer().syncing() || detached()) return;
    ScrollBar& b = bar_;
    this->renderer().dispatch([&b, v] { b.setValue(v); });
  });
}

void ScrollBarView::apply(const Scale& scale) {
  applyCommon(this, scale);
  setRange(bar_.minimum(), bar_.maximum());
  setSingleStep(bar_.smallChange());
  setPageStep(bar_.largeChange());
  setValue(bar_.value());
}

// ---------------------------------------------------------------------------------------------

ComboBoxView::ComboBoxView(ComboBox& box, Renderer& renderer, QWidget* parent)
    : QComboBox(parent), ControlView(box, renderer), box_(box) {
  setObjectName(q(box.name()));
  setAttribute(Qt::WA_NoMousePropagation);
  setEditable(true);
  setLineEdit(new ReaderLineEdit(this));
  setInsertPolicy(QComboBox::NoInsert);
  connect(this, &QComboBox::activated, this, [this](int i) {
    if (this->renderer().syncing() || detached() || passingEnterOn_) return;
    ComboBox& b = box_;
    this->renderer().dispatch([&b, i] { b.userChoose(i); });
  });
  connect(lineEdit(), &QLineEdit::textEdited, this, [this](const QString& t) {
    if (detached()) return;
    ComboBox& b = box_;
    const std::string text = t.toStdString();
    this->renderer().dispatch([&b, text] { b.setText(text); });
  });
}

void ComboBoxView::apply(const Scale& scale) {
  applyCommon(this, scale);
  // The keyboard lands in the box's own line edit: a reader names it as the box.
  if (lineEdit()->accessibleName() != accessibleName()) lineEdit()->setAccessibleName(accessibleName());
  setFont(toQFont(box_.font()));
  const auto& items = box_.items();
  if (items.size() != itemsShown_ || count() != int(items.size())) {
    clear();
    for (const auto& item : items) addItem(q(item));
    itemsShown_ = items.size();
  }
  const QString model = q(box_.text());
  if (currentText() != model) setEditText(model);
}

void ComboBoxView::keyPressEvent(QKeyEvent* e) {
  const int key = e->key();
  if (!detached() && (key == Qt::Key_Return || key == Qt::Key_Enter) && box_.onKeyPress) {
    ComboBox& b = box_;
    const std::string text = currentText().toStdString();
    renderer().dispatch([&b, text] {
      b.setText(text);
      b.onKeyPress(13);
    });
    // The key goes on to the box as well. The box takes Enter on a text that is one of its items
    // as choosing that item; the key press has already navigated there, so that is not reported.
    passingEnterOn_ = true;
    QComboBox::keyPressEvent(e);
    passingEnterOn_ = false;
    return;
  }
  QComboBox::keyPressEvent(e);
}

}  // namespace zen::qt
