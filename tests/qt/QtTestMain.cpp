// GoogleTest's main for the Qt tests: one QApplication on the offscreen platform for all of them.

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
