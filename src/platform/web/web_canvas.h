// The canvas of the page's window: drawing goes to its 2D context through the page bridge; caption
// widths are measured once per font and text.
#pragma once

#include <map>
#include <string>
#include <tuple>

#include "ui/canvas.h"

namespace metria::web {

class WebCanvas final : public Canvas {
 public:
  void fill_rect(const PixelRect& r, Color color) override;
  void draw_picture(Picture picture, const PixelRect& dest) override;
  int text_width(const Font& font, std::string_view text) override;
  int line_height(const Font& font) override;
  void draw_text(const Font& font, Color color, std::string_view text, int x, int y, const PixelRect& clip) override;

  // Has the page fetch every picture of every screen while the program runs, so that each window
  // is drawn whole the first time it is shown instead of without its pictures for a moment.
  static void prefetch_pictures();

 private:
  using WidthKey = std::tuple<Face, int, bool, std::string>;
  using HeightKey = std::tuple<Face, int, bool>;
  std::map<WidthKey, int, std::less<>> m_text_widths;
  std::map<HeightKey, int> m_line_heights;
};

}  // namespace metria::web
