// Start-up probe: starts the calculator the way main() does and ends right after the calculator
// window's first paint, so hyperfine can time process start to first paint.
//
//   startup_probe                       the calculator without the browser's set-up
//   startup_probe --browser             with the browser's views, as main() starts it
//   startup_probe --browser --share-gl  the same with Qt::AA_ShareOpenGLContexts set before the
//                                       application object (which main() avoids; for comparison)
//   startup_probe_linked --browser      the same program linked against Qt WebEngine (for comparison)
//   ... --open-browser                  after the first paint, presses W E V and ends when the
//                                       starting page has loaded (prints how long that took)

#include <QApplication>
#include <filesystem>
#include <QElapsedTimer>
#include <QEvent>
#include <QTimer>
#include <cstdio>
#include <cstring>
#include <functional>

#include "App.h"
#include "BrowserWindow.h"
#include "CalculatorWindow.h"
#include "Geometry.h"
#include "QtPlatform.h"
#include "Renderer.h"
#include "Views.h"

#ifdef ZEN_PROBE_LINK_WEBENGINE
#include <QWebEngineProfile>
#endif

namespace {

class FirstPaint : public QObject {
 public:
  std::function<void()> then = [] { QCoreApplication::exit(0); };

 protected:
  bool eventFilter(QObject* watched, QEvent* e) override {
    if (e->type() == QEvent::Paint && !seen_) {
      seen_ = true;
      QTimer::singleShot(0, qApp, then);
    }
    return QObject::eventFilter(watched, e);
  }

 private:
  bool seen_ = false;
};

bool has(int argc, char** argv, const char* flag) {
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], flag) == 0) return true;
  }
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  const bool browser = has(argc, argv, "--browser");
  if (has(argc, argv, "--share-gl")) QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
  QApplication qapp(argc, argv);
#ifdef ZEN_PROBE_LINK_WEBENGINE
  // Keeps the link to Qt WebEngine, as a program that used it directly would have.
  volatile const void* keep = &QWebEngineProfile::staticMetaObject;
  (void)keep;
#endif
  QApplication::setQuitOnLastWindowClosed(false);
  zen::qt::installFontSubstitutions();
  // Settings are read from the folder it runs in, as a start with --folder there would.
  zen::qt::QtPlatform platform(std::filesystem::current_path());
  zen::App app(platform);
  zen::qt::Renderer renderer(app);
  if (browser) {
    zen::qt::registerViews(renderer, platform);
  } else {
    zen::qt::registerAuxiliaryViews(renderer);
  }
  app.start();
  FirstPaint firstPaint;
  QElapsedTimer opening;
  QTimer poll;
  if (has(argc, argv, "--open-browser")) {
    firstPaint.then = [&] {
      opening.start();
      zen::CalculatorWindow& f = app.calculator();
      renderer.dispatch([&f] { f.webPressed(); });
      poll.start(1);
    };
    QObject::connect(&poll, &QTimer::timeout, [&] {
      auto* b = app.find<zen::BrowserWindow>();
      if (b && b->caption() == "ZENTARIO ホームページ") {
        std::fprintf(stderr, "W E V to starting page: %.1f ms\n", double(opening.nsecsElapsed()) / 1e6);
        QCoreApplication::exit(0);
      }
    });
  }
  renderer.sync();
  if (QWidget* w = renderer.windowWidget(app.calculator())) w->installEventFilter(&firstPaint);
  return QApplication::exec();
}
