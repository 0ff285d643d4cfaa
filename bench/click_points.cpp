// Prints where bench/run.sh must click in the real windows, and how long the openings take, read
// from the screens themselves through the harness: "KEY VALUE..." lines, positions in pixels of
// the client area, times in milliseconds after the screen's load.
#include <cstdio>
#include <string>

#include "game_drivers.h"
#include "ui/geometry.h"

namespace {

using metria::ScreenId;
using metria::headless::Harness;

const metria::bench::AfterEvent kNoRedraw = [] {};

void print_centre(const std::string& key, Harness& h, const char* name, int index = metria::kNoIndex) {
  const metria::PixelRect r = metria::to_pixels(h.control(name, index).rect());
  std::printf("%s %d %d\n", key.c_str(), r.x + r.w / 2, r.y + r.h / 2);
}

// The moments after the menu's load at which its window changes: the frames of its opening.
void print_menu_frames() {
  Harness h;
  h.window().mark_drawn();
  std::printf("menu.frames_ms");
  while (!h.visible("Label1", 5)) {
    metria::bench::next_tick(h, kNoRedraw);
    if (!h.window().needs_redraw()) continue;
    std::printf(" %lld", static_cast<long long>(h.now()));
    h.window().mark_drawn();
  }
  std::printf("\n");
}

}  // namespace

int main() {
  print_menu_frames();
  {
    Harness h;
    metria::bench::run_until_visible(h, "Label1", 5, kNoRedraw);
    std::printf("menu.ready_ms %lld\n", static_cast<long long>(h.now()));
    for (int i = 0; i <= 5; ++i) print_centre("menu.entry" + std::to_string(i), h, "Label1", i);
  }
  {
    Harness h({.first_screen = ScreenId::NumberMenu});
    metria::bench::run_until_visible(h, "Label3", 1, kNoRedraw);
    std::printf("number_menu.ready_ms %lld\n", static_cast<long long>(h.now()));
    print_centre("number_menu.choice0", h, "Label3", 0);
    print_centre("number_menu.choice1", h, "Label3", 1);
  }
  for (const auto& [id, key] : {std::pair{ScreenId::QuizSi, "quiz_si"}, std::pair{ScreenId::QuizCounters, "quiz_counters"},
                                std::pair{ScreenId::QuizCurrencies, "quiz_currencies"}}) {
    Harness h({.first_screen = id});
    metria::bench::run_to_question_or_result(h, kNoRedraw);
    std::printf("%s.question_ms %lld\n", key, static_cast<long long>(h.now()));
    print_centre(std::string(key) + ".menu_spot", h, "Label4");
  }
  for (const auto& [id, key] : {std::pair{ScreenId::DrillLarge, "drill_large"}, std::pair{ScreenId::DrillSi, "drill_si"},
                                std::pair{ScreenId::DrillSmall, "drill_small"}}) {
    Harness h({.first_screen = id});
    print_centre(std::string(key) + ".menu_spot", h, "Label6");
  }
  return 0;
}
