// Shared operations of the screens on their controls and players.
#include "app/screen.h"

#include <stdexcept>

#include "app/fatal_error.h"
#include "sound/cue_player.h"

namespace metria {

Control& Screen::control(std::string_view name, int index) {
  if (!m_window) throw FatalError(std::string(screen_name(m_id)) + " is not loaded");
  return m_window->find(name, index);
}

const Control& Screen::control(std::string_view name, int index) const {
  return const_cast<Screen*>(this)->control(name, index);
}

void Screen::PreparePlayer(std::string_view name, const std::string& folder, std::string_view file_literal,
                           std::optional<int> play_count) {
  Control& player = control(name);
  player.set_visible(false);
  player.player().set_file_name(folder + std::string(file_literal));
  if (play_count) player.player().set_play_count(*play_count);
  player.player().halt();
}

void Screen::Play(std::string_view name) { control(name).player().play(); }

void Screen::Announce(std::string words) {
  if (m_window) m_window->announce(std::move(words));
}

void Screen::GoTo(ScreenId target) {
  app.Show(target);
  app.Unload(m_id);
}

}  // namespace metria
