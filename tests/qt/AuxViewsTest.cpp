// The auxiliary windows on real widgets: the chart's pixels, the help page, the about box's keys and
// the system-information program started for real.

#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QThread>
#include <QWindow>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>

#include "AboutBox.h"
#include "App.h"
#include "CalculatorWindow.h"
#include "ChartPicture.h"
#include "ChartWindow.h"
#include "ColourTable.h"
#include "HelpFile.h"
#include "HelpWindow.h"
#include "QtTestSupport.h"
#include "Renderer.h"
#include "SysInfo.h"
#include "TempDir.h"
#include "Views.h"

namespace zen::test {
namespace {

namespace fs = std::filesystem;

// Sets PATH for one test and puts the old one back.
class ScopedPath {
 public:
  explicit ScopedPath(const std::string& path) {
    if (const char* old = std::getenv("PATH")) old_ = old;
    setenv("PATH", path.c_str(), 1);
  }
  ~ScopedPath() { setenv("PATH", old_.c_str(), 1); }
  ScopedPath(const ScopedPath&) = delete;
  ScopedPath& operator=(const ScopedPath&) = delete;

 private:
  std::string old_;
};

void saveGrab(const QImage& image, const char* name) {
  if (const char* out = std::getenv("ZEN_SAVE_GRABS")) image.save(QString::fromLocal8Bit(out) + "/" + name);
}

// Pixels of an area that are clearly darker than its ground: drawn text.
int inkIn(const QImage& image, const QRect& area) {
  int n = 0;
  for (int y = area.top(); y <= area.bottom(); ++y) {
    for (int x = area.left(); x <= area.right(); ++x) {
      if (qGray(image.pixel(x, y)) < 128) ++n;
    }
  }
  return n;
}

class AuxViewsTest : public OnScreenTest {
 protected:
  void registerViews(qt::Renderer& r, RecordingQtPlatform&) override { qt::registerAuxiliaryViews(r); }
  void click(Window& w, const char* button) {
    clickOn(widgetOf(w, button));
    processEvents();
  }
  QWidget* widget(const Window& w, const char* name) { return widgetOf(w, name); }
  void key(QWidget* target, int k) {
    QKeyEvent press(QEvent::KeyPress, k, Qt::NoModifier);
    QApplication::sendEvent(target, &press);
    QKeyEvent release(QEvent::KeyRelease, k, Qt::NoModifier);
    QApplication::sendEvent(target, &release);
    processEvents();
  }
};

TEST_F(AuxViewsTest, ChartSwatchesShowTheColourTable) {
  click(calculator(), "chartButton");
  ChartWindow* chart = app->find<ChartWindow>();
  ASSERT_NE(chart, nullptr);
  QWidget* picture = widget(*chart, "chart");
  ASSERT_NE(picture, nullptr);
  EXPECT_EQ(picture->geometry(), QRect(16, 40, 296, 333));
  EXPECT_TRUE(view(*chart)->isVisible());
  const QImage image = grabImage(*picture);
  saveGrab(image, "chart.png");
  saveGrab(grabImage(*view(*chart)), "chart-window.png");

  const auto& table = colourTable();
  for (int row = 0; row < kBandColourCount; ++row) {
    const BandColour c = table[std::size_t(row)].colour;
    const Rgb expected = c == BandColour::None ? kChartGround : displayColour(c);
    const QPoint centre = qt::chartSwatch(row).center().toPoint();
    EXPECT_EQ(pixelAt(image, centre), expected) << "row " << row;
  }
  EXPECT_EQ(pixelAt(image, QPoint(1, 1)), kChartGround);  // the peach ground
  // The grid's left edge runs black down the rows.
  EXPECT_EQ(pixelAt(image, QPoint(4, 200)), 0x000000u);
}

TEST_F(AuxViewsTest, ChartToleranceColumnIsBlueAndTitleRed) {
  click(calculator(), "chartButton");
  const QImage image = grabImage(*widget(*app->find<ChartWindow>(), "chart"));
  auto count = [&](const QRect& area, auto pred) {
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
      for (int x = area.left(); x <= area.right(); ++x) n += pred(image.pixel(x, y));
    }
    return n;
  };
  const auto blue = [](QRgb p) { return qBlue(p) > 180 && qRed(p) < 100 && qGreen(p) < 100; };
  const auto red = [](QRgb p) { return qRed(p) > 180 && qBlue(p) < 100 && qGreen(p) < 100; };
  const QRect brownTolerance = qt::chartToleranceCell(1).toRect().adjusted(1, 1, -1, -1);
  const QRect blackTolerance = qt::chartToleranceCell(0).toRect().adjusted(1, 1, -1, -1);
  EXPECT_GT(count(brownTolerance, blue), 5);
  EXPECT_EQ(count(blackTolerance, blue), 0);  // black has no tolerance
  EXPECT_GT(count(QRect(60, 4, 180, 30), red), 20);
}

TEST_F(AuxViewsTest, ChartIsCrispAtTwiceTheScale) {
  QImage image(2 * kChartWidth, 2 * kChartHeight, QImage::Format_RGB32);
  image.setDevicePixelRatio(2.0);
  {
    QPainter p(&image);
    qt::paintChart(p, QSizeF(kChartWidth, kChartHeight));
  }
  image.setDevicePixelRatio(1.0);
  saveGrab(image, "chart-2x.png");
  for (int row = 0; row < kBandColourCount; ++row) {
    const QRectF s = qt::chartSwatch(row);
    const QPoint centre(int(s.center().x() * 2), int(s.center().y() * 2));
    const Rgb expected = chartRows()[std::size_t(row)].swatch;
    EXPECT_EQ(pixelAt(image, centre), expected) << "row " << row;
  }
  // The grid stays one device pixel wide: the pixel beside the left edge is the ground.
  EXPECT_EQ(pixelAt(image, QPoint(8, 400)), 0x000000u);
  EXPECT_EQ(pixelAt(image, QPoint(9, 400)), kChartGround);
}

TEST_F(AuxViewsTest, WindowBordersFollowTheirKinds) {
  click(calculator(), "chartButton");
  QWidget* chart = view(*app->find<ChartWindow>());
  EXPECT_EQ(chart->windowTitle(), QStringLiteral("ZENTARIO"));
  EXPECT_EQ(chart->size(), QSize(330, 418));
  EXPECT_EQ(chart->minimumSize(), chart->maximumSize());
  click(*app->find<ChartWindow>(), "closeButton");
  EXPECT_EQ(app->find<ChartWindow>(), nullptr);

  folder.write("ZENHELP.TXT", "x\r\n//\r\n");
  click(calculator(), "helpButton");
  QWidget* help = view(*app->find<HelpWindow>());
  EXPECT_EQ(help->windowTitle(), QStringLiteral("HELP"));
  EXPECT_EQ(help->size(), QSize(475, 469));
  EXPECT_NE(help->minimumSize(), help->maximumSize());  // the user may resize it
  EXPECT_FALSE(help->windowFlags() & (Qt::WindowMaximizeButtonHint | Qt::WindowMinimizeButtonHint));
}

// Where the desktop places the windows (Wayland), chart, help and about are tied to the calculator;
// none of the windows without a maximise button takes a maximise from Qt's own title bar there.
TEST_F(AuxViewsTest, ChartHelpAndAboutOpenOverTheCalculatorAndNoneMaximises) {
  platform->knowsPositions = false;
  for (const char* button : {"chartButton", "helpButton", "aboutButton"}) {
    click(calculator(), button);
    QWidget* opened = view(*app->windows().back());
    EXPECT_EQ(opened->windowHandle()->transientParent(), view(calculator())->windowHandle()) << button;
    for (QWidget* w : {opened, view(calculator())}) {
      w->windowHandle()->setWindowState(Qt::WindowMaximized);
      processEvents();
      EXPECT_EQ(w->windowState(), Qt::WindowNoState) << button;
    }
    click(calculator(), button);
  }
}

// The calculator and the chart show the program's icon in their title bars; the about box shows
// none, not a stand-in of the desktop's.
TEST_F(AuxViewsTest, TitleBarIconsFollowTheirWindows) {
  const auto opaquePixels = [](const QWidget* w) {
    const QImage image = w->windowIcon().pixmap(32, 32).toImage();
    int n = 0;
    for (int y = 0; y < image.height(); ++y) {
      for (int x = 0; x < image.width(); ++x) n += qAlpha(image.pixel(x, y)) > 0;
    }
    return n;
  };
  EXPECT_GT(opaquePixels(view(calculator())), 100);
  click(calculator(), "chartButton");
  EXPECT_GT(opaquePixels(view(*app->find<ChartWindow>())), 100);
  click(calculator(), "aboutButton");  // closes the chart
  click(calculator(), "aboutButton");
  QWidget* about = view(*app->find<AboutBox>());
  EXPECT_FALSE(about->windowIcon().isNull());  // an icon of its own, so the desktop adds none
  EXPECT_EQ(opaquePixels(about), 0);
}

TEST_F(AuxViewsTest, HelpPageShowsItsFirstLineAndExactlyAPage) {
  std::string text;
  for (int i = 0; i < 40; ++i) text += "WWWW " + std::to_string(i) + "\r\n";
  text += "//\r\n";
  folder.write("ZENHELP.TXT", text);
  click(calculator(), "helpButton");
  HelpWindow* help = app->find<HelpWindow>();
  ASSERT_NE(help, nullptr);
  ASSERT_EQ(help->page().printedLines().size(), 31u);
  EXPECT_EQ(help->page().printedLines().front(), " WWWW 0");

  QWidget* page = widget(*help, "page");
  ASSERT_EQ(page->size(), QSize(441, 377));
  const QImage image = grabImage(*page);
  saveGrab(image, "help-page.png");
  saveGrab(grabImage(*view(*help)), "help-window.png");
  EXPECT_EQ(pixelAt(image, QPoint(430, 5)), 0xC0FFC0u);
  const double pitch = 377.0 / 31;
  for (int line : {0, 1, 30}) {
    const QRect band(0, int(line * pitch) + 1, 100, int(pitch) - 2);
    EXPECT_GT(inkIn(image, band), 10) << "line " << line;
  }
  // Nothing wraps into the page's right side (inside the focus mark at its edges).
  EXPECT_EQ(inkIn(image, QRect(120, 1, 320, 375)), 0);

  // The scroll bar's widget moves the model, and the page follows.
  auto* bar = qobject_cast<QScrollBar*>(widget(*help, "scrollBar"));
  ASSERT_NE(bar, nullptr);
  EXPECT_EQ(bar->maximum(), 10);
  bar->setValue(10);
  processEvents();
  EXPECT_EQ(help->page().printedLines().front(), " WWWW 10");
  EXPECT_EQ(help->page().printedLines().size(), 30u);
}

TEST_F(AuxViewsTest, LongHelpLineIsCutAtTheEdge) {
  folder.write("ZENHELP.TXT", std::string(200, 'W') + "\r\nnext\r\n//\r\n");
  click(calculator(), "helpButton");
  const QImage image = grabImage(*widget(*app->find<HelpWindow>(), "page"));
  const int pitch = 377 / 31;
  EXPECT_GT(inkIn(image, QRect(420, 1, 20, pitch - 2)), 10);  // the first line runs to the edge
  EXPECT_EQ(inkIn(image, QRect(60, pitch + 1, 380, pitch - 2)), 0);  // the second holds only "next"
  EXPECT_GT(inkIn(image, QRect(0, pitch + 1, 60, pitch - 2)), 10);
}

// The help text shipped with the program pages on the screen, and none of its lines is wider than
// the page in the page's own font.
TEST_F(AuxViewsTest, ShippedHelpTextFitsThePage) {
  fs::copy_file(fs::path(ZEN_ASSETS_DIR) / "ZENHELP.TXT", folder.path() / "ZENHELP.TXT");
  click(calculator(), "helpButton");
  HelpWindow* help = app->find<HelpWindow>();
  ASSERT_NE(help, nullptr);
  ASSERT_EQ(help->page().printedLines().size(), 31u);
  EXPECT_EQ(help->page().printedLines().front(), " ZENTARIO　カラーコード抵抗計算　Ver 1.95　ヘルプ");
  EXPECT_GT(help->scrollBar().maximum(), 0);
  saveGrab(grabImage(*view(*help)), "help-shipped.png");

  QWidget* page = widget(*help, "page");
  const QFontMetrics fm(qt::toQFont(help->page().font()), page);
  const int end = HelpTextEnd(app->helpLines());
  for (int i = 0; i < end; ++i) {
    const QString line = QString::fromStdString(" " + app->helpLines()[std::size_t(i)]);
    EXPECT_LE(fm.horizontalAdvance(line), page->width()) << "line " << i + 1;
  }
  help->scrollBar().setValue(help->scrollBar().maximum());
  renderer->sync();
  saveGrab(grabImage(*view(*help)), "help-shipped-end.png");
}

// The help page is read-only lines a reader reads from the page's first; the keys scroll it as the
// bar does, and Escape closes it, handing the keyboard back to HELP. The chart and the about box are
// dialogs read out by their content, the chart named 色帯表 under its ZENTARIO title bar.
TEST_F(AuxViewsTest, HelpReadsAsTextAndWindowsAsTheModelSays) {
  std::string text;
  for (int i = 0; i < 40; ++i) text += "line " + std::to_string(i) + "\r\n";
  folder.write("ZENHELP.TXT", text + "//\r\n");
  click(calculator(), "helpButton");
  QWidget* page = widget(*app->find<HelpWindow>(), "page");
  ASSERT_EQ(view(*app->find<HelpWindow>())->focusWidget(), page);
  QAccessibleInterface* reader = QAccessible::queryAccessibleInterface(page);
  QAccessibleTextInterface* t = reader->textInterface();
  EXPECT_TRUE(reader->state().readOnly && reader->state().multiLine);
  int start = 0, end = 0;
  for (const auto& [k, line] : {std::pair(Qt::Key_Down, "line 1"), std::pair(Qt::Key_PageDown, "line 10"),
                                std::pair(Qt::Key_End, "line 39"), std::pair(Qt::Key_Home, "line 0")}) {
    key(page, k);
    EXPECT_EQ(t->textAtOffset(t->cursorPosition(), QAccessible::LineBoundary, &start, &end).trimmed(), line);
  }
  EXPECT_FALSE(t->characterRect(t->cursorPosition()).isEmpty());
  key(page, Qt::Key_Escape);
  EXPECT_EQ(view(calculator())->focusWidget(), widget(calculator(), "entryBox"));

  const char* dialogs[][4] = {{"chartButton", "色帯表", "ZENTARIO", "カラーコード抵抗表\n黒: 第1数 0"},
                              {"aboutButton", "ﾊﾞｰｼﾞｮﾝ情報", "ﾊﾞｰｼﾞｮﾝ情報", "色帯抵抗\nVer 1.95\n色帯抵抗は"}};
  for (const auto& [opener, name, title, content] : dialogs) {
    click(calculator(), opener);
    QWidget* window = view(*app->windows().back());
    QAccessibleInterface* dialog = QAccessible::queryAccessibleInterface(window);
    EXPECT_EQ(dialog->role(), QAccessible::Dialog);
    EXPECT_EQ(dialog->text(QAccessible::Name), QString(name));
    EXPECT_EQ(window->windowTitle(), QString(title));
    EXPECT_TRUE(dialog->text(QAccessible::Description).startsWith(QString(content))) << opener;
    click(calculator(), opener);
  }
}

TEST_F(AuxViewsTest, EnterAndEscapeCloseTheAboutBox) {
  for (const int k : {int(Qt::Key_Return), int(Qt::Key_Escape), int(Qt::Key_Enter)}) {
    click(calculator(), "aboutButton");
    AboutBox* about = app->find<AboutBox>();
    ASSERT_NE(about, nullptr);
    if (k == Qt::Key_Return) saveGrab(grabImage(*view(*about)), "about.png");
    QWidget* ok = widget(*about, "okButton");
    EXPECT_EQ(view(*about)->focusWidget(), ok);
    key(ok, k);
    EXPECT_EQ(app->find<AboutBox>(), nullptr) << k;
    EXPECT_EQ(app->auxWindowFlag(), kAuxClosed);
  }
}

TEST_F(AuxViewsTest, EnterPressesTheFocusedButtonAndEscapeStillCancels) {
  const ScopedPath path(folder.path().string());  // no system-information program here
  click(calculator(), "aboutButton");
  AboutBox* about = app->find<AboutBox>();
  QWidget* sysInfo = widget(*about, "systemInfoButton");
  sysInfo->setFocus();
  key(sysInfo, Qt::Key_Return);
  EXPECT_NE(app->find<AboutBox>(), nullptr);
  ASSERT_EQ(platform->messages.size(), 1u);
  EXPECT_EQ(platform->messages[0], kSysInfoUnavailable);
  key(sysInfo, Qt::Key_Escape);
  EXPECT_EQ(app->find<AboutBox>(), nullptr);
}

TEST_F(AuxViewsTest, EnterDoesNothingWhereNoButtonIsDefault) {
  QWidget* entry = renderer->widget(calculator().entryBox());
  key(entry, Qt::Key_Return);
  key(renderer->windowWidget(calculator()), Qt::Key_Escape);
  EXPECT_EQ(app->windows().size(), 1u);
  EXPECT_EQ(platform->ends, 0);
}

TEST_F(AuxViewsTest, SystemInformationStartsARealProgramFromThePath) {
  TempDir bin;
  const fs::path marker = bin.path() / "started";
  bin.write("hardinfo", "#!/bin/sh\necho started > '" + marker.string() + "'\n");
  fs::permissions(bin.path() / "hardinfo", fs::perms::owner_all);
  const ScopedPath path(bin.path().string());
  click(calculator(), "aboutButton");
  click(*app->find<AboutBox>(), "systemInfoButton");
  EXPECT_TRUE(platform->messages.empty());
  EXPECT_NE(app->find<AboutBox>(), nullptr);  // the box stays open
  // The program runs on its own; the click did not wait for it.
  QElapsedTimer waited;
  waited.start();
  while (!fs::exists(marker) && waited.elapsed() < 60000) QThread::msleep(20);
  EXPECT_TRUE(fs::exists(marker));
}

TEST(InstalledHelpTest, TheBuildPutsTheHelpTextWhereTheProgramLooks) {
  auto read = [](const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
  };
  const std::string shipped = read(fs::path(ZEN_ASSETS_DIR) / "ZENHELP.TXT");
  ASSERT_FALSE(shipped.empty());
  EXPECT_EQ(read(fs::path(ZEN_BUILD_DATA_DIR) / "ZENHELP.TXT"), shipped);
  EXPECT_EQ(RecordingQtPlatform({}).installedDataFolder(), fs::path(ZEN_BUILD_DATA_DIR));
}

}  // namespace
}  // namespace zen::test
