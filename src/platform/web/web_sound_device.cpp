// Cue players: the page keeps the decoded cues and the sounding sources; this side keeps the ids.
#include "platform/web/web_sound_device.h"

#include "platform/web/page_bridge.h"

namespace metria::web {

WebSoundDevice::~WebSoundDevice() {
  for (const PlayerId player : m_open) metria_sound_halt(player);
}

PlayerId WebSoundDevice::open_player() {
  m_open.insert(m_next);
  return m_next++;
}

void WebSoundDevice::load(PlayerId player, const std::string& path) {
  if (m_open.count(player)) metria_sound_load(player, path.c_str());
}

void WebSoundDevice::play(PlayerId player, int times) {
  if (m_open.count(player) && times > 0) metria_sound_play(player, times);
}

void WebSoundDevice::halt(PlayerId player) {
  if (m_open.count(player)) metria_sound_halt(player);
}

void WebSoundDevice::close_player(PlayerId player) {
  if (m_open.erase(player)) metria_sound_halt(player);
}

}  // namespace metria::web
