// Real windows for the loaded screens: one fixed-size, centred SDL window per screen, drawn with
// the software renderer, and the pointer shapes (arrow, drag icon).
#pragma once

#include <cstdint>
#include <map>
#include <memory>

#include "app/window_host.h"
#include "platform/sdl/sdl_canvas.h"

struct SDL_Window;
struct SDL_Renderer;
struct SDL_Cursor;

namespace metria {

class Window;

class SdlHost final : public WindowHost {
 public:
  explicit SdlHost(SdlResources& resources);
  ~SdlHost() override;
  SdlHost(const SdlHost&) = delete;
  SdlHost& operator=(const SdlHost&) = delete;

  void window_shown(Window& window) override;
  void window_unloaded(Window& window) override;
  void show_fatal_error(const std::string& message) override;

  // The screen window behind an SDL window id, or null.
  Window* window_for(std::uint32_t sdl_window_id) const;
  // Draws every window that changed since its last frame, and sets the pointer shape.
  void present_changes();
  // The next frame of this window is drawn in full (it was uncovered).
  void expose(std::uint32_t sdl_window_id);
  bool presented_once() const { return m_presented_once; }

 private:
  struct Shown {
    SDL_Window* sdl_window;
    SDL_Renderer* renderer;
    std::unique_ptr<SdlCanvas> canvas;
  };
  SDL_Cursor* cursor_for(const Window& window);

  SdlResources& m_resources;
  std::map<Window*, Shown> m_shown;
  SDL_Cursor* m_arrow = nullptr;
  SDL_Cursor* m_drag = nullptr;
  SDL_Cursor* m_current = nullptr;
  bool m_presented_once = false;
};

}  // namespace metria
