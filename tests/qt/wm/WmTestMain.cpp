// GoogleTest's main for the window-manager tests: a private X server with openbox on it, and one
// QApplication on that server for all the tests. Both are stopped at the end, the application
// first (it ends the process when its server goes away).

#include <gtest/gtest.h>

#include <QApplication>
#include <cstdlib>
#include <iostream>

#include "Desktop.h"
#include "Geometry.h"
#include "TempDir.h"

int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  zen::test::TempDir folder;
  zen::test::Desktop desktop(folder.path());
  if (!desktop.serverRunning()) {
    std::cerr << "the X server (Xvfb) did not start\n";
    return 1;
  }
  setenv("QT_QPA_PLATFORM", "xcb", 1);
  int result = 1;
  {
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    zen::qt::installFontSubstitutions();
    if (!desktop.startWindowManager()) {
      std::cerr << "the window manager (openbox) did not start\n";
      return 1;
    }
    result = RUN_ALL_TESTS();
  }
  return result;
}
