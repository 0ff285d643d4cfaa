// The main menu's hover highlight: the entry under the pointer turns red, the bare background
// clears it, and the hover pair outlives a visit.
#include <gtest/gtest.h>

#include "harness/headless.h"
#include "screens/menus/menu_screen.h"

namespace metria::testing {
namespace {

MenuScreen& menu(Harness& h) { return h.screen<MenuScreen>(ScreenId::Menu); }

// The entries painted red, by index.
std::vector<int> red_entries(Harness& h) {
  std::vector<int> red;
  for (int i = 0; i <= 5; ++i)
    if (h.control("Label1", i).back_color() == colors::kRed) red.push_back(i);
  return red;
}

TEST(MainMenuHover, OnTheFirstVisitEntry0IsNotHighlightedUntilThePointerHasCrossedTheBackground) {
  Harness h;
  h.advance(4200);
  h.move_to("Label1", 0);
  EXPECT_EQ(red_entries(h), std::vector<int>{});
  EXPECT_EQ(menu(h).HoverIndex, 0);
  EXPECT_EQ(menu(h).HighlightIndex, 0);

  h.move_to_background();
  EXPECT_EQ(menu(h).HighlightIndex, -1);
  h.move_to("Label1", 0);
  EXPECT_EQ(red_entries(h), std::vector<int>{0});
  EXPECT_EQ(menu(h).HighlightIndex, 0);
}

TEST(MainMenuHover, OnTheFirstVisitAnotherEntryHighlightsAtOnce) {
  Harness h;
  h.advance(4200);
  h.move_to("Label1", 3);
  EXPECT_EQ(red_entries(h), std::vector<int>{3});
  EXPECT_EQ(menu(h).HoverIndex, 3);
  EXPECT_EQ(menu(h).HighlightIndex, 3);
}

TEST(MainMenuHover, TheHighlightFollowsThePointerFromEntryToEntry) {
  Harness h;
  h.advance(4200);
  for (const int i : {2, 5, 0, 4, 1, 3}) {
    h.move_to("Label1", i);
    EXPECT_EQ(red_entries(h), std::vector<int>{i});
  }
  for (int i = 0; i <= 5; ++i)
    EXPECT_EQ(h.control("Label1", i).fore_color(), colors::kWhite) << "text keeps its colour";
}

TEST(MainMenuHover, OtherControlsKeepTheHighlightAndTheBackgroundClearsIt) {
  Harness h;
  h.advance(4200);
  h.move_to("Label1", 2);
  h.move_to("Image3");  // the title picture
  h.move_to("Label2");  // the credit hot spot
  EXPECT_EQ(red_entries(h), std::vector<int>{2});
  h.move_to_background();
  EXPECT_EQ(red_entries(h), std::vector<int>{});
  EXPECT_EQ(menu(h).HoverIndex, 2);
  EXPECT_EQ(menu(h).HighlightIndex, -1);
}

TEST(MainMenuHover, TheHoverPairIsKeptAcrossVisitsWhileTheEntriesStartBlueAgain) {
  Harness h;
  h.advance(4200);
  h.click("Label1", 4);  // the pointer highlights entry 4 on its way to the click
  ASSERT_EQ(h.screen_id(), ScreenId::NumberMenu);
  h.click("Label2");
  ASSERT_EQ(h.screen_id(), ScreenId::Menu);
  EXPECT_EQ(menu(h).HoverIndex, 4);
  EXPECT_EQ(menu(h).HighlightIndex, 4);
  h.advance(4200);
  EXPECT_EQ(red_entries(h), std::vector<int>{});

  // Entry 4 counts as highlighted already, so the pointer on it paints nothing.
  h.move_to("Label1", 4);
  EXPECT_EQ(red_entries(h), std::vector<int>{});
  h.move_to("Label1", 1);
  EXPECT_EQ(red_entries(h), std::vector<int>{1});
}

}  // namespace
}  // namespace metria::testing
