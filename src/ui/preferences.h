// What the system asks of the program's look and behaviour, with no setting of the program's own:
// less motion and more contrast (a browser's prefers-reduced-motion and prefers-contrast, the
// desktop's own settings). The platform may change them while the program runs.
#pragma once

namespace metria {

struct Preferences {
  bool reduced_motion = false;  // the turtle stands where its walk ends instead of walking
  bool high_contrast = false;   // faint words drawn strong, right answers and placed cards marked
  friend bool operator==(const Preferences&, const Preferences&) = default;
};

}  // namespace metria
