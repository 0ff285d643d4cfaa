// The main menu's opening: a silent load, the nine-step walk, the title, then the entries; and the
// same opening on every later visit.
#include <gtest/gtest.h>

#include "harness/headless.h"
#include "menu_test_support.h"
#include "screens/menus/menu_screen.h"

namespace metria::testing {
namespace {

using Kind = RecordingSoundDevice::Kind;

const std::vector<WalkRow> kMenuWalk = {
    {500, 4665, "", ""},             // Timer1: the walk starts
    {800, 4183, "Image1", "kame1"},  // step 1
    {1100, 3701, "Image2", "kame2"},
    {1400, 3219, "Image1", "kame1"},
    {1700, 2737, "Image2", "kame2"},
    {2000, 2255, "Image1", "kame1"},
    {2300, 1773, "Image2", "kame2"},
    {2600, 1291, "Image1", "kame1"},
    {2900, 809, "Image2", "kame2"},
    {3200, 327, "Image1", "kame1"},  // step 9: 327 is above the end line, the walk stops
};

// After the walk: the title at 3700 ms, the six entries at 4200 ms, silently.
void expect_title_then_entries(Harness& h, std::int64_t loaded_at) {
  const std::size_t sounds = h.sound().played().size();
  h.advance(loaded_at + 3699 - h.now());
  EXPECT_TRUE(h.visible("Image1"));
  EXPECT_FALSE(h.visible("Image3"));
  h.advance(1);
  EXPECT_FALSE(h.visible("Image1"));
  EXPECT_FALSE(h.visible("Image2"));
  EXPECT_TRUE(h.visible("Image3"));
  h.advance(499);
  for (int i = 0; i <= 5; ++i) EXPECT_FALSE(h.visible("Label1", i)) << i;
  h.advance(1);
  for (int i = 0; i <= 5; ++i) EXPECT_TRUE(h.visible("Label1", i)) << i;
  EXPECT_TRUE(h.visible("Image3"));
  EXPECT_EQ(h.sound().played().size(), sounds);
}

TEST(MainMenuOpening, LoadsSilentWithThreePreparedHiddenPlayers) {
  Harness h;
  std::vector<std::pair<Kind, std::string>> seen;
  for (const auto& e : h.sound().events()) seen.emplace_back(e.kind, e.file);
  const std::vector<std::pair<Kind, std::string>> expected = {
      {Kind::Load, "/opt/metria/wav/kame1.wav"},  {Kind::Halt, "/opt/metria/wav/kame1.wav"},
      {Kind::Load, "/opt/metria/wav/kame2.wav"},  {Kind::Halt, "/opt/metria/wav/kame2.wav"},
      {Kind::Load, "/opt/metria/wav/zunomi.wav"}, {Kind::Halt, "/opt/metria/wav/zunomi.wav"},
  };
  EXPECT_EQ(seen, expected);
  EXPECT_EQ(h.app().AppFolder(), "/opt/metria");
  for (const char* player : {"MediaPlayer1", "MediaPlayer2", "MediaPlayer3"}) EXPECT_FALSE(h.visible(player));
}

TEST(MainMenuOpening, AtFirstOnlyTheBackgroundAndTheHotSpotAreThere) {
  Harness h;
  for (const char* image : {"Image1", "Image2", "Image3", "Image4"}) EXPECT_FALSE(h.visible(image)) << image;
  for (int i = 0; i <= 5; ++i) EXPECT_FALSE(h.visible("Label1", i));
  EXPECT_TRUE(h.visible("Label2"));
  EXPECT_EQ(h.screen<MenuScreen>(ScreenId::Menu).TurtleTop, 4665);
  EXPECT_EQ(h.control("Image1").top(), 4665);
}

TEST(MainMenuOpening, RunFromTheRootTheCuesLieInSlashWav) {
  Harness h({.app_path = "/"});
  EXPECT_EQ(h.app().AppFolder(), "");
  EXPECT_EQ(h.sound().events().front().file, "/wav/kame1.wav");
}

TEST(MainMenuOpening, WalksNineStepsThenShowsTheTitleThenTheEntries) {
  Harness h;
  expect_walk<MenuScreen>(h, ScreenId::Menu, kMenuWalk);
  expect_title_then_entries(h, 0);
  EXPECT_EQ(h.sound().played(), (std::vector<std::string>{"kame1", "kame2", "kame1", "kame2", "kame1", "kame2", "kame1",
                                                          "kame2", "kame1"}));
}

TEST(MainMenuOpening, OnceReadyNothingMoreHappensButTheEntriesTimerKeepsTicking) {
  Harness h;
  h.advance(4200);
  const auto events = h.sound().events().size();
  h.advance(60000);
  EXPECT_EQ(h.sound().events().size(), events);
  EXPECT_EQ(h.screen<MenuScreen>(ScreenId::Menu).TurtleTop, 327);
  EXPECT_TRUE(h.visible("Image3"));
  EXPECT_FALSE(h.visible("Image1"));
  for (const char* timer : {"Timer1", "Timer2", "Timer3", "Timer5"})
    EXPECT_FALSE(h.window().timer_armed(h.control(timer))) << timer;
  EXPECT_TRUE(h.window().timer_armed(h.control("Timer4")));
}

TEST(MainMenuOpening, ComingBackReplaysTheWholeOpening) {
  Harness h;
  h.advance(4200);
  h.click("Label1", 4);
  h.advance(1000);  // mid-walk on the sub-menu
  h.click("Label2");
  ASSERT_EQ(h.screen_id(), ScreenId::Menu);
  const std::int64_t back_at = h.now();
  for (const char* image : {"Image1", "Image2", "Image3"}) EXPECT_FALSE(h.visible(image)) << image;
  for (int i = 0; i <= 5; ++i) EXPECT_FALSE(h.visible("Label1", i));
  EXPECT_EQ(h.screen<MenuScreen>(ScreenId::Menu).TurtleTop, 4665);
  expect_walk<MenuScreen>(h, ScreenId::Menu, kMenuWalk);
  expect_title_then_entries(h, back_at);
}

}  // namespace
}  // namespace metria::testing
