// Building a window from its definition, finding controls, and delivering input and ticks.
#include "ui/window.h"

#include <algorithm>
#include <stdexcept>
#include <string>

#include "sound/cue_player.h"

namespace metria {

Window::Window(const ScreenDef& def, const Clock& clock, SoundDevice& sound, InputMode& input,
               const Preferences& preferences)
    : m_def(def),
      m_clock(clock),
      m_sound(sound),
      m_input(input),
      m_preferences(preferences),
      m_router(*this),
      m_drag(*this),
      m_focus(*this) {
  m_controls.reserve(def.controls.size());
  for (const ControlDef& control : def.controls) m_controls.push_back(std::make_unique<Control>(control, *this));
}

Window::~Window() { close(); }

Control& Window::find(std::string_view name, int index) {
  if (Control* control = find_if_present(name, index)) return *control;
  throw std::out_of_range("no control " + std::string(name) + "(" + std::to_string(index) + ") on " + m_def.name);
}

Control* Window::find_if_present(std::string_view name, int index) {
  for (auto& control : m_controls)
    if (control->name() == name && control->index() == index) return control.get();
  return nullptr;
}

const Control& Window::find(std::string_view name, int index) const {
  return const_cast<Window*>(this)->find(name, index);
}

std::vector<Control*> Window::members(std::string_view name) {
  std::vector<Control*> found;
  for (auto& control : m_controls)
    if (control->name() == name) found.push_back(control.get());
  return found;
}

Control* Window::control_at(Point p) const {
  for (const auto& control : m_controls) {
    if (control->kind() == ControlKind::Timer || !control->visible()) continue;
    if (control->rect().contains(p)) return control.get();
  }
  return nullptr;
}

void Window::hover(Control* target) {
  if (target) {
    if (target->handlers().mouse_move) target->handlers().mouse_move(target->index());
  } else if (form_mouse_move) {
    form_mouse_move();
  }
}

void Window::pointer_event(const PointerEvent& event) {
  if (m_closed) return;
  // A held card (picked up by key, or by a press held still) is put down on the place a press
  // lands on; a press anywhere else puts it back before the pointer takes over, so that one card
  // at a time is in a drag and the drop that ends it is its own.
  if (event.action == PointerAction::Press && m_drag.by_keys()) {
    Control* target = control_at(event.position);
    if (target && target->drop_only()) {
      m_focus.put_down_on(*target);
      return;
    }
    m_focus.put_back();
  }
  if (!m_closed) m_router.handle(event);
}

void Window::key_event(const KeyEvent& event) {
  if (!m_closed) m_focus.key(event);
}

void Window::timer_changed(Control& timer) {
  if (m_closed) return;
  if (timer.interval() > 0) {
    m_timers.arm(timer, timer.interval(), m_clock.now_ms());
  } else {
    m_timers.disarm(timer);
  }
}

std::optional<std::int64_t> Window::next_timer_due() const {
  if (m_closed) return std::nullopt;
  const auto timer = m_timers.next_due(), hold = m_router.hold_due();
  if (!timer || !hold) return timer ? timer : hold;
  return std::min(*timer, *hold);
}

bool Window::fire_next_timer(std::int64_t now) {
  if (m_closed) return false;
  const auto timer_due = m_timers.next_due(), hold = m_router.hold_due();
  if (hold && *hold <= now && (!timer_due || *hold <= *timer_due)) {
    m_router.hold_elapsed();
    return true;
  }
  Control* timer = m_timers.take_due(now);
  if (!timer) return false;
  if (timer->handlers().timer) timer->handlers().timer(timer->index());
  return true;
}

void Window::close() {
  if (m_closed) return;
  m_closed = true;
  m_timers.clear();
  m_router.reset();
  m_drag.reset();
  m_focus.reset();
  for (auto& control : m_controls)
    if (control->kind() == ControlKind::SoundPlayer) control->player().release();
}

}  // namespace metria
