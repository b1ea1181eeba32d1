#include "TrustedPage.h"

#include <QWebEngineDownloadRequest>
#include <QWebEngineFileSystemAccessRequest>
#include <QWebEngineFullScreenRequest>
#include <QWebEngineNewWindowRequest>
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
#include <QWebEnginePermission>
#endif
#include <QWebEngineProfile>
#include <QWebEngineRegisterProtocolHandlerRequest>
#include <QWebEngineSettings>
#include <QWebEngineUrlRequestInfo>
#include <QWebEngineUrlRequestInterceptor>
#include <utility>

#include "AddressRule.h"

namespace zen::qt {
namespace {

std::string text(const QUrl& url) { return url.toString().toStdString(); }

// Every request a page makes (the page itself, its style sheet, an image, a prefetch) is stopped
// here unless it names a file of the bundled pages, so nothing reaches the network or the disk.
class BundledFilesOnly final : public QWebEngineUrlRequestInterceptor {
 public:
  using QWebEngineUrlRequestInterceptor::QWebEngineUrlRequestInterceptor;
  void interceptRequest(QWebEngineUrlRequestInfo& info) override {
    if (!IsBundledFile(text(info.requestUrl()))) info.block(true);
  }
};

// The bundled pages are static: no script, no plugin, no storage, nothing that reaches beyond them.
constexpr QWebEngineSettings::WebAttribute kOff[] = {
    QWebEngineSettings::JavascriptEnabled,
    QWebEngineSettings::JavascriptCanOpenWindows,
    QWebEngineSettings::JavascriptCanAccessClipboard,
    QWebEngineSettings::JavascriptCanPaste,
    QWebEngineSettings::AllowWindowActivationFromJavaScript,
    QWebEngineSettings::LocalContentCanAccessRemoteUrls,
    QWebEngineSettings::LocalContentCanAccessFileUrls,
    QWebEngineSettings::LocalStorageEnabled,
    QWebEngineSettings::PluginsEnabled,
    QWebEngineSettings::PdfViewerEnabled,
    QWebEngineSettings::WebGLEnabled,
    QWebEngineSettings::FullScreenSupportEnabled,
    QWebEngineSettings::ScreenCaptureEnabled,
    QWebEngineSettings::HyperlinkAuditingEnabled,
    QWebEngineSettings::AllowRunningInsecureContent,
    QWebEngineSettings::AllowGeolocationOnInsecureOrigins,
    QWebEngineSettings::DnsPrefetchEnabled,
    // A file dropped on the page would otherwise be opened in it.
    QWebEngineSettings::NavigateOnDropEnabled,
};

}  // namespace

TrustedPage::TrustedPage(QWebEngineProfile* profile, QObject* parent, std::function<void(const QUrl&)> blocked)
    : QWebEnginePage(profile, parent), blocked_(std::move(blocked)) {
  for (const auto attribute : kOff) settings()->setAttribute(attribute, false);
  // A child of the page, so it lives as long as the page uses it.
  setUrlRequestInterceptor(new BundledFilesOnly(this));

#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
  connect(this, &QWebEnginePage::permissionRequested, this, [](QWebEnginePermission permission) { permission.deny(); });
#else
  connect(this, &QWebEnginePage::featurePermissionRequested, this, [this](const QUrl& origin, Feature feature) {
    setFeaturePermission(origin, feature, PermissionDeniedByUser);
  });
#endif
  connect(this, &QWebEnginePage::fullScreenRequested, this, [](QWebEngineFullScreenRequest r) { r.reject(); });
  connect(this, &QWebEnginePage::registerProtocolHandlerRequested, this,
          [](QWebEngineRegisterProtocolHandlerRequest r) { r.reject(); });
  connect(this, &QWebEnginePage::fileSystemAccessRequested, this,
          [](QWebEngineFileSystemAccessRequest r) { r.reject(); });
  // A link meant for a new window (or one opened with Shift or Ctrl) opens no window: its address is
  // reported like any other, and the browser window shows it or sends it on.
  connect(this, &QWebEnginePage::newWindowRequested, this, [this](QWebEngineNewWindowRequest& r) {
    if (blocked_) blocked_(r.requestedUrl());
  });
}

bool TrustedPage::acceptNavigationRequest(const QUrl& url, NavigationType, bool isMainFrame) {
  if (DecideAddress(text(url)).use == AddressUse::Show) return true;
  // Only the page itself goes elsewhere; a frame inside it just stays empty.
  if (isMainFrame && blocked_) blocked_(url);
  return false;
}

QWebEnginePage* TrustedPage::createWindow(WebWindowType) { return nullptr; }

QStringList TrustedPage::chooseFiles(FileSelectionMode, const QStringList&, const QStringList&) { return {}; }

void RefuseDownloads(QWebEngineProfile* profile) {
  QObject::connect(profile, &QWebEngineProfile::downloadRequested, profile,
                   [](QWebEngineDownloadRequest* download) { download->cancel(); });
}

}  // namespace zen::qt
