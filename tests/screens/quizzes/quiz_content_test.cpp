// Checks the content tables of the three unit quizzes: their shape, their answer slots and the
// rules that the look-alike characters of their texts follow (which gap, which hyphen, where).
#include "screens/quizzes/quiz_content.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <ostream>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "harness/utf8.h"

namespace metria {
namespace {

using ::metria::testing::code_points;
using ::metria::testing::decode;

bool contains(std::string_view text, char32_t cp) {
  return code_points(text).find(cp) != std::u32string::npos;
}

// Characters other than blanks (U+0020, U+3000).
std::size_t letters(std::u32string_view text) {
  return static_cast<std::size_t>(
      std::count_if(text.begin(), text.end(), [](char32_t cp) { return cp != U' ' && cp != U'\u3000'; }));
}

std::vector<std::int16_t> filled_slots(const QuizItem& item) {
  std::vector<std::int16_t> out;
  for (const auto answer : item.answers) {
    if (answer != -1) out.push_back(answer);
  }
  return out;
}

// The item whose text is `text`; fails the test when there is none.
const QuizItem& item_with_text(const QuizContent& content, std::u32string_view text) {
  const auto found =
      std::find_if(content.items.begin(), content.items.end(),
                   [&](const QuizItem& item) { return code_points(item.text) == text; });
  if (found == content.items.end()) {
    ADD_FAILURE() << "no item with the expected code points";
    static const QuizItem kNone{"", {-1, -1, -1, -1}};
    return kNone;
  }
  return *found;
}

// How many items name `label` in slot 0.
std::ptrdiff_t items_answered_by(const QuizContent& content, std::int16_t label) {
  return std::count_if(content.items.begin(), content.items.end(),
                       [&](const QuizItem& item) { return item.answers[0] == label; });
}

std::u32string caption_of_answer(const QuizContent& content, const QuizItem& item) {
  return code_points(content.answer_captions[item.answers[0]]);
}

// ---------------------------------------------------------------------------------------------
// Properties every quiz's content has.

struct QuizCase {
  const char* name;
  const QuizContent& (*content)();
  std::size_t item_count;
  std::size_t caption_count;
  std::size_t max_answers;  // right answers an item may have
};

void PrintTo(const QuizCase& quiz, std::ostream* out) { *out << quiz.name; }

class EveryQuiz : public ::testing::TestWithParam<QuizCase> {};

TEST_P(EveryQuiz, HasItsCountsOfItemsAndAnswerCaptions) {
  const auto& content = GetParam().content();
  EXPECT_EQ(content.items.size(), GetParam().item_count);
  EXPECT_EQ(content.answer_captions.size(), GetParam().caption_count);
}

TEST_P(EveryQuiz, EveryItemHasAnAnswerInSlotZeroAndFilledSlotsFirst) {
  const auto& content = GetParam().content();
  for (std::size_t i = 0; i < content.items.size(); ++i) {
    const auto& answers = content.items[i].answers;
    EXPECT_NE(answers[0], -1) << "item " << i;
    const auto first_empty = std::find(answers.begin(), answers.end(), -1);
    EXPECT_TRUE(std::all_of(first_empty, answers.end(), [](auto a) { return a == -1; }))
        << "item " << i << " has a filled slot after an empty one";
    EXPECT_LE(filled_slots(content.items[i]).size(), GetParam().max_answers) << "item " << i;
  }
}

TEST_P(EveryQuiz, EveryAnswerNamesAnExistingLabelAtMostOncePerItem) {
  const auto& content = GetParam().content();
  const auto label_count = static_cast<std::int16_t>(content.answer_captions.size());
  for (std::size_t i = 0; i < content.items.size(); ++i) {
    const auto answers = filled_slots(content.items[i]);
    for (const auto answer : answers) {
      EXPECT_TRUE(answer >= 0 && answer < label_count) << "item " << i << " answer " << answer;
    }
    EXPECT_EQ(std::set<std::int16_t>(answers.begin(), answers.end()).size(), answers.size())
        << "item " << i << " lists an answer twice";
  }
}

TEST_P(EveryQuiz, EveryAnswerLabelIsRightForSomeItem) {
  const auto& content = GetParam().content();
  std::set<std::int16_t> used;
  for (const auto& item : content.items) {
    for (const auto answer : filled_slots(item)) used.insert(answer);
  }
  for (std::size_t k = 0; k < content.answer_captions.size(); ++k) {
    EXPECT_TRUE(used.count(static_cast<std::int16_t>(k))) << "label " << k << " is never right";
  }
}

TEST_P(EveryQuiz, TextsAreDistinctNonEmptyUtf8WithoutOuterBlanks) {
  const auto& content = GetParam().content();
  const auto check = [](std::string_view text, const std::string& what) {
    const auto decoded = decode(text);
    ASSERT_TRUE(decoded.has_value()) << what << " is not valid UTF-8";
    ASSERT_FALSE(decoded->empty()) << what << " is empty";
    for (const char32_t blank : {U' ', U'\u3000'}) {
      EXPECT_NE(decoded->front(), blank) << what << " starts with a blank";
      EXPECT_NE(decoded->back(), blank) << what << " ends with a blank";
    }
  };
  std::set<std::string_view> texts;
  for (std::size_t i = 0; i < content.items.size(); ++i) {
    check(content.items[i].text, "item " + std::to_string(i));
    EXPECT_TRUE(texts.insert(content.items[i].text).second) << "item " << i << " repeats";
  }
  std::set<std::string_view> captions;
  for (std::size_t k = 0; k < content.answer_captions.size(); ++k) {
    check(content.answer_captions[k], "caption " + std::to_string(k));
    EXPECT_TRUE(captions.insert(content.answer_captions[k]).second)
        << "caption " << k << " repeats";
  }
}

INSTANTIATE_TEST_SUITE_P(QuizContent, EveryQuiz,
                         ::testing::Values(QuizCase{"SiUnits", si_units_content, 75, 16, 1},
                                         QuizCase{"Counters", counters_content, 63, 60, 4},
                                         QuizCase{"Currencies", currencies_content, 45, 36, 1}),
                         [](const auto& test) { return std::string(test.param.name); });

// ---------------------------------------------------------------------------------------------
// SI単位

// A caption of two letters always has U+3000 between them ("長　さ"); longer ones have no gap.
TEST(SiUnitsContent, AnswerCaptionsSpaceTwoCharacterWordsWithIdeographicSpace) {
  for (const auto caption : si_units_content().answer_captions) {
    const auto text = code_points(caption);
    EXPECT_FALSE(contains(caption, U' ')) << caption;
    if (letters(text) == 2) {
      EXPECT_TRUE(text.size() == 3 && text[1] == U'\u3000') << caption;
    } else {
      EXPECT_FALSE(contains(caption, U'\u3000')) << caption;
    }
  }
}

TEST(SiUnitsContent, FullWidthHyphenGoesWithFullWidthBracketsAndAsciiHyphenWithAsciiOnes) {
  int ascii_hyphen_texts = 0;
  for (const auto& item : si_units_content().items) {
    const auto text = code_points(item.text);
    const bool full_width_hyphen = contains(item.text, U'\uFF0D');
    EXPECT_EQ(contains(item.text, U'\uFF3B'), full_width_hyphen) << item.text;
    EXPECT_EQ(contains(item.text, U'\uFF3D'), full_width_hyphen) << item.text;
    EXPECT_EQ(contains(item.text, U'['), !full_width_hyphen && !contains(item.text, U'('))
        << item.text;
    if (contains(item.text, U'-')) {
      ++ascii_hyphen_texts;
      EXPECT_FALSE(full_width_hyphen) << item.text;
      for (auto at = text.find(U'-'); at != std::u32string::npos; at = text.find(U'-', at + 1)) {
        EXPECT_TRUE(at > 0 && text[at - 1] == U' ') << item.text;
      }
    }
  }
  EXPECT_EQ(ascii_hyphen_texts, 5);
}

TEST(SiUnitsContent, SameSymbolDifferentQuantities) {
  const auto& content = si_units_content();
  EXPECT_EQ(caption_of_answer(content, item_with_text(content, U"ガロン [\uFF27\uFF41\uFF4C]")),
            U"体\u3000積");
  EXPECT_EQ(caption_of_answer(content, item_with_text(content, U"ガル [\uFF27\uFF41\uFF4C]")),
            U"加速度");
}

TEST(SiUnitsContent, ItemsComeInBlocksInTheOrderOfTheAnswerLabels) {
  const auto& content = si_units_content();
  const auto by_answer = [](const auto& a, const auto& b) { return a.answers[0] < b.answers[0]; };
  EXPECT_TRUE(std::is_sorted(content.items.begin(), content.items.end(), by_answer));
  EXPECT_EQ(items_answered_by(content, 14), 1);  // 振　動: ヘルツ only
  EXPECT_EQ(items_answered_by(content, 15), 7);  // 放射能
}

// ---------------------------------------------------------------------------------------------
// 日本

TEST(CountersContent, CaptionsAreTheNumeralOneAndACounterWord) {
  for (const auto caption : counters_content().answer_captions) {
    const auto text = code_points(caption);
    ASSERT_EQ(text.size(), 2u) << caption;
    EXPECT_EQ(text[0], U'一') << caption;
  }
  EXPECT_EQ(code_points(counters_content().answer_captions[59]), U"一本");
}

// A thing name of two letters always has U+3000 between them ("い　か"), never an ASCII space.
TEST(CountersContent, GapsInThingNamesAreIdeographicSpaces) {
  for (const auto& item : counters_content().items) {
    const auto text = code_points(item.text);
    EXPECT_FALSE(contains(item.text, U' ')) << item.text;
    if (letters(text) == 2) {
      EXPECT_TRUE(text.size() == 3 && text[1] == U'\u3000') << item.text;
    }
  }
}

TEST(CountersContent, AThingMayHaveSeveralRightCounterWords) {
  const auto& content = counters_content();
  const auto answers = [&](std::u32string_view text) {
    return filled_slots(item_with_text(content, text));
  };
  EXPECT_EQ(answers(U"家"), (std::vector<std::int16_t>{12, 39, 51}));
  EXPECT_EQ(answers(U"網"), (std::vector<std::int16_t>{24}));
  EXPECT_EQ(answers(U"う\u3000し"), answers(U"う\u3000ま"));
  EXPECT_EQ(answers(U"碁"), answers(U"将\u3000棋"));

  std::vector<std::u32string> four_answers;
  for (const auto& item : content.items) {
    if (filled_slots(item).size() == 4) four_answers.push_back(code_points(item.text));
  }
  EXPECT_EQ(four_answers, (std::vector<std::u32string>{U"扇\u3000子", U"手\u3000紙", U"幕"}));
}

// ---------------------------------------------------------------------------------------------
// 通貨

// A country name spread with U+3000 has one between every two letters ("ア　ン　ゴ　ラ").
TEST(CurrenciesContent, CountryNamesKeepIdeographicGapsAndTheMiddleDot) {
  const auto& content = currencies_content();
  for (const auto& item : content.items) {
    const auto text = code_points(item.text);
    EXPECT_FALSE(contains(item.text, U'\u30FC')) << item.text;
    if (!contains(item.text, U'\u3000')) continue;
    for (std::size_t i = 0; i < text.size(); ++i) {
      EXPECT_EQ(text[i] == U'\u3000', i % 2 == 1) << item.text;
    }
  }
  EXPECT_EQ(code_points(content.items[38].text), U"サウジ\u30FBアラビア");
}

// Gaps are either an ASCII space between every two letters ("フ ラ ン") or two ideographic spaces
// between the first and the last letter ("ド　　ル").
TEST(CurrenciesContent, CaptionsUseProlongedSoundMarkAndOneKindOfGap) {
  const auto& captions = currencies_content().answer_captions;
  EXPECT_EQ(code_points(captions[2]), U"ディナ\u30FCル");
  EXPECT_EQ(code_points(captions[8]), U"フ ラ ン");
  EXPECT_EQ(code_points(captions[34]), U"バ \u30FC ツ");
  EXPECT_EQ(code_points(captions[35]), U"ド\u3000\u3000ル");
  for (const auto caption : captions) {
    const auto text = code_points(caption);
    EXPECT_FALSE(contains(caption, U'\uFF0D') || contains(caption, U'-')) << caption;
    if (contains(caption, U' ')) {
      for (std::size_t i = 0; i < text.size(); ++i) {
        EXPECT_EQ(text[i] == U' ', i % 2 == 1) << caption;
      }
    }
    if (contains(caption, U'\u3000') || letters(text) == 2) {
      EXPECT_TRUE(text.size() == 4 && text[1] == U'\u3000' && text[2] == U'\u3000') << caption;
    }
  }
}

// The long-vowel mark of a country name is an ASCII hyphen after an ASCII space, or U+FF0D.
TEST(CurrenciesContent, CountryNamesUseTwoKindsOfLongVowelMark) {
  std::vector<std::u32string> ascii_hyphen;
  std::vector<std::u32string> full_width_hyphen;
  std::vector<std::u32string> ascii_space_gap;
  for (const auto& item : currencies_content().items) {
    const auto text = code_points(item.text);
    if (contains(item.text, U'-')) ascii_hyphen.push_back(text);
    if (contains(item.text, U'\uFF0D')) full_width_hyphen.push_back(text);
    if (contains(item.text, U' ') && !contains(item.text, U'-')) ascii_space_gap.push_back(text);
    for (auto at = text.find(U'-'); at != std::u32string::npos; at = text.find(U'-', at + 1)) {
      EXPECT_TRUE(at > 0 && text[at - 1] == U' ') << item.text;
    }
  }
  EXPECT_EQ(ascii_hyphen, (std::vector<std::u32string>{U"オ - ストラリア", U"オ -ストリア",
                                                        U"デンマ -ク", U"ポ -ランド",
                                                        U"ル -マニア"}));
  EXPECT_EQ(full_width_hyphen,
            (std::vector<std::u32string>{U"ベ\u3000ル\u3000ギ\u3000\uFF0D", U"ハンガリ\uFF0D",
                                         U"ノルウェ\uFF0D", U"ペ\u3000ル\u3000\uFF0D"}));
  EXPECT_EQ(ascii_space_gap, (std::vector<std::u32string>{U"チ リ", U"中 国", U"韓 国", U"タ イ"}));
}

TEST(CurrenciesContent, TheTwoEscudoLabelsAnswerDifferentCountries) {
  const auto& content = currencies_content();
  EXPECT_EQ(code_points(content.answer_captions[3]), U"エクス\u30FCド");
  EXPECT_EQ(code_points(content.answer_captions[29]), U"エスク\u30FCド");
  EXPECT_EQ(item_with_text(content, U"ア\u3000ン\u3000ゴ\u3000ラ").answers[0], 3);
  EXPECT_EQ(item_with_text(content, U"ポルトガル").answers[0], 29);
}

TEST(CurrenciesContent, SharedCurrencies) {
  const auto& content = currencies_content();
  EXPECT_EQ(items_answered_by(content, 8), 3);   // フ ラ ン
  EXPECT_EQ(items_answered_by(content, 23), 3);  // リ　　ラ
  // ド　　ル, ペ　　ソ, ディナール, クローネ, リ ア ル
  for (const std::int16_t label : std::vector<std::int16_t>{35, 4, 2, 13, 22}) {
    EXPECT_EQ(items_answered_by(content, label), 2) << label;
  }
}

}  // namespace
}  // namespace metria
