// The calculator window on real widgets: placement, colours, clicks and typing.

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QInputMethodQueryEvent>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QMenu>
#include <QTest>
#include <QTranslator>
#include <cstdlib>
#include <memory>

#include "App.h"
#include "BrowserFrame.h"
#include "CalculatorWindow.h"
#include "QtTestSupport.h"
#include "QtTexts.h"
#include "Renderer.h"
#include "TempDir.h"

namespace zen::test {
namespace {

class CalculatorViewTest : public OnScreenTest {
 protected:
  QWidget* widget(const std::string& name) { return widgetOf(calculator(), name); }
  QWidget* window() { return view(calculator()); }
  // The centre of a control in the window's pixels.
  QPoint centreInWindow(const std::string& name) {
    QWidget* w = widget(name);
    return w->mapTo(window(), w->rect().center());
  }
};

TEST_F(CalculatorViewTest, WindowHasItsCaptionFixedSizeAndClientArea) {
  QWidget* w = window();
  ASSERT_NE(w, nullptr);
  EXPECT_TRUE(w->isVisible());
  EXPECT_EQ(w->windowTitle(), QStringLiteral("カラ-コ-ド抵抗"));
  EXPECT_EQ(w->size(), QSize(555, 646));  // 8325 x 9690 twips at 96 dpi
  EXPECT_EQ(w->minimumSize(), w->maximumSize());
  EXPECT_FALSE(w->windowFlags() & Qt::WindowMaximizeButtonHint);
  EXPECT_TRUE(w->windowFlags() & Qt::WindowMinimizeButtonHint);
}

TEST_F(CalculatorViewTest, ControlsSitAtTheirPixelsInsideTheirContainers) {
  struct Case {
    const char* name;
    QRect geometry;  // relative to the container, pixels at 96 dpi
  };
  const Case cases[] = {
      {"firstBand", QRect(376, 32, 17, 33)},  // 5640,480 255x495 twips
      {"toleranceBand", QRect(448, 32, 17, 33)},
      {"firstBandSelector", QRect(16, 72, 337, 81)},
      {"firstBandBlackSwatch", QRect(8, 24, 33, 33)},  // first swatch inside the first band's selector
      {"firstBandBlack", QRect(8, 8, 17, 17)},         // option inside its swatch
      {"entryBox", QRect(32, 24, 97, 22)},             // inside the value panel
      {"quitButton", QRect(472, 352, 73, 49)},
      {"homepageLink", QRect(64, 624, 121, 17)},
  };
  for (const auto& c : cases) {
    QWidget* w = widget(c.name);
    ASSERT_NE(w, nullptr) << c.name;
    EXPECT_EQ(w->geometry(), c.geometry) << c.name;
    EXPECT_EQ(w->objectName(), QString::fromLatin1(c.name));
  }
  EXPECT_EQ(widget("firstBandBlack")->parentWidget(), widget("firstBandBlackSwatch"));
  EXPECT_EQ(widget("firstBandBlackSwatch")->parentWidget(), widget("firstBandSelector"));
}

TEST_F(CalculatorViewTest, StartShowsResetBandsAndSwatchColours) {
  const QImage image = grabImage(*window());
  EXPECT_EQ(pixelAt(image, centreInWindow("firstBand")), 0x000000u);
  EXPECT_EQ(pixelAt(image, centreInWindow("secondBand")), 0x000000u);
  EXPECT_EQ(pixelAt(image, centreInWindow("multiplierBand")), 0x00C0C0u);
  EXPECT_EQ(pixelAt(image, centreInWindow("toleranceBand")), 0x00C0C0u);
  EXPECT_EQ(pixelAt(image, centreInWindow("body1")), 0x80C0FFu);
  // A swatch shows its band colour around its option.
  QWidget* swatch = widget("firstBandYellowSwatch");
  EXPECT_EQ(pixelAt(image, swatch->mapTo(window(), QPoint(3, 3))), 0x00FFFFu);
  EXPECT_EQ(pixelAt(image, QPoint(2, 200)), 0xFFC0C0u);  // the window background
}

TEST_F(CalculatorViewTest, TypingIntoTheEntryPaintsTheBands) {
  auto* entry = qobject_cast<QLineEdit*>(widget("entryBox"));
  ASSERT_NE(entry, nullptr);
  entry->setFocus();
  typeInto(entry, QStringLiteral("4700"));
  EXPECT_EQ(calculator().entryBox().text(), "4700");
  EXPECT_EQ(calculator().ohmBox().text(), "4700");
  EXPECT_EQ(calculator().kiloOhmBox().text(), "4.7");
  const QImage image = grabImage(*window());
  EXPECT_EQ(pixelAt(image, centreInWindow("firstBand")), 0x00FFFFu);  // yellow
  EXPECT_EQ(pixelAt(image, centreInWindow("secondBand")), 0xFF00FFu);  // purple
  EXPECT_EQ(pixelAt(image, centreInWindow("multiplierBand")), 0x0000FFu);  // red
  EXPECT_EQ(qobject_cast<QLineEdit*>(widget("kiloOhmBox"))->text(), QStringLiteral("4.7"));
  if (const char* out = std::getenv("ZEN_SAVE_GRABS")) image.save(QString::fromLocal8Bit(out) + "/calculator-4700.png");
}

// Full-width digits that reach the entry (pasted, or committed by an input method) paint the bands
// of their half-width twins, and the entry keeps them as they came.
TEST_F(CalculatorViewTest, PastedFullWidthDigitsPaintTheBandsWithoutABeep) {
  QApplication::clipboard()->setText(QStringLiteral("４７００"));
  qobject_cast<QLineEdit*>(widget("entryBox"))->paste();
  EXPECT_EQ(calculator().entryBox().text(), "４７００");
  EXPECT_EQ(calculator().ohmBox().text(), "4700");
  EXPECT_EQ(platform->beeps, 0);
}

// Qt's own texts are Japanese once its translation is installed, English where it is missing.
TEST_F(CalculatorViewTest, TextBoxMenusSpeakJapaneseWhereQtsTranslationIsInstalled) {
  for (const bool installed : {true, false}) {
    const std::unique_ptr<QTranslator> translator(qt::installJapaneseQtTexts(
        installed ? QLibraryInfo::path(QLibraryInfo::TranslationsPath) : QString::fromStdString(folder.path())));
    const std::unique_ptr<QMenu> menu(qobject_cast<QLineEdit*>(widget("entryBox"))->createStandardContextMenu());
    std::string texts;  // without their shortcuts and the "(&U)" that follows a translation
    for (QAction* a : menu->actions()) texts += a->text().section(u'\t', 0, 0).section(u'(', 0, 0).toStdString() + '|';
    EXPECT_EQ(texts, installed ? "元に戻す|やり直す||切り取り|コピー|貼り付け|削除||すべてを選択|"
                               : "&Undo|&Redo||Cu&t|&Copy|&Paste|Delete||Select All|");
  }
}

TEST_F(CalculatorViewTest, ClickOnASwatchOptionReachesTheModel) {
  clickOn(widget("secondBandYellow"));
  EXPECT_TRUE(calculator().firstBandOption(4).value());  // a digit after a black first band moves there
  EXPECT_TRUE(calculator().secondBandOption(0).value());
  EXPECT_EQ(calculator().ohmBox().text(), "4");
  const QImage image = grabImage(*window());
  EXPECT_EQ(pixelAt(image, centreInWindow("firstBand")), 0x00FFFFu);
}

// Every button presses; only the left one clicks. A right press on a multiplier therefore empties
// the entry without choosing the multiplier, and only a left click on the link opens the browser.
TEST_F(CalculatorViewTest, EveryButtonPressesButOnlyTheLeftOneClicks) {
  platform->browserFactory = [] { return nullptr; };
  for (const Qt::MouseButton button : {Qt::RightButton, Qt::MiddleButton, Qt::LeftButton}) {
    SCOPED_TRACE(button);
    typeInto(widget("entryBox"), QStringLiteral("47"));
    ASSERT_EQ(calculator().entryBox().text(), "47");
    QTest::mouseClick(widget("multiplierRed"), button);
    processEvents();
    EXPECT_EQ(calculator().entryBox().text(), "");
    EXPECT_EQ(calculator().multiplierOption(BandColour::Red).value(), button == Qt::LeftButton);
    QTest::mouseClick(widget("homepageLink"), button);
    processEvents();
    EXPECT_EQ(app->find<BrowserFrame>() != nullptr, button == Qt::LeftButton);
  }
}

// The second press of a double-click is a press like the first: the entry resets and beeps again.
TEST_F(CalculatorViewTest, EachPressOfADoubleClickResetsTheEntry) {
  QWidget* entry = widget("entryBox");
  typeInto(entry, QStringLiteral("47"));
  platform->beeps = 0;
  QTest::mouseClick(entry, Qt::LeftButton);
  EXPECT_EQ(platform->beeps, 2);  // the reset's beep and that of the emptied entry
  QTest::mouseDClick(entry, Qt::LeftButton);
  QTest::mouseRelease(entry, Qt::LeftButton);
  processEvents();
  EXPECT_EQ(platform->beeps, 3);  // the entry was empty already: one beep
  EXPECT_EQ(calculator().entryBox().text(), "");
}

TEST_F(CalculatorViewTest, ValueBoxesAreReadOnlyAndTheEntryHasTheFocus) {
  EXPECT_TRUE(qobject_cast<QLineEdit*>(widget("ohmBox"))->isReadOnly());
  EXPECT_TRUE(qobject_cast<QLineEdit*>(widget("toleranceBox"))->isReadOnly());
  EXPECT_FALSE(qobject_cast<QLineEdit*>(widget("entryBox"))->isReadOnly());
  EXPECT_EQ(qobject_cast<QLineEdit*>(widget("entryBox"))->maxLength(), 10);
  // The entry turns the desktop's input method away: each key arrives as itself.
  QInputMethodQueryEvent query(Qt::ImEnabled);
  QApplication::sendEvent(widget("entryBox"), &query);
  EXPECT_FALSE(query.value(Qt::ImEnabled).toBool());
}

TEST_F(CalculatorViewTest, StoringASlotPaintsItsSmallDrawing) {
  clickOn(widget("firstBandBrown"));
  clickOn(widget("secondBandBlack"));
  clickOn(widget("multiplierRed"));  // 1 KΩ
  clickOn(widget("slotBButton"));
  EXPECT_EQ(calculator().slotLabel(1).caption(), "1KΩ");
  const QImage image = grabImage(*window());
  EXPECT_EQ(pixelAt(image, centreInWindow("slotBBand1")), 0x404080u);  // brown
  EXPECT_EQ(pixelAt(image, centreInWindow("slotBBand2")), 0x000000u);  // black
  EXPECT_EQ(pixelAt(image, centreInWindow("slotBBand3")), 0x0000FFu);  // red
  EXPECT_EQ(pixelAt(image, centreInWindow("slotBBand4")), 0x00C0C0u);  // gold
  EXPECT_EQ(pixelAt(image, centreInWindow("slotBBody1")), 0x80C0FFu);  // body
  // The other slots keep what the (empty) settings gave them: black bands.
  EXPECT_EQ(pixelAt(image, centreInWindow("slotABand1")), 0x000000u);
}

TEST_F(CalculatorViewTest, GeometryFollowsTheScreensDpi) {
  qt::Renderer large(*app, 144.0);
  large.sync();
  QWidget* w = large.windowWidget(calculator());
  ASSERT_NE(w, nullptr);
  EXPECT_EQ(w->size(), QSize(833, 969));  // 8325 x 9690 twips at 144 dpi
  EXPECT_EQ(large.widget(*calculator().find("firstBand"))->geometry(), QRect(564, 48, 26, 50));
}

TEST_F(CalculatorViewTest, QuitButtonWritesTheSettingsAndEnds) {
  clickOn(widget("quitButton"));
  EXPECT_EQ(platform->ends, 1);
  EXPECT_TRUE(std::filesystem::exists(folder.path() / "ZENTARIO.INI"));
}

}  // namespace
}  // namespace zen::test
