// The clock: year, month and day, the weekday's first kanji and the time of day.

#include <cstdio>

#include "App.h"
#include "CalculatorWindow.h"

namespace zen {

namespace {
constexpr const char* kWeekdayInitials[] = {"日", "月", "火", "水", "木", "金", "土"};
constexpr Rgb kSundayColour = 0x0000FF;
constexpr Rgb kSaturdayColour = 0xFF0000;
constexpr Rgb kWeekdayColour = 0x000000;

std::string format(const char* pattern, int a, int b, int c) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, pattern, a, b, c);
  return buffer;
}
}  // namespace

void CalculatorWindow::clockTick() {
  const LocalDateTime now = app().platform().now();
  // The date always shows its four-digit year, whatever the desktop's date format.
  const std::string today = format("%04d/%02d/%02d", now.year, now.month, now.day);
  if (today != ShownDate) {
    ShownDate = today;
    ShownYear = ShownDate.substr(0, 4);
    get<Label>("clockYear").setCaption(ShownYear + "年");
    get<Label>("clockMonthDay").setCaption(std::to_string(now.month) + "月" + std::to_string(now.day) + "日");
    const int weekday = (now.weekday >= 1 && now.weekday <= 7) ? now.weekday : 1;
    ShownWeekday = weekday;
    auto& initial = get<Label>("clockWeekdayInitial");
    initial.setForeColour(weekday == 1 ? kSundayColour : weekday == 7 ? kSaturdayColour : kWeekdayColour);
    initial.setCaption(kWeekdayInitials[weekday - 1]);
  }
  get<Label>("clockTime").setCaption(format("%02d:%02d:%02d", now.hour, now.minute, now.second));
}

}  // namespace zen
