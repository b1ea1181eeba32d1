// On a desktop that places the windows itself (Wayland), the program cannot know where they are.

#include <string>

#include "CalculatorFixture.h"

namespace zen::test {
namespace {

using UnknownPositionsTest = UiTest;

TEST_F(UnknownPositionsTest, QuitSavesTheSlotsAndLeavesEveryPositionAsTheFileHasIt) {
  platform.setKnowsWindowPositions(false);
  // Positions the start-up (entry 1) and W E V (34, 35) would correct, beside good ones.
  const std::vector<std::string> positions = Entries(
      {{1, " 99999"}, {2, " 1830"}, {28, " 2180"}, {29, "x"}, {30, " 2200"}, {31, " 1930"}, {34, "-5"}, {35, " 99999"}});
  writeSettings(positions);
  app.start();
  app.calculator().entryBox().setText("4700");
  auto press = [this](const char* button) { app.calculator().get<CommandButton>(button).press(); };
  press("slotAButton");
  // Chart, help, about, about closed, the browser: each moved as such a desktop reports it.
  for (const char* button : {"chartButton", "helpButton", "aboutButton", "aboutButton", "webButton"}) {
    press(button);
    for (Window* w : app.windows()) {
      w->userMoved(-45, -450);
      for (const auto& t : w->timers()) t->tick();
    }
    EXPECT_FALSE(app.calculator().positionTimer().due()) << "a recorder with nothing to record sleeps";
  }
  press("quitButton");
  std::vector<std::string> expected = positions;
  for (const auto& [n, text] : {std::pair{3, "4.7K\x83\xB6"}, {4, "65535"}, {5, "16711935"}, {6, "255"}, {7, "49344"}}) {
    expected[n - 1] = text;
  }
  EXPECT_EQ(settingsFile(), SettingsBytes(expected));
}

}  // namespace
}  // namespace zen::test
