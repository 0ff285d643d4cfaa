// The keys alone: where the focus starts on each screen, how Tab and the arrows move it, and whole
// games played by key that end exactly as the same games played with the mouse.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "harness/game_play.h"
#include "harness/headless.h"
#include "ui/painter.h"

namespace metria::testing {
namespace {

std::string focus_name(Harness& h) {
  const Control* f = h.focused();
  return f ? f->name() + "(" + std::to_string(f->index()) + ")" : "none";
}

// Tab until the focus is on the control; fails the test if Tab never gets there.
void tab_to(Harness& h, std::string_view name, int index = kNoIndex) {
  for (int presses = 0; presses < 100; ++presses) {
    const Control* f = h.focused();
    if (f && f->name() == name && f->index() == index) return;
    h.key(Key::Tab);
  }
  ADD_FAILURE() << "Tab never reaches " << name << "(" << index << "); focus on " << focus_name(h);
}

struct FirstFocus {
  ScreenId screen;
  std::int64_t wait_ms;
  const char* expected;
};

class NewWindowFocus : public ::testing::TestWithParam<FirstFocus> {};

// The first stop, never the menu spot that would leave the screen; the quiz's answers only once
// a question waits for them.
TEST_P(NewWindowFocus, StartsOnTheFirstStopThatStaysOnTheScreen) {
  Harness h({.first_screen = GetParam().screen});
  h.advance(GetParam().wait_ms);
  if (GetParam().screen == ScreenId::DrillSi) {
    // The card in the shelf's first slot, wherever the shuffle put it.
    const int first = h.screen<DrillScreen>(ScreenId::DrillSi).SlotOrder[0];
    EXPECT_EQ(focus_name(h), "Label2(" + std::to_string(first) + ")");
  } else {
    EXPECT_EQ(focus_name(h), GetParam().expected);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Screens, NewWindowFocus,
    ::testing::Values(FirstFocus{ScreenId::Menu, 1000, "none"}, FirstFocus{ScreenId::Menu, 4200, "Label1(0)"},
                      FirstFocus{ScreenId::NumberMenu, 4000, "Label3(0)"}, FirstFocus{ScreenId::QuizSi, 1000, "none"},
                      FirstFocus{ScreenId::QuizSi, 3500, "Label1(0)"}, FirstFocus{ScreenId::DrillSi, 0, ""}));

TEST(KeyboardFocus, TheRingShowsOnlyAfterAKeyAndGoesAtAPointerPress) {
  Harness h;
  h.advance(4200);
  const auto rings = [&] {
    RecordingCanvas canvas;
    paint_window(h.window(), canvas);
    int frames = 0;
    for (const DrawOp& op : canvas.ops) frames += op.kind == DrawOp::Kind::Frame && op.color == colors::kWhite;
    return frames;
  };
  EXPECT_EQ(rings(), 0) << "a mouse user sees the screen as it always was";
  h.key(Key::Tab);
  EXPECT_EQ(focus_name(h), "Label1(0)") << "the first key shows the focus where it is";
  EXPECT_EQ(rings(), 1);
  h.key(Key::Tab);
  EXPECT_EQ(focus_name(h), "Label1(1)");
  EXPECT_EQ(h.control("Label1", 1).back_color(), colors::kRed) << "with the highlight a pointer gives";
  h.key(Key::Tab, true);
  EXPECT_EQ(h.control("Label1", 0).back_color(), colors::kRed);
  EXPECT_EQ(h.control("Label1", 1).back_color(), colors::kBlue);
  h.click(h.background_point());
  EXPECT_EQ(rings(), 0);
}

TEST(KeyboardFocus, ArrowsMoveByRowAndColumnWithinTheGroupOnly) {
  Harness h({.first_screen = ScreenId::QuizCounters});
  h.advance(3500);
  h.key(Key::Tab);
  const Rect start = h.focused()->rect();
  h.key(Key::Right);
  EXPECT_EQ(h.focused()->top(), start.top);
  EXPECT_GT(h.focused()->left(), start.left);
  h.key(Key::Down);
  EXPECT_GT(h.focused()->top(), start.top);
  EXPECT_EQ(h.focused()->name(), "Label1");
  h.key(Key::Up);
  h.key(Key::Left);
  EXPECT_EQ(h.focused()->rect(), start);
  h.key(Key::Left);
  h.key(Key::Up);
  EXPECT_EQ(h.focused()->rect(), start) << "nothing further that way: the focus stays";
}

TEST(KeyboardFocus, ArrowsOnTheMenuKeepToTheRowOrTheColumn) {
  Harness h;
  h.advance(4200);
  const std::vector<std::pair<Key, std::string>> moves{
      {Key::Tab, "Label1(0)"},  {Key::Right, "Label1(1)"}, {Key::Right, "Label1(2)"}, {Key::Down, "Label1(5)"},
      {Key::Left, "Label1(4)"}, {Key::Left, "Label1(3)"},  {Key::Up, "Label1(0)"},    {Key::Left, "Label1(0)"}};
  for (const auto& [key, expected] : moves) {
    h.key(key);
    EXPECT_EQ(focus_name(h), expected);
  }
}

// The same game twice from the same draws, once by mouse and once by key, must sound and count alike.
TEST(KeyboardPlay, AWholeQuizByKeyEndsAsTheSameGameByMouse) {
  Harness by_mouse({.first_screen = ScreenId::QuizCurrencies});
  int answered = 0;
  play_quiz(by_mouse, [&](const QuizScreen&) { return ++answered % 4 == 0; });

  Harness h;
  h.advance(4200);
  tab_to(h, "Label1", 2);
  h.key(Key::Enter);
  ASSERT_EQ(h.screen_id(), ScreenId::QuizCurrencies);
  auto& quiz = h.screen<QuizScreen>(ScreenId::QuizCurrencies);
  answered = 0;
  while (!h.visible("Label11")) {
    h.advance(100);
    if (quiz.AnswerOpen != 1) continue;
    tab_to(h, "Label1", ++answered % 4 == 0 ? wrong_answer(quiz) : right_answer(quiz));
    h.key(answered % 2 ? Key::Enter : Key::Space);
    EXPECT_EQ(quiz.AnswerOpen, 0) << "one key, one answer";
    h.key(Key::Enter);  // a second press on the answer just given counts nothing
  }
  const auto& mouse_quiz = by_mouse.screen<QuizScreen>(ScreenId::QuizCurrencies);
  EXPECT_EQ(quiz.RightCount, mouse_quiz.RightCount);
  EXPECT_EQ(quiz.WrongCount, mouse_quiz.WrongCount);
  for (const char* banner : {"Label5", "Label10", "Image6", "Image7", "Image8"})
    EXPECT_EQ(h.visible(banner), by_mouse.visible(banner)) << banner;
  EXPECT_EQ(focus_name(h), "Label11(-1)") << "the result covers the answers; the focus moves on";

  h.key(Key::Enter);  // ■再挑戦
  EXPECT_FALSE(h.visible("Label11"));
  EXPECT_EQ(quiz.RemainingCount, by_mouse.screen<QuizScreen>(ScreenId::QuizCurrencies).parameters().ItemCount);
  tab_to(h, "Label4");  // ■メニュー
  h.key(Key::Space);
  EXPECT_EQ(h.screen_id(), ScreenId::Menu);
}

// Space on the answer the window put the focus on: the focus stays there, and so does the red of
// the right answer, as under a pointer that clicked and kept still.
TEST(KeyboardPlay, AnAnswerOnTheFirstFocusKeepsItsFocusAndItsMark) {
  Harness h({.first_screen = ScreenId::QuizSi});
  auto& quiz = h.screen<QuizScreen>(ScreenId::QuizSi);
  int by_key = 0;
  while (!h.visible("Label11")) {
    h.advance(100);
    if (quiz.AnswerOpen != 1) continue;
    if (right_answer(quiz) != 0) {
      h.click("Label1", right_answer(quiz));
      continue;
    }
    ASSERT_EQ(focus_name(h), "Label1(0)");
    h.key(Key::Space);
    ++by_key;
    EXPECT_EQ(focus_name(h), "Label1(0)");
    EXPECT_EQ(h.control("Label1", 0).back_color(), colors::kRed) << "question " << quiz.CurrentItem;
  }
  EXPECT_GT(by_key, 0) << "no question had the first answer right";
}

TEST(KeyboardPlay, AWholeDrillByKeyPicksUpPutsBackAndPlacesEveryCard) {
  Harness h({.first_screen = ScreenId::DrillSmall});
  auto& drill = h.screen<DrillScreen>(ScreenId::DrillSmall);
  h.key(Key::Tab);

  // Picked up and put back with Escape: no try, the card back home in its colour.
  tab_to(h, "Label2", 3);
  const Point home{h.control("Label2", 3).left(), h.control("Label2", 3).top()};
  h.key(Key::Enter);
  ASSERT_TRUE(h.window().drag().by_keys());
  EXPECT_EQ(h.window().drag_cursor(), Icon::None) << "no drag icon follows the mouse pointer";
  EXPECT_EQ(focus_name(h), "Label1(0)") << "the focus goes on to the places";
  EXPECT_EQ(h.control("Label1", 0).back_style(), BackStyle::Opaque) << "shown as a pointer over it shows it";
  h.key(Key::Escape);
  EXPECT_FALSE(h.window().dragging());
  EXPECT_EQ(drill.TryCount, 0);
  EXPECT_EQ(h.control("Label1", 0).back_style(), BackStyle::Transparent);
  EXPECT_EQ((Point{h.control("Label2", 3).left(), h.control("Label2", 3).top()}), home);

  // Acting on the held card again puts it back too.
  h.key(Key::Enter);
  tab_to(h, "Label2", 3);
  h.key(Key::Space);
  EXPECT_FALSE(h.window().dragging());
  EXPECT_EQ(drill.TryCount, 0);

  // A button that takes no drop puts the card back, then acts: ■メニュー leaves at once.
  {
    Harness other({.first_screen = ScreenId::DrillSmall});
    other.key(Key::Tab);
    other.key(Key::Enter);
    tab_to(other, "Label6");
    other.key(Key::Enter);
    EXPECT_EQ(other.screen_id(), ScreenId::Menu);
    EXPECT_EQ(other.host().announcements.back(), "メニュー");
  }

  // A wrong place: one try, the card home again.
  h.key(Key::Enter);
  h.key(Key::Down);
  EXPECT_EQ(focus_name(h), "Label1(1)");
  h.key(Key::Enter);
  EXPECT_EQ(drill.TryCount, 1);
  EXPECT_EQ(drill.RightCount, 0);

  for (int k = 0; k < drill.NameCount; ++k) {
    tab_to(h, "Label2", k);
    h.key(Key::Space);
    tab_to(h, "Label1", k);
    h.key(Key::Enter);
    ASSERT_EQ(drill.Solved[k], 1) << "card " << k;
  }
  EXPECT_EQ(h.caption("Label3"), std::to_string(100 * drill.NameCount / (drill.NameCount + 1)));
  h.advance(3000);
  EXPECT_TRUE(h.visible("Label4"));
  EXPECT_TRUE(h.visible("Image1"));
  EXPECT_EQ(focus_name(h), "Label7(-1)") << "■再挑戦 is the one stop left but the menu spot";
  h.key(Key::Enter);
  EXPECT_EQ(drill.TryCount, 0);
}

// Presses for a perfect drill by ear: each card picked up where the focus lands on the shelf, then
// the focus moved to its place by Tab alone, or by the arrows over the board's grid.
int presses_for_a_perfect_drill(Harness& h, bool arrows) {
  auto& drill = h.screen<DrillScreen>(h.screen_id());
  int presses = 0;
  const auto press = [&](Key key) {
    ++presses;
    h.key(key);
  };
  for (int placed = 0; placed < drill.NameCount; ++placed) {
    const Control* card = h.focused();
    if (!card || card->name() != "Label2") {
      ADD_FAILURE() << "after a drop the focus is on " << focus_name(h) << ", not on a card on the shelf";
      return presses;
    }
    const int k = card->index();
    press(Key::Enter);
    const Control& place = h.control("Label1", k);
    for (int guard = 0; h.focused() != &place && guard < 100; ++guard) {
      const Point from = h.focused()->rect().centre(), to = place.rect().centre();
      if (!arrows)
        press(Key::Tab);
      else if (std::abs(to.x - from.x) > place.rect().width / 2)
        press(to.x > from.x ? Key::Right : Key::Left);
      else
        press(to.y > from.y ? Key::Down : Key::Up);
    }
    press(Key::Enter);
    if (drill.Solved[k] != 1) {
      ADD_FAILURE() << "card " << k << " was not placed";
      return presses;
    }
  }
  return presses;
}

TEST(DrillByEar, APerfectDrillTakesFewPressesAndTheFocusGoesWhereTheCardIsWanted) {
  Harness by_tab({.first_screen = ScreenId::DrillSi});
  const int tab_presses = presses_for_a_perfect_drill(by_tab, false);
  EXPECT_LE(tab_presses, 150);
  Harness by_arrows({.first_screen = ScreenId::DrillSi});
  const int arrow_presses = presses_for_a_perfect_drill(by_arrows, true);
  EXPECT_LT(arrow_presses, tab_presses);
  std::printf("a perfect 数_SI by ear: %d presses with Tab and Enter, %d with the arrows\n", tab_presses,
              arrow_presses);
}

TEST(DrillByEar, AFilledPlaceNamesItsCardAndIsSkippedWhileACardIsHeld) {
  Harness h({.first_screen = ScreenId::DrillSi});
  h.drag("Label2", 1, "Label1", 1);
  const auto place_1 = [&] {
    for (const SemanticNode& node : h.host().nodes)
      if (node.control == "Label1" && node.index == 1) return node;
    return SemanticNode{};
  };
  EXPECT_EQ(place_1().name + "、" + place_1().state, "１０の２１乗、" + h.caption("Label2", 1));
  EXPECT_TRUE(place_1().stop) << "the board can be explored while no card is held";
  tab_to(h, "Label1", 0);
  h.key(Key::Enter);
  EXPECT_EQ(h.host().announcements.back(), "先にカードを選んでください") << "Enter on a place says what it needs";
  tab_to(h, "Label2", 2);
  h.key(Key::Enter);
  EXPECT_EQ(focus_name(h), "Label1(0)") << "the first free place";
  EXPECT_FALSE(place_1().stop);
  h.key(Key::Tab);
  EXPECT_EQ(focus_name(h), "Label1(2)") << "Tab passes the filled place";
}

TEST(DrillByEar, ASecondCardWhileOneIsHeldSendsTheFirstHomeAndPicksUpTheSecond) {
  Harness h({.first_screen = ScreenId::DrillSi});
  tab_to(h, "Label2", 3);
  h.key(Key::Enter);
  h.host().announcements.clear();
  tab_to(h, "Label2", 4);
  h.key(Key::Enter);
  EXPECT_EQ(h.window().drag().source(), &h.control("Label2", 4));
  EXPECT_EQ(h.host().announcements,
            (std::vector<std::string>{h.caption("Label2", 3) + "を戻しました",
                                      h.caption("Label2", 4) + "を持ちました。置く場所を選んでください"}));
}

}  // namespace
}  // namespace metria::testing
