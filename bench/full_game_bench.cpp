// Whole games through the harness, without drawing: the screen logic, the timers and the cue
// requests of a 75-question quiz (SI単位, every answer right) and of the largest drill (every card
// placed right, then the wait for the result).
#include <benchmark/benchmark.h>

#include "figures.h"
#include "game_drivers.h"

namespace metria::bench {
namespace {

using headless::Harness;

const AfterEvent kNoRedraw = [] {};

void BM_QuizFullGame(benchmark::State& state) {
  Timings timings;
  int questions = 0;
  for (auto _ : state) {
    const Stopwatch watch;
    Harness h({.first_screen = ScreenId::QuizSi});
    questions = 0;
    for (run_to_question_or_result(h, kNoRedraw); !quiz_result_shown(h); run_to_question_or_result(h, kNoRedraw)) {
      h.click("Label1", headless::right_answer(quiz(h)));
      ++questions;
    }
    state.SetIterationTime(timings.add(watch));
  }
  record_figure("game.quiz.questions", questions);
  record_timings("game.quiz", timings);
}
BENCHMARK(BM_QuizFullGame)->Iterations(100)->UseManualTime()->Unit(benchmark::kMicrosecond);

void BM_DrillFullGame(benchmark::State& state) {
  const ScreenId largest = largest_drill();
  Timings timings;
  int cards = 0;
  for (auto _ : state) {
    const Stopwatch watch;
    Harness h({.first_screen = largest});
    cards = drill(h).NameCount;
    for (int k = 0; k < cards; ++k) h.drag("Label2", k, "Label1", k);
    run_to_drill_result(h, kNoRedraw);
    state.SetIterationTime(timings.add(watch));
  }
  record_figure("game.drill.cards", cards);
  record_timings("game.drill", timings);
}
BENCHMARK(BM_DrillFullGame)->Iterations(100)->UseManualTime()->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace metria::bench
