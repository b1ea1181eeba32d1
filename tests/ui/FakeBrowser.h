#pragma once
// A browser engine for model tests: it records what the window asks of it and answers busy and the
// page's name as the test sets them. The record outlives the engine, so a test can read it after
// the browser window has gone.

#include <memory>
#include <string>
#include <vector>

#include "BrowserControl.h"

namespace zen::test {

struct EngineRecord {
  std::vector<std::string> calls;  // "navigate <address>", "back", "forward", "home", "search", "refresh", "stop"
  bool busy = false;
  std::string locationName;
  BrowserControl* live = nullptr;  // the engine now in use; none after it was destroyed
};

class FakeBrowser : public BrowserControl {
 public:
  explicit FakeBrowser(std::shared_ptr<EngineRecord> record) : record_(std::move(record)) { record_->live = this; }
  ~FakeBrowser() override {
    if (record_->live == this) record_->live = nullptr;
  }
  void navigate(const std::string& address) override { record_->calls.push_back("navigate " + address); }
  void goBack() override { record_->calls.push_back("back"); }
  void goForward() override { record_->calls.push_back("forward"); }
  void goHome() override { record_->calls.push_back("home"); }
  void goSearch() override { record_->calls.push_back("search"); }
  void refresh() override { record_->calls.push_back("refresh"); }
  void stop() override { record_->calls.push_back("stop"); }
  bool busy() const override { return record_->busy; }
  std::string locationName() const override { return record_->locationName; }

 private:
  std::shared_ptr<EngineRecord> record_;
};

}  // namespace zen::test
