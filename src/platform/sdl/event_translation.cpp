// SDL events to App calls.
#include "platform/sdl/event_translation.h"

#include <SDL.h>

#include <optional>
#include <string_view>

#include "app/app.h"
#include "platform/sdl/accessibility_bridge.h"
#include "platform/sdl/preferences_event.h"
#include "platform/sdl/x11_window_hints.h"
#include "ui/geometry.h"

namespace metria {

namespace {

// The three buttons of the screens' mouse events. The side buttons (back and forward, SDL's X1 and
// X2) are not among them: they belong to browsers and file managers and do nothing here.
std::optional<MouseButton> button_of(std::uint8_t sdl_button) {
  switch (sdl_button) {
    case SDL_BUTTON_LEFT: return MouseButton::Left;
    case SDL_BUTTON_RIGHT: return MouseButton::Right;
    case SDL_BUTTON_MIDDLE: return MouseButton::Middle;
    default: return std::nullopt;
  }
}

// SDL's key as a browser names it, the names the program's key rule reads; empty for a key the
// program has no use for.
std::string_view key_name(SDL_Keycode key) {
  switch (key) {
    case SDLK_TAB: return "Tab";
    case SDLK_LEFT: return "ArrowLeft";
    case SDLK_RIGHT: return "ArrowRight";
    case SDLK_UP: return "ArrowUp";
    case SDLK_DOWN: return "ArrowDown";
    case SDLK_RETURN:
    case SDLK_KP_ENTER: return "Enter";
    case SDLK_SPACE: return " ";
    case SDLK_ESCAPE: return "Escape";
    default: return {};
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
      if (Window* window = windows.window_for(event.button.windowID); window && button_of(event.button.button))
        app.pointer_event(*window, {PointerAction::Press, to_twips(event.button.x, event.button.y, scale),
                                    *button_of(event.button.button)});
      break;
    case SDL_MOUSEBUTTONUP:
      if (Window* window = windows.window_for(event.button.windowID); window && button_of(event.button.button))
        app.pointer_event(*window, {PointerAction::Release, to_twips(event.button.x, event.button.y, scale),
                                    *button_of(event.button.button)});
      break;
    case SDL_KEYDOWN:
      if (Window* window = windows.window_for(event.key.windowID))
        app.key_press(*window, {.name = key_name(event.key.keysym.sym),
                                .repeat = event.key.repeat != 0,
                                .shift = (event.key.keysym.mod & KMOD_SHIFT) != 0,
                                .command = (event.key.keysym.mod & (KMOD_CTRL | KMOD_ALT | KMOD_GUI)) != 0});
      break;
    case SDL_WINDOWEVENT:
      if (event.window.event == SDL_WINDOWEVENT_CLOSE) {
        if (Window* window = windows.window_for(event.window.windowID)) app.close_requested(*window);
      } else if (event.window.event == SDL_WINDOWEVENT_EXPOSED) {
        windows.expose(event.window.windowID);
      } else if (event.window.event == SDL_WINDOWEVENT_MOVED || event.window.event == SDL_WINDOWEVENT_SIZE_CHANGED) {
        // A window manager that puts a window in full screen moves it, and may change its size.
        if (SDL_Window* sdl_window = SDL_GetWindowFromID(event.window.windowID)) leave_full_screen(sdl_window);
        windows.moved(event.window.windowID);
      }
      break;
    case SDL_QUIT:
      // Asked to stop from outside (a signal, the session ending): as if every window were closed.
      app.End();
      break;
    default:  // SDL_FINGER* among them: their mouse events carry the same input
      deliver_preferences_event(app, event);
      // A screen reader's requests, made on the accessibility bridge's thread.
      if (is_accessibility_event(event)) deliver_accessibility_requests(app, windows, event);
      break;
  }
}

}  // namespace metria
