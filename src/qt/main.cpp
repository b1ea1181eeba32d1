// ZENTARIO: the resistor colour-code calculator.

#include <QApplication>

#include "App.h"
#include "Geometry.h"
#include "QtPlatform.h"
#include "Renderer.h"
#include "Views.h"

int main(int argc, char** argv) {
  // The browser's engine, loaded later from its module, shares OpenGL resources with the widgets;
  // that has to be settled before the application object exists.
  QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
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
