// The heaviest events of the program, each measured from the event's delivery to the end of the
// redraw it causes (paint and present on the software renderer), as one sample per event.
#include <benchmark/benchmark.h>

#include <memory>
#include <utility>
#include <vector>

#include "figures.h"
#include "game_drivers.h"
#include "offscreen_display.h"

namespace metria::bench {
namespace {

using headless::Harness;

// Runs the measured part of one event and hands its time to the benchmark and the samples.
template <typename Event>
void timed(benchmark::State& state, Timings& timings, Event&& event) {
  const Stopwatch watch;
  event();
  state.SetIterationTime(timings.add(watch));
}

// The event most of these measure: a click at the pointer, handled and drawn.
void timed_click(benchmark::State& state, Timings& timings, Harness& h, const AfterEvent& present) {
  timed(state, timings, [&] {
    h.press();
    h.release();
    present();
  });
}

// A click on an answer of 日本 (63 items, 60 answer labels): the mark, the sound, the right
// answer painted red, the counts. Every seventh answer is wrong.
void BM_QuizAnswerCounters(benchmark::State& state) {
  OffscreenDisplay& display = shared_display();
  display.forget_window();
  Harness h({.first_screen = ScreenId::QuizCounters});
  const AfterEvent present = [&] { display.present_changes(h.window()); };
  present();
  Timings timings;
  int question = 0;
  for (auto _ : state) {
    run_to_question_or_result(h, present);
    while (quiz_result_shown(h)) {
      h.click("Label11");
      present();
      run_to_question_or_result(h, present);
    }
    const QuizScreen& s = quiz(h);
    h.move_to("Label1", ++question % 7 == 0 ? headless::wrong_answer(s) : headless::right_answer(s));
    present();
    timed_click(state, timings, h, present);
  }
  record_timings("event.quiz_answer", timings);
}
BENCHMARK(BM_QuizAnswerCounters)->Iterations(400)->UseManualTime()->Unit(benchmark::kMicrosecond);

// "■再挑戦" on 日本: Form_Load fills the 63 items again, prepares six players, resets the board.
void BM_QuizFormLoad(benchmark::State& state) {
  OffscreenDisplay& display = shared_display();
  display.forget_window();
  Harness h({.first_screen = ScreenId::QuizCounters});
  const AfterEvent present = [&] { display.present_changes(h.window()); };
  present();
  Timings timings;
  for (auto _ : state) {
    // A game lost as fast as possible: every answer wrong up to the limit.
    for (run_to_question_or_result(h, present); !quiz_result_shown(h); run_to_question_or_result(h, present)) {
      h.click("Label1", headless::wrong_answer(quiz(h)));
      present();
    }
    h.move_to("Label11");
    present();
    timed_click(state, timings, h, present);
  }
  record_timings("event.quiz_form_load", timings);
}
BENCHMARK(BM_QuizFormLoad)->Iterations(100)->UseManualTime()->Unit(benchmark::kMicrosecond);

// A card dropped on a place of the largest drill: the judgement, the score, the sound, and the card
// moved into the table (right) or back to the shelf (wrong). Each card is first dropped on the
// next card's place (wrong), then on its own (right); the last drop of a game finishes it.
void BM_DrillDrop(benchmark::State& state) {
  OffscreenDisplay& display = shared_display();
  display.forget_window();
  Harness h({.first_screen = largest_drill()});
  const AfterEvent present = [&] { display.present_changes(h.window()); };
  present();
  const int cards = drill(h).NameCount;
  std::vector<std::pair<int, int>> drops;  // card, place
  for (int k = 0; k < cards; ++k) {
    if (k + 1 < cards) drops.emplace_back(k, k + 1);
    drops.emplace_back(k, k);
  }
  std::size_t next = 0;
  Timings timings;
  for (auto _ : state) {
    if (next == drops.size()) {
      run_to_drill_result(h, present);
      h.click("Label7");
      present();
      next = 0;
    }
    const auto [card, place] = drops[next++];
    h.move_to("Label2", card);
    h.press();
    present();
    h.move_to("Label1", place);
    present();
    timed(state, timings, [&] {
      h.release();
      present();
    });
  }
  record_figure("drill.cards", cards);
  record_timings("event.drill_drop", timings);
}
BENCHMARK(BM_DrillDrop)->Iterations(400)->UseManualTime()->Unit(benchmark::kMicrosecond);

// A click on a menu entry: the target's Form_Load, its new window drawn in full on a fresh canvas
// (no text cached yet), and the menu unloaded. Entries 0 to 4 in turn.
void menu_click(benchmark::State& state, Timings& timings, OffscreenDisplay& display) {
  static int entry = 0;
  display.forget_window();
  auto h = std::make_unique<Harness>();
  const AfterEvent present = [&] { display.present_changes(h->window()); };
  present();
  run_until_visible(*h, "Label1", 5, present);
  h->move_to("Label1", entry++ % 5);
  present();
  timed_click(state, timings, *h, present);
  display.forget_window();
}

void BM_MenuEntryClick(benchmark::State& state) {
  Timings timings;
  for (auto _ : state) menu_click(state, timings, shared_display());
  record_timings("event.menu_click", timings);
}
BENCHMARK(BM_MenuEntryClick)->Iterations(200)->UseManualTime()->Unit(benchmark::kMicrosecond);

// The same click on a process's first visit of the target: no font of the target opened and no
// picture decoded yet (a fresh display each time).
void BM_MenuEntryClickFirstVisit(benchmark::State& state) {
  Timings timings;
  for (auto _ : state) {
    OffscreenDisplay display;
    menu_click(state, timings, display);
  }
  record_timings("event.menu_click_first_visit", timings);
}
BENCHMARK(BM_MenuEntryClickFirstVisit)->Iterations(50)->UseManualTime()->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace metria::bench
