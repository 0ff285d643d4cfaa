// One key on a window, as every platform hands it to the frame: the keys that move the focus,
// act on the focused control, or put a held card back.
#pragma once

namespace metria {

enum class Key { Tab, Enter, Space, Escape, Left, Right, Up, Down };

struct KeyEvent {
  Key key = Key::Tab;
  bool shift = false;  // Shift+Tab goes backwards
};

}  // namespace metria
