// The browser's frame and address box on real widgets, with a stand-in engine that records what it
// is asked: no web engine starts here.

#include <gtest/gtest.h>

#include <QAccessible>
#include <QComboBox>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <memory>

#include "App.h"
#include "BrowserFrame.h"
#include "BrowserWindow.h"
#include "CalculatorWindow.h"
#include "FakeBrowser.h"
#include "QtTestSupport.h"
#include "Renderer.h"
#include "Views.h"
#include "WebAddresses.h"

namespace zen::test {
namespace {

constexpr double kDpi = 144.0;  // 10 twips per pixel

class BrowserViewsTest : public OnScreenTest {
 protected:
  BrowserViewsTest() : OnScreenTest(kDpi) {}
  void registerViews(qt::Renderer& r, RecordingQtPlatform& p) override {
    qt::registerBrowserViews(r, p);
    p.browserFactory = [record = record] { return std::make_unique<FakeBrowser>(record); };
  }
  BrowserFrame* frame() { return app->find<BrowserFrame>(); }
  QWidget* frameView() { return frame() ? view(*frame()) : nullptr; }

  std::shared_ptr<EngineRecord> record = std::make_shared<EngineRecord>();
};

// The size each opener gives the frame is its whole size, title bar and borders included; the
// offscreen desktop gives every window a border.
TEST_F(BrowserViewsTest, TheOpenersSizeTheWholeFrame) {
  struct Case {
    const char* opener;
    QSize outer;  // pixels at 10 twips each
  };
  const Case cases[] = {{"webButton", QSize(1750, 1300)}, {"homepageLink", QSize(1530, 1260)}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.opener);
    clickOn(widgetOf(calculator(), c.opener));
    ASSERT_NE(frameView(), nullptr);
    ASSERT_TRUE(waitUntil([&] { return frameView()->isVisible(); }, 10000));
    processEvents();
    EXPECT_EQ(frameView()->frameGeometry().size(), c.outer);
    EXPECT_NE(frameView()->size(), c.outer);  // the border is there, and inside the size
    EXPECT_EQ(frameView()->pos(), QPoint(frame()->left() / 10, frame()->top() / 10));
    // The model hears of the inside that is left.
    EXPECT_TRUE(waitUntil([&] { return frame()->clientWidth() == frameView()->width() * 10; }, 10000));
    renderer->dispatch([this] { calculator().closeFrameWindow(); });
  }
}

// Enter in the address box navigates once, and the key goes on to the box as well: its line reports
// Enter, also when the text is one of the list's own addresses (which the box alone would take as
// choosing that item, when it is not the current one).
TEST_F(BrowserViewsTest, EnterInTheAddressBoxNavigatesOnceAndReachesTheBox) {
  clickOn(widgetOf(calculator(), "webButton"));
  BrowserWindow* browser = app->find<BrowserWindow>();
  ASSERT_NE(browser, nullptr);
  auto* box = qobject_cast<QComboBox*>(widgetOf(*browser, "addressBox"));
  ASSERT_NE(box, nullptr);
  QSignalSpy entered(box->lineEdit(), &QLineEdit::returnPressed);
  for (const std::string& address : {std::string(kSearchPageAddress), std::string(kPartsListPageAddress)}) {
    SCOPED_TRACE(address);
    record->calls.clear();
    box->setEditText(QString::fromStdString(address));
    QTest::keyClick(box, Qt::Key_Return);
    processEvents();
    EXPECT_EQ(record->calls, std::vector<std::string>{"navigate " + address});
  }
  EXPECT_EQ(entered.count(), 2);
  // A reader names the box where the keys land, and the frame that has no caption.
  EXPECT_EQ(QAccessible::queryAccessibleInterface(box->lineEdit())->text(QAccessible::Name), u"アドレス");
  EXPECT_EQ(QAccessible::queryAccessibleInterface(view(*app->find<BrowserFrame>()))->text(QAccessible::Name),
            QStringLiteral("Web ブラウザ"));
}

}  // namespace
}  // namespace zen::test
