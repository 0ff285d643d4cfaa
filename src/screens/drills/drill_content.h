// The content of one number-name drill: its cards, in index order.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "ui/font.h"

namespace metria {

// Card k (Label2(k)) belongs on place k (Label1(k)), beside the exponent drawn there.
struct DrillCard {
  std::string_view caption;
  Face face;
  std::int16_t exponent;  // the power of ten the card names
};

std::span<const DrillCard> large_names_cards();   // 数_JPB: 20 cards, 無量大数 … 十
std::span<const DrillCard> si_prefix_cards();     // 数_SI: 20 cards, ヨタ … ヨクト
std::span<const DrillCard> small_names_cards();   // 数_JPS: 22 cards, 分 … 浄

}  // namespace metria
