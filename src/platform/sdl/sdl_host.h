// Real windows for the loaded screens: one fixed-size, centred SDL window per screen, drawn with
// the software renderer at the display's scale, and the pointer shapes (arrow, drag icon).
#pragma once

#include <cstdint>
#include <map>
#include <memory>

#include "app/window_host.h"
#include "platform/sdl/event_translation.h"
#include "platform/sdl/sdl_canvas.h"
#include "platform/sdl/sdl_handles.h"

namespace metria {

class AccessibilityBridge;
class Window;

class SdlHost final : public WindowHost, public WindowLookup {
 public:
  // scale: device pixels per definition pixel, for every window of the run (see display_scale.h).
  // accessibility: where a screen reader may listen, what it is told of the windows; may be null.
  SdlHost(SdlResources& resources, double scale, AccessibilityBridge* accessibility = nullptr);
  SdlHost(const SdlHost&) = delete;
  SdlHost& operator=(const SdlHost&) = delete;

  void window_shown(Window& window) override;
  void window_unloaded(Window& window) override;
  bool draw(Window& window) override;
  void show_pointer(Icon drag_icon) override;
  void show_fatal_error(const std::string& message) override;
  bool reads_nodes() const override;
  void publish(const Window& window, const std::vector<SemanticNode>& nodes) override;
  void announce(const std::string& words) override;

  // WindowLookup.
  Window* window_for(std::uint32_t sdl_window_id) const override;
  double scale() const override { return m_scale; }
  void expose(std::uint32_t sdl_window_id) override;
  void moved(std::uint32_t sdl_window_id) override;

  bool presented_once() const { return m_presented_once; }
  // Prepares one more picture for drawing; false once every picture is ready.
  bool prepare_next_picture() { return m_resources.prepare_next_picture(m_scale); }

 private:
  // Members go in reverse order: the canvas frees its textures before the renderer that made
  // them, and the renderer goes before its window.
  struct Shown {
    WindowPtr sdl_window;
    RendererPtr renderer;
    std::unique_ptr<SdlCanvas> canvas;
  };
  // The drag icon as a pointer, enlarged to the scale; null where the driver has no colour cursors.
  CursorPtr drag_cursor(SDL_Surface* icon) const;
  // The window's client area on the screen, in pixels.
  static PixelRect screen_bounds(SDL_Window* sdl_window);

  SdlResources& m_resources;
  double m_scale;
  AccessibilityBridge* m_accessibility;
  CursorPtr m_arrow;
  CursorPtr m_drag;
  SDL_Cursor* m_current = nullptr;
  // Last, so that the windows close before the cursors they may show are freed.
  std::map<Window*, Shown> m_shown;
  bool m_presented_once = false;
};

}  // namespace metria
