// The clock: year, month and day, weekday and time of day, from the platform's clock.

#include <cstdint>
#include <string>
#include <vector>

#include "CalculatorFixture.h"

namespace zen::test {
namespace {

class ClockTest : public CalculatorWindowTest {
 protected:
  void tickAt(const LocalDateTime& t) {
    platform.setClock(t);
    calculator().clockTimer().tick();
  }
  const std::string& caption(const char* label) { return calculator().get<Label>(label).caption(); }
  Rgb weekdayColour() { return calculator().get<Label>("clockWeekdayInitial").foreColour(); }
};

TEST_F(ClockTest, FirstTickReplacesTheDesignTexts) {
  EXPECT_EQ(caption("clockYear"), "V195年");
  EXPECT_EQ(caption("clockMonthDay"), "月日");
  EXPECT_EQ(caption("clockTime"), "09:10:00");
  EXPECT_TRUE(calculator().clockTimer().enabled());
  EXPECT_EQ(calculator().clockTimer().interval(), 100);

  tickAt(FakePlatform::at(2026, 12, 7, 14, 3, 9));
  EXPECT_EQ(caption("clockYear"), "2026年");
  EXPECT_EQ(caption("clockMonthDay"), "12月7日");
  EXPECT_EQ(caption("clockWeekdayInitial"), "月");
  EXPECT_EQ(caption("clockWeekdaySuffix"), "曜日");
  EXPECT_EQ(caption("clockTime"), "14:03:09");
  EXPECT_EQ(calculator().ShownDate, "2026/12/07");
  EXPECT_EQ(calculator().ShownYear, "2026");
  EXPECT_EQ(calculator().ShownWeekday, 2);
}

// The screen layer ticks the clock once, as each second begins, instead of every 100 ms; ticks
// within one second must therefore show nothing new.
TEST_F(ClockTest, TicksWithinOneSecondChangeNothing) {
  EXPECT_EQ(calculator().clockTimer().pace(), Timer::Pace::WallClockSecond);
  auto revisions = [this] {
    std::vector<std::uint64_t> r{calculator().revision()};
    for (const auto& c : calculator().controls()) r.push_back(c->revision());
    return r;
  };
  for (const LocalDateTime& t : {FakePlatform::at(2026, 12, 31, 23, 59, 59), FakePlatform::at(2027, 1, 1, 0, 0, 0)}) {
    tickAt(t);
    const auto shown = revisions();
    tickAt(t);
    EXPECT_EQ(revisions(), shown);
  }
}

struct WeekdayCase {
  int day;  // of December 2026, which begins on a Tuesday
  const char* initial;
  int number;
  Rgb colour;
};
void PrintTo(const WeekdayCase& c, std::ostream* os) { *os << "December " << c.day << ' ' << c.initial; }

const WeekdayCase kWeek[] = {
    {6, "日", 1, 0x0000FF}, {7, "月", 2, 0x000000}, {8, "火", 3, 0x000000},  {9, "水", 4, 0x000000},
    {10, "木", 5, 0x000000}, {11, "金", 6, 0x000000}, {12, "土", 7, 0xFF0000},
};

class Weekday : public ClockTest, public ::testing::WithParamInterface<WeekdayCase> {};

TEST_P(Weekday, ShowsTheFirstKanjiInItsColour) {
  const WeekdayCase& w = GetParam();
  tickAt(FakePlatform::at(2026, 12, w.day, 12));
  EXPECT_EQ(caption("clockWeekdayInitial"), w.initial);
  EXPECT_EQ(weekdayColour(), w.colour);
  EXPECT_EQ(calculator().ShownWeekday, w.number);
  EXPECT_EQ(caption("clockMonthDay"), "12月" + std::to_string(w.day) + "日");
}

INSTANTIATE_TEST_SUITE_P(December2026, Weekday, ::testing::ValuesIn(kWeek));

TEST_F(ClockTest, SundayAfterSaturdayTurnsFromBlueToRed) {
  tickAt(FakePlatform::at(2026, 12, 12, 23, 59, 59));
  EXPECT_EQ(weekdayColour(), 0xFF0000u);
  tickAt(FakePlatform::at(2026, 12, 13, 0, 0, 0));
  EXPECT_EQ(caption("clockWeekdayInitial"), "日");
  EXPECT_EQ(weekdayColour(), 0x0000FFu);
  tickAt(FakePlatform::at(2026, 12, 14, 0, 0, 0));
  EXPECT_EQ(weekdayColour(), 0x000000u);
}

TEST_F(ClockTest, FirstOfJanuaryHasNoLeadingZeros) {
  tickAt(FakePlatform::at(2027, 1, 1, 0, 0, 1));
  EXPECT_EQ(caption("clockMonthDay"), "1月1日");
  EXPECT_EQ(caption("clockYear"), "2027年");
  EXPECT_EQ(caption("clockTime"), "00:00:01");
}

TEST_F(ClockTest, AcrossMidnightTheDateChangesAtTheFirstTickOfTheNewDay) {
  tickAt(FakePlatform::at(2026, 12, 31, 23, 59, 59));
  EXPECT_EQ(caption("clockYear"), "2026年");
  EXPECT_EQ(caption("clockMonthDay"), "12月31日");
  EXPECT_EQ(caption("clockWeekdayInitial"), "木");

  tickAt(FakePlatform::at(2026, 12, 31, 23, 59, 59));  // a tenth of a second later
  EXPECT_EQ(caption("clockMonthDay"), "12月31日");

  tickAt(FakePlatform::at(2027, 1, 1, 0, 0, 0));
  EXPECT_EQ(caption("clockYear"), "2027年");
  EXPECT_EQ(caption("clockMonthDay"), "1月1日");
  EXPECT_EQ(caption("clockWeekdayInitial"), "金");
  EXPECT_EQ(caption("clockTime"), "00:00:00");
  EXPECT_EQ(calculator().ShownDate, "2027/01/01");
}

TEST_F(ClockTest, WithinADayOnlyTheTimeIsRewritten) {
  tickAt(FakePlatform::at(2026, 12, 7, 9, 0, 0));
  // Written over by hand: a tick on the same day leaves the date labels alone.
  calculator().get<Label>("clockMonthDay").setCaption("x");
  calculator().get<Label>("clockWeekdayInitial").setCaption("y");
  tickAt(FakePlatform::at(2026, 12, 7, 9, 0, 1));
  EXPECT_EQ(caption("clockMonthDay"), "x");
  EXPECT_EQ(caption("clockWeekdayInitial"), "y");
  EXPECT_EQ(caption("clockTime"), "09:00:01");
}

struct TimeCase {
  int hour, minute, second;
  const char* text;
};
void PrintTo(const TimeCase& c, std::ostream* os) { *os << c.text; }

class TimeOfDay : public ClockTest, public ::testing::WithParamInterface<TimeCase> {};

TEST_P(TimeOfDay, IsHoursMinutesSecondsWithColons) {
  const TimeCase& t = GetParam();
  tickAt(FakePlatform::at(2026, 12, 7, t.hour, t.minute, t.second));
  EXPECT_EQ(caption("clockTime"), t.text);
}

INSTANTIATE_TEST_SUITE_P(Times, TimeOfDay,
                         ::testing::Values(TimeCase{0, 0, 0, "00:00:00"}, TimeCase{9, 5, 3, "09:05:03"},
                                           TimeCase{12, 30, 45, "12:30:45"}, TimeCase{23, 59, 59, "23:59:59"}));

TEST_F(ClockTest, YearAlwaysHasFourDigits) {
  tickAt(FakePlatform::at(999, 3, 4));
  EXPECT_EQ(caption("clockYear"), "0999年");
  EXPECT_EQ(caption("clockMonthDay"), "3月4日");
}

TEST_F(ClockTest, StopsAtQuit) {
  tickAt(FakePlatform::at(2026, 12, 7, 9, 0, 0));
  press("quitButton");
  EXPECT_FALSE(calculator().clockTimer().enabled());
  tickAt(FakePlatform::at(2026, 12, 8, 10, 0, 0));
  EXPECT_EQ(caption("clockTime"), "09:00:00");
  EXPECT_EQ(caption("clockMonthDay"), "12月7日");
}

}  // namespace
}  // namespace zen::test
