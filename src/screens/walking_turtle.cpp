// The walking turtle's step, shared by the screens on which it walks.
#include "screens/walking_turtle.h"

#include "app/fatal_error.h"
#include "app/screen.h"
#include "sound/cue_player.h"

namespace metria {

void TakeWalkStep(Screen& screen, std::int16_t& TurtleTop, std::int16_t& WalkFrame, int step) {
  TurtleTop = to_int16(TurtleTop - step);
  if (WalkFrame == 1) {
    screen.control("Image2").set_visible(false);
    screen.control("Image1").set_top(TurtleTop);
    screen.control("Image1").set_visible(true);
    screen.control("MediaPlayer1").player().play();
    WalkFrame = 2;
  } else if (WalkFrame == 2) {
    screen.control("Image1").set_visible(false);
    screen.control("Image2").set_top(TurtleTop);
    screen.control("Image2").set_visible(true);
    screen.control("MediaPlayer2").player().play();
    WalkFrame = 1;
  }
}

}  // namespace metria
