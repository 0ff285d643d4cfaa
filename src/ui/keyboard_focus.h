// The keys' focus on one window. The controls a person can act on are the ones the screen wired
// for a click, a card's drag start or a drop, while they are visible, act, and no control in
// front takes the pointer from them. Tab moves through them in order, the arrows within a group,
// and Enter or Space do exactly what a click does; on a card they pick it up, and on a place they
// put it down, through the same drag a pointer makes.
#pragma once

#include <vector>

#include "ui/key_event.h"

namespace metria {

class Control;
class Window;

class KeyboardFocus {
 public:
  explicit KeyboardFocus(Window& window) : m_window(window) {}

  // The focus stops, in the order Tab visits them.
  std::vector<Control*> stops() const;
  // Whether Tab stops on the control now. A place for a card is a stop from the start, so that the
  // board can be explored, but a filled one only while no card is held.
  bool is_stop(const Control& control) const;
  Control* focused() const { return m_focused; }

  // The focus ring shows once a key has been used, and goes again at a pointer press, so that a
  // mouse user sees the screens as they always were.
  bool ring_shown() const { return m_ring_shown; }
  void show_ring(bool shown);

  void key(const KeyEvent& event);
  // A screen reader's own focus or activation: the focus goes to the control, and acting on it is
  // what Enter and Space do.
  void focus_on(Control& control);
  void act();
  // Escape: a held card goes back where it came from, as a drop on itself sends it.
  void put_back();
  // After every event: focus on a control that can no longer be reached moves on, and a window
  // whose focus no key has moved yet keeps it on its first stop (not one that leaves the screen).
  void refresh();
  // The window is going away: forget every control it had.
  void reset();

 private:
  // Focus may stay on a control that stopped acting (an answer just given), as long as it can be
  // reached at all.
  bool can_hold_focus(const Control& control) const;
  Control* first_stop(bool drop_places_only) const;
  // Moves the focus; with the ring shown, the control takes the highlight a pointer over it gives.
  void move_to(Control* control);
  void move_in_order(int step);
  void move_in_group(Key arrow);
  // After a card is put down by key: back to it where it went home, else to the card that came
  // after it on the shelf (`shelf`: the cards there before the drop, in order).
  void return_to_shelf(Control& card, const std::vector<Control*>& shelf);

  Window& m_window;
  Control* m_focused = nullptr;
  bool m_chosen = false;  // a key has moved the focus on this window
  bool m_ring_shown = false;
};

}  // namespace metria
