// The reviewed listing of the cards of the three number-name drills, kept here as data: card k's
// caption with the place it belongs on (column of the table and row from the top), as the loaded
// screen shows them. One slip in a caption, a blank or a letter fails with the lines that differ.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "drill_test_support.h"
#include "screens/listing.h"

namespace metria::testing {
namespace {

// "left 3: 那由他": card k's caption after the column and row of place k, read from where the places
// stand: the left column is the one of place 0, rows count from the top.
std::vector<std::string> card_lines(Harness& h) {
  const int count = drill(h).NameCount;
  std::vector<std::string> out;
  for (int k = 0; k < count; ++k) {
    const Control& place = h.control("Label1", k);
    int row = 1;
    for (int other = 0; other < count; ++other) {
      const Control& o = h.control("Label1", other);
      if (o.left() == place.left() && o.top() < place.top()) ++row;
    }
    const bool left_column = place.left() == h.control("Label1", 0).left();
    out.push_back((left_column ? "left " : "right ") + std::to_string(row) + ": " + h.caption("Label2", k));
  }
  return out;
}

// 数_JPB: the Japanese names of large powers of ten, readings in full-width parentheses.
const std::vector<std::string> kLargeNames = {
    "left 1: 無量大数",       // card 0
    "left 2: 不可思議",       // card 1
    "left 3: 那由他",         // card 2
    "left 4: 阿僧祇",         // card 3
    "left 5: 恒河沙",         // card 4
    "left 6: 極（ごく）",     // card 5
    "left 7: 戴（さい）",     // card 6
    "left 8: 正（せい）",     // card 7
    "left 9: 澗（かん）",     // card 8
    "left 10: 溝（こう）",    // card 9
    "right 1: 穣（じょう）",  // card 10
    "right 2: 杼（じょ）",    // card 11
    "right 3: 垓（かい）",    // card 12
    "right 4: 京（けい）",    // card 13
    "right 5: 兆",            // card 14
    "right 6: 億",            // card 15
    "right 7: 万",            // card 16
    "right 8: 千",            // card 17
    "right 9: 百",            // card 18
    "right 10: 十",           // card 19
};

// 数_SI: the SI prefixes; the blanks before the symbol mix U+3000 and U+0020, and the symbols are
// full-width letters except the ASCII "m" of ミリ.
const std::vector<std::string> kSiPrefixes = {
    "left 1: ヨタ　 　[Ｙ]",    // card 0
    "left 2: ゼタ　　[Ｚ]",     // card 1
    "left 3: エクサ [Ｅ]",      // card 2
    "left 4: ペタ　　[Ｐ]",     // card 3
    "left 5: テラ  　[Ｔ]",     // card 4
    "left 6: ギガ　  [Ｇ]",     // card 5
    "left 7: メガ　　[Ｍ]",     // card 6
    "left 8: キロ　　[ｋ]",     // card 7
    "left 9: ヘクト  [ｈ]",     // card 8
    "left 10: デカ 　 [ｄａ]",  // card 9
    "right 1: デシ　  [ｄ]",    // card 10
    "right 2: センチ [ｃ]",     // card 11
    "right 3: ミリ  　 [m]",    // card 12
    "right 4: マイクロ[μ]",     // card 13
    "right 5: ナノ     [ｎ]",   // card 14
    "right 6: ピコ   　[ｐ]",   // card 15
    "right 7: フェムト [ｆ]",   // card 16
    "right 8: アト   　[ａ]",   // card 17
    "right 9: ゼプト　[ｚ]",    // card 18
    "right 10: ヨクト 　[ｙ]",  // card 19
};

// 数_JPS: the Japanese names of small powers of ten.
const std::vector<std::string> kSmallNames = {
    "left 1: 分",     // card 0
    "left 2: 厘",     // card 1
    "left 3: 毛",     // card 2
    "left 4: 糸",     // card 3
    "left 5: 忽",     // card 4
    "left 6: 微",     // card 5
    "left 7: 繊",     // card 6
    "left 8: 沙",     // card 7
    "left 9: 塵",     // card 8
    "left 10: 埃",    // card 9
    "left 11: 渺",    // card 10
    "right 1: 漠",    // card 11
    "right 2: 模糊",  // card 12
    "right 3: 逡巡",  // card 13
    "right 4: 須臾",  // card 14
    "right 5: 瞬息",  // card 15
    "right 6: 弾指",  // card 16
    "right 7: 刹那",  // card 17
    "right 8: 六徳",  // card 18
    "right 9: 虚空",  // card 19
    "right 10: 清",   // card 20
    "right 11: 浄",   // card 21
};

TEST(DrillListing, LargeNamesCards) {
  Harness h({.first_screen = ScreenId::DrillLarge});
  EXPECT_TRUE(same_listing(kLargeNames, card_lines(h)));
}

TEST(DrillListing, SiPrefixCards) {
  Harness h({.first_screen = ScreenId::DrillSi});
  EXPECT_TRUE(same_listing(kSiPrefixes, card_lines(h)));
}

TEST(DrillListing, SmallNamesCards) {
  Harness h({.first_screen = ScreenId::DrillSmall});
  EXPECT_TRUE(same_listing(kSmallNames, card_lines(h)));
}

}  // namespace
}  // namespace metria::testing
