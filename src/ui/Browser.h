#pragma once
// The page area of the browser window. It holds the web engine, which the platform makes only when
// the browser window is loaded, so nothing of the engine exists before the browser is first
// opened. Every operation is skipped quietly while there is no engine (a platform without one, or
// an engine that failed to start): the window stays usable, it only shows no page.

#include <functional>
#include <memory>
#include <string>

#include "BrowserControl.h"
#include "Control.h"

namespace zen {

class Platform;

class Browser : public Control {
 public:
  Browser(std::string name, Control* container) : Control(ControlKind::Browser, std::move(name), container) {}
  ~Browser() override;

  // Asks the platform for an engine, once. False when there is none.
  bool createEngine(Platform& platform);
  BrowserControl* engine() const { return engine_.get(); }

  void navigate(const std::string& address);
  void goBack();
  void goForward();
  void goHome();
  void goSearch();
  void refresh();
  void stop();
  // Without an engine nothing is loading and the page has no name.
  bool busy() const;
  std::string locationName() const;

  // The engine finished loading a page.
  std::function<void()> onDownloadComplete;
  // The engine refused an address a page asked for.
  std::function<void(const std::string& address)> onNavigationBlocked;

 private:
  std::unique_ptr<BrowserControl> engine_;
};

}  // namespace zen
