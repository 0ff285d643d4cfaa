// Cards of the 数_SI drill: SI prefixes and their symbols, ヨタ (10^24) to ヨクト (10^-24).
#include <iterator>
#include <span>

#include "screens/drills/drill_content.h"

namespace metria {
namespace {

// The blanks between a prefix and its bracketed symbol mix U+3000 IDEOGRAPHIC SPACE (I) and
// U+0020 SPACE (S); beside each card they are spelt out in order. The symbols are full-width
// letters except the ASCII "m" of ミリ; "μ" is U+03BC.
constexpr DrillCard kCards[] = {
    {"ヨタ　 　[Ｙ]", Face::Gothic, 24},   // 0: blanks I S I
    {"ゼタ　　[Ｚ]", Face::Gothic, 21},    // 1: blanks I I
    {"エクサ [Ｅ]", Face::Gothic, 18},     // 2: blanks S
    {"ペタ　　[Ｐ]", Face::Gothic, 15},    // 3: blanks I I
    {"テラ  　[Ｔ]", Face::Gothic, 12},    // 4: blanks S S I
    {"ギガ　  [Ｇ]", Face::Gothic, 9},     // 5: blanks I S S
    {"メガ　　[Ｍ]", Face::Gothic, 6},     // 6: blanks I I
    {"キロ　　[ｋ]", Face::Gothic, 3},     // 7: blanks I I
    {"ヘクト  [ｈ]", Face::Gothic, 2},     // 8: blanks S S
    {"デカ 　 [ｄａ]", Face::Gothic, 1},   // 9: blanks S I S
    {"デシ　  [ｄ]", Face::Gothic, -1},    // 10: blanks I S S
    {"センチ [ｃ]", Face::Gothic, -2},     // 11: blanks S
    {"ミリ  　 [m]", Face::Gothic, -3},    // 12: blanks S S I S, ASCII "m"
    {"マイクロ[μ]", Face::Gothic, -6},     // 13: no blank
    {"ナノ     [ｎ]", Face::Gothic, -9},   // 14: blanks S S S S S
    {"ピコ   　[ｐ]", Face::Gothic, -12},  // 15: blanks S S S I
    {"フェムト [ｆ]", Face::Gothic, -15},  // 16: blanks S
    {"アト   　[ａ]", Face::Gothic, -18},  // 17: blanks S S S I
    {"ゼプト　[ｚ]", Face::Gothic, -21},   // 18: blanks I
    {"ヨクト 　[ｙ]", Face::Gothic, -24},  // 19: blanks S I
};
static_assert(std::size(kCards) == 20);

}  // namespace

std::span<const DrillCard> si_prefix_cards() { return kCards; }

}  // namespace metria
