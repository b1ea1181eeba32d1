#include "QtTestSupport.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTimer>

namespace zen::test {

void OnScreenTest::SetUp() {
  platform = std::make_unique<RecordingQtPlatform>(folder.path());
  app = std::make_unique<App>(*platform);
  renderer = std::make_unique<qt::Renderer>(*app, dpi_);
  registerViews(*renderer, *platform);
  app->start();
  renderer->sync();
  processEvents();
}

void OnScreenTest::TearDown() {
  renderer.reset();
  app.reset();
  // Widgets of closed windows go with the next turn of the event loop.
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  processEvents();
}

QImage grabImage(QWidget& w) {
  QImage image = w.grab().toImage();
  image.setDevicePixelRatio(1.0);
  return image.convertToFormat(QImage::Format_RGB32);
}

unsigned pixelAt(const QImage& image, QPoint p) {
  const QRgb c = image.pixel(p);
  return unsigned(qRed(c)) | (unsigned(qGreen(c)) << 8) | (unsigned(qBlue(c)) << 16);
}

void clickOn(QWidget* w) { clickOn(w, w->rect().center()); }

void clickOn(QWidget* w, QPoint at) {
  const QPointF local(at);
  const QPointF global(w->mapToGlobal(at));
  QMouseEvent press(QEvent::MouseButtonPress, local, global, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(w, &press);
  QMouseEvent release(QEvent::MouseButtonRelease, local, global, Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(w, &release);
  processEvents();
}

void typeInto(QWidget* w, const QString& text) {
  for (const QChar ch : text) {
    QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(ch));
    QApplication::sendEvent(w, &press);
    QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, QString(ch));
    QApplication::sendEvent(w, &release);
  }
  processEvents();
}

void processEvents() { QCoreApplication::processEvents(QEventLoop::AllEvents, 50); }

bool waitUntil(const std::function<bool()>& done, int timeoutMs) {
  const QDeadlineTimer deadline(timeoutMs);
  QTimer wake;  // something always arrives, so the wait below ends in time
  wake.start(20);
  while (!done()) {
    if (deadline.hasExpired()) return false;
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }
  return true;
}

}  // namespace zen::test
