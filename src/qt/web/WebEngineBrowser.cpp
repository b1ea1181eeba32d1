// The zenweb module: the browser control on Qt WebEngine. Loaded on the first opening of the
// browser; the calculator itself never links Qt WebEngine.

#include <QAction>
#include <QContextMenuEvent>
#include <QMenu>
#include <QMetaObject>
#include <QPointer>
#include <QString>
#include <QTimer>
#include <QUrl>
#include <QWebEngineHistory>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineSettings>
#include <QWebEngineView>
#include <memory>
#include <string>

#include "TrustedPage.h"
#include "WebAddresses.h"
#include "WebBrowser.h"

namespace zen::qt {
namespace {

// How long a request may wait for its load to start before it no longer counts as loading.
constexpr int kRequestStartLimitMs = 10000;

QUrl toUrl(std::string_view address) {
  // What a user types ("example.org") becomes a full address; the bundled pages keep their qrc:.
  return QUrl::fromUserInput(QString::fromUtf8(address.data(), static_cast<qsizetype>(address.size())));
}

// One profile for every opening: it lives in memory only (nothing of the browsing is written to
// disk) and keeps the engine's process warm for the next opening.
QWebEngineProfile* sharedProfile() {
  QWebEngineProfile* profile = QWebEngineProfile::defaultProfile();
  static const bool configured = [profile] {
    profile->setHttpCacheType(QWebEngineProfile::MemoryHttpCache);
    profile->setPersistentCookiesPolicy(QWebEngineProfile::NoPersistentCookies);
    QWebEngineSettings* s = profile->settings();
    s->setAttribute(QWebEngineSettings::DnsPrefetchEnabled, false);
    s->setAttribute(QWebEngineSettings::ErrorPageEnabled, true);
    s->setAttribute(QWebEngineSettings::PluginsEnabled, false);
    RefuseDownloads(profile);
    return true;
  }();
  (void)configured;
  return profile;
}

// The page's own menu offers only what makes sense on the bundled pages, in the program's
// language: back, forward, reload, and copy while text is selected. The engine's menu would also
// offer to save the page and to show its source, in English (Qt has no Japanese for the engine).
class PageView final : public QWebEngineView {
 protected:
  void contextMenuEvent(QContextMenuEvent* event) override {
    struct Item {
      QWebEnginePage::WebAction action;
      const char* text;
    };
    static constexpr Item kItems[] = {{QWebEnginePage::Back, "戻る"},
                                      {QWebEnginePage::Forward, "進む"},
                                      {QWebEnginePage::Reload, "再読み込み"},
                                      {QWebEnginePage::Copy, "コピー"}};
    auto* menu = new QMenu(this);
    menu->setObjectName(QStringLiteral("pageMenu"));
    menu->setAttribute(Qt::WA_DeleteOnClose);
    for (const Item& item : kItems) {
      if (item.action == QWebEnginePage::Copy && !hasSelection()) continue;
      QAction* action = pageAction(item.action);
      action->setText(QString::fromUtf8(item.text));
      menu->addAction(action);
    }
    menu->popup(event->globalPos());
  }
};

class WebEngineBrowser final : public WebBrowser {
 public:
  explicit WebEngineBrowser(EngineDispatch dispatch) : dispatch_(std::move(dispatch)) {
    view_ = new PageView;
    view_->setPage(new TrustedPage(sharedProfile(), view_, [alive = alive_, this](const QUrl& url) {
      if (!*alive) return;
      // Nothing loads: a request of the window's own no longer counts as loading.
      requested_ = false;
      const std::string address = url.toString().toStdString();
      reportLater([this, address] {
        if (onNavigationBlocked) onNavigationBlocked(address);
      });
    }));
    view_->setObjectName(QStringLiteral("webView"));
    QObject::connect(view_, &QWebEngineView::loadStarted, view_, [alive = alive_, this] {
      if (!*alive) return;
      loading_ = true;
      requested_ = false;
    });
    // A request the engine never starts (nothing to go back to, a same-page jump) must not leave
    // the window saying it is connecting for ever.
    requestGuard_ = new QTimer(view_);
    requestGuard_->setSingleShot(true);
    requestGuard_->setInterval(kRequestStartLimitMs);
    QObject::connect(requestGuard_, &QTimer::timeout, view_, [alive = alive_, this] {
      if (*alive) requested_ = false;
    });
    QObject::connect(view_, &QWebEngineView::loadFinished, view_, [alive = alive_, this](bool) {
      if (!*alive) return;
      loading_ = false;
      requested_ = false;
      reportLater([this] {
        if (onDownloadComplete) onDownloadComplete();
      });
    });
  }

  ~WebEngineBrowser() override {
    *alive_ = false;
    // The view may sit in a widget that is going away in this same event; let Qt delete it when
    // the event is over. A view already deleted with its parent has left the pointer empty.
    if (view_) {
      view_->stop();
      view_->hide();
      view_->deleteLater();
    }
  }

  QWidget* widget() override { return view_; }

  void navigate(const std::string& address) override {
    if (!view_) return;
    requestStarted();
    view_->setUrl(toUrl(address));
  }
  void goBack() override {
    if (!view_ || !view_->history()->canGoBack()) return;
    requestStarted();
    view_->back();
  }
  void goForward() override {
    if (!view_ || !view_->history()->canGoForward()) return;
    requestStarted();
    view_->forward();
  }
  void goHome() override { navigate(std::string(kHomePageAddress)); }
  void goSearch() override { navigate(std::string(kSearchPageAddress)); }
  void refresh() override {
    if (!view_) return;
    requestStarted();
    view_->reload();
  }
  void stop() override {
    requested_ = false;
    if (view_) view_->stop();
  }
  // Busy from the request on, as the window's timer expects: the engine reports the start of a
  // load only a moment later.
  bool busy() const override { return requested_ || loading_; }
  std::string locationName() const override { return view_ ? view_->title().toStdString() : std::string(); }

 private:
  // The model hears of an event of the engine once the event is over: the engine's signals can
  // also come while the view is being destroyed with its window, when no window may be touched; a
  // call queued on the view goes with it then. The window may close and free this engine while the
  // model runs, or before the call comes: only the flag is read then.
  void reportLater(std::function<void()> report) {
    if (!view_) return;  // gone with its window's widgets already
    QMetaObject::invokeMethod(
        view_,
        [alive = alive_, this, report = std::move(report)] {
          if (!*alive) return;
          const auto guarded = [alive, report] {
            if (*alive) report();
          };
          if (dispatch_) {
            const EngineDispatch dispatch = dispatch_;
            dispatch(guarded);
          } else {
            guarded();
          }
        },
        Qt::QueuedConnection);
  }

  void requestStarted() {
    requested_ = true;
    requestGuard_->start();
  }

  EngineDispatch dispatch_;
  QPointer<QWebEngineView> view_;
  QTimer* requestGuard_ = nullptr;  // owned by the view
  bool requested_ = false;
  bool loading_ = false;
  std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
};

}  // namespace
}  // namespace zen::qt

extern "C" Q_DECL_EXPORT zen::qt::WebBrowser* zen_create_web_browser(const zen::qt::EngineDispatch* dispatch) {
  return new zen::qt::WebEngineBrowser(dispatch ? *dispatch : zen::qt::EngineDispatch());
}
