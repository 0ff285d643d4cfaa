// The reviewed listing of the SI単位 quiz, kept here as data: its answer grid as the screen shows it
// and every unit with its right answer, as the loaded screen holds them. One slip in a caption, a
// text or an answer index fails with the lines that differ.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "quiz_listing.h"
#include "screens/listing.h"

namespace metria::testing {
namespace {

// Two columns of eight quantities.
const std::vector<std::string> kAnswerGrid = {
    "長　さ | エネルギ", "面　積 | 仕事率", "体　積 | 温　度", "質　量 | 電　気",
    "速　度 | 磁　気",   "加速度 | 光",     "力 | 振　動",     "圧　力 | 放射能",
};

// The 75 units in item order; the right answer as Label1 Index and caption.
const std::vector<std::string> kItems = {
    "メ－トル［ｍ］ → 0 長　さ",          // 0
    "海里 [ｎ　ｍｉｌｅ] → 0 長　さ",     // 1
    "天文単位 [ＡＵ] → 0 長　さ",         // 2
    "パ－セク［ｐｃ］ → 0 長　さ",        // 3
    "光年 [ｌ．ｙ．] → 0 長　さ",         // 4
    "ミクロン [μ] → 0 長　さ",            // 5
    "インチ [In] → 0 長　さ",             // 6
    "フ－ト［ｆｔ］ → 0 長　さ",          // 7
    "ヤ－ド［ｙｄ］ → 0 長　さ",          // 8
    "マイル [ｍｉｌｅ] → 0 長　さ",       // 9
    "寸 (すん) → 0 長　さ",               // 10
    "尺 (しゃく) → 0 長　さ",             // 11
    "間 (けん) → 0 長　さ",               // 12
    "平方メ－トル［㎡］ → 1 面　積",      // 13
    "ア－ル［ａ］ → 1 面　積",            // 14
    "ヘクタ－ル［ｈａ］ → 1 面　積",      // 15
    "エ－カ［ａｃｒｅ］ → 1 面　積",      // 16
    "坪 (つぼ) → 1 面　積",               // 17
    "反 (たん) → 1 面　積",               // 18
    "町 (ちょう) → 1 面　積",             // 19
    "リットル [l] → 2 体　積",            // 20
    "シ -シ - [㏄] → 2 体　積",           // 21
    "ガロン [Ｇａｌ] → 2 体　積",         // 22
    "バレル [ｂａｒｒｅｌ] → 2 体　積",   // 23
    "パイント [ｐｔ] → 2 体　積",         // 24
    "合 (ごう) → 2 体　積",               // 25
    "升 (しょう) → 2 体　積",             // 26
    "斗 (ト) → 2 体　積",                 // 27
    "石 (こく) → 2 体　積",               // 28
    "グラム [Ｇ] → 3 質　量",             // 29
    "トン [Ｔ] → 3 質　量",               // 30
    "カラット [ｃａｒ] → 3 質　量",       // 31
    "オンス [ｏｚ] → 3 質　量",           // 32
    "ポンド [ｌｂ] → 3 質　量",           // 33
    "メ－トル毎秒［ｍ／ｓ］ → 4 速　度",  // 34
    "ノット [ｋｎ] → 4 速　度",           // 35
    "ガル [Ｇａｌ] → 5 加速度",           // 36
    "ジ -[Ｇ] → 5 加速度",                // 37
    "ニュ－トン［Ｎ］ → 6 力",            // 38
    "ダイン [ｄｙｎ] → 6 力",             // 39
    "重量キログラム [ｋｇｆ] → 6 力",     // 40
    "パスカル [Ｐａ] → 7 圧　力",         // 41
    "バ－ル［ｂａｒ］ → 7 圧　力",        // 42
    "気圧 [ａｔｍ] → 7 圧　力",           // 43
    "水銀柱長さ [ｍｍＨｇ] → 7 圧　力",   // 44
    "ジュ－ル［Ｊ］ → 8 エネルギ",        // 45
    "カロリ -[ｃａｌ] → 8 エネルギ",      // 46
    "電子ボルト [ｅＶ] → 8 エネルギ",     // 47
    "エルグ [ｅｒｇ] → 8 エネルギ",       // 48
    "ワット [Ｗ] → 9 仕事率",             // 49
    "馬力 [ＰＳ] → 9 仕事率",             // 50
    "ケルビン [k] → 10 温　度",           // 51
    "セルシウス度 [℃] → 10 温　度",       // 52
    "アンペア [Ａ] → 11 電　気",          // 53
    "ク－ロン［Ｃ］ → 11 電　気",         // 54
    "ボルト [Ｖ] → 11 電　気",            // 55
    "ファラド [f] → 11 電　気",           // 56
    "オ－ム［Ω］ → 11 電　気",            // 57
    "ヘンリ -[Ｈ] → 11 電　気",           // 58
    "テスラ [Ｔ] → 12 磁　気",            // 59
    "ガウス [Ｇ] → 12 磁　気",            // 60
    "エルステッド [Ｏｅ] → 12 磁　気",    // 61
    "マックスウェル [Ｍｘ] → 12 磁　気",  // 62
    "ウェ－バ［ｗｂ］ → 12 磁　気",       // 63
    "カンデラ [ｃｄ] → 13 光",            // 64
    "ル－メン［ｌｍ］ → 13 光",           // 65
    "ルクス [ｌｘ] → 13 光",              // 66
    "ヘルツ [Ｈｚ] → 14 振　動",          // 67
    "ベクレル [Ｂｑ] → 15 放射能",        // 68
    "キュリ -[ｃｉ] → 15 放射能",         // 69
    "グレイ [Ｇｙ] → 15 放射能",          // 70
    "ラド [ｒａｄ] → 15 放射能",          // 71
    "レントゲン [Ｒ] → 15 放射能",        // 72
    "シ－ベルト［Ｓｖ］ → 15 放射能",     // 73
    "レム [Rem] → 15 放射能",             // 74
};

TEST(SiUnitsListing, TheAnswerGridRowByRow) {
  Harness h({.first_screen = ScreenId::QuizSi});
  EXPECT_TRUE(same_listing(kAnswerGrid, answer_grid_rows(h)));
}

TEST(SiUnitsListing, EveryUnitWithItsRightAnswer) {
  Harness h({.first_screen = ScreenId::QuizSi});
  EXPECT_TRUE(same_listing(kItems, item_lines(h)));
}

}  // namespace
}  // namespace metria::testing
