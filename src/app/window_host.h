// What the application frame needs of the platform: real windows for loaded screens, and a way
// to tell the user about a fatal error.
#pragma once

#include <string>

namespace metria {

class Window;

class WindowHost {
 public:
  virtual ~WindowHost() = default;
  // The screen's Form_Load has run: create and show its window (fixed size, centred).
  virtual void window_shown(Window& window) = 0;
  // The screen is unloaded: its window goes away at once.
  virtual void window_unloaded(Window& window) = 0;
  // A message for the user; the program ends right after it.
  virtual void show_fatal_error(const std::string& message) = 0;
};

}  // namespace metria
