// Strong words and right marks.
#include "ui/strong_look.h"

#include <algorithm>
#include <cmath>
#include <string_view>

#include "ui/canvas.h"
#include "ui/utf8.h"
#include "ui/window.h"

namespace metria {

namespace {

// White on this red is 7.7:1.
constexpr Color kStrongRed{176, 0, 0};

int scaled(double pixels, double scale) { return std::max(1, static_cast<int>(std::lround(pixels * scale))); }

// The text centred in the box, in the given font.
void centred_text(Canvas& canvas, const Font& font, Color color, std::string_view text, const PixelRect& box,
                  const PixelRect& clip) {
  const int x = box.x + (box.w - canvas.text_width(font, text)) / 2;
  const int y = box.y + (box.h - canvas.line_height(font)) / 2;
  canvas.draw_text(font, color, text, x, y, clip);
}

// The words fill their box as large as it allows: four fifths of its height, or its width shared
// among their characters.
void strong_words(Canvas& canvas, std::string_view words, const Rect& rect, double scale) {
  const PixelRect box = to_pixels(rect, scale);
  const auto characters = decode_utf8(words);
  const double count = characters ? std::max<double>(1, characters->size()) : 1;
  const Font font{Face::Gothic, std::max(1, static_cast<int>(std::min(box.h * 0.8, box.w * 0.95 / count)))};
  canvas.fill_rect(box, kStrongRed);
  centred_text(canvas, font, colors::kWhite, words, box, box);
}

// A white band inside the control and a black one around it, and a white disc with a red tick
// hanging off its top-left corner, clear of its words.
void right_mark(Canvas& canvas, const Control& control, double scale, const PixelRect& client) {
  const PixelRect box = to_pixels(control.rect(), scale);
  const int band = scaled(2, scale);
  canvas.frame_rect(box, colors::kWhite, band);
  canvas.frame_rect({box.x - band, box.y - band, box.w + 2 * band, box.h + 2 * band}, colors::kBlack, band);
  const int size = static_cast<int>(std::lround(box.h * 0.7));
  const int offset = static_cast<int>(std::lround(box.h * 0.3));
  const PixelRect disc{box.x - offset, box.y - offset, size, size};
  const Font disc_font{Face::Gothic, size};
  centred_text(canvas, disc_font, colors::kWhite, "●", disc, client);
  centred_text(canvas, disc_font, colors::kBlack, "○", disc, client);
  centred_text(canvas, {Face::Gothic, std::max(1, size * 55 / 70), true}, kStrongRed, "✓", disc, client);
}

}  // namespace

void paint_strong_look(const Window& window, Canvas& canvas, double scale) {
  const ScreenDef& def = window.definition();
  const PixelRect client{0, 0, to_pixels(def.client_width, scale), to_pixels(def.client_height, scale)};
  for (const PictureText& text : def.picture_texts)
    if (text.faint) strong_words(canvas, text.text, text.rect, scale);
  const auto& controls = window.controls();
  for (auto it = controls.rbegin(); it != controls.rend(); ++it) {
    const Control& control = **it;
    if (!control.visible()) continue;
    if (control.faint()) {
      const std::string& words = control.caption().empty() ? control.text_alternative() : control.caption();
      if (!words.empty()) strong_words(canvas, words, control.rect(), scale);
    }
    if (control.state_note() == kRightNote) right_mark(canvas, control, scale, client);
  }
}

}  // namespace metria
