#pragma once
// A window of the model: its controls (in creation order, which is also the drawing order),
// its timers, its position on the screen and the keyboard focus.

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <type_traits>
#include <unordered_map>
#include <vector>

#include "Control.h"
#include "Timer.h"

namespace zen {

class App;

enum class BorderStyle {
  FixedSingle,  // fixed size; minimise button and close box
  FixedDialog,  // fixed size; close box only
  Sizeable,
};

class Window {
 public:
  Window(App& app, std::string name);
  virtual ~Window();
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;

  App& app() const { return app_; }
  const std::string& name() const { return name_; }

  // The frame window whose client area holds this window; none for a top-level window.
  Window* parentFrame() const { return parentFrame_; }
  // The window this one belongs to, as a dialog belongs to its main window: the desktop keeps it
  // above its owner. None for a window that stands on its own.
  Window* owner() const { return owner_; }

  // Controls, in creation order; a container is always created before what it holds.
  const std::vector<std::unique_ptr<Control>>& controls() const { return controls_; }
  Control* find(std::string_view name) const;
  template <class T>
  T& get(std::string_view name) const {
    return dynamic_cast<T&>(*controlsByName_.at(std::string(name)));
  }

  const std::vector<std::unique_ptr<Timer>>& timers() const { return timers_; }

  // Window-level properties; revision() counts their changes.
  std::uint64_t revision() const { return revision_; }
  const std::string& caption() const { return caption_; }
  void setCaption(std::string c);
  // Outer position on the screen in twips, as the settings file keeps it.
  int left() const { return left_; }
  int top() const { return top_; }
  void move(int left, int top);
  // Outer size in twips for windows placed with a size (the browser's frame); 0 keeps the
  // client size.
  int outerWidth() const { return outerWidth_; }
  int outerHeight() const { return outerHeight_; }
  void setOuterSize(int width, int height);
  int clientWidth() const { return clientWidth_; }
  int clientHeight() const { return clientHeight_; }
  void setClientSize(int width, int height);
  Rgb backColour() const { return backColour_; }
  void setBackColour(Rgb c);
  BorderStyle border() const { return border_; }
  void setBorder(BorderStyle b);
  // The title bar's minimise and maximise buttons; the close box is always there.
  bool minButton() const { return minButton_; }
  bool maxButton() const { return maxButton_; }
  void setTitleButtons(bool minimise, bool maximise);
  const std::string& icon() const { return icon_; }
  void setIcon(std::string asset);
  Font font() const { return font_; }
  void setFont(Font f);

  // What a screen reader calls the window when that is not its caption (the chart's title bar says
  // "ZENTARIO"), what it tells of the window's content when the window opens, and whether it is a
  // dialog, whose content a reader reads out as the focus enters it. A dialog without a
  // description of its own is described by its labels, in order.
  const std::string& readerName() const { return readerName_.empty() ? caption_ : readerName_; }
  void setReaderName(std::string name);
  std::string readerDescription() const;
  void setReaderDescription(std::string description);
  bool dialog() const { return dialog_; }
  void setDialog(bool dialog);

  // What a screen reader is told of the user's last action. A later announcement replaces an
  // earlier one: handlers run nested, the outermost last, so the reader hears the final state once,
  // and actions that follow each other faster than the reader is told leave only the last.
  void announce(std::string text) { announcement_ = std::move(text); }
  virtual bool announcing() const { return !announcement_.empty(); }
  virtual std::string takeAnnouncement();

  bool shown() const { return shown_; }
  void show();
  void hide();
  // Writes the window's position into two settings entries, as the position timers do
  // (" 1800": a leading space for positions that are not negative). Where the platform cannot
  // tell where windows are, the position is unknown and nothing is written.
  void recordPosition(int topEntry, int leftEntry) const;
  // Whether the two entries already hold what recordPosition would write.
  bool positionRecorded(int topEntry, int leftEntry) const;

  // Asks the desktop to raise the window and make it active.
  void bringToFront();
  std::uint64_t raiseRequests() const { return raiseRequests_; }

  // Keyboard focus, as the model wants it. focusRevision() counts requests, so giving the focus
  // to the control that already has it still reaches the screen. A control that is hidden or
  // disabled cannot take it: the window's focus fallback takes it instead.
  Control* focus() const { return focus_; }
  void setFocus(Control& c);
  std::uint64_t focusRevision() const { return focusRevision_; }
  // Where the focus goes when the control asked for cannot take it (the calculator's entry box).
  Control* focusFallback() const { return focusFallback_; }
  void setFocusFallback(Control& c) { focusFallback_ = &c; }

  // The options of a group, in creation order.
  std::vector<OptionButton*> optionGroup(int group) const;
  // Where Tab lands in a group: its first option that is on, else its first option.
  OptionButton* tabStop(int group) const;
  // Whether Tab stops at the control: an option only when it is its group's tab stop.
  bool isTabStop(const Control& c) const;
  // An arrow key inside a group: the neighbouring option (step -1 or +1) takes the focus and is
  // pressed, as a click would press it. Nothing happens at either end of the group.
  void arrowKey(const OptionButton& from, int step);

  // From the Qt layer: the user moved or resized the window, or the focus moved. These record what
  // the screen already shows and ask for nothing.
  void userMoved(int left, int top);
  void userResized(int clientWidth, int clientHeight);
  void userFocused(Control* c) { focus_ = c; }
  // The user pressed the title bar's close box.
  virtual void closeBoxPressed();
  // Runs after the client size changed by the user.
  std::function<void()> onResize;
  // The pointer moved over the bare window background.
  std::function<void()> onMouseMove;

 protected:
  template <class T>
  T& add(std::string name, Control* container = nullptr) {
    static_assert(std::is_base_of_v<Control, T>);
    auto owned = std::make_unique<T>(name, container);
    owned->window_ = this;
    T& ref = *owned;
    controlsByName_.emplace(std::move(name), owned.get());
    controls_.push_back(std::move(owned));
    return ref;
  }
  Timer& addTimer(std::string name, int intervalMs);
  // A timer whose handler does nothing but recordPosition into these entries: its tick can only
  // change something after the window moved (or the entries changed), so it may sleep till then.
  void tiePositionRecorder(Timer& t, int topEntry, int leftEntry);
  void setParentFrame(Window* frame) { parentFrame_ = frame; }
  void setOwner(Window* owner) { owner_ = owner; }

 private:
  void touch() { ++revision_; }

  App& app_;
  std::string name_;
  Window* parentFrame_ = nullptr;
  Window* owner_ = nullptr;
  std::vector<std::unique_ptr<Control>> controls_;
  std::unordered_map<std::string, Control*> controlsByName_;
  std::vector<std::unique_ptr<Timer>> timers_;
  std::uint64_t revision_ = 1;
  std::string caption_;
  int left_ = 0;
  int top_ = 0;
  int outerWidth_ = 0;
  int outerHeight_ = 0;
  int clientWidth_ = 0;
  int clientHeight_ = 0;
  Rgb backColour_ = 0xFFC0C0;
  BorderStyle border_ = BorderStyle::FixedSingle;
  bool minButton_ = false;
  bool maxButton_ = false;
  std::string icon_;
  Font font_{};
  std::string readerName_;
  std::string readerDescription_;
  bool dialog_ = false;
  std::string announcement_;
  bool shown_ = false;
  std::uint64_t raiseRequests_ = 0;
  Control* focus_ = nullptr;
  Control* focusFallback_ = nullptr;
  std::uint64_t focusRevision_ = 0;
};

}  // namespace zen
