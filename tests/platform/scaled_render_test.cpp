// The program's own drawing (SdlCanvas over SDL's software renderer) at a display scale above 1:
// window size, pictures repeated pixel for pixel at whole scales, and no trace of a picture's
// hidden colour when it is scaled smoothly.
#include <SDL.h>
#include <SDL_ttf.h>
#include <fontconfig/fontconfig.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <memory>

#include "harness/headless.h"
#include "platform/sdl/font_finder.h"
#include "platform/sdl/picture_surface.h"
#include "platform/sdl/sdl_canvas.h"
#include "platform/sdl/sdl_handles.h"
#include "platform/sdl_event_fixture.h"
#include "ui/painter.h"
#include "ui/window.h"

namespace metria::testing {
namespace {

using Surface = SurfacePtr;

std::uint32_t pixel_at(SDL_Surface* s, int x, int y) {
  return static_cast<const std::uint32_t*>(s->pixels)[y * (s->pitch / 4) + x];
}

SDL_Color colour_at(SDL_Surface* s, int x, int y) {
  SDL_Color c{};
  SDL_GetRGBA(pixel_at(s, x, y), s->format, &c.r, &c.g, &c.b, &c.a);
  return c;
}

class ScaledRendering : public SdlEvents {
 protected:
  void SetUp() override {
    SdlEvents::SetUp();
    ASSERT_EQ(TTF_Init(), 0);
    resources = std::make_unique<SdlResources>(find_font_files());
  }
  void TearDown() override {
    resources.reset();
    TTF_Quit();
    // fontconfig keeps what find_font_files loaded until FcFini; the leak checker of the
    // sanitizer build would report it otherwise.
    FcFini();
    SdlEvents::TearDown();
  }

  // Paints the window offscreen, exactly as the program paints its real windows at this scale.
  Surface render(const Window& window, double scale) {
    const ScreenDef& def = window.definition();
    Surface surface(SDL_CreateRGBSurfaceWithFormat(0, to_pixels(def.client_width, scale),
                                                   to_pixels(def.client_height, scale), 32, SDL_PIXELFORMAT_ARGB8888));
    const RendererPtr renderer(SDL_CreateSoftwareRenderer(surface.get()));
    SdlCanvas canvas(renderer.get(), *resources, scale);
    paint_window(window, canvas, scale);
    SDL_RenderPresent(renderer.get());
    return surface;
  }

  std::unique_ptr<SdlResources> resources;
};

TEST_F(ScaledRendering, AWindowAtScaleTwoIsTwiceAsLargeAndCoveredByItsPicture) {
  Harness h({.first_screen = ScreenId::Menu});
  const Surface frame = render(h.window(), 2.0);
  EXPECT_EQ(frame->w, 1278);  // 9585 × 6000 twips
  EXPECT_EQ(frame->h, 800);
  // The 640 × 400 background reaches the last pixel: nothing of the window's own fill shows.
  const SDL_Color corner = colour_at(frame.get(), frame->w - 1, frame->h - 1);
  EXPECT_FALSE(corner.r == kDefaultWindowColor.r && corner.g == kDefaultWindowColor.g &&
               corner.b == kDefaultWindowColor.b);
}

TEST_F(ScaledRendering, AtScaleTwoEveryPicturePixelBecomesTwoByTwo) {
  Harness h({.first_screen = ScreenId::Menu});
  // The background alone: pictures placed at twips that fall between pixels may round one pixel
  // differently at another scale, which is right (their edges follow the twips).
  for (const auto& control : h.window().controls()) control->set_visible(false);
  const Surface one = render(h.window(), 1.0), two = render(h.window(), 2.0);
  int differing = 0;
  for (int y = 0; y < two->h; ++y)
    for (int x = 0; x < two->w; ++x) differing += pixel_at(two.get(), x, y) != pixel_at(one.get(), x / 2, y / 2);
  EXPECT_EQ(differing, 0);
}

TEST_F(ScaledRendering, TextIsDrawnAtTheScaledSizeNotEnlarged) {
  Harness h({.first_screen = ScreenId::Menu});
  h.advance(6000);  // the entries are shown
  const Surface one = render(h.window(), 1.0), two = render(h.window(), 2.0);
  // Enlarging the scale-1 frame would repeat every pixel; text rendered at 70 pixels has edges
  // and strokes of its own, so many 2 × 2 blocks inside the entry labels are not uniform.
  const PixelRect entry = to_pixels(h.control("Label1", 0).rect(), 2.0);
  int mixed_blocks = 0;
  for (int y = entry.y; y + 1 < entry.y + entry.h; y += 2)
    for (int x = entry.x; x + 1 < entry.x + entry.w; x += 2) {
      const std::uint32_t p = pixel_at(two.get(), x, y);
      mixed_blocks += p != pixel_at(two.get(), x + 1, y) || p != pixel_at(two.get(), x, y + 1) ||
                      p != pixel_at(two.get(), x + 1, y + 1);
    }
  EXPECT_GT(mixed_blocks, 100);
}

TEST_F(ScaledRendering, SmoothScalingShowsNothingOfTheHiddenColour) {
  // Give the medal's hidden colour a green that the medal (gold, red, white, brown) never shows,
  // then draw the medal stretched at scale 1.5 over the window's grey: a green cast at any edge
  // would be the hidden colour bleeding in.
  SDL_Surface* medal = resources->picture(Picture::GoldMedal);
  ASSERT_NE(medal, nullptr);
  std::uint32_t key = 0;
  ASSERT_EQ(SDL_GetColorKey(medal, &key), 0) << "the medal has a transparent colour";
  ASSERT_NE(medal->format->palette, nullptr);
  medal->format->palette->colors[key] = {0, 255, 0, 255};

  ScreenDef def{.name = "medal",
                .client_width = 9600,
                .client_height = 6000,
                .controls = {{.name = "Image1",
                              .kind = ControlKind::Image,
                              .rect = {1500, 1500, 2850, 3450},
                              .picture = Picture::GoldMedal,
                              .stretch = true}}};
  VirtualClock clock;
  RecordingSoundDevice sound;
  Window window(def, clock, sound);
  const Surface frame = render(window, 1.5);
  const PixelRect drawn = to_pixels(window.find("Image1").rect(), 1.5);
  int greenish = 0, clear = 0;
  for (int y = drawn.y - 1; y <= drawn.y + drawn.h; ++y)
    for (int x = drawn.x - 1; x <= drawn.x + drawn.w; ++x) {
      const SDL_Color c = colour_at(frame.get(), x, y);
      greenish += c.g > c.r + 8;
      clear += c.r == kDefaultWindowColor.r && c.g == kDefaultWindowColor.g && c.b == kDefaultWindowColor.b;
    }
  EXPECT_EQ(greenish, 0);
  EXPECT_GT(clear, 100) << "the corners of the medal stay transparent";
}

TEST(PictureSurface, ClearPixelsTakeTheColourOfAnOpaqueNeighbour) {
  // 4 × 1, 8-bit: opaque red, then three pixels of the transparent colour (green).
  Surface picture(SDL_CreateRGBSurfaceWithFormat(0, 4, 1, 8, SDL_PIXELFORMAT_INDEX8));
  SDL_Color palette[2] = {{255, 0, 0, 255}, {0, 255, 0, 255}};
  SDL_SetPaletteColors(picture->format->palette, palette, 0, 2);
  auto* bytes = static_cast<std::uint8_t*>(picture->pixels);
  bytes[0] = 0, bytes[1] = 1, bytes[2] = 1, bytes[3] = 1;
  SDL_SetColorKey(picture.get(), SDL_TRUE, 1);

  const Surface padded(padded_rgba_copy(picture.get()));
  ASSERT_NE(padded, nullptr);
  const auto rgba = [&](int x) { return colour_at(padded.get(), x, 0); };
  EXPECT_EQ(rgba(0).r, 255);
  EXPECT_EQ(rgba(0).a, 255);
  EXPECT_EQ(rgba(1).a, 0);  // next to red: clear red
  EXPECT_EQ(rgba(1).r, 255);
  EXPECT_EQ(rgba(1).g, 0);
  EXPECT_EQ(rgba(3).a, 0);  // no opaque neighbour: clear black, never the hidden green
  EXPECT_EQ(rgba(3).g, 0);
}

}  // namespace
}  // namespace metria::testing
