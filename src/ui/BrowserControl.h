#pragma once
// The web-browser engine behind the browser window's page area. The Qt program implements it with
// Qt WebEngine; tests use a fake.

#include <functional>
#include <string>

namespace zen {

class BrowserControl {
 public:
  virtual ~BrowserControl() = default;
  virtual void navigate(const std::string& address) = 0;
  virtual void goBack() = 0;
  virtual void goForward() = 0;
  virtual void goHome() = 0;
  virtual void goSearch() = 0;
  virtual void refresh() = 0;
  virtual void stop() = 0;
  virtual bool busy() const = 0;
  // The page's name (its title), not its address.
  virtual std::string locationName() const = 0;
  // Set by the browser window; the engine calls it when a page has finished loading.
  std::function<void()> onDownloadComplete;
  // Set by the browser window; the engine calls it, after the event, with an address a page asked
  // for (a link, a form, a redirect, a new window) that it refused to load because the browser
  // shows only the program's own pages (AddressRule.h). The page stays as it was.
  std::function<void(const std::string& address)> onNavigationBlocked;
};

}  // namespace zen
