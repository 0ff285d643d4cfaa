// What passes between the SDL thread and the accessibility thread: plain copies, so that neither
// thread ever reads an object the other one changes.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "ui/geometry.h"
#include "ui/semantics.h"

namespace metria {

// A window's node as its accessible object shows it.
struct AccessibleNode {
  NodeRole role = NodeRole::Text;
  std::string key;   // the same thing from one publish to the next: "Label1:3", or "picture:0" for the picture's words
  std::string name;  // the node's name, then the screen's word on its state
  PixelRect box;     // device pixels from the top-left corner of the window's client area
  std::string control;
  int index = kNoIndex;
  bool focused = false;
  bool disabled = false;
  bool stop = false;
  bool held = false;
  friend bool operator==(const AccessibleNode&, const AccessibleNode&) = default;
};

// A window's nodes at the windows' scale, in reading order.
std::vector<AccessibleNode> accessible_nodes(const std::vector<SemanticNode>& nodes, double scale);

// What a screen reader asks of a control: the keys' focus moved there, or what Enter does there.
enum class ControlAction { Focus, Activate };

struct ControlRequest {
  ControlAction action = ControlAction::Focus;
  std::uint32_t window = 0;  // the SDL window id
  std::string control;
  int index = kNoIndex;
};

}  // namespace metria
