// Whole games of the three unit quizzes, answered from the content tables: passes with each medal
// at the boundaries of its range, fails at the wrong-answer limit, the timing of the result, and
// "■再挑戦".
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <numeric>
#include <ostream>
#include <string>
#include <vector>

#include "quiz_driver.h"

namespace metria::testing {
namespace {

using Kind = RecordingSoundDevice::Kind;

enum class Outcome { Gold, Silver, Bronze, Fail };

struct GameCase {
  const char* name;
  ScreenId id;
  int wrong;  // spread over the game, the last answer always among them
  Outcome outcome;
};

void PrintTo(const GameCase& c, std::ostream* os) { *os << c.name; }

const GameCase kFullGames[] = {
    {"SiUnits75RightGold", ScreenId::QuizSi, 0, Outcome::Gold},
    {"SiUnits70RightGold", ScreenId::QuizSi, 5, Outcome::Gold},
    {"SiUnits69RightSilver", ScreenId::QuizSi, 6, Outcome::Silver},
    {"SiUnits60RightSilver", ScreenId::QuizSi, 15, Outcome::Silver},
    {"SiUnits59RightBronze", ScreenId::QuizSi, 16, Outcome::Bronze},
    {"SiUnits56RightBronze", ScreenId::QuizSi, 19, Outcome::Bronze},
    {"SiUnits20thWrongOnTheLastItemFails", ScreenId::QuizSi, 20, Outcome::Fail},
    {"Counters57RightGold", ScreenId::QuizCounters, 6, Outcome::Gold},
    {"Counters56RightSilver", ScreenId::QuizCounters, 7, Outcome::Silver},
    {"Counters50RightSilver", ScreenId::QuizCounters, 13, Outcome::Silver},
    {"Counters49RightBronze", ScreenId::QuizCounters, 14, Outcome::Bronze},
    {"Counters46RightBronze", ScreenId::QuizCounters, 17, Outcome::Bronze},
    {"Counters18thWrongOnTheLastItemFails", ScreenId::QuizCounters, 18, Outcome::Fail},
    {"Currencies40RightGold", ScreenId::QuizCurrencies, 5, Outcome::Gold},
    {"Currencies39RightSilver", ScreenId::QuizCurrencies, 6, Outcome::Silver},
    {"Currencies35RightSilver", ScreenId::QuizCurrencies, 10, Outcome::Silver},
    {"Currencies34RightBronze", ScreenId::QuizCurrencies, 11, Outcome::Bronze},
    {"Currencies31RightBronze", ScreenId::QuizCurrencies, 14, Outcome::Bronze},
    {"Currencies15thWrongOnTheLastItemFails", ScreenId::QuizCurrencies, 15, Outcome::Fail},
};

// The result state as the screen shows it, with every other result control hidden.
void expect_result(Harness& h, Outcome outcome) {
  const bool pass = outcome != Outcome::Fail;
  EXPECT_EQ(h.visible("Label5"), pass);
  EXPECT_EQ(h.visible("Label10"), !pass);
  EXPECT_EQ(h.visible("Image6"), outcome == Outcome::Gold);
  EXPECT_EQ(h.visible("Image7"), outcome == Outcome::Silver);
  EXPECT_EQ(h.visible("Image8"), outcome == Outcome::Bronze);
  EXPECT_TRUE(h.visible("Label11"));
  EXPECT_TRUE(h.visible("Image9"));
  // The last item stays on the board under the result.
  EXPECT_TRUE(h.visible("Image3"));
  EXPECT_TRUE(h.visible("Label2"));
  EXPECT_TRUE(h.visible("Label3"));
  const auto& last = h.sound().events().back();
  EXPECT_EQ(last.kind, Kind::Play);
  EXPECT_EQ(file_stem(last.file), pass ? "gokaku" : "dame");
  EXPECT_EQ(last.times, pass ? 3 : 1);
  EXPECT_EQ(armed_timers(h), 0);
}

class QuizFullGame : public ::testing::TestWithParam<GameCase> {};

TEST_P(QuizFullGame, AsksEveryItemOnceAndEndsWithItsResult) {
  const GameCase& c = GetParam();
  Harness h({.first_screen = c.id});
  const QuizScreen& s = quiz(h);
  const int n = s.parameters().ItemCount;
  const GameLog log = play_game(h, spread_wrong(c.wrong, n));

  std::vector<int> every_item(n);
  std::iota(every_item.begin(), every_item.end(), 0);
  std::vector<int> asked = log.asked_items;
  std::sort(asked.begin(), asked.end());
  EXPECT_EQ(asked, every_item);
  EXPECT_EQ(log.most_timers_armed, 1);

  EXPECT_EQ(s.RightCount, n - c.wrong);
  EXPECT_EQ(s.WrongCount, c.wrong);
  EXPECT_EQ(h.caption("Label6"), n - c.wrong > 0 ? std::to_string(n - c.wrong) : "");
  EXPECT_EQ(h.caption("Label7"), c.wrong > 0 ? std::to_string(c.wrong) : "");
  EXPECT_EQ(h.caption("Label9"), "0");
  expect_result(h, c.outcome);

  const auto events = h.sound().events().size();
  h.advance(60'000);
  EXPECT_EQ(h.sound().events().size(), events) << "nothing follows the result";
}

INSTANTIATE_TEST_SUITE_P(Games, QuizFullGame, ::testing::ValuesIn(kFullGames),
                         [](const auto& test) { return std::string(test.param.name); });

class QuizEarlyFail : public ::testing::TestWithParam<ScreenId> {};

TEST_P(QuizEarlyFail, TheWrongAnswerLimitEndsTheGameBeforeEveryItemIsAsked) {
  Harness h({.first_screen = GetParam()});
  const QuizScreen& s = quiz(h);
  const int limit = s.parameters().FailLimit;
  const GameLog log = play_game(h, [](int) { return true; });
  EXPECT_EQ(static_cast<int>(log.asked_items.size()), limit);
  EXPECT_TRUE(asked_once_each(log.asked_items));
  EXPECT_EQ(log.most_timers_armed, 1);
  EXPECT_EQ(s.WrongCount, limit);
  EXPECT_EQ(h.caption("Label6"), "");
  EXPECT_EQ(h.caption("Label9"), std::to_string(s.parameters().ItemCount - limit));
  expect_result(h, Outcome::Fail);
}

INSTANTIATE_TEST_SUITE_P(Screens, QuizEarlyFail, ::testing::ValuesIn(kQuizScreens),
                         [](const auto& test) { return quiz_test_name(test.param); });

// The last answer of a game: the result follows the 1.5 s feedback one second later.
struct EndCase {
  const char* name;
  std::function<bool(int)> wrong_on;
  int questions_before_the_last;
  const char* result_label;
};

void PrintTo(const EndCase& c, std::ostream* os) { *os << c.name; }

const EndCase kEnds[] = {
    {"EveryItemAsked", [](int) { return false; }, 74, "Label5"},
    {"WrongAnswerLimit", [](int) { return true; }, 19, "Label10"},
};

class QuizResultTiming : public ::testing::TestWithParam<EndCase> {};

TEST_P(QuizResultTiming, TheResultShowsOneSecondAfterTheFeedback) {
  const EndCase& c = GetParam();
  Harness h({.first_screen = ScreenId::QuizSi});
  play_game(h, c.wrong_on, c.questions_before_the_last);
  QuizScreen& s = quiz(h);
  h.click("Label1", c.wrong_on(c.questions_before_the_last) ? wrong_answer(s) : right_answer(s));
  h.advance(1500);
  EXPECT_EQ(armed_timer(h), "Timer6");
  EXPECT_FALSE(h.visible("Image4"));
  EXPECT_FALSE(h.visible("Image5"));
  h.advance(999);
  EXPECT_FALSE(h.visible(c.result_label));
  EXPECT_FALSE(h.visible("Label11"));
  h.advance(1);
  EXPECT_TRUE(h.visible(c.result_label));
  EXPECT_TRUE(h.visible("Label11"));
}

INSTANTIATE_TEST_SUITE_P(Ends, QuizResultTiming, ::testing::ValuesIn(kEnds),
                         [](const auto& test) { return std::string(test.param.name); });

// "■再挑戦" while the result cue still sounds: the cue is halted and a new game starts in place.
struct RetryCase {
  const char* name;
  std::function<bool(int)> wrong_on;
  const char* cue;
};

void PrintTo(const RetryCase& c, std::ostream* os) { *os << c.name; }

const RetryCase kRetries[] = {
    {"DuringThePassFanfare", [](int) { return false; }, "gokaku"},
    {"DuringTheFailCue", [](int) { return true; }, "dame"},
};

class QuizRetry : public ::testing::TestWithParam<RetryCase> {};

TEST_P(QuizRetry, HaltsTheCueAndStartsANewGame) {
  Harness h({.first_screen = ScreenId::QuizSi});
  QuizScreen& s = quiz(h);
  play_game(h, GetParam().wrong_on);
  const auto& events = h.sound().events();
  ASSERT_EQ(file_stem(events.back().file), GetParam().cue);
  const PlayerId cue_player = events.back().player;
  const std::size_t before = events.size();

  h.click("Label11");
  const bool halted = std::any_of(events.begin() + before, events.end(),
                                  [&](const auto& e) { return e.kind == Kind::Halt && e.player == cue_player; });
  EXPECT_TRUE(halted);
  EXPECT_TRUE(std::none_of(events.begin() + before, events.end(), [](const auto& e) { return e.kind == Kind::Play; }));

  EXPECT_EQ(s.RightCount, 0);
  EXPECT_EQ(s.WrongCount, 0);
  EXPECT_EQ(s.RemainingCount, 75);
  EXPECT_EQ(std::accumulate(s.Asked.begin(), s.Asked.end(), 0), 0);
  EXPECT_EQ(h.caption("Label6"), "");
  EXPECT_EQ(h.caption("Label7"), "");
  EXPECT_EQ(h.caption("Label9"), "75");
  for (const char* hidden :
       {"Label5", "Label10", "Label11", "Image6", "Image7", "Image8", "Image9", "Image3", "Label2", "Label3"})
    EXPECT_FALSE(h.visible(hidden)) << hidden;
  EXPECT_EQ(s.TurtleTop, 4350);
  EXPECT_EQ(armed_timer(h), "Timer1");

  // The new game runs like the first: a walk from the bottom, then a question that takes an answer.
  h.advance(800);
  EXPECT_EQ(s.TurtleTop, 3900);
  h.advance(2200);
  EXPECT_EQ(s.AnswerOpen, 1);
  h.click("Label1", right_answer(s));
  EXPECT_EQ(h.caption("Label6"), "1");
}

INSTANTIATE_TEST_SUITE_P(Cues, QuizRetry, ::testing::ValuesIn(kRetries),
                         [](const auto& test) { return std::string(test.param.name); });

}  // namespace
}  // namespace metria::testing
