// Cue players over SDL_mixer: one mixer channel per open player, each file decoded once.
#pragma once

#include <map>
#include <set>
#include <string>

#include "platform/sdl/sdl_handles.h"
#include "sound/sound_device.h"

namespace metria {

class SdlSoundDevice final : public SoundDevice {
 public:
  // Opens the audio output; without a usable device the program goes on silent (one warning).
  SdlSoundDevice();
  SdlSoundDevice(const SdlSoundDevice&) = delete;
  SdlSoundDevice& operator=(const SdlSoundDevice&) = delete;

  PlayerId open_player() override;
  void load(PlayerId player, const std::string& path) override;
  void play(PlayerId player, int times) override;
  void halt(PlayerId player) override;
  void close_player(PlayerId player) override;

 private:
  // SDL's audio subsystem and the mixer, open for as long as the device lives.
  class Output {
   public:
    Output();
    ~Output();
    Output(const Output&) = delete;
    Output& operator=(const Output&) = delete;
    bool open() const { return m_open; }

   private:
    bool m_audio = false;  // the audio subsystem is initialised
    bool m_open = false;   // the mixer is open
  };
  Mix_Chunk* chunk_for(const std::string& path);

  // First, so that the output closes only after every chunk is freed.
  Output m_output;
  struct Player {
    int channel;
    Mix_Chunk* chunk = nullptr;  // one of m_chunks
  };
  std::map<PlayerId, Player> m_players;
  std::set<int> m_free_channels;
  std::map<std::string, ChunkPtr> m_chunks;  // null: the file could not be read (warned once)
  PlayerId m_next = 1;
};

}  // namespace metria
