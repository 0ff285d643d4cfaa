// Leaving the sub-menu, in whatever state it is: its timers and sounds go with it.
#include <gtest/gtest.h>

#include "harness/headless.h"
#include "menu_test_support.h"
#include "screens/menus/number_menu_screen.h"

namespace metria::testing {
namespace {

NumberMenuScreen& sub_menu(Harness& h) { return h.screen<NumberMenuScreen>(ScreenId::NumberMenu); }

// Waiting, walking (just after a step, and between steps), arrived, ready.
const std::vector<std::pair<std::string, std::int64_t>> kStates = {
    {"waiting", 200}, {"walking, on a step", 800}, {"walking", 1250}, {"arrived", 3000}, {"ready", 5000},
};

TEST(NumberMenuLeaving, TheMenuButtonWorksInEveryStateAndTakesTimersAndSoundsAlong) {
  for (const auto& [state, at] : kStates) {
    SCOPED_TRACE(state);
    Harness h({.first_screen = ScreenId::NumberMenu});
    h.advance(at);
    const auto players = open_player_ids(h);
    const std::size_t left_at = h.sound().events().size();
    const std::int16_t top = sub_menu(h).TurtleTop;
    h.click("Label2");
    ASSERT_EQ(h.screen_id(), ScreenId::Menu);
    EXPECT_FALSE(sub_menu(h).loaded());
    EXPECT_EQ(h.sound().open_players(), 3) << "only the main menu's own players";
    h.advance(20000);
    EXPECT_EQ(sub_menu(h).TurtleTop, top) << "no further step";
    expect_silenced(h, players, left_at);
  }
}

TEST(NumberMenuLeaving, TheCloseBoxEndsTheProgramInEveryState) {
  for (const auto& [state, at] : kStates) {
    SCOPED_TRACE(state);
    Harness h({.first_screen = ScreenId::NumberMenu});
    h.advance(at);
    const auto players = open_player_ids(h);
    const std::size_t left_at = h.sound().events().size();
    h.close_window();
    EXPECT_FALSE(h.running());
    EXPECT_EQ(h.exit_status(), 0);
    EXPECT_EQ(h.sound().open_players(), 0);
    const std::size_t after_close = h.sound().events().size();
    h.advance(20000);
    EXPECT_EQ(h.sound().events().size(), after_close);
    expect_silenced(h, players, left_at);
  }
}

TEST(NumberMenuLeaving, ChoosingADrillTakesTheSubMenusPlayersAlong) {
  Harness h({.first_screen = ScreenId::NumberMenu});
  h.advance(3300);
  const auto players = open_player_ids(h);
  const std::size_t left_at = h.sound().events().size();
  h.click("Label3", 1);
  ASSERT_EQ(h.screen_id(), ScreenId::DrillSmall);
  h.advance(20000);
  expect_silenced(h, players, left_at);
}

}  // namespace
}  // namespace metria::testing
