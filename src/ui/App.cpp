#include "App.h"

#include <algorithm>

#include "CalculatorWindow.h"

namespace zen {

App::App(Platform& platform) : platform_(platform) {}

App::~App() = default;

void App::start() {
  calculator_ = std::make_unique<CalculatorWindow>(*this);
  calculator_->startUp();
}

void App::closeWindow(Window& w) {
  w.hide();
  for (const auto& t : w.timers()) t->setEnabled(false);
  auto it = std::find_if(windows_.begin(), windows_.end(), [&](const auto& p) { return p.get() == &w; });
  if (it != windows_.end()) {
    closed_.push_back(std::move(*it));
    windows_.erase(it);
  }
  const bool anyShown = std::any_of(windows_.begin(), windows_.end(), [](const auto& p) { return p->shown(); });
  if (!anyShown && !(calculator_ && calculator_->shown()) && !ended_) {
    ended_ = true;
    platform_.endProgram();
  }
}

std::vector<Window*> App::windows() const {
  std::vector<Window*> all;
  if (calculator_) all.push_back(calculator_.get());
  for (const auto& w : windows_) all.push_back(w.get());
  return all;
}

void App::end() {
  if (ended_) return;
  ended_ = true;
  platform_.endProgram();
}

}  // namespace zen
