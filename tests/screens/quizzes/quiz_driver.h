// Drives a unit quiz through the harness as a user would: waits for each question, answers it
// right or wrong on purpose from the content tables, and watches the timer chain on the way.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <functional>
#include <limits>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "harness/headless.h"
#include "platform/headless/quiz_answers.h"
#include "screens/quizzes/quiz_screen.h"

namespace metria::testing {

inline constexpr std::array kQuizScreens = {ScreenId::QuizSi, ScreenId::QuizCounters, ScreenId::QuizCurrencies};
inline constexpr std::array kQuizTimers = {"Timer1", "Timer2", "Timer3", "Timer4", "Timer5", "Timer6"};

// A name for parameterised tests (ASCII only).
inline std::string quiz_test_name(ScreenId id) {
  switch (id) {
    case ScreenId::QuizSi: return "SiUnits";
    case ScreenId::QuizCounters: return "Counters";
    default: return "Currencies";
  }
}

inline QuizScreen& quiz(Harness& h) { return h.screen<QuizScreen>(h.screen_id()); }

inline int armed_timers(Harness& h) {
  int armed = 0;
  for (const char* timer : kQuizTimers) armed += h.window().timer_armed(h.control(timer)) ? 1 : 0;
  return armed;
}

// The one timer of the chain that is armed, or "" when none is.
inline std::string armed_timer(Harness& h) {
  for (const char* timer : kQuizTimers)
    if (h.window().timer_armed(h.control(timer))) return timer;
  return "";
}

// The draw that picks item i of a quiz of n items.
inline double draw_for(int i, int n) { return (i + 0.5) / n; }

struct GameLog {
  std::vector<int> asked_items;  // CurrentItem of every question, in the order asked
  int most_timers_armed = 0;     // over every tick and every answer
};

inline bool result_shown(Harness& h) { return h.visible("Label11"); }

// Runs the clock tick by tick until a question waits for its answer or the result shows.
inline void run_to_question_or_result(Harness& h, GameLog& log) {
  QuizScreen& s = quiz(h);
  while (s.AnswerOpen != 1 && !result_shown(h)) {
    const auto due = h.app().next_timer_due();
    if (!due) throw std::logic_error("the turn cycle stopped without a question or a result");
    h.advance(*due - h.now());
    log.most_timers_armed = std::max(log.most_timers_armed, armed_timers(h));
  }
}

inline void run_to_question(Harness& h) {
  GameLog log;
  run_to_question_or_result(h, log);
  if (quiz(h).AnswerOpen != 1) throw std::logic_error("the game ended before the question");
}

// Answers question q (counted from 0) wrong when `wrong_on(q)` holds, else right, until the result
// shows or `max_questions` are answered (the next question then waits on the board).
inline GameLog play_game(Harness& h, const std::function<bool(int)>& wrong_on,
                         int max_questions = std::numeric_limits<int>::max()) {
  GameLog log;
  QuizScreen& s = quiz(h);
  for (int q = 0; q < max_questions; ++q) {
    run_to_question_or_result(h, log);
    if (result_shown(h)) return log;
    log.asked_items.push_back(s.CurrentItem);
    h.click("Label1", wrong_on(q) ? wrong_answer(s) : right_answer(s));
    log.most_timers_armed = std::max(log.most_timers_armed, armed_timers(h));
  }
  run_to_question_or_result(h, log);
  return log;
}

// `wrong` wrong answers spread evenly over `questions`; the last question is always one of them.
inline std::function<bool(int)> spread_wrong(int wrong, int questions) {
  return [=](int q) { return (q + 1) * wrong / questions != q * wrong / questions; };
}

inline bool asked_once_each(const std::vector<int>& items) {
  return std::set<int>(items.begin(), items.end()).size() == items.size();
}

}  // namespace metria::testing
