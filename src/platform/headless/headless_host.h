// Windows for the headless backend: nothing is drawn; what the frame asked for is counted.
#pragma once

#include <string>
#include <vector>

#include "app/window_host.h"

namespace metria::headless {

class HeadlessHost final : public WindowHost {
 public:
  void window_shown(Window&) override { ++shown; }
  void window_unloaded(Window&) override { ++unloaded; }
  void show_fatal_error(const std::string& message) override { fatal_messages.push_back(message); }

  int shown = 0;
  int unloaded = 0;
  std::vector<std::string> fatal_messages;
};

}  // namespace metria::headless
