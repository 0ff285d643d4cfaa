// Roles, names and states of a window's nodes.
#include "ui/semantics.h"

#include <algorithm>
#include <tuple>

#include "ui/window.h"

namespace metria {

namespace {

// The name: the caption, set in its words where the definition gives them; a label whose caption
// is empty says nothing.
std::string name_of(const Control& control) {
  const std::string& words = control.text_alternative();
  if (!control.font()) return words;
  const auto slot = words.find("{}");
  if (control.caption().empty() || slot == std::string::npos) return control.caption();
  return words.substr(0, slot) + control.caption() + words.substr(slot + 2);
}

NodeRole role_of(const Control& control) {
  if (control.wired_for_action()) return NodeRole::Button;
  if (control.role()) return *control.role();
  return control.kind() == ControlKind::Image ? NodeRole::Image : NodeRole::Text;
}

}  // namespace

std::vector<SemanticNode> describe(const Window& window) {
  std::vector<SemanticNode> nodes;
  for (const PictureText& text : window.definition().picture_texts)
    nodes.push_back({.role = text.role, .name = text.text, .rect = text.rect});
  const Control* focused = window.focus().focused();
  const Control* held = window.drag().by_keys() ? window.drag().source() : nullptr;
  for (const auto& c : window.controls()) {
    const Control& control = *c;
    if (!control.visible() || (control.kind() != ControlKind::Label && control.kind() != ControlKind::Image)) continue;
    const NodeRole role = role_of(control);
    // A place that takes drops is a button only while a card is dragged, as for the keys.
    if (role == NodeRole::Button && control.drop_only() && !window.drag().active() && &control != focused) continue;
    const std::string name = name_of(control);
    if (name.empty()) continue;
    nodes.push_back({.role = role,
                     .name = name,
                     .rect = control.rect(),
                     .control = control.name(),
                     .index = control.index(),
                     .focused = &control == focused,
                     .disabled = role == NodeRole::Button && !control.acts(),
                     .held = &control == held,
                     .state = control.state_note(),
                     .shown = name == control.caption() ? "" : control.caption()});
  }
  // Headings and the picture's words first, then the screen's reading order.
  const ScreenDef& def = window.definition();
  const auto order_of = [&](const SemanticNode& node) {
    return node.control.empty() || node.role == NodeRole::Heading ? std::tuple(-1, node.rect.top, node.rect.left)
                                                                    : reading_key(def, node.control, node.index, node.rect);
  };
  std::stable_sort(nodes.begin(), nodes.end(),
                   [&](const SemanticNode& a, const SemanticNode& b) { return order_of(a) < order_of(b); });
  return nodes;
}

const char* role_word(NodeRole role) {
  switch (role) {
    case NodeRole::Heading: return "heading";
    case NodeRole::Text: return "text";
    case NodeRole::Status: return "status";
    case NodeRole::Image: return "image";
    case NodeRole::Button: return "button";
  }
  return "";
}

std::string listing(const std::vector<SemanticNode>& nodes) {
  std::string lines;
  for (const SemanticNode& node : nodes) {
    lines += std::string(role_word(node.role)) + " " + node.name;
    if (!node.state.empty()) lines += " (" + node.state + ")";
    for (const auto& [on, word] : {std::pair{node.focused, "focused"}, {node.disabled, "disabled"}, {node.held, "held"}})
      if (on) lines += std::string(" [") + word + "]";
    lines += "\n";
  }
  return lines;
}

}  // namespace metria
