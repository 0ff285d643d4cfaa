// One key on a window: the keys that move the focus, act on the focused control, or put a held
// card back; and the one rule of which key presses the program takes, the same on every platform.
#pragma once

#include <optional>
#include <string_view>

namespace metria {

enum class Key { Tab, Enter, Space, Escape, Left, Right, Up, Down };

struct KeyEvent {
  Key key = Key::Tab;
  bool shift = false;  // Shift+Tab goes backwards
};

// A key press as a platform hands it over: the key's name as a browser's KeyboardEvent.key spells
// it ("Tab", "Enter", " ", "Escape", "ArrowLeft"…), and how it came.
struct KeyPress {
  std::string_view name;
  bool repeat = false;  // sent again because the key is held down
  bool shift = false;
  bool command = false;  // Ctrl, Alt or Meta held: a shortcut of the system or the browser
};

// What the program does with a key press.
struct KeyDecision {
  bool taken = false;             // the program's: the platform does nothing more with it
  std::optional<KeyEvent> event;  // what reaches the focus; none for a taken key that does nothing
};

// The program's keys, without Ctrl, Alt or Meta; a held-down key repeats only the moves (Tab and the
// arrows), and a repeated Enter, Space or Escape is taken and does nothing, so that holding it
// neither acts again nor does what the platform would.
KeyDecision decide_key(const KeyPress& press);

// The key's name as KeyPress spells it.
std::string_view key_name(Key key);

}  // namespace metria
