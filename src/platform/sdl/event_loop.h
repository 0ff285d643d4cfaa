// The program's one thread: waits for input or the next timer deadline, delivers it, redraws; lets
// the sound output go when it has been quiet for a while.
#pragma once

namespace metria {

class App;
class Clock;
class SdlHost;
class SdlSoundDevice;

// Runs until the program ends. Never busy-waits: with no timer armed and the sound output let go
// it sleeps until input.
void run_event_loop(App& app, SdlHost& host, SdlSoundDevice& sound, const Clock& clock);

}  // namespace metria
