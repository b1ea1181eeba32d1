#include "TimerDrive.h"

#include <QDateTime>
#include <QSocketNotifier>
#include <cerrno>
#include <cstdint>
#include <ctime>

#if defined(__linux__)
#include <sys/timerfd.h>
#include <unistd.h>
#endif

namespace zen::qt {

TimerDrive::TimerDrive(const Timer& model, std::function<void()> tick, QObject* parent)
    : QObject(parent), model_(model), tick_(std::move(tick)) {
  connect(&timer_, &QTimer::timeout, this, [this] {
    if (model_.pace() == Timer::Pace::WallClockSecond && secondsFd_ < 0) {
      // Without a real-time timer, each tick sets the next one just past the next whole second.
      const qint64 ms = QDateTime::currentMSecsSinceEpoch();
      timer_.start(static_cast<int>(1000 - ms % 1000) + 1);
    }
    tick_();
  });
}

TimerDrive::~TimerDrive() {
#if defined(__linux__)
  if (secondsFd_ >= 0) ::close(secondsFd_);
#endif
}

void TimerDrive::follow() {
  if (model_.due()) {
    start();
  } else {
    stop();
  }
}

void TimerDrive::start() {
  if (running_) return;
  running_ = true;
  if (model_.pace() == Timer::Pace::WallClockSecond) {
    startSeconds();
    return;
  }
  timer_.setSingleShot(false);
  timer_.start(model_.interval());
}

void TimerDrive::stop() {
  if (!running_) return;
  running_ = false;
  timer_.stop();
#if defined(__linux__)
  if (seconds_) {
    seconds_->setEnabled(false);
    const itimerspec off{};
    ::timerfd_settime(secondsFd_, 0, &off, nullptr);
  }
#endif
}

void TimerDrive::startSeconds() {
  // The first tick at once, as the clock is switched on; the next ones as the seconds begin.
  timer_.setSingleShot(true);
  timer_.setTimerType(Qt::PreciseTimer);
  timer_.start(0);
  armSeconds();
}

bool TimerDrive::armSeconds() {
#if defined(__linux__)
  if (secondsFd_ < 0) {
    const int fd = ::timerfd_create(CLOCK_REALTIME, TFD_NONBLOCK | TFD_CLOEXEC);
    if (fd < 0) return false;
    secondsFd_ = fd;
    seconds_ = new QSocketNotifier(secondsFd_, QSocketNotifier::Read, this);
    connect(seconds_, &QSocketNotifier::activated, this, [this] { secondsFired(); });
  }
  timespec now{};
  ::clock_gettime(CLOCK_REALTIME, &now);
  // Every whole second from the next one on. Setting the clock cancels the timer and wakes us;
  // so does waking from sleep, when the real-time clock has jumped ahead.
  const itimerspec each{{1, 0}, {now.tv_sec + 1, 0}};
  ::timerfd_settime(secondsFd_, TFD_TIMER_ABSTIME | TFD_TIMER_CANCEL_ON_SET, &each, nullptr);
  seconds_->setEnabled(true);
  return true;
#else
  return false;
#endif
}

void TimerDrive::secondsFired() {
#if defined(__linux__)
  std::uint64_t expirations = 0;
  if (::read(secondsFd_, &expirations, sizeof expirations) < 0) {
    if (errno != ECANCELED) return;  // nothing to read after all
    // The clock was set: the timer has stopped. Show the new time now and follow its seconds.
    armSeconds();
  }
  tick_();
#endif
}

}  // namespace zen::qt
