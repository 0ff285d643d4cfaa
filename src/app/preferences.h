// What the system asks of the program's behaviour, with no setting of the program's own: a user
// who wants less motion (a browser's prefers-reduced-motion).
#pragma once

namespace metria {

struct Preferences {
  bool reduced_motion = false;  // the turtle stands where its walk ends instead of walking
};

}  // namespace metria
