#pragma once
// The web browser window, a child of the frame window MDIForm1: a toolbar of six picture buttons,
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
class MDIForm1;

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

class frmBrowser : public Window {
 public:
  frmBrowser(App& app, MDIForm1& frame);

  void Form_Load();
  void Form_Resize();
  void cboAddress_Click();
  void cboAddress_KeyPress(int keyAscii);
  void tbToolBar_ButtonClick(const std::string& key);
  void timTimer_Timer();
  // The engine finished loading a page.
  void brwWebBrowser_DownloadComplete();
  // The engine refused an address a page asked for; it goes where the address rule sends it.
  void brwWebBrowser_NavigationBlocked(const std::string& address);
  // The child window's own close box ends the browser like the frame's close box.
  void closeBoxPressed() override;

  // The first page to load; Form_Load sets it to the program's homepage.
  std::string StartingAddress;

  MDIForm1& frame() const { return frame_; }
  Toolbar& tbToolBar() const { return *toolbar_; }
  PictureBox& picAddress() const { return *picAddress_; }
  Label& lblAddress() const { return *lblAddress_; }
  ComboBox& cboAddress() const { return *cboAddress_; }
  // The status line beside the address label: what became of an address the browser did not show.
  Label& lblStatus() const { return *lblStatus_; }
  Browser& brwWebBrowser() const { return *browser_; }
  Timer& timTimer() const { return *timer_; }

 private:
  // Shows a bundled page, or hands a web address to the user's browser, or refuses the address;
  // in the last two cases the page and the address box stay at the page shown.
  void go(const AddressChoice& choice);

  MDIForm1& frame_;
  Toolbar* toolbar_ = nullptr;
  PictureBox* picAddress_ = nullptr;
  Label* lblAddress_ = nullptr;
  ComboBox* cboAddress_ = nullptr;
  Label* lblStatus_ = nullptr;
  Browser* browser_ = nullptr;
  Timer* timer_ = nullptr;
};

}  // namespace zen
