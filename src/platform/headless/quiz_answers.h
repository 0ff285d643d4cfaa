// The answers to the question a quiz is asking, read from its content tables, for the drivers that
// play quizzes as a user would (tests, benchmarks, snapshots).
#pragma once

#include <algorithm>

#include "screens/quizzes/quiz_screen.h"

namespace metria::headless {

// The first of the current item's right answers (a Label1 index).
inline int right_answer(const QuizScreen& s) { return s.AnswerIndex[s.CurrentItem][0]; }

// The lowest Label1 index that no slot of the current item names.
inline int wrong_answer(const QuizScreen& s) {
  const auto& slots = s.AnswerIndex[s.CurrentItem];
  for (int k = 0;; ++k)
    if (std::find(slots.begin(), slots.end(), k) == slots.end()) return k;
}

}  // namespace metria::headless
