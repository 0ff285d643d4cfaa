// The close box of the one loaded window, in every state of every screen: the program ends at
// once with status 0, every player is given back, and nothing ticks or sounds afterwards.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "harness/headless.h"
#include "screens/drills/drill_test_support.h"
#include "screens/menus/menu_screen.h"
#include "screens/menus/number_menu_screen.h"
#include "screens/quizzes/quiz_driver.h"

namespace metria::testing {
namespace {

struct CloseCase {
  std::string name;  // ASCII, for the test name
  ScreenId screen;
  // Brings the freshly opened screen into the state; checks that it got there.
  std::function<void(Harness&)> reach;
};

// The screen's fields that a late tick or a late handler would change.
std::string fields_of(Harness& h, ScreenId id) {
  auto numbers = [](std::initializer_list<long> values) {
    std::string text;
    for (const long v : values) text += std::to_string(v) + " ";
    return text;
  };
  if (id == ScreenId::Menu) {
    const auto& s = h.screen<MenuScreen>(id);
    return numbers({s.TurtleTop, s.WalkFrame, s.HoverIndex, s.HighlightIndex});
  }
  if (id == ScreenId::NumberMenu) {
    const auto& s = h.screen<NumberMenuScreen>(id);
    return numbers({s.TurtleTop, s.WalkFrame, s.HoverIndex, s.HighlightIndex});
  }
  if (id == ScreenId::DrillLarge || id == ScreenId::DrillSi || id == ScreenId::DrillSmall) {
    const auto& s = h.screen<DrillScreen>(id);
    return numbers({s.TryCount, s.RightCount, s.DragIndex, s.DropIndex, s.FinishTime, s.HoverIndex, s.HighlightIndex});
  }
  const auto& s = h.screen<QuizScreen>(id);
  return numbers({s.TurtleTop, s.WalkFrame, s.CurrentItem, s.RightCount, s.WrongCount, s.RemainingCount, s.AnswerOpen,
                  s.HoverIndex, s.HighlightIndex});
}

bool armed(Harness& h, const char* timer) { return h.window().timer_armed(h.control(timer)); }

void wait_until(Harness& h, std::int64_t ms) { h.advance(ms - h.now()); }

// Menus: the opening's states, and the credit picture over the walk or the entries.
std::vector<CloseCase> menu_cases() {
  const ScreenId menu = ScreenId::Menu, numbers = ScreenId::NumberMenu;
  return {
      {"Menu_Waiting", menu,
       [](Harness& h) {
         wait_until(h, 100);
         ASSERT_TRUE(armed(h, "Timer1"));
       }},
      {"Menu_Walking", menu,
       [](Harness& h) {
         wait_until(h, 1000);
         ASSERT_TRUE(armed(h, "Timer2"));
       }},
      {"Menu_Arrived", menu,
       [](Harness& h) {
         wait_until(h, 3400);
         ASSERT_TRUE(armed(h, "Timer3"));
       }},
      {"Menu_Title", menu,
       [](Harness& h) {
         wait_until(h, 3900);
         ASSERT_TRUE(h.visible("Image3"));
         ASSERT_FALSE(h.visible("Label1", 0));
       }},
      {"Menu_Ready", menu,
       [](Harness& h) {
         wait_until(h, 5000);
         ASSERT_TRUE(h.visible("Label1", 5));
       }},
      {"Menu_CreditOverWalk", menu,
       [](Harness& h) {
         wait_until(h, 1000);
         h.click("Label2");
         ASSERT_TRUE(h.visible("Image4"));
         ASSERT_TRUE(armed(h, "Timer2"));
       }},
      {"Menu_CreditOverEntries", menu,
       [](Harness& h) {
         wait_until(h, 5000);
         h.click("Label2");
         ASSERT_TRUE(h.visible("Image4"));
         ASSERT_TRUE(armed(h, "Timer5"));
       }},
      {"NumberMenu_Waiting", numbers,
       [](Harness& h) {
         wait_until(h, 100);
         ASSERT_TRUE(armed(h, "Timer1"));
       }},
      {"NumberMenu_Walking", numbers,
       [](Harness& h) {
         wait_until(h, 1000);
         ASSERT_TRUE(armed(h, "Timer2"));
       }},
      {"NumberMenu_Arrived", numbers,
       [](Harness& h) {
         wait_until(h, 2500);
         ASSERT_TRUE(armed(h, "Timer3"));
       }},
      {"NumberMenu_Pause", numbers,
       [](Harness& h) {
         wait_until(h, 3000);
         ASSERT_TRUE(armed(h, "Timer4"));
         ASSERT_FALSE(h.visible("Label3", 0));
       }},
      {"NumberMenu_Ready", numbers,
       [](Harness& h) {
         wait_until(h, 4000);
         h.move_to("Label3", 1);
         ASSERT_TRUE(h.visible("Label3", 1));
       }},
  };
}

// Quizzes: every state of a turn and of a game's end.
std::vector<CloseCase> quiz_cases() {
  std::vector<CloseCase> cases;
  for (const ScreenId id : kQuizScreens) {
    const std::string name = quiz_test_name(id) + "_";
    auto reach_result_pending = [](Harness& h) {
      const int limit = quiz(h).parameters().FailLimit;
      play_game(
          h, [](int) { return true; }, limit - 1);
      h.click("Label1", wrong_answer(quiz(h)));
      h.advance(1500);
      ASSERT_EQ(armed_timer(h), "Timer6");
    };
    cases.push_back({name + "Waiting", id, [](Harness& h) {
                       wait_until(h, 100);
                       ASSERT_EQ(armed_timer(h), "Timer1");
                     }});
    cases.push_back({name + "Walking", id, [](Harness& h) {
                       wait_until(h, 1000);
                       ASSERT_EQ(armed_timer(h), "Timer2");
                     }});
    cases.push_back({name + "Arrived", id, [](Harness& h) {
                       wait_until(h, 2200);
                       ASSERT_EQ(armed_timer(h), "Timer3");
                     }});
    cases.push_back({name + "BoardShown", id, [](Harness& h) {
                       wait_until(h, 2700);
                       ASSERT_EQ(armed_timer(h), "Timer4");
                     }});
    cases.push_back({name + "Asking", id, [](Harness& h) {
                       run_to_question(h);
                       ASSERT_EQ(quiz(h).AnswerOpen, 1);
                     }});
    cases.push_back({name + "Feedback", id, [](Harness& h) {
                       run_to_question(h);
                       h.click("Label1", right_answer(quiz(h)));
                       ASSERT_EQ(armed_timer(h), "Timer5");
                     }});
    cases.push_back({name + "ResultPending", id, reach_result_pending});
    cases.push_back({name + "Result", id, [reach_result_pending](Harness& h) {
                       reach_result_pending(h);
                       h.advance(1000);
                       ASSERT_TRUE(result_shown(h));
                     }});
  }
  return cases;
}

// Drills: playing, a card held or dragged, the finish wait, the result.
std::vector<CloseCase> drill_cases() {
  std::vector<CloseCase> cases;
  const std::vector<std::pair<ScreenId, std::string>> drills = {
      {ScreenId::DrillLarge, "DrillLarge_"}, {ScreenId::DrillSi, "DrillSi_"}, {ScreenId::DrillSmall, "DrillSmall_"}};
  for (const auto& [id, name] : drills) {
    cases.push_back({name + "Playing", id, [](Harness& h) {
                       place_card(h, 0);
                       drop_wrong(h, 1, 1, 2);
                       ASSERT_EQ(drill(h).TryCount, 2);
                     }});
    cases.push_back({name + "ButtonHeld", id, [](Harness& h) {
                       h.move_to("Label2", 0);
                       h.press();
                       ASSERT_TRUE(h.window().dragging());
                     }});
    cases.push_back({name + "CardDragged", id, [](Harness& h) {
                       h.move_to("Label2", 0);
                       h.press();
                       h.move_to("Label1", 1);
                       ASSERT_TRUE(h.window().dragging());
                       ASSERT_EQ(h.control("Label1", 1).back_style(), BackStyle::Opaque);
                     }});
    cases.push_back({name + "Finishing", id, [](Harness& h) {
                       place_all_cards(h);
                       ASSERT_TRUE(armed(h, "Timer1"));
                     }});
    cases.push_back({name + "Result", id, [](Harness& h) {
                       place_all_cards(h);
                       ASSERT_GE(wait_for_result(h), 0);
                     }});
  }
  return cases;
}

std::vector<CloseCase> all_cases() {
  std::vector<CloseCase> cases = menu_cases();
  for (auto more : {quiz_cases(), drill_cases()}) cases.insert(cases.end(), more.begin(), more.end());
  return cases;
}

class CloseBox : public ::testing::TestWithParam<CloseCase> {};

TEST_P(CloseBox, EndsTheProgramSilently) {
  const CloseCase& c = GetParam();
  Harness h({.first_screen = c.screen});
  c.reach(h);
  ASSERT_FALSE(::testing::Test::HasFatalFailure()) << "the state was not reached";
  ASSERT_EQ(h.screen_id(), c.screen);
  const std::string fields = fields_of(h, c.screen);
  const int unloaded = h.host().unloaded;
  h.sound().clear();

  h.close_window();

  EXPECT_FALSE(h.running());
  EXPECT_EQ(h.exit_status(), 0);
  EXPECT_EQ(h.app().fatal_message(), "");
  EXPECT_TRUE(h.host().fatal_messages.empty());
  EXPECT_TRUE(h.app().loaded_windows().empty());
  EXPECT_EQ(h.host().unloaded, unloaded + 1);
  EXPECT_EQ(h.sound().open_players(), 0);
  for (const auto& e : h.sound().events())
    EXPECT_EQ(e.kind, RecordingSoundDevice::Kind::Close) << "the close box asked a player for more than its release";
  EXPECT_FALSE(h.app().next_timer_due()) << "a timer outlived the window";

  h.sound().clear();
  h.advance(20'000);
  EXPECT_TRUE(h.sound().events().empty()) << "a sound after the end";
  EXPECT_EQ(fields_of(h, c.screen), fields) << "a handler ran after the end";
  EXPECT_FALSE(h.running());
  EXPECT_EQ(h.exit_status(), 0);
}

INSTANTIATE_TEST_SUITE_P(EveryState, CloseBox, ::testing::ValuesIn(all_cases()),
                         [](const ::testing::TestParamInfo<CloseCase>& test) { return test.param.name; });

}  // namespace
}  // namespace metria::testing
