// Typing with a real Japanese input method: fcitx5 with Mozc, on in hiragana mode in every box, on an
// X server and a session bus of the test's own. Mozc's server refuses to run as root; the fault
// tests' main, which this program shares, makes the process "nobody" first.

#include <gtest/gtest.h>
#include <unistd.h>

#include <QApplication>
#include <QLineEdit>
#include <QProcess>
#include <cstdlib>
#include <memory>
#include <string>

#include "Desktop.h"
#include "QtTestSupport.h"

namespace zen::test {
namespace {

constexpr int kTimeoutMs = 60000;

// The session, made once the process is nobody, and stopped after the last test.
class InputMethodSession : public ::testing::Environment {
 public:
  void SetUp() override {
    folder_ = std::make_unique<TempDir>();
    std::filesystem::create_directories(folder_->path() / "fcitx5");
    folder_->write("fcitx5/profile",
                   "[Groups/0]\nName=Default\nDefault Layout=us\nDefaultIM=mozc\n[Groups/0/Items/0]\n"
                   "Name=keyboard-us\n[Groups/0/Items/1]\nName=mozc\n[GroupOrder]\n0=Default\n");
    folder_->write("fcitx5/config", "[Behavior]\nActiveByDefault=True\nShareInputState=All\n");
    setenv("HOME", folder_->path().c_str(), 1);
    setenv("XDG_CONFIG_HOME", folder_->path().c_str(), 1);
    const std::string bus = "unix:path=" + (folder_->path() / "bus").string();
    setenv("DBUS_SESSION_BUS_ADDRESS", bus.c_str(), 1);
    desktop_ = std::make_unique<Desktop>(folder_->path());
    ASSERT_TRUE(desktop_->serverRunning());
    desktop_->startSessionProgram({"dbus-daemon", "--session", "--nofork", "--address=" + bus}, "bus");
    desktop_->startSessionProgram({"fcitx5", "--disable=wayland,waylandim,notificationitem,kimpanel,classicui"},
                                  "fcitx5");
    // fcitx5-remote answers once fcitx5 serves the bus.
    int tries = 0;
    while (std::system("fcitx5-remote >/dev/null 2>&1") != 0 && ++tries < kTimeoutMs / 100) usleep(100000);
    ASSERT_LT(tries, kTimeoutMs / 100) << folder_->read("fcitx5.log");
    setenv("QT_QPA_PLATFORM", "xcb", 1);
    setenv("QT_IM_MODULE", "fcitx", 1);
    static int argc = 1;
    static char* argv[] = {const_cast<char*>("qt_ime_tests"), nullptr};
    app_ = std::make_unique<QApplication>(argc, argv);
  }
  void TearDown() override {
    app_.reset();
    desktop_.reset();
    folder_.reset();
  }

 private:
  std::unique_ptr<TempDir> folder_;
  std::unique_ptr<Desktop> desktop_;
  std::unique_ptr<QApplication> app_;
};
[[maybe_unused]] const auto* const kSession = ::testing::AddGlobalTestEnvironment(new InputMethodSession);

void pressKey(const QString& key) { QProcess::execute(QStringLiteral("xdotool"), {QStringLiteral("key"), key}); }

// The box's window takes the keyboard and the box the focus, as a user's click gives them.
bool focus(QWidget* box) {
  box->window()->activateWindow();
  box->setFocus();
  return waitUntil([&] { return QApplication::focusWidget() == box && box->window()->isActiveWindow(); }, kTimeoutMs);
}

using InputMethodTest = OnScreenTest;

TEST_F(InputMethodTest, DigitsTypedInHiraganaModePaintTheBandsKeyByKeyWithoutABeep) {
  // An ordinary box composes ４. Mozc lets keys pass until the server its first key starts answers:
  // type until it composes.
  QLineEdit other;
  other.show();
  ASSERT_TRUE(focus(&other));
  ASSERT_TRUE(waitUntil(
      [&] {
        other.clear();
        pressKey(QStringLiteral("4"));
        pressKey(QStringLiteral("Return"));
        waitUntil([&] { return !other.text().isEmpty(); }, kTimeoutMs / 10);
        return other.text() == QStringLiteral("４");
      },
      kTimeoutMs));
  other.hide();

  ASSERT_TRUE(focus(widgetOf(calculator(), "entryBox")));
  for (const std::string typed : {"4", "47", "470", "4700"}) {
    pressKey(QString::fromStdString(typed.substr(typed.size() - 1)));
    EXPECT_TRUE(waitUntil([&] { return calculator().entryBox().text() == typed; }, kTimeoutMs / 4))
        << calculator().entryBox().text();
  }
  EXPECT_EQ(calculator().bandLabel(Band::First).caption() + calculator().bandLabel(Band::Second).caption() +
                calculator().bandLabel(Band::Multiplier).caption(),
            "黄紫赤");
  EXPECT_EQ(platform->beeps, 0);
}

}  // namespace
}  // namespace zen::test
