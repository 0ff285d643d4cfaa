// Content of the 通貨 quiz: 45 countries and 36 currency names, one currency per country.
//
// The texts are stored exactly as the screen shows them. Characters that look alike:
// - country names: gaps are U+3000 IDEOGRAPHIC SPACE ("ア　ン　ゴ　ラ") or an ASCII space
//   ("チ リ"); the long-vowel mark is the ASCII hyphen "-" U+002D after an ASCII space in five
//   names and the full-width "－" U+FF0D in four, as marked below; "・" is U+30FB;
// - currency captions: gaps are single ASCII spaces ("フ ラ ン") or two U+3000 ("ド　　ル"),
//   and the long-vowel mark is "ー" U+30FC KATAKANA-HIRAGANA PROLONGED SOUND MARK.
#include <iterator>
#include <string_view>

#include "screens/quizzes/quiz_content.h"

namespace metria {
namespace {

// Label1 captions by Index: three columns of twelve.
constexpr std::string_view kAnswerCaptions[] = {
    "アフガニ",     // 0
    "レ　　ク",     // 1, two U+3000
    "ディナール",   // 2, U+30FC
    "エクスード",   // 3, U+30FC
    "ペ　　ソ",     // 4, two U+3000
    "フローリン",   // 5, U+30FC
    "シリング",     // 6
    "タ　　カ",     // 7, two U+3000
    "フ ラ ン",     // 8, ASCII spaces
    "クルゼイロ",   // 9
    "レ　　フ",     // 10, two U+3000
    "リ エ ル",     // 11, ASCII spaces
    "元",           // 12
    "クローネ",     // 13, U+30FC
    "マ ル カ",     // 14, ASCII spaces
    "マ ル ク",     // 15, ASCII spaces
    "ポ ン ド",     // 16, ASCII spaces
    "ドラクマ",     // 17
    "フォリント",   // 18
    "ク ロ ナ",     // 19, ASCII spaces
    "ル ピ ー",     // 20, ASCII spaces, U+30FC
    "ル ピ ア",     // 21, ASCII spaces
    "リ ア ル",     // 22, ASCII spaces
    "リ　　ラ",     // 23, two U+3000
    "リーブル",     // 24, U+30FC
    "グルデン",     // 25
    "バルボア",     // 26
    "ソ　　ル",     // 27, two U+3000
    "ズ ロ チ",     // 28, ASCII spaces
    "エスクード",   // 29, U+30FC
    "レ　　ウ",     // 30, two U+3000
    "ルーブル",     // 31, U+30FC
    "ウ ォ ン",     // 32, ASCII spaces
    "ド　　ン",     // 33, two U+3000
    "バ ー ツ",     // 34, ASCII spaces, U+30FC
    "ド　　ル",     // 35, two U+3000
};
static_assert(std::size(kAnswerCaptions) == 36);

constexpr QuizItem kItems[] = {
    {"アフガニスタン", {0, -1, -1, -1}},        // 0: アフガニ
    {"アルバニア", {1, -1, -1, -1}},            // 1: レ　　ク
    {"アルジェリア", {2, -1, -1, -1}},          // 2: ディナール
    {"ア　ン　ゴ　ラ", {3, -1, -1, -1}},        // 3: エクスード, U+3000 gaps
    {"アルゼンチン", {4, -1, -1, -1}},          // 4: ペ　　ソ
    {"オ - ストラリア", {5, -1, -1, -1}},       // 5: フローリン, ASCII "-" U+002D
    {"オ -ストリア", {6, -1, -1, -1}},          // 6: シリング, ASCII "-" U+002D
    {"バングラディシュ", {7, -1, -1, -1}},      // 7: タ　　カ
    {"ベ　ル　ギ　－", {8, -1, -1, -1}},        // 8: フ ラ ン, "－" U+FF0D, U+3000 gaps
    {"ブ　ラ　ジ　ル", {9, -1, -1, -1}},        // 9: クルゼイロ, U+3000 gaps
    {"ブルガリア", {10, -1, -1, -1}},           // 10: レ　　フ
    {"カンボジア", {11, -1, -1, -1}},           // 11: リ エ ル
    {"カ　ナ　ダ", {35, -1, -1, -1}},           // 12: ド　　ル, U+3000 gaps
    {"チ リ", {4, -1, -1, -1}},                 // 13: ペ　　ソ, ASCII space
    {"中 国", {12, -1, -1, -1}},                // 14: 元, ASCII space
    {"デンマ -ク", {13, -1, -1, -1}},           // 15: クローネ, ASCII "-" U+002D
    {"フィンランド", {14, -1, -1, -1}},         // 16: マ ル カ
    {"フ　ラ　ン　ス", {8, -1, -1, -1}},        // 17: フ ラ ン, U+3000 gaps
    {"ド　イ　ツ", {15, -1, -1, -1}},           // 18: マ ル ク, U+3000 gaps
    {"イ　ギ　リ　ス", {16, -1, -1, -1}},       // 19: ポ ン ド, U+3000 gaps
    {"ギ　リ　シ　ャ", {17, -1, -1, -1}},       // 20: ドラクマ, U+3000 gaps
    {"ハンガリ－", {18, -1, -1, -1}},           // 21: フォリント, "－" U+FF0D
    {"アイスランド", {19, -1, -1, -1}},         // 22: ク ロ ナ
    {"イ　ン　ド", {20, -1, -1, -1}},           // 23: ル ピ ー, U+3000 gaps
    {"インドネシア", {21, -1, -1, -1}},         // 24: ル ピ ア
    {"イ　ラ　ン", {22, -1, -1, -1}},           // 25: リ ア ル, U+3000 gaps
    {"イ　ラ　ク", {2, -1, -1, -1}},            // 26: ディナール, U+3000 gaps
    {"イスラエル", {23, -1, -1, -1}},           // 27: リ　　ラ
    {"イ　タ　リ　ア", {23, -1, -1, -1}},       // 28: リ　　ラ, U+3000 gaps
    {"レ　バ　ノ　ン", {24, -1, -1, -1}},       // 29: リーブル, U+3000 gaps
    {"オ　ラ　ン　ダ", {25, -1, -1, -1}},       // 30: グルデン, U+3000 gaps
    {"ノルウェ－", {13, -1, -1, -1}},           // 31: クローネ, "－" U+FF0D
    {"パ　ナ　マ", {26, -1, -1, -1}},           // 32: バルボア, U+3000 gaps
    {"ペ　ル　－", {27, -1, -1, -1}},           // 33: ソ　　ル, "－" U+FF0D, U+3000 gaps
    {"ポ -ランド", {28, -1, -1, -1}},           // 34: ズ ロ チ, ASCII "-" U+002D
    {"ポルトガル", {29, -1, -1, -1}},           // 35: エスクード
    {"ル -マニア", {30, -1, -1, -1}},           // 36: レ　　ウ, ASCII "-" U+002D
    {"ロ　シ　ア", {31, -1, -1, -1}},           // 37: ルーブル, U+3000 gaps
    {"サウジ・アラビア", {22, -1, -1, -1}},     // 38: リ ア ル, U+30FB
    {"韓 国", {32, -1, -1, -1}},                // 39: ウ ォ ン, ASCII space
    {"ベ　ト　ナ　ム", {33, -1, -1, -1}},       // 40: ド　　ン, U+3000 gaps
    {"ス　イ　ス", {8, -1, -1, -1}},            // 41: フ ラ ン, U+3000 gaps
    {"タ イ", {34, -1, -1, -1}},                // 42: バ ー ツ, ASCII space
    {"ト　ル　コ", {23, -1, -1, -1}},           // 43: リ　　ラ, U+3000 gaps
    {"ア　メ　リ　カ", {35, -1, -1, -1}},       // 44: ド　　ル, U+3000 gaps
};
static_assert(std::size(kItems) == 45);

constexpr QuizContent kContent{kAnswerCaptions, kItems};

}  // namespace

const QuizContent& currencies_content() { return kContent; }

}  // namespace metria
