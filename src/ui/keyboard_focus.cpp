// Focus stops, their order, and what each key does with them.
#include "ui/keyboard_focus.h"

#include <algorithm>
#include <cstdlib>
#include <limits>
#include <utility>

#include "ui/control.h"
#include "ui/semantics.h"
#include "ui/spoken_words.h"
#include "ui/window.h"

namespace metria {

namespace {

// How far a control lies in the arrow's direction (0 or less: not that way), and how far aside.
std::pair<int, int> offset_along(Key arrow, Point from, Point to) {
  const int dx = to.x - from.x, dy = to.y - from.y;
  switch (arrow) {
    case Key::Left: return {-dx, dy};
    case Key::Right: return {dx, dy};
    case Key::Up: return {-dy, dx};
    default: return {dy, dx};
  }
}

}  // namespace

// A place for a card can be reached under the card that fills it; any other control only where
// no control in front takes the pointer from it.
bool KeyboardFocus::can_reach(const Control& control) const {
  if (!control.visible() || !control.wired_for_action()) return false;
  return control.drop_only() || m_window.control_at(control.rect().centre()) == &control;
}

bool KeyboardFocus::is_stop(const Control& control) const {
  if (!can_reach(control)) return false;
  return control.acts() || (control.drop_only() && !m_window.drag().active());
}

std::vector<Control*> KeyboardFocus::stops() const {
  const auto order_of = [&](const Control* c) {
    return reading_key(m_window.definition(), c->name(), c->index(), c->rect());
  };
  // The focused control stays in the list for Tab to move on from, even while it does not act.
  std::vector<Control*> found;
  for (const auto& control : m_window.controls())
    if (is_stop(*control) || (control.get() == m_focused && can_reach(*control))) found.push_back(control.get());
  std::stable_sort(found.begin(), found.end(),
                   [&](const Control* a, const Control* b) { return order_of(a) < order_of(b); });
  return found;
}

Control* KeyboardFocus::first_stop(bool drop_places_only) const {
  const std::string& starts_on = m_window.definition().focus_starts_on;
  for (Control* control : stops()) {
    if (!is_stop(*control) || !control->acts() || control->leaves_screen()) continue;
    if (drop_places_only ? control->drop_only() : starts_on.empty() || control->name() == starts_on) return control;
  }
  return nullptr;
}

bool KeyboardFocus::ring_shown() const { return m_window.input_mode().keys_in_use; }

void KeyboardFocus::move_to(Control* control) {
  if (control == m_focused) return;
  m_focused = control;
  m_window.note_meaning_changed();
  if (ring_shown()) m_window.invalidate();
  DragSession& drag = m_window.drag();
  if (drag.by_keys()) {
    drag.hover(control);
    return;
  }
  // The ring highlights what the pointer would; on a control that takes no highlight it clears the
  // last one, as the pointer does over the window.
  if (ring_shown() && !drag.active()) m_window.hover(control && control->handlers().mouse_move ? control : nullptr);
}

void KeyboardFocus::refresh() {
  if (m_window.closed()) return;
  if (m_chosen && m_focused && can_reach(*m_focused)) return;
  if (m_focused && !can_reach(*m_focused)) m_chosen = false;
  move_to(first_stop(m_window.drag().by_keys()));
}

void KeyboardFocus::key(const KeyEvent& event) {
  refresh();
  if (!ring_shown()) {
    // The first key shows where the focus is, in every window; a key that moves it moves it from
    // there next time.
    m_window.input_mode().keys_in_use = true;
    Control* focused = std::exchange(m_focused, nullptr);
    move_to(focused);
    if (event.key != Key::Enter && event.key != Key::Space && event.key != Key::Escape) {
      // Said again, so that no key goes unanswered for a child who cannot see the ring appear.
      if (focused) m_window.announce(spoken_name(*focused));
      return;
    }
  }
  switch (event.key) {
    case Key::Tab: move_in_order(event.shift ? -1 : 1); break;
    case Key::Left:
    case Key::Right:
    case Key::Up:
    case Key::Down: move_in_group(event.key); break;
    case Key::Enter:
    case Key::Space: act(); break;
    case Key::Escape: put_back(); break;
  }
}

void KeyboardFocus::focus_on(Control& control) {
  if (!can_reach(control)) return;
  m_chosen = true;
  move_to(&control);
}

void KeyboardFocus::move_in_order(int step) {
  const std::vector<Control*> order = stops();
  if (order.empty()) return;
  const auto at = std::find(order.begin(), order.end(), m_focused);
  const int count = static_cast<int>(order.size());
  const int from = at == order.end() ? (step > 0 ? -1 : 0) : static_cast<int>(at - order.begin());
  m_chosen = true;
  move_to(order[static_cast<std::size_t>(((from + step) % count + count) % count)]);
}

// The nearest member of the focused control's group within 45 degrees of the arrow's direction;
// one straight that way beats one nearer but aside, so the grids move by row and by column.
void KeyboardFocus::move_in_group(Key arrow) {
  if (!m_focused) return;
  const Point from = m_focused->rect().centre();
  Control* best = nullptr;
  long best_score = std::numeric_limits<long>::max();
  for (Control* candidate : stops()) {
    if (candidate == m_focused || candidate->name() != m_focused->name() || !is_stop(*candidate)) continue;
    const auto [ahead, aside] = offset_along(arrow, from, candidate->rect().centre());
    if (ahead <= 0 || std::abs(aside) > ahead) continue;
    const long score = ahead + 3L * std::abs(aside);
    if (score < best_score) {
      best = candidate;
      best_score = score;
    }
  }
  m_chosen = true;
  if (best) move_to(best);
}

// A held card is dropped where the focus is, as a released button drops it where the pointer is;
// otherwise the focused control gets the press and the click a pointer gives it. A control that
// takes no drop (■メニュー) first has the held card put back, then acts; so does another card,
// which is then picked up in its place.
void KeyboardFocus::act() {
  Control* target = m_focused;
  if (!target) return;
  // The control acted on is the child's own choice from now on: when it stops acting (an answer
  // given), the focus stays on it as a still pointer would, instead of moving on and taking the
  // highlight, and with it the mark on the right answer, off it.
  m_chosen = true;
  DragSession& drag = m_window.drag();
  const bool another_card = drag.by_keys() && target != drag.source() && target->handlers().mouse_down;
  if (drag.by_keys() && (target == drag.source() || !target->handlers().drag_drop || another_card)) {
    const bool on_held_card = target == drag.source();
    put_back();
    if (on_held_card || m_window.closed()) return;
    move_to(target);
  }
  if (drag.active()) {
    put_down_on(*target);
    return;
  }
  if (target->drop_only()) {
    m_window.announce(spoken::kHoldACardFirst);
    return;
  }
  if (target->handlers().mouse_down) {
    target->handlers().mouse_down(target->index());
    if (drag.active() && !m_window.closed()) {
      hold(*target);
      return;
    }
  }
  if (target->handlers().click && !m_window.closed()) target->handlers().click(target->index());
}

void KeyboardFocus::hold(Control& card) {
  m_window.drag().carry_by_keys();
  m_window.announce(spoken::held(card.caption()));
  m_chosen = true;
  move_to(first_stop(true));
}

void KeyboardFocus::put_down_on(Control& place) {
  DragSession& drag = m_window.drag();
  if (!drag.active()) return;
  const bool by_keys = drag.by_keys();
  Control& card = *drag.source();
  std::vector<Control*> shelf;
  for (Control* stop : stops())
    if (stop->name() == card.name() && is_stop(*stop)) shelf.push_back(stop);
  drag.hover(&place);
  if (!m_window.closed()) drag.drop(&place);
  if (by_keys && !m_window.closed()) return_to_shelf(card, shelf);
}

void KeyboardFocus::return_to_shelf(Control& card, const std::vector<Control*>& shelf) {
  if (is_stop(card)) {
    move_to(&card);
    return;
  }
  const auto at = std::find(shelf.begin(), shelf.end(), &card);
  const std::size_t from = at == shelf.end() ? 0 : static_cast<std::size_t>(at - shelf.begin());
  for (std::size_t step = 1; step < shelf.size(); ++step) {
    Control* next = shelf[(from + step) % shelf.size()];
    if (is_stop(*next)) {
      move_to(next);
      return;
    }
  }
  m_chosen = false;
  move_to(first_stop(false));
}

void KeyboardFocus::put_back() {
  DragSession& drag = m_window.drag();
  if (!drag.active()) return;
  Control* card = drag.source();
  drag.hover(nullptr);
  if (m_window.closed()) return;
  drag.drop(card);
  if (m_window.closed()) return;
  m_window.announce(spoken::put_back(card->caption()));
  move_to(card);
}

void KeyboardFocus::reset() {
  m_focused = nullptr;
  m_chosen = false;
}

}  // namespace metria
