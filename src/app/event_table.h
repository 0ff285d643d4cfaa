// The visible table in which a screen wires its handlers to the controls of its window. Wiring
// happens once per load; events then reach the handlers without any lookup by name.
#pragma once

#include <functional>
#include <string_view>

#include "ui/control.h"

namespace metria {

class Window;

class EventTable {
 public:
  using Handler = std::function<void()>;
  using IndexedHandler = std::function<void(int Index)>;
  using DragOverHandler = std::function<void(int Index, DragState State)>;

  explicit EventTable(Window& window) : m_window(window) {}

  // Array handlers receive the member's Index; handlers of single controls take none.
  void on_click(std::string_view name, IndexedHandler handler);
  void on_click(std::string_view name, Handler handler);
  void on_mouse_move(std::string_view name, IndexedHandler handler);
  void on_mouse_down(std::string_view name, IndexedHandler handler);
  void on_drag_over(std::string_view name, DragOverHandler handler);
  void on_drag_drop(std::string_view name, IndexedHandler handler);
  void on_timer(std::string_view name, Handler handler);
  void on_form_mouse_move(Handler handler);
  void on_form_drag_drop(Handler handler);

 private:
  // Applies `assign` to every member with this name; a name the window lacks is a wiring fault.
  void for_members(std::string_view name, const std::function<void(ControlHandlers&)>& assign);

  Window& m_window;
};

}  // namespace metria
