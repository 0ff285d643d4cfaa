// The opening both menus play when they load: a pause, then the turtle walks up the window one
// step at a time, changing pose and step sound on every step, until it has passed a given height.
#pragma once

#include <cstdint>

#include <optional>

#include "app/hover_screen.h"
#include "screens/walking_turtle.h"

namespace metria {

struct WalkingOpening {
  std::int16_t start_top;            // TurtleTop when the window appears, twips
  std::int16_t step_height;          // twips climbed per step
  std::int16_t walk_ends_below_top;  // the walk ends on the step that takes TurtleTop above this
  std::int16_t first_frame;          // WalkFrame of the first step
};

class OpeningMenuScreen : public HoverScreen {
 public:
  // The pause is over: the walk begins.
  void Timer1_Timer();
  // One step; the last one hands over to Timer3.
  void Timer2_Timer();

  std::int16_t TurtleTop = 0;  // twips
  std::int16_t WalkFrame = 0;  // 1: the next step shows Image1, 2: Image2

 protected:
  OpeningMenuScreen(AppContext& context, ScreenId id, const HoverGroup& hover, const WalkingOpening& opening)
      : HoverScreen(context, id, hover), m_opening(opening) {}

  // Form_Load's first step: the walking turtle back at its start, out of sight.
  void PlaceTurtle();
  // Form_Load's last step: the pause before the first step.
  void StartOpening();
  // Where the turtle stands for a user who asks for less motion; none: it walks.
  std::optional<WalkEnd> Standing() const;

 private:
  const WalkingOpening& m_opening;
};

// The pause before the walk, and the pauses between the steps of each screen's own ending.
constexpr int kOpeningPauseMs = 500;

}  // namespace metria
