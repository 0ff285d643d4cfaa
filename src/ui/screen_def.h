// A screen definition: the window's own properties and its controls, front to back.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "ui/color.h"
#include "ui/control_def.h"
#include "ui/picture.h"

namespace metria {

// A control array in the keys' order: its members by Index, or where they stand on the screen.
struct FocusGroup {
  std::string name;
  bool by_index = false;
};

struct ScreenDef {
  std::string name;     // the screen's name, e.g. "メニュー"
  std::string caption;  // the window title
  int client_width = 0, client_height = 0;  // twips
  std::optional<Color> back_color;          // only the drills store one
  Picture picture = Picture::None;          // drawn at 0,0 at natural size, cut at the client edges
  Icon icon = Icon::Stopwatch;
  std::vector<ControlDef> controls;  // the first listed is drawn last and gets the mouse first
  // Where reading order (top to bottom, then left to right) visits the controls in the wrong order
  // for the keys: these groups come first, in this order; the rest follow in reading order.
  std::vector<FocusGroup> focus_order;
};

// Fill of the client area where a definition stores no BackColor (the pictures cover it anyway).
inline constexpr Color kDefaultWindowColor{212, 208, 200};

}  // namespace metria
