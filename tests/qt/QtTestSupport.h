#pragma once
// What the offscreen Qt tests share: a QApplication, a platform that records instead of acting,
// and helpers to grab pixels and to click and type on real widgets.

#include <gtest/gtest.h>

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QWidget>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "App.h"
#include "CalculatorWindow.h"
#include "QtPlatform.h"
#include "Renderer.h"
#include "TempDir.h"

// Geometry in failure messages as numbers, not bytes.
inline void PrintTo(const QPoint& p, std::ostream* os) { *os << "(" << p.x() << ", " << p.y() << ")"; }
inline void PrintTo(const QSize& s, std::ostream* os) { *os << s.width() << " x " << s.height(); }
inline void PrintTo(const QRect& r, std::ostream* os) {
  *os << r.width() << " x " << r.height() << " at (" << r.x() << ", " << r.y() << ")";
}

namespace zen::test {

// The build tree lays out the program's files as an installation does; the tests run from
// elsewhere, so they name the build's program folder to find the help text and the browser module.
class RecordingQtPlatform : public qt::QtPlatform {
 public:
  explicit RecordingQtPlatform(std::filesystem::path folder)
      : QtPlatform(std::move(folder), QStringLiteral(ZEN_BUILD_PROGRAM_DIR)) {}
  void beep() override { ++beeps; }
  void messageBox(const std::string& text, const std::string&) override { messages.push_back(text); }
  void endProgram() override { ++ends; }
  // The real engine unless a test hands in its own maker; one that makes nothing gives a browser
  // window without a page, as on a machine without the engine.
  std::unique_ptr<BrowserControl> createBrowser() override {
    return browserFactory ? browserFactory() : QtPlatform::createBrowser();
  }
  // What QDesktopServices would have been given.
  bool openUrl(const QUrl& url) override {
    openedUrls.push_back(url);
    return true;
  }
  std::function<std::unique_ptr<BrowserControl>()> browserFactory;
  std::vector<QUrl> openedUrls;
  // What the platform says about window positions, unless a test says otherwise.
  bool knowsWindowPositions() override { return knowsPositions.value_or(QtPlatform::knowsWindowPositions()); }
  std::optional<bool> knowsPositions;
  int beeps = 0;
  int ends = 0;
  std::vector<std::string> messages;
};

// The calculator started on real widgets, in a temporary folder, with a recording platform.
// A fixture says which special views it needs in registerViews().
class OnScreenTest : public ::testing::Test {
 protected:
  explicit OnScreenTest(double dpi = 96.0) : dpi_(dpi) {}
  void SetUp() override;
  void TearDown() override;
  virtual void registerViews(qt::Renderer&, RecordingQtPlatform&) {}

  CalculatorWindow& calculator() { return app->calculator(); }
  // The widget of a window's control, by the control's name.
  QWidget* widgetOf(const Window& w, const std::string& name) { return renderer->widget(*w.find(name)); }
  QWidget* view(const Window& w) { return renderer->windowWidget(w); }

  TempDir folder;
  std::unique_ptr<RecordingQtPlatform> platform;
  std::unique_ptr<App> app;
  std::unique_ptr<qt::Renderer> renderer;

 private:
  double dpi_;
};

// The widget's own pixels, at one device pixel per logical pixel.
QImage grabImage(QWidget& w);
// The colour at a point of a grabbed image, as 0x00BBGGRR.
unsigned pixelAt(const QImage& image, QPoint p);
// A real press and release of the left button at the widget's centre (or at a point of it).
void clickOn(QWidget* w);
void clickOn(QWidget* w, QPoint at);
// Real key events for each character, as typing would send them.
void typeInto(QWidget* w, const QString& text);
// Lets queued events run.
void processEvents();
// Runs the event loop until done() holds, looking again after every batch of events; false when
// the time is up first. QTest::qWaitFor looks only when the queue runs dry, which the web engine's
// steady stream of events puts off for seconds.
bool waitUntil(const std::function<bool()>& done, int timeoutMs);

}  // namespace zen::test
