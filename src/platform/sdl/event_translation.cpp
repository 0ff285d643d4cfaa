// SDL events to App calls.
#include "platform/sdl/event_translation.h"

#include <SDL.h>

#include "app/app.h"
#include "ui/geometry.h"

namespace metria {

namespace {

MouseButton button_of(std::uint8_t sdl_button) {
  switch (sdl_button) {
    case SDL_BUTTON_RIGHT: return MouseButton::Right;
    case SDL_BUTTON_MIDDLE: return MouseButton::Middle;
    default: return MouseButton::Left;
  }
}

}  // namespace

void deliver_event(App& app, WindowLookup& windows, const SDL_Event& event) {
  const double scale = windows.scale();
  switch (event.type) {
    case SDL_MOUSEMOTION:
      if (Window* window = windows.window_for(event.motion.windowID))
        app.pointer_event(*window, {PointerAction::Move, to_twips(event.motion.x, event.motion.y, scale)});
      break;
    case SDL_MOUSEBUTTONDOWN:
      if (Window* window = windows.window_for(event.button.windowID))
        app.pointer_event(*window, {PointerAction::Press, to_twips(event.button.x, event.button.y, scale),
                                    button_of(event.button.button)});
      break;
    case SDL_MOUSEBUTTONUP:
      if (Window* window = windows.window_for(event.button.windowID))
        app.pointer_event(*window, {PointerAction::Release, to_twips(event.button.x, event.button.y, scale),
                                    button_of(event.button.button)});
      break;
    case SDL_WINDOWEVENT:
      if (event.window.event == SDL_WINDOWEVENT_CLOSE) {
        if (Window* window = windows.window_for(event.window.windowID)) app.close_requested(*window);
      } else if (event.window.event == SDL_WINDOWEVENT_EXPOSED) {
        windows.expose(event.window.windowID);
      }
      break;
    case SDL_QUIT:
      // Asked to stop from outside (a signal, the session ending): as if every window were closed.
      app.End();
      break;
    default: break;  // SDL_FINGER* among them: their mouse events carry the same input
  }
}

}  // namespace metria
