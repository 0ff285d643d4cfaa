// SDL windows, frames and cursors.
#include "platform/sdl/sdl_host.h"

#include <SDL.h>

#include <algorithm>
#include <cstdio>
#include <stdexcept>

#include "platform/sdl/accessibility_bridge.h"
#include "platform/sdl/x11_window_hints.h"
#include "ui/painter.h"
#include "ui/scale.h"
#include "ui/window.h"

namespace metria {

SdlHost::SdlHost(SdlResources& resources, double scale, AccessibilityBridge* accessibility)
    : m_resources(resources), m_scale(scale), m_accessibility(accessibility) {
  // Bare X servers show a cross by default: start with the arrow.
  m_arrow.reset(SDL_CreateSystemCursor(SDL_SYSTEM_CURSOR_ARROW));
  if (m_arrow) SDL_SetCursor(m_arrow.get());
  m_current = m_arrow.get();
  // Some video drivers have no colour cursors: dragging then keeps the arrow.
  if (SDL_Surface* magnifier = m_resources.icon(Icon::Magnifier)) m_drag = drag_cursor(magnifier);
}

CursorPtr SdlHost::drag_cursor(SDL_Surface* icon) const {
  const int factor = icon_factor(m_scale);
  const HotSpot hot = icon_hot_spot(Icon::Magnifier);
  if (factor == 1) return CursorPtr(SDL_CreateColorCursor(icon, hot.x, hot.y));
  const SurfacePtr larger(
      SDL_CreateRGBSurfaceWithFormat(0, icon->w * factor, icon->h * factor, 32, SDL_PIXELFORMAT_ARGB8888));
  const SurfacePtr source(SDL_ConvertSurfaceFormat(icon, SDL_PIXELFORMAT_ARGB8888, 0));
  if (!larger || !source) return nullptr;
  SDL_SetSurfaceBlendMode(source.get(), SDL_BLENDMODE_NONE);
  if (SDL_BlitScaled(source.get(), nullptr, larger.get(), nullptr) != 0) return nullptr;
  return CursorPtr(SDL_CreateColorCursor(larger.get(), hot.x * factor, hot.y * factor));
}

void SdlHost::window_shown(Window& window) {
  const ScreenDef& def = window.definition();
  WindowPtr sdl_window(SDL_CreateWindow(def.caption.c_str(), SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED,
                                        to_pixels(def.client_width, m_scale), to_pixels(def.client_height, m_scale),
                                        SDL_WINDOW_HIDDEN));
  if (!sdl_window) throw std::runtime_error(std::string("cannot open a window: ") + SDL_GetError());
  if (SDL_Surface* icon = m_resources.icon(def.icon)) SDL_SetWindowIcon(sdl_window.get(), icon);
  RendererPtr renderer(SDL_CreateRenderer(sdl_window.get(), -1, SDL_RENDERER_SOFTWARE));
  if (!renderer) throw std::runtime_error(std::string("cannot draw in a window: ") + SDL_GetError());
  auto canvas = std::make_unique<SdlCanvas>(renderer.get(), m_resources);
  SDL_Window* shown = sdl_window.get();
  m_shown.erase(&window);
  m_shown.emplace(&window, Shown{std::move(sdl_window), std::move(renderer), std::move(canvas)});
  window.invalidate();
  apply_window_hints(shown, def.caption);
  SDL_ShowWindow(shown);
  if (m_accessibility) m_accessibility->window_opened(SDL_GetWindowID(shown), def.caption, screen_bounds(shown));
}

void SdlHost::window_unloaded(Window& window) {
  const auto shown = m_shown.find(&window);
  if (shown == m_shown.end()) return;
  if (m_accessibility) m_accessibility->window_closed(SDL_GetWindowID(shown->second.sdl_window.get()));
  m_shown.erase(shown);
}

PixelRect SdlHost::screen_bounds(SDL_Window* sdl_window) {
  PixelRect bounds;
  SDL_GetWindowPosition(sdl_window, &bounds.x, &bounds.y);
  SDL_GetWindowSize(sdl_window, &bounds.w, &bounds.h);
  return bounds;
}

bool SdlHost::reads_nodes() const { return m_accessibility && m_accessibility->listened_to(); }

void SdlHost::publish(const Window& window, const std::vector<SemanticNode>& nodes) {
  const auto shown =
      std::find_if(m_shown.begin(), m_shown.end(), [&](const auto& entry) { return entry.first == &window; });
  if (!m_accessibility || shown == m_shown.end()) return;
  m_accessibility->publish(SDL_GetWindowID(shown->second.sdl_window.get()), accessible_nodes(nodes, m_scale));
}

void SdlHost::announce(const std::string& words) {
  if (m_accessibility) m_accessibility->announce(words);
}

void SdlHost::show_fatal_error(const std::string& message) {
  std::fprintf(stderr, "metria: %s\n", message.c_str());
  SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_ERROR, "メトリア", message.c_str(), nullptr);
}

Window* SdlHost::window_for(std::uint32_t sdl_window_id) const {
  for (const auto& [window, shown] : m_shown)
    if (SDL_GetWindowID(shown.sdl_window.get()) == sdl_window_id) return window;
  return nullptr;
}

void SdlHost::expose(std::uint32_t sdl_window_id) {
  if (Window* window = window_for(sdl_window_id)) window->invalidate();
}

void SdlHost::moved(std::uint32_t sdl_window_id) {
  if (!m_accessibility) return;
  if (SDL_Window* sdl_window = SDL_GetWindowFromID(sdl_window_id); sdl_window && window_for(sdl_window_id))
    m_accessibility->window_moved(sdl_window_id, screen_bounds(sdl_window));
}

void SdlHost::show_pointer(Icon drag_icon) {
  SDL_Cursor* wanted = drag_icon != Icon::None && m_drag ? m_drag.get() : m_arrow.get();
  if (!wanted || wanted == m_current) return;
  SDL_SetCursor(wanted);
  m_current = wanted;
}

bool SdlHost::draw(Window& window) {
  const auto shown = m_shown.find(&window);
  if (shown == m_shown.end()) return false;
  paint_window(window, *shown->second.canvas, m_scale);
  SDL_RenderPresent(shown->second.renderer.get());
  m_presented_once = true;
  return true;
}

}  // namespace metria
