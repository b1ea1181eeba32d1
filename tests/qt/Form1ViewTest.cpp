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
#include "Form1.h"
#include "QtTestSupport.h"
#include "QtTexts.h"
#include "Renderer.h"
#include "TempDir.h"

namespace zen::test {
namespace {

class Form1ViewTest : public OnScreenTest {
 protected:
  QWidget* widget(const std::string& name) { return widgetOf(form(), name); }
  QWidget* window() { return view(form()); }
  // The centre of a control in the window's pixels.
  QPoint centreInWindow(const std::string& name) {
    QWidget* w = widget(name);
    return w->mapTo(window(), w->rect().center());
  }
};

TEST_F(Form1ViewTest, WindowHasItsCaptionFixedSizeAndClientArea) {
  QWidget* w = window();
  ASSERT_NE(w, nullptr);
  EXPECT_TRUE(w->isVisible());
  EXPECT_EQ(w->windowTitle(), QStringLiteral("カラ-コ-ド抵抗"));
  EXPECT_EQ(w->size(), QSize(555, 646));  // 8325 x 9690 twips at 96 dpi
  EXPECT_EQ(w->minimumSize(), w->maximumSize());
  EXPECT_FALSE(w->windowFlags() & Qt::WindowMaximizeButtonHint);
  EXPECT_TRUE(w->windowFlags() & Qt::WindowMinimizeButtonHint);
}

TEST_F(Form1ViewTest, ControlsSitAtTheirPixelsInsideTheirContainers) {
  struct Case {
    const char* name;
    QRect geometry;  // relative to the container, pixels at 96 dpi
  };
  const Case cases[] = {
      {"Picture40", QRect(376, 32, 17, 33)},  // 5640,480 255x495 twips
      {"Picture46", QRect(448, 32, 17, 33)},
      {"Frame1", QRect(16, 72, 337, 81)},
      {"Picture1", QRect(8, 24, 33, 33)},     // first swatch inside Frame1
      {"Option1", QRect(8, 8, 17, 17)},       // option inside its swatch
      {"Text5", QRect(32, 24, 97, 22)},       // inside Frame5
      {"Command1", QRect(472, 352, 73, 49)},
      {"Label25", QRect(64, 624, 121, 17)},
  };
  for (const auto& c : cases) {
    QWidget* w = widget(c.name);
    ASSERT_NE(w, nullptr) << c.name;
    EXPECT_EQ(w->geometry(), c.geometry) << c.name;
    EXPECT_EQ(w->objectName(), QString::fromLatin1(c.name));
  }
  EXPECT_EQ(widget("Option1")->parentWidget(), widget("Picture1"));
  EXPECT_EQ(widget("Picture1")->parentWidget(), widget("Frame1"));
}

TEST_F(Form1ViewTest, StartShowsResetBandsAndSwatchColours) {
  const QImage image = grabImage(*window());
  EXPECT_EQ(pixelAt(image, centreInWindow("Picture40")), 0x000000u);
  EXPECT_EQ(pixelAt(image, centreInWindow("Picture42")), 0x000000u);
  EXPECT_EQ(pixelAt(image, centreInWindow("Picture44")), 0x00C0C0u);
  EXPECT_EQ(pixelAt(image, centreInWindow("Picture46")), 0x00C0C0u);
  EXPECT_EQ(pixelAt(image, centreInWindow("Picture41")), 0x80C0FFu);
  // A swatch shows its band colour around its option.
  QWidget* swatch = widget("Picture5");
  EXPECT_EQ(pixelAt(image, swatch->mapTo(window(), QPoint(3, 3))), 0x00FFFFu);
  EXPECT_EQ(pixelAt(image, QPoint(2, 200)), 0xFFC0C0u);  // the window background
}

TEST_F(Form1ViewTest, TypingIntoTheEntryPaintsTheBands) {
  auto* entry = qobject_cast<QLineEdit*>(widget("Text5"));
  ASSERT_NE(entry, nullptr);
  entry->setFocus();
  typeInto(entry, QStringLiteral("4700"));
  EXPECT_EQ(form().Text5().text(), "4700");
  EXPECT_EQ(form().Text1().text(), "4700");
  EXPECT_EQ(form().Text2().text(), "4.7");
  const QImage image = grabImage(*window());
  EXPECT_EQ(pixelAt(image, centreInWindow("Picture40")), 0x00FFFFu);  // yellow
  EXPECT_EQ(pixelAt(image, centreInWindow("Picture42")), 0xFF00FFu);  // purple
  EXPECT_EQ(pixelAt(image, centreInWindow("Picture44")), 0x0000FFu);  // red
  EXPECT_EQ(qobject_cast<QLineEdit*>(widget("Text2"))->text(), QStringLiteral("4.7"));
  if (const char* out = std::getenv("ZEN_SAVE_GRABS")) image.save(QString::fromLocal8Bit(out) + "/form1-4700.png");
}

// Full-width digits that reach the entry (pasted, or committed by an input method) paint the bands
// of their half-width twins, and the entry keeps them as they came.
TEST_F(Form1ViewTest, PastedFullWidthDigitsPaintTheBandsWithoutABeep) {
  QApplication::clipboard()->setText(QStringLiteral("４７００"));
  qobject_cast<QLineEdit*>(widget("Text5"))->paste();
  EXPECT_EQ(form().Text5().text(), "４７００");
  EXPECT_EQ(form().Text1().text(), "4700");
  EXPECT_EQ(platform->beeps, 0);
}

// Qt's own texts are Japanese once its translation is installed, English where it is missing.
TEST_F(Form1ViewTest, TextBoxMenusSpeakJapaneseWhereQtsTranslationIsInstalled) {
  for (const bool installed : {true, false}) {
    const std::unique_ptr<QTranslator> translator(qt::installJapaneseQtTexts(
        installed ? QLibraryInfo::path(QLibraryInfo::TranslationsPath) : QString::fromStdString(folder.path())));
    const std::unique_ptr<QMenu> menu(qobject_cast<QLineEdit*>(widget("Text5"))->createStandardContextMenu());
    std::string texts;  // without their shortcuts and the "(&U)" that follows a translation
    for (QAction* a : menu->actions()) texts += a->text().section(u'\t', 0, 0).section(u'(', 0, 0).toStdString() + '|';
    EXPECT_EQ(texts, installed ? "元に戻す|やり直す||切り取り|コピー|貼り付け|削除||すべてを選択|"
                               : "&Undo|&Redo||Cu&t|&Copy|&Paste|Delete||Select All|");
  }
}

TEST_F(Form1ViewTest, ClickOnASwatchOptionReachesTheModel) {
  clickOn(widget("Option15"));  // second band yellow
  EXPECT_TRUE(form().option(5).value());  // a digit after a black first band moves there
  EXPECT_TRUE(form().option(11).value());
  EXPECT_EQ(form().Text1().text(), "4");
  const QImage image = grabImage(*window());
  EXPECT_EQ(pixelAt(image, centreInWindow("Picture40")), 0x00FFFFu);
}

// Every button presses; only the left one clicks. A right press on a multiplier therefore empties
// the entry without choosing the multiplier, and only a left click on the link opens the browser.
TEST_F(Form1ViewTest, EveryButtonPressesButOnlyTheLeftOneClicks) {
  platform->browserFactory = [] { return nullptr; };
  for (const Qt::MouseButton button : {Qt::RightButton, Qt::MiddleButton, Qt::LeftButton}) {
    SCOPED_TRACE(button);
    typeInto(widget("Text5"), QStringLiteral("47"));
    ASSERT_EQ(form().Text5().text(), "47");
    QTest::mouseClick(widget("Option23"), button);  // the red multiplier
    processEvents();
    EXPECT_EQ(form().Text5().text(), "");
    EXPECT_EQ(form().option(23).value(), button == Qt::LeftButton);
    QTest::mouseClick(widget("Label25"), button);
    processEvents();
    EXPECT_EQ(app->find<BrowserFrame>() != nullptr, button == Qt::LeftButton);
  }
}

// The second press of a double-click is a press like the first: the entry resets and beeps again.
TEST_F(Form1ViewTest, EachPressOfADoubleClickResetsTheEntry) {
  QWidget* entry = widget("Text5");
  typeInto(entry, QStringLiteral("47"));
  platform->beeps = 0;
  QTest::mouseClick(entry, Qt::LeftButton);
  EXPECT_EQ(platform->beeps, 2);  // the reset's beep and that of the emptied entry
  QTest::mouseDClick(entry, Qt::LeftButton);
  QTest::mouseRelease(entry, Qt::LeftButton);
  processEvents();
  EXPECT_EQ(platform->beeps, 3);  // the entry was empty already: one beep
  EXPECT_EQ(form().Text5().text(), "");
}

TEST_F(Form1ViewTest, ValueBoxesAreReadOnlyAndTheEntryHasTheFocus) {
  EXPECT_TRUE(qobject_cast<QLineEdit*>(widget("Text1"))->isReadOnly());
  EXPECT_TRUE(qobject_cast<QLineEdit*>(widget("Text4"))->isReadOnly());
  EXPECT_FALSE(qobject_cast<QLineEdit*>(widget("Text5"))->isReadOnly());
  EXPECT_EQ(qobject_cast<QLineEdit*>(widget("Text5"))->maxLength(), 10);
  // The entry turns the desktop's input method away: each key arrives as itself.
  QInputMethodQueryEvent query(Qt::ImEnabled);
  QApplication::sendEvent(widget("Text5"), &query);
  EXPECT_FALSE(query.value(Qt::ImEnabled).toBool());
}

TEST_F(Form1ViewTest, StoringASlotPaintsItsSmallDrawing) {
  clickOn(widget("Option2"));   // brown
  clickOn(widget("Option11"));  // black
  clickOn(widget("Option23"));  // red: 1 KΩ
  clickOn(widget("Command3"));  // slot B
  EXPECT_EQ(form().slotLabel(1).caption(), "1KΩ");
  const QImage image = grabImage(*window());
  EXPECT_EQ(pixelAt(image, centreInWindow("Picture60")), 0x404080u);  // brown
  EXPECT_EQ(pixelAt(image, centreInWindow("Picture62")), 0x000000u);  // black
  EXPECT_EQ(pixelAt(image, centreInWindow("Picture64")), 0x0000FFu);  // red
  EXPECT_EQ(pixelAt(image, centreInWindow("Picture66")), 0x00C0C0u);  // gold
  EXPECT_EQ(pixelAt(image, centreInWindow("Picture61")), 0x80C0FFu);  // body
  // The other slots keep what the (empty) settings gave them: black bands.
  EXPECT_EQ(pixelAt(image, centreInWindow("Picture51")), 0x000000u);
}

TEST_F(Form1ViewTest, GeometryFollowsTheScreensDpi) {
  qt::Renderer large(*app, 144.0);
  large.sync();
  QWidget* w = large.windowWidget(form());
  ASSERT_NE(w, nullptr);
  EXPECT_EQ(w->size(), QSize(833, 969));  // 8325 x 9690 twips at 144 dpi
  EXPECT_EQ(large.widget(*form().find("Picture40"))->geometry(), QRect(564, 48, 26, 50));
}

TEST_F(Form1ViewTest, QuitButtonWritesTheSettingsAndEnds) {
  clickOn(widget("Command1"));
  EXPECT_EQ(platform->ends, 1);
  EXPECT_TRUE(std::filesystem::exists(folder.path() / "ZENTARIO.INI"));
}

}  // namespace
}  // namespace zen::test
