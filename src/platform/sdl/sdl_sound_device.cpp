// SDL_mixer output. A missing device, file or decoder never stops a game: the cue stays silent.
#include "platform/sdl/sdl_sound_device.h"

#include <SDL_mixer.h>

#include <algorithm>
#include <cstdio>

namespace metria {

SdlSoundDevice::SdlSoundDevice(const Clock& clock) : m_clock(clock) {
  open_output();
  for (int channel = 0; channel < AudioOutput::kChannels; ++channel) m_free_channels.insert(channel);
}

bool SdlSoundDevice::open_output() {
  if (m_output.is_open()) return true;
  if (!m_output.open()) return false;
  m_opened_at = m_clock.now_ms();
  m_sounding_until.fill(m_opened_at);
  // A different device may play another format: the chunks are decoded again for it.
  if (m_output.format() != m_chunk_format) {
    m_chunks.clear();
    m_chunk_format = m_output.format();
  }
  return true;
}

std::optional<std::int64_t> SdlSoundDevice::release_when_quiet() {
  if (!m_output.is_open()) return std::nullopt;
  const std::int64_t due = *std::max_element(m_sounding_until.begin(), m_sounding_until.end()) + kLingerMs;
  if (m_clock.now_ms() < due) return due;
  m_output.close();
  return std::nullopt;
}

PlayerId SdlSoundDevice::open_player() {
  const PlayerId id = m_next++;
  int channel = -1;
  if (!m_free_channels.empty()) {
    channel = *m_free_channels.begin();
    m_free_channels.erase(m_free_channels.begin());
  }
  m_players[id] = {channel, ""};
  return id;
}

// Decoding needs the output's format: a file loaded while the output is let go is decoded at its
// first play.
Mix_Chunk* SdlSoundDevice::chunk_for(const std::string& path) {
  const auto cached = m_chunks.find(path);
  if (cached != m_chunks.end()) return cached->second.get();
  ChunkPtr chunk(Mix_LoadWAV(path.c_str()));
  if (!chunk) std::fprintf(stderr, "metria: warning: cannot play %s (%s)\n", path.c_str(), Mix_GetError());
  return (m_chunks[path] = std::move(chunk)).get();
}

void SdlSoundDevice::load(PlayerId player, const std::string& path) {
  const auto found = m_players.find(player);
  if (found == m_players.end()) return;
  found->second.path = path;
  if (m_output.is_open()) chunk_for(path);
}

void SdlSoundDevice::play(PlayerId player, int times) {
  const auto found = m_players.find(player);
  if (found == m_players.end() || found->second.path.empty() || found->second.channel < 0) return;
  if (!open_output()) return;
  Mix_Chunk* chunk = chunk_for(found->second.path);
  if (!chunk) return;
  // A request on a sounding channel replaces what it plays: the cue starts again from its beginning.
  Mix_PlayChannel(found->second.channel, chunk, times - 1);
  const std::int64_t bytes = std::int64_t{chunk->alen} * times, per_second = m_output.bytes_per_second();
  m_sounding_until[found->second.channel] = m_clock.now_ms() + (bytes * 1000 + per_second - 1) / per_second;
}

void SdlSoundDevice::halt(PlayerId player) {
  const auto found = m_players.find(player);
  if (found == m_players.end() || !m_output.is_open() || found->second.channel < 0) return;
  Mix_HaltChannel(found->second.channel);
  std::int64_t& until = m_sounding_until[found->second.channel];
  until = std::min(until, m_clock.now_ms());
}

void SdlSoundDevice::close_player(PlayerId player) {
  const auto found = m_players.find(player);
  if (found == m_players.end()) return;
  halt(player);
  if (found->second.channel >= 0) m_free_channels.insert(found->second.channel);
  m_players.erase(found);
}

}  // namespace metria
