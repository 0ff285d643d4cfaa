// The walking opening shared by メニュー and 数_日本.
#include "screens/menus/walking_opening.h"

#include "screens/walking_turtle.h"

namespace metria {

namespace {

constexpr int kStepMs = 300;

}  // namespace

void OpeningMenuScreen::PlaceTurtle() {
  TurtleTop = m_opening.start_top;
  control("Image1").set_top(TurtleTop);
  control("Image1").set_visible(false);
  control("Image2").set_visible(false);
}

void OpeningMenuScreen::StartOpening() { control("Timer1").set_interval(kOpeningPauseMs); }

void OpeningMenuScreen::Timer1_Timer() {
  control("Timer1").set_interval(0);
  WalkFrame = m_opening.first_frame;
  control("Timer2").set_interval(kStepMs);
}

std::optional<WalkEnd> OpeningMenuScreen::Standing() const {
  if (!app.preferences().reduced_motion) return std::nullopt;
  return WalkEndOf(m_opening.start_top, m_opening.step_height, m_opening.first_frame,
                   [this](int top) { return top < m_opening.walk_ends_below_top; });
}

void OpeningMenuScreen::Timer2_Timer() {
  TakeWalkStep(*this, TurtleTop, WalkFrame, m_opening.step_height, Standing());
  if (TurtleTop < m_opening.walk_ends_below_top) {
    control("Timer2").set_interval(0);
    control("Timer3").set_interval(kOpeningPauseMs);
  }
}

}  // namespace metria
