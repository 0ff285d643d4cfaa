// Mouse routing: the first visible control in the list whose rectangle holds the pointer gets the
// event, else the window; a control without a handler for the event swallows it.
#include "ui/mouse_router.h"

#include <cstdlib>

#include "ui/control.h"
#include "ui/window.h"

namespace metria {

namespace {

// How long a press held still on a card takes to pick it up, and how far the pointer may stray
// meanwhile (4 pixels: a hand's tremor, a finger's roll), in twips.
constexpr std::int64_t kHoldMs = 600;
constexpr int kStillTwips = 60;

void call(const std::function<void(int)>& handler, const Control& target) {
  if (handler) handler(target.index());
}

}  // namespace

void MouseRouter::handle(const PointerEvent& event) {
  switch (event.action) {
    case PointerAction::Move: pointer_moved(event.position); break;
    case PointerAction::Press: button_pressed(event.position, event.button); break;
    case PointerAction::Release: button_released(event.position, event.button); break;
  }
}

void MouseRouter::pointer_moved(Point p) {
  if (m_hold_due && (std::abs(p.x - m_pressed_at.x) > kStillTwips || std::abs(p.y - m_pressed_at.y) > kStillTwips))
    m_hold_due.reset();  // a drag after all
  Control* target = m_window.control_at(p);
  if (m_window.drag().active()) {
    m_window.drag().hover(target);
    return;
  }
  m_window.hover(target);
}

void MouseRouter::button_pressed(Point p, MouseButton button) {
  if (m_button_down) return;  // a second button while one is held changes nothing
  m_button_down = true;
  m_pressed_button = button;
  m_pressed = m_window.control_at(p);
  if (m_pressed) call(m_pressed->handlers().mouse_down, *m_pressed);
  if (m_pressed && !m_window.closed() && m_window.drag().source() == m_pressed) {
    m_hold_due = m_window.clock().now_ms() + kHoldMs;
    m_pressed_at = p;
  }
}

void MouseRouter::hold_elapsed() {
  m_hold_due.reset();
  const DragSession& drag = m_window.drag();
  if (m_button_down && m_pressed && drag.source() == m_pressed && !drag.by_keys()) m_window.focus().hold(*m_pressed);
}

void MouseRouter::button_released(Point p, MouseButton button) {
  if (!m_button_down || button != m_pressed_button) return;
  m_button_down = false;
  m_hold_due.reset();
  // A card the press picked up stays held for the next click.
  if (m_window.drag().by_keys()) {
    m_pressed = nullptr;
    return;
  }
  Control* target = m_window.control_at(p);
  if (m_window.drag().active()) {
    m_window.drag().drop(target);
    return;
  }
  Control* pressed = m_pressed;
  m_pressed = nullptr;
  if (target && target == pressed) call(target->handlers().click, *target);
}

void MouseRouter::reset() {
  m_button_down = false;
  m_pressed = nullptr;
  m_hold_due.reset();
}

}  // namespace metria
