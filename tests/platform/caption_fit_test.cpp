// With the real faces (IPAPMincho and IPAPGothic through fontconfig), every caption every screen
// can show fits its label at scales 1, 1.5 and 2, laid out exactly as the painter lays it out
// (its font fitting for one-line labels, its line breaking): whole games are played and every
// state a caption can take is measured, so a face that runs wider cannot clip text unnoticed.
#include <SDL.h>
#include <SDL_ttf.h>
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <memory>
#include <set>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include "harness/game_play.h"
#include "harness/headless.h"
#include "platform/offscreen_render.h"
#include "screens/quizzes/quiz_screen.h"

namespace metria::testing {
namespace {

const double kScales[] = {1.0, 1.5, 2.0};

// Measures with the program's canvas and its real faces, draws nothing, and keeps each line of
// text the painter draws with the rectangle it is clipped to (the label's).
class MeasuringCanvas final : public Canvas {
 public:
  struct Line {
    Font font;
    std::string text;
    int x, y;
  };
  explicit MeasuringCanvas(SdlCanvas& real) : m_real(real) {}

  void fill_rect(const PixelRect&, Color) override {}
  void frame_rect(const PixelRect&, Color, int) override {}
  void draw_picture(Picture, const PixelRect&) override {}
  int text_width(const Font& font, std::string_view text) override { return m_real.text_width(font, text); }
  int line_height(const Font& font) override { return m_real.line_height(font); }
  void draw_text(const Font& font, Color, std::string_view text, int x, int y, const PixelRect& clip) override {
    lines[std::make_tuple(clip.x, clip.y, clip.w, clip.h)].push_back({font, std::string(text), x, y});
  }

  std::map<std::tuple<int, int, int, int>, std::vector<Line>> lines;

 private:
  SdlCanvas& m_real;
};

class CaptionFit : public OffscreenRendering {
 protected:
  void SetUp() override {
    OffscreenRendering::SetUp();
    target.reset(SDL_CreateRGBSurfaceWithFormat(0, 8, 8, 32, SDL_PIXELFORMAT_ARGB8888));
    renderer.reset(SDL_CreateSoftwareRenderer(target.get()));
    for (const double scale : kScales)
      canvases.emplace(scale, std::make_unique<SdlCanvas>(renderer.get(), *resources));
  }
  void TearDown() override {
    canvases.clear();
    renderer.reset();
    target.reset();
    OffscreenRendering::TearDown();
  }

  // Lays out the loaded screen at every scale and notes each caption that does not fit.
  void check(Harness& h) {
    for (const auto& [scale, real] : canvases) {
      MeasuringCanvas canvas(*real);
      paint_window(h.window(), canvas, scale);
      for (const auto& control : h.window().controls()) {
        if (control->kind() != ControlKind::Label || !control->visible() || control->caption().empty() ||
            !control->font())
          continue;
        const PixelRect box = to_pixels(control->rect(), scale);
        const auto& drawn = canvas.lines[std::make_tuple(box.x, box.y, box.w, box.h)];
        std::string shown;
        std::ostringstream why;
        for (const auto& line : drawn) {
          shown += line.text;
          const int right = line.x + canvas.text_width(line.font, line.text);
          const int bottom = line.y + canvas.line_height(line.font);
          if (line.x < box.x || right > box.x + box.w) why << " a line " << right - box.x << " px wide in " << box.w;
          if (line.y < box.y || bottom > box.y + box.h) why << " lines " << bottom - box.y << " px high in " << box.h;
        }
        if (shown != control->caption()) why << " only \"" << shown << "\" shows";
        if (why.str().empty()) continue;
        std::ostringstream misfit;
        misfit << h.window().definition().name << " " << control->name() << "(" << control->index() << ") \""
               << control->caption() << "\" at scale " << scale << ":" << why.str();
        misfits.insert(misfit.str());
      }
    }
  }

  // Checks the screen whenever a label's caption or visibility changed.
  void check_if_changed(Harness& h) {
    std::string state;
    for (const auto& control : h.window().controls())
      if (control->kind() == ControlKind::Label && control->visible()) state += control->caption() + '\n';
    if (state == last_state) return;
    last_state = state;
    check(h);
  }

  SurfacePtr target;
  RendererPtr renderer;
  std::map<double, std::unique_ptr<SdlCanvas>> canvases;
  std::set<std::string> misfits;
  std::string last_state;
};

std::string listing(const std::set<std::string>& misfits) {
  std::string all;
  for (const std::string& m : misfits) all += m + "\n";
  return all;
}

TEST_F(CaptionFit, TheFacesAreTheIpaOnes) {
  TTF_Font* mincho = resources->font({Face::Mincho, 24, true});
  TTF_Font* gothic = resources->font({Face::Gothic, 24, true});
  ASSERT_NE(mincho, nullptr);
  ASSERT_NE(gothic, nullptr);
  EXPECT_STREQ(TTF_FontFaceFamilyName(mincho), "IPAPMincho");
  EXPECT_STREQ(TTF_FontFaceFamilyName(gothic), "IPAPGothic");
}

TEST_F(CaptionFit, TheMenusCaptionsFit) {
  for (const ScreenId id : {ScreenId::Menu, ScreenId::NumberMenu}) {
    Harness h({.first_screen = id});
    h.advance(10000);  // the opening is over: every entry shows
    check(h);
  }
  EXPECT_TRUE(misfits.empty()) << listing(misfits);
}

TEST_F(CaptionFit, EveryQuizItemAnswerCountAndBannerFits) {
  const auto each_state = [this](Harness& h) { check_if_changed(h); };
  for (const ScreenId id : {ScreenId::QuizSi, ScreenId::QuizCounters, ScreenId::QuizCurrencies}) {
    // Every item is asked in a game without a wrong answer; the counts run up, the pass banner shows.
    Harness passed({.first_screen = id});
    play_quiz(
        passed, [](const QuizScreen&) { return false; }, each_state);
    // A game of wrong answers runs the wrong count up to the fail banner.
    Harness failed({.first_screen = id});
    play_quiz(
        failed, [](const QuizScreen&) { return true; }, each_state);
  }
  EXPECT_TRUE(misfits.empty()) << listing(misfits);
}

TEST_F(CaptionFit, EveryDrillCardScoreAndBannerFits) {
  for (const ScreenId id : {ScreenId::DrillLarge, ScreenId::DrillSi, ScreenId::DrillSmall}) {
    for (const int wrong : {0, 3, 12}) {  // gold, a lower grade, failed
      Harness h({.first_screen = id});
      check_if_changed(h);
      play_drill(h, wrong, [this](Harness& played) { check_if_changed(played); });
      EXPECT_TRUE(h.visible("Label7")) << "the result shows";
    }
  }
  EXPECT_TRUE(misfits.empty()) << listing(misfits);
}

}  // namespace
}  // namespace metria::testing
