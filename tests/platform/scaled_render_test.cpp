// The program's own drawing at a display scale above 1: window size, pictures repeated pixel for
// pixel at whole scales, and text rendered at the scaled size.
#include <gtest/gtest.h>

#include <cstdint>

#include "harness/headless.h"
#include "platform/offscreen_render.h"

namespace metria::testing {
namespace {

using Surface = SurfacePtr;
using ScaledRendering = OffscreenRendering;

TEST_F(ScaledRendering, AWindowAtScaleTwoIsTwiceAsLargeAndCoveredByItsPicture) {
  Harness h({.first_screen = ScreenId::Menu});
  const Surface frame = render(h.window(), 2.0);
  EXPECT_EQ(frame->w, 1278);  // 9585 × 6000 twips
  EXPECT_EQ(frame->h, 800);
  // The 640 × 400 background reaches the last pixel: nothing of the window's own fill shows.
  const SDL_Color corner = colour_at(frame.get(), frame->w - 1, frame->h - 1);
  EXPECT_FALSE(corner.r == kDefaultWindowColor.r && corner.g == kDefaultWindowColor.g &&
               corner.b == kDefaultWindowColor.b);
}

TEST_F(ScaledRendering, AtScaleTwoEveryPicturePixelBecomesTwoByTwo) {
  Harness h({.first_screen = ScreenId::Menu});
  // The background alone: pictures placed at twips that fall between pixels may round one pixel
  // differently at another scale, which is right (their edges follow the twips).
  for (const auto& control : h.window().controls()) control->set_visible(false);
  const Surface one = render(h.window(), 1.0), two = render(h.window(), 2.0);
  int differing = 0;
  for (int y = 0; y < two->h; ++y)
    for (int x = 0; x < two->w; ++x) differing += pixel_at(two.get(), x, y) != pixel_at(one.get(), x / 2, y / 2);
  EXPECT_EQ(differing, 0);
}

TEST_F(ScaledRendering, TextIsDrawnAtTheScaledSizeNotEnlarged) {
  Harness h({.first_screen = ScreenId::Menu});
  h.advance(6000);  // the entries are shown
  const Surface one = render(h.window(), 1.0), two = render(h.window(), 2.0);
  // Enlarging the scale-1 frame would repeat every pixel; text rendered at 70 pixels has edges
  // and strokes of its own, so many 2 × 2 blocks inside the entry labels are not uniform.
  const PixelRect entry = to_pixels(h.control("Label1", 0).rect(), 2.0);
  int mixed_blocks = 0;
  for (int y = entry.y; y + 1 < entry.y + entry.h; y += 2)
    for (int x = entry.x; x + 1 < entry.x + entry.w; x += 2) {
      const std::uint32_t p = pixel_at(two.get(), x, y);
      mixed_blocks += p != pixel_at(two.get(), x + 1, y) || p != pixel_at(two.get(), x, y + 1) ||
                      p != pixel_at(two.get(), x + 1, y + 1);
    }
  EXPECT_GT(mixed_blocks, 100);
}

}  // namespace
}  // namespace metria::testing
