// Drawing the harness's windows the way the program draws its real ones: the project's SdlCanvas
// on SDL's software renderer, over an in-memory surface instead of an X window, so redraw times
// can be measured headless. One surface, renderer and canvas per loaded window, as the program
// keeps one SDL window, renderer and canvas per shown screen; fonts and pictures are shared.
#pragma once

#include <memory>

#include "platform/sdl/sdl_canvas.h"

struct SDL_Renderer;
struct SDL_Surface;

namespace metria {
class Window;
}

namespace metria::bench {

// Starts SDL (dummy video and audio drivers), SDL_ttf and SDL_image for the whole process.
void start_sdl_headless();

class OffscreenDisplay {
 public:
  OffscreenDisplay();
  ~OffscreenDisplay();
  OffscreenDisplay(const OffscreenDisplay&) = delete;
  OffscreenDisplay& operator=(const OffscreenDisplay&) = delete;

  // What the program's host does after every event: if the window changed since its last frame,
  // paint it and present it. A window seen for the first time gets a fresh target and canvas
  // (empty text cache), as a newly shown screen does.
  void present_changes(Window& window);
  // A full frame of the window, whether it changed or not (the cache of its canvas stays warm).
  void redraw(Window& window);
  // Drops the current target: the next window starts cold even if it sits at the same address.
  void forget_window() { release_target(); }

 private:
  void target_for(Window& window);
  void release_target();

  SdlResources m_resources;
  const Window* m_window = nullptr;
  SDL_Surface* m_surface = nullptr;
  SDL_Renderer* m_renderer = nullptr;
  std::unique_ptr<SdlCanvas> m_canvas;
};

// The one display of the process, as the program has one set of fonts and pictures per run.
OffscreenDisplay& shared_display();

}  // namespace metria::bench
