// Drawing through the canvas 2D context of the page.
#include "platform/web/web_canvas.h"

#include <string>

#include "platform/web/page_bridge.h"

namespace metria::web {

namespace {

// The families web/style.css declares for the two faces, subset and renamed by the build.
const char* family(Face face) {
  switch (face) {
    case Face::Mincho: return "MetriaMincho";
    case Face::Gothic: return "MetriaGothic";
  }
  return "MetriaMincho";
}

}  // namespace

void WebCanvas::fill_rect(const PixelRect& r, Color color) {
  metria_fill_rect(r.x, r.y, r.w, r.h, color.r, color.g, color.b);
}

void WebCanvas::draw_picture(Picture picture, const PixelRect& dest) {
  const std::string file(picture_info(picture).file);
  if (!file.empty())
    metria_draw_picture(file.c_str(), dest.x, dest.y, dest.w, dest.h, repeats_pixels(picture, dest.w, dest.h) ? 0 : 1);
}

void WebCanvas::prefetch_pictures() {
  for (int p = static_cast<int>(Picture::None) + 1; p <= static_cast<int>(kLastPicture); ++p) {
    const std::string_view file = picture_info(static_cast<Picture>(p)).file;
    metria_prefetch_picture(file.data(), static_cast<int>(file.size()));
  }
}

int WebCanvas::text_width(const Font& font, std::string_view text) {
  const auto found = m_text_widths.find(std::make_tuple(font.face, font.pixels, font.bold, text));
  if (found != m_text_widths.end()) return found->second;
  const int width =
      metria_text_width(family(font.face), font.pixels, text.data(), static_cast<int>(text.size()));
  m_text_widths.emplace(WidthKey{font.face, font.pixels, font.bold, std::string(text)}, width);
  return width;
}

int WebCanvas::line_height(const Font& font) {
  const HeightKey key{font.face, font.pixels, font.bold};
  const auto found = m_line_heights.find(key);
  if (found != m_line_heights.end()) return found->second;
  return m_line_heights[key] = metria_line_height(family(font.face), font.pixels);
}

void WebCanvas::draw_text(const Font& font, Color color, std::string_view text, int x, int y,
                          const PixelRect& clip) {
  metria_draw_text(family(font.face), font.pixels, font.bold, color.r, color.g, color.b, text.data(),
                   static_cast<int>(text.size()), x, y, clip.x, clip.y, clip.w, clip.h);
}

}  // namespace metria::web
