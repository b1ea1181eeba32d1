#pragma once
// A private X server (Xvfb) with a real window manager (openbox) for the window-manager tests, and
// what the tests ask of them: where the manager's frame of a window is, a drag by the mouse, the
// manager's close request.

#include <QPoint>
#include <QRect>
#include <sys/types.h>

#include <filesystem>
#include <string>
#include <vector>

class QWidget;

namespace zen::test {

class Desktop {
 public:
  // Starts the X server on a free display and sets DISPLAY to it. The window manager needs a
  // client connection, so it is started by startWindowManager() once the application has one.
  explicit Desktop(const std::filesystem::path& folder);
  // Stops the window manager and the server; the application must have gone already.
  ~Desktop();
  Desktop(const Desktop&) = delete;
  Desktop& operator=(const Desktop&) = delete;

  bool serverRunning() const { return server_ > 0; }
  // Starts openbox and waits until it manages the screen; false (with its log on stderr) otherwise.
  bool startWindowManager();
  // Starts a program of the session (a message bus, an input method) in a process group of its
  // own, its output in the folder's NAME.log. The group, with every helper the program started
  // (Mozc's server), is stopped with the desktop.
  void startSessionProgram(const std::vector<std::string>& args, const std::string& name);

 private:
  std::filesystem::path folder_;
  pid_t server_ = -1;
  pid_t manager_ = -1;
  std::vector<pid_t> sessionGroups_;
};

// The window manager's frame around a top-level widget, in screen pixels: its title bar and borders
// included. Empty while the manager has not framed it.
QRect managerFrame(const QWidget& window);
// The middle of the title bar of the manager's frame: between the frame's top and the window's
// inside, as the X server has them (Qt may not have heard of the frame yet).
QPoint titleBarMiddle(const QWidget& window);
// Presses the left button at a point of the screen, moves by an offset and releases, as a user's
// drag does.
void dragOnScreen(QPoint from, QPoint by);
// Asks the window manager to close a window, as its close box does.
void closeThroughManager(const QWidget& window);

}  // namespace zen::test
