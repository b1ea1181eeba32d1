#pragma once
// The web browser window, a child of the frame window MDIForm1: a toolbar of six picture buttons,
// an address box whose list offers the two reference pages and the starting address, and the page.

#include <string>
#include <string_view>

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
  // The child window's own close box ends the browser like the frame's close box.
  void closeBoxPressed() override;

  // The first page to load; Form_Load sets it to the program's homepage.
  std::string StartingAddress;

  MDIForm1& frame() const { return frame_; }
  Toolbar& tbToolBar() const { return *toolbar_; }
  PictureBox& picAddress() const { return *picAddress_; }
  Label& lblAddress() const { return *lblAddress_; }
  ComboBox& cboAddress() const { return *cboAddress_; }
  Browser& brwWebBrowser() const { return *browser_; }
  Timer& timTimer() const { return *timer_; }

 private:
  MDIForm1& frame_;
  Toolbar* toolbar_ = nullptr;
  PictureBox* picAddress_ = nullptr;
  Label* lblAddress_ = nullptr;
  ComboBox* cboAddress_ = nullptr;
  Browser* browser_ = nullptr;
  Timer* timer_ = nullptr;
};

}  // namespace zen
