// The menu spot Label4 of a unit quiz: it returns to メニュー in every state of a game, and nothing
// of the game it leaves runs afterwards; a later opening starts a new game.
#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <set>
#include <string>
#include <vector>

#include "quiz_driver.h"

namespace metria::testing {
namespace {

using Kind = RecordingSoundDevice::Kind;

struct StateCase {
  const char* name;
  std::function<void(Harness&)> reach;
};

void PrintTo(const StateCase& c, std::ostream* os) { *os << c.name; }

void fail_up_to_the_result_delay(Harness& h) {
  play_game(
      h, [](int) { return true; }, 19);
  h.click("Label1", wrong_answer(quiz(h)));
  h.advance(1500);
}

const StateCase kStates[] = {
    {"WaitingToWalk", [](Harness& h) { h.advance(200); }},
    {"Walking", [](Harness& h) { h.advance(1250); }},
    {"Arrived", [](Harness& h) { h.advance(2700); }},
    {"Asking", [](Harness& h) { run_to_question(h); }},
    {"Feedback",
     [](Harness& h) {
       run_to_question(h);
       h.click("Label1", wrong_answer(quiz(h)));
       h.advance(600);
     }},
    {"ResultPending", fail_up_to_the_result_delay},
    {"Result",
     [](Harness& h) {
       fail_up_to_the_result_delay(h);
       h.advance(1000);
     }},
};

std::vector<int> fields(const QuizScreen& s) {
  return {s.CurrentItem, s.TurtleTop, s.WalkFrame, s.RightCount, s.WrongCount, s.RemainingCount, s.AnswerOpen};
}

class QuizMenuSpot : public ::testing::TestWithParam<StateCase> {};

TEST_P(QuizMenuSpot, ReturnsToTheMenuAndNoLaterStepOfTheGameRuns) {
  Harness h({.first_screen = ScreenId::QuizSi});
  GetParam().reach(h);
  QuizScreen& s = quiz(h);
  std::set<PlayerId> quiz_players;
  for (const auto& e : h.sound().events()) quiz_players.insert(e.player);
  const std::vector<int> before = fields(s);
  const std::size_t events_before = h.sound().events().size();

  h.click("Label4");
  EXPECT_EQ(h.screen_id(), ScreenId::Menu);
  EXPECT_FALSE(s.loaded());
  h.advance(30'000);
  EXPECT_EQ(h.screen_id(), ScreenId::Menu);
  EXPECT_EQ(fields(s), before);

  std::set<PlayerId> closed;
  const auto& events = h.sound().events();
  for (auto e = events.begin() + events_before; e != events.end(); ++e) {
    if (!quiz_players.contains(e->player)) continue;
    EXPECT_EQ(e->kind, Kind::Close) << "quiz cue " << e->file << " after leaving";
    closed.insert(e->player);
  }
  EXPECT_EQ(closed, quiz_players);
}

INSTANTIATE_TEST_SUITE_P(States, QuizMenuSpot, ::testing::ValuesIn(kStates),
                         [](const auto& test) { return std::string(test.param.name); });

TEST(QuizReopening, StartsANewGameThatTakesNoAnswerBeforeItsFirstQuestion) {
  Harness h({.first_screen = ScreenId::QuizSi});
  QuizScreen& s = quiz(h);
  run_to_question(h);
  h.click("Label1", right_answer(s));
  run_to_question(h);
  h.move_to("Label1", 6);
  h.click("Label4");
  ASSERT_EQ(s.AnswerOpen, 1);

  // What the menu's first entry does: show the quiz, then unload the menu.
  h.app().Show(ScreenId::QuizSi);
  h.app().Unload(ScreenId::Menu);
  ASSERT_EQ(h.screen_id(), ScreenId::QuizSi);
  EXPECT_EQ(s.AnswerOpen, 0);
  EXPECT_EQ(s.RightCount, 0);
  EXPECT_EQ(h.caption("Label9"), "75");
  EXPECT_EQ(h.caption("Label6"), "");
  // The hover pair carries over; the labels have their design colours again.
  EXPECT_EQ(s.HoverIndex, 6);
  EXPECT_EQ(s.HighlightIndex, 6);
  EXPECT_EQ(h.control("Label1", 6).back_color(), (Color{0, 0, 255}));

  h.click("Label1", 3);
  EXPECT_EQ(s.RightCount + s.WrongCount, 0);
  EXPECT_EQ(h.caption("Label9"), "75");
  h.advance(3000);
  EXPECT_EQ(s.AnswerOpen, 1);
}

}  // namespace
}  // namespace metria::testing
