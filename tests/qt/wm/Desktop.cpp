#include "Desktop.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QGuiApplication>
#include <QtGui/qguiapplication_platform.h>
#include <QWidget>
#include <fcntl.h>
#include <poll.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>
#include <xcb/xcb.h>
#include <xcb/xtest.h>

#include <csignal>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iostream>
#include <memory>
#include <vector>

extern char** environ;

namespace zen::test {

namespace {

namespace fs = std::filesystem;

constexpr int kStartTimeoutMs = 60000;  // generous: a busy machine may be slow to start a server

template <class T>
using Reply = std::unique_ptr<T, decltype(&std::free)>;

// Starts a program with its output in a log file. It is stopped with the test process, however
// that ends, so no server is ever left behind.
pid_t spawn(const std::vector<std::string>& args, const std::vector<std::string>& environment, const fs::path& log,
            bool ownGroup = false) {
  std::vector<char*> argv;
  for (const auto& a : args) argv.push_back(const_cast<char*>(a.c_str()));
  argv.push_back(nullptr);
  std::vector<char*> envp;
  for (const auto& e : environment) envp.push_back(const_cast<char*>(e.c_str()));
  envp.push_back(nullptr);
  const int out = ::open(log.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
  const pid_t parent = ::getpid();
  const pid_t pid = ::fork();
  if (pid == 0) {
    ::prctl(PR_SET_PDEATHSIG, SIGTERM);
    if (::getppid() != parent) ::_exit(1);
    if (ownGroup) ::setpgid(0, 0);
    if (out >= 0) {
      ::dup2(out, STDOUT_FILENO);
      ::dup2(out, STDERR_FILENO);
    }
    ::execvpe(argv[0], argv.data(), envp.data());
    ::_exit(127);
  }
  if (out >= 0) ::close(out);
  if (ownGroup && pid > 0) ::setpgid(pid, pid);  // either side may come first
  return pid;
}

std::vector<std::string> currentEnvironment() {
  std::vector<std::string> env;
  for (char** e = environ; *e; ++e) env.emplace_back(*e);
  return env;
}

void stop(pid_t& pid) {
  if (pid <= 0) return;
  ::kill(pid, SIGTERM);
  ::waitpid(pid, nullptr, 0);
  pid = -1;
}

bool exited(pid_t pid) { return ::waitpid(pid, nullptr, WNOHANG) == pid; }

void printLog(const fs::path& log) {
  std::ifstream in(log);
  std::cerr << "--- " << log << " ---\n" << in.rdbuf() << "\n";
}

// Lets the application run, so it answers the window manager while the test waits.
void pause(int ms) {
  const QDeadlineTimer deadline(ms);
  while (!deadline.hasExpired()) QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
}

xcb_connection_t* connection() {
  auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
  return x11 ? x11->connection() : nullptr;
}

xcb_window_t rootWindow(xcb_connection_t* c) { return xcb_setup_roots_iterator(xcb_get_setup(c)).data->root; }

xcb_atom_t atom(xcb_connection_t* c, const char* name) {
  Reply<xcb_intern_atom_reply_t> r(xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, std::strlen(name), name), nullptr),
                                   &std::free);
  return r ? r->atom : xcb_atom_t{XCB_ATOM_NONE};
}

// Whether a window manager announces itself on the root window.
bool managerAnnounced(xcb_connection_t* c) {
  const xcb_atom_t check = atom(c, "_NET_SUPPORTING_WM_CHECK");
  Reply<xcb_get_property_reply_t> r(
      xcb_get_property_reply(c, xcb_get_property(c, 0, rootWindow(c), check, XCB_ATOM_WINDOW, 0, 1), nullptr),
      &std::free);
  return r && xcb_get_property_value_length(r.get()) == 4;
}

}  // namespace

Desktop::Desktop(const fs::path& folder) : folder_(folder) {
  int pipeFds[2];
  if (::pipe(pipeFds) != 0) return;
  ::fcntl(pipeFds[0], F_SETFD, FD_CLOEXEC);
  // The server picks a free display and writes its number to the pipe.
  server_ = spawn({"Xvfb", "-displayfd", std::to_string(pipeFds[1]), "-screen", "0", "1920x1200x24", "-nolisten",
                   "tcp"},
                  currentEnvironment(), folder_ / "xvfb.log");
  ::close(pipeFds[1]);
  std::string display;
  pollfd readable{pipeFds[0], POLLIN, 0};
  const QDeadlineTimer deadline(kStartTimeoutMs);
  char ch = 0;
  while (!deadline.hasExpired() && ::poll(&readable, 1, 100) >= 0) {
    if (!(readable.revents & (POLLIN | POLLHUP))) continue;
    if (::read(pipeFds[0], &ch, 1) != 1 || ch == '\n') break;
    display += ch;
  }
  ::close(pipeFds[0]);
  if (ch != '\n' || display.empty()) {
    printLog(folder_ / "xvfb.log");
    stop(server_);
    return;
  }
  ::setenv("DISPLAY", (":" + display).c_str(), 1);
}

Desktop::~Desktop() {
  for (pid_t group : sessionGroups_) {
    ::kill(-group, SIGTERM);
    ::waitpid(group, nullptr, 0);
  }
  stop(manager_);
  stop(server_);
}

bool Desktop::startWindowManager() {
  xcb_connection_t* c = connection();
  if (!c) return false;
  // Its own home, so it reads the system's default settings and writes nothing of the user's.
  std::vector<std::string> env = currentEnvironment();
  for (const char* dir : {"HOME", "XDG_CONFIG_HOME", "XDG_CACHE_HOME", "XDG_DATA_HOME", "XDG_STATE_HOME"}) {
    env.push_back(std::string(dir) + "=" + folder_.string());
  }
  manager_ = spawn({"openbox", "--sm-disable"}, env, folder_ / "openbox.log");
  const QDeadlineTimer deadline(kStartTimeoutMs);
  while (!managerAnnounced(c)) {
    if (deadline.hasExpired() || exited(manager_)) {
      manager_ = -1;
      printLog(folder_ / "openbox.log");
      return false;
    }
    pause(20);
  }
  return true;
}

void Desktop::startSessionProgram(const std::vector<std::string>& args, const std::string& name) {
  const pid_t pid = spawn(args, currentEnvironment(), folder_ / (name + ".log"), true);
  if (pid > 0) sessionGroups_.push_back(pid);
}

namespace {

// The manager puts a window into a frame of its own, a child of the root window; none while it has
// not.
xcb_window_t frameWindow(xcb_connection_t* c, xcb_window_t client) {
  xcb_window_t w = client;
  for (;;) {
    Reply<xcb_query_tree_reply_t> tree(xcb_query_tree_reply(c, xcb_query_tree(c, w), nullptr), &std::free);
    if (!tree) return XCB_WINDOW_NONE;
    if (tree->parent == tree->root) break;
    w = tree->parent;
  }
  return w == client ? xcb_window_t{XCB_WINDOW_NONE} : w;
}

// A window's outer rectangle, relative to its parent.
QRect outerRect(xcb_connection_t* c, xcb_window_t w) {
  Reply<xcb_get_geometry_reply_t> g(xcb_get_geometry_reply(c, xcb_get_geometry(c, w), nullptr), &std::free);
  if (!g) return {};
  const int border = g->border_width;
  return QRect(g->x, g->y, g->width + 2 * border, g->height + 2 * border);
}

}  // namespace

QRect managerFrame(const QWidget& window) {
  xcb_connection_t* c = connection();
  const xcb_window_t frame = frameWindow(c, static_cast<xcb_window_t>(window.winId()));
  return frame == XCB_WINDOW_NONE ? QRect() : outerRect(c, frame);
}

QPoint titleBarMiddle(const QWidget& window) {
  xcb_connection_t* c = connection();
  const auto client = static_cast<xcb_window_t>(window.winId());
  const xcb_window_t frame = frameWindow(c, client);
  if (frame == XCB_WINDOW_NONE) return {};
  const QRect outer = outerRect(c, frame);
  // Where the inside starts, in the frame's own coordinates.
  Reply<xcb_translate_coordinates_reply_t> inside(
      xcb_translate_coordinates_reply(c, xcb_translate_coordinates(c, client, frame, 0, 0), nullptr), &std::free);
  if (!inside) return {};
  return QPoint(outer.center().x(), outer.top() + inside->dst_y / 2);
}

void dragOnScreen(QPoint from, QPoint by) {
  xcb_connection_t* c = connection();
  const xcb_window_t root = rootWindow(c);
  const auto fake = [&](std::uint8_t type, std::uint8_t detail, QPoint at) {
    xcb_test_fake_input(c, type, detail, XCB_CURRENT_TIME, root, static_cast<std::int16_t>(at.x()),
                        static_cast<std::int16_t>(at.y()), 0);
    xcb_flush(c);
  };
  // At a person's pace: the manager starts a move only on motion after the press has reached it.
  fake(XCB_MOTION_NOTIFY, 0, from);
  pause(100);
  fake(XCB_BUTTON_PRESS, 1, from);
  pause(100);
  constexpr int kSteps = 5;
  for (int i = 1; i <= kSteps; ++i) {
    fake(XCB_MOTION_NOTIFY, 0, from + by * i / kSteps);
    pause(50);
  }
  pause(100);
  fake(XCB_BUTTON_RELEASE, 1, from + by);
  pause(100);
}

void closeThroughManager(const QWidget& window) {
  xcb_connection_t* c = connection();
  xcb_client_message_event_t event{};
  event.response_type = XCB_CLIENT_MESSAGE;
  event.format = 32;
  event.window = static_cast<xcb_window_t>(window.winId());
  event.type = atom(c, "_NET_CLOSE_WINDOW");
  event.data.data32[0] = XCB_CURRENT_TIME;
  event.data.data32[1] = 2;  // asked for by the user, through a desktop tool
  xcb_send_event(c, 0, rootWindow(c), XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY | XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT,
                 reinterpret_cast<const char*>(&event));
  xcb_flush(c);
}

}  // namespace zen::test
