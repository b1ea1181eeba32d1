#pragma once
// Without a display Qt ends the program with four lines about reinstalling it and an abort, which
// leaves a core file in the start folder. The program says instead, in one line, what is missing
// and how to run it, and ends with status 1.

#include <QList>
#include <QString>
#include <QtGlobal>
#include <string>

namespace zen::qt {

// Held while the application object is made: Qt's messages wait, and a fatal one (no platform
// could be started) ends the program at once with the one line. When the object was made, the
// messages that waited are passed on as usual.
class DisplayCheck {
 public:
  DisplayCheck();
  ~DisplayCheck();
  DisplayCheck(const DisplayCheck&) = delete;
  DisplayCheck& operator=(const DisplayCheck&) = delete;

 private:
  struct Held {
    QtMsgType type;
    QByteArray category;
    QString text;
  };
  static void handle(QtMsgType type, const QMessageLogContext& context, const QString& text);
  QtMessageHandler previous_ = nullptr;
  QList<Held> held_;
};

// The line for a platform that could not be started ("xcb", "wayland", ...), given the display the
// environment names (null or empty when none).
std::string NoDisplayMessage(const QString& platform, const char* display);

}  // namespace zen::qt
