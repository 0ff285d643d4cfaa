// One step of the turtle that walks up the menus and the quiz panel.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>

namespace metria {

class Screen;

// Where a walk ends: the Top of its last step and the pose that step shows (a WalkFrame value).
struct WalkEnd {
  std::int16_t top;
  std::int16_t frame;
};

// The end of a walk from start_top, `step` twips a step, poses alternating from first_frame,
// until `ended` holds for the turtle's Top.
WalkEnd WalkEndOf(std::int16_t start_top, int step, std::int16_t first_frame, const std::function<bool(int)>& ended);

// Moves the turtle up by `step` twips and changes its pose: WalkFrame 1 shows Image1 with the step
// sound of MediaPlayer1, 2 shows Image2 with MediaPlayer2; WalkFrame then names the other pose.
// For a user who asks for less motion (`standing`), the turtle stands where its walk ends, in the
// pose it ends in, from the first step on; the steps keep their sounds and their times.
void TakeWalkStep(Screen& screen, std::int16_t& TurtleTop, std::int16_t& WalkFrame, int step,
                  const std::optional<WalkEnd>& standing = std::nullopt);

}  // namespace metria
