// The shared hover-highlight procedure.
#include "app/hover_highlight.h"

#include "app/screen.h"

namespace metria {

void paint_label(Control& label, const Colouring& colouring) {
  label.set_back_color(colouring.back);
  if (colouring.fore) label.set_fore_color(*colouring.fore);
}

void highlight_label(Screen& screen, const HoverGroup& group, std::int16_t HoverIndex, std::int16_t& HighlightIndex,
                     const std::function<bool(int)>& solved) {
  if (HoverIndex == HighlightIndex) return;
  if (HighlightIndex != kNothingHighlighted) paint_label(screen.control(group.name, HighlightIndex), group.normal);
  if (solved && solved(HoverIndex)) return;
  paint_label(screen.control(group.name, HoverIndex), group.highlight);
  HighlightIndex = HoverIndex;
}

void clear_highlight(Screen& screen, const HoverGroup& group, std::int16_t HoverIndex, std::int16_t& HighlightIndex) {
  paint_label(screen.control(group.name, HoverIndex), group.normal);
  HighlightIndex = kNothingHighlighted;
}

}  // namespace metria
