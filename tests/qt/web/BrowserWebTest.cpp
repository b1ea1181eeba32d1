// The browser on the real Qt WebEngine, offscreen: the frame, its one sub-window, the bundled
// pages, the toolbar, the address box and the timer's caption.

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QRegularExpression>
#include <QTest>
#include <QToolBar>
#include <cstdlib>
#include <memory>

#include "App.h"
#include "BrowserFrame.h"
#include "BrowserWindow.h"
#include "CalculatorWindow.h"
#include "HeldPageServer.h"
#include "QtTestSupport.h"
#include "Renderer.h"
#include "TempDir.h"
#include "Views.h"
#include "WebAddresses.h"

namespace zen::test {
namespace {

// Generous: the first page of a run starts the engine's processes, which under the sanitizers on
// a busy machine takes a while.
constexpr int kPageTimeoutMs = 120000;
// For what follows an event at once (a caption, a move, a resize); just as generous, since a
// wait ends as soon as the thing happens and only a failure waits it out.
constexpr int kEventTimeoutMs = 60000;
constexpr double kDpi = 144.0;  // 10 twips per pixel: 1000 twips are exactly 100 pixels

const QString kHomeTitle = QStringLiteral("ZENTARIO ホームページ");
const QString kColourTitle = QStringLiteral("カラーコード表");
const QString kPartsTitle = QStringLiteral("抵抗の標準数列 (E6・E12・E24)");

// Whether an earlier test of this process has already started the engine.
bool engineStarted = false;

bool engineLoaded() {
  QFile maps(QStringLiteral("/proc/self/maps"));
  if (!maps.open(QIODevice::ReadOnly)) return false;
  return maps.readAll().contains("libQt6WebEngineCore");
}

class BrowserWebTest : public OnScreenTest {
 protected:
  BrowserWebTest() : OnScreenTest(kDpi) {}
  void registerViews(qt::Renderer& r, RecordingQtPlatform& p) override { qt::registerBrowserViews(r, p); }
  BrowserFrame* frame() { return app->find<BrowserFrame>(); }
  BrowserWindow* browser() { return app->find<BrowserWindow>(); }

  void pressWev() {
    engineStarted = true;
    clickOn(widgetOf(calculator(), "webButton"));
  }
  // Opens the browser and waits for the starting page.
  BrowserWindow& openAtHome() {
    pressWev();
    EXPECT_TRUE(waitForCaption(kHomeTitle));
    return *browser();
  }
  bool waitForCaption(const QString& caption) {
    return waitUntil(
        [&] { return browser() && QString::fromStdString(browser()->caption()) == caption; }, kPageTimeoutMs);
  }
  QMdiArea* area() {
    QWidget* v = frame() ? renderer->windowWidget(*frame()) : nullptr;
    return v ? v->findChild<QMdiArea*>(QStringLiteral("mdiArea")) : nullptr;
  }
  QAction* tool(const char* key) {
    auto* bar = qobject_cast<QToolBar*>(widgetOf(*browser(), "toolbar"));
    return bar ? bar->findChild<QAction*>(QString::fromLatin1(key)) : nullptr;
  }
  QComboBox* addressBox() { return qobject_cast<QComboBox*>(widgetOf(*browser(), "addressBox")); }
  // The engine's page view, known by its object name (this test does not link the engine).
  QWidget* page() {
    QWidget* area = widgetOf(*browser(), "page");
    return area ? area->findChild<QWidget*>(QStringLiteral("webView")) : nullptr;
  }
  // Types an address into the address box and presses Enter, as the user does; what follows the
  // key is left to the event loop. It waits for the page shown to settle first: the timer's last
  // tick puts the page's name into the box, over whatever was typed before it.
  void typeAddress(const QString& address) {
    EXPECT_TRUE(waitUntil([&] { return !browser()->loadingTimer().enabled(); }, kEventTimeoutMs));
    QComboBox* box = addressBox();
    box->setFocus();
    box->lineEdit()->selectAll();
    typeInto(box->lineEdit(), address);
    QTest::keyClick(box, Qt::Key_Return);
  }
};

TEST_F(BrowserWebTest, NothingOfTheEngineIsLoadedBeforeTheFirstOpening) {
  if (engineStarted) GTEST_SKIP() << "an earlier test of this process started the engine";
  EXPECT_FALSE(engineLoaded());
  clickOn(widgetOf(calculator(), "clsButton"));  // other buttons leave it alone
  EXPECT_FALSE(engineLoaded());
  pressWev();
  EXPECT_TRUE(engineLoaded());
}

TEST_F(BrowserWebTest, StartingPageLoadsInTheFramesOnlySubWindowAndNamesTheWindow) {
  BrowserWindow& b = openAtHome();
  EXPECT_EQ(QString::fromStdString(b.caption()), kHomeTitle);
  QWidget* view = page();
  ASSERT_NE(view, nullptr);
  EXPECT_EQ(view->property("url").toUrl(), QUrl(QString::fromUtf8(kHomePageAddress.data())));
  EXPECT_EQ(view->property("title").toString(), kHomeTitle);

  ASSERT_NE(area(), nullptr);
  ASSERT_EQ(area()->subWindowList().size(), 1);
  QMdiSubWindow* sub = area()->subWindowList().first();
  EXPECT_TRUE(sub->isMaximized());
  EXPECT_TRUE(waitUntil([&] { return sub->windowTitle() == kHomeTitle; }, kEventTimeoutMs)) << sub->windowTitle().toStdString();
  EXPECT_TRUE(sub->isAncestorOf(view));
  QWidget* top = renderer->windowWidget(*frame());
  EXPECT_TRUE(top->isWindow());
  EXPECT_EQ(top->windowTitle(), QString());
  // The timer then puts the page's name into the address box.
  EXPECT_TRUE(waitUntil([&] { return addressBox()->currentText() == kHomeTitle; }, kEventTimeoutMs));
}

TEST_F(BrowserWebTest, AddressListHoldsTheTwoReferencePagesThenTheStartingAddress) {
  pressWev();
  QComboBox* box = addressBox();
  ASSERT_NE(box, nullptr);
  ASSERT_EQ(box->count(), 3);
  EXPECT_EQ(box->itemText(0), QString::fromUtf8(kColourCodePageAddress.data()));
  EXPECT_EQ(box->itemText(1), QString::fromUtf8(kPartsListPageAddress.data()));
  EXPECT_EQ(box->itemText(2), QString::fromUtf8(kHomePageAddress.data()));
}

TEST_F(BrowserWebTest, ConnectingShowsWhileAPageLoadsThenItsName) {
  BrowserWindow& b = openAtHome();
  typeAddress(QString::fromUtf8(kPartsListPageAddress.data()));
  // Busy from the request on: the timer's next tick says so, before the page has come.
  ASSERT_TRUE(b.page().busy());
  b.loadingTimer().tick();
  EXPECT_EQ(b.caption(), "接続中...");
  EXPECT_TRUE(b.loadingTimer().enabled());
  EXPECT_TRUE(waitForCaption(kPartsTitle));
  EXPECT_TRUE(waitUntil([&] { return !b.loadingTimer().enabled(); }, kEventTimeoutMs));
  EXPECT_EQ(QString::fromStdString(b.addressBox().text()), kPartsTitle);
}

TEST_F(BrowserWebTest, WebAddressesGoToTheUsersBrowserFilesNowhereAndTheEngineFetchesNothing) {
  HeldPageServer server("web page");
  server.release();  // it would answer at once, had the engine asked
  // The search page's link leads to duckduckgo.com: for an engine started here, that name leads to
  // this server, so a request the engine made for the link would reach it too.
  if (!engineStarted) {
    qputenv("QTWEBENGINE_CHROMIUM_FLAGS", qgetenv("QTWEBENGINE_CHROMIUM_FLAGS") +
                                              " --host-resolver-rules=\"MAP duckduckgo.com 127.0.0.1:" +
                                              QByteArray::number(server.url().port()) + "\"");
  }
  BrowserWindow& b = openAtHome();
  const std::vector<QUrl>& opened = platform->openedUrls;
  typeAddress(server.url().toString());
  ASSERT_EQ(opened.size(), 1u);
  EXPECT_EQ(opened.back(), server.url());
  typeAddress(QStringLiteral("file:///etc/hostname"));
  EXPECT_EQ(opened.size(), 1u);
  EXPECT_EQ(b.statusLabel().caption(), "このアドレスは表示できません: file:///etc/hostname");

  // The search page's first link, followed from the keyboard.
  tool("Search")->trigger();
  ASSERT_TRUE(waitForCaption(QStringLiteral("検索")));
  page()->setFocus();
  QTest::keyClick(page()->focusProxy(), Qt::Key_Tab);
  QTest::keyClick(page()->focusProxy(), Qt::Key_Return);
  ASSERT_TRUE(waitUntil([&] { return opened.size() == 2; }, kEventTimeoutMs));
  EXPECT_EQ(opened.back().host(), QStringLiteral("duckduckgo.com"));
  EXPECT_TRUE(b.statusLabel().caption().starts_with("Web ブラウザで開きました: https://duckduckgo.com/"));
  EXPECT_EQ(b.addressBox().text(), "検索");

  // The bundled pages still load; a request the engine had made would have come before.
  tool("Home")->trigger();
  ASSERT_TRUE(waitForCaption(kHomeTitle));
  EXPECT_EQ(server.connections(), 0);
  EXPECT_EQ(opened.size(), 2u);
}

TEST_F(BrowserWebTest, BackAfterTwoNavigationsReturnsToTheFirst) {
  openAtHome();
  QComboBox* box = addressBox();
  emit box->activated(0);  // the colour-code page from the list
  ASSERT_TRUE(waitForCaption(kColourTitle));
  typeAddress(QString::fromUtf8(kPartsListPageAddress.data()));
  ASSERT_TRUE(waitForCaption(kPartsTitle));
  tool("Back")->trigger();
  EXPECT_TRUE(waitForCaption(kColourTitle));
  EXPECT_EQ(page()->property("url").toUrl(), QUrl(QString::fromUtf8(kColourCodePageAddress.data())));
  tool("Forward")->trigger();
  EXPECT_TRUE(waitForCaption(kPartsTitle));
  tool("Home")->trigger();
  EXPECT_TRUE(waitForCaption(kHomeTitle));
  tool("Search")->trigger();
  EXPECT_TRUE(waitForCaption(QStringLiteral("検索")));
}

TEST_F(BrowserWebTest, BackWithNothingToGoBackToLeavesThePageAsItWas) {
  BrowserWindow& b = openAtHome();
  tool("Back")->trigger();
  EXPECT_TRUE(b.loadingTimer().enabled());
  EXPECT_TRUE(waitUntil([&] { return !b.loadingTimer().enabled(); }, kEventTimeoutMs));
  EXPECT_EQ(QString::fromStdString(b.caption()), kHomeTitle);
  EXPECT_EQ(page()->property("url").toUrl(), QUrl(QString::fromUtf8(kHomePageAddress.data())));
}

// The page's own menu: back, forward and reload, in Japanese (copy too while text is selected);
// nothing to save the page or show its source.
TEST_F(BrowserWebTest, ThePagesMenuOffersBackForwardAndReloadInJapanese) {
  openAtHome();
  // A right click on the engine's own widget: the engine asks the view for its menu.
  QTest::mouseClick(page()->focusProxy(), Qt::RightButton, {}, page()->rect().center());
  QMenu* menu = nullptr;
  ASSERT_TRUE(waitUntil([&] { return (menu = page()->findChild<QMenu*>(QStringLiteral("pageMenu"))); }, kEventTimeoutMs));
  QStringList texts;
  for (QAction* a : menu->actions()) texts << a->text();
  EXPECT_EQ(texts, QStringList({"戻る", "進む", "再読み込み"}));
  menu->close();
}

TEST_F(BrowserWebTest, ToolbarHasSixPicturedButtonsWithTheirTooltips) {
  pressWev();
  const char* keys[] = {"Back", "Forward", "Stop", "Refresh", "Home", "Search"};
  const char* tips[] = {"戻る", "進む", "中止", "更新", "ﾎｰﾑ", "検索"};
  auto* bar = qobject_cast<QToolBar*>(widgetOf(*browser(), "toolbar"));
  ASSERT_NE(bar, nullptr);
  ASSERT_EQ(bar->actions().size(), 6);
  for (int i = 0; i < 6; ++i) {
    QAction* a = bar->actions().at(i);
    EXPECT_EQ(a->objectName(), QString::fromLatin1(keys[i]));
    EXPECT_EQ(a->toolTip(), QString::fromUtf8(tips[i]));
    EXPECT_FALSE(a->icon().isNull()) << keys[i];
  }
}

TEST_F(BrowserWebTest, StopClosesTheFrameAndRecordsItsPlace) {
  openAtHome();
  QPointer<QWidget> top = renderer->windowWidget(*frame());
  top->move(300, 200);  // 3000, 2000 twips at this scale
  // The move reaches the model when the platform reports it.
  ASSERT_TRUE(waitUntil([&] { return frame()->left() == 3000 && frame()->top() == 2000; }, kEventTimeoutMs));
  tool("Stop")->trigger();
  processEvents();
  EXPECT_EQ(frame(), nullptr);
  EXPECT_EQ(browser(), nullptr);
  EXPECT_EQ(app->auxWindowFlag(), kAuxClosed);
  EXPECT_EQ(app->savedValues().get(entry::kFrameTop), " 2000");
  EXPECT_EQ(app->savedValues().get(entry::kFrameLeft), " 3000");
  EXPECT_TRUE(waitUntil([&] { return top.isNull(); }, kEventTimeoutMs));
  EXPECT_TRUE(renderer->windowWidget(calculator())->isVisible());

  // The next opening starts over and loads its page again.
  openAtHome();
  EXPECT_EQ(frame()->top(), 2000);
  EXPECT_EQ(frame()->left(), 3000);
  EXPECT_EQ(addressBox()->count(), 3);
}

TEST_F(BrowserWebTest, FrameCloseBoxClosesLikeStop) {
  openAtHome();
  QWidget* top = renderer->windowWidget(*frame());
  top->close();
  processEvents();
  EXPECT_EQ(frame(), nullptr);
  EXPECT_EQ(app->auxWindowFlag(), kAuxClosed);
}

TEST_F(BrowserWebTest, WideningBy1000TwipsWidensAddressBoxAndPageBy1000Each) {
  BrowserWindow& b = openAtHome();
  QWidget* top = renderer->windowWidget(*frame());
  QWidget* boxWidget = addressBox();
  QWidget* pageArea = widgetOf(b, "page");
  const int box = b.addressBox().width();
  const int pageWidth = b.page().width();
  const int boxPx = boxWidget->width();
  const int pagePx = pageArea->width();
  top->resize(top->width() + 100, top->height());
  ASSERT_TRUE(waitUntil([&] { return b.addressBox().width() == box + 1000; }, kEventTimeoutMs))
      << b.addressBox().width() << " from " << box;
  EXPECT_EQ(b.page().width(), pageWidth + 1000);
  EXPECT_TRUE(waitUntil([&] { return boxWidget->width() == boxPx + 100; }, kEventTimeoutMs));
  EXPECT_EQ(pageArea->width(), pagePx + 100);
  // The page itself fills its area.
  EXPECT_EQ(page()->width(), pageArea->width());
}

TEST_F(BrowserWebTest, ACaptionChangeRightAfterAResizeDoesNotShrinkThePageBack) {
  BrowserWindow& b = openAtHome();
  QWidget* top = renderer->windowWidget(*frame());
  QWidget* view = renderer->windowWidget(b);
  const int box = b.addressBox().width();
  top->resize(top->width() + 100, top->height());
  // The timer's caption arrives before the model has heard of the resize.
  renderer->dispatch([&b] { b.setCaption("接続中..."); });
  ASSERT_TRUE(waitUntil([&] { return b.addressBox().width() == box + 1000; }, kEventTimeoutMs)) << b.addressBox().width();
  processEvents();
  EXPECT_EQ(view->size(), view->parentWidget()->size());
  EXPECT_EQ(renderer->scale().twips(view->width()), b.clientWidth());
}

TEST_F(BrowserWebTest, TheFrameCanBeMaximisedAndKeepsTheUsersSize) {
  BrowserWindow& b = openAtHome();
  QWidget* top = renderer->windowWidget(*frame());
  EXPECT_TRUE(top->windowFlags() & Qt::WindowMinimizeButtonHint);
  EXPECT_TRUE(top->windowFlags() & Qt::WindowMaximizeButtonHint);
  const int box = b.addressBox().width();
  top->resize(top->width() + 200, top->height() + 100);
  const QSize usersSize = top->size();
  ASSERT_TRUE(waitUntil([&] { return b.addressBox().width() == box + 2000; }, kEventTimeoutMs)) << b.addressBox().width();
  // Anything that redraws the frame's title bar leaves the user's size alone.
  renderer->dispatch([this] { frame()->bringToFront(); });
  processEvents();
  EXPECT_EQ(top->size(), usersSize);
  EXPECT_EQ(b.addressBox().width(), box + 2000);
}

TEST_F(BrowserWebTest, TheLinkOpensTheFrameWithoutTouchingTheFlag) {
  app->savedValues().set(entry::kFrameTop, "500");
  engineStarted = true;
  clickOn(widgetOf(calculator(), "homepageLink"));
  EXPECT_TRUE(waitForCaption(kHomeTitle));
  EXPECT_EQ(frame()->top(), 500);
  EXPECT_EQ(app->auxWindowFlag(), kAuxClosed);
  // 15300 x 12600 twips, title bar and borders included
  EXPECT_TRUE(waitUntil([&] { return renderer->windowWidget(*frame())->frameGeometry().size() == QSize(1530, 1260); },
                        kEventTimeoutMs));
}

// Not a check: with ZEN_SCREENSHOT=<file.png> it saves pictures of the frame showing the homepage
// (<file>-home.png) and the colour-code page (<file>).
TEST_F(BrowserWebTest, Screenshot) {
  const char* file = std::getenv("ZEN_SCREENSHOT");
  if (!file) GTEST_SKIP() << "set ZEN_SCREENSHOT to a PNG file to save a picture of the frame";
  const QString path = QString::fromLocal8Bit(file);
  openAtHome();
  QTest::qWait(1500);  // lets the page paint; only the picture depends on it
  QString home = path;
  home.replace(QRegularExpression(QStringLiteral("\\.png$")), QStringLiteral("-home.png"));
  EXPECT_TRUE(renderer->windowWidget(*frame())->grab().save(home));
  emit addressBox()->activated(0);
  ASSERT_TRUE(waitForCaption(kColourTitle));
  QTest::qWait(1500);
  EXPECT_TRUE(renderer->windowWidget(*frame())->grab().save(path));
}

}  // namespace
}  // namespace zen::test
