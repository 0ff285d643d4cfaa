// The sub-menu's two choices: dead until they show, the two-step hover colouring, the drill each
// opens, and the menu button.
#include <gtest/gtest.h>

#include "harness/headless.h"
#include "screens/menus/number_menu_screen.h"

namespace metria::testing {
namespace {

constexpr std::int64_t kChoicesShown = 3300;

NumberMenuScreen& sub_menu(Harness& h) { return h.screen<NumberMenuScreen>(ScreenId::NumberMenu); }

enum class Look { Normal, Highlighted, Other };

Look look(Harness& h, int i) {
  const Control& c = h.control("Label3", i);
  if (c.back_color() == colors::kYellow && c.fore_color() == colors::kBlue) return Look::Normal;
  if (c.back_color() == colors::kRed && c.fore_color() == colors::kWhite) return Look::Highlighted;
  return Look::Other;
}

std::vector<Look> looks(Harness& h) { return {look(h, 0), look(h, 1)}; }

const std::vector<Look> kBothNormal = {Look::Normal, Look::Normal};
const std::vector<Look> kFirstHighlighted = {Look::Highlighted, Look::Normal};
const std::vector<Look> kSecondHighlighted = {Look::Normal, Look::Highlighted};

TEST(NumberMenuChoices, BeforeTheyShowPointerMovesAndClicksOverTheirPlacesDoNothing) {
  for (const std::int64_t at : {std::int64_t{0}, std::int64_t{1500}, kChoicesShown - 1}) {
    SCOPED_TRACE("at " + std::to_string(at) + " ms");
    Harness h({.first_screen = ScreenId::NumberMenu});
    h.advance(at);
    for (int i = 1; i >= 0; --i) {
      h.move_to("Label3", i);
      EXPECT_EQ(sub_menu(h).HoverIndex, 0);
      EXPECT_EQ(looks(h), kBothNormal);
      h.click("Label3", i);
      ASSERT_EQ(h.screen_id(), ScreenId::NumberMenu);
    }
  }
}

TEST(NumberMenuChoices, OnTheFirstVisitChoice0IsNotHighlightedUntilThePointerHasCrossedTheBackground) {
  Harness h({.first_screen = ScreenId::NumberMenu});
  h.advance(kChoicesShown);
  h.move_to("Label3", 0);
  EXPECT_EQ(looks(h), kBothNormal);
  h.move_to_background();
  h.move_to("Label3", 0);
  EXPECT_EQ(looks(h), kFirstHighlighted);
  h.move_to_background();
  EXPECT_EQ(looks(h), kBothNormal);
  EXPECT_EQ(sub_menu(h).HighlightIndex, -1);
}

TEST(NumberMenuChoices, MovingStraightFromOneChoiceToTheOtherSwapsTheirColourings) {
  Harness h({.first_screen = ScreenId::NumberMenu});
  h.advance(kChoicesShown);
  h.move_to("Label3", 1);  // on the first visit choice 1 highlights at once
  EXPECT_EQ(looks(h), kSecondHighlighted);
  // Across the signboards and the turtle, which lie between the two choices and keep the highlight.
  const Point from = h.control("Label3", 1).rect().centre(), to = h.control("Label3", 0).rect().centre();
  for (int x = from.x; x > to.x; x -= 60) {
    h.move_to({x, from.y});
    if (h.window().control_at({x, from.y}) == &h.control("Label3", 0)) break;
    ASSERT_EQ(looks(h), kSecondHighlighted) << "at x " << x;
  }
  h.move_to("Label3", 0);
  EXPECT_EQ(looks(h), kFirstHighlighted);
  EXPECT_EQ(sub_menu(h).HighlightIndex, 0);
  h.move_to("Label3", 1);
  EXPECT_EQ(looks(h), kSecondHighlighted);
}

TEST(NumberMenuChoices, TheHoverPairIsKeptAcrossVisitsWhileTheChoicesStartYellowAgain) {
  Harness h({.first_screen = ScreenId::NumberMenu});
  h.advance(kChoicesShown);
  h.move_to("Label3", 1);
  h.click("Label2");  // the menu button is no choice: the highlight stays as it is
  ASSERT_EQ(h.screen_id(), ScreenId::Menu);
  h.advance(4200);
  h.click("Label1", 4);
  ASSERT_EQ(h.screen_id(), ScreenId::NumberMenu);
  EXPECT_EQ(sub_menu(h).HoverIndex, 1);
  EXPECT_EQ(sub_menu(h).HighlightIndex, 1);
  h.advance(kChoicesShown);
  EXPECT_EQ(looks(h), kBothNormal);
  h.move_to("Label3", 1);  // counts as highlighted already
  EXPECT_EQ(looks(h), kBothNormal);
  h.move_to("Label3", 0);
  EXPECT_EQ(looks(h), kFirstHighlighted);
}

TEST(NumberMenuChoices, TheTextsAsTheUserReadsThem) {
  Harness h({.first_screen = ScreenId::NumberMenu});
  EXPECT_EQ(h.caption("Label3", 0), "１より大");
  EXPECT_EQ(h.caption("Label3", 1), "１より小");
  EXPECT_EQ(h.caption("Label1"), "どちらにしますか");
  EXPECT_EQ(h.caption("Label2"), "");
}

TEST(NumberMenuChoices, EachChoiceOpensItsDrillAndUnloadsTheSubMenu) {
  const std::vector<std::tuple<int, ScreenId, std::string>> cases = {
      {0, ScreenId::DrillLarge, "接頭語（日本・大）"},
      {1, ScreenId::DrillSmall, "接頭語（日本・小）"},
  };
  for (const auto& [index, target, caption] : cases) {
    SCOPED_TRACE(caption);
    Harness h({.first_screen = ScreenId::NumberMenu});
    h.advance(kChoicesShown);
    h.click("Label3", index);
    EXPECT_EQ(h.screen_id(), target);
    EXPECT_EQ(h.window().definition().caption, caption);
    EXPECT_FALSE(sub_menu(h).loaded());
  }
}

TEST(NumberMenuChoices, TheMenuButtonLeadsBackToTheMainMenu) {
  Harness h({.first_screen = ScreenId::NumberMenu});
  h.advance(kChoicesShown);
  h.click("Label2");
  EXPECT_EQ(h.screen_id(), ScreenId::Menu);
  EXPECT_EQ(h.window().definition().caption, "メニュー");
  EXPECT_FALSE(sub_menu(h).loaded());
}

TEST(NumberMenuChoices, TheCloseBoxEndsTheProgram) {
  Harness h;
  h.advance(4200);
  h.click("Label1", 4);
  h.advance(kChoicesShown);
  h.close_window();
  EXPECT_FALSE(h.running());
  EXPECT_EQ(h.exit_status(), 0);
  EXPECT_TRUE(h.app().loaded_windows().empty());
  EXPECT_EQ(h.sound().open_players(), 0);
}

}  // namespace
}  // namespace metria::testing
