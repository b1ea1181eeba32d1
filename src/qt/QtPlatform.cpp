#include "QtPlatform.h"

#include <QApplication>
#include <QDateTime>
#include <QMessageBox>
#include <QProcess>

namespace zen::qt {

void QtPlatform::beep() { QApplication::beep(); }

LocalDateTime QtPlatform::now() {
  const QDateTime t = QDateTime::currentDateTime();
  const QDate d = t.date();
  const QTime h = t.time();
  // Qt counts Monday as 1 and Sunday as 7; the clock counts Sunday as 1.
  return LocalDateTime{d.year(), d.month(), d.day(), h.hour(), h.minute(), h.second(), d.dayOfWeek() % 7 + 1};
}

std::filesystem::path QtPlatform::currentDirectory() {
  std::error_code ec;
  std::filesystem::path p = std::filesystem::current_path(ec);
  return ec ? std::filesystem::path(".") : p;
}

bool QtPlatform::startProgram(const std::string& program, const std::vector<std::string>& arguments) {
  QStringList args;
  for (const auto& a : arguments) args << QString::fromStdString(a);
  return QProcess::startDetached(QString::fromStdString(program), args);
}

void QtPlatform::messageBox(const std::string& text, const std::string& title) {
  QMessageBox::information(QApplication::activeWindow(), QString::fromStdString(title), QString::fromStdString(text),
                           QMessageBox::Ok);
}

void QtPlatform::endProgram() { QCoreApplication::exit(0); }

std::filesystem::path QtPlatform::installedDataFolder() {
  return std::filesystem::path(QCoreApplication::applicationDirPath().toStdString()) / "data";
}

std::unique_ptr<BrowserControl> QtPlatform::createBrowser() { return nullptr; }

}  // namespace zen::qt
