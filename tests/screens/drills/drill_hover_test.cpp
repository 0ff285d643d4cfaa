// The hover highlight on the cards and how it meets pressing, failed drops and placed cards.
#include <gtest/gtest.h>

#include "drill_test_support.h"

namespace metria::testing {
namespace {

Color colour(Harness& h, int k) { return h.control("Label2", k).back_color(); }

TEST(DrillHover, TheCardUnderThePointerIsHighlighted) {
  Harness h({.first_screen = ScreenId::DrillLarge});
  // Both hover indexes start at 0: card 0 is not highlighted before the pointer crosses the background.
  h.move_to("Label2", 0);
  EXPECT_EQ(colour(h, 0), kCardNormal);

  h.move_to_background();
  EXPECT_EQ(drill(h).HighlightIndex, -1);
  h.move_to("Label2", 0);
  EXPECT_EQ(colour(h, 0), kCardHighlight);
  h.move_to("Label2", 7);
  EXPECT_EQ(colour(h, 0), kCardNormal);
  EXPECT_EQ(colour(h, 7), kCardHighlight);
  h.move_to_background();
  EXPECT_EQ(colour(h, 7), kCardNormal);
}

TEST(DrillHover, PressAndReleaseWithoutMovingLeavesTheCardNormal) {
  Harness h({.first_screen = ScreenId::DrillLarge});
  h.move_to_background();
  h.move_to("Label2", 2);
  h.press();
  h.release();
  EXPECT_EQ(colour(h, 2), kCardNormal);
  h.move_to({h.pointer().x + 30, h.pointer().y});
  EXPECT_EQ(colour(h, 2), kCardNormal);  // still counted as highlighted
  h.move_to_background();
  h.move_to("Label2", 2);
  EXPECT_EQ(colour(h, 2), kCardHighlight);
}

TEST(DrillHover, AFailedDropLeavesTheCardNormalUntilThePointerMovesOn) {
  Harness h({.first_screen = ScreenId::DrillLarge});
  h.move_to_background();
  h.drag("Label2", 4, "Label1", 9);
  EXPECT_EQ(colour(h, 4), kCardNormal);
  h.move_to("Label2", 4);
  EXPECT_EQ(colour(h, 4), kCardNormal);
  h.move_to("Label2", 5);
  h.move_to("Label2", 4);
  EXPECT_EQ(colour(h, 4), kCardHighlight);
  EXPECT_EQ(colour(h, 5), kCardNormal);
}

TEST(DrillHover, APlacedCardKeepsItsRedUntilThePointerCrossesTheBackground) {
  Harness h({.first_screen = ScreenId::DrillLarge});
  h.move_to_background();
  place_card(h, 3);
  h.move_to("Label1", 6);  // places take no pointer moves
  EXPECT_EQ(colour(h, 3), kCardHighlight);
  h.move_to_background();
  EXPECT_EQ(colour(h, 3), kCardNormal);
}

TEST(DrillHover, APlacedCardIsNeverHighlighted) {
  Harness h({.first_screen = ScreenId::DrillSi});  // a placed card lies in front of its place
  place_card(h, 3);
  h.move_to_background();
  h.move_to("Label2", 1);
  EXPECT_EQ(colour(h, 1), kCardHighlight);
  h.move_to("Label2", 3);
  EXPECT_EQ(colour(h, 3), kCardNormal);
  EXPECT_EQ(colour(h, 1), kCardNormal);  // the highlight is taken off the other card
  EXPECT_EQ(drill(h).HighlightIndex, 1);
  EXPECT_EQ(drill(h).HoverIndex, 3);
}

TEST(DrillHover, ANewGameDoesNotResetTheHoverPair) {
  Harness h({.first_screen = ScreenId::DrillLarge});
  play_game(h, 0);
  h.move_to_background();
  const DrillScreen& d = drill(h);
  const std::int16_t hover = d.HoverIndex;
  h.click("Label7");
  EXPECT_EQ(d.HoverIndex, hover);
  EXPECT_EQ(d.HighlightIndex, -1);
}

}  // namespace
}  // namespace metria::testing
