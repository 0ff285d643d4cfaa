// Cue players over SDL_mixer: one mixer channel per open player, each file decoded once.
#pragma once

#include <map>
#include <set>
#include <string>

#include "sound/sound_device.h"

struct Mix_Chunk;

namespace metria {

class SdlSoundDevice final : public SoundDevice {
 public:
  // Opens the audio output; without a usable device the program goes on silent (one warning).
  SdlSoundDevice();
  ~SdlSoundDevice() override;
  SdlSoundDevice(const SdlSoundDevice&) = delete;
  SdlSoundDevice& operator=(const SdlSoundDevice&) = delete;

  PlayerId open_player() override;
  void load(PlayerId player, const std::string& path) override;
  void play(PlayerId player, int times) override;
  void halt(PlayerId player) override;
  void close_player(PlayerId player) override;

 private:
  struct Player {
    int channel;
    Mix_Chunk* chunk = nullptr;
  };
  Mix_Chunk* chunk_for(const std::string& path);

  bool m_open = false;
  std::map<PlayerId, Player> m_players;
  std::set<int> m_free_channels;
  std::map<std::string, Mix_Chunk*> m_chunks;  // null: the file could not be read (warned once)
  PlayerId m_next = 1;
};

}  // namespace metria
