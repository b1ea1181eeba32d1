#include "Browser.h"

#include <exception>

#include "Platform.h"

namespace zen {

Browser::~Browser() {
  // The engine may still report a page while it goes; nobody is listening any more.
  if (engine_) {
    engine_->onDownloadComplete = nullptr;
    engine_->onNavigationBlocked = nullptr;
  }
}

bool Browser::createEngine(Platform& platform) {
  if (engine_) return true;
  try {
    engine_ = platform.createBrowser();
  } catch (const std::exception&) {
    // An engine that cannot start leaves the window without a page, like a platform without one.
    engine_ = nullptr;
  }
  if (!engine_) return false;
  engine_->onDownloadComplete = [this] {
    if (onDownloadComplete) onDownloadComplete();
  };
  engine_->onNavigationBlocked = [this](const std::string& address) {
    if (onNavigationBlocked) onNavigationBlocked(address);
  };
  touch();
  return true;
}

void Browser::navigate(const std::string& address) {
  if (engine_) engine_->navigate(address);
}

void Browser::goBack() {
  if (engine_) engine_->goBack();
}

void Browser::goForward() {
  if (engine_) engine_->goForward();
}

void Browser::goHome() {
  if (engine_) engine_->goHome();
}

void Browser::goSearch() {
  if (engine_) engine_->goSearch();
}

void Browser::refresh() {
  if (engine_) engine_->refresh();
}

void Browser::stop() {
  if (engine_) engine_->stop();
}

bool Browser::busy() const { return engine_ && engine_->busy(); }

std::string Browser::locationName() const { return engine_ ? engine_->locationName() : std::string(); }

}  // namespace zen
