#pragma once
// A platform for headless tests: it records what the model asks of the outside world (beeps,
// message boxes, started programs, the end of the program) and serves a clock, the program's own
// folder and a data folder that the test sets. The registry and the browser engine are absent unless a
// test hands them in.

#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "Platform.h"

namespace zen::test {

class FakePlatform : public Platform {
 public:
  struct Message {
    std::string text;
    std::string title;
  };
  struct StartedProgram {
    std::string program;
    std::vector<std::string> arguments;
  };

  explicit FakePlatform(std::filesystem::path appFolder = {}) : appFolder_(std::move(appFolder)) {}

  // A moment of the local clock, with the weekday worked out from the date (1 = Sunday).
  static LocalDateTime at(int year, int month, int day, int hour = 0, int minute = 0, int second = 0);

  // --- Platform ---
  void beep() override { ++beeps_; }
  LocalDateTime now() override { return clock_; }
  std::filesystem::path appFolder() override { return appFolder_; }
  bool startProgram(const std::string& program, const std::vector<std::string>& arguments) override;
  void messageBox(const std::string& text, const std::string& title) override;
  void endProgram() override { ++endProgramCalls_; }
  std::filesystem::path installedDataFolder() override { return installedDataFolder_; }
  Registry* registry() override { return registry_; }
  std::unique_ptr<BrowserControl> createBrowser() override;
  bool openInWebBrowser(const std::string& address) override;
  bool knowsWindowPositions() override { return knowsWindowPositions_; }

  // --- What the test sets ---
  void setClock(const LocalDateTime& t) { clock_ = t; }
  void setAppFolder(std::filesystem::path p) { appFolder_ = std::move(p); }
  void setInstalledDataFolder(std::filesystem::path p) { installedDataFolder_ = std::move(p); }
  // What startProgram answers: true for a program that starts.
  void setStartProgramResult(bool started) { startProgramResult_ = started; }
  // The registry is not owned; none by default.
  void setRegistry(Registry* registry) { registry_ = registry; }
  // A desktop that places the windows itself (Wayland) when false.
  void setKnowsWindowPositions(bool knows) { knowsWindowPositions_ = knows; }
  // Makes the browser engines; none by default.
  void setBrowserFactory(std::function<std::unique_ptr<BrowserControl>()> factory) {
    browserFactory_ = std::move(factory);
  }

  // What openInWebBrowser answers (false: no web browser), and what happens while it runs.
  void setWebBrowser(bool present, std::function<void()> whileOpening = {}) {
    webBrowserResult_ = present;
    onWebBrowser_ = std::move(whileOpening);
  }

  // --- What the model did ---
  int beeps() const { return beeps_; }
  void resetBeeps() { beeps_ = 0; }
  const std::vector<Message>& messages() const { return messages_; }
  const std::vector<StartedProgram>& startedPrograms() const { return started_; }
  int endProgramCalls() const { return endProgramCalls_; }
  int browsersCreated() const { return browsersCreated_; }
  // The addresses handed to the user's web browser.
  const std::vector<std::string>& webAddresses() const { return webAddresses_; }

 private:
  LocalDateTime clock_ = at(2026, 12, 7, 9, 10, 0);
  std::filesystem::path appFolder_;
  std::filesystem::path installedDataFolder_;
  bool startProgramResult_ = true;
  bool knowsWindowPositions_ = true;
  Registry* registry_ = nullptr;
  std::function<std::unique_ptr<BrowserControl>()> browserFactory_;
  bool webBrowserResult_ = true;
  std::function<void()> onWebBrowser_;

  int beeps_ = 0;
  std::vector<Message> messages_;
  std::vector<StartedProgram> started_;
  int endProgramCalls_ = 0;
  int browsersCreated_ = 0;
  std::vector<std::string> webAddresses_;
};

}  // namespace zen::test
