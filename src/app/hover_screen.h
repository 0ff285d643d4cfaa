// The base of every screen with a hover group: the pair HoverIndex / HighlightIndex, the group's
// MouseMove, HighlightLabel and Form_MouseMove, written once for all of them.
#pragma once

#include <cstdint>

#include "app/hover_highlight.h"
#include "app/screen.h"

namespace metria {

class HoverScreen : public Screen {
 public:
  void HighlightLabel();
  void Form_MouseMove();

  std::int16_t HoverIndex = 0, HighlightIndex = 0;

 protected:
  HoverScreen(AppContext& context, ScreenId id, const HoverGroup& group) : Screen(context, id), m_hover(group) {}

  // The body of the group's MouseMove handler (Label1_MouseMove and its kin): the member under
  // the pointer takes the highlight.
  void MouseMoveOver(int Index);
  // Members that never take the highlight; the drills' placed cards.
  virtual bool NeverHighlighted(int /*Index*/) const { return false; }
  const HoverGroup& hover_group() const { return m_hover; }

 private:
  const HoverGroup& m_hover;
};

}  // namespace metria
