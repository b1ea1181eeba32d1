#pragma once
// The real platform: the desktop's beep, clock, current folder, programs, message boxes.

#include "Platform.h"
#include "WebBrowser.h"

#include <QStringList>

namespace zen::qt {

class QtPlatform : public Platform {
 public:
  void beep() override;
  LocalDateTime now() override;
  std::filesystem::path currentDirectory() override;
  bool startProgram(const std::string& program, const std::vector<std::string>& arguments) override;
  void messageBox(const std::string& text, const std::string& title) override;
  void endProgram() override;
  std::filesystem::path installedDataFolder() override;
  // Loads the web module on first use and makes an engine; none when the module cannot be loaded.
  std::unique_ptr<BrowserControl> createBrowser() override;

  // How the engine's own events reach the model; the renderer sets it. Without it they run bare.
  void setEngineDispatch(EngineDispatch dispatch) { engineDispatch_ = std::move(dispatch); }
  // The widget an engine made here shows its page in; none for any other control.
  static QWidget* browserWidget(BrowserControl* engine);

 private:
  EngineDispatch engineDispatch_;
};

// The OpenGL context the engine's pages share with the widgets, made before the engine first
// starts; nothing is done when the application already has one.
void PrepareSharedOpenGL();
// Chromium's settings for this program, put into the environment before the engine first starts:
// no sandbox for root (Chromium refuses to start sandboxed as root; everyone else keeps it), and
// no network traffic of the engine's own (background updates, pings, prefetching).
void PrepareWebEngineEnvironment();
// Where the web module is looked for: beside the program, then in the build folder.
QStringList WebModuleCandidates();

}  // namespace zen::qt
