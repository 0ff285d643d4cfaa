// Pictures drawn at another size than their own: the stretched medals at every scale, and every
// picture at scales between whole ones. They are resampled smoothly, and the transparent colour of
// a picture never shows, not even blended into an edge.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <set>
#include <tuple>
#include <vector>

#include "harness/headless.h"
#include "platform/offscreen_render.h"
#include "platform/sdl/picture_surface.h"

namespace metria::testing {
namespace {

const double kScales[] = {1.0, 1.5, 2.0};

struct Shown {
  Picture picture;
  Rect rect;  // twips, as the screen's definition places it
  bool stretch;
};

// Every picture with a transparent colour where a screen shows it: the marks at their own size, the
// medals stretched on the quizzes and on the drills.
std::vector<Shown> keyed_pictures() {
  Harness quiz({.first_screen = ScreenId::QuizSi});
  Harness drill({.first_screen = ScreenId::DrillSi});
  const auto on = [](Harness& h, const char* name) {
    const Control& image = h.control(name);
    return Shown{image.picture(), image.rect(), image.stretch()};
  };
  return {on(quiz, "Image4"), on(quiz, "Image5"),  on(quiz, "Image6"),  on(quiz, "Image7"),
          on(quiz, "Image8"), on(drill, "Image1"), on(drill, "Image2"), on(drill, "Image3")};
}

class StretchedPictures : public OffscreenRendering {
 protected:
  // The picture alone on a window of the default grey, painted at `scale`.
  SurfacePtr render_alone(const Shown& shown, double scale, PixelRect& drawn) {
    const ScreenDef def{.name = "picture",
                        .client_width = 9600,
                        .client_height = 6000,
                        .controls = {{.name = "Image1",
                                      .kind = ControlKind::Image,
                                      .rect = shown.rect,
                                      .picture = shown.picture,
                                      .stretch = shown.stretch}}};
    VirtualClock clock;
    RecordingSoundDevice sound;
    InputMode input;
    const Preferences preferences;
    const Window window(def, clock, sound, input, preferences);
    const PictureInfo info = picture_info(shown.picture);
    drawn = shown.stretch ? to_pixels(shown.rect, scale)
                          : PixelRect{to_pixels(shown.rect.left, scale), to_pixels(shown.rect.top, scale),
                                      static_cast<int>(std::lround(info.width * scale)),
                                      static_cast<int>(std::lround(info.height * scale))};
    return render(window, scale);
  }
};

TEST_F(StretchedPictures, TheTransparentColourNeverShowsAtAnyScale) {
  for (const Shown& shown : keyed_pictures()) {
    // Give the hidden colour a green that none of these pictures (red, white, gold, silver, bronze,
    // brown) shows: a green cast anywhere would be the hidden colour bleeding in.
    SDL_Surface* picture = resources->picture(shown.picture);
    ASSERT_NE(picture, nullptr);
    std::uint32_t key = 0;
    ASSERT_EQ(SDL_GetColorKey(picture, &key), 0) << "the picture has a transparent colour";
    ASSERT_NE(picture->format->palette, nullptr);
    picture->format->palette->colors[key] = {0, 255, 0, 255};
    for (const double scale : kScales) {
      SCOPED_TRACE(::testing::Message() << picture_info(shown.picture).file << " at scale " << scale);
      PixelRect drawn;
      const SurfacePtr frame = render_alone(shown, scale, drawn);
      int greenish = 0, clear = 0;
      for (int y = drawn.y - 1; y <= drawn.y + drawn.h; ++y)
        for (int x = drawn.x - 1; x <= drawn.x + drawn.w; ++x) {
          const SDL_Color c = colour_at(frame.get(), x, y);
          greenish += c.g > c.r + 8;
          clear += same_colour(c, kDefaultWindowColor);
        }
      EXPECT_EQ(greenish, 0);
      EXPECT_GT(clear, 100) << "the grey shows through where the picture is transparent";
    }
  }
}

TEST_F(StretchedPictures, StretchedMedalsHaveSmoothEdgesAtEveryScale) {
  for (const Shown& shown : keyed_pictures()) {
    if (!shown.stretch) continue;
    // Every colour of the picture as the screens store it: an edge made only of these is stepped.
    SDL_Surface* picture = resources->picture(shown.picture);
    ASSERT_NE(picture, nullptr);
    ASSERT_NE(picture->format->palette, nullptr);
    std::set<std::tuple<int, int, int>> own_colours;
    for (int i = 0; i < picture->format->palette->ncolors; ++i) {
      const SDL_Color c = picture->format->palette->colors[i];
      own_colours.insert({c.r, c.g, c.b});
    }
    for (const double scale : kScales) {
      SCOPED_TRACE(::testing::Message() << picture_info(shown.picture).file << " at scale " << scale);
      PixelRect drawn;
      const SurfacePtr frame = render_alone(shown, scale, drawn);
      // On each row the medal crosses, its leftmost pixel is a blend of the medal and the grey.
      int rows = 0, blended = 0;
      for (int y = drawn.y; y < drawn.y + drawn.h; ++y)
        for (int x = drawn.x; x < drawn.x + drawn.w; ++x) {
          const SDL_Color c = colour_at(frame.get(), x, y);
          if (same_colour(c, kDefaultWindowColor)) continue;
          ++rows;
          blended += !own_colours.contains({c.r, c.g, c.b});
          break;
        }
      EXPECT_GT(rows, drawn.h * 9 / 10);
      EXPECT_GE(blended, rows * 9 / 10) << blended << " of " << rows << " rows";
    }
  }
}

// 4 × 1, 8-bit: opaque red, then three pixels of the transparent colour (green).
SurfacePtr red_then_clear() {
  SurfacePtr picture(SDL_CreateRGBSurfaceWithFormat(0, 4, 1, 8, SDL_PIXELFORMAT_INDEX8));
  const SDL_Color palette[2] = {{255, 0, 0, 255}, {0, 255, 0, 255}};
  SDL_SetPaletteColors(picture->format->palette, palette, 0, 2);
  auto* bytes = static_cast<std::uint8_t*>(picture->pixels);
  bytes[0] = 0, bytes[1] = 1, bytes[2] = 1, bytes[3] = 1;
  SDL_SetColorKey(picture.get(), SDL_TRUE, 1);
  return picture;
}

TEST(PictureResampling, AClearPixelLendsNothingOfItsColourToTheEdge) {
  const SurfacePtr picture = red_then_clear();
  for (const int width : {1, 2, 3, 7, 10, 23}) {
    SCOPED_TRACE(width);
    const SurfacePtr sized = resampled(picture.get(), width, 3);
    ASSERT_NE(sized, nullptr);
    ASSERT_EQ(sized->w, width);
    int partial = 0;
    for (int y = 0; y < 3; ++y)
      for (int x = 0; x < width; ++x) {
        const SDL_Color c = colour_at(sized.get(), x, y);
        if (c.a == 0) continue;
        EXPECT_EQ(c.r, 255);  // pure red wherever anything shows, however little
        EXPECT_EQ(c.g, 0);
        partial += c.a < 255;
      }
    if (width >= 7) {
      EXPECT_GT(partial, 0) << "enlarged, the edge fades out over several pixels";
    }
  }
}

TEST(PictureResampling, AtItsOwnSizeAPictureIsCopiedExactly) {
  SurfacePtr picture(SDL_CreateRGBSurfaceWithFormat(0, 16, 9, 8, SDL_PIXELFORMAT_INDEX8));
  SDL_Color palette[256];
  for (int i = 0; i < 256; ++i)
    palette[i] = {static_cast<Uint8>(i), static_cast<Uint8>(255 - i), static_cast<Uint8>(i * 7), 255};
  SDL_SetPaletteColors(picture->format->palette, palette, 0, 256);
  for (int y = 0; y < 9; ++y)
    for (int x = 0; x < 16; ++x)
      static_cast<std::uint8_t*>(picture->pixels)[y * picture->pitch + x] = (x * 31 + y * 17) % 256;
  SDL_SetColorKey(picture.get(), SDL_TRUE, 5);
  const SurfacePtr expected(SDL_ConvertSurfaceFormat(picture.get(), SDL_PIXELFORMAT_ARGB8888, 0));
  const SurfacePtr copy = resampled(picture.get(), 16, 9);
  ASSERT_NE(copy, nullptr);
  for (int y = 0; y < 9; ++y)
    for (int x = 0; x < 16; ++x) {
      if (colour_at(expected.get(), x, y).a == 0) {
        EXPECT_EQ(colour_at(copy.get(), x, y).a, 0);
        continue;
      }
      EXPECT_EQ(pixel_at(copy.get(), x, y), pixel_at(expected.get(), x, y)) << x << "," << y;
    }
}

}  // namespace
}  // namespace metria::testing
