// Wiring handlers onto controls.
#include "app/event_table.h"

#include <stdexcept>
#include <string>

#include "ui/window.h"

namespace metria {

void EventTable::for_members(std::string_view name, const std::function<void(ControlHandlers&)>& assign) {
  const auto members = m_window.members(name);
  if (members.empty()) throw std::logic_error("handler for missing control " + std::string(name));
  for (Control* member : members) assign(member->handlers());
}

void EventTable::on_click(std::string_view name, IndexedHandler handler) {
  for_members(name, [&](ControlHandlers& h) { h.click = handler; });
}

void EventTable::on_click(std::string_view name, Handler handler) {
  on_click(name, IndexedHandler([handler](int) { handler(); }));
}

void EventTable::on_mouse_move(std::string_view name, IndexedHandler handler) {
  for_members(name, [&](ControlHandlers& h) { h.mouse_move = handler; });
}

void EventTable::on_mouse_down(std::string_view name, IndexedHandler handler) {
  for_members(name, [&](ControlHandlers& h) { h.mouse_down = handler; });
}

void EventTable::on_drag_over(std::string_view name, DragOverHandler handler) {
  for_members(name, [&](ControlHandlers& h) { h.drag_over = handler; });
}

void EventTable::on_drag_drop(std::string_view name, IndexedHandler handler) {
  for_members(name, [&](ControlHandlers& h) { h.drag_drop = handler; });
}

void EventTable::on_timer(std::string_view name, Handler handler) {
  for_members(name, [&](ControlHandlers& h) { h.timer = [handler](int) { handler(); }; });
}

void EventTable::on_form_mouse_move(Handler handler) { m_window.form_mouse_move = std::move(handler); }

void EventTable::on_form_drag_drop(Handler handler) { m_window.form_drag_drop = std::move(handler); }

}  // namespace metria
