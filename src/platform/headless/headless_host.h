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
  // Nothing is drawn: the window stays marked as changed for a test's or benchmark's own canvas.
  bool draw(Window&) override { return false; }
  void show_pointer(Icon) override {}
  bool reads_nodes() const override { return true; }
  void publish(const Window&, const std::vector<SemanticNode>& published) override { nodes = published; }
  void announce(const std::string& words) override { announcements.push_back(words); }
  void show_fatal_error(const std::string& message) override { fatal_messages.push_back(message); }

  int shown = 0;
  int unloaded = 0;
  std::vector<std::string> fatal_messages;
  std::vector<SemanticNode> nodes;          // as last published
  std::vector<std::string> announcements;   // every one, in order
};

}  // namespace metria::headless
