// Semantic nodes as the accessible objects show them.
#include "platform/sdl/accessibility_messages.h"

namespace metria {

std::vector<AccessibleNode> accessible_nodes(const std::vector<SemanticNode>& nodes, double scale) {
  std::vector<AccessibleNode> accessible;
  accessible.reserve(nodes.size());
  int picture_words = 0;
  for (const SemanticNode& node : nodes) {
    // The words of the picture have no control: they keep their place among themselves.
    std::string key = node.control.empty() ? "picture:" + std::to_string(picture_words++)
                                           : node.control + ":" + std::to_string(node.index);
    // The state goes with the name, as the browser's layer says it: a screen reader speaks a
    // button's name on Tab, and the state ("正解") is part of what the button is now.
    std::string name = node.state.empty() ? node.name : node.name + "、" + node.state;
    accessible.push_back({node.role, std::move(key), std::move(name), to_pixels(node.rect, scale), node.control,
                          node.index, node.focused, node.disabled, node.stop, node.held});
  }
  return accessible;
}

}  // namespace metria
