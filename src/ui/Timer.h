#pragma once
// A model timer: the Qt layer drives it, tests tick it by hand.
//
// Besides its interval a timer says when a tick can change anything at all, so the driver can let
// the process sleep through the ticks that cannot: a clock that shows whole seconds changes nothing
// between two of them, and a recorder that copies a window's position changes nothing while the
// copy is current. A tick by hand always runs the handler, whatever these say.

#include <cstdint>
#include <functional>
#include <string>
#include <utility>

namespace zen {

class Timer {
 public:
  enum class Pace {
    Interval,         // any tick may change something
    WallClockSecond,  // the handler shows the wall clock to the second: ticks between two whole
                      // seconds change nothing, so one tick as each second begins does it all
  };

  Timer(std::string name, int intervalMs) : name_(std::move(name)), interval_(intervalMs) {}
  const std::string& name() const { return name_; }
  int interval() const { return interval_; }
  bool enabled() const { return enabled_; }
  void setEnabled(bool on) {
    if (on != enabled_) {
      enabled_ = on;
      tickedSinceEnabled_ = false;
      ++revision_;
    }
  }
  std::uint64_t revision() const { return revision_; }

  Pace pace() const { return pace_; }
  void setPace(Pace p) { pace_ = p; }
  // For a handler that only copies state somewhere (a window's position into the settings):
  // `stale` tells whether the copy is out of date. While it is not, a tick changes nothing.
  void setStaleWhen(std::function<bool()> stale) { stale_ = std::move(stale); }
  // Whether a tick now can change anything: the timer is enabled, and it has not ticked since it
  // was enabled or what it copies is stale.
  bool due() const { return enabled_ && (!tickedSinceEnabled_ || !stale_ || stale_()); }

  // One tick: runs the handler when the timer is enabled.
  void tick() {
    if (!enabled_) return;
    tickedSinceEnabled_ = true;
    if (onTick) onTick();
  }
  std::function<void()> onTick;

 private:
  std::string name_;
  int interval_;
  bool enabled_ = false;
  bool tickedSinceEnabled_ = false;
  Pace pace_ = Pace::Interval;
  std::function<bool()> stale_;
  std::uint64_t revision_ = 1;
};

}  // namespace zen
