// File names and natural sizes of the embedded pictures, and the icons' hot spots.
#include "ui/picture.h"

namespace metria {

PictureInfo picture_info(Picture picture) {
  switch (picture) {
    case Picture::None: return {"", 0, 0};
    case Picture::MenuBackground: return {"menu_background.gif", 640, 400};
    case Picture::NumberMenuBackground: return {"number_menu_background.gif", 640, 400};
    case Picture::DrillLargeBackground: return {"drill_jpb_background.gif", 640, 400};
    case Picture::DrillSiBackground: return {"drill_si_background.gif", 640, 400};
    case Picture::DrillSmallBackground: return {"drill_jps_background.gif", 640, 400};
    case Picture::QuizSiBackground: return {"quiz_si_background.gif", 640, 400};
    case Picture::QuizCountersBackground: return {"quiz_japan_background.gif", 640, 400};
    case Picture::QuizCurrenciesBackground: return {"quiz_currency_background.gif", 640, 400};
    case Picture::TitleBanner: return {"title_banner.gif", 491, 258};
    case Picture::CreditPicture: return {"credit_picture.gif", 206, 207};
    case Picture::TurtlePose1: return {"turtle_pose1.gif", 120, 120};
    case Picture::TurtlePose2: return {"turtle_pose2.gif", 121, 119};
    case Picture::ScrollTurtleLarge: return {"scroll_turtle_large.gif", 217, 199};
    case Picture::ScrollTurtleSmall: return {"scroll_turtle_small.gif", 183, 194};
    case Picture::SignLeft: return {"sign_left.gif", 120, 51};
    case Picture::SignRight: return {"sign_right.gif", 118, 51};
    case Picture::CircleMark: return {"circle_mark.gif", 199, 195};
    case Picture::CrossMark: return {"cross_mark.gif", 211, 207};
    case Picture::GoldMedal: return {"gold_medal.gif", 80, 100};
    case Picture::SilverMedal: return {"silver_medal.gif", 80, 100};
    case Picture::BronzeMedal: return {"bronze_medal.gif", 80, 100};
  }
  return {"", 0, 0};
}

bool repeats_pixels(Picture picture, int width, int height) {
  const PictureInfo info = picture_info(picture);
  if (info.width <= 0 || width % info.width != 0) return false;
  const int factor = width / info.width;
  return factor > 0 && height == info.height * factor;
}

std::string_view icon_file(Icon icon) {
  switch (icon) {
    case Icon::None: return "";
    case Icon::Stopwatch: return "stopwatch.ico";
    case Icon::Magnifier: return "magnifier.ico";
  }
  return "";
}

// The magnifier's lens centre; the stopwatch is never a pointer.
HotSpot icon_hot_spot(Icon icon) { return icon == Icon::Magnifier ? HotSpot{12, 12} : HotSpot{0, 0}; }

}  // namespace metria
