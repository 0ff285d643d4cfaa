// A window described for a screen reader: one node for each thing a person can read or act on,
// with its role, its name in the program's words, its state and where it stands.
#pragma once

#include <string>
#include <vector>

#include "ui/control_def.h"
#include "ui/geometry.h"

namespace metria {

class Control;
class Window;

struct SemanticNode {
  NodeRole role = NodeRole::Text;
  std::string name;     // in its spoken form (spoken_form.h)
  Rect rect;            // twips
  std::string control;  // the control's name and Index; empty for words of the picture
  int index = kNoIndex;
  bool focused = false;
  bool disabled = false;  // a button that takes no action now
  bool stop = false;      // a button Tab stops on now (a filled place is none while a card is held)
  bool held = false;      // a card picked up by key
  bool faint = false;     // its words are drawn faintly (control_def.h)
  std::string state;      // the screen's word on it, e.g. "正解", or the card on a place
  std::string shown;      // the text it shows on the screen, where that is not its name
  friend bool operator==(const SemanticNode&, const SemanticNode&) = default;
};

// The picture's words, then the visible controls that mean something, in reading order.
std::vector<SemanticNode> describe(const Window& window);

// A control's name, as a screen reader is given it: its caption set in its words where its
// definition gives them, in its spoken form.
std::string spoken_name(const Control& control);

// The role as a word: "heading", "text", "status", "image", "button".
const char* role_word(NodeRole role);

// One line per node, as the tests list it: "button 科学の単位 [focused]".
std::string listing(const std::vector<SemanticNode>& nodes);

}  // namespace metria
