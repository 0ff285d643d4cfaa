// The program's one thread: sleeps until input, the next timer deadline or the moment the sound
// output is to be let go, delivers, then steps the frame (due ticks, changed windows drawn).
#include "platform/sdl/event_loop.h"

#include <SDL.h>

#include <algorithm>
#include <limits>
#include <optional>

#include "app/app.h"
#include "platform/sdl/event_translation.h"
#include "platform/sdl/sdl_host.h"
#include "platform/sdl/sdl_sound_device.h"

namespace metria {

namespace {

// Time enough before the next tick to prepare one picture without delaying it.
constexpr std::int64_t kSpareMsForPreparing = 20;

std::optional<std::int64_t> earliest(std::optional<std::int64_t> a, std::optional<std::int64_t> b) {
  if (!a || !b) return a ? a : b;
  return std::min(*a, *b);
}

}  // namespace

void run_event_loop(App& app, SdlHost& host, SdlSoundDevice& sound, const Clock& clock) {
  while (app.running()) {
    const auto ticks_due = app.step(clock.now_ms());
    if (!app.running()) break;
    // After the step, whose ticks may have played a cue: the output goes once it has been quiet.
    const auto due = earliest(ticks_due, sound.release_when_quiet());
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
