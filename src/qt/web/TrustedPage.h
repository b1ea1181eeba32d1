#pragma once
// The engine's page, made safe for an engine without security fixes: it loads the program's own
// pages and nothing else, runs no script, fetches nothing from outside the bundled pages' folder,
// opens no window, offers no file and grants no permission. Every navigation passes the address
// rule (AddressRule.h) before the engine loads anything; an address it refuses is reported, and
// the browser window decides where it goes instead (the user's web browser, or nowhere).

#include <QUrl>
#include <QWebEnginePage>
#include <functional>

class QWebEngineProfile;

namespace zen::qt {

class TrustedPage final : public QWebEnginePage {
 public:
  // blocked: called at once with each address a page asked for in its own frame or in a new window
  // and did not get.
  TrustedPage(QWebEngineProfile* profile, QObject* parent, std::function<void(const QUrl&)> blocked);

 protected:
  bool acceptNavigationRequest(const QUrl& url, NavigationType type, bool isMainFrame) override;
  QWebEnginePage* createWindow(WebWindowType type) override;
  QStringList chooseFiles(FileSelectionMode mode, const QStringList& oldFiles, const QStringList& acceptedMimeTypes) override;

 private:
  std::function<void(const QUrl&)> blocked_;
};

// What the profile refuses for every page: downloads.
void RefuseDownloads(QWebEngineProfile* profile);

}  // namespace zen::qt
