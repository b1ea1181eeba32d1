#pragma once
// A model timer: the Qt layer drives it with a QTimer, tests tick it by hand.

#include <cstdint>
#include <functional>
#include <string>
#include <utility>

namespace zen {

class Timer {
 public:
  Timer(std::string name, int intervalMs) : name_(std::move(name)), interval_(intervalMs) {}
  const std::string& name() const { return name_; }
  int interval() const { return interval_; }
  bool enabled() const { return enabled_; }
  void setEnabled(bool on) {
    if (on != enabled_) {
      enabled_ = on;
      ++revision_;
    }
  }
  std::uint64_t revision() const { return revision_; }
  // One tick: runs the handler when the timer is enabled.
  void tick() {
    if (enabled_ && onTick) onTick();
  }
  std::function<void()> onTick;

 private:
  std::string name_;
  int interval_;
  bool enabled_ = false;
  std::uint64_t revision_ = 1;
};

}  // namespace zen
