// The yardstick for the idle cost: a bare Qt window the calculator's size whose one label shows
// the time of day in the clock's font, set just after each second begins. It is what any Qt
// widget clock costs on this machine; bench/idle.sh measures it beside the calculator.

#include <QApplication>
#include <QDateTime>
#include <QLabel>
#include <QTimer>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QWidget window;
  window.resize(555, 646);
  auto* time = new QLabel(&window);
  time->setGeometry(464, 152, 82, 19);
  time->setAutoFillBackground(true);
  time->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  QFont font(QStringLiteral("IPAGothic"));
  font.setPointSizeF(11.25);
  font.setBold(true);
  time->setFont(font);
  window.show();

  QTimer next;
  next.setTimerType(Qt::PreciseTimer);
  next.setSingleShot(true);
  QObject::connect(&next, &QTimer::timeout, [&] {
    time->setText(QTime::currentTime().toString(QStringLiteral("hh:mm:ss")));
    next.start(1001 - int(QDateTime::currentMSecsSinceEpoch() % 1000));
  });
  next.start(0);
  return QApplication::exec();
}
