// A sound device that records what the cue players ask of it instead of making sound.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "sound/sound_device.h"

namespace metria::headless {

class RecordingSoundDevice final : public SoundDevice {
 public:
  enum class Kind { Load, Play, Halt, Close };
  struct Event {
    Kind kind;
    PlayerId player;
    std::string file;  // the file the player holds
    int times = 0;     // for Play
    friend bool operator==(const Event&, const Event&) = default;
  };

  PlayerId open_player() override;
  void load(PlayerId player, const std::string& path) override;
  void play(PlayerId player, int times) override;
  void halt(PlayerId player) override;
  void close_player(PlayerId player) override;

  const std::vector<Event>& events() const { return m_events; }
  // The cues played, by file stem ("kame1", "o"…), in order; a play of n times counts once.
  std::vector<std::string> played() const;
  // Players still open (their screen is loaded).
  int open_players() const { return static_cast<int>(m_files.size()); }
  void clear() { m_events.clear(); }

 private:
  std::map<PlayerId, std::string> m_files;
  std::vector<Event> m_events;
  PlayerId m_next = 1;
};

std::string file_stem(const std::string& path);

}  // namespace metria::headless
