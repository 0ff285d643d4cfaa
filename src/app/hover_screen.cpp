// The hover trio shared by every screen with a hover group.
#include "app/hover_screen.h"

#include "app/fatal_error.h"

namespace metria {

void HoverScreen::MouseMoveOver(int Index) {
  HoverIndex = to_int16(Index);
  HighlightLabel();
}

void HoverScreen::HighlightLabel() {
  highlight_label(*this, m_hover, HoverIndex, HighlightIndex, [this](int k) { return NeverHighlighted(k); });
}

void HoverScreen::Form_MouseMove() { clear_highlight(*this, m_hover, HoverIndex, HighlightIndex); }

}  // namespace metria
