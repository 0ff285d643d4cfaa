// Where cue players make their sound: SDL_mixer in the program, a recording fake in tests.
#pragma once

#include <string>

namespace metria {

using PlayerId = int;

class SoundDevice {
 public:
  virtual ~SoundDevice() = default;
  virtual PlayerId open_player() = 0;
  // Holds the file for later plays without sounding it. A file that cannot be read leaves the
  // player silent (one warning on stderr); nothing else depends on a cue having sounded.
  virtual void load(PlayerId player, const std::string& path) = 0;
  // Plays the held file from its beginning, `times` times back to back; returns at once. A new
  // request on a player that is still sounding restarts it.
  virtual void play(PlayerId player, int times) = 0;
  virtual void halt(PlayerId player) = 0;
  // Silences the player and forgets it.
  virtual void close_player(PlayerId player) = 0;
};

}  // namespace metria
