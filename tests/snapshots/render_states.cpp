// Renders screens in states that take long or need a known shuffle to reach by hand (quiz results,
// drill grades) with the program's own drawing code, offscreen, to PNG files:
//   metria_snapshots OUT_DIR
#include <SDL.h>
#include <SDL_image.h>
#include <SDL_ttf.h>

#include <cstdio>
#include <functional>
#include <string>

#include "harness/headless.h"
#include "platform/sdl/font_finder.h"
#include "platform/sdl/sdl_canvas.h"
#include "screens/drills/drill_screen.h"
#include "screens/quizzes/quiz_screen.h"
#include "ui/painter.h"

namespace metria::testing {
namespace {

bool save(Harness& h, SdlResources& resources, const std::string& path) {
  const ScreenDef& def = h.window().definition();
  SDL_Surface* surface =
      SDL_CreateRGBSurfaceWithFormat(0, to_pixels(def.client_width), to_pixels(def.client_height), 32,
                                     SDL_PIXELFORMAT_ARGB8888);
  SDL_Renderer* renderer = SDL_CreateSoftwareRenderer(surface);
  bool saved = false;
  {
    SdlCanvas canvas(renderer, resources);
    paint_window(h.window(), canvas);
    SDL_RenderPresent(renderer);
    saved = IMG_SavePNG(surface, path.c_str()) == 0;
  }
  SDL_DestroyRenderer(renderer);
  SDL_FreeSurface(surface);
  std::printf("%s %s\n", saved ? "wrote" : "FAILED", path.c_str());
  return saved;
}

// Answers every question of a quiz, wrong while `wrong_now` says so, until the result shows.
void play_quiz(Harness& h, const std::function<bool(const QuizScreen&)>& wrong_now) {
  auto& quiz = h.screen<QuizScreen>(h.screen_id());
  while (!h.visible("Label11")) {
    h.advance(100);
    if (quiz.AnswerOpen != 1) continue;
    const auto& answers = quiz.AnswerIndex[quiz.CurrentItem];
    int answer = answers[0];
    if (wrong_now(quiz))
      for (answer = 0; answer == answers[0] || answer == answers[1] || answer == answers[2] || answer == answers[3];)
        ++answer;
    h.click("Label1", answer);
  }
}

// Places every card after `wrong` wrong drops, then waits for the result.
void play_drill(Harness& h, int wrong) {
  const int cards = h.screen<DrillScreen>(h.screen_id()).NameCount;
  for (int i = 0; i < wrong; ++i) h.drag("Label2", 0, "Label1", 1);
  for (int k = 0; k < cards; ++k) h.drag("Label2", k, "Label1", k);
  h.move_to_background();
  h.advance(3000);
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
  }
  TTF_Quit();
  SDL_Quit();
  return ok ? 0 : 1;
}
