// The hover highlight every screen applies to its group of clickable labels: the member under the
// pointer is painted in the highlight colouring, kept by the pair HoverIndex / HighlightIndex.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string_view>

#include "ui/color.h"

namespace metria {

class Control;
class Screen;

// HighlightIndex when no member of the group is highlighted.
constexpr std::int16_t kNothingHighlighted = -1;

// Background, then (on the sub-menu only) text.
struct Colouring {
  Color back;
  std::optional<Color> fore;
};

struct HoverGroup {
  std::string_view name;  // the label array, e.g. "Label1"
  Colouring normal, highlight;
};

void paint_label(Control& label, const Colouring& colouring);

// HighlightLabel: moves the highlight to member HoverIndex. `solved` names the members that may
// never be highlighted (the drills' placed cards); reaching one leaves HighlightIndex as it is.
void highlight_label(Screen& screen, const HoverGroup& group, std::int16_t HoverIndex, std::int16_t& HighlightIndex,
                     const std::function<bool(int)>& solved = {});

// Form_MouseMove: member HoverIndex back to normal, whatever is highlighted; nothing highlighted.
void clear_highlight(Screen& screen, const HoverGroup& group, std::int16_t HoverIndex, std::int16_t& HighlightIndex);

}  // namespace metria
