// The two signboards of the number-names sub-menu: each choice label sits in the middle of its
// board, so the board's red frame shows equally on the left and the right, and above and below.
#include <SDL.h>
#include <SDL_image.h>
#include <gtest/gtest.h>

#include <string>

#include "harness/headless.h"
#include "platform/sdl/sdl_handles.h"

namespace metria::testing {
namespace {

bool red_at(SDL_Surface* picture, int x, int y) {
  if (x < 0 || y < 0 || x >= picture->w || y >= picture->h) return false;
  const auto* row = static_cast<const std::uint8_t*>(picture->pixels) + y * picture->pitch;
  std::uint8_t r = 0, g = 0, b = 0;
  SDL_GetRGB(row[x], picture->format, &r, &g, &b);
  return r > 200 && g < 60 && b < 60;
}

// Red pixels from (x, y) on in steps of (dx, dy), until the first that is not red.
int red_run(SDL_Surface* picture, int x, int y, int dx, int dy) {
  int n = 0;
  while (red_at(picture, x + n * dx, y + n * dy)) ++n;
  return n;
}

TEST(Signboards, EachChoiceSitsInTheMiddleOfItsBoard) {
  Harness h({.first_screen = ScreenId::NumberMenu});
  const struct {
    const char* image;
    int choice;
  } signs[] = {{"Image3", 0}, {"Image4", 1}};
  for (const auto& sign : signs) {
    const Control& image = h.control(sign.image);
    const std::string file = std::string(METRIA_SOURCE_DIR "/assets/pictures/") +
                             std::string(picture_info(image.picture()).file);
    SCOPED_TRACE(file);
    const SurfacePtr picture(IMG_Load(file.c_str()));
    ASSERT_NE(picture, nullptr) << IMG_GetError();
    ASSERT_EQ(picture->format->BytesPerPixel, 1);
    // The label in the picture's own pixels.
    const Rect label = h.control("Label3", sign.choice).rect();
    const int left = (label.left - image.left()) / 15, top = (label.top - image.top()) / 15;
    const int right = left + label.width / 15 - 1, bottom = top + label.height / 15 - 1;
    const int middle_x = (left + right) / 2, middle_y = (top + bottom) / 2;
    const int frame_left = red_run(picture.get(), left - 1, middle_y, -1, 0);
    const int frame_right = red_run(picture.get(), right + 1, middle_y, 1, 0);
    const int frame_top = red_run(picture.get(), middle_x, top - 1, 0, -1);
    const int frame_bottom = red_run(picture.get(), middle_x, bottom + 1, 0, 1);
    EXPECT_GE(frame_left, 1);
    EXPECT_EQ(frame_left, frame_right);
    EXPECT_GE(frame_top, 1);
    EXPECT_EQ(frame_top, frame_bottom);
  }
}

}  // namespace
}  // namespace metria::testing
