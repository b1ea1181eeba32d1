// The browser window and its frame: loading, layout, address box, toolbar, timers, closing.

#include <gtest/gtest.h>

#include <ostream>
#include <stdexcept>
#include <string>
#include <vector>

#include "BrowserFixture.h"

namespace zen::test {
namespace {

const std::string kHome(kHomePageAddress);

class OpenBrowserTest : public BrowserTest {
 protected:
  void SetUp() override {
    BrowserTest::SetUp();
    pressWev();
    engine->calls.clear();
  }
  BrowserWindow& b() { return openBrowser(); }
};

TEST_F(OpenBrowserTest, LoadShowsTheStartingAddressAndLoadsIt) {
  EXPECT_TRUE(b().shown());
  EXPECT_EQ(b().StartingAddress, kHome);
  EXPECT_EQ(b().addressBox().text(), kHome);
  EXPECT_EQ(b().addressBox().items(),
            (std::vector<std::string>{std::string(kColourCodePageAddress), std::string(kPartsListPageAddress), kHome}));
  EXPECT_TRUE(b().loadingTimer().enabled());
  EXPECT_EQ(b().loadingTimer().interval(), 500);
  // The address box moves under its label: 60 + 255 + 15.
  EXPECT_EQ(b().addressBox().left(), 50);
  EXPECT_EQ(b().addressBox().top(), 330);
  EXPECT_EQ(b().addressBox().width(), 6540 - 100);
}

TEST_F(OpenBrowserTest, ToolbarHasItsSixButtonsInOrder) {
  const std::vector<ToolbarButton> expected = {
      {"Back", "戻る", ":/assets/tb-back.svg"},       {"Forward", "進む", ":/assets/tb-forward.svg"},
      {"Stop", "中止", ":/assets/tb-stop.svg"},       {"Refresh", "更新", ":/assets/tb-refresh.svg"},
      {"Home", "ﾎｰﾑ", ":/assets/tb-home.svg"},        {"Search", "検索", ":/assets/tb-search.svg"},
  };
  EXPECT_EQ(b().toolbar().buttons(), expected);
  EXPECT_EQ(b().addressLabel().caption(), "ｱﾄﾞﾚｽ(&A):");
}

struct SizeCase {
  int width;
  int height;
  int boxWidth;
  int pageWidth;
  int pageHeight;
};

void PrintTo(const SizeCase& c, std::ostream* os) { *os << c.width << "x" << c.height; }

class ResizeTest : public OpenBrowserTest, public ::testing::WithParamInterface<SizeCase> {};

TEST_P(ResizeTest, AddressBoxAndPageFollowTheWindow) {
  const SizeCase& c = GetParam();
  b().userResized(c.width, c.height);
  EXPECT_EQ(b().addressBox().width(), c.boxWidth);
  EXPECT_EQ(b().page().width(), c.pageWidth);
  EXPECT_EQ(b().page().height(), c.pageHeight);
  EXPECT_EQ(b().page().left(), 0);
  EXPECT_EQ(b().page().top(), 1200);
  EXPECT_EQ(b().toolbar().width(), std::max(0, c.width));
  EXPECT_EQ(b().addressStrip().width(), std::max(0, c.width));
}

INSTANTIATE_TEST_SUITE_P(Sizes, ResizeTest,
                         ::testing::Values(SizeCase{6540, 5130, 6440, 6440, 3815},  // design size
                                           SizeCase{7540, 5130, 7440, 7440, 3815},  // 1000 wider
                                           SizeCase{12000, 9000, 11900, 11900, 7685},
                                           SizeCase{100, 1315, 0, 0, 0},   // just the margins
                                           SizeCase{60, 1000, 0, 0, 0},    // smaller than its margins
                                           SizeCase{0, 0, 0, 0, 0}));      // minimised

TEST_F(OpenBrowserTest, WideningBy1000TwipsWidensBoxAndPageBy1000Each) {
  b().userResized(9000, 7000);
  const int box = b().addressBox().width();
  const int page = b().page().width();
  b().userResized(10000, 7000);
  EXPECT_EQ(b().addressBox().width(), box + 1000);
  EXPECT_EQ(b().page().width(), page + 1000);
  // The margins stay: 50 right of the box, 100 right of the page.
  EXPECT_EQ(10000 - (b().addressBox().left() + b().addressBox().width()), 50);
  EXPECT_EQ(10000 - (b().page().left() + b().page().width()), 100);
}

TEST_F(OpenBrowserTest, ChoosingAListItemNavigatesToIt) {
  b().loadingTimer().setEnabled(false);
  b().addressBox().userChoose(1);
  EXPECT_EQ(b().addressBox().text(), std::string(kPartsListPageAddress));
  EXPECT_EQ(engine->calls, std::vector<std::string>{"navigate " + std::string(kPartsListPageAddress)});
  EXPECT_TRUE(b().loadingTimer().enabled());
}

TEST_F(OpenBrowserTest, EnterInTheAddressBoxNavigatesToTheTypedText) {
  b().loadingTimer().setEnabled(false);
  b().addressBox().setText("qrc:/web/search.html");
  b().addressBox().onKeyPress('a');
  EXPECT_TRUE(engine->calls.empty());
  EXPECT_FALSE(b().loadingTimer().enabled());
  b().addressBox().onKeyPress(13);
  EXPECT_EQ(engine->calls, std::vector<std::string>{"navigate qrc:/web/search.html"});
  EXPECT_TRUE(b().loadingTimer().enabled());
}

struct TypedCase {
  const char* typed;
  const char* navigated;  // what the engine is asked to load; none
  const char* handedOn;   // what the user's web browser gets; none
  const char* status;
};

TEST_F(OpenBrowserTest, OnlyBundledPagesLoadWebAddressesGoToTheWebBrowserTheRestNowhere) {
  engine->locationName = "ZENTARIO ホームページ";
  const TypedCase cases[] = {
      {"", nullptr, nullptr, ""},
      {" qrc:/web/parts.html ", "navigate qrc:/web/parts.html", nullptr, ""},
      {"example.com", nullptr, "https://example.com", "Web ブラウザで開きました: https://example.com"},
      {"file:///etc/hostname", nullptr, nullptr, "このアドレスは表示できません: file:///etc/hostname"},
  };
  for (const TypedCase& c : cases) {
    SCOPED_TRACE(c.typed);
    engine->calls.clear();
    b().loadingTimer().setEnabled(false);
    const std::size_t handedOn = platform.webAddresses().size();
    b().addressBox().setText(c.typed);
    b().addressBox().onKeyPress(13);
    EXPECT_EQ(engine->calls, c.navigated ? std::vector<std::string>{c.navigated} : std::vector<std::string>{});
    EXPECT_EQ(b().loadingTimer().enabled(), c.navigated != nullptr);
    const std::vector<std::string>& opened = platform.webAddresses();
    EXPECT_EQ(opened.size() > handedOn ? opened.back() : "", c.handedOn ? c.handedOn : "");
    EXPECT_EQ(b().statusLabel().caption(), c.status);
    // Where nothing loads, the box names the page still shown again.
    EXPECT_EQ(b().addressBox().text(), c.navigated || !*c.typed ? c.typed : "ZENTARIO ホームページ");
  }
}

TEST_F(OpenBrowserTest, AnAddressThePageAskedForGoesTheSameWay) {
  engine->locationName = "検索";
  engine->live->onNavigationBlocked("https://duckduckgo.com/?q=抵抗");
  EXPECT_EQ(platform.webAddresses(), std::vector<std::string>{"https://duckduckgo.com/?q=抵抗"});
  EXPECT_EQ(b().statusLabel().caption(), "Web ブラウザで開きました: https://duckduckgo.com/?q=抵抗");
  EXPECT_EQ(b().addressBox().text(), "検索");
  // Without a web browser on the machine it says so, and nothing else happens.
  platform.setWebBrowser(false);
  engine->live->onNavigationBlocked("http://127.0.0.1/");
  EXPECT_EQ(b().statusLabel().caption(), "Web ブラウザが見つからないため開けません: http://127.0.0.1/");
  // A long address is cut in the status line, never inside a character.
  std::string name;
  for (int i = 0; i < 100; ++i) name += "抵";
  engine->live->onNavigationBlocked("file:///" + name);
  EXPECT_EQ(b().statusLabel().caption(), "このアドレスは表示できません: file:///" + name.substr(0, 72 * 3) + "…");
  EXPECT_TRUE(engine->calls.empty());
  // The frame closed while the web browser starts: the hand-off ends normally.
  platform.setWebBrowser(true, [this] { frame()->closeBoxPressed(); });
  engine->live->onNavigationBlocked("https://example.com/");
  EXPECT_EQ(frame(), nullptr);
  EXPECT_EQ(platform.webAddresses().size(), 3u);
  app.collectClosed();
}

struct ToolCase {
  const char* key;
  const char* call;
};

void PrintTo(const ToolCase& c, std::ostream* os) { *os << c.key; }

class ToolbarTest : public OpenBrowserTest, public ::testing::WithParamInterface<ToolCase> {};

TEST_P(ToolbarTest, EachButtonRecordsTheFramePlaceStartsTheTimerAndAsksTheEngine) {
  frame()->userMoved(3300, 1800);
  b().loadingTimer().setEnabled(false);
  clickTool(GetParam().key);
  EXPECT_EQ(entryText(entry::kFrameTop), " 1800");
  EXPECT_EQ(entryText(entry::kFrameLeft), " 3300");
  EXPECT_TRUE(b().loadingTimer().enabled());
  EXPECT_EQ(engine->calls, std::vector<std::string>{GetParam().call});
  EXPECT_NE(frame(), nullptr);
  EXPECT_EQ(app.auxWindowFlag(), kAuxOpen);
}

INSTANTIATE_TEST_SUITE_P(Keys, ToolbarTest,
                         ::testing::Values(ToolCase{"Back", "back"}, ToolCase{"Forward", "forward"},
                                           ToolCase{"Refresh", "refresh"}, ToolCase{"Home", "home"},
                                           ToolCase{"Search", "search"}));

TEST_F(OpenBrowserTest, AKeyNotInTheTableOnlyRecordsAndStartsTheTimer) {
  frame()->userMoved(3300, 1800);
  b().loadingTimer().setEnabled(false);
  b().toolbarButtonPressed("Print");
  EXPECT_EQ(entryText(entry::kFrameTop), " 1800");
  EXPECT_TRUE(b().loadingTimer().enabled());
  EXPECT_TRUE(engine->calls.empty());
  // A click the bar has no button for never reaches the handler.
  b().loadingTimer().setEnabled(false);
  b().toolbar().userClick("Print");
  EXPECT_FALSE(b().loadingTimer().enabled());
}

TEST_F(OpenBrowserTest, StopClosesEverythingRecordsThePlaceAndReturnsToTheCalculator) {
  frame()->userMoved(4100, 2600);
  const auto raises = calculator().raiseRequests();
  calculator().setFocus(calculator().ohmBox());
  clickTool("Stop");
  EXPECT_EQ(engine->calls, std::vector<std::string>{"stop"});
  EXPECT_EQ(frame(), nullptr);
  EXPECT_EQ(browser(), nullptr);
  EXPECT_EQ(app.auxWindowFlag(), kAuxClosed);
  EXPECT_EQ(entryText(entry::kFrameTop), " 2600");
  EXPECT_EQ(entryText(entry::kFrameLeft), " 4100");
  EXPECT_GT(calculator().raiseRequests(), raises);
  EXPECT_TRUE(calculator().shown());
  EXPECT_TRUE(focusInEntryBox());
  EXPECT_EQ(platform.endProgramCalls(), 0);

  // The frame comes back where it was moved to, within W E V's ranges.
  pressWev();
  ASSERT_NE(frame(), nullptr);
  EXPECT_EQ(frame()->top(), 2600);
  EXPECT_EQ(frame()->left(), 4100);
}

TEST_F(OpenBrowserTest, TheEngineGoesWithItsWindow) {
  BrowserWindow* w = browser();
  clickTool("Stop");
  EXPECT_FALSE(w->loadingTimer().enabled());  // closed, not yet freed
  app.collectClosed();
  EXPECT_EQ(engine->live, nullptr);
}

TEST_F(OpenBrowserTest, FrameTimerRecordsThePlaceEveryTick) {
  EXPECT_TRUE(frame()->positionTimer().enabled());
  EXPECT_EQ(frame()->positionTimer().interval(), 500);
  frame()->userMoved(5000, 1234);
  frame()->positionTimer().tick();
  EXPECT_EQ(entryText(entry::kFrameTop), " 1234");
  EXPECT_EQ(entryText(entry::kFrameLeft), " 5000");
  frame()->userMoved(-300, -20);
  frame()->positionTimer().tick();
  EXPECT_EQ(entryText(entry::kFrameTop), "-20");
  EXPECT_EQ(entryText(entry::kFrameLeft), "-300");
}

TEST_F(OpenBrowserTest, FrameCloseBoxActsLikeStop) {
  frame()->userMoved(2222, 1111);
  calculator().setFocus(calculator().ohmBox());
  frame()->closeBoxPressed();
  EXPECT_EQ(frame(), nullptr);
  EXPECT_EQ(browser(), nullptr);
  EXPECT_EQ(app.auxWindowFlag(), kAuxClosed);
  EXPECT_EQ(entryText(entry::kFrameTop), " 1111");
  EXPECT_EQ(entryText(entry::kFrameLeft), " 2222");
  EXPECT_TRUE(focusInEntryBox());
  // The next W E V opens again instead of only resetting the flag.
  pressWev();
  EXPECT_NE(browser(), nullptr);
}

TEST_F(OpenBrowserTest, BrowserCloseBoxClosesTheFrameToo) {
  b().closeBoxPressed();
  EXPECT_EQ(frame(), nullptr);
  EXPECT_EQ(browser(), nullptr);
  EXPECT_EQ(app.auxWindowFlag(), kAuxClosed);
}

TEST_F(OpenBrowserTest, TimerShowsConnectingWhileBusyThenThePageName) {
  engine->busy = true;
  b().loadingTimer().tick();
  EXPECT_EQ(b().caption(), "接続中...");
  EXPECT_TRUE(b().loadingTimer().enabled());
  EXPECT_EQ(b().addressBox().text(), kHome);

  engine->busy = false;
  engine->locationName = "ZENTARIO ホームページ";
  b().loadingTimer().tick();
  EXPECT_FALSE(b().loadingTimer().enabled());
  EXPECT_EQ(b().caption(), "ZENTARIO ホームページ");
  EXPECT_EQ(b().addressBox().text(), "ZENTARIO ホームページ");
}

TEST_F(OpenBrowserTest, DownloadCompleteSetsTheCaptionOnly) {
  engine->locationName = "カラーコード表";
  ASSERT_NE(engine->live, nullptr);
  engine->live->onDownloadComplete();
  EXPECT_EQ(b().caption(), "カラーコード表");
  EXPECT_EQ(b().addressBox().text(), kHome);
  EXPECT_TRUE(b().loadingTimer().enabled());
}

TEST_F(BrowserTest, WithoutAnEngineTheBrowserStillOpensAndCloses) {
  platform.setBrowserFactory(nullptr);
  pressWev();
  BrowserWindow& b = openBrowser();
  EXPECT_EQ(b.page().engine(), nullptr);
  EXPECT_EQ(b.addressBox().items().size(), 3u);
  for (const char* key : {"Back", "Forward", "Refresh", "Home", "Search"}) clickTool(key);
  b.userResized(8000, 6000);
  b.addressBox().onKeyPress(13);
  b.loadingTimer().tick();
  EXPECT_FALSE(b.loadingTimer().enabled());
  EXPECT_EQ(b.caption(), "");
  clickTool("Stop");
  EXPECT_EQ(frame(), nullptr);
  EXPECT_EQ(app.auxWindowFlag(), kAuxClosed);
}

TEST_F(BrowserTest, AnEngineThatFailsToStartIsSkipped) {
  platform.setBrowserFactory([]() -> std::unique_ptr<BrowserControl> { throw std::runtime_error("no engine"); });
  pressWev();
  BrowserWindow& b = openBrowser();
  EXPECT_TRUE(b.shown());
  EXPECT_EQ(b.page().engine(), nullptr);
  EXPECT_EQ(b.addressBox().text(), kHome);
}

}  // namespace
}  // namespace zen::test
