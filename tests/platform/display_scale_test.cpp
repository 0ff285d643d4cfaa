// The drawing scale chosen from the desktop's settings and the display.
#include "platform/sdl/display_scale.h"

#include <gtest/gtest.h>

namespace metria {
namespace {

TEST(DisplayScale, FollowsTheDesktopTextResolutionInQuarterSteps) {
  EXPECT_EQ(scale_of({.xft_dpi = 96}), 1.0);
  EXPECT_EQ(scale_of({.xft_dpi = 120}), 1.25);
  EXPECT_EQ(scale_of({.xft_dpi = 144}), 1.5);
  EXPECT_EQ(scale_of({.xft_dpi = 168}), 1.75);
  EXPECT_EQ(scale_of({.xft_dpi = 192}), 2.0);
  EXPECT_EQ(scale_of({.xft_dpi = 100}), 1.0);  // a near miss rounds to the nearest step
  EXPECT_EQ(scale_of({.xft_dpi = 110}), 1.25);
}

TEST(DisplayScale, NeverDrawsSmallerThanTheDefinitions) {
  EXPECT_EQ(scale_of({.xft_dpi = 72}), 1.0);
  EXPECT_EQ(scale_of({.toolkit_scale = 0.5}), 1.0);
  EXPECT_EQ(scale_of({}), 1.0);
}

TEST(DisplayScale, TheDesktopsChoiceComesBeforeTheMeasuredDisplay) {
  EXPECT_EQ(scale_of({.xft_dpi = 96, .toolkit_scale = 2, .display_dpi = 192, .screen_dpi = 192}), 1.0);
  EXPECT_EQ(scale_of({.toolkit_scale = 2, .display_dpi = 96, .screen_dpi = 96}), 2.0);
  EXPECT_EQ(scale_of({.display_dpi = 144, .screen_dpi = 96}), 1.5);
  EXPECT_EQ(scale_of({.screen_dpi = 192}), 2.0);  // Xvfb -dpi 192: only the screen knows
}

TEST(DisplayScale, ShrinksToFitTheDisplay) {
  EXPECT_EQ(fit_scale(2.0, 1920, 1080), 2.0);  // 1282 × 800 and a 64 pixel title bar
  EXPECT_EQ(fit_scale(3.0, 1920, 1080), 2.5);  // 1602 × 1000 + 80 fits; at 2.75 1100 + 88 is too tall
  EXPECT_EQ(fit_scale(2.0, 1024, 768), 1.5);
  EXPECT_EQ(fit_scale(2.0, 640, 400), 1.0);  // never below 1, even where it cannot fit
}

TEST(DisplayScale, ReadsXftDpiFromTheResourceDatabase) {
  EXPECT_EQ(xft_dpi_of("Xft.antialias:\t1\nXft.dpi:\t192\nXft.hinting:\t1\n"), 192.0);
  EXPECT_EQ(xft_dpi_of("Xft.dpi: 144.5"), 144.5);
  EXPECT_EQ(xft_dpi_of("Xcursor.size:\t24\n"), std::nullopt);
  EXPECT_EQ(xft_dpi_of("Xft.dpi:\tlarge\n"), std::nullopt);
  EXPECT_EQ(xft_dpi_of(""), std::nullopt);
}

TEST(DisplayScale, TakesOnlyPositiveNumbersFromTheEnvironment) {
  EXPECT_EQ(positive_number("2"), 2.0);
  EXPECT_EQ(positive_number("1.5"), 1.5);
  EXPECT_EQ(positive_number(nullptr), std::nullopt);
  EXPECT_EQ(positive_number(""), std::nullopt);
  EXPECT_EQ(positive_number("0"), std::nullopt);
  EXPECT_EQ(positive_number("-2"), std::nullopt);
  EXPECT_EQ(positive_number("2x"), std::nullopt);
}

}  // namespace
}  // namespace metria
