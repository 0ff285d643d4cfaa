// The program's one thread: waits for input or the next timer deadline, delivers it, redraws.
#pragma once

namespace metria {

class App;
class Clock;
class SdlHost;

// Runs until the program ends. Never busy-waits: with no timer armed it sleeps until input.
void run_event_loop(App& app, SdlHost& host, const Clock& clock);

}  // namespace metria
