#include "Program.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <cstdlib>
#include <iostream>
#include <memory>

#include "App.h"
#include "AppFolder.h"
#include "CalculatorWindow.h"
#include "CommandLine.h"
#include "CaretRest.h"
#include "DisplayCheck.h"
#include "Geometry.h"
#include "QtPlatform.h"
#include "QtTexts.h"
#include "Renderer.h"
#include "Views.h"

namespace zen::qt {

namespace {
// Quits the event loop after the first paint of the widget it watches.
class FirstPaintQuitter : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint && !done_) {
      done_ = true;
      // Timing ends at the first paint: leave at once, without tearing the windows down.
      QTimer::singleShot(0, qApp, [] { std::_Exit(0); });
    }
    return QObject::eventFilter(watched, event);
  }

 private:
  bool done_ = false;
};

// Qt's X11 back end hands a window's pixels to the X server through shared memory and, before it
// paints the same place again, waits for the server to be done with them: a round trip that wakes
// the process twice more for each second the clock shows. The calculator's windows are small, so
// their pixels go over the connection instead and the clock's second is the process's only
// wakeup.
constexpr char kNoSharedMemory[] = "QT_XCB_NO_MITSHM";

// Where the user chose no platform, the program runs on X whenever its display can be reached:
// only X lets a program put its windows back where the user left them, and a Wayland desktop
// offers X as well (XWayland). Without X it runs on Wayland, natively, when the environment names
// a Wayland display, as every Wayland session does. Qt tries a list in order.
constexpr char kPlatform[] = "QT_QPA_PLATFORM";
const char* platformsInOrder() {
  const bool wayland = !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") || qEnvironmentVariableIsSet("WAYLAND_SOCKET");
  return wayland ? "xcb;wayland" : "xcb";
}

// A setting for the application object, put into the environment while the object is made and
// only when the environment has none: a choice the user made stands, and programs started later
// (the system information tool) get the environment as it was.
class DefaultForQt {
 public:
  DefaultForQt(const char* name, const char* value, bool chosen) : name_(name), set_(!chosen) {
    if (set_) qputenv(name, value);
  }
  ~DefaultForQt() {
    if (set_) qunsetenv(name_);
  }
  DefaultForQt(const DefaultForQt&) = delete;
  DefaultForQt& operator=(const DefaultForQt&) = delete;

 private:
  const char* name_;
  bool set_;
};
}  // namespace

int runProgram(int argc, char** argv, const ProgramOptions& options) {
  const CommandLine commandLine = ReadCommandLine(argc, argv, std::cout, std::cerr, options.helpSections);
  if (commandLine.exitStatus) return *commandLine.exitStatus;

  // Qt::AA_ShareOpenGLContexts is not set here: it would create an OpenGL context at every start.
  // The browser's engine gets its shared context when it first opens (PrepareSharedOpenGL).
  std::unique_ptr<QApplication> qapp;
  {
    // Qt reads an empty QT_QPA_PLATFORM as none.
    const DefaultForQt platform(kPlatform, platformsInOrder(),
                                commandLine.platformChosen || !qEnvironmentVariableIsEmpty(kPlatform));
    const DefaultForQt sharedMemory(kNoSharedMemory, "1", qEnvironmentVariableIsSet(kNoSharedMemory));
    const DisplayCheck displayCheck;
    qapp = std::make_unique<QApplication>(argc, argv);
  }
  QApplication::setApplicationName(QStringLiteral("ZENTARIO"));
  QApplication::setApplicationVersion(QStringLiteral(ZEN_VERSION));
  // The desktop entry, the icon and the AppStream data all go by this name.
  QGuiApplication::setDesktopFileName(QStringLiteral(ZEN_APP_ID));
  QApplication::setQuitOnLastWindowClosed(false);  // the model decides when the program ends
  installFontSubstitutions();
  installJapaneseQtTexts();
  const CaretRest caretRest;

  QtPlatform platform(DecideAppFolder(commandLine.folder));
  App app(platform);
  Renderer renderer(app);
  registerViews(renderer, platform);
  app.start();
  renderer.sync();
  FirstPaintQuitter quitter;
  if (options.exitAfterFirstPaint) {
    if (QWidget* w = renderer.windowWidget(app.calculator())) w->installEventFilter(&quitter);
  }
  if (app.ended()) return 0;
  return QApplication::exec();
}

}  // namespace zen::qt
