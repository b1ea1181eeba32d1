#include "frmBrowser.h"

#include <algorithm>

#include "App.h"
#include "Form1.h"
#include "MDIForm1.h"
#include "WebAddresses.h"

namespace zen {

namespace {

// The margins the page area and the address box keep free on the right and at the bottom.
constexpr int kMargin = 100;

// The status line starts right of the address label and keeps the address box's right margin.
constexpr int kStatusLeft = 45 + 3075 + 45;
constexpr int kStatusRightMargin = 50;
// Longer addresses (a data: address can be megabytes) are cut to this many characters in the status.
constexpr std::size_t kStatusAddressChars = 80;

// A window made smaller than its margins gives negative sizes; such a control is shown with no size.
int atLeastZero(int twips) { return std::max(0, twips); }

// The address as the status line shows it: cut after kStatusAddressChars characters, never inside
// one (the text is UTF-8).
std::string shortAddress(const std::string& address) {
  std::size_t chars = 0;
  for (std::size_t i = 0; i < address.size(); ++i) {
    const bool startsCharacter = (static_cast<unsigned char>(address[i]) & 0xC0) != 0x80;
    if (startsCharacter && chars++ == kStatusAddressChars) return address.substr(0, i) + "…";
  }
  return address;
}

}  // namespace

frmBrowser::frmBrowser(App& app, MDIForm1& frame) : Window(app, "frmBrowser"), frame_(frame) {
  setParentFrame(&frame);
  setCaption("Web ブラウザ");
  setBorder(BorderStyle::Sizeable);
  setBackColour(kSystemButtonFace);
  setFont(Font{"MS UI Gothic", 9, false, false});
  setClientSize(6540, 5130);

  auto& bar = add<Toolbar>("tbToolBar");
  bar.setBounds(0, 0, 6540, 540);
  bar.setBackColour(kSystemButtonFace);
  const ToolbarButton buttons[] = {
      {kBackKey, "戻る", ":/assets/tb-back.svg"},         {kForwardKey, "進む", ":/assets/tb-forward.svg"},
      {kStopKey, "中止", ":/assets/tb-stop.svg"},         {kRefreshKey, "更新", ":/assets/tb-refresh.svg"},
      {kHomeKey, "ﾎｰﾑ", ":/assets/tb-home.svg"},          {kSearchKey, "検索", ":/assets/tb-search.svg"},
  };
  for (const auto& b : buttons) bar.addButton(b);
  bar.onButtonClick = [this](const std::string& key) { tbToolBar_ButtonClick(key); };
  toolbar_ = &bar;

  auto& strip = add<PictureBox>("picAddress");
  strip.setBounds(0, 540, 6540, 675);
  strip.setBackColour(kSystemButtonFace);
  picAddress_ = &strip;

  auto& label = add<Label>("lblAddress", &strip);
  label.setBounds(45, 60, 3075, 255);
  label.setCaption("ｱﾄﾞﾚｽ(&A):");
  label.setAccessibleName("アドレス");
  label.setBackColour(kSystemButtonFace);
  label.setForeColour(kSystemWindowText);
  label.setFont(Font{"MS UI Gothic", 9, false, false});
  lblAddress_ = &label;

  auto& box = add<ComboBox>("cboAddress", &strip);
  box.setBounds(45, 300, 3795, 315);
  box.setBackColour(kSystemWindowBackground);
  box.setForeColour(kSystemWindowText);
  box.setFont(Font{"MS UI Gothic", 9, false, false});
  box.setAccessibleName("アドレス");
  box.setTabIndex(0);
  // The list at design: the colour-code reference, then the parts list.
  box.addItem(std::string(kColourCodePageAddress));
  box.addItem(std::string(kPartsListPageAddress));
  box.onClick = [this] { cboAddress_Click(); };
  box.onKeyPress = [this](int key) { cboAddress_KeyPress(key); };
  cboAddress_ = &box;

  auto& status = add<Label>("lblStatus", &strip);
  status.setBounds(kStatusLeft, 60, 6540 - kStatusLeft - kStatusRightMargin, 255);
  status.setBackColour(kSystemButtonFace);
  status.setForeColour(kSystemWindowText);
  status.setFont(Font{"MS UI Gothic", 9, false, false});
  lblStatus_ = &status;

  auto& page = add<Browser>("brwWebBrowser");
  page.setBounds(0, 1200, 5415, 3735);
  page.setAccessibleName("ページ");
  page.setTabIndex(1);
  page.onDownloadComplete = [this] { brwWebBrowser_DownloadComplete(); };
  page.onNavigationBlocked = [this](const std::string& address) { brwWebBrowser_NavigationBlocked(address); };
  browser_ = &page;

  timer_ = &addTimer("timTimer", kBrowserTimerMs);
  timer_->onTick = [this] { timTimer_Timer(); };

  onResize = [this] { Form_Resize(); };
}

void frmBrowser::Form_Load() {
  // The engine is made now, with the window, and not before.
  brwWebBrowser().createEngine(app().platform());

  show();
  tbToolBar().refresh();
  Form_Resize();
  StartingAddress = std::string(kHomePageAddress);
  ComboBox& box = cboAddress();
  box.setLeft(50);
  box.setTop(lblAddress().top() + lblAddress().height() + 15);
  if (!StartingAddress.empty()) {
    box.setText(StartingAddress);
    box.addItem(box.text());
    timTimer().setEnabled(true);
    brwWebBrowser().navigate(StartingAddress);
  }
}

void frmBrowser::Form_Resize() {
  const int w = clientWidth();
  const int h = clientHeight();
  // The toolbar and the address strip are docked at the top: they take the window's width.
  tbToolBar().setWidth(atLeastZero(w));
  picAddress().setWidth(atLeastZero(w));
  cboAddress().setWidth(atLeastZero(w - kMargin));
  lblStatus().setWidth(atLeastZero(w - kStatusLeft - kStatusRightMargin));
  Browser& page = brwWebBrowser();
  page.setWidth(atLeastZero(w - kMargin));
  page.setHeight(atLeastZero(h - (picAddress().top() + picAddress().height()) - kMargin));
}

void frmBrowser::cboAddress_Click() {
  const AddressChoice choice = DecideAddress(cboAddress().text());
  // An empty address changes nothing, not even the status line.
  if (choice.use == AddressUse::Nothing) return;
  lblStatus().setCaption("");
  go(choice);
}

void frmBrowser::go(const AddressChoice& choice) {
  switch (choice.use) {
    case AddressUse::Nothing:
      return;
    case AddressUse::Show:
      timTimer().setEnabled(true);
      brwWebBrowser().navigate(choice.address);
      return;
    case AddressUse::WebBrowser: {
      const bool opened = app().platform().openInWebBrowser(choice.address);
      lblStatus().setCaption(std::string(opened ? kOpenedInWebBrowserStatus : kNoWebBrowserStatus) +
                             shortAddress(choice.address));
      break;
    }
    case AddressUse::Refuse:
      lblStatus().setCaption(std::string(kRefusedAddressStatus) + shortAddress(choice.address));
      break;
  }
  // Nothing was loaded: the address box names the page still shown.
  cboAddress().setText(brwWebBrowser().locationName());
}

void frmBrowser::cboAddress_KeyPress(int keyAscii) {
  if (keyAscii == kEnterKey) cboAddress_Click();
}

void frmBrowser::tbToolBar_ButtonClick(const std::string& key) {
  App& a = app();
  RecordFramePosition(frame());
  lblStatus().setCaption("");
  timTimer().setEnabled(true);
  Browser& page = brwWebBrowser();
  if (key == kBackKey) {
    page.goBack();
  } else if (key == kForwardKey) {
    page.goForward();
  } else if (key == kRefreshKey) {
    page.refresh();
  } else if (key == kHomeKey) {
    page.goHome();
  } else if (key == kSearchKey) {
    page.goSearch();
  } else if (key == kStopKey) {
    timTimer().setEnabled(false);
    page.stop();
    Form1& main = a.form1();
    main.bringToFront();
    RecordFramePosition(frame());
    a.setAuxWindowFlag(kAuxClosed);
    frame().unload();
    // Like every close button of an auxiliary window, it hands the keyboard back to the entry box.
    main.setFocus(main.Text5());
  }
}

void frmBrowser::timTimer_Timer() {
  Browser& page = brwWebBrowser();
  if (page.busy()) {
    setCaption(std::string(kConnectingCaption));
    return;
  }
  timTimer().setEnabled(false);
  setCaption(page.locationName());
  cboAddress().setText(page.locationName());
}

void frmBrowser::brwWebBrowser_DownloadComplete() { setCaption(brwWebBrowser().locationName()); }

void frmBrowser::brwWebBrowser_NavigationBlocked(const std::string& address) { go(DecideAddress(address)); }

void frmBrowser::closeBoxPressed() { frame().closeBoxPressed(); }

}  // namespace zen
