// The drawing scale (device pixels per pixel of the definitions): the steps every platform chooses
// it in, and how icons follow it.
#pragma once

#include <algorithm>

namespace metria {

// Windows are drawn at whole quarters of their definitions' size.
inline constexpr double kScaleStep = 0.25;

// An icon shown as the pointer grows with the windows by whole steps (pixels repeated), so that it
// stays crisp and keeps its size beside the cards it carries; never smaller than its own.
inline int icon_factor(double scale) { return std::max(1, static_cast<int>(scale)); }

}  // namespace metria
