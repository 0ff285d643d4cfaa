// Cue players forward to the sound device; a released player ignores every further request.
#include "sound/cue_player.h"

#include <stdexcept>

namespace metria {

void CuePlayer::set_file_name(std::string path) {
  if (m_released) return;
  m_file_name = std::move(path);
  m_device.load(m_id, m_file_name);
}

void CuePlayer::set_play_count(int count) {
  if (count < 1) throw std::invalid_argument("play count below 1");
  m_play_count = count;
}

void CuePlayer::halt() {
  if (!m_released) m_device.halt(m_id);
}

void CuePlayer::play() {
  if (!m_released && !m_file_name.empty()) m_device.play(m_id, m_play_count);
}

void CuePlayer::release() {
  if (m_released) return;
  m_released = true;
  m_device.close_player(m_id);
}

}  // namespace metria
