#include "MDIForm1.h"

#include "App.h"
#include "Form1.h"
#include "frmBrowser.h"

namespace zen {

void RecordFramePosition(const Window& frame) { frame.recordPosition(entry::kFrameTop, entry::kFrameLeft); }

MDIForm1::MDIForm1(App& app) : Window(app, "MDIForm1") {
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
  timer1_ = &addTimer("Timer1", kFrameTimerMs);
  timer1_->onTick = [this] { Timer1_Timer(); };
  tiePositionRecorder(*timer1_, entry::kFrameTop, entry::kFrameLeft);
  // The position recorder runs from the moment the frame exists.
  timer1_->setEnabled(true);
}

void MDIForm1::MDIForm_Load() {}

void MDIForm1::Timer1_Timer() { RecordFramePosition(*this); }

void MDIForm1::closeBoxPressed() {
  if (frmBrowser* b = browser()) {
    b->tbToolBar_ButtonClick(kStopKey);
    return;
  }
  App& a = app();
  RecordFramePosition(*this);
  a.setAuxWindowFlag(kAuxClosed);
  unload();
  a.form1().setFocus(a.form1().Text5());
}

void MDIForm1::unload() {
  App& a = app();
  if (frmBrowser* b = browser()) a.closeWindow(*b);
  a.closeWindow(*this);
}

frmBrowser* MDIForm1::browser() const {
  for (Window* w : app().windows()) {
    if (w->parentFrame() == this) {
      if (auto* b = dynamic_cast<frmBrowser*>(w)) return b;
    }
  }
  return nullptr;
}

}  // namespace zen
