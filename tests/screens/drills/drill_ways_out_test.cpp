// Leaving a drill through the menu spot in every state of the game, and coming back to a new game.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>

#include "drill_test_support.h"

namespace metria::testing {
namespace {

int plays_of(Harness& h, const std::string& cue) {
  const auto cues = h.sound().played();
  return static_cast<int>(std::count(cues.begin(), cues.end(), cue));
}

TEST(DrillMenuSpot, LeavesForTheMainMenuInEveryState) {
  const struct {
    const char* state;
    std::function<void(Harness&)> reach;
  } states[] = {
      {"new game", [](Harness&) {}},
      {"playing",
       [](Harness& h) {
         place_card(h, 4);
         drop_wrong(h, 2);
       }},
      {"finishing",
       [](Harness& h) {
         place_all_cards(h);
         h.advance(1000);
       }},
      {"result shown", [](Harness& h) { play_game(h, 0); }},
  };
  for (ScreenId id : {ScreenId::DrillLarge, ScreenId::DrillSi, ScreenId::DrillSmall}) {
    for (const auto& s : states) {
      SCOPED_TRACE(std::string(screen_name(id)) + ", " + s.state);
      Harness h({.first_screen = id});
      s.reach(h);
      const int fanfares = plays_of(h, "gokaku");
      h.click("Label6");
      EXPECT_EQ(h.screen_id(), ScreenId::Menu);
      EXPECT_FALSE(h.screen<DrillScreen>(id).loaded());
      h.advance(5000);  // an interrupted finish wait shows nothing any more
      EXPECT_EQ(plays_of(h, "gokaku"), fanfares);
      EXPECT_EQ(plays_of(h, "dame"), 0);
    }
  }
}

TEST(DrillMenuSpot, ALaterVisitStartsANewGame) {
  Harness h({.first_screen = ScreenId::DrillLarge});
  play_game(h, 3);
  h.click("Label6");
  h.app().Show(ScreenId::DrillLarge);
  h.app().Unload(ScreenId::Menu);

  EXPECT_EQ(h.screen_id(), ScreenId::DrillLarge);
  EXPECT_EQ(h.caption("Label3"), "");
  EXPECT_FALSE(h.visible("Label7"));
  EXPECT_FALSE(h.visible("Label4"));
  const DrillScreen& d = drill(h);
  EXPECT_EQ(d.TryCount, 0);
  EXPECT_EQ(d.RightCount, 0);
  for (int k = 0; k < 20; ++k) {
    EXPECT_EQ(d.Solved[k], 0);
    EXPECT_EQ(h.control("Label2", k).back_color(), kCardNormal);
  }
  place_card(h, 0);
  EXPECT_EQ(h.caption("Label3"), "100");
}

}  // namespace
}  // namespace metria::testing
