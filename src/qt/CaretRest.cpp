#include "CaretRest.h"

#include <QCoreApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QStyleHints>

namespace zen::qt {

CaretRest::CaretRest(int restAfterMs, QObject* parent)
    : QObject(parent), flashTime_(QGuiApplication::styleHints()->cursorFlashTime()) {
  restAfter_.setSingleShot(true);
  restAfter_.setInterval(restAfterMs);
  connect(&restAfter_, &QTimer::timeout, this, [this] { rest(); });
  restAfter_.start();
  QCoreApplication::instance()->installEventFilter(this);
}

CaretRest::~CaretRest() {
  if (QCoreApplication* app = QCoreApplication::instance()) app->removeEventFilter(this);
  wake();
  restAfter_.stop();
}

bool CaretRest::eventFilter(QObject* watched, QEvent* event) {
  switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::MouseButtonPress:
    case QEvent::InputMethod:
    case QEvent::Wheel:
      wake();
      restAfter_.start();
      break;
    default: break;
  }
  return QObject::eventFilter(watched, event);
}

void CaretRest::rest() {
  if (resting_ || flashTime_ <= 0) return;
  resting_ = true;
  // A flash time of 0 shows the caret without blinking; the text boxes follow at once.
  QGuiApplication::styleHints()->setCursorFlashTime(0);
}

void CaretRest::wake() {
  if (!resting_) return;
  resting_ = false;
  QGuiApplication::styleHints()->setCursorFlashTime(flashTime_);
}

}  // namespace zen::qt
