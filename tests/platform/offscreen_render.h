// The program's own drawing (SdlCanvas over SDL's software renderer with the real faces), painted
// offscreen into a surface that tests read pixel by pixel.
#pragma once

#include <SDL.h>
#include <SDL_ttf.h>
#include <fontconfig/fontconfig.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <memory>

#include "platform/offscreen_paint.h"
#include "platform/sdl/font_finder.h"
#include "platform/sdl/sdl_handles.h"
#include "platform/sdl_event_fixture.h"

namespace metria::testing {

inline std::uint32_t pixel_at(SDL_Surface* s, int x, int y) {
  return static_cast<const std::uint32_t*>(s->pixels)[y * (s->pitch / 4) + x];
}

inline SDL_Color colour_at(SDL_Surface* s, int x, int y) {
  SDL_Color c{};
  SDL_GetRGBA(pixel_at(s, x, y), s->format, &c.r, &c.g, &c.b, &c.a);
  return c;
}

inline bool same_colour(SDL_Color a, Color b) { return a.r == b.r && a.g == b.g && a.b == b.b; }

class OffscreenRendering : public SdlEvents {
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

  SurfacePtr render(const Window& window, double scale) { return paint_offscreen(window, *resources, scale); }

  std::unique_ptr<SdlResources> resources;
};

}  // namespace metria::testing
