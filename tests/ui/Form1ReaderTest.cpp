// The calculator as a screen reader and a keyboard meet it: what each control is and is called,
// where Tab stops, what the arrow keys do inside a band selector, and where the focus goes when the
// control asked for cannot take it.

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "Form1Fixture.h"

namespace zen::test {
namespace {

using ReaderTest = Form1Test;

TEST_F(ReaderTest, EveryKindOfControlHasItsRoleAndName) {
  struct Case {
    const char* control;
    Role role;
    const char* name;
  };
  // The Qt tests read the same through Qt's accessibility; these are the rules the model decides.
  const Case cases[] = {
      {"Option31", Role::RadioButton, "3帯 金 ×0.1"}, {"Frame4", Role::Grouping, "４帯（％）"},
      {"Picture46", Role::Graphic, "4帯の色 金"},     {"Picture93", Role::Graphic, "メモリE 4帯 黒"},
      {"Picture48", Role::Graphic, "ZENTARIO"},       {"Label1", Role::Label, "Ω"},
      {"Text5", Role::Text, "抵抗値 入力"},           {"Command11", Role::Button, "CLS"},
      // Pieces of the drawings and the swatches around the options say nothing by themselves.
      {"Picture5", Role::None, ""},                   {"Picture39", Role::None, ""},
      {"Line1", Role::None, ""},
      // Nor do the rows of initials and digits under the options: each option's name says it.
      {"Label11", Role::None, ""},                    {"Label12", Role::None, ""},
  };
  for (const auto& c : cases) {
    const Control* control = form().find(c.control);
    ASSERT_NE(control, nullptr) << c.control;
    EXPECT_EQ(control->readerRole(), c.role) << c.control;
    EXPECT_EQ(control->readerName(), c.name) << c.control;
  }
  // Options tell their place in the group.
  EXPECT_EQ(form().option(5).readerDescription(), "10個中 5番目");
  EXPECT_EQ(form().option(41).readerDescription(), "9個中 9番目");
}

// One announcement per action, taken when the action is over: the bands that changed besides the
// one chosen, then the value; the slots and CLS say what they did.
TEST_F(ReaderTest, EachActionAnnouncesItsOutcomeOnce) {
  const std::pair<std::function<void()>, const char*> steps[] = {
      {[] {}, ""},  // the start-up's own choices are not announced
      {[&] { form().arrowKey(form().option(1), +1); }, "1 Ω ±5%"},
      {[&] { click(1); }, "値なし ±5%"},
      // A second band after a black first one: the digit moves to the first band.
      {[&] { click(secondOption(7)); }, "1帯 紫、7 Ω ±5%"},
      {[&] { click(toleranceOption(C::Silver)); }, "7 Ω ±10%"},
      {[&] { form().Command11_Click(); }, "消去 紫 黒 金 銀 7 Ω ±10%"},
      // A typed value is heard with every band it set.
      {[&] { form().Text5().userEdit("4700"); }, "1帯 黄、2帯 紫、3帯 赤、4.7 KΩ ±5%"},
      {[&] { form().Text5().userEdit("47"); }, "3帯 黒、47 Ω ±5%"},
      {[&] { form().Text5().userEdit("4"); }, "2帯 黒、3帯 金、4 Ω ±5%"},
      {[&] { form().Text5().userEdit("a"); }, "値なし ±5%"},  // refused: the entry empties, the bands stay
      {[&] { form().Text5().userEdit("4700"); }, "2帯 紫、3帯 赤、4.7 KΩ ±5%"},
      {[&] { press("Command2"); }, "メモリAに保存 4.7KΩ 黄 紫 赤 金"},
  };
  for (const auto& [act, heard] : steps) {
    act();
    EXPECT_EQ(form().takeAnnouncement(), heard);
  }
  EXPECT_EQ(form().slotButton(0).readerDescription(), "4.7KΩ 黄 紫 赤 金");
  EXPECT_EQ(form().slotButton(1).readerDescription(), "空き");
}

TEST_F(ReaderTest, PaintedBandsAreNamedByTheColourTheyShow) {
  type("4700");
  press("Command2");  // slot A
  click(toleranceOption(C::Silver));
  const std::pair<const char*, const char*> names[] = {
      {"Picture40", "1帯の色 黄"},     {"Picture42", "2帯の色 紫"},     {"Picture44", "3帯の色 赤"},
      {"Picture46", "4帯の色 銀"},     {"Picture51", "メモリA 1帯 黄"}, {"Picture53", "メモリA 2帯 紫"},
      {"Picture55", "メモリA 3帯 赤"}, {"Picture57", "メモリA 4帯 金"},
  };
  for (const auto& [control, name] : names) EXPECT_EQ(form().find(control)->readerName(), name) << control;
  // A colour no band has (a hand-edited settings file) is not passed off as one.
  form().slotBand(1, 0).setBackColour(0x123456);
  EXPECT_EQ(form().slotBand(1, 0).readerName(), "メモリB 1帯 不明");
}

TEST_F(ReaderTest, TabVisitsEntryEachSelectorOnceValuesSlotsThenCommands) {
  std::vector<const Control*> order;
  for (const auto& c : form().controls()) {
    if (form().isTabStop(*c)) order.push_back(c.get());
  }
  std::stable_sort(order.begin(), order.end(),
                   [](const Control* a, const Control* b) { return a->tabIndex() < b->tabIndex(); });
  std::string names;
  for (const Control* c : order) names += c->name() + " ";
  EXPECT_EQ(names,
            "Text5 Option1 Option11 Option31 Option39 Text1 Text2 Text3 Text4 Command2 Command3 Command4 Command5 "
            "Command6 Command11 Command8 Command7 Command10 Command9 Command1 Label25 ");
  // Tab lands on the chosen colour of each selector.
  chooseBands(4, 7, C::Red);
  const int stops[] = {5, 18, 23, 39};
  for (int g = 1; g <= 4; ++g) EXPECT_EQ(form().tabStop(g), &form().option(stops[g - 1])) << g;
}

TEST_F(ReaderTest, ArrowKeysMoveToTheNeighbourAndChooseItAsAClickWould) {
  struct Case {
    const char* typed;  // entry before the key
    int from;
    int step;
    int focused;  // option that has the focus afterwards; 0 for the entry box
    BandColour first, second, multiplier;
    const char* ohm;
  };
  const Case cases[] = {
      {"", 1, +1, 2, C::Brown, C::Black, C::Gold, "1"},
      // Black in the first band starts over, and the start-over returns to the entry box.
      {"47", 2, -1, 0, C::Black, C::Black, C::Gold, ""},
      // The ends of a group go nowhere.
      {"", 1, -1, 0, C::Black, C::Black, C::Gold, ""},
      {"47", 10, +1, 0, C::Yellow, C::Purple, C::Black, "47"},
      // A multiplier chosen by key empties the typed value first, as pressing it with the mouse does.
      {"4700", 23, +1, 24, C::Yellow, C::Purple, C::Orange, "47000"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.typed + std::string(" from Option") + std::to_string(c.from));
    form().Command11_Click();
    type(c.typed);
    form().setFocus(form().Text5());
    form().arrowKey(form().option(c.from), c.step);
    EXPECT_EQ(form().focus(), c.focused ? static_cast<Control*>(&form().option(c.focused)) : &form().Text5());
    EXPECT_TRUE(ShowsBands(form(), c.first, c.second, c.multiplier, C::Gold));
    EXPECT_EQ(form().Text1().text(), c.ohm);
    if (c.from >= 21) {
      EXPECT_EQ(form().Text5().text(), "");
    }
  }
}

TEST_F(ReaderTest, FocusAskedForAControlThatCannotTakeItGoesToTheEntryBox) {
  form().get<CommandButton>("Command8").setEnabled(false);
  form().get<Frame>("Frame2").setVisible(false);  // hides the options inside it
  for (const char* name : {"Command8", "Option12"}) {
    form().setFocus(form().get<CommandButton>("Command1"));
    form().setFocus(*form().find(name));
    EXPECT_EQ(form().focus(), &form().Text5()) << name;
  }
}

}  // namespace
}  // namespace zen::test
