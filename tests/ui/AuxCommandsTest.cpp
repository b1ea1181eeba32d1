// The HELP, 色帯表 and 情  報 buttons and the one flag they share, and the way each auxiliary window
// closes again.

#include <functional>

#include "AboutBox.h"
#include "AuxFixture.h"
#include "BrowserFrame.h"
#include "ChartWindow.h"
#include "HelpWindow.h"
#include "SavedValues.h"

namespace zen::test {
namespace {

class AuxCommandsTest : public AuxTest {
 protected:
  void SetUp() override {
    AuxTest::SetUp();
    writeHelp({"help", "//"});
  }
  void chart() { press("chartButton"); }
  void help() { press("helpButton"); }
  void about() { press("aboutButton"); }
  bool flagIs(std::int16_t f) const { return app.auxWindowFlag() == f; }
};

TEST_F(AuxCommandsTest, ChartTwiceOpensBelowTheCalculatorThenCloses) {
  ASSERT_TRUE(flagIs(kAuxClosed));
  chart();
  ChartWindow* c = app.find<ChartWindow>();
  ASSERT_NE(c, nullptr);
  EXPECT_TRUE(c->shown());
  EXPECT_EQ(c->top(), 1600);
  EXPECT_EQ(c->left(), 1000);
  EXPECT_TRUE(c->positionTimer().enabled());
  EXPECT_TRUE(flagIs(kAuxOpen));

  chart();
  EXPECT_EQ(app.find<ChartWindow>(), nullptr);
  EXPECT_TRUE(flagIs(kAuxClosed));
  EXPECT_TRUE(focusOnEntry());
}

TEST_F(AuxCommandsTest, HelpOpensAt380Down50RightAndClosesOnTheNextPress) {
  help();
  HelpWindow* h = app.find<HelpWindow>();
  ASSERT_NE(h, nullptr);
  EXPECT_TRUE(h->shown());
  EXPECT_EQ(h->top(), 1580);
  EXPECT_EQ(h->left(), 950);
  EXPECT_TRUE(h->positionTimer().enabled());
  EXPECT_TRUE(flagIs(kAuxOpen));

  help();
  EXPECT_EQ(app.find<HelpWindow>(), nullptr);
  EXPECT_TRUE(flagIs(kAuxClosed));
  EXPECT_TRUE(focusOnEntry());
}

TEST_F(AuxCommandsTest, AboutOpensAt450Down120RightWithItsDescription) {
  about();
  AboutBox* a = app.find<AboutBox>();
  ASSERT_NE(a, nullptr);
  EXPECT_TRUE(a->shown());
  EXPECT_EQ(a->top(), 1650);
  EXPECT_EQ(a->left(), 1020);
  EXPECT_EQ(a->description().caption(),
            "色帯抵抗は色帯で値を表示し初心者には値が解りません色をマウスでクリック数字で値を表示します数字入力で色帯表示です");
  EXPECT_TRUE(flagIs(kAuxOpen));

  about();
  EXPECT_EQ(app.find<AboutBox>(), nullptr);
  EXPECT_TRUE(flagIs(kAuxClosed));
  EXPECT_TRUE(focusOnEntry());
}

TEST_F(AuxCommandsTest, ChartThenHelpClosesTheChartOnlyAndTheNextHelpOpens) {
  chart();
  help();
  EXPECT_EQ(app.find<ChartWindow>(), nullptr);
  EXPECT_EQ(app.find<HelpWindow>(), nullptr);
  EXPECT_TRUE(flagIs(kAuxClosed));
  EXPECT_TRUE(focusOnEntry());

  help();
  EXPECT_NE(app.find<HelpWindow>(), nullptr);
  EXPECT_TRUE(flagIs(kAuxOpen));
}

TEST_F(AuxCommandsTest, HelpThenChartClosesTheHelpOnlyAndTheNextChartOpens) {
  help();
  chart();
  EXPECT_EQ(app.find<HelpWindow>(), nullptr);
  EXPECT_EQ(app.find<ChartWindow>(), nullptr);
  EXPECT_TRUE(flagIs(kAuxClosed));

  chart();
  EXPECT_NE(app.find<ChartWindow>(), nullptr);
  EXPECT_TRUE(flagIs(kAuxOpen));
}

TEST_F(AuxCommandsTest, AboutWhileAnotherWindowIsOpenOnlyClosesIt) {
  for (const char* opener : {"chartButton", "helpButton"}) {
    press(opener);
    about();
    EXPECT_EQ(app.find<ChartWindow>(), nullptr);
    EXPECT_EQ(app.find<HelpWindow>(), nullptr);
    EXPECT_EQ(app.find<AboutBox>(), nullptr);
    EXPECT_TRUE(flagIs(kAuxClosed));

    about();
    EXPECT_NE(app.find<AboutBox>(), nullptr);
    EXPECT_TRUE(flagIs(kAuxOpen));
    about();
    ASSERT_TRUE(flagIs(kAuxClosed));
  }
}

// HELP and 色帯表 do not close the about box: their first press only resets the flag, the second
// opens their window beside it.
TEST_F(AuxCommandsTest, HelpAndChartLeaveTheAboutBoxOpen) {
  for (const char* button : {"helpButton", "chartButton"}) {
    about();
    press(button);
    EXPECT_NE(app.find<AboutBox>(), nullptr) << button;
    EXPECT_TRUE(flagIs(kAuxClosed)) << button;
    EXPECT_EQ(openCount<ChartWindow>() + openCount<HelpWindow>(), 0) << button;

    press(button);
    EXPECT_NE(app.find<AboutBox>(), nullptr) << button;
    EXPECT_EQ(openCount<ChartWindow>() + openCount<HelpWindow>(), 1) << button;
    EXPECT_TRUE(flagIs(kAuxOpen)) << button;

    about();  // closes all three and, finding the flag at 22, opens nothing
    ASSERT_EQ(app.windows().size(), 1u) << button;
    ASSERT_TRUE(flagIs(kAuxClosed));
  }
}

// Another toggle (the browser's) may reset the flag while the chart or the help stays open: the
// next press then places and raises that window instead of opening a second one.
TEST_F(AuxCommandsTest, AWindowStillOpenIsReusedNotDoubled) {
  chart();
  ChartWindow* first = app.find<ChartWindow>();
  first->userMoved(3000, 4000);
  app.setAuxWindowFlag(kAuxClosed);
  const auto raises = first->raiseRequests();
  chart();
  EXPECT_EQ(openCount<ChartWindow>(), 1);
  EXPECT_EQ(app.find<ChartWindow>(), first);
  EXPECT_EQ(first->top(), 1600);
  EXPECT_EQ(first->left(), 1000);
  EXPECT_GT(first->raiseRequests(), raises);
  EXPECT_TRUE(flagIs(kAuxOpen));

  chart();  // closes it
  help();
  HelpWindow* helpWindow = app.find<HelpWindow>();
  app.setAuxWindowFlag(kAuxClosed);
  help();
  EXPECT_EQ(openCount<HelpWindow>(), 1);
  EXPECT_EQ(app.find<HelpWindow>(), helpWindow);
  EXPECT_TRUE(flagIs(kAuxOpen));
}

TEST_F(AuxCommandsTest, PlacementFollowsTheRecordedPositionWhateverItHolds) {
  struct Case {
    const char* top;
    const char* left;
    int chartTop, chartLeft;
  };
  const Case cases[] = {
      {" 1800", " 2400", 2200, 2500},
      {"60", "60", 460, 160},
      {"", "abc", 400, 100},          // not a number counts as 0
      {"1e300", "-1e300", 10000400, -9999900},  // absurd entries stay within the screen's int range
  };
  for (const auto& c : cases) {
    app.savedValues().set(entry::kMainTop, c.top);
    app.savedValues().set(entry::kMainLeft, c.left);
    chart();
    ChartWindow* w = app.find<ChartWindow>();
    ASSERT_NE(w, nullptr) << c.top;
    EXPECT_EQ(w->top(), c.chartTop) << c.top;
    EXPECT_EQ(w->left(), c.chartLeft) << c.left;
    chart();
  }
}

// Each window's own close button and its title bar's close box end the same way.
TEST_F(AuxCommandsTest, CloseButtonsAndCloseBoxesResetTheFlagAndFocusTheEntry) {
  struct Case {
    const char* opener;
    std::function<Window*(App&)> find;
    const char* closeButton;
  };
  const Case cases[] = {
      {"chartButton", [](App& a) -> Window* { return a.find<ChartWindow>(); }, "closeButton"},
      {"helpButton", [](App& a) -> Window* { return a.find<HelpWindow>(); }, "closeButton"},
      {"aboutButton", [](App& a) -> Window* { return a.find<AboutBox>(); }, "okButton"},
  };
  for (const auto& c : cases) {
    for (const bool closeBox : {false, true}) {
      press(c.opener);
      Window* w = c.find(app);
      ASSERT_NE(w, nullptr) << c.opener;
      if (closeBox) {
        w->closeBoxPressed();
      } else {
        w->get<CommandButton>(c.closeButton).press();
      }
      EXPECT_EQ(c.find(app), nullptr) << c.opener << (closeBox ? " close box" : " button");
      EXPECT_TRUE(flagIs(kAuxClosed)) << c.opener;
      EXPECT_TRUE(focusOnEntry()) << c.opener;
      // The next press opens the window again at once.
      press(c.opener);
      EXPECT_NE(c.find(app), nullptr) << c.opener;
      press(c.opener);
    }
  }
  EXPECT_EQ(platform.endProgramCalls(), 0);
}

// With the calculator closed by its own close box, the last auxiliary window's close ends the run.
TEST_F(AuxCommandsTest, ClosingTheLastWindowEndsTheProgram) {
  chart();
  calculator().closeBoxPressed();
  EXPECT_EQ(platform.endProgramCalls(), 0);
  app.find<ChartWindow>()->get<CommandButton>("closeButton").press();
  EXPECT_EQ(platform.endProgramCalls(), 1);
}

TEST_F(AuxCommandsTest, PositionTimersRecordWhereTheUserMovedTheWindow) {
  struct Case {
    const char* opener;
    std::function<Window*(App&)> find;
    int topEntry, leftEntry;
  };
  const Case cases[] = {
      {"chartButton", [](App& a) -> Window* { return a.find<ChartWindow>(); }, entry::kChartTop, entry::kChartLeft},
      {"helpButton", [](App& a) -> Window* { return a.find<HelpWindow>(); }, entry::kHelpTop, entry::kHelpLeft},
  };
  for (const auto& c : cases) {
    press(c.opener);
    Window* w = c.find(app);
    ASSERT_EQ(w->timers().size(), 1u);
    Timer& timer = *w->timers().front();
    EXPECT_EQ(timer.interval(), 500);
    EXPECT_EQ(app.savedValues().get(c.topEntry), "");
    w->userMoved(2345, 1234);
    timer.tick();
    EXPECT_EQ(app.savedValues().get(c.topEntry), " 1234");
    EXPECT_EQ(app.savedValues().get(c.leftEntry), " 2345");
    w->userMoved(-30, 0);
    timer.tick();
    EXPECT_EQ(app.savedValues().get(c.topEntry), " 0");
    EXPECT_EQ(app.savedValues().get(c.leftEntry), "-30");
    press(c.opener);
    EXPECT_FALSE(timer.enabled());
  }
}

// The screen layer lets a recorder sleep while it is not due, so the rule must hold: a tick that
// is not due writes nothing, and a move or a changed entry makes it due again.
TEST_F(AuxCommandsTest, PositionRecordersAreDueOnlyWhileTheirRecordIsOutOfDate) {
  struct Case {
    const char* opener;  // none: the calculator's own recorder, running since start-up
    std::function<Timer*(App&)> recorder;
    std::function<Window*(App&)> window;
    int topEntry;
  };
  const Case cases[] = {
      {nullptr, [](App& a) { return &a.calculator().positionTimer(); },
       [](App& a) -> Window* { return &a.calculator(); }, entry::kMainTop},
      {"chartButton", [](App& a) { return &a.find<ChartWindow>()->positionTimer(); },
       [](App& a) -> Window* { return a.find<ChartWindow>(); }, entry::kChartTop},
      {"helpButton", [](App& a) { return &a.find<HelpWindow>()->positionTimer(); },
       [](App& a) -> Window* { return a.find<HelpWindow>(); }, entry::kHelpTop},
      {"webButton", [](App& a) { return &a.find<BrowserFrame>()->positionTimer(); },
       [](App& a) -> Window* { return a.find<BrowserFrame>(); }, entry::kFrameTop},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.opener ? c.opener : "positionTimer");
    if (c.opener) press(c.opener);
    Timer& timer = *c.recorder(app);
    Window& w = *c.window(app);
    EXPECT_TRUE(timer.due()) << "the first tick after it is switched on always records";
    timer.tick();
    EXPECT_FALSE(timer.due());
    const SavedValues recorded = app.savedValues();
    timer.tick();
    EXPECT_EQ(app.savedValues(), recorded);

    w.userMoved(w.left() + 15, w.top());
    EXPECT_TRUE(timer.due());
    timer.tick();
    EXPECT_FALSE(timer.due());
    w.move(w.left(), w.top() - 15);
    EXPECT_TRUE(timer.due());
    timer.tick();
    app.savedValues().set(c.topEntry, "60");
    EXPECT_TRUE(timer.due()) << "an entry written elsewhere is recorded again";
    if (c.opener) {
      press(c.opener);
      EXPECT_FALSE(timer.due());
      app.collectClosed();
    }
  }
}

TEST_F(AuxCommandsTest, AboutBoxOkIsDefaultAndCancelAndHasTheFocus) {
  about();
  AboutBox& a = *app.find<AboutBox>();
  auto& ok = a.get<CommandButton>("okButton");
  EXPECT_TRUE(ok.isDefault());
  EXPECT_TRUE(ok.isCancel());
  EXPECT_EQ(a.focus(), &ok);
  EXPECT_FALSE(a.get<CommandButton>("systemInfoButton").isDefault());
  EXPECT_EQ(a.caption(), "ﾊﾞｰｼﾞｮﾝ情報");
  EXPECT_EQ(a.border(), BorderStyle::FixedDialog);
}

TEST_F(AuxCommandsTest, SystemInformationLeavesTheAboutBoxOpen) {
  FakeRegistry registry;
  registry.set("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO", "PATH", {std::string("tool\0", 5), RegistryValueType::String});
  platform.setRegistry(&registry);
  about();
  app.find<AboutBox>()->get<CommandButton>("systemInfoButton").press();
  ASSERT_EQ(platform.startedPrograms().size(), 1u);
  EXPECT_EQ(platform.startedPrograms()[0].program, "tool");
  EXPECT_NE(app.find<AboutBox>(), nullptr);
  EXPECT_TRUE(flagIs(kAuxOpen));
}

TEST_F(AuxCommandsTest, LinkColourFollowsThePointer) {
  Label& link = calculator().homepageLink();
  EXPECT_EQ(link.foreColour(), 0xFFFFC0u);  // until the pointer first crosses the background
  link.onMouseMove();
  EXPECT_EQ(link.foreColour(), 0xC0FFFFu);
  calculator().onMouseMove();
  EXPECT_EQ(link.foreColour(), 0xFF8080u);
}

}  // namespace
}  // namespace zen::test
