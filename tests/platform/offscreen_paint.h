// A window painted offscreen with the program's own drawing (SdlCanvas over SDL's software
// renderer), exactly as the program paints its real windows at that scale.
#pragma once

#include <SDL.h>

#include "platform/sdl/sdl_canvas.h"
#include "platform/sdl/sdl_handles.h"
#include "ui/painter.h"
#include "ui/window.h"

namespace metria::testing {

inline SurfacePtr paint_offscreen(const Window& window, SdlResources& resources, double scale = 1.0) {
  const ScreenDef& def = window.definition();
  SurfacePtr surface(SDL_CreateRGBSurfaceWithFormat(0, to_pixels(def.client_width, scale),
                                                    to_pixels(def.client_height, scale), 32,
                                                    SDL_PIXELFORMAT_ARGB8888));
  const RendererPtr renderer(SDL_CreateSoftwareRenderer(surface.get()));
  SdlCanvas canvas(renderer.get(), resources);
  paint_window(window, canvas, scale);
  SDL_RenderPresent(renderer.get());
  return surface;
}

}  // namespace metria::testing
