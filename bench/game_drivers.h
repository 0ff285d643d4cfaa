// Plays the screens through the headless harness as a user would, calling `after_event` after
// every event and every timer tick (where the program would redraw).
#pragma once

#include <functional>

#include "platform/headless/harness.h"
#include "platform/headless/quiz_answers.h"
#include "screens/drills/drill_screen.h"
#include "screens/quizzes/quiz_screen.h"

namespace metria::bench {

using AfterEvent = std::function<void()>;

inline QuizScreen& quiz(headless::Harness& h) { return h.screen<QuizScreen>(h.screen_id()); }
inline DrillScreen& drill(headless::Harness& h) { return h.screen<DrillScreen>(h.screen_id()); }

// Delivers the next timer tick; false when no timer is armed.
bool next_tick(headless::Harness& h, const AfterEvent& after_event);

// Runs the clock tick by tick until a question waits for its answer or the result shows.
void run_to_question_or_result(headless::Harness& h, const AfterEvent& after_event);
bool quiz_result_shown(headless::Harness& h);

// The drill with the most cards.
ScreenId largest_drill();

// Runs the clock until the drill's result ("■再挑戦") shows.
void run_to_drill_result(headless::Harness& h, const AfterEvent& after_event);

// Runs the clock until the control is visible (a menu's entries after its opening).
void run_until_visible(headless::Harness& h, std::string_view name, int index, const AfterEvent& after_event);

}  // namespace metria::bench
