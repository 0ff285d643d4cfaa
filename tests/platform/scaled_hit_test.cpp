// At every scale the pointer reaches the control drawn under it: the device pixel at the centre of
// each visible control maps back (to_twips) onto that same control, on every screen.
#include <gtest/gtest.h>

#include <string>

#include "harness/headless.h"
#include "ui/window.h"

namespace metria::testing {
namespace {

std::string describe(const Control& c) {
  return c.name() + (c.index() == kNoIndex ? "" : "(" + std::to_string(c.index()) + ")");
}

// Checks every visible control of the loaded window that the pointer can reach at its centre.
void expect_centres_hit(const Window& window, double scale) {
  int checked = 0;
  for (const auto& control : window.controls()) {
    if (!control->visible() || control->kind() == ControlKind::Timer) continue;
    // A control covered at its centre by one listed before it cannot be reached there at any scale.
    if (window.control_at(control->rect().centre()) != control.get()) continue;
    const PixelRect drawn = to_pixels(control->rect(), scale);
    if (drawn.w <= 0 || drawn.h <= 0) continue;
    const Point p = to_twips(drawn.x + drawn.w / 2, drawn.y + drawn.h / 2, scale);
    EXPECT_EQ(window.control_at(p), control.get())
        << window.definition().name << " " << describe(*control) << " at scale " << scale;
    ++checked;
  }
  EXPECT_GT(checked, 0) << window.definition().name;
}

class ScaledHits : public ::testing::TestWithParam<double> {};

TEST_P(ScaledHits, EveryVisibleControlOfEveryScreenIsHitAtItsDrawnCentre) {
  for (ScreenId id : kAllScreens) {
    Harness h({.first_screen = id});
    // At the start, and once the openings and the first turns have shown their controls.
    for (int wait : {0, 2000, 6000}) {
      h.advance(wait);
      expect_centres_hit(h.window(), GetParam());
    }
    // Every picture and label shown at once: result banners, medals and marks included.
    for (const auto& control : h.window().controls())
      if (control->kind() != ControlKind::Timer) control->set_visible(true);
    expect_centres_hit(h.window(), GetParam());
  }
}

INSTANTIATE_TEST_SUITE_P(AtEveryScale, ScaledHits, ::testing::Values(1.0, 1.5, 2.0));

}  // namespace
}  // namespace metria::testing
