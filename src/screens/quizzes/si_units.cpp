// Content of the SI単位 quiz: 16 physical quantities and 75 units, each measuring one quantity.
//
// The texts are stored exactly as the screen shows them. Characters that look alike:
// - "－" is U+FF0D FULLWIDTH HYPHEN-MINUS, the long-vowel mark of most katakana names here; the
//   names that use it are followed at once by the full-width brackets "［" U+FF3B and "］" U+FF3D;
// - "-" is U+002D, the ASCII hyphen-minus, in the five names marked below, each time after an
//   ASCII space and followed by the ASCII bracket (at once or after another ASCII space);
// - the names without a hyphen-minus have ASCII brackets or parentheses after an ASCII space;
// - the symbols are full-width Latin letters except the five ASCII ones marked below;
// - the gaps in the two-character captions and in "ｎ　ｍｉｌｅ" are U+3000 IDEOGRAPHIC SPACE.
#include <iterator>
#include <string_view>

#include "screens/quizzes/quiz_content.h"

namespace metria {
namespace {

// Label1 captions by Index: two columns of eight.
constexpr std::string_view kAnswerCaptions[] = {
    "長　さ",    // 0
    "面　積",    // 1
    "体　積",    // 2
    "質　量",    // 3
    "速　度",    // 4
    "加速度",    // 5
    "力",        // 6
    "圧　力",    // 7
    "エネルギ",  // 8
    "仕事率",    // 9
    "温　度",    // 10
    "電　気",    // 11
    "磁　気",    // 12
    "光",        // 13
    "振　動",    // 14
    "放射能",    // 15
};
static_assert(std::size(kAnswerCaptions) == 16);

// The units in blocks by quantity, in the order of the answer captions; one answer each.
constexpr QuizItem kItems[] = {
    // 0 長　さ
    {"メ－トル［ｍ］", {0, -1, -1, -1}},           // item 0
    {"海里 [ｎ　ｍｉｌｅ]", {0, -1, -1, -1}},      // item 1, U+3000 inside the brackets
    {"天文単位 [ＡＵ]", {0, -1, -1, -1}},          // item 2
    {"パ－セク［ｐｃ］", {0, -1, -1, -1}},         // item 3
    {"光年 [ｌ．ｙ．]", {0, -1, -1, -1}},          // item 4
    {"ミクロン [μ]", {0, -1, -1, -1}},             // item 5, μ U+03BC
    {"インチ [In]", {0, -1, -1, -1}},              // item 6, ASCII symbol
    {"フ－ト［ｆｔ］", {0, -1, -1, -1}},           // item 7
    {"ヤ－ド［ｙｄ］", {0, -1, -1, -1}},           // item 8
    {"マイル [ｍｉｌｅ]", {0, -1, -1, -1}},        // item 9
    {"寸 (すん)", {0, -1, -1, -1}},                // item 10
    {"尺 (しゃく)", {0, -1, -1, -1}},              // item 11
    {"間 (けん)", {0, -1, -1, -1}},                // item 12
    // 1 面　積
    {"平方メ－トル［㎡］", {1, -1, -1, -1}},       // item 13, ㎡ U+33A1
    {"ア－ル［ａ］", {1, -1, -1, -1}},             // item 14
    {"ヘクタ－ル［ｈａ］", {1, -1, -1, -1}},       // item 15
    {"エ－カ［ａｃｒｅ］", {1, -1, -1, -1}},       // item 16
    {"坪 (つぼ)", {1, -1, -1, -1}},                // item 17
    {"反 (たん)", {1, -1, -1, -1}},                // item 18
    {"町 (ちょう)", {1, -1, -1, -1}},              // item 19
    // 2 体　積
    {"リットル [l]", {2, -1, -1, -1}},             // item 20, ASCII symbol
    {"シ -シ - [㏄]", {2, -1, -1, -1}},            // item 21, ASCII "-" U+002D, ㏄ U+33C4
    {"ガロン [Ｇａｌ]", {2, -1, -1, -1}},          // item 22
    {"バレル [ｂａｒｒｅｌ]", {2, -1, -1, -1}},    // item 23
    {"パイント [ｐｔ]", {2, -1, -1, -1}},          // item 24
    {"合 (ごう)", {2, -1, -1, -1}},                // item 25
    {"升 (しょう)", {2, -1, -1, -1}},              // item 26
    {"斗 (ト)", {2, -1, -1, -1}},                  // item 27
    {"石 (こく)", {2, -1, -1, -1}},                // item 28
    // 3 質　量
    {"グラム [Ｇ]", {3, -1, -1, -1}},              // item 29
    {"トン [Ｔ]", {3, -1, -1, -1}},                // item 30
    {"カラット [ｃａｒ]", {3, -1, -1, -1}},        // item 31
    {"オンス [ｏｚ]", {3, -1, -1, -1}},            // item 32
    {"ポンド [ｌｂ]", {3, -1, -1, -1}},            // item 33
    // 4 速　度
    {"メ－トル毎秒［ｍ／ｓ］", {4, -1, -1, -1}},   // item 34
    {"ノット [ｋｎ]", {4, -1, -1, -1}},            // item 35
    // 5 加速度
    {"ガル [Ｇａｌ]", {5, -1, -1, -1}},            // item 36
    {"ジ -[Ｇ]", {5, -1, -1, -1}},                 // item 37, ASCII "-" U+002D
    // 6 力
    {"ニュ－トン［Ｎ］", {6, -1, -1, -1}},         // item 38
    {"ダイン [ｄｙｎ]", {6, -1, -1, -1}},          // item 39
    {"重量キログラム [ｋｇｆ]", {6, -1, -1, -1}},  // item 40
    // 7 圧　力
    {"パスカル [Ｐａ]", {7, -1, -1, -1}},          // item 41
    {"バ－ル［ｂａｒ］", {7, -1, -1, -1}},         // item 42
    {"気圧 [ａｔｍ]", {7, -1, -1, -1}},            // item 43
    {"水銀柱長さ [ｍｍＨｇ]", {7, -1, -1, -1}},    // item 44
    // 8 エネルギ
    {"ジュ－ル［Ｊ］", {8, -1, -1, -1}},           // item 45
    {"カロリ -[ｃａｌ]", {8, -1, -1, -1}},         // item 46, ASCII "-" U+002D
    {"電子ボルト [ｅＶ]", {8, -1, -1, -1}},        // item 47
    {"エルグ [ｅｒｇ]", {8, -1, -1, -1}},          // item 48
    // 9 仕事率
    {"ワット [Ｗ]", {9, -1, -1, -1}},              // item 49
    {"馬力 [ＰＳ]", {9, -1, -1, -1}},              // item 50
    // 10 温　度
    {"ケルビン [k]", {10, -1, -1, -1}},            // item 51, ASCII symbol
    {"セルシウス度 [℃]", {10, -1, -1, -1}},        // item 52, ℃ U+2103
    // 11 電　気
    {"アンペア [Ａ]", {11, -1, -1, -1}},           // item 53
    {"ク－ロン［Ｃ］", {11, -1, -1, -1}},          // item 54
    {"ボルト [Ｖ]", {11, -1, -1, -1}},             // item 55
    {"ファラド [f]", {11, -1, -1, -1}},            // item 56, ASCII symbol
    {"オ－ム［Ω］", {11, -1, -1, -1}},             // item 57, Ω U+03A9
    {"ヘンリ -[Ｈ]", {11, -1, -1, -1}},            // item 58, ASCII "-" U+002D
    // 12 磁　気
    {"テスラ [Ｔ]", {12, -1, -1, -1}},             // item 59
    {"ガウス [Ｇ]", {12, -1, -1, -1}},             // item 60
    {"エルステッド [Ｏｅ]", {12, -1, -1, -1}},     // item 61
    {"マックスウェル [Ｍｘ]", {12, -1, -1, -1}},   // item 62
    {"ウェ－バ［ｗｂ］", {12, -1, -1, -1}},        // item 63
    // 13 光
    {"カンデラ [ｃｄ]", {13, -1, -1, -1}},         // item 64
    {"ル－メン［ｌｍ］", {13, -1, -1, -1}},        // item 65
    {"ルクス [ｌｘ]", {13, -1, -1, -1}},           // item 66
    // 14 振　動
    {"ヘルツ [Ｈｚ]", {14, -1, -1, -1}},           // item 67
    // 15 放射能
    {"ベクレル [Ｂｑ]", {15, -1, -1, -1}},         // item 68
    {"キュリ -[ｃｉ]", {15, -1, -1, -1}},          // item 69, ASCII "-" U+002D
    {"グレイ [Ｇｙ]", {15, -1, -1, -1}},           // item 70
    {"ラド [ｒａｄ]", {15, -1, -1, -1}},           // item 71
    {"レントゲン [Ｒ]", {15, -1, -1, -1}},         // item 72
    {"シ－ベルト［Ｓｖ］", {15, -1, -1, -1}},      // item 73
    {"レム [Rem]", {15, -1, -1, -1}},              // item 74, ASCII symbol
};
static_assert(std::size(kItems) == 75);

constexpr QuizContent kContent{kAnswerCaptions, kItems};

}  // namespace

const QuizContent& si_units_content() { return kContent; }

}  // namespace metria
