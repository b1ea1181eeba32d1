#pragma once
// The web browser window, a child of the frame window BrowserFrame: a toolbar of six picture buttons,
// an address box whose list offers the two reference pages and the starting address, and the page.

#include <string>
#include <string_view>

#include "AddressRule.h"
#include "Browser.h"
#include "Control.h"
#include "Toolbar.h"
#include "Window.h"

namespace zen {

class App;
class BrowserFrame;

inline constexpr int kBrowserTimerMs = 500;
inline constexpr std::string_view kConnectingCaption = "接続中...";
inline constexpr int kEnterKey = 13;

// What the status line says when an address is not shown in the browser; the address follows.
inline constexpr std::string_view kOpenedInWebBrowserStatus = "Web ブラウザで開きました: ";
inline constexpr std::string_view kNoWebBrowserStatus = "Web ブラウザが見つからないため開けません: ";
inline constexpr std::string_view kRefusedAddressStatus = "このアドレスは表示できません: ";

// The toolbar's keys, left to right.
inline constexpr const char* kBackKey = "Back";
inline constexpr const char* kForwardKey = "Forward";
inline constexpr const char* kStopKey = "Stop";
inline constexpr const char* kRefreshKey = "Refresh";
inline constexpr const char* kHomeKey = "Home";
inline constexpr const char* kSearchKey = "Search";

class BrowserWindow : public Window {
 public:
  BrowserWindow(App& app, BrowserFrame& frame);

  void startUp();
  void resized();
  void addressChosen();
  void addressKeyPressed(int keyAscii);
  void toolbarButtonPressed(const std::string& key);
  void loadingTick();
  // The engine finished loading a page.
  void pageLoaded();
  // The engine refused an address a page asked for; it goes where the address rule sends it.
  void navigationBlocked(const std::string& address);
  // The child window's own close box ends the browser like the frame's close box.
  void closeBoxPressed() override;

  // The first page to load; startUp sets it to the program's homepage.
  std::string StartingAddress;

  BrowserFrame& frame() const { return frame_; }
  Toolbar& toolbar() const { return *toolbar_; }
  PictureBox& addressStrip() const { return *addressStrip_; }
  Label& addressLabel() const { return *addressLabel_; }
  ComboBox& addressBox() const { return *addressBox_; }
  // The status line beside the address label: what became of an address the browser did not show.
  Label& statusLabel() const { return *statusLabel_; }
  Browser& page() const { return *browser_; }
  Timer& loadingTimer() const { return *loadingTimer_; }

 private:
  // Shows a bundled page, or hands a web address to the user's browser, or refuses the address;
  // in the last two cases the page and the address box stay at the page shown.
  void go(const AddressChoice& choice);

  BrowserFrame& frame_;
  Toolbar* toolbar_ = nullptr;
  PictureBox* addressStrip_ = nullptr;
  Label* addressLabel_ = nullptr;
  ComboBox* addressBox_ = nullptr;
  Label* statusLabel_ = nullptr;
  Browser* browser_ = nullptr;
  Timer* loadingTimer_ = nullptr;
};

}  // namespace zen
