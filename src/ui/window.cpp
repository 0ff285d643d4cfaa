// Building a window from its definition, finding controls, and delivering input and ticks.
#include "ui/window.h"

#include <stdexcept>
#include <string>

#include "sound/cue_player.h"

namespace metria {

Window::Window(const ScreenDef& def, const Clock& clock, SoundDevice& sound)
    : m_def(def), m_clock(clock), m_sound(sound), m_router(*this), m_drag(*this), m_focus(*this) {
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

void Window::pointer_event(const PointerEvent& event) {
  if (m_closed) return;
  // A card held by key goes back before the pointer takes over, so that one card at a time is
  // in a drag and the drop that ends it is its own.
  if (event.action == PointerAction::Press && m_drag.by_keys()) m_focus.put_back();
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
  return m_timers.next_due();
}

bool Window::fire_next_timer(std::int64_t now) {
  if (m_closed) return false;
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
