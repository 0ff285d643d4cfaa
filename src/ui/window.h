// A loaded screen: the window built from a screen definition, owning its controls, timers and
// mouse routing. Screen logic changes the controls' properties and handles their events.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "ui/clock.h"
#include "ui/control.h"
#include "ui/drag_session.h"
#include "ui/input_mode.h"
#include "ui/key_event.h"
#include "ui/keyboard_focus.h"
#include "ui/mouse_router.h"
#include "ui/preferences.h"
#include "ui/screen_def.h"
#include "ui/timer_queue.h"

namespace metria {

class SoundDevice;

class Window {
 public:
  // input: the run's one state of the keys, which the window's focus reads and a first key sets;
  // preferences: what the system asks of the look, as it is now.
  Window(const ScreenDef& def, const Clock& clock, SoundDevice& sound, InputMode& input,
         const Preferences& preferences);
  ~Window();
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;

  const ScreenDef& definition() const { return m_def; }
  const Clock& clock() const { return m_clock; }

  // A control by name, or an array member by name and Index, wherever it stands in the list.
  // Throws std::out_of_range for a name the definition does not hold.
  Control& find(std::string_view name, int index = kNoIndex);
  const Control& find(std::string_view name, int index = kNoIndex) const;
  // The same, or null: for names that come from outside the program (a page's elements).
  Control* find_if_present(std::string_view name, int index);
  // Every member of an array (or the single control) with this name.
  std::vector<Control*> members(std::string_view name);
  // Front to back.
  const std::vector<std::unique_ptr<Control>>& controls() const { return m_controls; }
  // The control that gets the mouse at p: the first visible label, image or player holding it.
  Control* control_at(Point p) const;

  // Window-level handlers: Form_MouseMove and Form_DragDrop.
  std::function<void()> form_mouse_move, form_drag_drop;

  // The pointer, or the focus ring, rests on the control (null: on the window itself): its
  // MouseMove runs; a control without one swallows the move.
  void hover(Control* target);

  // Pointer input, in twips of the client area, and keys.
  void pointer_event(const PointerEvent& event);
  void key_event(const KeyEvent& event);
  DragSession& drag() { return m_drag; }
  const DragSession& drag() const { return m_drag; }
  bool dragging() const { return m_drag.active(); }
  Icon drag_cursor() const { return m_drag.cursor(); }
  const Preferences& preferences() const { return m_preferences; }
  InputMode& input_mode() { return m_input; }
  const InputMode& input_mode() const { return m_input; }
  KeyboardFocus& focus() { return m_focus; }
  const KeyboardFocus& focus() const { return m_focus; }

  // Timers.
  void timer_changed(Control& timer);
  std::optional<std::int64_t> next_timer_due() const;
  // Delivers the earliest tick due at or before now; false when none is due.
  bool fire_next_timer(std::int64_t now);
  bool timer_armed(const Control& timer) const { return m_timers.armed(timer); }

  SoundDevice& sound() { return m_sound; }

  // Short words for a screen reader on what changed without the focus moving; the frame's step
  // hands them on.
  void announce(std::string words) { m_announcements.push_back(std::move(words)); }
  std::vector<std::string> take_announcements() { return std::exchange(m_announcements, {}); }

  // Something visible changed since the last frame.
  bool needs_redraw() const { return m_needs_redraw; }
  void invalidate() { m_needs_redraw = m_meaning_changed = true; }
  void mark_drawn() { m_needs_redraw = false; }
  // Something a screen reader is told may have changed since the nodes were last worked out: what
  // shows, what acts, the focus, a card held. Only then are they worked out again.
  bool meaning_changed() const { return m_meaning_changed; }
  void note_meaning_changed() { m_meaning_changed = true; }
  void mark_described() { m_meaning_changed = false; }

  // Unloading: timers stop, sounds go silent, no further event is delivered.
  void close();
  bool closed() const { return m_closed; }

 private:
  const ScreenDef& m_def;
  const Clock& m_clock;
  SoundDevice& m_sound;
  InputMode& m_input;
  const Preferences& m_preferences;
  std::vector<std::unique_ptr<Control>> m_controls;
  MouseRouter m_router;
  DragSession m_drag;
  KeyboardFocus m_focus;
  TimerQueue m_timers;
  std::vector<std::string> m_announcements;
  bool m_needs_redraw = true;
  bool m_meaning_changed = true;
  bool m_closed = false;
};

}  // namespace metria
