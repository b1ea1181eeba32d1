#include "DisplayCheck.h"

#include <QGuiApplication>
#include <QRegularExpression>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace zen::qt {

namespace {

DisplayCheck* active = nullptr;

constexpr const char* kHowToRun =
    " Start it from a desktop session, or without one under a virtual display: xvfb-run -a zentario";

// The platform a message of Qt's names: platform plugin "xcb", or (Qt 6.5 on, naming what the X
// platform needs) "… to load the Qt xcb platform plugin."; empty when it names none.
QString quotedPlatform(const QString& said) {
  static const QRegularExpression quoted(QStringLiteral("platform plugin \"([^\"]*)\"|Qt ([^ ]+) platform plugin"));
  const QRegularExpressionMatch match = quoted.match(said);
  return match.hasMatch() ? match.captured(1) + match.captured(2) : QString();
}

// The platform Qt tried, from what it said; else the one it was asked for.
QString platformNamed(const QString& said) {
  const QString named = quotedPlatform(said);
  if (!named.isEmpty()) return named;
  const QString asked = qEnvironmentVariable("QT_QPA_PLATFORM");
  return asked.isEmpty() ? QStringLiteral("xcb") : asked;
}

// Whether a message is what a platform said that Qt tried before the one it runs on, from a list
// ("xcb;wayland"): "qt.qpa.xcb: could not connect to display" is no news once Wayland runs.
bool fromPlatformTriedBefore(const QString& category, const QString& text, const QString& running) {
  QString platform = category.startsWith(QLatin1String("qt.qpa.")) ? category.mid(7) : QString();
  if (platform == QLatin1String("plugin")) platform = quotedPlatform(text);
  return !platform.isEmpty() && platform != running &&
         qEnvironmentVariable("QT_QPA_PLATFORM").split(u';').contains(platform);
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
  const QString running = QGuiApplication::platformName();
  for (const Held& m : held_) {
    if (fromPlatformTriedBefore(QString::fromLatin1(m.category), m.text, running)) continue;
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
