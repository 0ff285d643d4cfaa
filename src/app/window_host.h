// What the application frame needs of the platform: real windows for loaded screens, their frames,
// the pointer's shape, and a way to tell the user about a fatal error.
#pragma once

#include <string>

#include <vector>

#include "ui/picture.h"
#include "ui/semantics.h"

namespace metria {

class Window;

class WindowHost {
 public:
  virtual ~WindowHost() = default;
  // The screen's Form_Load has run: create and show its window (fixed size, centred).
  virtual void window_shown(Window& window) = 0;
  // The screen is unloaded: its window goes away at once.
  virtual void window_unloaded(Window& window) = 0;
  // Draws a loaded window whose controls changed since its last frame; false when it was not
  // drawn (not on screen now), so that it stays marked as changed.
  virtual bool draw(Window& window) = 0;
  // The pointer's shape: the drag icon while the pointer carries a card, the arrow for None.
  virtual void show_pointer(Icon drag_icon) = 0;
  // What a screen reader is told: the window's nodes when they changed, and short words on what
  // changed without the focus moving. A platform without a screen reader bridge reads neither, and
  // the frame's step then spends nothing on them.
  virtual bool reads_nodes() const { return false; }
  virtual void publish(const Window& /*window*/, const std::vector<SemanticNode>& /*nodes*/) {}
  virtual void announce(const std::string& /*words*/) {}
  // A message for the user; the program ends right after it.
  virtual void show_fatal_error(const std::string& message) = 0;
};

}  // namespace metria
