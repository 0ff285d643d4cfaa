// SDL_mixer output. A missing device, file or decoder never stops a game: the cue stays silent.
#include "platform/sdl/sdl_sound_device.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <cstdio>

namespace metria {

namespace {

// Two loaded screens hold at most twelve players; the mixer goes through every channel on each
// buffer, so it gets no more than it can need.
constexpr int kChannels = 16;
constexpr int kBufferFrames = 512;  // about 12 ms at 44.1 kHz: a cue starts within one buffer

bool open_mixer() { return Mix_OpenAudio(MIX_DEFAULT_FREQUENCY, MIX_DEFAULT_FORMAT, 2, kBufferFrames) == 0; }

}  // namespace

SdlSoundDevice::Output::Output() {
  m_audio = SDL_InitSubSystem(SDL_INIT_AUDIO) == 0;
  m_open = m_audio && open_mixer();
  if (m_open) return;
  // SDL does not fall back by itself when the sound card cannot be opened: go on with the dummy
  // driver, so that timing and everything else behave the same, only silent.
  std::fprintf(stderr, "metria: warning: no sound output (%s); the cues stay silent\n", SDL_GetError());
  if (m_audio) SDL_QuitSubSystem(SDL_INIT_AUDIO);
  SDL_SetHint(SDL_HINT_AUDIODRIVER, "dummy");
  m_audio = SDL_InitSubSystem(SDL_INIT_AUDIO) == 0;
  m_open = m_audio && open_mixer();
}

SdlSoundDevice::Output::~Output() {
  if (m_open) Mix_CloseAudio();
  if (m_audio) SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

SdlSoundDevice::SdlSoundDevice() {
  if (m_output.open()) Mix_AllocateChannels(kChannels);
  for (int channel = 0; channel < kChannels; ++channel) m_free_channels.insert(channel);
}

PlayerId SdlSoundDevice::open_player() {
  const PlayerId id = m_next++;
  int channel = -1;
  if (!m_free_channels.empty()) {
    channel = *m_free_channels.begin();
    m_free_channels.erase(m_free_channels.begin());
  }
  m_players[id] = {channel};
  return id;
}

Mix_Chunk* SdlSoundDevice::chunk_for(const std::string& path) {
  const auto cached = m_chunks.find(path);
  if (cached != m_chunks.end()) return cached->second.get();
  ChunkPtr chunk(Mix_LoadWAV(path.c_str()));
  if (!chunk) std::fprintf(stderr, "metria: warning: cannot play %s (%s)\n", path.c_str(), Mix_GetError());
  return (m_chunks[path] = std::move(chunk)).get();
}

void SdlSoundDevice::load(PlayerId player, const std::string& path) {
  const auto found = m_players.find(player);
  if (found == m_players.end() || !m_output.open()) return;
  found->second.chunk = chunk_for(path);
}

void SdlSoundDevice::play(PlayerId player, int times) {
  const auto found = m_players.find(player);
  if (found == m_players.end() || !found->second.chunk || found->second.channel < 0) return;
  // A request on a sounding channel replaces what it plays: the cue starts again from its beginning.
  Mix_PlayChannel(found->second.channel, found->second.chunk, times - 1);
}

void SdlSoundDevice::halt(PlayerId player) {
  const auto found = m_players.find(player);
  if (found != m_players.end() && m_output.open() && found->second.channel >= 0) Mix_HaltChannel(found->second.channel);
}

void SdlSoundDevice::close_player(PlayerId player) {
  const auto found = m_players.find(player);
  if (found == m_players.end()) return;
  halt(player);
  if (found->second.channel >= 0) m_free_channels.insert(found->second.channel);
  m_players.erase(found);
}

}  // namespace metria
