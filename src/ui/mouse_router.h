// Turns pointer input on one window into the events its screen handles: MouseMove, MouseDown and
// Click on the control under the pointer (or MouseMove on the bare window); while a drag is on, the
// pointer moves it and the released button drops it (see DragSession). A press held still on a card
// picks it up as Enter does, for a hand that cannot drag: the card is then held until a click puts
// it down (Window::pointer_event).
#pragma once

#include <cstdint>
#include <optional>

#include "ui/geometry.h"
#include "ui/pointer_event.h"

namespace metria {

class Control;
class Window;

class MouseRouter {
 public:
  explicit MouseRouter(Window& window) : m_window(window) {}

  void handle(const PointerEvent& event);
  // When a press held still on a card has lasted long enough to pick it up; none while no press is.
  std::optional<std::int64_t> hold_due() const { return m_hold_due; }
  void hold_elapsed();
  // The window is going away: forget every control it had.
  void reset();

 private:
  void pointer_moved(Point p);
  void button_pressed(Point p, MouseButton button);
  void button_released(Point p, MouseButton button);

  Window& m_window;
  bool m_button_down = false;
  MouseButton m_pressed_button = MouseButton::Left;
  Control* m_pressed = nullptr;  // control that got the MouseDown (null: the window)
  std::optional<std::int64_t> m_hold_due;
  Point m_pressed_at;
};

}  // namespace metria
