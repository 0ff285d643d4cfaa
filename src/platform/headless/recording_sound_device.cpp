// Recording of cue player requests.
#include "platform/headless/recording_sound_device.h"

#include <stdexcept>

namespace metria::headless {

std::string file_stem(const std::string& path) {
  const auto slash = path.find_last_of('/');
  std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
  const auto dot = name.rfind('.');
  return dot == std::string::npos ? name : name.substr(0, dot);
}

PlayerId RecordingSoundDevice::open_player() {
  m_files[m_next] = "";
  return m_next++;
}

void RecordingSoundDevice::load(PlayerId player, const std::string& path) {
  if (!m_files.contains(player)) throw std::logic_error("load on a closed player");
  m_files[player] = path;
  m_events.push_back({Kind::Load, player, path});
}

void RecordingSoundDevice::play(PlayerId player, int times) {
  if (!m_files.contains(player)) throw std::logic_error("play on a closed player");
  if (m_files[player].empty()) throw std::logic_error("play on a player without a file");
  m_events.push_back({Kind::Play, player, m_files[player], times});
}

void RecordingSoundDevice::halt(PlayerId player) {
  if (!m_files.contains(player)) throw std::logic_error("halt on a closed player");
  m_events.push_back({Kind::Halt, player, m_files[player]});
}

void RecordingSoundDevice::close_player(PlayerId player) {
  const auto found = m_files.find(player);
  if (found == m_files.end()) throw std::logic_error("player closed twice");
  m_events.push_back({Kind::Close, player, found->second});
  m_files.erase(found);
}

std::vector<std::string> RecordingSoundDevice::played() const {
  std::vector<std::string> cues;
  for (const Event& e : m_events)
    if (e.kind == Kind::Play) cues.push_back(file_stem(e.file));
  return cues;
}

}  // namespace metria::headless
