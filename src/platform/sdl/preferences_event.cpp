// The Preferences travel in the user event's code, one bit each.
#include "platform/sdl/preferences_event.h"

#include <SDL.h>

#include "app/app.h"

namespace metria {

namespace {

constexpr Sint32 kReducedMotionBit = 1;
constexpr Sint32 kHighContrastBit = 2;

// Registered on first use; (Uint32)-1 when SDL has no event numbers left.
Uint32 preferences_event_type() {
  static const Uint32 type = SDL_RegisterEvents(1);
  return type;
}

}  // namespace

void push_preferences_event(const Preferences& preferences) {
  if (preferences_event_type() == static_cast<Uint32>(-1)) return;
  SDL_Event event{};
  event.user.type = preferences_event_type();
  event.user.code =
      (preferences.reduced_motion ? kReducedMotionBit : 0) | (preferences.high_contrast ? kHighContrastBit : 0);
  SDL_PushEvent(&event);
}

bool deliver_preferences_event(App& app, const SDL_Event& event) {
  if (event.type != preferences_event_type()) return false;
  app.preferences_changed({.reduced_motion = (event.user.code & kReducedMotionBit) != 0,
                           .high_contrast = (event.user.code & kHighContrastBit) != 0});
  return true;
}

}  // namespace metria
