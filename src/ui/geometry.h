// Positions and sizes in twips (15 to the pixel at scale 1) and their conversion to device pixels.
#pragma once

#include <cmath>

namespace metria {

inline constexpr int kTwipsPerPixel = 15;

struct Point {
  int x = 0, y = 0;  // twips from the top-left corner of the client area
  friend bool operator==(const Point&, const Point&) = default;
};

struct Rect {
  int left = 0, top = 0, width = 0, height = 0;  // twips

  int right() const { return left + width; }
  int bottom() const { return top + height; }
  bool contains(Point p) const { return p.x >= left && p.x < right() && p.y >= top && p.y < bottom(); }
  Point centre() const { return {left + width / 2, top + height / 2}; }
  friend bool operator==(const Rect&, const Rect&) = default;
};

// A rectangle in device pixels.
struct PixelRect {
  int x = 0, y = 0, w = 0, h = 0;
  friend bool operator==(const PixelRect&, const PixelRect&) = default;
};

// Edges are converted one by one (not left and width), so that neighbouring controls that share
// an edge in twips share it in pixels too, at every scale. Rounds to the nearest pixel, halves
// down, so that a pixel is drawn as part of a control exactly when its centre lies inside it.
inline int to_pixels(int twips, double scale = 1.0) {
  return static_cast<int>(std::ceil(twips * scale / kTwipsPerPixel - 0.5));
}

inline PixelRect to_pixels(const Rect& r, double scale = 1.0) {
  const int x = to_pixels(r.left, scale), y = to_pixels(r.top, scale);
  return {x, y, to_pixels(r.right(), scale) - x, to_pixels(r.bottom(), scale) - y};
}

// The twips point at the centre of a device pixel: a pixel belongs to a control exactly when it
// is drawn as part of it (edges round the same way as to_pixels).
inline Point to_twips(int px, int py, double scale = 1.0) {
  return {static_cast<int>(std::floor((px + 0.5) * kTwipsPerPixel / scale)),
          static_cast<int>(std::floor((py + 0.5) * kTwipsPerPixel / scale))};
}

}  // namespace metria
