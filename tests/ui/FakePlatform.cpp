#include "FakePlatform.h"

#include <chrono>

namespace zen::test {

LocalDateTime FakePlatform::at(int year, int month, int day, int hour, int minute, int second) {
  namespace chr = std::chrono;
  const chr::year_month_day date{chr::year{year}, chr::month{static_cast<unsigned>(month)},
                                 chr::day{static_cast<unsigned>(day)}};
  const chr::weekday weekday{chr::sys_days{date}};
  LocalDateTime t;
  t.year = year;
  t.month = month;
  t.day = day;
  t.hour = hour;
  t.minute = minute;
  t.second = second;
  t.weekday = static_cast<int>(weekday.c_encoding()) + 1;  // c_encoding: Sunday is 0
  return t;
}

bool FakePlatform::startProgram(const std::string& program, const std::vector<std::string>& arguments) {
  started_.push_back({program, arguments});
  return startProgramResult_;
}

void FakePlatform::messageBox(const std::string& text, const std::string& title) {
  messages_.push_back({text, title});
}

bool FakePlatform::openInWebBrowser(const std::string& address) {
  webAddresses_.push_back(address);
  if (onWebBrowser_) onWebBrowser_();
  return webBrowserResult_;
}

std::unique_ptr<BrowserControl> FakePlatform::createBrowser() {
  if (!browserFactory_) return nullptr;
  ++browsersCreated_;
  return browserFactory_();
}

}  // namespace zen::test
