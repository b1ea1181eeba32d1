#pragma once
// Drives one model timer on the event loop, and wakes the process only for ticks that can change
// something: an interval timer runs while the model says a tick is due and sleeps otherwise; a
// timer that shows the wall clock ticks once as each second of the wall clock begins.

#include <QObject>
#include <QTimer>
#include <functional>

#include "Timer.h"

class QSocketNotifier;

namespace zen::qt {

class TimerDrive : public QObject {
 public:
  TimerDrive(const Timer& model, std::function<void()> tick, QObject* parent = nullptr);
  ~TimerDrive() override;
  TimerDrive(const TimerDrive&) = delete;
  TimerDrive& operator=(const TimerDrive&) = delete;

  // Runs or stops the ticks as the model's timer wants them now.
  void follow();
  void stop();
  bool running() const { return running_; }

 private:
  void start();
  void startSeconds();
  // Sets the real-time timer on the coming whole seconds; false where there is none.
  bool armSeconds();
  void secondsFired();

  const Timer& model_;
  std::function<void()> tick_;
  bool running_ = false;
  // Interval ticks; for the wall clock, the first tick at once.
  QTimer timer_;
  // The wall clock's seconds: a timer on the real-time clock, which also fires when the clock is
  // set or the machine wakes from sleep, so the clock is never left behind.
  int secondsFd_ = -1;
  QSocketNotifier* seconds_ = nullptr;
};

}  // namespace zen::qt
