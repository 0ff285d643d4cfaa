// Offscreen drawing through the program's own canvas and painter.
#include "offscreen_display.h"

#include <SDL.h>
#include <SDL_image.h>
#include <SDL_ttf.h>

#include <cstdlib>
#include <stdexcept>
#include <string>

#include "platform/sdl/font_finder.h"
#include "ui/painter.h"
#include "ui/window.h"

namespace metria::bench {

void start_sdl_headless() {
  setenv("SDL_VIDEODRIVER", "dummy", 0);
  setenv("SDL_AUDIODRIVER", "dummy", 0);
  if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_TIMER) != 0) throw std::runtime_error(SDL_GetError());
  if (TTF_Init() != 0) throw std::runtime_error(TTF_GetError());
  IMG_Init(0);
}

OffscreenDisplay::OffscreenDisplay() : m_resources(find_font_files()) {}

OffscreenDisplay::~OffscreenDisplay() { release_target(); }

void OffscreenDisplay::release_target() {
  m_canvas.reset();
  if (m_renderer) SDL_DestroyRenderer(m_renderer);
  if (m_surface) SDL_FreeSurface(m_surface);
  m_renderer = nullptr;
  m_surface = nullptr;
  m_window = nullptr;
}

void OffscreenDisplay::target_for(Window& window) {
  if (m_window == &window) return;
  release_target();
  const ScreenDef& def = window.definition();
  // The pixel format of a 24-bit X visual, which the program's windows get on this machine.
  m_surface = SDL_CreateRGBSurfaceWithFormat(0, to_pixels(def.client_width), to_pixels(def.client_height), 32,
                                             SDL_PIXELFORMAT_RGB888);
  if (!m_surface) throw std::runtime_error(SDL_GetError());
  m_renderer = SDL_CreateSoftwareRenderer(m_surface);
  if (!m_renderer) throw std::runtime_error(SDL_GetError());
  m_canvas = std::make_unique<SdlCanvas>(m_renderer, m_resources);
  m_window = &window;
  window.invalidate();
}

void OffscreenDisplay::present_changes(Window& window) {
  target_for(window);
  if (!window.needs_redraw()) return;
  paint_window(window, *m_canvas);
  SDL_RenderPresent(m_renderer);
  window.mark_drawn();
}

void OffscreenDisplay::redraw(Window& window) {
  window.invalidate();
  present_changes(window);
}

OffscreenDisplay& shared_display() {
  static OffscreenDisplay display;
  return display;
}

}  // namespace metria::bench
