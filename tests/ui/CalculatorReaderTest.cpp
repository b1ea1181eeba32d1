// The calculator as a screen reader and a keyboard meet it: what each control is and is called,
// where Tab stops, what the arrow keys do inside a band selector, and where the focus goes when the
// control asked for cannot take it.

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "CalculatorFixture.h"

namespace zen::test {
namespace {

using ReaderTest = CalculatorWindowTest;

TEST_F(ReaderTest, EveryKindOfControlHasItsRoleAndName) {
  struct Case {
    const char* control;
    Role role;
    const char* name;
  };
  // The Qt tests read the same through Qt's accessibility; these are the rules the model decides.
  const Case cases[] = {
      {"multiplierGold", Role::RadioButton, "3帯 金 ×0.1"}, {"toleranceSelector", Role::Grouping, "４帯（％）"},
      {"toleranceBand", Role::Graphic, "4帯の色 金"},       {"slotEBand4", Role::Graphic, "メモリE 4帯 黒"},
      {"titleIcon", Role::Graphic, "ZENTARIO"},             {"ohmUnit", Role::Label, "Ω"},
      {"entryBox", Role::Text, "抵抗値 入力"},              {"clsButton", Role::Button, "CLS"},
      // Pieces of the drawings and the swatches around the options say nothing by themselves.
      {"firstBandYellowSwatch", Role::None, ""},            {"leftCap", Role::None, ""},
      {"firstBandLeaderDown", Role::None, ""},
      // Nor do the rows of initials and digits under the options: each option's name says it.
      {"firstBandLegend", Role::None, ""},                  {"multiplierLegend", Role::None, ""},
  };
  for (const auto& c : cases) {
    const Control* control = calculator().find(c.control);
    ASSERT_NE(control, nullptr) << c.control;
    EXPECT_EQ(control->readerRole(), c.role) << c.control;
    EXPECT_EQ(control->readerName(), c.name) << c.control;
  }
  // Options tell their place in the group.
  EXPECT_EQ(option(firstOption(4)).readerDescription(), "10個中 5番目");
  EXPECT_EQ(option(toleranceOption(C::None)).readerDescription(), "9個中 9番目");
}

// One announcement per action, taken when the action is over: the bands that changed besides the
// one chosen, then the value; the slots and CLS say what they did.
TEST_F(ReaderTest, EachActionAnnouncesItsOutcomeOnce) {
  const std::pair<std::function<void()>, const char*> steps[] = {
      {[] {}, ""},  // the start-up's own choices are not announced
      {[&] { calculator().arrowKey(option(firstOption(0)), +1); }, "1 Ω ±5%"},
      {[&] { click(firstOption(0)); }, "値なし ±5%"},
      // A second band after a black first one: the digit moves to the first band.
      {[&] { click(secondOption(7)); }, "1帯 紫、7 Ω ±5%"},
      {[&] { click(toleranceOption(C::Silver)); }, "7 Ω ±10%"},
      {[&] { calculator().clsPressed(); }, "消去 紫 黒 金 銀 7 Ω ±10%"},
      // A typed value is heard with every band it set.
      {[&] { calculator().entryBox().userEdit("4700"); }, "1帯 黄、2帯 紫、3帯 赤、4.7 KΩ ±5%"},
      {[&] { calculator().entryBox().userEdit("47"); }, "3帯 黒、47 Ω ±5%"},
      {[&] { calculator().entryBox().userEdit("4"); }, "2帯 黒、3帯 金、4 Ω ±5%"},
      {[&] { calculator().entryBox().userEdit("a"); }, "値なし ±5%"},  // refused: the entry empties, the bands stay
      {[&] { calculator().entryBox().userEdit("4700"); }, "2帯 紫、3帯 赤、4.7 KΩ ±5%"},
      {[&] { press("slotAButton"); }, "メモリAに保存 4.7KΩ 黄 紫 赤 金"},
  };
  for (const auto& [act, heard] : steps) {
    act();
    EXPECT_EQ(calculator().takeAnnouncement(), heard);
  }
  EXPECT_EQ(calculator().slotButton(0).readerDescription(), "4.7KΩ 黄 紫 赤 金");
  EXPECT_EQ(calculator().slotButton(1).readerDescription(), "空き");
}

TEST_F(ReaderTest, PaintedBandsAreNamedByTheColourTheyShow) {
  type("4700");
  press("slotAButton");
  click(toleranceOption(C::Silver));
  const std::pair<const char*, const char*> names[] = {
      {"firstBand", "1帯の色 黄"},     {"secondBand", "2帯の色 紫"},     {"multiplierBand", "3帯の色 赤"},
      {"toleranceBand", "4帯の色 銀"},     {"slotABand1", "メモリA 1帯 黄"}, {"slotABand2", "メモリA 2帯 紫"},
      {"slotABand3", "メモリA 3帯 赤"}, {"slotABand4", "メモリA 4帯 金"},
  };
  for (const auto& [control, name] : names) EXPECT_EQ(calculator().find(control)->readerName(), name) << control;
  // A colour no band has (a hand-edited settings file) is not passed off as one.
  calculator().slotBand(1, 0).setBackColour(0x123456);
  EXPECT_EQ(calculator().slotBand(1, 0).readerName(), "メモリB 1帯 不明");
}

TEST_F(ReaderTest, TabVisitsEntryEachSelectorOnceValuesSlotsThenCommands) {
  std::vector<const Control*> order;
  for (const auto& c : calculator().controls()) {
    if (calculator().isTabStop(*c)) order.push_back(c.get());
  }
  std::stable_sort(order.begin(), order.end(),
                   [](const Control* a, const Control* b) { return a->tabIndex() < b->tabIndex(); });
  std::string names;
  for (const Control* c : order) names += c->name() + " ";
  EXPECT_EQ(names,
            "entryBox firstBandBlack secondBandBlack multiplierGold toleranceGold ohmBox kiloOhmBox megaOhmBox "
            "toleranceBox slotAButton slotBButton slotCButton slotDButton slotEButton clsButton helpButton "
            "chartButton aboutButton webButton quitButton homepageLink precisionButton ");
  // Tab lands on the chosen colour of each selector.
  chooseBands(4, 7, C::Red);
  const Choice stops[] = {firstOption(4), secondOption(7), multiplierOption(C::Red), toleranceOption(C::Gold)};
  for (int g = 1; g <= 4; ++g) EXPECT_EQ(calculator().tabStop(g), &option(stops[g - 1])) << g;
}

TEST_F(ReaderTest, ArrowKeysMoveToTheNeighbourAndChooseItAsAClickWould) {
  struct Case {
    const char* typed;  // entry before the key
    Choice from;
    int step;
    const char* focused;  // the control that has the focus afterwards
    BandColour first, second, multiplier;
    const char* ohm;
  };
  const Case cases[] = {
      {"", firstOption(0), +1, "firstBandBrown", C::Brown, C::Black, C::Gold, "1"},
      // Black in the first band starts over, and the start-over returns to the entry box.
      {"47", firstOption(1), -1, "entryBox", C::Black, C::Black, C::Gold, ""},
      // The ends of a group go nowhere.
      {"", firstOption(0), -1, "entryBox", C::Black, C::Black, C::Gold, ""},
      {"47", firstOption(9), +1, "entryBox", C::Yellow, C::Purple, C::Black, "47"},
      // A multiplier chosen by key empties the typed value first, as pressing it with the mouse does.
      {"4700", multiplierOption(C::Red), +1, "multiplierOrange", C::Yellow, C::Purple, C::Orange, "47000"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.typed << " from " << c.from);
    calculator().clsPressed();
    type(c.typed);
    calculator().setFocus(calculator().entryBox());
    calculator().arrowKey(option(c.from), c.step);
    EXPECT_EQ(calculator().focus(), calculator().find(c.focused));
    EXPECT_TRUE(ShowsBands(calculator(), c.first, c.second, c.multiplier, C::Gold));
    EXPECT_EQ(calculator().ohmBox().text(), c.ohm);
    if (c.from.group == BandGroup::Multiplier) {
      EXPECT_EQ(calculator().entryBox().text(), "");
    }
  }
}

TEST_F(ReaderTest, FocusAskedForAControlThatCannotTakeItGoesToTheEntryBox) {
  calculator().get<CommandButton>("helpButton").setEnabled(false);
  calculator().get<Frame>("secondBandSelector").setVisible(false);  // hides the options inside it
  for (const char* name : {"helpButton", "secondBandBrown"}) {
    calculator().setFocus(calculator().get<CommandButton>("quitButton"));
    calculator().setFocus(*calculator().find(name));
    EXPECT_EQ(calculator().focus(), &calculator().entryBox()) << name;
  }
}

}  // namespace
}  // namespace zen::test
