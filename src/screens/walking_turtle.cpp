// The walking turtle's step, shared by the screens on which it walks.
#include "screens/walking_turtle.h"

#include "app/fatal_error.h"
#include "app/screen.h"
#include "sound/cue_player.h"

namespace metria {

WalkEnd WalkEndOf(std::int16_t start_top, int step, std::int16_t first_frame, const std::function<bool(int)>& ended) {
  int top = start_top;
  std::int16_t frame = first_frame;
  for (;;) {
    top -= step;
    if (ended(top)) return {to_int16(top), frame};
    frame = frame == 1 ? 2 : 1;
  }
}

void TakeWalkStep(Screen& screen, std::int16_t& TurtleTop, std::int16_t& WalkFrame, int step,
                  const std::optional<WalkEnd>& standing) {
  TurtleTop = to_int16(TurtleTop - step);
  if (WalkFrame != 1 && WalkFrame != 2) return;
  const char* const sound = WalkFrame == 1 ? "MediaPlayer1" : "MediaPlayer2";
  const std::int16_t pose = standing ? standing->frame : WalkFrame;
  const char* const shown = pose == 1 ? "Image1" : "Image2";
  screen.control(pose == 1 ? "Image2" : "Image1").set_visible(false);
  screen.control(shown).set_top(standing ? standing->top : TurtleTop);
  screen.control(shown).set_visible(true);
  screen.control(sound).player().play();
  WalkFrame = WalkFrame == 1 ? 2 : 1;
}

}  // namespace metria
