// Typing with a real Japanese input method, fcitx5 with Mozc, switched on in hiragana mode for every
// box, on a private X server with a session bus of its own. Mozc's server refuses to run as root,
// so started as root the test first becomes "nobody", as the fault tests do.

#include <gtest/gtest.h>
#include <unistd.h>

#include <QApplication>
#include <QLineEdit>
#include <QProcess>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <string>

#include "Desktop.h"
#include "Geometry.h"
#include "QtTestSupport.h"
#include "Unprivileged.h"

namespace zen::test {
namespace {

constexpr int kTimeoutMs = 60000;

void pressKey(const QString& key) { QProcess::execute(QStringLiteral("xdotool"), {QStringLiteral("key"), key}); }

// What a user with the input method on gets: the focused window's box, typed into by real keys.
bool focusAndWait(QWidget* box) {
  box->window()->activateWindow();
  box->setFocus();
  return waitUntil([&] { return QApplication::focusWidget() == box && box->window()->isActiveWindow(); },
                   kTimeoutMs);
}

using InputMethodTest = OnScreenTest;

TEST_F(InputMethodTest, DigitsTypedInHiraganaModePaintTheBandsKeyByKeyWithoutABeep) {
  // An ordinary text box composes: the input method is on, in hiragana mode.
  QLineEdit other;
  other.show();
  ASSERT_TRUE(focusAndWait(&other));
  // Mozc starts its server at the first key and lets keys pass until the server answers: type until
  // the box composes.
  const auto composes = [&] {
    other.clear();
    pressKey(QStringLiteral("4"));
    pressKey(QStringLiteral("Return"));
    waitUntil([&] { return !other.text().isEmpty(); }, kTimeoutMs / 10);
    return other.text() == QStringLiteral("４");
  };
  ASSERT_TRUE(waitUntil(composes, kTimeoutMs)) << "the input method does not compose: " << other.text().toStdString();
  other.hide();

  auto* entry = qobject_cast<QLineEdit*>(widgetOf(form(), "Text5"));
  ASSERT_TRUE(focusAndWait(entry));
  const QString typed = QStringLiteral("4700");
  for (qsizetype n = 1; n <= typed.size(); ++n) {
    pressKey(typed.at(n - 1));
    EXPECT_TRUE(waitUntil([&] { return form().Text5().text() == typed.left(n).toStdString(); }, kTimeoutMs / 4))
        << "after " << n << " keys: " << form().Text5().text();
  }
  processEvents();
  EXPECT_EQ(form().find("Label7")->caption() + form().find("Label8")->caption() + form().find("Label9")->caption(),
            "黄紫赤");
  EXPECT_EQ(form().Text1().text(), "4700");
  EXPECT_EQ(platform->beeps, 0);
}

// fcitx5 with Mozc as the one input method of the session, active in every new box.
void configureInputMethod(const TempDir& folder) {
  std::filesystem::create_directories(folder.path() / "home/.config/fcitx5");
  folder.write("home/.config/fcitx5/profile",
               "[Groups/0]\nName=Default\nDefault Layout=us\nDefaultIM=mozc\n"
               "[Groups/0/Items/0]\nName=keyboard-us\n[Groups/0/Items/1]\nName=mozc\n"
               "[GroupOrder]\n0=Default\n");
  folder.write("home/.config/fcitx5/config", "[Behavior]\nActiveByDefault=True\nShareInputState=All\n");
}

}  // namespace
}  // namespace zen::test

int main(int argc, char** argv) {
  namespace fs = std::filesystem;
  testing::InitGoogleTest(&argc, argv);
  if (::geteuid() == 0) zen::test::becomeUnprivileged();
  zen::test::TempDir folder;
  const fs::path home = folder.path() / "home";
  const fs::path runtime = folder.path() / "run";
  fs::create_directories(runtime);
  fs::permissions(runtime, fs::perms::owner_all);
  zen::test::configureInputMethod(folder);
  setenv("HOME", home.c_str(), 1);
  setenv("XDG_CONFIG_HOME", (home / ".config").c_str(), 1);
  setenv("XDG_RUNTIME_DIR", runtime.c_str(), 1);
  const std::string bus = "unix:path=" + (runtime / "bus").string();
  setenv("DBUS_SESSION_BUS_ADDRESS", bus.c_str(), 1);

  zen::test::Desktop desktop(folder.path());
  if (!desktop.serverRunning()) {
    std::cerr << "the X server (Xvfb) did not start\n";
    return 1;
  }
  desktop.startSessionProgram({"dbus-daemon", "--session", "--nofork", "--address=" + bus}, "bus");
  desktop.startSessionProgram({"fcitx5", "--disable=wayland,waylandim,notificationitem,kimpanel,classicui"}, "fcitx5");
  // fcitx5-remote answers once the input method serves the bus.
  int waited = 0;
  while (std::system("fcitx5-remote >/dev/null 2>&1") != 0) {
    if (++waited > 600) {
      std::cerr << "fcitx5 did not start:\n" << folder.read("fcitx5.log") << "\n";
      return 1;
    }
    usleep(100000);
  }
  setenv("QT_QPA_PLATFORM", "xcb", 1);
  setenv("QT_IM_MODULE", "fcitx", 1);
  int result = 1;
  {
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    zen::qt::installFontSubstitutions();
    result = RUN_ALL_TESTS();
  }
  return result;
}
