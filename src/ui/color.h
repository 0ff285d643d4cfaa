// A 24-bit colour, and the 0x00BBGGRR form in which screen definitions store colours.
#pragma once

#include <cstdint>

namespace metria {

struct Color {
  std::uint8_t r = 0, g = 0, b = 0;

  // 0x00BBGGRR, lowest byte red.
  static constexpr Color from_bgr(std::uint32_t v) {
    return {static_cast<std::uint8_t>(v & 0xFF), static_cast<std::uint8_t>((v >> 8) & 0xFF),
            static_cast<std::uint8_t>((v >> 16) & 0xFF)};
  }

  friend bool operator==(const Color&, const Color&) = default;
};

namespace colors {
inline constexpr Color kWhite{255, 255, 255};
inline constexpr Color kBlack{0, 0, 0};
inline constexpr Color kBlue{0, 0, 255};
inline constexpr Color kRed{255, 0, 0};
inline constexpr Color kYellow{255, 255, 0};
inline constexpr Color kMagenta{255, 0, 255};
inline constexpr Color kDarkBlue{0, 0, 192};
inline constexpr Color kSlotBlue{4, 2, 164};
}  // namespace colors

}  // namespace metria
