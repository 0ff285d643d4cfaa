// Leaving the main menu, in whatever state it is: its timers and sounds go with it.
#include <gtest/gtest.h>

#include <algorithm>

#include "harness/headless.h"
#include "menu_test_support.h"
#include "screens/menus/menu_screen.h"

namespace metria::testing {
namespace {

MenuScreen& menu(Harness& h) { return h.screen<MenuScreen>(ScreenId::Menu); }

struct State {
  std::string name;
  std::int64_t at;
  bool credit_shown;
};

// Waiting, walking, arrived, title, ready; the credit shown or not.
const std::vector<State> kStates = {
    {"waiting", 200, false}, {"walking", 1000, false}, {"walking with credit", 1000, true}, {"arrived", 3400, false},
    {"title", 3900, true},   {"ready", 5000, false},   {"ready with credit", 5000, true},
};

void reach(Harness& h, const State& state) {
  h.advance(state.at);
  if (state.credit_shown) {
    h.click("Label2");
    h.advance(100);  // the credit sound still going
  }
}

TEST(MainMenuLeaving, TheCloseBoxEndsTheProgramInEveryState) {
  for (const State& state : kStates) {
    SCOPED_TRACE(state.name);
    Harness h;
    reach(h, state);
    const auto players = open_player_ids(h);
    const std::size_t left_at = h.sound().events().size();
    const std::int16_t top = menu(h).TurtleTop;
    h.close_window();
    EXPECT_FALSE(h.running());
    EXPECT_EQ(h.exit_status(), 0);
    EXPECT_EQ(h.sound().open_players(), 0);
    const std::size_t after_close = h.sound().events().size();
    h.advance(20000);
    EXPECT_EQ(h.sound().events().size(), after_close);
    EXPECT_EQ(menu(h).TurtleTop, top) << "no further step";
    expect_silenced(h, players, left_at);
  }
}

TEST(MainMenuLeaving, ChoosingAnEntryTakesTheMenusTimersAndSoundsAlong) {
  for (const bool credit_shown : {false, true}) {
    SCOPED_TRACE(credit_shown ? "credit shown" : "no credit");
    Harness h;
    reach(h, {"ready", 4200, credit_shown});
    const auto players = open_player_ids(h);
    const std::size_t left_at = h.sound().events().size();
    h.click("Label1", 4);
    ASSERT_EQ(h.screen_id(), ScreenId::NumberMenu);
    EXPECT_FALSE(menu(h).loaded());
    EXPECT_EQ(h.sound().open_players(), 2) << "only the sub-menu's own players";
    h.advance(20000);
    expect_silenced(h, players, left_at);
    EXPECT_EQ(h.app().loaded_windows().size(), 1u);
  }
}

TEST(MainMenuLeaving, TheTargetIsLoadedBeforeTheMenuGoes) {
  Harness h;
  h.advance(4200);
  const int unloaded = h.host().unloaded, shown = h.host().shown;
  const auto menu_players = open_player_ids(h);
  h.click("Label1", 4);
  EXPECT_EQ(h.host().shown, shown + 1);
  EXPECT_EQ(h.host().unloaded, unloaded + 1);
  // The sub-menu prepared its players while the menu's were still open.
  const auto& events = h.sound().events();
  const auto first_close = std::find_if(events.begin(), events.end(),
                                        [](const auto& e) { return e.kind == RecordingSoundDevice::Kind::Close; });
  ASSERT_NE(first_close, events.end());
  const auto sub_menu_load = std::find_if(events.begin(), events.end(), [&](const auto& e) {
    return e.kind == RecordingSoundDevice::Kind::Load && !menu_players.contains(e.player);
  });
  EXPECT_LT(sub_menu_load, first_close);
}

}  // namespace
}  // namespace metria::testing
