// Roles, names and states of a window's nodes.
#include "ui/semantics.h"

#include <algorithm>
#include <numeric>
#include <tuple>

#include "ui/spoken_form.h"
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

// A control is a button where the keys can reach it: one the screen wired that something in front
// covers (a quiz's answers under its result) is read as the words it shows.
NodeRole role_of(const Control& control, const KeyboardFocus& focus) {
  if (focus.can_reach(control)) return NodeRole::Button;
  if (control.role()) return *control.role();
  return control.kind() == ControlKind::Image ? NodeRole::Image : NodeRole::Text;
}

}  // namespace

std::string spoken_name(const Control& control) { return spoken_form(name_of(control)); }

std::vector<SemanticNode> describe(const Window& window) {
  // The nodes with their places in the reading order, each worked out once: headings and the
  // picture's words first, then the screen's reading order.
  const ScreenDef& def = window.definition();
  std::vector<std::tuple<int, int, int>> order_of;
  std::vector<SemanticNode> found;
  for (const PictureText& text : def.picture_texts) {
    const std::string name = spoken_form(text.text);
    order_of.emplace_back(-1, text.rect.top, text.rect.left);
    found.push_back({.role = text.role,
                     .name = name,
                     .rect = text.rect,
                     .faint = text.faint,
                     .shown = name == text.text ? "" : text.text});
  }
  const KeyboardFocus& focus = window.focus();
  const Control* focused = focus.focused();
  const Control* held = window.drag().by_keys() ? window.drag().source() : nullptr;
  for (const auto& c : window.controls()) {
    const Control& control = *c;
    if (!control.visible() || (control.kind() != ControlKind::Label && control.kind() != ControlKind::Image)) continue;
    const std::string words = name_of(control);
    if (words.empty()) continue;
    const NodeRole role = role_of(control, focus);
    // A control without a caption shows its words in the screen's picture. A button that takes no
    // action now says so where the focus is on it, and where the screen marks why (a solved card, a
    // filled place): a quiz's answers waiting together for the next question would otherwise each
    // change at once, a flood in which a screen reader drops what is said.
    const std::string name = spoken_form(words);
    const std::string& on_screen = control.caption().empty() ? words : control.caption();
    order_of.push_back(role == NodeRole::Heading ? std::tuple(-1, control.rect().top, control.rect().left)
                                                 : reading_key(def, control.name(), control.index(), control.rect()));
    found.push_back({.role = role,
                     .name = name,
                     .rect = control.rect(),
                     .control = control.name(),
                     .index = control.index(),
                     .focused = &control == focused,
                     .disabled = role == NodeRole::Button && !control.acts() &&
                                 (&control == focused || !control.state_note().empty()),
                     .stop = role == NodeRole::Button && focus.is_stop(control),
                     .held = &control == held,
                     .faint = control.faint(),
                     .state = spoken_form(control.state_note()),
                     .shown = on_screen == name ? "" : on_screen});
  }
  std::vector<std::size_t> reading(found.size());
  std::iota(reading.begin(), reading.end(), std::size_t{0});
  std::stable_sort(reading.begin(), reading.end(),
                   [&](std::size_t a, std::size_t b) { return order_of[a] < order_of[b]; });
  std::vector<SemanticNode> nodes;
  nodes.reserve(found.size());
  for (std::size_t at : reading) nodes.push_back(std::move(found[at]));
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
    for (const auto& [on, word] :
         {std::pair{node.focused, "focused"}, {node.disabled, "disabled"}, {node.held, "held"}})
      if (on) lines += std::string(" [") + word + "]";
    lines += "\n";
  }
  return lines;
}

}  // namespace metria
