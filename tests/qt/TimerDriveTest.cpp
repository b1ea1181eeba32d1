// The model's timers on the real event loop: the position recorders sleep until their window moves,
// yet the settings file gets the same positions as ever; the clock ticks on the wall clock's seconds.

#include <gtest/gtest.h>

#include <QDateTime>
#include <QGuiApplication>
#include <QLineEdit>
#include <QStyleHints>
#include <QPoint>
#include <algorithm>
#include <ostream>
#include <utility>
#include <string>
#include <vector>

#include "App.h"
#include "CalculatorWindow.h"
#include "CaretRest.h"
#include "ChartWindow.h"
#include "HelpWindow.h"
#include "Numbers.h"
#include "QtTestSupport.h"
#include "Renderer.h"
#include "SavedValues.h"
#include "Settings.h"
#include "TimerDrive.h"
#include "Views.h"

namespace zen::test {
namespace {

constexpr int kWaitMs = 20000;

class TimerDriveTest : public OnScreenTest {
 protected:
  void registerViews(qt::Renderer& r, RecordingQtPlatform&) override { qt::registerAuxiliaryViews(r); }
  qt::TimerDrive& drive(const Window& w, const Timer& t) {
    return *static_cast<qt::WindowView*>(view(w))->timers.at(&t);
  }
};

// A window's place on the screen as the settings file keeps it (15 twips per pixel here).
std::pair<std::string, std::string> Recorded(QPoint at) {
  return {SignedNumberText(at.y() * 15), SignedNumberText(at.x() * 15)};
}

struct RecorderCase {
  const char* opener;  // none: the calculator itself
  Window& (*window)(App&);
  Timer& (*recorder)(App&);
  int topEntry, leftEntry;
  bool moved;
};
void PrintTo(const RecorderCase& c, std::ostream* os) {
  *os << (c.opener ? c.opener : "calculator") << (c.moved ? ", moved" : ", not moved");
}

Window& Calculator(App& a) { return a.calculator(); }
Window& Chart(App& a) { return *a.find<ChartWindow>(); }
Window& Help(App& a) { return *a.find<HelpWindow>(); }
Timer& CalculatorRecorder(App& a) { return a.calculator().positionTimer(); }
Timer& ChartRecorder(App& a) { return a.find<ChartWindow>()->positionTimer(); }
Timer& HelpRecorder(App& a) { return a.find<HelpWindow>()->positionTimer(); }

const RecorderCase kRecorderCases[] = {
    {nullptr, Calculator, CalculatorRecorder, entry::kMainTop, entry::kMainLeft, false},
    {nullptr, Calculator, CalculatorRecorder, entry::kMainTop, entry::kMainLeft, true},
    {"chartButton", Chart, ChartRecorder, entry::kChartTop, entry::kChartLeft, false},
    {"chartButton", Chart, ChartRecorder, entry::kChartTop, entry::kChartLeft, true},
    {"helpButton", Help, HelpRecorder, entry::kHelpTop, entry::kHelpLeft, true},
};

class QuitAfterMove : public TimerDriveTest, public ::testing::WithParamInterface<RecorderCase> {};

TEST_P(QuitAfterMove, WritesWhereTheUserLeftTheWindowWhileItsRecorderSleeps) {
  const RecorderCase& c = GetParam();
  if (c.opener) clickOn(widgetOf(calculator(), c.opener));
  Window& w = c.window(*app);
  qt::TimerDrive& recorder = drive(w, c.recorder(*app));
  auto entries = [&] { return std::make_pair(app->savedValues().get(c.topEntry), app->savedValues().get(c.leftEntry)); };
  // Switched on, the recorder writes the window's place once and then sleeps.
  ASSERT_TRUE(waitUntil([&] { return !recorder.running(); }, kWaitMs));
  QPoint place = view(w)->pos();
  EXPECT_EQ(entries(), Recorded(place));
  if (c.moved) {
    place += QPoint(40, 20);
    view(w)->move(place);
    ASSERT_TRUE(waitUntil([&] { return w.left() == place.x() * 15 && w.top() == place.y() * 15; }, kWaitMs));
    // The move itself wakes it; it records the new place and sleeps again.
    EXPECT_TRUE(recorder.running() || entries() == Recorded(place));
    EXPECT_TRUE(waitUntil([&] { return entries() == Recorded(place); }, kWaitMs));
    EXPECT_TRUE(waitUntil([&] { return !recorder.running(); }, kWaitMs));
  }
  EXPECT_TRUE(drive(calculator(), calculator().clockTimer()).running()) << "the clock goes on";

  clickOn(widgetOf(calculator(), "quitButton"));
  ASSERT_EQ(platform->ends, 1);
  SavedValues saved;
  LoadSettings(folder.path(), saved);
  EXPECT_EQ(std::make_pair(saved.get(c.topEntry), saved.get(c.leftEntry)), Recorded(place));
}

INSTANTIATE_TEST_SUITE_P(Windows, QuitAfterMove, ::testing::ValuesIn(kRecorderCases));

TEST_F(TimerDriveTest, WallClockTimerTicksAtOnceThenAsEachSecondBegins) {
  Timer clock("Clock", 100);
  clock.setPace(Timer::Pace::WallClockSecond);
  clock.setEnabled(true);
  std::vector<qint64> seconds;
  clock.onTick = [&] { seconds.push_back(QDateTime::currentSecsSinceEpoch()); };
  qt::TimerDrive d(clock, [&] { clock.tick(); });
  d.follow();
  ASSERT_TRUE(d.running());
  ASSERT_TRUE(waitUntil([&] { return seconds.size() >= 3; }, kWaitMs));
  // The first tick comes with the switch, the next ones each in a second of its own.
  for (std::size_t i = 2; i < seconds.size(); ++i) EXPECT_GT(seconds[i], seconds[i - 1]);
  clock.setEnabled(false);
  d.follow();
  EXPECT_FALSE(d.running());
  const std::size_t ticks = seconds.size();
  processEvents();
  EXPECT_EQ(seconds.size(), ticks);
}

TEST_F(TimerDriveTest, TheCaretRestsShownWithoutInputAndBlinksAgainWhenTheUserTypes) {
  const int flashTime = QGuiApplication::styleHints()->cursorFlashTime();
  ASSERT_GT(flashTime, 0);
  auto* entry = qobject_cast<QLineEdit*>(widgetOf(calculator(), "entryBox"));
  ASSERT_NE(entry, nullptr);
  ASSERT_TRUE(entry->hasFocus());
  qt::CaretRest caret(50);
  ASSERT_TRUE(waitUntil([&] { return caret.resting(); }, kWaitMs));
  // No blink timer any more, and the caret stays in view.
  EXPECT_EQ(QGuiApplication::styleHints()->cursorFlashTime(), 0);
  // The box is empty: the one tall dark stroke inside its border is the caret.
  const QImage image = grabImage(*entry);
  int tallest = 0;
  for (int x = 3; x < image.width() - 3; ++x) {
    int ink = 0;
    for (int y = 3; y < image.height() - 3; ++y) ink += qGray(image.pixel(x, y)) < 96;
    tallest = std::max(tallest, ink);
  }
  EXPECT_GT(tallest, (image.height() - 6) / 2);

  typeInto(entry, QStringLiteral("4"));
  EXPECT_FALSE(caret.resting());
  EXPECT_EQ(QGuiApplication::styleHints()->cursorFlashTime(), flashTime);
  EXPECT_TRUE(waitUntil([&] { return caret.resting(); }, kWaitMs));
}

}  // namespace
}  // namespace zen::test
