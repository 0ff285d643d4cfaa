// The main menu's entries: dead until they show, then each opens its screen or ends the program.
#include <gtest/gtest.h>

#include "harness/headless.h"
#include "menu_test_support.h"
#include "screens/menus/menu_screen.h"

namespace metria::testing {
namespace {

constexpr std::int64_t kEntriesShown = 4200;

MenuScreen& menu(Harness& h) { return h.screen<MenuScreen>(ScreenId::Menu); }

TEST(MainMenuEntries, BeforeTheyShowPointerMovesAndClicksOverTheirPlacesDoNothing) {
  // While waiting, mid-walk (the turtle stands over entries 1 and 4), and 1 ms before they show.
  for (const std::int64_t at : {std::int64_t{0}, std::int64_t{1000}, kEntriesShown - 1}) {
    SCOPED_TRACE("at " + std::to_string(at) + " ms");
    Harness h;
    h.advance(at);
    for (int i = 0; i <= 5; ++i) {
      h.move_to("Label1", i);
      EXPECT_EQ(menu(h).HoverIndex, 0) << i;
      EXPECT_EQ(h.control("Label1", i).back_color(), colors::kBlue) << i;
      h.click("Label1", i);
      ASSERT_TRUE(h.running()) << i;
      ASSERT_EQ(h.screen_id(), ScreenId::Menu) << i;
    }
  }
}

struct EntryCase {
  int index;
  ScreenId target;
  std::string caption;
};

class MainMenuEntryOpens : public ::testing::TestWithParam<EntryCase> {};

TEST_P(MainMenuEntryOpens, ItsScreenAndUnloadsTheMenu) {
  const EntryCase& entry = GetParam();
  Harness h;
  h.advance(kEntriesShown);
  h.click("Label1", entry.index);
  EXPECT_EQ(h.screen_id(), entry.target);
  EXPECT_EQ(h.window().definition().caption, entry.caption);
  EXPECT_FALSE(menu(h).loaded());
  EXPECT_EQ(h.app().loaded_windows().size(), 1u);
}

INSTANTIATE_TEST_SUITE_P(MainMenuEntries, MainMenuEntryOpens,
                         ::testing::Values(EntryCase{0, ScreenId::QuizSi, "ＳＩ単位"},
                                           EntryCase{1, ScreenId::QuizCounters, "物の数え方"},
                                           EntryCase{2, ScreenId::QuizCurrencies, "通貨の単位"},
                                           EntryCase{3, ScreenId::DrillSi, "接頭語（ＳＩ）"},
                                           EntryCase{4, ScreenId::NumberMenu, "数_日本"}));

TEST(MainMenuEntries, CaptionsAsTheUserReadsThem) {
  Harness h;
  const std::vector<std::string> captions = {"科学の単位",     "物の数え方",     "通貨の単位",
                                             "接頭語（ＳＩ）", "接頭語（日本）", "おわり"};
  for (int i = 0; i <= 5; ++i) EXPECT_EQ(h.caption("Label1", i), captions[static_cast<std::size_t>(i)]);
}

TEST(MainMenuEntries, EndEndsTheProgramAtOnce) {
  Harness h;
  h.advance(kEntriesShown);
  h.click("Label1", 5);
  EXPECT_FALSE(h.running());
  EXPECT_EQ(h.exit_status(), 0);
  EXPECT_TRUE(h.app().loaded_windows().empty());
  EXPECT_EQ(h.sound().open_players(), 0);
  EXPECT_FALSE(h.app().next_timer_due().has_value());
}

TEST(MainMenuEntries, EndWhileTheCreditSoundsSilencesItAndNothingFollows) {
  Harness h;
  h.advance(kEntriesShown);
  h.click("Label2");
  const auto players = open_player_ids(h);
  h.advance(100);
  const std::size_t left_at = h.sound().events().size();
  h.click("Label1", 5);
  EXPECT_FALSE(h.running());
  EXPECT_EQ(h.exit_status(), 0);
  const std::size_t after_end = h.sound().events().size();
  h.advance(60000);  // the credit countdown and the entries' timer would both have ticked by now
  EXPECT_EQ(h.sound().events().size(), after_end);
  expect_silenced(h, players, left_at);
  EXPECT_EQ(h.sound().open_players(), 0);
}

}  // namespace
}  // namespace metria::testing
