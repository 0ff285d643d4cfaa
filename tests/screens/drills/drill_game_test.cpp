// A drill game from its start: the new game, the shuffle onto the shelf, and every kind of drop
// with its effect on the cards, the places, the counters, the score and the sounds.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <vector>

#include "drill_test_support.h"
#include "harness/headless.h"

namespace metria::testing {
namespace {

using Kind = RecordingSoundDevice::Kind;

// Shelf slot s in twips: columns of `rows` slots, the first at 5625, 750.
Point shelf_slot(int s, int rows) { return {5625 + 1950 * (s / rows), 750 + 480 * (s % rows)}; }

TEST(DrillNewGame, ShowsEveryCardOnTheShelfAndNothingOfTheResult) {
  Harness h({.first_screen = ScreenId::DrillLarge});
  EXPECT_EQ(h.screen_id(), ScreenId::DrillLarge);
  EXPECT_EQ(h.caption("Label3"), "");
  for (const char* name : {"Label4", "Label5", "Label7", "Image1", "Image2", "Image3"})
    EXPECT_FALSE(h.visible(name)) << name;
  for (const char* player : {"MediaPlayer1", "MediaPlayer2", "MediaPlayer3"}) EXPECT_FALSE(h.visible(player));
  for (int k = 0; k < 20; ++k) {
    EXPECT_TRUE(h.visible("Label2", k));
    EXPECT_EQ(h.control("Label2", k).back_color(), kCardNormal) << k;
    EXPECT_EQ(h.control("Label1", k).back_style(), BackStyle::Transparent);
  }
  EXPECT_EQ(h.random().seedings(), 1);
  EXPECT_FALSE(h.window().timer_armed(h.control("Timer1")));
}

TEST(DrillNewGame, PreparesTheThreeCuesSilently) {
  Harness h({.app_path = "/opt/metria/", .first_screen = ScreenId::DrillSi});
  std::vector<std::string> loaded;
  for (const auto& e : h.sound().events()) {
    EXPECT_NE(e.kind, Kind::Play);
    if (e.kind == Kind::Load) loaded.push_back(e.file);
  }
  EXPECT_EQ(loaded, (std::vector<std::string>{"/opt/metria/wav/o.wav", "/opt/metria/wav/gokaku.wav",
                                              "/opt/metria/wav/dame.wav"}));
  EXPECT_EQ(drill(h).FolderPath, "/opt/metria");
}

TEST(DrillShuffle, TakesEachDrawnCardOnceAndRedrawsARepeat) {
  Harness h({.first_screen = std::nullopt});
  // 19, 19 again (drawn before: drawn anew), 0, then 1 … 18.
  std::vector<double> draws = {0.95, 0.97, 0.0};
  for (int k = 1; k <= 18; ++k) draws.push_back((k + 0.5) / 20);
  h.random().queue(draws);
  h.app().start(ScreenId::DrillLarge);

  std::vector<std::int16_t> expected = {19, 0};
  for (std::int16_t k = 1; k <= 18; ++k) expected.push_back(k);
  EXPECT_EQ(drill(h).SlotOrder, expected);
  EXPECT_EQ(drill(h).TakenCount, 20);
  EXPECT_EQ(position(h, "Label2", 19), (Point{5625, 750}));
  EXPECT_EQ(position(h, "Label2", 0), (Point{5625, 1230}));
  EXPECT_EQ(position(h, "Label2", 9), (Point{7575, 750}));
  EXPECT_EQ(position(h, "Label2", 18), (Point{7575, 5070}));
}

TEST(DrillShuffle, EveryGamePutsEachCardOnceOnTheShelf) {
  for (ScreenId id : {ScreenId::DrillLarge, ScreenId::DrillSi, ScreenId::DrillSmall}) {
    for (unsigned seed : {1u, 2u, 3u}) {
      Harness h({.first_screen = std::nullopt});
      h.random().reseed(seed);
      h.app().start(id);
      const DrillScreen& d = drill(h);
      std::set<int> cards(d.SlotOrder.begin(), d.SlotOrder.end());
      EXPECT_EQ(static_cast<int>(cards.size()), d.NameCount);
      for (int s = 0; s < d.NameCount; ++s) {
        EXPECT_EQ(position(h, "Label2", d.SlotOrder[s]), shelf_slot(s, d.ColumnRows)) << "slot " << s;
        EXPECT_TRUE(h.visible("Label2", d.SlotOrder[s]));
      }
    }
  }
}

TEST(DrillDrop, ARightDropSnapsTheCardInRedWithTheConfirmation) {
  Harness h({.first_screen = ScreenId::DrillLarge});
  place_card(h, 3);
  EXPECT_EQ(position(h, "Label2", 3), (Point{980, 1560 + 390 * 3}));
  EXPECT_EQ(h.control("Label2", 3).back_color(), kCardHighlight);
  EXPECT_EQ(h.caption("Label3"), "100");
  EXPECT_EQ(h.sound().played(), std::vector<std::string>{"o"});
  EXPECT_EQ(drill(h).Solved[3], 1);
  EXPECT_EQ(drill(h).TryCount, 1);
  EXPECT_EQ(drill(h).RightCount, 1);

  place_card(h, 14);
  EXPECT_EQ(position(h, "Label2", 14), (Point{3660, 1560 + 390 * 4}));
}

TEST(DrillDrop, AWrongDropSendsTheCardHomeSilently) {
  Harness h({.first_screen = ScreenId::DrillLarge});
  const Point home = position(h, "Label2", 5);
  h.drag("Label2", 5, "Label1", 6);
  EXPECT_EQ(position(h, "Label2", 5), home);
  EXPECT_EQ(h.control("Label2", 5).back_color(), kCardNormal);
  EXPECT_EQ(h.caption("Label3"), "0");
  EXPECT_TRUE(h.sound().played().empty());
  EXPECT_EQ(drill(h).TryCount, 1);
  EXPECT_EQ(drill(h).DropIndex, 6);
  EXPECT_EQ(drill(h).Solved[5], 0);
}

TEST(DrillDrop, TheScoreIsTheWholePercentOfRightDrops) {
  Harness h({.first_screen = ScreenId::DrillLarge});
  place_card(h, 0);
  EXPECT_EQ(h.caption("Label3"), "100");
  drop_wrong(h, 1, 5, 6);
  EXPECT_EQ(h.caption("Label3"), "50");
  place_card(h, 1);
  EXPECT_EQ(h.caption("Label3"), "66");
}

TEST(DrillDrop, DropsOffThePlacesCountNothing) {
  Harness h({.first_screen = ScreenId::DrillLarge});
  const Point home = position(h, "Label2", 2);

  h.drag_to_background("Label2", 2);
  EXPECT_EQ(position(h, "Label2", 2), home);
  EXPECT_EQ(h.control("Label2", 2).back_color(), kCardNormal);

  h.drag("Label2", 2, "Label2", 7);
  EXPECT_EQ(position(h, "Label2", 2), home);
  EXPECT_EQ(h.control("Label2", 2).back_color(), kCardNormal);

  // Pressed and released without moving: a drop on the card itself.
  h.move_to("Label2", 2);
  h.press();
  EXPECT_EQ(h.control("Label2", 2).back_color(), kCardHighlight);
  h.release();
  EXPECT_EQ(h.control("Label2", 2).back_color(), kCardNormal);

  EXPECT_EQ(drill(h).TryCount, 0);
  EXPECT_EQ(drill(h).RightCount, 0);
  EXPECT_EQ(h.caption("Label3"), "");
  EXPECT_TRUE(h.sound().played().empty());
}

TEST(DrillDrop, DropsOnTheScoreOrTheMenuSpotDoNothing) {
  for (ScreenId id : {ScreenId::DrillLarge, ScreenId::DrillSi, ScreenId::DrillSmall}) {
    Harness h({.first_screen = id});
    const Point home = position(h, "Label2", 4);
    for (const char* target : {"Label3", "Label6"}) {
      SCOPED_TRACE(target);
      h.drag("Label2", 4, target, kNoIndex);
      EXPECT_EQ(h.screen_id(), id);
      EXPECT_EQ(position(h, "Label2", 4), home);
      EXPECT_EQ(h.control("Label2", 4).back_color(), kCardHighlight);  // still as pressed
      EXPECT_EQ(drill(h).TryCount, 0);
      EXPECT_EQ(h.caption("Label3"), "");
    }
  }
}

TEST(DrillDrop, AFreePlaceLightsUpWhileACardIsOverIt) {
  Harness h({.first_screen = ScreenId::DrillLarge});
  h.move_to("Label2", 0);
  h.press();
  h.move_to("Label1", 5);
  EXPECT_EQ(h.control("Label1", 5).back_style(), BackStyle::Opaque);
  EXPECT_EQ(h.control("Label1", 5).back_color(), colors::kRed);
  h.move_to("Label1", 6);
  EXPECT_EQ(h.control("Label1", 5).back_style(), BackStyle::Transparent);
  EXPECT_EQ(h.control("Label1", 6).back_style(), BackStyle::Opaque);
  h.release();
  EXPECT_EQ(h.control("Label1", 6).back_style(), BackStyle::Transparent);

  // A filled place no longer lights up.
  place_card(h, 8);
  h.move_to("Label2", 0);
  h.press();
  h.move_to("Label1", 8);
  EXPECT_EQ(h.control("Label1", 8).back_style(), BackStyle::Transparent);
  h.release();
}

TEST(DrillDrop, APlacedCardCannotBePressedAgain) {
  Harness h({.first_screen = ScreenId::DrillSi});  // the cards lie in front of the places
  place_card(h, 12);
  const Point placed = position(h, "Label2", 12);
  h.move_to_background();
  EXPECT_EQ(h.control("Label2", 12).back_color(), kCardNormal);
  h.move_to("Label2", 12);
  h.press();
  EXPECT_FALSE(h.window().dragging());
  EXPECT_EQ(drill(h).DragIndex, 12);
  EXPECT_EQ(h.control("Label2", 12).back_color(), kCardNormal);
  h.release();
  EXPECT_EQ(position(h, "Label2", 12), placed);
  EXPECT_EQ(drill(h).TryCount, 1);
}

TEST(DrillDrop, AnyMouseButtonDragsACard) {
  Harness h({.first_screen = ScreenId::DrillLarge});
  for (MouseButton button : {MouseButton::Right, MouseButton::Middle}) {
    const int k = button == MouseButton::Right ? 1 : 2;
    h.move_to("Label2", k);
    h.press(button);
    h.move_to("Label1", k);
    h.release(button);
    EXPECT_EQ(drill(h).Solved[k], 1);
  }
}

TEST(DrillDrop, OnlyTheIndexDecides) {
  Harness h({.first_screen = ScreenId::DrillSi});
  // デカ (10^1) on the place of 10^2.
  h.drag("Label2", 9, "Label1", 8);
  EXPECT_EQ(drill(h).TryCount, 1);
  EXPECT_EQ(drill(h).Solved[9], 0);
  EXPECT_EQ(h.caption("Label3"), "0");
}

}  // namespace
}  // namespace metria::testing
