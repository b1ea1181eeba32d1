// The clock: year, month and day, weekday and time of day, from the platform's clock.

#include <cstdint>
#include <string>
#include <vector>

#include "Form1Fixture.h"

namespace zen::test {
namespace {

class ClockTest : public Form1Test {
 protected:
  void tickAt(const LocalDateTime& t) {
    platform.setClock(t);
    form().Timer1().tick();
  }
  const std::string& caption(const char* label) { return form().get<Label>(label).caption(); }
  Rgb weekdayColour() { return form().get<Label>("Label27").foreColour(); }
};

TEST_F(ClockTest, FirstTickReplacesTheDesignTexts) {
  EXPECT_EQ(caption("Label26"), "V195年");
  EXPECT_EQ(caption("Label23"), "月日");
  EXPECT_EQ(caption("Label24"), "09:10:00");
  EXPECT_TRUE(form().Timer1().enabled());
  EXPECT_EQ(form().Timer1().interval(), 100);

  tickAt(FakePlatform::at(2026, 12, 7, 14, 3, 9));
  EXPECT_EQ(caption("Label26"), "2026年");
  EXPECT_EQ(caption("Label23"), "12月7日");
  EXPECT_EQ(caption("Label27"), "月");
  EXPECT_EQ(caption("Label28"), "曜日");
  EXPECT_EQ(caption("Label24"), "14:03:09");
  EXPECT_EQ(form().ShownDate, "2026/12/07");
  EXPECT_EQ(form().ShownYear, "2026");
  EXPECT_EQ(form().ShownWeekday, 2);
}

// The screen layer ticks the clock once, as each second begins, instead of every 100 ms; ticks
// within one second must therefore show nothing new.
TEST_F(ClockTest, TicksWithinOneSecondChangeNothing) {
  EXPECT_EQ(form().Timer1().pace(), Timer::Pace::WallClockSecond);
  auto revisions = [this] {
    std::vector<std::uint64_t> r{form().revision()};
    for (const auto& c : form().controls()) r.push_back(c->revision());
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
  EXPECT_EQ(caption("Label27"), w.initial);
  EXPECT_EQ(weekdayColour(), w.colour);
  EXPECT_EQ(form().ShownWeekday, w.number);
  EXPECT_EQ(caption("Label23"), "12月" + std::to_string(w.day) + "日");
}

INSTANTIATE_TEST_SUITE_P(December2026, Weekday, ::testing::ValuesIn(kWeek));

TEST_F(ClockTest, SundayAfterSaturdayTurnsFromBlueToRed) {
  tickAt(FakePlatform::at(2026, 12, 12, 23, 59, 59));
  EXPECT_EQ(weekdayColour(), 0xFF0000u);
  tickAt(FakePlatform::at(2026, 12, 13, 0, 0, 0));
  EXPECT_EQ(caption("Label27"), "日");
  EXPECT_EQ(weekdayColour(), 0x0000FFu);
  tickAt(FakePlatform::at(2026, 12, 14, 0, 0, 0));
  EXPECT_EQ(weekdayColour(), 0x000000u);
}

TEST_F(ClockTest, FirstOfJanuaryHasNoLeadingZeros) {
  tickAt(FakePlatform::at(2027, 1, 1, 0, 0, 1));
  EXPECT_EQ(caption("Label23"), "1月1日");
  EXPECT_EQ(caption("Label26"), "2027年");
  EXPECT_EQ(caption("Label24"), "00:00:01");
}

TEST_F(ClockTest, AcrossMidnightTheDateChangesAtTheFirstTickOfTheNewDay) {
  tickAt(FakePlatform::at(2026, 12, 31, 23, 59, 59));
  EXPECT_EQ(caption("Label26"), "2026年");
  EXPECT_EQ(caption("Label23"), "12月31日");
  EXPECT_EQ(caption("Label27"), "木");

  tickAt(FakePlatform::at(2026, 12, 31, 23, 59, 59));  // a tenth of a second later
  EXPECT_EQ(caption("Label23"), "12月31日");

  tickAt(FakePlatform::at(2027, 1, 1, 0, 0, 0));
  EXPECT_EQ(caption("Label26"), "2027年");
  EXPECT_EQ(caption("Label23"), "1月1日");
  EXPECT_EQ(caption("Label27"), "金");
  EXPECT_EQ(caption("Label24"), "00:00:00");
  EXPECT_EQ(form().ShownDate, "2027/01/01");
}

TEST_F(ClockTest, WithinADayOnlyTheTimeIsRewritten) {
  tickAt(FakePlatform::at(2026, 12, 7, 9, 0, 0));
  // Written over by hand: a tick on the same day leaves the date labels alone.
  form().get<Label>("Label23").setCaption("x");
  form().get<Label>("Label27").setCaption("y");
  tickAt(FakePlatform::at(2026, 12, 7, 9, 0, 1));
  EXPECT_EQ(caption("Label23"), "x");
  EXPECT_EQ(caption("Label27"), "y");
  EXPECT_EQ(caption("Label24"), "09:00:01");
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
  EXPECT_EQ(caption("Label24"), t.text);
}

INSTANTIATE_TEST_SUITE_P(Times, TimeOfDay,
                         ::testing::Values(TimeCase{0, 0, 0, "00:00:00"}, TimeCase{9, 5, 3, "09:05:03"},
                                           TimeCase{12, 30, 45, "12:30:45"}, TimeCase{23, 59, 59, "23:59:59"}));

TEST_F(ClockTest, YearAlwaysHasFourDigits) {
  tickAt(FakePlatform::at(999, 3, 4));
  EXPECT_EQ(caption("Label26"), "0999年");
  EXPECT_EQ(caption("Label23"), "3月4日");
}

TEST_F(ClockTest, StopsAtQuit) {
  tickAt(FakePlatform::at(2026, 12, 7, 9, 0, 0));
  press("Command1");
  EXPECT_FALSE(form().Timer1().enabled());
  tickAt(FakePlatform::at(2026, 12, 8, 10, 0, 0));
  EXPECT_EQ(caption("Label24"), "09:00:00");
  EXPECT_EQ(caption("Label23"), "12月7日");
}

}  // namespace
}  // namespace zen::test
