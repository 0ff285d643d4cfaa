// Cards of the 数_JPS drill: the Japanese names of small powers of ten, 10^-1 down to 10^-22.
#include <iterator>
#include <span>

#include "screens/drills/drill_content.h"

namespace metria {
namespace {

// Card k names 10^-(k + 1). The first three names are set in Mincho.
constexpr DrillCard kCards[] = {
    {"分", Face::Mincho, -1},              // 0
    {"厘", Face::Mincho, -2},              // 1
    {"毛", Face::Mincho, -3},              // 2
    {"糸", Face::Gothic, -4},              // 3
    {"忽", Face::Gothic, -5},              // 4
    {"微", Face::Gothic, -6},              // 5
    {"繊", Face::Gothic, -7},              // 6
    {"沙", Face::Gothic, -8},              // 7
    {"塵", Face::Gothic, -9},              // 8
    {"埃", Face::Gothic, -10},             // 9
    {"渺", Face::Gothic, -11},             // 10
    {"漠", Face::Gothic, -12},             // 11
    {"模糊", Face::Gothic, -13},           // 12
    {"逡巡", Face::Gothic, -14},           // 13
    {"須臾", Face::Gothic, -15},           // 14
    {"瞬息", Face::Gothic, -16},           // 15
    {"弾指", Face::Gothic, -17},           // 16
    {"刹那", Face::Gothic, -18},           // 17
    {"六徳", Face::Gothic, -19},           // 18
    {"虚空", Face::Gothic, -20},           // 19
    {"清", Face::Gothic, -21},             // 20
    {"浄", Face::Gothic, -22},             // 21
};
static_assert(std::size(kCards) == 22);

}  // namespace

std::span<const DrillCard> small_names_cards() { return kCards; }

}  // namespace metria
