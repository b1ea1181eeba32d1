// The calculator through Qt's accessibility and the keyboard alone: roles, names and checked states
// as a screen reader reads them, the events it hears, and every band chosen without a mouse.

#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QLineEdit>
#include <QPointer>
#include <QTest>
#include <algorithm>
#include <cstdlib>
#include <iterator>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "AboutBox.h"
#include "Accessible.h"
#include "App.h"
#include "CalculatorWindow.h"
#include "QtTestSupport.h"
#include "Renderer.h"

namespace zen::test {
namespace {

QString u(const char* s) { return QString::fromUtf8(s); }

class ReaderViewTest : public OnScreenTest {
 protected:
  void SetUp() override {
    OnScreenTest::SetUp();
    window()->activateWindow();
    processEvents();
  }
  void TearDown() override {
    qt::setReaderListener({});
    OnScreenTest::TearDown();
  }
  QWidget* widget(const std::string& name) { return widgetOf(calculator(), name); }
  QWidget* window() { return view(calculator()); }
  QAccessibleInterface* reader(const std::string& name) { return QAccessible::queryAccessibleInterface(widget(name)); }
  std::string focused() {
    auto* v = dynamic_cast<qt::ControlView*>(window()->focusWidget());
    return v ? v->control().name() : "";
  }
  // A key pressed where the focus is, as the keyboard sends it.
  void key(Qt::Key k, Qt::KeyboardModifiers m = Qt::NoModifier) {
    QTest::keyClick(window()->focusWidget(), k, m);
    processEvents();
  }
  // The options a reader hears as checked.
  std::set<std::string> checkedOptions() {
    std::set<std::string> on;
    for (const auto& c : calculator().controls()) {
      if (dynamic_cast<const OptionButton*>(c.get()) && reader(c->name())->state().checked) on.insert(c->name());
    }
    return on;
  }
  QString shown(const char* box) { return qobject_cast<QLineEdit*>(widget(box))->text(); }
};

TEST_F(ReaderViewTest, EachControlHasItsRoleAndName) {
  struct Case {
    const char* control;
    QAccessible::Role role;
    const char* name;
  };
  const Case cases[] = {
      {"firstBandYellow", QAccessible::RadioButton, "1帯 黄 4"},
      {"toleranceGold", QAccessible::RadioButton, "4帯 金 ±5%"},
      {"firstBandSelector", QAccessible::Grouping, "１帯"},
      {"firstBand", QAccessible::Graphic, "1帯の色 黒"},
      {"slotABand1", QAccessible::Graphic, "メモリA 1帯 黒"},
      {"firstBandLabel", QAccessible::StaticText, "黒"},
      {"homepageLink", QAccessible::Link, "Soranoのホームページ"},
      {"clockTime", QAccessible::StaticText, ""},
      {"body1", QAccessible::Client, ""},
      {"ohmBox", QAccessible::EditableText, "抵抗値 Ω"},
      {"slotAButton", QAccessible::PushButton, "色帯値保存 A"},
      {"quitButton", QAccessible::PushButton, "終了"},
  };
  for (const auto& c : cases) {
    QAccessibleInterface* r = reader(c.control);
    ASSERT_NE(r, nullptr) << c.control;
    EXPECT_EQ(r->role(), c.role) << c.control;
    if (*c.name) {
      EXPECT_EQ(r->text(QAccessible::Name), u(c.name)) << c.control;
    }
  }
  EXPECT_TRUE(reader("firstBandYellow")->state().checkable);
  EXPECT_TRUE(reader("firstBandYellow")->state().focusable);
  EXPECT_TRUE(reader("ohmBox")->state().readOnly);
  QAccessibleInterface* frame = QAccessible::queryAccessibleInterface(window());
  EXPECT_EQ(frame->role(), QAccessible::Window);
  EXPECT_EQ(frame->text(QAccessible::Name), u("カラ-コ-ド抵抗"));
}

TEST_F(ReaderViewTest, CheckedStatesFollowClicksAndTyping) {
  auto* entry = widget("entryBox");
  const std::pair<std::function<void()>, std::set<std::string>> steps[] = {
      {[] {}, {"firstBandBlack", "secondBandBlack", "multiplierGold", "toleranceGold"}},
      {[&] { typeInto(entry, QStringLiteral("4700")); },
       {"firstBandYellow", "secondBandPurple", "multiplierRed", "toleranceGold"}},
      {[&] { clickOn(widget("toleranceGreen")); },
       {"firstBandYellow", "secondBandPurple", "multiplierRed", "toleranceGreen"}},
      {[&] { clickOn(widget("secondBandRed")); },
       {"firstBandYellow", "secondBandRed", "multiplierRed", "toleranceGreen"}},
      {[&] { clickOn(widget("firstBandBlack")); },
       {"firstBandBlack", "secondBandBlack", "multiplierGold", "toleranceGold"}},
  };
  int i = 0;
  for (const auto& [act, expected] : steps) {
    act();
    EXPECT_EQ(checkedOptions(), expected) << "step " << i++;
  }
  // The value a reader reads is the box's text.
  clickOn(widget("clsButton"));
  typeInto(entry, QStringLiteral("4700"));
  QAccessibleTextInterface* text = reader("ohmBox")->textInterface();
  ASSERT_NE(text, nullptr);
  EXPECT_EQ(text->text(0, text->characterCount()), QStringLiteral("4700"));
}

TEST_F(ReaderViewTest, ReaderHearsChoicesAndRenamedBandsButNotTheClockTicking) {
  std::vector<std::pair<std::string, QAccessible::Event>> heard;
  qt::setReaderListener([&](QAccessibleEvent& e) {
    heard.emplace_back(e.object()->objectName().toStdString(), e.type());
  });
  typeInto(widget("entryBox"), QStringLiteral("4"));
  const std::pair<std::string, QAccessible::Event> expected[] = {
      {"firstBandBlack", QAccessible::StateChanged}, {"firstBandYellow", QAccessible::StateChanged},
      {"firstBand", QAccessible::NameChanged}, {"firstBandLabel", QAccessible::NameChanged}};
  for (const auto& e : expected) {
    EXPECT_NE(std::find(heard.begin(), heard.end(), e), heard.end()) << e.first;
  }
  EXPECT_EQ(reader("firstBand")->text(QAccessible::Name), u("1帯の色 黄"));

  Label& time = calculator().get<Label>("clockTime");
  heard.clear();
  renderer->dispatch([&] { time.setCaption("12:00:01"); });
  EXPECT_TRUE(heard.empty());
  widget("clockTime")->setFocus();
  renderer->dispatch([&] { time.setCaption("12:00:02"); });
  EXPECT_EQ(heard.size(), 1u);
}

// A box's one text-attribute run is its whole text, so a reader joining the runs reads every
// character; an empty box has no text at all. Tab into a value box selects nothing.
TEST_F(ReaderViewTest, TextBoxesReadTheirWholeValue) {
  typeInto(widget("entryBox"), QStringLiteral("4700"));
  const std::pair<const char*, const char*> boxes[] = {
      {"ohmBox", "4700"}, {"kiloOhmBox", "4.7"}, {"megaOhmBox", "0.0047"}, {"toleranceBox", "5"},
      {"entryBox", "4700"}};
  for (int cleared = 0; cleared < 2; ++cleared) {
    for (const auto& [box, value] : boxes) {
      QAccessibleTextInterface* t = reader(box)->textInterface();
      ASSERT_NE(t, nullptr) << box;
      const QString expected = cleared && box != std::string("toleranceBox") ? QString() : u(value);
      EXPECT_EQ(t->text(0, t->characterCount()), expected) << box;
      for (int offset = 0; offset <= t->characterCount(); ++offset) {
        int start = -1, end = -1;
        t->attributes(offset, &start, &end);
        EXPECT_EQ(std::make_pair(start, end), std::make_pair(0, int(expected.size()))) << box << " at " << offset;
      }
    }
    clickOn(widget("clsButton"));  // CLS: the value boxes empty
  }
  widget("kiloOhmBox")->setFocus(Qt::TabFocusReason);
  EXPECT_EQ(reader("kiloOhmBox")->textInterface()->selectionCount(), 0);
  EXPECT_TRUE(reader("kiloOhmBox")->state().readOnly);
}

// Typing faster than the announcement waits: one notification, with the final value and every band
// the typing changed. The clock says nothing.
TEST_F(ReaderViewTest, ReaderHearsTheOutcomeOnceAsANotification) {
  std::vector<QString> heard;
  qt::setReaderListener([&](QAccessibleEvent& e) {
    QAccessibleInterface* i = e.accessibleInterface();
    if (e.type() == QAccessible::ObjectShow && i->role() == QAccessible::Notification) {
      // The text is the notification's line, which a reader sees whenever the notification shows.
      ASSERT_EQ(i->childCount(), 1);
      EXPECT_FALSE(i->child(0)->state().invisible);
      heard.push_back(i->text(QAccessible::Name) + i->child(0)->text(QAccessible::Name));
    }
  });
  for (const char* typed : {"4", "47", "470", "4700"}) {
    renderer->dispatch([&] { calculator().entryBox().userEdit(typed); });
  }
  // However long a loaded machine takes to hear it; then a while longer for anything more.
  ASSERT_TRUE(waitUntil([&] { return !heard.empty(); }, 10000));
  renderer->dispatch([&] { calculator().clockTimer().tick(); });
  QTest::qWait(2 * qt::kAnnouncementDelayMs);
  EXPECT_EQ(heard, std::vector<QString>{u("1帯 黄、2帯 紫、3帯 赤、4.7 KΩ ±5%")});
}

TEST_F(ReaderViewTest, PressActionsDoWhatAClickDoes) {
  int opened = 0;
  calculator().homepageLink().onClick = [&opened] { ++opened; };
  QAccessibleActionInterface* link = reader("homepageLink")->actionInterface();
  ASSERT_NE(link, nullptr);
  ASSERT_TRUE(link->actionNames().contains(QAccessibleActionInterface::pressAction()));
  link->doAction(QAccessibleActionInterface::pressAction());
  EXPECT_EQ(opened, 1);
  clickOn(widget("homepageLink"));
  EXPECT_EQ(opened, 2);

  // An option pressed by a reader: the multiplier's press empties the entry, then red is chosen.
  typeInto(widget("entryBox"), QStringLiteral("4700"));
  reader("multiplierOrange")->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
  EXPECT_EQ(calculator().entryBox().text(), "");
  EXPECT_EQ(checkedOptions(),
            (std::set<std::string>{"firstBandYellow", "secondBandPurple", "multiplierOrange", "toleranceGold"}));
  EXPECT_EQ(shown("ohmBox"), QStringLiteral("47000"));
}

TEST_F(ReaderViewTest, KeyboardAloneChoosesYellowPurpleRedGold) {
  ASSERT_EQ(focused(), "entryBox");
  struct Step {
    Qt::Key key;
    int times;
    const char* focus;
  };
  const Step steps[] = {{Qt::Key_Tab, 1, "firstBandBlack"},    {Qt::Key_Right, 4, "firstBandYellow"},
                        {Qt::Key_Tab, 1, "secondBandBlack"},   {Qt::Key_Right, 7, "secondBandPurple"},
                        {Qt::Key_Tab, 1, "multiplierBlack"},   {Qt::Key_Right, 2, "multiplierRed"},
                        {Qt::Key_Tab, 1, "toleranceGold"},     {Qt::Key_Space, 1, "toleranceGold"}};
  for (const auto& s : steps) {
    for (int i = 0; i < s.times; ++i) key(s.key);
    EXPECT_EQ(focused(), s.focus);
  }
  EXPECT_EQ(shown("ohmBox"), QStringLiteral("4700"));
  EXPECT_EQ(shown("kiloOhmBox"), QStringLiteral("4.7"));
  EXPECT_EQ(shown("megaOhmBox"), QStringLiteral("0.0047"));
  EXPECT_EQ(shown("toleranceBox"), QStringLiteral("5"));
  key(Qt::Key_Tab, Qt::ShiftModifier);
  EXPECT_EQ(focused(), "multiplierRed");
  key(Qt::Key_Left);  // brown, the left neighbour of red
  EXPECT_EQ(focused(), "multiplierBrown");
  EXPECT_EQ(shown("ohmBox"), QStringLiteral("470"));
}

TEST_F(ReaderViewTest, TabVisitsEveryStopOnceAndComesRound) {
  const char* order[] = {"firstBandBlack", "secondBandBlack", "multiplierGold", "toleranceGold", "ohmBox",
                         "kiloOhmBox",     "megaOhmBox",      "toleranceBox",   "slotAButton",   "slotBButton",
                         "slotCButton",    "slotDButton",     "slotEButton",    "clsButton",     "helpButton",
                         "chartButton",    "aboutButton",     "webButton",      "quitButton",    "homepageLink",
                         "precisionButton", "entryBox"};
  for (const char* name : order) {
    key(Qt::Key_Tab);
    EXPECT_EQ(focused(), name);
  }
}

TEST_F(ReaderViewTest, FocusMarkOnTheFocusedOptionIsTheOnlyChange) {
  auto rectOf = [&](const char* name) {
    return QRect(widget(name)->mapTo(window(), QPoint(0, 0)), widget(name)->size());
  };
  // From the first band's black to the second band's: the keys change no colour here.
  key(Qt::Key_Tab);
  const QImage first = grabImage(*window());
  key(Qt::Key_Tab);
  ASSERT_EQ(focused(), "secondBandBlack");
  const QImage second = grabImage(*window());
  if (const char* out = std::getenv("ZEN_SAVE_GRABS")) {
    second.save(QString::fromLocal8Bit(out) + "/calculator-focus.png");
  }
  const QRect marks[] = {rectOf("firstBandBlack"), rectOf("secondBandBlack")};
  // The clock runs on the real time and may turn a second (or a day) between the two pictures.
  const QRect clock[] = {rectOf("clockTime"), rectOf("clockMonthDay"), rectOf("clockYear"),
                         rectOf("clockWeekdayInitial")};
  int outside = 0;
  int inside[2] = {0, 0};
  for (int y = 0; y < first.height(); ++y) {
    for (int x = 0; x < first.width(); ++x) {
      if (first.pixel(x, y) == second.pixel(x, y)) continue;
      if (std::any_of(std::begin(clock), std::end(clock), [&](const QRect& r) { return r.contains(x, y); })) continue;
      if (marks[0].contains(x, y)) {
        ++inside[0];
      } else if (marks[1].contains(x, y)) {
        ++inside[1];
      } else {
        ++outside;
      }
    }
  }
  EXPECT_EQ(outside, 0);
  EXPECT_GT(inside[0], 8);  // the mark left the first band's black
  EXPECT_GT(inside[1], 8);  // and came to the second band's
}

TEST_F(ReaderViewTest, KeyPressedWhileAHandlerRunsIsHandledNestedWithoutHarm) {
  // The first band's handler, while it runs, receives an arrow key on the second band.
  OptionButton& yellow = calculator().firstBandOption(4);
  auto handler = yellow.onClick;
  yellow.onClick = [&] {
    QTest::keyClick(widget("secondBandPurple"), Qt::Key_Right);
    handler();
  };
  clickOn(widget("firstBandYellow"));
  const std::set<std::string> on = checkedOptions();
  EXPECT_EQ(on.size(), 4u);
  EXPECT_TRUE(on.count("firstBandYellow"));  // the outer click has the last word
  EXPECT_FALSE(shown("ohmBox").isEmpty());
}

TEST_F(ReaderViewTest, FocusOnAHiddenControlGoesToTheEntryBox) {
  key(Qt::Key_Tab);
  key(Qt::Key_Right);
  ASSERT_EQ(focused(), "firstBandBrown");
  renderer->dispatch([&] { calculator().get<PictureBox>("firstBandBrownSwatch").setVisible(false); });
  EXPECT_EQ(focused(), "entryBox");
  renderer->dispatch([&] {
    calculator().get<Frame>("secondBandSelector").setEnabled(false);
    calculator().setFocus(calculator().secondBandOption(1));
  });
  EXPECT_EQ(focused(), "entryBox");
}

TEST_F(ReaderViewTest, WindowClosedWhileItsButtonHasTheFocusHandsItToTheEntryBox) {
  clickOn(widget("aboutButton"));
  AboutBox* about = app->find<AboutBox>();
  ASSERT_NE(about, nullptr);
  QPointer<QWidget> sysInfo = widgetOf(*about, "systemInfoButton");
  sysInfo->setFocus();
  view(*about)->close();  // the title bar's close box
  // A key that still reaches the closed window's button before the button is deleted goes nowhere.
  ASSERT_TRUE(sysInfo);
  QTest::keyClick(sysInfo, Qt::Key_Space);
  processEvents();
  EXPECT_EQ(app->find<AboutBox>(), nullptr);
  EXPECT_EQ(focused(), "entryBox");
  EXPECT_TRUE(window()->isActiveWindow());
  EXPECT_TRUE(platform->messages.empty());
}

}  // namespace
}  // namespace zen::test
