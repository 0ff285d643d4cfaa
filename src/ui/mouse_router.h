// Turns pointer input on one window into the events its screen handles: MouseMove, MouseDown and
// Click on the control under the pointer (or MouseMove on the bare window), and the manual drag
// (DragOver enter / leave / over, DragDrop on a control or the window).
#pragma once

#include "ui/geometry.h"
#include "ui/picture.h"
#include "ui/pointer_event.h"

namespace metria {

class Control;
class Window;

class MouseRouter {
 public:
  explicit MouseRouter(Window& window) : m_window(window) {}

  void handle(const PointerEvent& event);
  // Called by Control::Drag from inside a MouseDown handler.
  void begin_drag(Control& source);
  // The window is going away: forget every control it had.
  void reset();

  bool dragging() const { return m_drag_source != nullptr; }
  Icon drag_cursor() const;

 private:
  void pointer_moved(Point p);
  void button_pressed(Point p, MouseButton button);
  void button_released(Point p, MouseButton button);

  Window& m_window;
  bool m_button_down = false;
  MouseButton m_pressed_button = MouseButton::Left;
  Control* m_pressed = nullptr;        // control that got the MouseDown (null: the window)
  Control* m_drag_source = nullptr;    // card being dragged
  Control* m_drag_over = nullptr;      // control that last got DragOver Enter
};

}  // namespace metria
