// The program's one thread: sleeps until input or the next timer deadline, delivers, then steps
// the frame (due ticks, changed windows drawn).
#include "platform/sdl/event_loop.h"

#include <SDL.h>

#include <algorithm>
#include <limits>

#include "app/app.h"
#include "platform/sdl/event_translation.h"
#include "platform/sdl/sdl_host.h"

namespace metria {

namespace {

// Time enough before the next tick to prepare one picture without delaying it.
constexpr std::int64_t kSpareMsForPreparing = 20;

}  // namespace

void run_event_loop(App& app, SdlHost& host, const Clock& clock) {
  while (app.running()) {
    const auto due = app.step(clock.now_ms());
    if (!app.running()) break;
    SDL_Event event;
    // Once the first frame is up, idle moments prepare the pictures of the other screens, one at
    // a time, so that opening a screen later costs only its own window.
    while (host.presented_once() && !SDL_HasEvents(SDL_FIRSTEVENT, SDL_LASTEVENT) &&
           (!due || *due - clock.now_ms() > kSpareMsForPreparing) && host.prepare_next_picture()) {
    }
    bool got_event = false;
    if (!due) {
      got_event = SDL_WaitEvent(&event) == 1;
    } else {
      const std::int64_t wait = std::clamp<std::int64_t>(*due - clock.now_ms(), 0, std::numeric_limits<int>::max());
      got_event = wait > 0 ? SDL_WaitEventTimeout(&event, static_cast<int>(wait)) == 1 : SDL_PollEvent(&event) == 1;
    }
    if (got_event) {
      deliver_event(app, host, event);
      while (app.running() && SDL_PollEvent(&event)) deliver_event(app, host, event);
    }
  }
}

}  // namespace metria
