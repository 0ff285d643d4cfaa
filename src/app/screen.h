// A screen object: one per screen for the whole run. Its fields survive unloads; its window and
// controls exist only while it is loaded.
#pragma once

#include <optional>
#include <string_view>

#include "app/app_context.h"
#include "app/event_table.h"
#include "ui/screen_def.h"
#include "ui/window.h"

namespace metria {

class Screen {
 public:
  Screen(AppContext& context, ScreenId id) : app(context), m_id(id) {}
  virtual ~Screen() = default;
  Screen(const Screen&) = delete;
  Screen& operator=(const Screen&) = delete;

  ScreenId id() const { return m_id; }
  virtual const ScreenDef& definition() const = 0;
  // Connects the handlers of this screen to the controls of a freshly built window.
  virtual void wire(EventTable& table) = 0;
  virtual void Form_Load() = 0;

  bool loaded() const { return m_window != nullptr; }
  Window* window() { return m_window; }
  const Window* window() const { return m_window; }
  // Called by the application frame on load and unload.
  void attach(Window* window) { m_window = window; }

  // Controls of the loaded window, by name and Index.
  Control& control(std::string_view name, int index = kNoIndex);
  const Control& control(std::string_view name, int index = kNoIndex) const;

 protected:
  // Prepares a sound player: hidden, given its cue file under `folder`, the play count where one
  // is given (else it keeps the one it has), then halted, so the screen loads silent and a cue
  // left sounding stops.
  void PreparePlayer(std::string_view name, const std::string& folder, std::string_view file_literal,
                     std::optional<int> play_count = std::nullopt);
  // Plays the player's cue from its beginning; returns at once.
  void Play(std::string_view name);
  // Tells a screen reader what changed where the focus is not (see spoken_words.h).
  void Announce(std::string words);
  // Goes to another screen: shows it, then unloads this one.
  void GoTo(ScreenId target);

  AppContext& app;

 private:
  ScreenId m_id;
  Window* m_window = nullptr;
};

}  // namespace metria
