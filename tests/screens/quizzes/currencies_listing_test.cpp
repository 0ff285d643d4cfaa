// The reviewed listing of the 通貨 quiz, kept here as data: its answer grid as the screen shows it
// and every country with its currency, as the loaded screen holds them. One slip in a caption, a
// text or an answer index fails with the lines that differ.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "quiz_listing.h"
#include "screens/listing.h"

namespace metria::testing {
namespace {

// Three columns of twelve currencies.
const std::vector<std::string> kAnswerGrid = {
    "アフガニ | 元 | リーブル",         "レ　　ク | クローネ | グルデン", "ディナール | マ ル カ | バルボア",
    "エクスード | マ ル ク | ソ　　ル", "ペ　　ソ | ポ ン ド | ズ ロ チ", "フローリン | ドラクマ | エスクード",
    "シリング | フォリント | レ　　ウ", "タ　　カ | ク ロ ナ | ルーブル", "フ ラ ン | ル ピ ー | ウ ォ ン",
    "クルゼイロ | ル ピ ア | ド　　ン", "レ　　フ | リ ア ル | バ ー ツ", "リ エ ル | リ　　ラ | ド　　ル",
};

// The 45 countries in item order; the right answer as Label1 Index and caption.
const std::vector<std::string> kItems = {
    "アフガニスタン → 0 アフガニ",     // 0
    "アルバニア → 1 レ　　ク",         // 1
    "アルジェリア → 2 ディナール",     // 2
    "ア　ン　ゴ　ラ → 3 エクスード",   // 3
    "アルゼンチン → 4 ペ　　ソ",       // 4
    "オ - ストラリア → 5 フローリン",  // 5
    "オ -ストリア → 6 シリング",       // 6
    "バングラディシュ → 7 タ　　カ",   // 7
    "ベ　ル　ギ　－ → 8 フ ラ ン",     // 8
    "ブ　ラ　ジ　ル → 9 クルゼイロ",   // 9
    "ブルガリア → 10 レ　　フ",        // 10
    "カンボジア → 11 リ エ ル",        // 11
    "カ　ナ　ダ → 35 ド　　ル",        // 12
    "チ リ → 4 ペ　　ソ",              // 13
    "中 国 → 12 元",                   // 14
    "デンマ -ク → 13 クローネ",        // 15
    "フィンランド → 14 マ ル カ",      // 16
    "フ　ラ　ン　ス → 8 フ ラ ン",     // 17
    "ド　イ　ツ → 15 マ ル ク",        // 18
    "イ　ギ　リ　ス → 16 ポ ン ド",    // 19
    "ギ　リ　シ　ャ → 17 ドラクマ",    // 20
    "ハンガリ－ → 18 フォリント",      // 21
    "アイスランド → 19 ク ロ ナ",      // 22
    "イ　ン　ド → 20 ル ピ ー",        // 23
    "インドネシア → 21 ル ピ ア",      // 24
    "イ　ラ　ン → 22 リ ア ル",        // 25
    "イ　ラ　ク → 2 ディナール",       // 26
    "イスラエル → 23 リ　　ラ",        // 27
    "イ　タ　リ　ア → 23 リ　　ラ",    // 28
    "レ　バ　ノ　ン → 24 リーブル",    // 29
    "オ　ラ　ン　ダ → 25 グルデン",    // 30
    "ノルウェ－ → 13 クローネ",        // 31
    "パ　ナ　マ → 26 バルボア",        // 32
    "ペ　ル　－ → 27 ソ　　ル",        // 33
    "ポ -ランド → 28 ズ ロ チ",        // 34
    "ポルトガル → 29 エスクード",      // 35
    "ル -マニア → 30 レ　　ウ",        // 36
    "ロ　シ　ア → 31 ルーブル",        // 37
    "サウジ・アラビア → 22 リ ア ル",  // 38
    "韓 国 → 32 ウ ォ ン",             // 39
    "ベ　ト　ナ　ム → 33 ド　　ン",    // 40
    "ス　イ　ス → 8 フ ラ ン",         // 41
    "タ イ → 34 バ ー ツ",             // 42
    "ト　ル　コ → 23 リ　　ラ",        // 43
    "ア　メ　リ　カ → 35 ド　　ル",    // 44
};

TEST(CurrenciesListing, TheAnswerGridRowByRow) {
  Harness h({.first_screen = ScreenId::QuizCurrencies});
  EXPECT_TRUE(same_listing(kAnswerGrid, answer_grid_rows(h)));
}

TEST(CurrenciesListing, EveryCountryWithItsCurrency) {
  Harness h({.first_screen = ScreenId::QuizCurrencies});
  EXPECT_TRUE(same_listing(kItems, item_lines(h)));
}

}  // namespace
}  // namespace metria::testing
