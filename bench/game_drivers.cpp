// Driving quizzes, drills and menus tick by tick.
#include "game_drivers.h"

#include <algorithm>
#include <stdexcept>

namespace metria::bench {

bool next_tick(headless::Harness& h, const AfterEvent& after_event) {
  const auto due = h.app().next_timer_due();
  if (!due) return false;
  h.advance(std::max<std::int64_t>(*due - h.now(), 0));
  after_event();
  return true;
}

bool quiz_result_shown(headless::Harness& h) { return h.visible("Label11"); }

void run_to_question_or_result(headless::Harness& h, const AfterEvent& after_event) {
  while (quiz(h).AnswerOpen != 1 && !quiz_result_shown(h))
    if (!next_tick(h, after_event)) throw std::logic_error("the quiz stopped without a question or a result");
}

ScreenId largest_drill() {
  ScreenId largest = ScreenId::DrillSi;
  int most = 0;
  for (ScreenId id : {ScreenId::DrillLarge, ScreenId::DrillSi, ScreenId::DrillSmall}) {
    headless::Harness h({.first_screen = id});
    if (drill(h).NameCount > most) most = drill(h).NameCount, largest = id;
  }
  return largest;
}

void run_to_drill_result(headless::Harness& h, const AfterEvent& after_event) {
  while (!h.visible("Label7"))
    if (!next_tick(h, after_event)) throw std::logic_error("the drill stopped without a result");
}

void run_until_visible(headless::Harness& h, std::string_view name, int index, const AfterEvent& after_event) {
  while (!h.visible(name, index))
    if (!next_tick(h, after_event)) throw std::logic_error(std::string(name) + " never showed");
}

}  // namespace metria::bench
