// The W E V button, the homepage link and the Quit button's closing of the frame window.

#include <gtest/gtest.h>

#include <cstdint>
#include <ostream>
#include <vector>

#include "BrowserFixture.h"
#include "Settings.h"

namespace zen::test {
namespace {

const std::string kHome(kHomePageAddress);

TEST_F(BrowserTest, StartUpMakesNoEngineAndNoFrame) {
  EXPECT_EQ(platform.browsersCreated(), 0);
  EXPECT_EQ(frame(), nullptr);
  EXPECT_EQ(browser(), nullptr);
  EXPECT_EQ(app.auxWindowFlag(), kAuxClosed);
}

TEST_F(BrowserTest, WevOpensTheFrameAtItsRecordedPlaceWithTheBrowserInside) {
  setEntry(entry::kFrameTop, " 2000");
  setEntry(entry::kFrameLeft, " 3000");
  pressWev();

  ASSERT_NE(frame(), nullptr);
  EXPECT_TRUE(frame()->shown());
  EXPECT_EQ(frame()->top(), 2000);
  EXPECT_EQ(frame()->left(), 3000);
  EXPECT_EQ(frame()->outerWidth(), 17500);
  EXPECT_EQ(frame()->outerHeight(), 13000);
  EXPECT_EQ(frame()->caption(), "");
  EXPECT_EQ(frame()->icon(), ":/assets/frame-icon.svg");
  EXPECT_EQ(frame()->backColour(), kSystemWorkspace);

  BrowserWindow& b = openBrowser();
  EXPECT_TRUE(b.shown());
  EXPECT_EQ(b.parentFrame(), frame());
  EXPECT_EQ(frame()->browser(), &b);
  EXPECT_EQ(app.auxWindowFlag(), kAuxOpen);
  EXPECT_EQ(platform.browsersCreated(), 1);
  EXPECT_EQ(engine->calls, std::vector<std::string>{"navigate " + kHome});
  EXPECT_EQ(entryText(entry::kFrameTop), " 2000");
  EXPECT_EQ(entryText(entry::kFrameLeft), " 3000");
}

struct RangeCase {
  const char* top;
  const char* left;
  const char* topAfter;   // entry 34 after the check
  const char* leftAfter;  // entry 35 after the check
  int frameTop;
  int frameLeft;
};

void PrintTo(const RangeCase& c, std::ostream* os) { *os << "top \"" << c.top << "\" left \"" << c.left << "\""; }

class WevRangeTest : public BrowserTest, public ::testing::WithParamInterface<RangeCase> {};

TEST_P(WevRangeTest, OutOfRangeEntriesBecomeZeroBeforeThePlacing) {
  const RangeCase& c = GetParam();
  setEntry(entry::kFrameTop, c.top);
  setEntry(entry::kFrameLeft, c.left);
  pressWev();
  EXPECT_EQ(entryText(entry::kFrameTop), c.topAfter);
  EXPECT_EQ(entryText(entry::kFrameLeft), c.leftAfter);
  ASSERT_NE(frame(), nullptr);
  EXPECT_EQ(frame()->top(), c.frameTop);
  EXPECT_EQ(frame()->left(), c.frameLeft);
  EXPECT_EQ(app.auxWindowFlag(), kAuxOpen);
}

INSTANTIATE_TEST_SUITE_P(
    Bounds, WevRangeTest,
    ::testing::Values(
        RangeCase{"500", "2000", "0", "2000", 0, 2000},            // top below its range
        RangeCase{" 1500", "40000", " 1500", "0", 1500, 0},        // left above its range
        RangeCase{"", "", "0", "0", 0, 0},                         // never recorded
        RangeCase{" 1000", " 1000", " 1000", " 1000", 1000, 1000},  // lower bounds are inside
        RangeCase{" 7000", " 9000", " 7000", " 9000", 7000, 9000},  // upper bounds are inside
        RangeCase{"7001", "9001", "0", "0", 0, 0},
        RangeCase{"999", "999", "0", "0", 0, 0},
        RangeCase{"-2000", "-2000", "0", "0", 0, 0},
        RangeCase{"abc", "x1500", "0", "0", 0, 0},                 // no number reads as 0
        RangeCase{"2000px", " 3000 ", "2000px", " 3000 ", 2000, 3000}));  // kept as they were written

INSTANTIATE_TEST_SUITE_P(
    HalvesToEven, WevRangeTest,
    ::testing::Values(
        RangeCase{"999.5", "999.5", "999.5", "999.5", 1000, 1000},     // 1000 is even: inside
        RangeCase{"7000.5", "9000.5", "7000.5", "9000.5", 7000, 9000},  // down to the even 7000 / 9000
        RangeCase{"7001.5", "9001.5", "0", "0", 0, 0},                  // up to 7002 / 9002
        RangeCase{"999.4", "999.49", "0", "0", 0, 0},
        RangeCase{"6999.6", "8999.7", "6999.6", "8999.7", 7000, 9000}));

INSTANTIATE_TEST_SUITE_P(
    SixteenBitOverflow, WevRangeTest,
    ::testing::Values(RangeCase{"32767.5", "32768", "0", "0", 0, 0},   // rounds past the 16-bit range
                      RangeCase{"-32769", "-1E10", "0", "0", 0, 0},
                      RangeCase{"1E30", "1D300", "0", "0", 0, 0},
                      RangeCase{"1E999", "-1E999", "0", "0", 0, 0},  // beyond double: infinity
                      RangeCase{"&H7FFF", "&HFFFFFFFF", "0", "0", 0, 0}));

TEST_F(BrowserTest, WevTwiceOpensThenClosesAndHandsTheFocusBack) {
  pressWev();
  ASSERT_NE(browser(), nullptr);
  calculator().setFocus(calculator().ohmBox());
  pressWev();
  EXPECT_EQ(frame(), nullptr);
  EXPECT_EQ(browser(), nullptr);
  EXPECT_EQ(app.auxWindowFlag(), kAuxClosed);
  EXPECT_TRUE(focusInEntryBox());
  // A third press opens it again, from the start.
  pressWev();
  ASSERT_NE(browser(), nullptr);
  EXPECT_EQ(app.auxWindowFlag(), kAuxOpen);
  EXPECT_EQ(platform.browsersCreated(), 2);
  EXPECT_EQ(openBrowser().addressBox().items().size(), 3u);
}

// A window that stands for whichever auxiliary window another toggle has opened.
class OtherWindow : public Window {
 public:
  explicit OtherWindow(App& app) : Window(app, "OtherWindow") {}
};

TEST_F(BrowserTest, WevWhileAnotherWindowIsOpenOnlyResetsTheFlag) {
  OtherWindow& other = app.openWindow<OtherWindow>();
  other.show();
  app.setAuxWindowFlag(kAuxOpen);
  pressWev();
  EXPECT_EQ(app.auxWindowFlag(), kAuxClosed);
  EXPECT_EQ(frame(), nullptr);
  EXPECT_EQ(platform.browsersCreated(), 0);
  EXPECT_EQ(app.find<OtherWindow>(), &other);
  EXPECT_TRUE(other.shown());
  EXPECT_TRUE(focusInEntryBox());
  pressWev();
  EXPECT_NE(browser(), nullptr);
}

TEST_F(BrowserTest, LinkPlacesTheFrameUncheckedAndLeavesTheFlag) {
  setEntry(entry::kFrameTop, "500");
  setEntry(entry::kFrameLeft, "40000");
  clickLink();
  ASSERT_NE(frame(), nullptr);
  EXPECT_EQ(frame()->top(), 500);
  EXPECT_EQ(frame()->left(), 40000);
  EXPECT_EQ(frame()->outerWidth(), 15300);
  EXPECT_EQ(frame()->outerHeight(), 12600);
  EXPECT_EQ(entryText(entry::kFrameTop), "500");
  EXPECT_EQ(entryText(entry::kFrameLeft), "40000");
  EXPECT_EQ(app.auxWindowFlag(), kAuxClosed);
  ASSERT_NE(browser(), nullptr);
  EXPECT_TRUE(browser()->shown());
  EXPECT_EQ(engine->calls, std::vector<std::string>{"navigate " + kHome});
}

TEST_F(BrowserTest, LinkLeavesAnOpenFlagAsItIs) {
  app.setAuxWindowFlag(kAuxOpen);
  clickLink();
  EXPECT_EQ(app.auxWindowFlag(), kAuxOpen);
  EXPECT_NE(browser(), nullptr);
}

TEST_F(BrowserTest, LinkPlacesAtZeroWhatNoWindowCanTake) {
  setEntry(entry::kFrameTop, "1E30");
  setEntry(entry::kFrameLeft, "-1E999");
  clickLink();
  ASSERT_NE(frame(), nullptr);
  EXPECT_EQ(frame()->top(), 0);
  EXPECT_EQ(frame()->left(), 0);
}

TEST_F(BrowserTest, OpeningAgainWhileOpenReplacesTheFrameWithoutReloading) {
  setEntry(entry::kFrameTop, " 2000");
  setEntry(entry::kFrameLeft, " 3000");
  clickLink();
  BrowserFrame* first = frame();
  BrowserWindow* firstBrowser = browser();
  pressWev();  // the link left the flag at 11: this is the opening branch
  EXPECT_EQ(frame(), first);
  EXPECT_EQ(browser(), firstBrowser);
  EXPECT_EQ(frame()->outerWidth(), 17500);
  EXPECT_EQ(frame()->outerHeight(), 13000);
  EXPECT_EQ(platform.browsersCreated(), 1);
  EXPECT_EQ(engine->calls.size(), 1u);
  EXPECT_EQ(openBrowser().addressBox().items().size(), 3u);
  clickLink();
  EXPECT_EQ(frame()->outerWidth(), 15300);
  EXPECT_EQ(app.auxWindowFlag(), kAuxOpen);
}

TEST_F(BrowserTest, QuitClosesTheFrameAndKeepsItsLastRecordedPlace) {
  pressWev();
  frame()->userMoved(4000, 2500);
  frame()->positionTimer().tick();
  calculator().get<CommandButton>("quitButton").press();
  EXPECT_EQ(frame(), nullptr);
  EXPECT_EQ(browser(), nullptr);
  EXPECT_EQ(platform.endProgramCalls(), 1);
  SavedValues saved;
  LoadSettings(dir.path(), saved);
  EXPECT_EQ(saved.get(entry::kFrameTop), " 2500");
  EXPECT_EQ(saved.get(entry::kFrameLeft), " 4000");
}

TEST_F(BrowserTest, QuitWithoutAFrameClosesNothing) {
  calculator().get<CommandButton>("quitButton").press();
  EXPECT_EQ(platform.endProgramCalls(), 1);
  EXPECT_EQ(platform.browsersCreated(), 0);
}

}  // namespace
}  // namespace zen::test
