// Cue players over SDL_mixer: one mixer channel per open player, each file decoded once. The audio
// output is open only while cues sound and for a moment after.
#pragma once

#include <array>
#include <cstdint>
#include <map>
#include <optional>
#include <set>
#include <string>

#include "platform/sdl/audio_output.h"
#include "platform/sdl/sdl_handles.h"
#include "sound/sound_device.h"
#include "ui/clock.h"

namespace metria {

class SdlSoundDevice final : public SoundDevice {
 public:
  // How long the output stays open after the last cue stopped sounding: a screen's next cue
  // usually follows within this, and then finds the output open.
  static constexpr std::int64_t kLingerMs = 2000;

  // Opens the audio output; without a usable device the program goes on silent (one warning).
  explicit SdlSoundDevice(const Clock& clock);
  SdlSoundDevice(const SdlSoundDevice&) = delete;
  SdlSoundDevice& operator=(const SdlSoundDevice&) = delete;

  PlayerId open_player() override;
  void load(PlayerId player, const std::string& path) override;
  // Opens the output again if it was let go; a device that cannot be opened leaves the cue silent.
  void play(PlayerId player, int times) override;
  void halt(PlayerId player) override;
  void close_player(PlayerId player) override;

  // Lets the output go once nothing has sounded for kLingerMs, so that no audio thread runs while
  // a screen waits. Returns when to call again: none once the output is let go (only a play opens
  // it again).
  std::optional<std::int64_t> release_when_quiet();
  bool output_open() const { return m_output.is_open(); }

 private:
  bool open_output();
  Mix_Chunk* chunk_for(const std::string& path);

  const Clock& m_clock;
  // First, so that the output closes only after every chunk is freed.
  AudioOutput m_output;
  struct Player {
    int channel;
    std::string path;  // decoded when the output is open (see chunk_for)
  };
  std::map<PlayerId, Player> m_players;
  std::set<int> m_free_channels;
  std::map<std::string, ChunkPtr> m_chunks;  // null: the file could not be read (warned once)
  AudioFormat m_chunk_format;                // what m_chunks were decoded for
  // Since when the output is open, and per channel until when its cue sounds.
  std::int64_t m_opened_at = 0;
  std::array<std::int64_t, AudioOutput::kChannels> m_sounding_until{};
  PlayerId m_next = 1;
};

}  // namespace metria
