// The manual drag: DragOver as the drag moves between controls, DragDrop where it ends.
#include "ui/drag_session.h"

#include "ui/control.h"
#include "ui/window.h"

namespace metria {

void DragSession::begin(Control& source) {
  m_source = &source;
  m_over = nullptr;
  m_by_keys = false;
  m_window.invalidate();
}

void DragSession::carry_by_keys() {
  m_by_keys = true;
  m_window.invalidate();  // the card shows as held, and the pointer goes back to the arrow
}

void DragSession::hover(Control* target) {
  if (!active()) return;
  if (target == m_over) {
    if (target && target->handlers().drag_over) target->handlers().drag_over(target->index(), DragState::Over);
    return;
  }
  Control* left = m_over;
  m_over = target;
  if (left && left->handlers().drag_over) left->handlers().drag_over(left->index(), DragState::Leave);
  // Re-check: the leave handler runs screen code, which may have closed the window.
  if (m_window.closed()) return;
  if (target && target->handlers().drag_over) target->handlers().drag_over(target->index(), DragState::Enter);
}

void DragSession::drop(Control* target) {
  if (!active()) return;
  reset();
  m_window.invalidate();  // the pointer goes back to the arrow, a held card is let go
  if (target) {
    if (target->handlers().drag_drop) target->handlers().drag_drop(target->index());
  } else if (m_window.form_drag_drop) {
    m_window.form_drag_drop();
  }
}

void DragSession::reset() {
  m_source = m_over = nullptr;
  m_by_keys = false;
}

Icon DragSession::cursor() const { return m_source && !m_by_keys ? m_source->drag_icon() : Icon::None; }

}  // namespace metria
