// Where the three drills differ: which of a placed card and its place lies in front, and the
// eleven rows of 数_JPS.
#include <gtest/gtest.h>

#include "drill_test_support.h"

namespace metria::testing {
namespace {

// Card 1 dragged to point p, over the filled place 0.
void drop_card_one_at(Harness& h, Point p) {
  h.move_to("Label2", 1);
  h.press();
  h.move_to(p);
  h.release();
}

TEST(DrillStacking, ADropOnAPlacedCardCountsOnlyWhereThePlacesLieInFront) {
  const struct {
    ScreenId id;
    bool counts;
  } cases[] = {{ScreenId::DrillLarge, true}, {ScreenId::DrillSi, false}, {ScreenId::DrillSmall, false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(screen_name(c.id)));
    Harness h({.first_screen = c.id});
    const Point home = position(h, "Label2", 1);
    place_card(h, 0);
    drop_card_one_at(h, h.control("Label1", 0).rect().centre());
    EXPECT_EQ(position(h, "Label2", 1), home);
    EXPECT_EQ(h.control("Label2", 1).back_color(), kCardNormal);
    EXPECT_EQ(drill(h).TryCount, c.counts ? 2 : 1);
    EXPECT_EQ(h.caption("Label3"), c.counts ? "50" : "100");
  }
}

TEST(DrillStacking, TheUncoveredStripOfAFilledPlaceStillTakesDrops) {
  for (ScreenId id : {ScreenId::DrillSi, ScreenId::DrillSmall}) {
    SCOPED_TRACE(std::string(screen_name(id)));
    Harness h({.first_screen = id});
    place_card(h, 0);
    const Rect place = h.control("Label1", 0).rect();
    drop_card_one_at(h, {place.left + 2, place.centre().y});  // left of the card's 5-twip shift
    EXPECT_EQ(drill(h).TryCount, 2);
    EXPECT_EQ(h.caption("Label3"), "50");
  }
}

TEST(DrillSmallNames, ElevenRowsPerColumn) {
  Harness h({.first_screen = ScreenId::DrillSmall});
  const DrillScreen& d = drill(h);
  EXPECT_EQ(d.NameCount, 22);
  EXPECT_EQ(d.ColumnRows, 11);
  EXPECT_EQ(h.control("Label2", 0).caption(), "分");  // found by index though stored last
  EXPECT_EQ(position(h, "Label2", d.SlotOrder[10]), (Point{5625, 5550}));
  EXPECT_EQ(position(h, "Label2", d.SlotOrder[21]), (Point{7575, 5550}));

  place_card(h, 10);
  EXPECT_EQ(position(h, "Label2", 10), (Point{980, 5460}));
  place_card(h, 11);
  EXPECT_EQ(position(h, "Label2", 11), (Point{3660, 1560}));
  place_card(h, 21);
  EXPECT_EQ(position(h, "Label2", 21), (Point{3660, 5460}));

  // Place 10 shows a 10-twip strip at the right of its placed card as well.
  const Rect place = h.control("Label1", 10).rect();
  EXPECT_EQ(place, (Rect{975, 5460, 1830, 375}));
  drop_card_one_at(h, {place.right() - 3, place.centre().y});
  EXPECT_EQ(drill(h).TryCount, 4);
}

TEST(DrillSmallNames, TheGameEndsWithTheTwentySecondCard) {
  Harness h({.first_screen = ScreenId::DrillSmall});
  for (int k = 0; k < 21; ++k) place_card(h, k);
  EXPECT_FALSE(h.window().timer_armed(h.control("Timer1")));
  place_card(h, 21);
  EXPECT_TRUE(h.window().timer_armed(h.control("Timer1")));
}

}  // namespace
}  // namespace metria::testing
