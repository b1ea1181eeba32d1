#include "BrowserWindow.h"

#include <algorithm>

#include "App.h"
#include "BrowserFrame.h"
#include "CalculatorWindow.h"
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

BrowserWindow::BrowserWindow(App& app, BrowserFrame& frame) : Window(app, "BrowserWindow"), frame_(frame) {
  setParentFrame(&frame);
  setCaption("Web ブラウザ");
  setBorder(BorderStyle::Sizeable);
  setBackColour(kSystemButtonFace);
  setFont(Font{"MS UI Gothic", 9, false, false});
  setClientSize(6540, 5130);

  auto& bar = add<Toolbar>("toolbar");
  bar.setBounds(0, 0, 6540, 540);
  bar.setBackColour(kSystemButtonFace);
  const ToolbarButton buttons[] = {
      {kBackKey, "戻る", ":/assets/tb-back.svg"},         {kForwardKey, "進む", ":/assets/tb-forward.svg"},
      {kStopKey, "中止", ":/assets/tb-stop.svg"},         {kRefreshKey, "更新", ":/assets/tb-refresh.svg"},
      {kHomeKey, "ﾎｰﾑ", ":/assets/tb-home.svg"},          {kSearchKey, "検索", ":/assets/tb-search.svg"},
  };
  for (const auto& b : buttons) bar.addButton(b);
  bar.onButtonClick = [this](const std::string& key) { toolbarButtonPressed(key); };
  toolbar_ = &bar;

  auto& strip = add<PictureBox>("addressStrip");
  strip.setBounds(0, 540, 6540, 675);
  strip.setBackColour(kSystemButtonFace);
  addressStrip_ = &strip;

  auto& label = add<Label>("addressLabel", &strip);
  label.setBounds(45, 60, 3075, 255);
  label.setCaption("ｱﾄﾞﾚｽ(&A):");
  label.setAccessibleName("アドレス");
  label.setBackColour(kSystemButtonFace);
  label.setForeColour(kSystemWindowText);
  label.setFont(Font{"MS UI Gothic", 9, false, false});
  addressLabel_ = &label;

  auto& box = add<ComboBox>("addressBox", &strip);
  box.setBounds(45, 300, 3795, 315);
  box.setBackColour(kSystemWindowBackground);
  box.setForeColour(kSystemWindowText);
  box.setFont(Font{"MS UI Gothic", 9, false, false});
  box.setAccessibleName("アドレス");
  box.setTabIndex(0);
  // The list at design: the colour-code reference, then the parts list.
  box.addItem(std::string(kColourCodePageAddress));
  box.addItem(std::string(kPartsListPageAddress));
  box.onClick = [this] { addressChosen(); };
  box.onKeyPress = [this](int key) { addressKeyPressed(key); };
  addressBox_ = &box;

  auto& status = add<Label>("statusLabel", &strip);
  status.setBounds(kStatusLeft, 60, 6540 - kStatusLeft - kStatusRightMargin, 255);
  status.setBackColour(kSystemButtonFace);
  status.setForeColour(kSystemWindowText);
  status.setFont(Font{"MS UI Gothic", 9, false, false});
  statusLabel_ = &status;

  auto& page = add<Browser>("page");
  page.setBounds(0, 1200, 5415, 3735);
  page.setAccessibleName("ページ");
  page.setTabIndex(1);
  page.onDownloadComplete = [this] { pageLoaded(); };
  page.onNavigationBlocked = [this](const std::string& address) { navigationBlocked(address); };
  browser_ = &page;

  loadingTimer_ = &addTimer("loadingTimer", kBrowserTimerMs);
  loadingTimer_->onTick = [this] { loadingTick(); };

  onResize = [this] { resized(); };
}

void BrowserWindow::startUp() {
  // The engine is made now, with the window, and not before.
  page().createEngine(app().platform());

  show();
  toolbar().refresh();
  resized();
  StartingAddress = std::string(kHomePageAddress);
  ComboBox& box = addressBox();
  box.setLeft(50);
  box.setTop(addressLabel().top() + addressLabel().height() + 15);
  if (!StartingAddress.empty()) {
    box.setText(StartingAddress);
    box.addItem(box.text());
    loadingTimer().setEnabled(true);
    page().navigate(StartingAddress);
  }
}

void BrowserWindow::resized() {
  const int w = clientWidth();
  const int h = clientHeight();
  // The toolbar and the address strip are docked at the top: they take the window's width.
  toolbar().setWidth(atLeastZero(w));
  addressStrip().setWidth(atLeastZero(w));
  addressBox().setWidth(atLeastZero(w - kMargin));
  statusLabel().setWidth(atLeastZero(w - kStatusLeft - kStatusRightMargin));
  Browser& page = *browser_;
  page.setWidth(atLeastZero(w - kMargin));
  page.setHeight(atLeastZero(h - (addressStrip().top() + addressStrip().height()) - kMargin));
}

void BrowserWindow::addressChosen() {
  const AddressChoice choice = DecideAddress(addressBox().text());
  // An empty address changes nothing, not even the status line.
  if (choice.use == AddressUse::Nothing) return;
  statusLabel().setCaption("");
  go(choice);
}

void BrowserWindow::go(const AddressChoice& choice) {
  switch (choice.use) {
    case AddressUse::Nothing:
      return;
    case AddressUse::Show:
      loadingTimer().setEnabled(true);
      page().navigate(choice.address);
      return;
    case AddressUse::WebBrowser: {
      const bool opened = app().platform().openInWebBrowser(choice.address);
      statusLabel().setCaption(std::string(opened ? kOpenedInWebBrowserStatus : kNoWebBrowserStatus) +
                             shortAddress(choice.address));
      break;
    }
    case AddressUse::Refuse:
      statusLabel().setCaption(std::string(kRefusedAddressStatus) + shortAddress(choice.address));
      break;
  }
  // Nothing was loaded: the address box names the page still shown.
  addressBox().setText(page().locationName());
}

void BrowserWindow::addressKeyPressed(int keyAscii) {
  if (keyAscii == kEnterKey) addressChosen();
}

void BrowserWindow::toolbarButtonPressed(const std::string& key) {
  App& a = app();
  RecordFramePosition(frame());
  statusLabel().setCaption("");
  loadingTimer().setEnabled(true);
  Browser& page = *browser_;
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
    loadingTimer().setEnabled(false);
    page.stop();
    CalculatorWindow& main = a.calculator();
    main.bringToFront();
    RecordFramePosition(frame());
    a.setAuxWindowFlag(kAuxClosed);
    frame().unload();
    // Like every close button of an auxiliary window, it hands the keyboard back to the entry box.
    main.setFocus(main.entryBox());
  }
}

void BrowserWindow::loadingTick() {
  Browser& page = *browser_;
  if (page.busy()) {
    setCaption(std::string(kConnectingCaption));
    return;
  }
  loadingTimer().setEnabled(false);
  setCaption(page.locationName());
  addressBox().setText(page.locationName());
}

void BrowserWindow::pageLoaded() { setCaption(page().locationName()); }

void BrowserWindow::navigationBlocked(const std::string& address) { go(DecideAddress(address)); }

void BrowserWindow::closeBoxPressed() { frame().closeBoxPressed(); }

}  // namespace zen
