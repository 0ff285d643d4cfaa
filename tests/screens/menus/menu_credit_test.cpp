// The credit picture behind the hot spot on the title's turtle: seven seconds with its sound, from
// the first moment on, the countdown starting again on a second click.
#include <gtest/gtest.h>

#include <algorithm>

#include "harness/headless.h"
#include "screens/menus/menu_screen.h"

namespace metria::testing {
namespace {

int credit_plays(Harness& h) {
  const auto played = h.sound().played();
  return static_cast<int>(std::count(played.begin(), played.end(), "zunomi"));
}

TEST(MainMenuCredit, TheHotSpotWorksFromTheFirstMomentForSevenSeconds) {
  Harness h;
  h.click("Label2");
  EXPECT_TRUE(h.visible("Image4"));
  EXPECT_EQ(h.sound().played(), std::vector<std::string>{"zunomi"});
  EXPECT_EQ(h.host().announcements.back(), "作ったひと　海野 ひかる") << "a screen reader hears it appear";
  h.advance(6999);
  EXPECT_TRUE(h.visible("Image4"));
  h.advance(1);
  EXPECT_FALSE(h.visible("Image4"));
  EXPECT_FALSE(h.window().timer_armed(h.control("Timer5")));
  h.advance(20000);
  EXPECT_EQ(credit_plays(h), 1);
}

TEST(MainMenuCredit, DuringTheWalkTheTurtleWalksOnAndBothSoundsAreHeard) {
  Harness h;
  h.advance(1000);  // after the first step
  h.click("Label2");
  h.advance(2200);  // to the last step
  EXPECT_EQ(h.screen<MenuScreen>(ScreenId::Menu).TurtleTop, 327);
  EXPECT_TRUE(h.visible("Image4"));
  EXPECT_TRUE(h.visible("Image1"));
  EXPECT_EQ(h.sound().played(), (std::vector<std::string>{"kame1", "zunomi", "kame2", "kame1", "kame2", "kame1",
                                                          "kame2", "kame1", "kame2", "kame1"}));
  h.advance(1000);  // the title and the entries come while the picture is up
  EXPECT_TRUE(h.visible("Image3"));
  EXPECT_TRUE(h.visible("Label1", 0));
  EXPECT_TRUE(h.visible("Image4"));
  h.advance(3800);  // 8000 ms: seven seconds after the click
  EXPECT_FALSE(h.visible("Image4"));
}

TEST(MainMenuCredit, ASecondClickOnTheShownPicturePlaysAgainAndRestartsTheSevenSeconds) {
  Harness h;
  h.advance(5000);
  h.click("Label2");
  h.advance(4000);
  h.click("Label2");  // the hot spot lies in front of the picture
  EXPECT_EQ(credit_plays(h), 2);
  h.advance(3000);  // 12000 ms: the first countdown would have ended here
  EXPECT_TRUE(h.visible("Image4"));
  h.advance(3999);
  EXPECT_TRUE(h.visible("Image4"));
  h.advance(1);  // 16000 ms: seven seconds after the second click
  EXPECT_FALSE(h.visible("Image4"));
  h.advance(20000);
  EXPECT_FALSE(h.visible("Image4"));
  EXPECT_EQ(credit_plays(h), 2);
}

TEST(MainMenuCredit, TheRestOfThePictureTakesNoClicks) {
  Harness h;
  h.click("Label2");
  h.click({3200, 1200});  // top-left of the picture, outside the hot spot
  EXPECT_EQ(credit_plays(h), 1);
}

}  // namespace
}  // namespace metria::testing
