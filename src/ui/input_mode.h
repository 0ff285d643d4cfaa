// Whether the keys are in use: from a key, or a screen reader's move, until the next pointer press.
// One state for the run, kept by the frame and read by every window: the focus ring shows only
// while the keys are in use, so that a mouse user sees the screens as they always were.
#pragma once

namespace metria {

struct InputMode {
  bool keys_in_use = false;
};

}  // namespace metria
