// Painting of labels and images as the window layer draws them.
#include "ui/painter.h"

#include <algorithm>
#include <cmath>

#include "ui/canvas.h"
#include "ui/strong_look.h"
#include "ui/text_layout.h"
#include "ui/window.h"

namespace metria {

namespace {

Font scaled(const Font& font, double scale) {
  return {font.face, static_cast<int>(std::lround(font.pixels * scale)), font.bold};
}

PixelRect natural_size_at(Picture picture, int left, int top, double scale) {
  const PictureInfo info = picture_info(picture);
  return {to_pixels(left, scale), to_pixels(top, scale), static_cast<int>(std::lround(info.width * scale)),
          static_cast<int>(std::lround(info.height * scale))};
}

// The largest size down to 85 % of the font's own at which the text fits the width.
Font fitted(Canvas& canvas, Font font, std::string_view text, int width) {
  const int smallest = font.pixels * 85 / 100;
  while (font.pixels > smallest && canvas.text_width(font, text) > width) --font.pixels;
  return font;
}

void paint_label(const Control& label, Canvas& canvas, double scale) {
  const PixelRect box = to_pixels(label.rect(), scale);
  if (label.back_style() == BackStyle::Opaque) canvas.fill_rect(box, label.back_color());
  const int border = std::max(1, static_cast<int>(std::lround(scale)));
  if (label.border_style() == BorderStyle::FixedSingle) canvas.frame_rect(box, colors::kBlack, border);
  if (label.caption().empty() || !label.font()) return;

  Font font = scaled(*label.font(), scale);
  const int inset = label.border_style() == BorderStyle::FixedSingle ? border : 0;
  const int width = box.w - 2 * inset;
  const int line_height = canvas.line_height(font);
  // A label only one line high keeps its caption on that line: breaking it would hide the end of
  // the caption entirely. Where our faces run a little wider than the label was made for, the
  // caption is set a few pixels smaller so that it fits, rather than cut at the edges.
  const bool one_line = box.h - 2 * inset < 2 * line_height;
  if (one_line) font = fitted(canvas, font, label.caption(), width);
  const auto measure = [&](std::string_view text) { return canvas.text_width(font, text); };
  const std::vector<std::string> lines =
      one_line ? std::vector<std::string>{label.caption()} : wrap_text(label.caption(), width, measure);
  int y = box.y + inset;
  for (const std::string& line : lines) {
    if (y >= box.y + box.h) break;
    int x = box.x + inset;
    const int spare = width - measure(line);
    if (label.alignment() == Alignment::Centre) x += spare / 2;
    if (label.alignment() == Alignment::Right) x += spare;
    canvas.draw_text(font, label.fore_color(), line, x, y, box);
    y += line_height;
  }
}

void paint_image(const Control& image, Canvas& canvas, double scale) {
  if (image.picture() == Picture::None) return;
  const PixelRect dest = image.stretch() ? to_pixels(image.rect(), scale)
                                         : natural_size_at(image.picture(), image.left(), image.top(), scale);
  canvas.draw_picture(image.picture(), dest);
}

// Two bands around a control, black inside and a light colour outside, so that one of them stands
// out against whatever lies beside it; drawn after every control, so nothing covers them.
void paint_ring(const Control& control, Color outer, Canvas& canvas, double scale, const PixelRect& client) {
  const int band = std::max(2, static_cast<int>(std::lround(2 * scale)));
  const PixelRect box = to_pixels(control.rect(), scale);
  // Grown outwards, but kept inside the window at its edges.
  const int left = std::max(client.x, box.x - 2 * band), top = std::max(client.y, box.y - 2 * band);
  const int right = std::min(client.x + client.w, box.x + box.w + 2 * band);
  const int bottom = std::min(client.y + client.h, box.y + box.h + 2 * band);
  const PixelRect ring{left, top, right - left, bottom - top};
  canvas.frame_rect(ring, outer, band);
  canvas.frame_rect({ring.x + band, ring.y + band, ring.w - 2 * band, ring.h - 2 * band}, colors::kBlack, band);
}

}  // namespace

void paint_window(const Window& window, Canvas& canvas, double scale) {
  const ScreenDef& def = window.definition();
  const PixelRect client{0, 0, to_pixels(def.client_width, scale), to_pixels(def.client_height, scale)};
  canvas.fill_rect(client, def.back_color.value_or(kDefaultWindowColor));
  if (def.picture != Picture::None) canvas.draw_picture(def.picture, natural_size_at(def.picture, 0, 0, scale));

  const auto& controls = window.controls();
  for (auto it = controls.rbegin(); it != controls.rend(); ++it) {
    const Control& control = **it;
    if (!control.visible()) continue;
    if (control.kind() == ControlKind::Label) paint_label(control, canvas, scale);
    if (control.kind() == ControlKind::Image) paint_image(control, canvas, scale);
  }

  if (window.preferences().high_contrast) paint_strong_look(window, canvas, scale);

  // A card picked up by key is shown held; the keys' focus shows once a key has been used.
  const DragSession& drag = window.drag();
  if (drag.by_keys()) paint_ring(*drag.source(), colors::kYellow, canvas, scale, client);
  const KeyboardFocus& focus = window.focus();
  if (focus.ring_shown() && focus.focused()) paint_ring(*focus.focused(), colors::kWhite, canvas, scale, client);
}

}  // namespace metria
