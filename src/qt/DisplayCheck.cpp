#include "DisplayCheck.h"

#include <QRegularExpression>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace zen::qt {

namespace {

DisplayCheck* active = nullptr;

constexpr const char* kHowToRun =
    " Start it from a desktop session, or without one under a virtual display: xvfb-run -a zentario";

// The platform Qt tried, from what it said; else the one it was asked for.
QString platformNamed(const QString& said) {
  static const QRegularExpression quoted(QStringLiteral("platform plugin \"([^\"]*)\""));
  const QRegularExpressionMatch m = quoted.match(said);
  if (m.hasMatch() && !m.captured(1).isEmpty()) return m.captured(1);
  const QString asked = qEnvironmentVariable("QT_QPA_PLATFORM");
  return asked.isEmpty() ? QStringLiteral("xcb") : asked;
}

}  // namespace

std::string NoDisplayMessage(const QString& platform, const char* display) {
  const bool named = display != nullptr && *display != '\0';
  std::string line = "zentario: cannot open its window: ";
  if (platform.startsWith(QLatin1String("xcb"))) {
    line += named ? "the X display \"" + std::string(display) + "\" named by DISPLAY cannot be reached."
                  : std::string("there is no display (DISPLAY is not set).");
  } else if (platform.startsWith(QLatin1String("wayland"))) {
    line += named ? "the Wayland display \"" + std::string(display) + "\" cannot be reached."
                  : std::string("there is no Wayland display (WAYLAND_DISPLAY is not set).");
  } else {
    line += "Qt's platform \"" + platform.toStdString() + "\" could not be started.";
  }
  return line + kHowToRun + '\n';
}

DisplayCheck::DisplayCheck() {
  active = this;
  previous_ = qInstallMessageHandler(&DisplayCheck::handle);
}

DisplayCheck::~DisplayCheck() {
  qInstallMessageHandler(previous_);
  active = nullptr;
  for (const Held& m : held_) {
    const QMessageLogContext context(nullptr, 0, nullptr, m.category.isEmpty() ? nullptr : m.category.constData());
    if (previous_) {
      previous_(m.type, context, m.text);
    } else {
      qt_message_output(m.type, context, m.text);
    }
  }
}

void DisplayCheck::handle(QtMsgType type, const QMessageLogContext& context, const QString& text) {
  if (type != QtFatalMsg) {
    active->held_.push_back({type, QByteArray(context.category), text});
    return;
  }
  QString said;
  for (const Held& m : active->held_) said += m.text + u'\n';
  said += text;
  const QString platform = platformNamed(said);
  const char* display = std::getenv(platform.startsWith(QLatin1String("wayland")) ? "WAYLAND_DISPLAY" : "DISPLAY");
  const std::string line = NoDisplayMessage(platform, display);
  std::fputs(line.c_str(), stderr);
  std::fflush(stderr);
  // Ended here, before Qt's abort: nothing of the program has started, so nothing is lost.
  std::_Exit(1);
}

}  // namespace zen::qt
