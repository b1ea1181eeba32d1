#include "Window.h"

#include <algorithm>
#include <utility>

#include "App.h"
#include "Numbers.h"

namespace zen {

Window::Window(App& app, std::string name) : app_(app), name_(std::move(name)) {}

Window::~Window() = default;

Control* Window::find(std::string_view name) const {
  auto it = controlsByName_.find(std::string(name));
  return it == controlsByName_.end() ? nullptr : it->second;
}

Timer& Window::addTimer(std::string name, int intervalMs) {
  timers_.push_back(std::make_unique<Timer>(std::move(name), intervalMs));
  return *timers_.back();
}

void Window::tiePositionRecorder(Timer& t, int topEntry, int leftEntry) {
  t.setStaleWhen([this, topEntry, leftEntry] { return !positionRecorded(topEntry, leftEntry); });
}

void Window::setCaption(std::string c) {
  if (c == caption_) return;
  caption_ = std::move(c);
  touch();
}

void Window::move(int left, int top) {
  left_ = left;
  top_ = top;
  touch();
}

void Window::setOuterSize(int width, int height) {
  outerWidth_ = width;
  outerHeight_ = height;
  touch();
}

void Window::setClientSize(int width, int height) {
  clientWidth_ = width;
  clientHeight_ = height;
  touch();
}

void Window::setBackColour(Rgb c) {
  backColour_ = c;
  touch();
}

void Window::setBorder(BorderStyle b) {
  border_ = b;
  touch();
}

void Window::setTitleButtons(bool minimise, bool maximise) {
  minButton_ = minimise;
  maxButton_ = maximise;
  touch();
}

void Window::setIcon(std::string asset) {
  icon_ = std::move(asset);
  touch();
}

void Window::setFont(Font f) {
  font_ = std::move(f);
  touch();
}

void Window::setReaderName(std::string name) {
  readerName_ = std::move(name);
  touch();
}

void Window::setReaderDescription(std::string description) {
  readerDescription_ = std::move(description);
  touch();
}

std::string Window::readerDescription() const {
  if (!readerDescription_.empty() || !dialog_) return readerDescription_;
  std::string text;
  for (const auto& c : controls_) {
    if (c->kind() != ControlKind::Label || c->caption().empty() || !c->usable()) continue;
    if (!text.empty()) text += '\n';
    text += c->readerName();
  }
  return text;
}

void Window::setDialog(bool dialog) {
  dialog_ = dialog;
  touch();
}

std::string Window::takeAnnouncement() { return std::exchange(announcement_, std::string()); }

void Window::show() {
  if (shown_) return;
  shown_ = true;
  touch();
}

void Window::hide() {
  if (!shown_) return;
  shown_ = false;
  touch();
}

void Window::recordPosition(int topEntry, int leftEntry) const {
  if (!app_.platform().knowsWindowPositions()) return;
  app_.savedValues().set(topEntry, SignedNumberText(top_));
  app_.savedValues().set(leftEntry, SignedNumberText(left_));
}

bool Window::positionRecorded(int topEntry, int leftEntry) const {
  // An unknown position has nothing to record: the recorders may sleep.
  if (!app_.platform().knowsWindowPositions()) return true;
  const SavedValues& saved = app_.savedValues();
  return saved.get(topEntry) == SignedNumberText(top_) && saved.get(leftEntry) == SignedNumberText(left_);
}

void Window::bringToFront() {
  show();
  ++raiseRequests_;
  touch();
}

void Window::setFocus(Control& c) {
  focus_ = c.usable() || !focusFallback_ ? &c : focusFallback_;
  ++focusRevision_;
}

std::vector<OptionButton*> Window::optionGroup(int group) const {
  std::vector<OptionButton*> options;
  if (group == 0) return options;
  for (const auto& c : controls_) {
    if (c->kind() != ControlKind::OptionButton) continue;
    auto* option = static_cast<OptionButton*>(c.get());
    if (option->group() == group) options.push_back(option);
  }
  return options;
}

OptionButton* Window::tabStop(int group) const {
  const std::vector<OptionButton*> options = optionGroup(group);
  for (OptionButton* o : options) {
    if (o->value()) return o;
  }
  return options.empty() ? nullptr : options.front();
}

bool Window::isTabStop(const Control& c) const {
  if (c.tabIndex() < 0) return false;
  if (c.kind() != ControlKind::OptionButton) return true;
  const int group = static_cast<const OptionButton&>(c).group();
  return group == 0 || tabStop(group) == &c;
}

void Window::arrowKey(const OptionButton& from, int step) {
  const std::vector<OptionButton*> options = optionGroup(from.group());
  const auto it = std::find(options.begin(), options.end(), &from);
  if (it == options.end()) return;
  const auto at = (it - options.begin()) + step;
  if (at < 0 || at >= static_cast<std::ptrdiff_t>(options.size())) return;
  OptionButton& next = *options[static_cast<std::size_t>(at)];
  // The focus moves first: a handler that sends it elsewhere (the black first band's start-over
  // returns to the entry box) has the last word, as it has after a click.
  setFocus(next);
  next.userPress();
}

void Window::userMoved(int left, int top) {
  left_ = left;
  top_ = top;
}

void Window::userResized(int clientWidth, int clientHeight) {
  // From now on the window keeps the size the user gave it, not the one it was opened with.
  outerWidth_ = 0;
  outerHeight_ = 0;
  if (clientWidth == clientWidth_ && clientHeight == clientHeight_) return;
  clientWidth_ = clientWidth;
  clientHeight_ = clientHeight;
  if (onResize) onResize();
}

void Window::closeBoxPressed() { app_.closeWindow(*this); }

}  // namespace zen
