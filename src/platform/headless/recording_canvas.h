// A canvas that records what is drawn; text is measured as the font's pixel size per character.
#pragma once

#include <string>
#include <vector>

#include "ui/canvas.h"

namespace metria::headless {

struct DrawOp {
  enum class Kind { Fill, Frame, Picture, Text } kind;
  PixelRect rect;        // fill/frame/picture box; for text: x, y of the line and its measured width
  Color color;
  Picture picture = Picture::None;
  std::string text;
  int thickness = 0;
};

class RecordingCanvas final : public Canvas {
 public:
  void fill_rect(const PixelRect& r, Color color) override { ops.push_back({DrawOp::Kind::Fill, r, color}); }
  void frame_rect(const PixelRect& r, Color color, int thickness) override {
    ops.push_back({DrawOp::Kind::Frame, r, color, Picture::None, "", thickness});
  }
  void draw_picture(Picture picture, const PixelRect& dest) override {
    ops.push_back({DrawOp::Kind::Picture, dest, {}, picture});
  }
  int text_width(const Font& font, std::string_view text) override;
  int line_height(const Font& font) override { return font.pixels; }
  void draw_text(const Font& font, Color color, std::string_view text, int x, int y, const PixelRect& clip) override;

  std::vector<DrawOp> ops;
  std::vector<PixelRect> text_clips;
};

}  // namespace metria::headless
