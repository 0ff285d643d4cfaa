// Cards of the 数_JPB drill: the Japanese names of large powers of ten, 10^68 down to 10^1.
#include <iterator>
#include <span>

#include "screens/drills/drill_content.h"

namespace metria {
namespace {

// Card k names 10^(68 - 4k) for k up to 16 (万 = 10^4), then 千, 百, 十. The readings in
// full-width parentheses belong to the captions. The first two names are set in Mincho.
constexpr DrillCard kCards[] = {
    {"無量大数", Face::Mincho, 68},        // 0
    {"不可思議", Face::Mincho, 64},        // 1
    {"那由他", Face::Gothic, 60},          // 2
    {"阿僧祇", Face::Gothic, 56},          // 3
    {"恒河沙", Face::Gothic, 52},          // 4
    {"極（ごく）", Face::Gothic, 48},      // 5
    {"戴（さい）", Face::Gothic, 44},      // 6
    {"正（せい）", Face::Gothic, 40},      // 7
    {"澗（かん）", Face::Gothic, 36},      // 8
    {"溝（こう）", Face::Gothic, 32},      // 9
    {"穣（じょう）", Face::Gothic, 28},    // 10
    {"杼（じょ）", Face::Gothic, 24},      // 11
    {"垓（かい）", Face::Gothic, 20},      // 12
    {"京（けい）", Face::Gothic, 16},      // 13
    {"兆", Face::Gothic, 12},              // 14
    {"億", Face::Gothic, 8},               // 15
    {"万", Face::Gothic, 4},               // 16
    {"千", Face::Gothic, 3},               // 17
    {"百", Face::Gothic, 2},               // 18
    {"十", Face::Gothic, 1},               // 19
};
static_assert(std::size(kCards) == 20);

}  // namespace

std::span<const DrillCard> large_names_cards() { return kCards; }

}  // namespace metria
