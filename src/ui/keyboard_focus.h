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
  // Whether the keys can reach the control at all: the one rule of what can be acted on, which the
  // nodes for a screen reader follow too. Focus may stay on a control that stopped acting (an answer
  // just given), as long as it can be reached.
  bool can_reach(const Control& control) const;

  // The focus ring shows while the keys are in use (input_mode.h).
  bool ring_shown() const;

  void key(const KeyEvent& event);
  // A screen reader's own focus or activation: the focus goes to the control, and acting on it is
  // what Enter and Space do.
  void focus_on(Control& control);
  void act();
  // Escape: a held card goes back where it came from, as a drop on itself sends it.
  void put_back();
  // The card the pointer has in a drag is held instead, as Enter picks it up, until a place is
  // chosen; the focus goes to the first free place.
  void hold(Control& card);
  // The held card is put down on the place, as Enter there does.
  void put_down_on(Control& place);
  // After every event: focus on a control that can no longer be reached moves on, and a window
  // whose focus no key has moved yet keeps it on its first stop (not one that leaves the screen).
  void refresh();
  // The window is going away: forget every control it had.
  void reset();

 private:
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
};

}  // namespace metria
