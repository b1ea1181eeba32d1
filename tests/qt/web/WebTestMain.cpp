// GoogleTest's main for the web tests: one QApplication on the offscreen platform, set up the way
// the program's main() sets it up (the engine's shared OpenGL context comes with its first opening).

#include <gtest/gtest.h>

#include <QApplication>
#include <cstdlib>

#include "Geometry.h"

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  QApplication app(argc, argv);
  QApplication::setQuitOnLastWindowClosed(false);
  zen::qt::installFontSubstitutions();
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
