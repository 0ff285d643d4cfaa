// A screen definition: the window's own properties and its controls, front to back.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

#include "ui/color.h"
#include "ui/control_def.h"
#include "ui/picture.h"

namespace metria {

// A control or array in reading order: its members by Index, or where they stand on the screen.
struct ReadingGroup {
  std::string name;
  bool by_index = false;
};

// Words drawn in the background picture (its heading, an instruction), where they stand.
struct PictureText {
  std::string text;
  Rect rect;  // twips
  NodeRole role = NodeRole::Text;
  bool faint = false;  // as a control's (control_def.h)
};

// Words of the picture as it draws them: centred on x, on a baseline, at a size, in pixels of the
// picture.
struct DrawnWords {
  std::string_view text;
  double centre_x, baseline;
  int size;
  bool faint = false;
};

// Their box is as wide as the characters set square and as tall as a line.
inline PictureText drawn_words(const DrawnWords& words, NodeRole role = NodeRole::Text) {
  int characters = 0;
  for (const unsigned char byte : words.text) characters += (byte & 0xC0) != 0x80;
  const double width = characters * words.size;
  const auto twips = [](double pixels) { return static_cast<int>(pixels * kTwipsPerPixel); };
  return {std::string(words.text),
          Rect{twips(words.centre_x - width / 2), twips(words.baseline - 0.88 * words.size), twips(width),
               twips(1.1 * words.size)},
          role, words.faint};
}

struct ScreenDef {
  std::string name;                         // the screen's name, e.g. "メニュー"
  std::string caption;                      // the window title
  int client_width = 0, client_height = 0;  // twips
  std::optional<Color> back_color;          // only the drills store one
  Picture picture = Picture::None;          // drawn at 0,0 at natural size, cut at the client edges
  Icon icon = Icon::Stopwatch;
  std::vector<ControlDef> controls;  // the first listed is drawn last and gets the mouse first
  // Where reading order (top to bottom, then left to right) visits the controls in the wrong order,
  // for the keys and for a screen reader: these groups come first, in this order; the rest follow
  // in reading order.
  std::vector<ReadingGroup> reading_order;
  std::vector<PictureText> picture_texts;
  // The controls the keys' focus starts on, where the first ones to appear are not (the main
  // menu's entries come after its credit): until one of them can be reached, and no key has moved
  // the focus, nothing has it.
  std::string focus_starts_on;
};

// Where a control comes in the screen's reading order: its group's place in the table, then its
// Index or its position; controls of no listed group after them, top to bottom, left to right.
inline std::tuple<int, int, int> reading_key(const ScreenDef& def, std::string_view name, int index, const Rect& rect) {
  const int groups = static_cast<int>(def.reading_order.size());
  for (int g = 0; g < groups; ++g)
    if (def.reading_order[g].name == name)
      return def.reading_order[g].by_index ? std::tuple(g, index, 0) : std::tuple(g, rect.top, rect.left);
  return {groups, rect.top, rect.left};
}

// Fill of the client area where a definition stores no BackColor (the pictures cover it anyway).
inline constexpr Color kDefaultWindowColor{212, 208, 200};

}  // namespace metria
