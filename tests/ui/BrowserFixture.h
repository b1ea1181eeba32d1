#pragma once
// Shared ground for the browser's tests: the calculator started in a temporary folder, with a fake
// engine behind the browser window, and short ways to press what the user presses.

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "App.h"
#include "BrowserFrame.h"
#include "BrowserWindow.h"
#include "CalculatorWindow.h"
#include "FakeBrowser.h"
#include "FakePlatform.h"
#include "TempDir.h"
#include "WebAddresses.h"

namespace zen::test {

class BrowserTest : public ::testing::Test {
 protected:
  void SetUp() override {
    platform.setBrowserFactory([this] { return std::make_unique<FakeBrowser>(engine); });
    app.start();
  }

  CalculatorWindow& calculator() { return app.calculator(); }
  BrowserFrame* frame() { return app.find<BrowserFrame>(); }
  BrowserWindow* browser() { return app.find<BrowserWindow>(); }
  // The open browser window; the test stops when there is none.
  BrowserWindow& openBrowser() {
    BrowserWindow* b = browser();
    if (!b) throw std::runtime_error("the browser window is not open");
    return *b;
  }

  void pressWev() { calculator().get<CommandButton>("webButton").press(); }
  void clickLink() { calculator().homepageLink().onClick(); }
  void clickTool(const std::string& key) { openBrowser().toolbar().userClick(key); }
  void setEntry(int n, std::string text) { app.savedValues().set(n, std::move(text)); }
  const std::string& entryText(int n) const { return app.savedValues().get(n); }
  bool focusInEntryBox() { return calculator().focus() == &calculator().entryBox(); }

  TempDir dir;
  FakePlatform platform{dir.path()};
  App app{platform};
  std::shared_ptr<EngineRecord> engine = std::make_shared<EngineRecord>();
};

}  // namespace zen::test
