// One SDL event to the application frame: pointer pixels become twips of the window's client area.
#pragma once

#include <cstdint>

union SDL_Event;

namespace metria {

class App;
class Window;

// What translating an event needs of the windows on screen.
class WindowLookup {
 public:
  virtual ~WindowLookup() = default;
  // The screen window behind an SDL window id, or null (an event for a window already gone).
  virtual Window* window_for(std::uint32_t sdl_window_id) const = 0;
  // Device pixels per definition pixel.
  virtual double scale() const = 0;
  // The window was uncovered: draw its next frame in full.
  virtual void expose(std::uint32_t sdl_window_id) = 0;
  // The window moved on the screen (what a screen reader is told of where things are follows it).
  virtual void moved(std::uint32_t /*sdl_window_id*/) {}
};

// Touch and pen input arrives as the mouse events SDL makes of it (SDL_HINT_TOUCH_MOUSE_EVENTS);
// finger events themselves are ignored, so that a tap counts once.
void deliver_event(App& app, WindowLookup& windows, const SDL_Event& event);

}  // namespace metria
