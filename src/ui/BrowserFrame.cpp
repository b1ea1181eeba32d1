#include "BrowserFrame.h"

#include "App.h"
#include "BrowserWindow.h"
#include "CalculatorWindow.h"

namespace zen {

void RecordFramePosition(const Window& frame) { frame.recordPosition(entry::kFrameTop, entry::kFrameLeft); }

BrowserFrame::BrowserFrame(App& app) : Window(app, "BrowserFrame") {
  setCaption("");
  // A reader names the frame, though its title bar shows no caption.
  setReaderName("Web ブラウザ");
  setIcon(":/assets/frame-icon.svg");
  setBackColour(kSystemWorkspace);
  setBorder(BorderStyle::Sizeable);
  // A frame window the user may also minimise and maximise; the browser inside follows its size.
  setTitleButtons(true, true);
  move(120, 555);
  setClientSize(6015, 3720);
  positionTimer_ = &addTimer("positionTimer", kFrameTimerMs);
  positionTimer_->onTick = [this] { positionTick(); };
  tiePositionRecorder(*positionTimer_, entry::kFrameTop, entry::kFrameLeft);
  // The position recorder runs from the moment the frame exists.
  positionTimer_->setEnabled(true);
}

void BrowserFrame::startUp() {}

void BrowserFrame::positionTick() { RecordFramePosition(*this); }

void BrowserFrame::closeBoxPressed() {
  if (BrowserWindow* b = browser()) {
    b->toolbarButtonPressed(kStopKey);
    return;
  }
  App& a = app();
  RecordFramePosition(*this);
  a.setAuxWindowFlag(kAuxClosed);
  unload();
  a.calculator().setFocus(a.calculator().entryBox());
}

void BrowserFrame::unload() {
  App& a = app();
  if (BrowserWindow* b = browser()) a.closeWindow(*b);
  a.closeWindow(*this);
}

BrowserWindow* BrowserFrame::browser() const {
  for (Window* w : app().windows()) {
    if (w->parentFrame() == this) {
      if (auto* b = dynamic_cast<BrowserWindow*>(w)) return b;
    }
  }
  return nullptr;
}

}  // namespace zen
