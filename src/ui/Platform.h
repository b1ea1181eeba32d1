#pragma once
// The model's only door to the outside world. QtPlatform implements it for real; the tests use a
// fake that records beeps, messages and launches and serves a fixed clock.

#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "BrowserControl.h"
#include "Registry.h"

namespace zen {

// The program's title: every message box is shown under it.
inline constexpr std::string_view kProgramTitle = "ZENTARIO";

struct LocalDateTime {
  int year = 2000;
  int month = 1;   // 1..12
  int day = 1;     // 1..31
  int hour = 0;
  int minute = 0;
  int second = 0;
  int weekday = 7;  // 1 = Sunday .. 7 = Saturday
  bool operator==(const LocalDateTime&) const = default;
};

class Platform {
 public:
  virtual ~Platform() = default;

  virtual void beep() = 0;
  virtual LocalDateTime now() = 0;
  // The program's own folder, which keeps ZENTARIO.INI and a user's own ZENHELP.TXT; empty when
  // there is none (then nothing is read from or written to any folder of the user's).
  virtual std::filesystem::path appFolder() = 0;
  // Starts a program in its own window without waiting for it and without a shell; false when it
  // could not be started.
  virtual bool startProgram(const std::string& program, const std::vector<std::string>& arguments) = 0;
  // A modal message with an OK button.
  virtual void messageBox(const std::string& text, const std::string& title) = 0;
  // Ends the program at once: no further handler runs.
  virtual void endProgram() = 0;
  // Where the program's own files (the shipped help text) are installed; empty when unknown.
  virtual std::filesystem::path installedDataFolder() { return {}; }
  // The system registry, where the platform has one; none otherwise.
  virtual Registry* registry() { return nullptr; }
  // A web-browser engine for the browser window; none where the platform has no engine.
  virtual std::unique_ptr<BrowserControl> createBrowser() { return nullptr; }
  // Hands a web address to the user's own web browser without waiting for it; false when there is
  // no web browser to hand it to.
  virtual bool openInWebBrowser(const std::string& /*address*/) { return false; }
  // Whether the platform tells the program where its windows are on the screen and puts them where
  // the program asks. Where it does not (a Wayland desktop places every window itself), a window's
  // position is unknown to the program.
  virtual bool knowsWindowPositions() { return true; }
};

}  // namespace zen
