// One pointer input on a window, as every platform hands it to the frame: what happened, where (in
// twips of the client area) and with which button.
#pragma once

#include "ui/geometry.h"

namespace metria {

enum class MouseButton { Left, Right, Middle };

enum class PointerAction { Move, Press, Release };

struct PointerEvent {
  PointerAction action = PointerAction::Move;
  Point position;
  MouseButton button = MouseButton::Left;  // of a press or release; a move carries none
};

}  // namespace metria
