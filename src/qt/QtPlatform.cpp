#include "QtPlatform.h"

#include <QApplication>
#include <QDateTime>
#include <QDesktopServices>
#include <QMessageBox>
#include <QOpenGLContext>
#include <QDir>
#include <QFile>
#include <QLibrary>
#include <QProcess>
#include <unistd.h>

// Qt's hook for the application-wide OpenGL context that every other context shares with; QtGui
// exports it, and Qt WebEngine sets it the same way when it is linked into a program.
Q_GUI_EXPORT void qt_gl_set_global_share_context(QOpenGLContext* context);

namespace zen::qt {

QtPlatform::QtPlatform(std::filesystem::path appFolder, QString programFolder)
    : appFolder_(std::move(appFolder)), programFolder_(std::move(programFolder)) {}

void QtPlatform::beep() { QApplication::beep(); }

LocalDateTime QtPlatform::now() {
  const QDateTime t = QDateTime::currentDateTime();
  const QDate d = t.date();
  const QTime h = t.time();
  // Qt counts Monday as 1 and Sunday as 7; the clock counts Sunday as 1.
  return LocalDateTime{d.year(), d.month(), d.day(), h.hour(), h.minute(), h.second(), d.dayOfWeek() % 7 + 1};
}

bool QtPlatform::startProgram(const std::string& program, const std::vector<std::string>& arguments) {
  QStringList args;
  for (const auto& a : arguments) args << QString::fromStdString(a);
  return QProcess::startDetached(QString::fromStdString(program), args);
}

bool QtPlatform::knowsWindowPositions() {
  // A Wayland client is told neither where its windows are nor allowed to put them anywhere: the
  // compositor places them. Every other platform Qt runs the calculator on (X, and the offscreen
  // one of the tests) reports and honours positions. Qt's Wayland platforms are all named
  // "wayland" or "wayland-<something>".
  return !QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

void QtPlatform::messageBox(const std::string& text, const std::string& title) {
  QMessageBox::information(QApplication::activeWindow(), QString::fromStdString(title), QString::fromStdString(text),
                           QMessageBox::Ok);
}

void QtPlatform::endProgram() { QCoreApplication::exit(0); }

bool QtPlatform::openInWebBrowser(const std::string& address) {
  const QUrl url = QUrl::fromUserInput(QString::fromStdString(address));
  return url.isValid() && openUrl(url);
}

bool QtPlatform::openUrl(const QUrl& url) { return QDesktopServices::openUrl(url); }

namespace {
// A folder of the installation, from the folder the program runs from. Only these relative paths
// are built in (ZEN_DATA_FROM_PROGRAM, ZEN_MODULE_FROM_PROGRAM), so any install prefix works.
QString installedFolder(const QString& programFolder, const char* relative) {
  const QString from = programFolder.isEmpty() ? QCoreApplication::applicationDirPath() : programFolder;
  return QDir::cleanPath(QDir(from).filePath(QString::fromUtf8(relative)));
}
}  // namespace

std::filesystem::path QtPlatform::installedDataFolder() {
  return std::filesystem::path(QFile::encodeName(installedFolder(programFolder_, ZEN_DATA_FROM_PROGRAM)).toStdString());
}

QString QtPlatform::webModulePath() const {
  return QDir(installedFolder(programFolder_, ZEN_MODULE_FROM_PROGRAM)).filePath(QStringLiteral("libzenweb.so"));
}

namespace {

// Chromium switches that keep the engine from going on the network by itself; pages the user
// asks for still load.
constexpr const char* kQuietEngineFlags[] = {
    "--disable-background-networking",
    "--disable-component-update",
    "--disable-domain-reliability",
    "--disable-breakpad",
    "--disable-sync",
    "--no-pings",
    "--dns-prefetch-disable",
};

QOpenGLContext* sharedContext = nullptr;

void dropSharedOpenGL() {
  qt_gl_set_global_share_context(nullptr);
  delete sharedContext;
  sharedContext = nullptr;
}

// Loads the module once and keeps it for the whole run: Qt WebEngine cannot be unloaded.
ZenCreateWebBrowser webModule(const QString& path) {
  static const ZenCreateWebBrowser create = [&path]() -> ZenCreateWebBrowser {
    PrepareSharedOpenGL();
    PrepareWebEngineEnvironment();
    static QLibrary library;  // kept, and the module with it, until the program ends
    library.setLoadHints(QLibrary::PreventUnloadHint);
    library.setFileName(path);
    if (!library.load()) {
      qWarning("The browser module could not be loaded: %s", qUtf8Printable(library.errorString()));
      return nullptr;
    }
    return reinterpret_cast<ZenCreateWebBrowser>(library.resolve(kZenCreateWebBrowserSymbol));
  }();
  return create;
}

}  // namespace

void PrepareSharedOpenGL() {
  if (QOpenGLContext::globalShareContext()) return;
  // Made now rather than with the application object: creating an OpenGL context costs the
  // calculator's start-up tens of milliseconds on a software renderer, and nothing before the
  // browser uses OpenGL. The engine finds it when it starts, as if it had been there from the start.
  auto* context = new QOpenGLContext;
  context->setFormat(QSurfaceFormat::defaultFormat());
  // Without OpenGL (the offscreen platform) the context stays invalid and the engine composites in
  // software; it is installed all the same, as Qt itself does, because the engine reads its format.
  context->create();
  sharedContext = context;
  qt_gl_set_global_share_context(context);
  qAddPostRoutine(dropSharedOpenGL);
  // Widgets that render with OpenGL (the engine's page) share with it only under this attribute.
  // Qt warns that it belongs before the application object, which is the one thing this choice
  // avoids; that warning alone is kept out of the log.
  static QtMessageHandler previous = nullptr;
  previous = qInstallMessageHandler([](QtMsgType type, const QMessageLogContext& where, const QString& text) {
    if (!text.contains(QLatin1String("AA_ShareOpenGLContexts")) && previous) previous(type, where, text);
  });
  QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
  qInstallMessageHandler(previous);
}

void PrepareWebEngineEnvironment() {
  if (::geteuid() == 0 && !qEnvironmentVariableIsSet("QTWEBENGINE_DISABLE_SANDBOX")) {
    qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
  }
  QByteArray flags = qgetenv("QTWEBENGINE_CHROMIUM_FLAGS").trimmed();
  for (const char* flag : kQuietEngineFlags) {
    if (flags.contains(flag)) continue;
    if (!flags.isEmpty()) flags += ' ';
    flags += flag;
  }
  qputenv("QTWEBENGINE_CHROMIUM_FLAGS", flags);
  // Qt WebEngine 6.4 builds the page's accessibility tree on Linux only when this is set (it is
  // off by default there for its cost); it then builds it only while a reader listens.
  if (!qEnvironmentVariableIsSet("QTWEBENGINE_ENABLE_LINUX_ACCESSIBILITY")) {
    qputenv("QTWEBENGINE_ENABLE_LINUX_ACCESSIBILITY", "1");
  }
}

std::unique_ptr<BrowserControl> QtPlatform::createBrowser() {
  const ZenCreateWebBrowser create = webModule(webModulePath());
  if (!create) return nullptr;
  return std::unique_ptr<BrowserControl>(create(engineDispatch_ ? &engineDispatch_ : nullptr));
}

QWidget* QtPlatform::browserWidget(BrowserControl* engine) {
  auto* web = dynamic_cast<WebBrowser*>(engine);
  return web ? web->widget() : nullptr;
}

}  // namespace zen::qt
