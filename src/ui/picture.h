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
std::string_view icon_file(Icon icon);

}  // namespace metria
