// One drag of a card, whichever input carries it: the pointer (press, move, release) or the keys
// (pick up, move the focus, put down). It begins on a card, hovers over controls (DragOver enter /
// leave / over) and ends with a drop on a control or on the bare window (DragDrop).
#pragma once

#include "ui/picture.h"

namespace metria {

class Control;
class Window;

class DragSession {
 public:
  explicit DragSession(Window& window) : m_window(window) {}

  // Called by Control::Drag from inside a MouseDown handler.
  void begin(Control& source);
  // The card is held (picked up by key, or by a press held still): it is shown held, no drag icon
  // follows the pointer, and the next press or key puts it down.
  void carry_by_keys();
  // The drag is over `target` now (null: the bare window): DragOver leave on the one it was over,
  // then enter on the new one, or over again on the same one.
  void hover(Control* target);
  // Ends the drag with DragDrop on `target`, or on the window when it is null.
  void drop(Control* target);
  // The window is going away: forget every control it had.
  void reset();

  bool active() const { return m_source != nullptr; }
  bool by_keys() const { return active() && m_by_keys; }
  Control* source() const { return m_source; }
  // The pointer's drag icon while the pointer carries a card; None otherwise.
  Icon cursor() const;

 private:
  Window& m_window;
  Control* m_source = nullptr;  // the card being dragged
  Control* m_over = nullptr;    // control that last got DragOver Enter
  bool m_by_keys = false;
};

}  // namespace metria
