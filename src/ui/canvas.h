// What drawing needs of the platform: fills, frames, pictures and text, in device pixels.
#pragma once

#include <string_view>

#include "ui/color.h"
#include "ui/font.h"
#include "ui/geometry.h"
#include "ui/picture.h"

namespace metria {

class Canvas {
 public:
  virtual ~Canvas() = default;
  virtual void fill_rect(const PixelRect& r, Color color) = 0;
  // A frame `thickness` pixels wide along the inside of r: four fills, unless a canvas draws it
  // some other way.
  virtual void frame_rect(const PixelRect& r, Color color, int thickness) {
    fill_rect({r.x, r.y, r.w, thickness}, color);
    fill_rect({r.x, r.y + r.h - thickness, r.w, thickness}, color);
    fill_rect({r.x, r.y, thickness, r.h}, color);
    fill_rect({r.x + r.w - thickness, r.y, thickness, r.h}, color);
  }
  // The picture scaled to dest (dest equals its natural size when it is not stretched);
  // the transparent colour of a picture that has one stays undrawn.
  virtual void draw_picture(Picture picture, const PixelRect& dest) = 0;
  // Text metrics and drawing at the font's pixel size; x, y is the top-left of the line.
  virtual int text_width(const Font& font, std::string_view text) = 0;
  virtual int line_height(const Font& font) = 0;
  virtual void draw_text(const Font& font, Color color, std::string_view text, int x, int y,
                         const PixelRect& clip) = 0;
};

}  // namespace metria
