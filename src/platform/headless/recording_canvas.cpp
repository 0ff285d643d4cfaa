// Recording canvas: one em per character keeps the expected line breaks easy to work out.
#include "platform/headless/recording_canvas.h"

namespace metria::headless {

int RecordingCanvas::text_width(const Font& font, std::string_view text) {
  int characters = 0;
  for (unsigned char c : text)
    if ((c & 0xC0) != 0x80) ++characters;
  return characters * font.pixels;
}

void RecordingCanvas::draw_text(const Font& font, Color color, std::string_view text, int x, int y,
                                const PixelRect& clip) {
  ops.push_back({DrawOp::Kind::Text, {x, y, text_width(font, text), font.pixels}, color, Picture::None,
                 std::string(text)});
  text_clips.push_back(clip);
}

}  // namespace metria::headless
