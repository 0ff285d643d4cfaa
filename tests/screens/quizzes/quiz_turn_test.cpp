// One turn of a unit quiz: the opening state, the walk and its timings, the draw of the item, the
// answer with its feedback, the hover highlight, and clicks that come at the wrong time.
#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "quiz_driver.h"
#include "sound/cue_player.h"

namespace metria::testing {
namespace {

constexpr Color kBlue{0, 0, 255};
constexpr Color kRed{255, 0, 0};

using Kind = RecordingSoundDevice::Kind;

// The item of this quiz whose text is `text`.
int item_with_text(Harness& h, std::string_view text) {
  const auto& items = quiz(h).ItemText;
  for (std::size_t i = 0; i < items.size(); ++i)
    if (items[i] == text) return static_cast<int>(i);
  throw std::logic_error("no such item");
}

// Starts the screen with the first draw landing on `item`, and runs to that question.
void open_on_item(Harness& h, int item) {
  h.random().queue({draw_for(item, quiz(h).parameters().ItemCount)});
  run_to_question(h);
  ASSERT_EQ(quiz(h).CurrentItem, item);
}

// --- Opening ---------------------------------------------------------------------------------

class QuizOpening : public ::testing::TestWithParam<ScreenId> {};

TEST_P(QuizOpening, StartsSilentWithEmptyCountsAndTheWalkAhead) {
  Harness h({.first_screen = GetParam()});
  const QuizScreen& s = quiz(h);
  const int items = s.parameters().ItemCount;
  EXPECT_EQ(h.caption("Label9"), std::to_string(items));
  EXPECT_EQ(h.caption("Label6"), "");
  EXPECT_EQ(h.caption("Label7"), "");
  EXPECT_EQ(s.RemainingCount, items);
  EXPECT_EQ(s.RightCount, 0);
  EXPECT_EQ(s.WrongCount, 0);
  EXPECT_EQ(s.AnswerOpen, 0);
  EXPECT_EQ(s.TurtleTop, 4350);
  EXPECT_EQ(h.control("Image1").top(), 4350);
  for (const char* hidden : {"Image1", "Image2", "Image3", "Image4", "Image5", "Image6", "Image7", "Image8", "Image9",
                             "Label2", "Label3", "Label5", "Label10", "Label11"})
    EXPECT_FALSE(h.visible(hidden)) << hidden;
  for (int i = 0; i < items; ++i) {
    EXPECT_EQ(s.Asked[i], 0);
    EXPECT_EQ(s.ItemText[i], s.parameters().content().items[i].text);
    EXPECT_EQ(s.AnswerIndex[i], s.parameters().content().items[i].answers);
  }
  EXPECT_EQ(armed_timer(h), "Timer1");
  EXPECT_EQ(h.control("Timer1").interval(), 500);
  EXPECT_EQ(armed_timers(h), 1);
}

TEST_P(QuizOpening, PreparesTheSixPlayersInOrderAndPlaysNothing) {
  Harness h({.first_screen = GetParam()});
  EXPECT_EQ(h.app().AppFolder(), "/opt/metria");
  std::vector<std::pair<Kind, std::string>> seen;
  for (const auto& e : h.sound().events()) seen.emplace_back(e.kind, e.file);
  std::vector<std::pair<Kind, std::string>> expected;
  for (const char* cue : {"kame1", "kame2", "o", "x", "gokaku", "dame"}) {
    const std::string file = std::string("/opt/metria/wav/") + cue + ".wav";
    expected.emplace_back(Kind::Load, file);
    expected.emplace_back(Kind::Halt, file);
  }
  EXPECT_EQ(seen, expected);
  for (int n = 1; n <= 6; ++n) {
    const Control& player = h.control("MediaPlayer" + std::to_string(n));
    EXPECT_FALSE(player.visible());
    EXPECT_EQ(player.player().play_count(), n == 5 ? 3 : 1);
  }
}

INSTANTIATE_TEST_SUITE_P(Screens, QuizOpening, ::testing::ValuesIn(kQuizScreens),
                         [](const auto& test) { return quiz_test_name(test.param); });

TEST(QuizOpeningAtTheRoot, CuesComeFromWavAtTheRoot) {
  Harness h({.app_path = "/", .first_screen = ScreenId::QuizSi});
  EXPECT_EQ(h.app().AppFolder(), "");
  EXPECT_EQ(h.control("MediaPlayer3").player().file_name(), "/wav/o.wav");
}

// --- The walk ----------------------------------------------------------------------------------

struct WalkCase {
  ScreenId id;
  std::vector<int> tops;
};

class QuizWalk : public ::testing::TestWithParam<WalkCase> {};

TEST_P(QuizWalk, FiveStepsThenTheBoardThenTheQuestionAtThreeSeconds) {
  Harness h({.first_screen = GetParam().id});
  const QuizScreen& s = quiz(h);
  h.advance(500);
  EXPECT_EQ(armed_timer(h), "Timer2");
  EXPECT_FALSE(h.visible("Image1"));
  const auto& tops = GetParam().tops;
  for (std::size_t i = 0; i < tops.size(); ++i) {
    SCOPED_TRACE(i);
    h.advance(300);
    const bool first_pose = i % 2 == 0;
    const char* shown = first_pose ? "Image1" : "Image2";
    EXPECT_EQ(s.TurtleTop, tops[i]);
    EXPECT_TRUE(h.visible(shown));
    EXPECT_FALSE(h.visible(first_pose ? "Image2" : "Image1"));
    EXPECT_EQ(h.control(shown).top(), tops[i]);
    EXPECT_EQ(h.sound().played().back(), first_pose ? "kame1" : "kame2");
    EXPECT_EQ(armed_timers(h), 1);
  }
  EXPECT_EQ(h.sound().played(), (std::vector<std::string>{"kame1", "kame2", "kame1", "kame2", "kame1"}));
  EXPECT_EQ(armed_timer(h), "Timer3");

  h.advance(499);
  EXPECT_FALSE(h.visible("Image3"));
  h.advance(1);
  EXPECT_TRUE(h.visible("Image3"));
  EXPECT_FALSE(h.visible("Image1"));
  EXPECT_FALSE(h.visible("Image2"));
  EXPECT_EQ(armed_timer(h), "Timer4");

  h.advance(499);
  EXPECT_FALSE(h.visible("Label2"));
  EXPECT_EQ(s.AnswerOpen, 0);
  h.advance(1);
  EXPECT_EQ(h.now(), 3000);
  EXPECT_TRUE(h.visible("Label2"));
  EXPECT_TRUE(h.visible("Label3"));
  EXPECT_EQ(s.AnswerOpen, 1);
  EXPECT_EQ(s.Asked[s.CurrentItem], 1);
  EXPECT_EQ(h.caption("Label2"), s.ItemText[s.CurrentItem]);
  EXPECT_EQ(armed_timer(h), "");
}

TEST_P(QuizWalk, AfterTheFeedbackTheNextWalkStartsFromTheBottom) {
  Harness h({.first_screen = GetParam().id});
  QuizScreen& s = quiz(h);
  run_to_question(h);
  h.click("Label1", right_answer(s));
  h.advance(1499);
  EXPECT_TRUE(h.visible("Image4"));
  EXPECT_TRUE(h.visible("Label2"));
  h.advance(1);
  for (const char* hidden : {"Image1", "Image2", "Image3", "Image4", "Label2", "Label3"})
    EXPECT_FALSE(h.visible(hidden)) << hidden;
  EXPECT_EQ(s.TurtleTop, 4350);
  EXPECT_EQ(armed_timer(h), "Timer1");
  h.advance(500 + 300);
  EXPECT_EQ(s.TurtleTop, GetParam().tops.front());
  EXPECT_TRUE(h.visible("Image1"));
  h.advance(2199);
  EXPECT_EQ(s.AnswerOpen, 0);
  h.advance(1);
  EXPECT_EQ(s.AnswerOpen, 1);
}

INSTANTIATE_TEST_SUITE_P(Screens, QuizWalk,
                         ::testing::Values(WalkCase{ScreenId::QuizSi, {3900, 3450, 3000, 2550, 2100}},
                                           WalkCase{ScreenId::QuizCounters, {3928, 3506, 3084, 2662, 2240}},
                                           WalkCase{ScreenId::QuizCurrencies, {3928, 3506, 3084, 2662, 2240}}),
                         [](const auto& test) { return quiz_test_name(test.param.id); });

// --- Choosing the item -------------------------------------------------------------------------

class QuizDraw : public ::testing::TestWithParam<ScreenId> {};

TEST_P(QuizDraw, TheDrawScalesRndByTheItemCount) {
  Harness h({.first_screen = GetParam()});
  const int items = quiz(h).parameters().ItemCount;
  h.random().queue({0.0, 0.999999, (items / 2 + 0.01) / items});
  std::vector<int> asked;
  for (int q = 0; q < 3; ++q) {
    run_to_question(h);
    asked.push_back(quiz(h).CurrentItem);
    h.click("Label1", right_answer(quiz(h)));
  }
  EXPECT_EQ(asked, (std::vector<int>{0, items - 1, items / 2}));
  EXPECT_EQ(h.random().seedings(), 3);  // reseeded on every pick
}

TEST_P(QuizDraw, ADrawOnAnAskedItemTakesTheNextUnaskedOneInCyclicOrder) {
  Harness h({.first_screen = GetParam()});
  const int n = quiz(h).parameters().ItemCount;
  const int last = n - 1;
  // Items 0, 1, last and last-1 first; then draws on asked items probe onwards and wrap.
  h.random().queue({draw_for(0, n), draw_for(1, n), draw_for(last, n), draw_for(last - 1, n), draw_for(0, n),
                    draw_for(last - 1, n), draw_for(last, n)});
  std::vector<int> asked;
  for (int q = 0; q < 7; ++q) {
    run_to_question(h);
    asked.push_back(quiz(h).CurrentItem);
    h.click("Label1", wrong_answer(quiz(h)));
  }
  EXPECT_EQ(asked, (std::vector<int>{0, 1, last, last - 1, 2, 3, 4}));
}

INSTANTIATE_TEST_SUITE_P(Screens, QuizDraw, ::testing::ValuesIn(kQuizScreens),
                         [](const auto& test) { return quiz_test_name(test.param); });

// --- Answering ---------------------------------------------------------------------------------

TEST(QuizAnswer, ARightAnswerCountsPlaysOShowsTheCircleAndTheAnswerInRed) {
  Harness h({.first_screen = ScreenId::QuizSi});
  open_on_item(h, item_with_text(h, "フ－ト［ｆｔ］"));
  h.click("Label1", 0);  // 長　さ
  EXPECT_EQ(quiz(h).RightCount, 1);
  EXPECT_EQ(h.caption("Label6"), "1");
  EXPECT_EQ(h.caption("Label7"), "");
  EXPECT_EQ(h.caption("Label9"), "74");
  EXPECT_EQ(h.sound().played().back(), "o");
  EXPECT_TRUE(h.visible("Image4"));
  EXPECT_FALSE(h.visible("Image5"));
  EXPECT_EQ(h.control("Label1", 0).back_color(), kRed);
  EXPECT_EQ(quiz(h).AnswerOpen, 0);
  EXPECT_EQ(armed_timer(h), "Timer5");
  h.advance(1499);
  EXPECT_EQ(h.control("Label1", 0).back_color(), kRed);
  h.advance(1);
  EXPECT_EQ(h.control("Label1", 0).back_color(), kBlue);
  EXPECT_FALSE(h.visible("Image4"));
}

TEST(QuizAnswer, AWrongAnswerCountsPlaysXShowsTheCrossAndOnlyTheRightAnswerInRed) {
  Harness h({.first_screen = ScreenId::QuizSi});
  open_on_item(h, item_with_text(h, "ガル [Ｇａｌ]"));
  h.click("Label1", 2);  // 体　積 answers ガロン, not ガル
  EXPECT_EQ(quiz(h).WrongCount, 1);
  EXPECT_EQ(h.caption("Label7"), "1");
  EXPECT_EQ(h.caption("Label6"), "");
  EXPECT_EQ(h.sound().played().back(), "x");
  EXPECT_TRUE(h.visible("Image5"));
  EXPECT_FALSE(h.visible("Image4"));
  // The clicked label loses its hover red; 加速度 shows red.
  EXPECT_EQ(h.control("Label1", 2).back_color(), kBlue);
  EXPECT_EQ(h.control("Label1", 5).back_color(), kRed);
  h.advance(1500);
  EXPECT_EQ(h.control("Label1", 5).back_color(), kBlue);
  EXPECT_FALSE(h.visible("Image5"));
}

TEST(QuizAnswer, CountsShowOnlyFromTheirFirstAndTheRemainingCountGoesDown) {
  Harness h({.first_screen = ScreenId::QuizCurrencies});
  const std::vector<bool> wrong = {false, false, true, false, true};
  for (std::size_t q = 0; q < wrong.size(); ++q) {
    run_to_question(h);
    EXPECT_EQ(h.caption("Label9"), std::to_string(45 - q));
    h.click("Label1", wrong[q] ? wrong_answer(quiz(h)) : right_answer(quiz(h)));
    EXPECT_EQ(h.caption("Label9"), std::to_string(45 - q - 1));
    if (q < 2) {
      EXPECT_EQ(h.caption("Label7"), "");
    }
  }
  EXPECT_EQ(h.caption("Label6"), "3");
  EXPECT_EQ(h.caption("Label7"), "2");
}

TEST(QuizAnswer, TheTwoEscudoLabelsAreNotInterchangeable) {
  Harness h({.first_screen = ScreenId::QuizCurrencies});
  open_on_item(h, item_with_text(h, "ア　ン　ゴ　ラ"));
  h.click("Label1", 29);
  EXPECT_EQ(quiz(h).WrongCount, 1);
  EXPECT_EQ(h.control("Label1", 3).back_color(), kRed);
}

// 日本: 家 has three right counter words; whichever is clicked, all three show red, then blue.
class QuizCountersHouse : public ::testing::TestWithParam<int> {};

TEST_P(QuizCountersHouse, AnyListedCounterWordIsRightAndAllTurnRedTogether) {
  Harness h({.first_screen = ScreenId::QuizCounters});
  open_on_item(h, item_with_text(h, "家"));
  h.click("Label1", GetParam());
  EXPECT_EQ(quiz(h).RightCount, 1);
  EXPECT_EQ(h.sound().played().back(), "o");
  const int answers[] = {12, 39, 51};  // 一軒 一戸 一棟
  for (const int k : answers) EXPECT_EQ(h.control("Label1", k).back_color(), kRed) << k;
  EXPECT_EQ(h.control("Label1", 59).back_color(), kBlue);
  h.advance(1499);
  for (const int k : answers) EXPECT_EQ(h.control("Label1", k).back_color(), kRed) << k;
  h.advance(1);
  for (const int k : answers) EXPECT_EQ(h.control("Label1", k).back_color(), kBlue) << k;
}

INSTANTIATE_TEST_SUITE_P(EachAnswer, QuizCountersHouse, ::testing::Values(12, 39, 51));

TEST(QuizCounters, AWrongClickOnTheNetShowsItsOnlyCounterInRed) {
  Harness h({.first_screen = ScreenId::QuizCounters});
  open_on_item(h, item_with_text(h, "網"));
  h.click("Label1", 59);  // 一本
  EXPECT_EQ(quiz(h).WrongCount, 1);
  EXPECT_EQ(h.sound().played().back(), "x");
  EXPECT_EQ(h.control("Label1", 24).back_color(), kRed);  // 一帖
  EXPECT_EQ(h.control("Label1", 59).back_color(), kBlue);
  h.advance(1500);
  EXPECT_EQ(h.control("Label1", 24).back_color(), kBlue);
}

// --- Clicks at the wrong time ------------------------------------------------------------------

struct Phase {
  const char* name;
  std::function<void(Harness&)> reach;
};

void PrintTo(const Phase& c, std::ostream* os) { *os << c.name; }

void fail_the_game_up_to_the_last_answer(Harness& h) {
  play_game(
      h, [](int) { return true; }, 19);
  h.click("Label1", wrong_answer(quiz(h)));
}

const Phase kBusyPhases[] = {
    {"Walking", [](Harness& h) { h.advance(1000); }},
    {"Arrived", [](Harness& h) { h.advance(2600); }},
    {"Feedback",
     [](Harness& h) {
       run_to_question(h);
       h.click("Label1", right_answer(quiz(h)));
       h.advance(700);
     }},
    {"ResultPending",
     [](Harness& h) {
       fail_the_game_up_to_the_last_answer(h);
       h.advance(1500);
       ASSERT_EQ(armed_timer(h), "Timer6");
     }},
    {"Result",
     [](Harness& h) {
       fail_the_game_up_to_the_last_answer(h);
       h.advance(2500);
       ASSERT_TRUE(result_shown(h));
     }},
};

class QuizBusyClicks : public ::testing::TestWithParam<Phase> {};

TEST_P(QuizBusyClicks, ChangeNoCountAndPlayNothing) {
  Harness h({.first_screen = ScreenId::QuizSi});
  GetParam().reach(h);
  const QuizScreen& s = quiz(h);
  const auto counts = [&] {
    return std::vector<std::string>{std::to_string(s.RightCount),
                                    std::to_string(s.WrongCount),
                                    std::to_string(s.RemainingCount),
                                    h.caption("Label6"),
                                    h.caption("Label7"),
                                    h.caption("Label9"),
                                    std::to_string(h.sound().played().size())};
  };
  const auto before = counts();
  for (const int k : {0, 3, 15}) {
    h.click("Label1", k);
    EXPECT_EQ(s.AnswerOpen, 0);
    EXPECT_EQ(counts(), before);
  }
}

INSTANTIATE_TEST_SUITE_P(Phases, QuizBusyClicks, ::testing::ValuesIn(kBusyPhases),
                         [](const auto& test) { return std::string(test.param.name); });

TEST(QuizBusyClicks, AClickDuringTheWalkDoesNotKeepTheNextQuestionFromOpening) {
  Harness h({.first_screen = ScreenId::QuizSi});
  h.advance(1000);
  h.click("Label1", 4);
  h.advance(2000);
  EXPECT_EQ(quiz(h).AnswerOpen, 1);
  h.click("Label1", right_answer(quiz(h)));
  EXPECT_EQ(quiz(h).RightCount, 1);
}

TEST(QuizBusyClicks, ASecondClickOnTheSameQuestionIsNotCounted) {
  Harness h({.first_screen = ScreenId::QuizSi});
  run_to_question(h);
  h.click("Label1", wrong_answer(quiz(h)));
  h.click("Label1", right_answer(quiz(h)));
  EXPECT_EQ(quiz(h).WrongCount, 1);
  EXPECT_EQ(quiz(h).RightCount, 0);
  EXPECT_EQ(h.caption("Label9"), "74");
}

// --- Hover highlight ---------------------------------------------------------------------------

TEST(QuizHover, TheLabelUnderThePointerTurnsRedUntilThePointerLeavesForTheBackground) {
  Harness h({.first_screen = ScreenId::QuizSi});
  QuizScreen& s = quiz(h);
  // On the first visit both indexes are 0: label 0 is taken as already highlighted.
  h.move_to("Label1", 0);
  EXPECT_EQ(h.control("Label1", 0).back_color(), kBlue);
  h.move_to("Label1", 3);
  EXPECT_EQ(h.control("Label1", 3).back_color(), kRed);
  EXPECT_EQ(h.control("Label1", 0).back_color(), kBlue);
  h.move_to("Label1", 4);
  EXPECT_EQ(h.control("Label1", 3).back_color(), kBlue);
  EXPECT_EQ(h.control("Label1", 4).back_color(), kRed);
  h.move_to_background();
  EXPECT_EQ(h.control("Label1", 4).back_color(), kBlue);
  EXPECT_EQ(s.HighlightIndex, -1);
  h.move_to("Label1", 0);
  EXPECT_EQ(h.control("Label1", 0).back_color(), kRed);
}

TEST(QuizHover, TheResultShutsTheGridOffFromThePointer) {
  Harness h({.first_screen = ScreenId::QuizSi});
  fail_the_game_up_to_the_last_answer(h);
  h.advance(2500);
  ASSERT_TRUE(h.visible("Image9"));
  const std::int16_t hover = quiz(h).HoverIndex;
  h.move_to("Label1", 7);
  EXPECT_EQ(h.control("Label1", 7).back_color(), kBlue);
  EXPECT_EQ(quiz(h).HoverIndex, hover);
}

}  // namespace
}  // namespace metria::testing
