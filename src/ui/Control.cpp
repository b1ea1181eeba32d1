#include "Control.h"

#include "Numbers.h"

namespace zen {

Control::Control(ControlKind kind, std::string name, Control* container)
    : kind_(kind), name_(std::move(name)), container_(container) {}

void Control::setBounds(int left, int top, int width, int height) {
  setLeft(left);
  setTop(top);
  setWidth(width);
  setHeight(height);
}

Role Control::readerRole() const {
  if (role() != Role::FromKind) return role();
  switch (kind()) {
    case ControlKind::Label: return Role::Label;
    case ControlKind::TextBox: return Role::Text;
    case ControlKind::OptionButton: return Role::RadioButton;
    case ControlKind::Frame: return Role::Grouping;
    case ControlKind::CommandButton: return Role::Button;
    case ControlKind::ScrollBar: return Role::ScrollBar;
    case ControlKind::ComboBox: return Role::ComboBox;
    case ControlKind::Toolbar: return Role::ToolBar;
    case ControlKind::Browser: return Role::Panel;
    // A picture box is a painted area or a holder; one that shows something says so itself.
    case ControlKind::PictureBox:
    case ControlKind::Line: break;
  }
  return Role::None;
}

std::string Control::readerName() const {
  if (!colourNamePrefix().empty()) {
    const auto colour = colourOfDisplay(backColour());
    return colourNamePrefix() + " " + (colour ? std::string(nameText(*colour)) : std::string("不明"));
  }
  // A control without a role says nothing, whatever its caption shows.
  if (readerRole() == Role::None) return accessibleName();
  return accessibleName().empty() ? caption() : accessibleName();
}

std::string Control::readerDescription() const {
  // A page read as text (the help) is not described by its lines as well.
  if (!accessibleDescription().empty() || kind() != ControlKind::PictureBox || readerRole() == Role::Text) {
    return accessibleDescription();
  }
  std::string text;
  for (const auto& line : static_cast<const PictureBox&>(*this).printedLines()) {
    if (!text.empty()) text += '\n';
    text += line;
  }
  return text;
}

bool Control::usable() const {
  for (const Control* c = this; c; c = c->container()) {
    if (!c->visible() || !c->enabled()) return false;
  }
  return true;
}

void OptionButton::select() {
  if (value_) return;
  value_ = true;
  touch();
  if (onClick) onClick();
}

void OptionButton::clear() {
  if (!value_) return;
  value_ = false;
  touch();
}

void OptionButton::userClick() {
  if (!value_) {
    value_ = true;
    touch();
  }
  if (onClick) onClick();
}

void OptionButton::userPress() {
  if (onMouseDown) onMouseDown();
  userClick();
}

void TextBox::userEdit(std::string text) {
  if (readOnly()) return;
  if (maxLength() > 0 && CharacterCount(text) > static_cast<std::size_t>(maxLength())) {
    text = std::string(FirstCharacters(text, static_cast<std::size_t>(maxLength())));
  }
  setText(std::move(text));
}

void TextBox::setText(std::string text) {
  if (text == text_) return;
  text_ = std::move(text);
  touch();
  if (onChange) onChange();
}

void PictureBox::cls() {
  if (lines_.empty()) return;
  lines_.clear();
  touch();
}

void PictureBox::print(std::string line) {
  lines_.push_back(std::move(line));
  touch();
}

void Line::setEnds(int x1, int y1, int x2, int y2) {
  setX1(x1);
  setY1(y1);
  setX2(x2);
  setY2(y2);
}

void ScrollBar::setRange(int min, int max) {
  setMinimum(min);
  setMaximum(max < min ? min : max);
  if (value_ < minimum()) setValue(minimum());
  if (value_ > maximum()) setValue(maximum());
}

void ScrollBar::setValue(int v) {
  if (v < minimum()) v = minimum();
  if (v > maximum()) v = maximum();
  if (v == value_) return;
  value_ = v;
  touch();
  if (onChange) onChange();
}

void ComboBox::setText(std::string text) {
  if (text == text_) return;
  text_ = std::move(text);
  touch();
}

void ComboBox::addItem(std::string item) {
  items_.push_back(std::move(item));
  touch();
}

void ComboBox::userChoose(int i) {
  if (i < 0 || static_cast<std::size_t>(i) >= items_.size()) return;
  setText(items_[static_cast<std::size_t>(i)]);
  if (onClick) onClick();
}

}  // namespace zen
