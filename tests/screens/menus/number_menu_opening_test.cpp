// The sub-menu's opening: a silent load, the six-step walk that ends between the signboards, then
// the signboards, the question and the two choices together; and the same on every visit.
#include <gtest/gtest.h>

#include "harness/headless.h"
#include "menu_test_support.h"
#include "screens/menus/number_menu_screen.h"

namespace metria::testing {
namespace {

using Kind = RecordingSoundDevice::Kind;

const std::vector<WalkRow> kSubMenuWalk = {
    {500, 4120, "", ""},             // Timer1: the walk starts
    {800, 3735, "Image2", "kame1"},  // step 1
    {1100, 3350, "Image1", "kame2"},
    {1400, 2965, "Image2", "kame1"},
    {1700, 2580, "Image1", "kame2"},
    {2000, 2195, "Image2", "kame1"},
    {2300, 1810, "Image1", "kame2"},  // step 6: 1810 is above the end line, the walk stops
};

const char* const kShownTogether[] = {"Image3", "Image4", "Label1"};

// After the walk: a silent pause with the turtle standing, then everything else at 3300 ms.
void expect_pause_then_choices(Harness& h, std::int64_t loaded_at) {
  const std::size_t sounds = h.sound().played().size();
  h.advance(loaded_at + 3299 - h.now());
  EXPECT_TRUE(h.visible("Image1"));
  for (const char* name : kShownTogether) EXPECT_FALSE(h.visible(name)) << name;
  for (int i = 0; i <= 1; ++i) EXPECT_FALSE(h.visible("Label3", i)) << i;
  h.advance(1);
  for (const char* name : kShownTogether) EXPECT_TRUE(h.visible(name)) << name;
  for (int i = 0; i <= 1; ++i) EXPECT_TRUE(h.visible("Label3", i)) << i;
  EXPECT_TRUE(h.visible("Image1"));
  EXPECT_FALSE(h.visible("Image2"));
  EXPECT_EQ(h.control("Image1").top(), 1810);
  EXPECT_EQ(h.sound().played().size(), sounds);
}

TEST(NumberMenuOpening, LoadsSilentWithTheStepSoundsSwapped) {
  Harness h({.first_screen = ScreenId::NumberMenu});
  std::vector<std::pair<Kind, std::string>> seen;
  for (const auto& e : h.sound().events()) seen.emplace_back(e.kind, e.file);
  const std::vector<std::pair<Kind, std::string>> expected = {
      {Kind::Load, "/opt/metria/wav/kame2.wav"},
      {Kind::Halt, "/opt/metria/wav/kame2.wav"},
      {Kind::Load, "/opt/metria/wav/kame1.wav"},
      {Kind::Halt, "/opt/metria/wav/kame1.wav"},
  };
  EXPECT_EQ(seen, expected);
  EXPECT_EQ(h.app().AppFolder(), "/opt/metria");
  EXPECT_FALSE(h.visible("MediaPlayer1"));
  EXPECT_FALSE(h.visible("MediaPlayer2"));
}

TEST(NumberMenuOpening, AtFirstOnlyTheBackgroundAndTheMenuButtonAreThere) {
  Harness h({.first_screen = ScreenId::NumberMenu});
  for (const char* image : {"Image1", "Image2", "Image3", "Image4"}) EXPECT_FALSE(h.visible(image)) << image;
  EXPECT_FALSE(h.visible("Label1"));
  EXPECT_FALSE(h.visible("Label3", 0));
  EXPECT_FALSE(h.visible("Label3", 1));
  EXPECT_TRUE(h.visible("Label2"));
  EXPECT_EQ(h.control("Image1").top(), 4120);
}

TEST(NumberMenuOpening, WalksSixStepsPausesThenShowsTheChoices) {
  Harness h({.first_screen = ScreenId::NumberMenu});
  expect_walk<NumberMenuScreen>(h, ScreenId::NumberMenu, kSubMenuWalk);
  expect_pause_then_choices(h, 0);
  EXPECT_EQ(h.sound().played(), (std::vector<std::string>{"kame1", "kame2", "kame1", "kame2", "kame1", "kame2"}));
}

TEST(NumberMenuOpening, OnceReadyNothingMoreHappensButTheLastTimerKeepsTicking) {
  Harness h({.first_screen = ScreenId::NumberMenu});
  h.advance(3300);
  const auto events = h.sound().events().size();
  h.advance(60000);
  EXPECT_EQ(h.sound().events().size(), events);
  EXPECT_EQ(h.screen<NumberMenuScreen>(ScreenId::NumberMenu).TurtleTop, 1810);
  for (const char* timer : {"Timer1", "Timer2", "Timer3"})
    EXPECT_FALSE(h.window().timer_armed(h.control(timer))) << timer;
  EXPECT_TRUE(h.window().timer_armed(h.control("Timer4")));
}

TEST(NumberMenuOpening, OpenedFromTheMainMenuAndAgainLaterItReplaysTheWholeOpening) {
  Harness h;
  for (int visit = 1; visit <= 2; ++visit) {
    SCOPED_TRACE("visit " + std::to_string(visit));
    h.advance(4200);
    h.click("Label1", 4);
    ASSERT_EQ(h.screen_id(), ScreenId::NumberMenu);
    const std::int64_t opened_at = h.now();
    expect_walk<NumberMenuScreen>(h, ScreenId::NumberMenu, kSubMenuWalk);
    expect_pause_then_choices(h, opened_at);
    h.click("Label2");
    ASSERT_EQ(h.screen_id(), ScreenId::Menu);
  }
}

}  // namespace
}  // namespace metria::testing
