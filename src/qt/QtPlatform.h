#pragma once
// The real platform: the desktop's beep, clock, programs, message boxes, and the program's folders.

#include "Platform.h"
#include "WebBrowser.h"

#include <QString>
#include <QUrl>

namespace zen::qt {

class QtPlatform : public Platform {
 public:
  // appFolder: the program's own folder, as DecideAppFolder() chose it (empty: none).
  // programFolder: the folder the program runs from, which the installed files are found relative
  // to; the program's own location when empty.
  explicit QtPlatform(std::filesystem::path appFolder = {}, QString programFolder = {});

  void beep() override;
  LocalDateTime now() override;
  std::filesystem::path appFolder() override { return appFolder_; }
  bool startProgram(const std::string& program, const std::vector<std::string>& arguments) override;
  void messageBox(const std::string& text, const std::string& title) override;
  void endProgram() override;
  std::filesystem::path installedDataFolder() override;
  // The browser module this platform loads: libzenweb.so in the program's module folder.
  QString webModulePath() const;
  // Loads the web module on first use and makes an engine; none when the module cannot be loaded.
  std::unique_ptr<BrowserControl> createBrowser() override;
  // What the user types becomes a URL here (blanks and Japanese characters encoded), for openUrl.
  bool openInWebBrowser(const std::string& address) override;
  // The desktop's web browser, through QDesktopServices (xdg-open); false when it finds none.
  virtual bool openUrl(const QUrl& url);
  // What the platform Qt runs on says about itself (native Wayland: no).
  bool knowsWindowPositions() override;

  // How the engine's own events reach the model; the renderer sets it. Without it they run bare.
  void setEngineDispatch(EngineDispatch dispatch) { engineDispatch_ = std::move(dispatch); }
  // The widget an engine made here shows its page in; none for any other control.
  static QWidget* browserWidget(BrowserControl* engine);

 private:
  std::filesystem::path appFolder_;
  QString programFolder_;
  EngineDispatch engineDispatch_;
};

// The OpenGL context the engine's pages share with the widgets, made before the engine first
// starts; nothing is done when the application already has one.
void PrepareSharedOpenGL();
// Chromium's settings for this program, put into the environment before the engine first starts:
// no sandbox for root (Chromium refuses to start sandboxed as root; everyone else keeps it), no
// network traffic of the engine's own (background updates, pings, prefetching), and the page's
// content open to a screen reader.
void PrepareWebEngineEnvironment();

}  // namespace zen::qt
