// Preferences read on another thread, carried to the SDL thread as an event of their own, so that
// only the SDL thread calls the App.
#pragma once

#include "ui/preferences.h"

union SDL_Event;

namespace metria {

class App;

// Queues the Preferences for the SDL thread; callable from any thread once SDL is initialised.
void push_preferences_event(const Preferences& preferences);

// Hands the Preferences to the app when the event carries them; false for any other event.
bool deliver_preferences_event(App& app, const SDL_Event& event);

}  // namespace metria
