// The content of one unit quiz: the captions of its answer labels and its items.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string_view>

namespace metria {

// An answer slot of an item that holds no answer.
constexpr std::int16_t kEmptyAnswerSlot = -1;

// One item on the board and the answer labels (Label1 indexes) that are right for it.
// Single-answer quizzes fill slot 0 only; empty slots hold kEmptyAnswerSlot and always come last.
struct QuizItem {
  std::string_view text;
  std::array<std::int16_t, 4> answers;
};

struct QuizContent {
  std::span<const std::string_view> answer_captions;  // Label1 caption by Index
  std::span<const QuizItem> items;                    // ItemText / AnswerIndex by item
};

const QuizContent& si_units_content();    // SI単位: 75 units, 16 quantities
const QuizContent& counters_content();    // 日本: 63 things, 60 counter words
const QuizContent& currencies_content();  // 通貨: 45 countries, 36 currencies

}  // namespace metria
