// The windows under a real window manager (openbox on a private X server): where the manager's
// frame of each window stands, the browser frame's whole size, what a drag by the title bar
// records, and what the manager's close request does.

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "AboutBox.h"
#include "App.h"
#include "BrowserFrame.h"
#include "CalculatorWindow.h"
#include "ChartWindow.h"
#include "Desktop.h"
#include "HelpWindow.h"
#include "Numbers.h"
#include "QtTestSupport.h"
#include "Renderer.h"
#include "SavedValues.h"
#include "Settings.h"
#include "Views.h"

namespace zen::test {
namespace {

// Everything here waits on another process (the manager) or on the X server; a wait ends as soon
// as the thing happens, so only a failure waits this long.
constexpr int kTimeoutMs = 20000;

// What the settings file holds when each test starts: the calculator at 1500, 3000 twips (100, 200
// pixels), the browser frame at 1200, 1800 (80, 120).
constexpr int kMainTop = 1500;
constexpr int kMainLeft = 3000;
constexpr int kFrameTop = 1200;
constexpr int kFrameLeft = 1800;

class WindowManagerTest : public OnScreenTest {
 protected:
  void SetUp() override {
    SavedValues values;
    values.set(entry::kMainTop, SignedNumberText(kMainTop));
    values.set(entry::kMainLeft, SignedNumberText(kMainLeft));
    values.set(entry::kFrameTop, SignedNumberText(kFrameTop));
    values.set(entry::kFrameLeft, SignedNumberText(kFrameLeft));
    ASSERT_TRUE(SaveSettings(folder.path(), values).ok);
    settingsAtStart = folder.read(kSettingsFileName);
    OnScreenTest::SetUp();
  }
  void registerViews(qt::Renderer& r, RecordingQtPlatform& p) override {
    qt::registerViews(r, p);
    p.browserFactory = [] { return nullptr; };  // the frame's size and place need no page
  }

  int px(int twips) const { return renderer->scale().px(twips); }
  // The window's view once the manager has framed it with a title bar.
  QWidget* framed(const Window& w) {
    QWidget* v = view(w);
    if (!v) return nullptr;
    const bool ok = waitUntil([&] { return v->isVisible() && managerFrame(*v).height() > v->height(); }, kTimeoutMs);
    return ok ? v : nullptr;
  }
  // Presses a command button of the calculator.
  void press(const char* button) { clickOn(widgetOf(calculator(), button)); }

  std::string settingsAtStart;
};

// The manager's frame of every window stands where the window's recorded place says (its top-left
// corner is the place); the browser frame's size is its whole size, title bar and borders included.
TEST_F(WindowManagerTest, EachWindowsFrameStandsAtItsPlace) {
  struct Case {
    const char* opener;  // the calculator's button that opens it; none for the calculator itself
    std::function<Window*()> window;
    int top, left;  // twips
    QSize outer;    // pixels; empty where the window is sized by its inside
  };
  const Case cases[] = {
      {nullptr, [&] { return &calculator(); }, kMainTop, kMainLeft, {}},
      {"chartButton", [&] { return app->find<ChartWindow>(); }, kMainTop + 400, kMainLeft + 100, {}},
      {"helpButton", [&] { return app->find<HelpWindow>(); }, kMainTop + 380, kMainLeft + 50, {}},
      {"aboutButton", [&] { return app->find<AboutBox>(); }, kMainTop + 450, kMainLeft + 120, {}},
      {"webButton", [&] { return app->find<BrowserFrame>(); }, kFrameTop, kFrameLeft, QSize(px(17500), px(13000))},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.opener ? c.opener : "CalculatorWindow");
    if (c.opener) press(c.opener);
    Window* w = c.window();
    ASSERT_NE(w, nullptr);
    QWidget* v = framed(*w);
    ASSERT_NE(v, nullptr);
    const QPoint place(px(c.left), px(c.top));
    waitUntil([&] { return managerFrame(*v).topLeft() == place && (c.outer.isEmpty() || managerFrame(*v).size() == c.outer); },
              kTimeoutMs);
    EXPECT_EQ(managerFrame(*v).topLeft(), place);
    if (!c.outer.isEmpty()) {
      EXPECT_EQ(managerFrame(*v).size(), c.outer);
    }
    if (c.opener) press(c.opener);  // the same toggle closes it again
  }
}

// After the user drags a window by its title bar, its recorded place is where the manager's frame
// now stands.
TEST_F(WindowManagerTest, ADragByTheTitleBarIsRecorded) {
  struct Case {
    const char* opener;
    std::function<Window*()> window;
    int topEntry, leftEntry;
  };
  const Case cases[] = {
      {nullptr, [&] { return &calculator(); }, entry::kMainTop, entry::kMainLeft},
      {"webButton", [&] { return app->find<BrowserFrame>(); }, entry::kFrameTop, entry::kFrameLeft},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.opener ? c.opener : "CalculatorWindow");
    if (c.opener) press(c.opener);
    QWidget* v = framed(*c.window());
    ASSERT_NE(v, nullptr);
    const QRect before = managerFrame(*v);
    const QPoint titleBar = titleBarMiddle(*v);
    // A drag the manager missed leaves the window where it was; it is tried again then.
    for (int attempt = 0; attempt < 3 && managerFrame(*v) == before; ++attempt) {
      dragOnScreen(titleBar, QPoint(60, 40));
      waitUntil([&] { return managerFrame(*v) != before; }, 2000);
    }
    const QRect after = managerFrame(*v);
    ASSERT_NE(after, before) << "the window did not move";
    const std::string top = SignedNumberText(after.top() * 15);
    const std::string left = SignedNumberText(after.left() * 15);
    const SavedValues& values = app->savedValues();
    waitUntil([&] { return values.get(c.topEntry) == top && values.get(c.leftEntry) == left; }, kTimeoutMs);
    EXPECT_EQ(values.get(c.topEntry), top);
    EXPECT_EQ(values.get(c.leftEntry), left);
  }
}

// The manager's close request (what its close box sends) closes each auxiliary window and frees the
// toggle buttons; on the calculator it ends the program without writing the settings.
TEST_F(WindowManagerTest, TheManagersCloseRequestClosesLikeTheCloseBox) {
  struct Case {
    const char* opener;
    std::function<Window*()> window;
  };
  const Case cases[] = {
      {"chartButton", [&] { return app->find<ChartWindow>(); }},
      {"helpButton", [&] { return app->find<HelpWindow>(); }},
      {"aboutButton", [&] { return app->find<AboutBox>(); }},
      {"webButton", [&] { return app->find<BrowserFrame>(); }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.opener);
    press(c.opener);
    QWidget* v = framed(*c.window());
    ASSERT_NE(v, nullptr);
    closeThroughManager(*v);
    EXPECT_TRUE(waitUntil([&] { return c.window() == nullptr; }, kTimeoutMs));
    EXPECT_EQ(app->auxWindowFlag(), kAuxClosed);
  }
  QWidget* calculatorView = framed(calculator());
  ASSERT_NE(calculatorView, nullptr);
  closeThroughManager(*calculatorView);
  EXPECT_TRUE(waitUntil([&] { return platform->ends == 1; }, kTimeoutMs));
  EXPECT_FALSE(calculator().shown());
  EXPECT_EQ(folder.read(kSettingsFileName), settingsAtStart);
}

}  // namespace
}  // namespace zen::test
