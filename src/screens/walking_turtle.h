// One step of the turtle that walks up the menus and the quiz panel.
#pragma once

#include <cstdint>

namespace metria {

class Screen;

// Moves the turtle up by `step` twips and changes its pose: WalkFrame 1 shows Image1 with the step
// sound of MediaPlayer1, 2 shows Image2 with MediaPlayer2; WalkFrame then names the other pose.
void TakeWalkStep(Screen& screen, std::int16_t& TurtleTop, std::int16_t& WalkFrame, int step);

}  // namespace metria
