// The two typefaces of the screens and a font as a label stores it.
#pragma once

namespace metria {

// "ＭＳ Ｐ明朝" (proportional Mincho, serif) and "ＭＳ Ｐゴシック" (proportional Gothic).
enum class Face { Mincho, Gothic };

struct Font {
  Face face = Face::Mincho;
  int pixels = 16;  // point size × 4 / 3: every size the screens use is a whole pixel count
  bool bold = false;

  friend bool operator==(const Font&, const Font&) = default;
};

}  // namespace metria
