// Renders screens in states that take long or need a known shuffle to reach by hand (quiz results,
// drill grades) with the program's own drawing code, offscreen, to PNG files:
//   metria_snapshots OUT_DIR
#include <SDL.h>
#include <SDL_image.h>
#include <SDL_ttf.h>

#include <cstdio>
#include <functional>
#include <string>

#include "harness/game_play.h"
#include "harness/headless.h"
#include "platform/offscreen_paint.h"
#include "platform/sdl/font_finder.h"

namespace metria::testing {
namespace {

bool save(Harness& h, SdlResources& resources, const std::string& path) {
  const bool saved = IMG_SavePNG(paint_offscreen(h.window(), resources).get(), path.c_str()) == 0;
  std::printf("%s %s\n", saved ? "wrote" : "FAILED", path.c_str());
  return saved;
}

}  // namespace
}  // namespace metria::testing

int main(int argc, char** argv) {
  using namespace metria;
  using namespace metria::testing;
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s OUT_DIR\n", argv[0]);
    return 2;
  }
  const std::string out = argv[1];
  if (SDL_Init(0) != 0 || TTF_Init() != 0) return 1;
  bool ok = true;
  {
    SdlResources resources(find_font_files());
    const auto quiz_result = [&](ScreenId id, const char* name, std::function<bool(const QuizScreen&)> wrong_now) {
      Harness h({.first_screen = id});
      play_quiz(h, wrong_now);
      ok &= save(h, resources, out + "/" + name + ".png");
    };
    quiz_result(ScreenId::QuizSi, "quiz_si_result_gold", [](const QuizScreen&) { return false; });
    quiz_result(ScreenId::QuizCounters, "quiz_counters_result_silver",
                [](const QuizScreen& q) { return q.WrongCount < 10; });
    quiz_result(ScreenId::QuizCurrencies, "quiz_currencies_result_fail", [](const QuizScreen&) { return true; });
    const auto drill_result = [&](ScreenId id, const char* name, int wrong) {
      Harness h({.first_screen = id});
      play_drill(h, wrong);
      ok &= save(h, resources, out + "/" + name + ".png");
    };
    drill_result(ScreenId::DrillLarge, "drill_jpb_result_gold", 1);
    drill_result(ScreenId::DrillSi, "drill_si_result_silver", 4);
    drill_result(ScreenId::DrillSmall, "drill_jps_result_bronze", 8);
    drill_result(ScreenId::DrillLarge, "drill_jpb_result_fail", 12);

    // The system asks for more contrast: a wrong answer with the right one marked, cards on their
    // places marked, the faint words strong.
    const Preferences high_contrast{.high_contrast = true};
    {
      Harness h({.first_screen = ScreenId::QuizSi, .preferences = high_contrast});
      auto& quiz = h.screen<QuizScreen>(ScreenId::QuizSi);
      while (quiz.AnswerOpen != 1) h.advance(100);
      h.click("Label1", wrong_answer(quiz));
      ok &= save(h, resources, out + "/quiz_si_high_contrast.png");
    }
    {
      Harness h({.first_screen = ScreenId::DrillSi, .preferences = high_contrast});
      for (int k = 0; k < 5; ++k) h.drag("Label2", k, "Label1", k);
      ok &= save(h, resources, out + "/drill_si_high_contrast.png");
    }
    // Less motion: the turtle of the opening stands where its walk ends.
    {
      Harness h({.preferences = {.reduced_motion = true}});
      h.advance(2000);
      ok &= save(h, resources, out + "/menu_reduced_motion.png");
    }
  }
  TTF_Quit();
  SDL_Quit();
  return ok ? 0 : 1;
}
