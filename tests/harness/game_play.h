// Whole games through the harness, as a user would play them: every question answered, right or
// wrong on purpose; every card dropped, after some wrong drops. `after_each_step` sees the window
// after every tick and every answer or drop (to measure or check each state on the way).
#pragma once

#include <functional>

#include "harness/headless.h"
#include "platform/headless/quiz_answers.h"
#include "screens/drills/drill_screen.h"
#include "screens/quizzes/quiz_screen.h"

namespace metria::testing {

using AfterStep = std::function<void(Harness&)>;

// Answers every question, wrong while `wrong_now` says so, until the result shows.
inline void play_quiz(Harness& h, const std::function<bool(const QuizScreen&)>& wrong_now,
                      const AfterStep& after_each_step = [](Harness&) {}) {
  auto& quiz = h.screen<QuizScreen>(h.screen_id());
  while (!h.visible("Label11")) {
    h.advance(100);
    after_each_step(h);
    if (quiz.AnswerOpen != 1) continue;
    h.click("Label1", wrong_now(quiz) ? wrong_answer(quiz) : right_answer(quiz));
    after_each_step(h);
  }
}

// Places every card after `wrong` wrong drops, then waits for the result.
inline void play_drill(Harness& h, int wrong, const AfterStep& after_each_step = [](Harness&) {}) {
  const int cards = h.screen<DrillScreen>(h.screen_id()).NameCount;
  for (int i = 0; i < wrong; ++i) {
    h.drag("Label2", 0, "Label1", 1);
    after_each_step(h);
  }
  for (int k = 0; k < cards; ++k) {
    h.drag("Label2", k, "Label1", k);
    after_each_step(h);
  }
  h.move_to_background();
  h.advance(3000);
  after_each_step(h);
}

}  // namespace metria::testing
