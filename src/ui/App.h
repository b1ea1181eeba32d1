#pragma once
// The program's global state and its windows. Windows reach it by reference; nothing is global.

#include <array>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "Platform.h"
#include "SavedValues.h"
#include "Window.h"

namespace zen {

class CalculatorWindow;

inline constexpr std::int16_t kAuxClosed = 11;  // no auxiliary window opened through a toggle
inline constexpr std::int16_t kAuxOpen = 22;    // one is open
inline constexpr int kHelpLineCount = 201;

class App {
 public:
  explicit App(Platform& platform);
  ~App();
  App(const App&) = delete;
  App& operator=(const App&) = delete;

  Platform& platform() const { return platform_; }

  SavedValues& savedValues() { return savedValues_; }
  const SavedValues& savedValues() const { return savedValues_; }
  const std::filesystem::path& appFolder() const { return appFolder_; }
  void setAppFolder(std::filesystem::path folder) { appFolder_ = std::move(folder); }
  std::int16_t auxWindowFlag() const { return auxWindowFlag_; }
  void setAuxWindowFlag(std::int16_t flag) { auxWindowFlag_ = flag; }
  std::array<std::string, kHelpLineCount>& helpLines() { return helpLines_; }

  // Creates the calculator window and runs its start-up sequence.
  void start();
  CalculatorWindow& calculator() const { return *calculator_; }

  // Auxiliary windows are created when opened and destroyed when closed. A closed window is kept
  // until collectClosed(), so a window may close itself from inside its own handler.
  template <class W, class... Args>
  W& openWindow(Args&&... args) {
    auto owned = std::make_unique<W>(*this, std::forward<Args>(args)...);
    W& ref = *owned;
    windows_.push_back(std::move(owned));
    return ref;
  }
  // The open window of a kind; none when it is not open.
  template <class W>
  W* find() const {
    for (const auto& w : windows_) {
      if (auto* typed = dynamic_cast<W*>(w.get())) return typed;
    }
    return nullptr;
  }
  // Closes a window: hides it, stops its timers and lets it go. Closing the calculator window
  // only hides it. Ends the program when no window is left shown.
  void closeWindow(Window& w);
  template <class W>
  void close() {
    if (W* w = find<W>()) closeWindow(*w);
  }
  // Every window that exists, the calculator window first.
  std::vector<Window*> windows() const;
  // Frees the windows closed since the last call; the renderer calls it after dropping their widgets.
  void collectClosed() { closed_.clear(); }

  // The Quit button's end: no handler runs after it.
  void end();
  bool ended() const { return ended_; }

 private:
  Platform& platform_;
  SavedValues savedValues_;
  std::filesystem::path appFolder_;
  std::int16_t auxWindowFlag_ = kAuxClosed;
  std::array<std::string, kHelpLineCount> helpLines_{};
  std::unique_ptr<CalculatorWindow> calculator_;
  std::vector<std::unique_ptr<Window>> windows_;
  std::vector<std::unique_ptr<Window>> closed_;
  bool ended_ = false;
};

}  // namespace zen
