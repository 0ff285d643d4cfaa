// SDL events to the application frame.
#include "platform/sdl/event_loop.h"

#include <SDL.h>

#include <algorithm>
#include <limits>

#include "app/app.h"
#include "platform/sdl/sdl_host.h"
#include "ui/window.h"

namespace metria {

namespace {

MouseButton button_of(std::uint8_t sdl_button) {
  switch (sdl_button) {
    case SDL_BUTTON_RIGHT: return MouseButton::Right;
    case SDL_BUTTON_MIDDLE: return MouseButton::Middle;
    default: return MouseButton::Left;
  }
}

void deliver(App& app, SdlHost& host, const SDL_Event& event) {
  switch (event.type) {
    case SDL_MOUSEMOTION:
      if (Window* window = host.window_for(event.motion.windowID))
        app.pointer_moved(*window, to_twips(event.motion.x, event.motion.y));
      break;
    case SDL_MOUSEBUTTONDOWN:
      if (Window* window = host.window_for(event.button.windowID))
        app.button_pressed(*window, to_twips(event.button.x, event.button.y), button_of(event.button.button));
      break;
    case SDL_MOUSEBUTTONUP:
      if (Window* window = host.window_for(event.button.windowID))
        app.button_released(*window, to_twips(event.button.x, event.button.y), button_of(event.button.button));
      break;
    case SDL_WINDOWEVENT:
      if (event.window.event == SDL_WINDOWEVENT_CLOSE) {
        if (Window* window = host.window_for(event.window.windowID)) app.close_requested(*window);
      } else if (event.window.event == SDL_WINDOWEVENT_EXPOSED) {
        host.expose(event.window.windowID);
      }
      break;
    case SDL_QUIT:
      // Asked to stop from outside (a signal, the session ending): as if every window were closed.
      app.End();
      break;
    default: break;
  }
}

}  // namespace

void run_event_loop(App& app, SdlHost& host, const Clock& clock) {
  while (app.running()) {
    host.present_changes();
    SDL_Event event;
    const auto due = app.next_timer_due();
    bool got_event = false;
    if (!due) {
      got_event = SDL_WaitEvent(&event) == 1;
    } else {
      const std::int64_t wait = std::clamp<std::int64_t>(*due - clock.now_ms(), 0, std::numeric_limits<int>::max());
      got_event = wait > 0 ? SDL_WaitEventTimeout(&event, static_cast<int>(wait)) == 1 : SDL_PollEvent(&event) == 1;
    }
    if (got_event) {
      deliver(app, host, event);
      while (app.running() && SDL_PollEvent(&event)) deliver(app, host, event);
    }
    app.run_due_timers(clock.now_ms());
  }
}

}  // namespace metria
