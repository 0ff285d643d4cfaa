// One hidden sound player of a screen: holds one cue file and plays it on request, never blocking.
#pragma once

#include <string>

#include "sound/sound_device.h"

namespace metria {

class CuePlayer {
 public:
  explicit CuePlayer(SoundDevice& device) : m_device(device), m_id(device.open_player()) {}
  ~CuePlayer() { release(); }
  CuePlayer(const CuePlayer&) = delete;
  CuePlayer& operator=(const CuePlayer&) = delete;

  const std::string& file_name() const { return m_file_name; }
  void set_file_name(std::string path);
  int play_count() const { return m_play_count; }
  void set_play_count(int count);
  void halt();
  void play();
  // The screen is unloaded: the player goes silent and is given back to the device.
  void release();

 private:
  SoundDevice& m_device;
  PlayerId m_id;
  std::string m_file_name;
  int m_play_count = 1;
  bool m_released = false;
};

}  // namespace metria
