#pragma once
// The web engine as the Qt layer holds it: the model's browser control plus the widget that shows
// its page. The engine lives in a module of its own (zenweb), loaded the first time the browser
// opens, so the calculator starts without loading Qt WebEngine at all.

#include <functional>

#include "BrowserControl.h"

class QWidget;

namespace zen::qt {

// Runs a model action for an event of the engine (a page finished loading) the way the renderer
// runs user events: the widgets are brought up to date afterwards.
using EngineDispatch = std::function<void(const std::function<void()>&)>;

class WebBrowser : public BrowserControl {
 public:
  // The page view; the browser window's page area embeds it. The engine owns it.
  virtual QWidget* widget() = 0;
};

}  // namespace zen::qt

// The one entry of the zenweb module, an extern "C" function of this type named
// zen_create_web_browser. The caller owns the result.
using ZenCreateWebBrowser = zen::qt::WebBrowser* (*)(const zen::qt::EngineDispatch* dispatch);
inline constexpr const char* kZenCreateWebBrowserSymbol = "zen_create_web_browser";
