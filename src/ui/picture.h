// The pictures and icons of the screen definitions, named by what they show.
#pragma once

#include <string_view>

namespace metria {

enum class Picture {
  None,
  // Backgrounds, 640 × 400, one per screen.
  MenuBackground,
  NumberMenuBackground,
  DrillLargeBackground,
  DrillSiBackground,
  DrillSmallBackground,
  QuizSiBackground,
  QuizCountersBackground,
  QuizCurrenciesBackground,
  // Pictures of Image controls.
  TitleBanner,
  CreditPicture,
  TurtlePose1,
  TurtlePose2,
  ScrollTurtleLarge,
  ScrollTurtleSmall,
  SignLeft,
  SignRight,
  CircleMark,
  CrossMark,
  GoldMedal,
  SilverMedal,
  BronzeMedal,
};

inline constexpr Picture kLastPicture = Picture::BronzeMedal;

enum class Icon { None, Stopwatch, Magnifier };

struct PictureInfo {
  std::string_view file;  // name of the embedded file
  int width, height;      // natural size in pixels
};

PictureInfo picture_info(Picture picture);

// True when the picture drawn width × height pixels is its natural size times one whole number:
// its pixels are then repeated exactly and it stays crisp. Any other size is resampled smoothly.
bool repeats_pixels(Picture picture, int width, int height);

std::string_view icon_file(Icon icon);

// The point of an icon shown as the pointer that does the pointing, in the icon's own pixels.
struct HotSpot {
  int x, y;
};
HotSpot icon_hot_spot(Icon icon);

}  // namespace metria
