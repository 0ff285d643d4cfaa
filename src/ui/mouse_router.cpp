// Mouse routing: the first visible control in the list whose rectangle holds the pointer gets the
// event, else the window; a control without a handler for the event swallows it.
#include "ui/mouse_router.h"

#include "ui/control.h"
#include "ui/window.h"

namespace metria {

namespace {

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
  Control* target = m_window.control_at(p);
  if (m_window.drag().active()) {
    m_window.drag().hover(target);
    return;
  }
  if (target) {
    call(target->handlers().mouse_move, *target);
  } else if (m_window.form_mouse_move) {
    m_window.form_mouse_move();
  }
}

void MouseRouter::button_pressed(Point p, MouseButton button) {
  if (m_button_down) return;  // a second button while one is held changes nothing
  m_button_down = true;
  m_pressed_button = button;
  m_pressed = m_window.control_at(p);
  if (m_pressed) call(m_pressed->handlers().mouse_down, *m_pressed);
}

void MouseRouter::button_released(Point p, MouseButton button) {
  if (!m_button_down || button != m_pressed_button) return;
  m_button_down = false;
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
}

}  // namespace metria
