// Cue players over Web Audio (page_bridge.js): each cue fetched and decoded once per page, plays
// never block, and a page without sound goes on silently.
#pragma once

#include <set>

#include "sound/sound_device.h"

namespace metria::web {

class WebSoundDevice final : public SoundDevice {
 public:
  ~WebSoundDevice() override;

  PlayerId open_player() override;
  void load(PlayerId player, const std::string& path) override;
  void play(PlayerId player, int times) override;
  void halt(PlayerId player) override;
  void close_player(PlayerId player) override;

 private:
  std::set<PlayerId> m_open;
  PlayerId m_next = 1;
};

}  // namespace metria::web
