// ZENTARIO: the resistor colour-code calculator.

#include <QApplication>

#include "App.h"
#include "Geometry.h"
#include "QtPlatform.h"
#include "Renderer.h"
#include "Views.h"

int main(int argc, char** argv) {
  // Qt::AA_ShareOpenGLContexts is not set here: it would create an OpenGL context at every start.
  // The browser's engine gets its shared context when it first opens (PrepareSharedOpenGL).
  QApplication qapp(argc, argv);
  QApplication::setApplicationName(QStringLiteral("ZENTARIO"));
  QApplication::setQuitOnLastWindowClosed(false);  // the model decides when the program ends
  zen::qt::installFontSubstitutions();

  zen::qt::QtPlatform platform;
  zen::App app(platform);
  zen::qt::Renderer renderer(app);
  zen::qt::registerViews(renderer, platform);
  app.start();
  renderer.sync();
  if (app.ended()) return 0;
  return QApplication::exec();
}
