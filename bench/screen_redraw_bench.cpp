// A full frame of each of the eight screens, in a state that shows most of it, on a warm canvas
// (as every frame after a screen's first): fill, background picture, every visible control.
#include <benchmark/benchmark.h>

#include <string>

#include "figures.h"
#include "game_drivers.h"
#include "offscreen_display.h"

namespace metria::bench {
namespace {

using headless::Harness;

// An ASCII key for the summary file.
std::string screen_key(ScreenId id) {
  switch (id) {
    case ScreenId::Menu: return "menu";
    case ScreenId::NumberMenu: return "number_menu";
    case ScreenId::DrillLarge: return "drill_large";
    case ScreenId::DrillSi: return "drill_si";
    case ScreenId::DrillSmall: return "drill_small";
    case ScreenId::QuizSi: return "quiz_si";
    case ScreenId::QuizCounters: return "quiz_counters";
    case ScreenId::QuizCurrencies: return "quiz_currencies";
  }
  return "unknown";
}

// Menus with their entries shown, quizzes with a question on the board, drills with half the
// cards placed.
void bring_to_full_view(Harness& h, ScreenId id, const AfterEvent& present) {
  switch (id) {
    case ScreenId::Menu: run_until_visible(h, "Label1", 5, present); break;
    case ScreenId::NumberMenu: run_until_visible(h, "Label3", 1, present); break;
    case ScreenId::QuizSi:
    case ScreenId::QuizCounters:
    case ScreenId::QuizCurrencies: run_to_question_or_result(h, present); break;
    default:
      for (int k = 0; k < drill(h).NameCount / 2; ++k) {
        h.drag("Label2", k, "Label1", k);
        present();
      }
  }
}

void BM_FullRedraw(benchmark::State& state) {
  const ScreenId id = kAllScreens[static_cast<std::size_t>(state.range(0))];
  state.SetLabel(screen_key(id));
  OffscreenDisplay& display = shared_display();
  display.forget_window();
  Harness h({.first_screen = id});
  const AfterEvent present = [&] { display.present_changes(h.window()); };
  present();
  bring_to_full_view(h, id, present);
  Timings timings;
  for (auto _ : state) {
    const Stopwatch watch;
    display.redraw(h.window());
    state.SetIterationTime(timings.add(watch));
  }
  record_timings("redraw." + screen_key(id), timings);
  display.forget_window();
}
BENCHMARK(BM_FullRedraw)->DenseRange(0, static_cast<int>(kAllScreens.size()) - 1)->Iterations(300)->UseManualTime()
    ->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace metria::bench
