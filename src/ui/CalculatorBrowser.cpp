// The W E V button and the homepage link, which open the browser in its frame window.

#include <cmath>
#include <cstdint>
#include <limits>

#include "App.h"
#include "BrowserFrame.h"
#include "BrowserWindow.h"
#include "CalculatorWindow.h"
#include "Numbers.h"

namespace zen {

namespace {

// The frame's size as each opener places it, in twips.
constexpr int kWevFrameWidth = 17500;
constexpr int kWevFrameHeight = 13000;
constexpr int kLinkFrameWidth = 15300;
constexpr int kLinkFrameHeight = 12600;

// The ranges W E V accepts for a recorded frame position.
constexpr double kFrameTopLow = 1000;
constexpr double kFrameTopHigh = 7000;
constexpr double kFrameLeftLow = 1000;
constexpr double kFrameLeftHigh = 9000;

// W E V keeps a recorded coordinate only when, rounded to a whole number (halves to the even
// neighbour), it lies within its range and fits a 16-bit integer; anything else becomes "0".
void checkFrameEntry(SavedValues& values, int n, double low, double high) {
  const double rounded = RoundHalfEven(LeadingNumber(values.get(n)));
  const bool fits16 = rounded >= std::numeric_limits<std::int16_t>::min() &&
                      rounded <= std::numeric_limits<std::int16_t>::max();
  if (!fits16 || rounded < low || rounded > high) values.set(n, "0");
}

// A recorded coordinate as a window position. The link uses the entries unchecked, so a number no
// window can be placed at (beyond the integer range, or not a number) places it at 0.
int frameCoordinate(const std::string& text) {
  const double v = RoundHalfEven(LeadingNumber(text));
  if (!(v >= std::numeric_limits<int>::min() && v <= std::numeric_limits<int>::max())) return 0;
  return static_cast<int>(v);
}

// Places the frame (opening it when it is not open) and opens the browser inside it. A browser
// that is already open is only shown again, without loading its page anew.
void openBrowserInFrame(App& app, int width, int height) {
  const SavedValues& values = app.savedValues();
  BrowserFrame* frame = app.find<BrowserFrame>();
  if (!frame) {
    frame = &app.openWindow<BrowserFrame>();
    frame->startUp();
  }
  frame->move(frameCoordinate(values.get(entry::kFrameLeft)), frameCoordinate(values.get(entry::kFrameTop)));
  frame->setOuterSize(width, height);
  frame->bringToFront();
  if (BrowserWindow* browser = frame->browser()) {
    browser->show();
    return;
  }
  app.openWindow<BrowserWindow>(*frame).startUp();
}

}  // namespace

void CalculatorWindow::webPressed() {
  App& a = app();
  if (a.auxWindowFlag() == kAuxClosed) {
    checkFrameEntry(a.savedValues(), entry::kFrameTop, kFrameTopLow, kFrameTopHigh);
    checkFrameEntry(a.savedValues(), entry::kFrameLeft, kFrameLeftLow, kFrameLeftHigh);
    a.setAuxWindowFlag(kAuxOpen);
    openBrowserInFrame(a, kWevFrameWidth, kWevFrameHeight);
  } else {
    a.setAuxWindowFlag(kAuxClosed);
    closeFrameWindow();
    setFocus(entryBox());
  }
}

void CalculatorWindow::homepageLinkClicked() { openBrowserInFrame(app(), kLinkFrameWidth, kLinkFrameHeight); }

void CalculatorWindow::closeFrameWindow() {
  if (BrowserFrame* frame = app().find<BrowserFrame>()) frame->unload();
}

}  // namespace zen
