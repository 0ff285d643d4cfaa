// What a screen reader is given on every screen: the reviewed listing of each window's nodes in a
// settled moment, and the words announced as a quiz and a drill are played.
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "harness/game_play.h"
#include "harness/headless.h"
#include "screens/listing.h"
#include "ui/spoken_form.h"

namespace metria::testing {
namespace {

std::vector<std::string> lines_of(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

// The published nodes, one line each; the members of an array beyond the first three (answers,
// cards) fold into one line, since the content listings check every caption.
std::vector<std::string> tree(Harness& h) {
  std::vector<SemanticNode> shown;
  std::vector<std::string> lines;
  int folded = 0;
  const auto flush = [&] {
    const std::vector<std::string> listed = lines_of(listing(shown));
    lines.insert(lines.end(), listed.begin(), listed.end());
    if (folded > 0) lines.push_back("… " + std::to_string(folded) + " more " + shown.back().control);
    shown.clear();
    folded = 0;
  };
  for (const SemanticNode& node : h.host().nodes) {
    const bool same_array = !shown.empty() && node.index != kNoIndex && node.control == shown.back().control;
    if (!same_array) flush();
    if (same_array && shown.size() >= 3 && !node.focused) {
      ++folded;
    } else {
      shown.push_back(node);
    }
  }
  flush();
  return lines;
}

struct TreeCase {
  const char* label;
  ScreenId screen;
  std::int64_t wait_ms;
  std::vector<std::string> expected;
};

class ScreenTree : public ::testing::TestWithParam<TreeCase> {};

TEST_P(ScreenTree, ListsWhatTheScreenShowsInReadingOrder) {
  Harness h({.first_screen = GetParam().screen});
  h.advance(GetParam().wait_ms);
  EXPECT_TRUE(same_listing(GetParam().expected, tree(h)));
}

INSTANTIATE_TEST_SUITE_P(
    Screens, ScreenTree,
    ::testing::Values(
        TreeCase{"Menu",
                 ScreenId::Menu,
                 4200,
                 {"heading メトリア", "button 科学の単位 [focused]", "button 物の数え方", "button 通貨の単位",
                  "… 3 more Label1", "button かめ：作ったひと"}},
        TreeCase{"NumberMenu",
                 ScreenId::NumberMenu,
                 4000,
                 {"heading 数の接頭語[日本]", "button メニュー", "image 歩くかめ", "button １より大 [focused]",
                  "button １より小", "text どちらにしますか"}},
        TreeCase{
            "QuizSi",
            ScreenId::QuizSi,
            3500,
            {"heading 科学の単位", "text 問題　ヘクタール［ｈａ］", "text これは何の単位かな", "button 長さ [focused]",
             "button エネルギ", "button 面積", "… 13 more Label1", "text 残り", "status 75", "button メニュー"}},
        TreeCase{"QuizCounters",
                 ScreenId::QuizCounters,
                 3500,
                 {"heading 物の数え方", "text 問題　掛け軸", "text これはどう数えるの？", "button 一足 [focused]",
                  "button 一軒", "button 一帖", "… 57 more Label1", "text 残り", "status 63", "button メニュー"}},
        TreeCase{"QuizCurrencies",
                 ScreenId::QuizCurrencies,
                 3500,
                 {"heading 通貨の単位", "text 問題　ブラジル", "text この国の通貨は何？", "button アフガニ [focused]",
                  "button 元", "button リーブル", "… 33 more Label1", "text 残り", "status 45", "button メニュー"}},
        TreeCase{"DrillSi",
                 ScreenId::DrillSi,
                 0,
                 {"heading 数の接頭語", "text 接頭語を数にドラッグして下さい", "text １０の○○乗",
                  "button テラ  　[Ｔ] [focused]", "button ヘクト  [ｈ]", "button デシ　  [ｄ]", "… 17 more Label2",
                  "button １０の２４乗", "button １０の２１乗", "button １０の１８乗", "… 17 more Label1",
                  "button メニュー"}},
        TreeCase{"DrillLarge",
                 ScreenId::DrillLarge,
                 0,
                 {"heading 数の接頭語", "text 接頭語を数にドラッグして下さい", "text １０の○○乗",
                  "button 恒河沙（ごうがしゃ） [focused]", "button 澗（かん）", "button 穣（じょう）",
                  "… 17 more Label2", "button １０の６８乗", "button １０の６４乗", "button １０の６０乗",
                  "… 17 more Label1", "button メニュー"}},
        TreeCase{"DrillSmall",
                 ScreenId::DrillSmall,
                 0,
                 {"heading 数の接頭語", "text 接頭語を数にドラッグして下さい", "text １０の○○乗",
                  "button 忽（こつ） [focused]", "button 塵（じん）", "button 漠（ばく）", "… 19 more Label2",
                  "button １０のマイナス１乗", "button １０のマイナス２乗", "button １０のマイナス３乗",
                  "… 19 more Label1", "button メニュー"}}),
    [](const ::testing::TestParamInfo<TreeCase>& param) { return std::string(param.param.label); });

// The words since the last look.
std::vector<std::string> said(Harness& h) { return std::exchange(h.host().announcements, {}); }

TEST(Announcements, AQuizSaysTheTitleTheQuestionTheMarkTheRightAnswerAndTheResult) {
  Harness h({.first_screen = ScreenId::QuizCurrencies});
  auto& quiz = h.screen<QuizScreen>(ScreenId::QuizCurrencies);
  EXPECT_EQ(said(h), (std::vector<std::string>{"通貨の単位"}));
  h.advance(3500);
  EXPECT_EQ(said(h), (std::vector<std::string>{spoken_form("問題　" + quiz.ItemText[quiz.CurrentItem])}));
  h.click("Label1", right_answer(quiz));
  EXPECT_EQ(said(h), (std::vector<std::string>{"まる、正解。正解 1、まちがい 0、残り 44"}));
  h.advance(4500);
  ASSERT_EQ(quiz.AnswerOpen, 1);
  said(h);
  const std::string right = h.caption("Label1", right_answer(quiz));
  h.click("Label1", wrong_answer(quiz));
  EXPECT_EQ(said(h), (std::vector<std::string>{"ばつ、まちがい。正解は　" + spoken_form(right) +
                                               "。正解 1、まちがい 1、残り 43"}));
  EXPECT_EQ(h.control("Label1", right_answer(quiz)).state_note(), "正解") << "red is not the only sign";
  h.advance(1500);
  EXPECT_EQ(h.control("Label1", right_answer(quiz)).state_note(), "");
  play_quiz(h, [](const QuizScreen&) { return false; });
  EXPECT_EQ(said(h).back(), "合格　金メダル。再挑戦");
}

TEST(Announcements, ADrillByKeySaysWhatIsHeldWhereItWentAndTheScore) {
  Harness h({.first_screen = ScreenId::DrillSi});
  said(h);
  h.key(Key::Tab);
  h.key(Key::Enter);
  const Control& card = *h.window().drag().source();
  EXPECT_EQ(said(h),
            (std::vector<std::string>{card.caption(), card.caption() + "を持ちました。置く場所を選んでください"}))
      << "the first key says where the focus is";
  const std::vector<std::string> held = tree(h);
  EXPECT_NE(std::find(held.begin(), held.end(), "button " + card.caption() + " [held]"), held.end());
  EXPECT_NE(std::find(held.begin(), held.end(), "button １０の２４乗 [focused]"), held.end())
      << "the places are buttons while a card is held";
  h.key(Key::Escape);
  EXPECT_EQ(said(h), (std::vector<std::string>{card.caption() + "を戻しました"}));
  h.key(Key::Enter);
  h.key(Key::Down);
  h.key(Key::Enter);
  said(h);
  h.drag("Label2", 0, "Label1", 0);
  EXPECT_EQ(said(h),
            (std::vector<std::string>{"まる、" + h.caption("Label2", 0) + "を１０の２４乗に置きました。正解 50 ％"}));
  h.drag("Label2", 1, "Label1", 19);
  EXPECT_EQ(said(h), (std::vector<std::string>{"ばつ、" + h.caption("Label2", 1) +
                                               "は１０のマイナス２４乗ではありません。正解 33 ％"}));
}

}  // namespace
}  // namespace metria::testing
