// A control as a screen definition stores it: kind, name, index and starting properties.
#pragma once

#include <optional>
#include <string>

#include "ui/color.h"
#include "ui/font.h"
#include "ui/geometry.h"
#include "ui/picture.h"

namespace metria {

enum class ControlKind { Label, Image, Timer, SoundPlayer };
enum class BackStyle { Transparent = 0, Opaque = 1 };
enum class BorderStyle { None = 0, FixedSingle = 1 };
enum class Alignment { Left = 0, Right = 1, Centre = 2 };

inline constexpr int kNoIndex = -1;  // a control that is not a member of an array

// What a control is to a screen reader. Buttons are whatever the screen wired for action; the
// rest follow from the kind unless a definition says otherwise.
enum class NodeRole { Heading, Text, Status, Image, Button };

struct ControlDef {
  std::string name;
  int index = kNoIndex;
  ControlKind kind = ControlKind::Label;
  Rect rect;
  bool visible = true;
  // Labels.
  std::string caption;
  Color back_color = colors::kWhite;
  Color fore_color = colors::kBlack;
  BackStyle back_style = BackStyle::Opaque;
  BorderStyle border_style = BorderStyle::None;
  Alignment alignment = Alignment::Left;
  std::optional<Font> font;  // labels without a font are transparent click areas or drop targets
  Icon drag_icon = Icon::None;
  // Images.
  Picture picture = Picture::None;
  bool stretch = false;
  // What the control means in the program's own words, for a screen reader: the name of a hot
  // spot over a picture, a drop place or a picture that carries meaning; for a label with a
  // caption, the words around it, with "{}" where the caption goes ("正解 {} ％").
  std::string text_alternative;
  std::optional<NodeRole> role;  // a count that changes as the game goes on is a Status
  // Acting on it leaves the screen (the menu spots): a new window does not start focused on it.
  bool leaves_screen = false;
  // Its words are drawn with less than 4.5:1 contrast (white on the screens' red): where the system
  // asks for more contrast, they are drawn strong.
  bool faint = false;
};

}  // namespace metria
