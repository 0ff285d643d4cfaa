// Words more than one screen gives its controls, written once.
#pragma once

namespace metria::words {

// The click spot over the menu button of a background picture.
inline constexpr char kMenuSpot[] = "■メニュー";
// The turtle of the openings, in each of its two poses.
inline constexpr char kWalkingTurtle[] = "歩くかめ";
inline constexpr char kGoldMedal[] = "金メダル";
inline constexpr char kSilverMedal[] = "銀メダル";
inline constexpr char kBronzeMedal[] = "銅メダル";

}  // namespace metria::words
