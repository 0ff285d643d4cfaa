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
  // What the control means where no caption says it (the hot spots over pictures, the drop
  // places), in the program's own words, for the keys and for a screen reader.
  std::string text_alternative;
  // Acting on it leaves the screen (the menu spots): a new window does not start focused on it.
  bool leaves_screen = false;
};

}  // namespace metria
