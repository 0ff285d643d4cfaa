// The reviewed listing of the 日本 quiz, kept here as data: its answer grid as the screen shows it
// and every thing with all its right counter words, as the loaded screen holds them. One slip in a
// caption, a text or an answer index fails with the lines that differ.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "quiz_listing.h"
#include "screens/listing.h"

namespace metria::testing {
namespace {

// Five columns of twelve counter words.
const std::vector<std::string> kAnswerGrid = {
    "一足 | 一軒 | 一帖 | 一揃 | 一領", "一枚 | 一条 | 一挺 | 一畳 | 一脚", "一団 | 一対 | 一着 | 一才 | 一軸",
    "一玉 | 一重 | 一膳 | 一戸 | 一棟", "一節 | 一通 | 一篇 | 一連 | 一丁", "一把 | 一番 | 一束 | 一杯 | 一房",
    "一口 | 一幅 | 一筋 | 一隻 | 一袋", "一首 | 一株 | 一服 | 一台 | 一献", "一反 | 一巻 | 一面 | 一句 | 一羽",
    "一棹 | 一粒 | 一提 | 一陳 | 一局", "一輪 | 一封 | 一艙 | 一組 | 一頭", "一張 | 一匹 | 一基 | 一冊 | 一本",
};

// The 63 things in item order; the right answers in slot order, as Label1 Index and caption.
const std::vector<std::string> kItems = {
    "網 → 24 一帖",                                 // 0
    "アワビ → 41 一杯",                             // 1
    "家 → 12 一軒, 39 一戸, 51 一棟",               // 2
    "い　か → 41 一杯",                             // 3
    "た　こ → 41 一杯",                             // 4
    "植　木 → 19 一株",                             // 5
    "ウサギ → 56 一羽",                             // 6
    "う　し → 23 一匹, 58 一頭",                    // 7
    "う　ま → 23 一匹, 58 一頭",                    // 8
    "うどん → 3 一玉, 41 一杯, 52 一丁",            // 9
    "帯 → 13 一条, 30 一筋, 59 一本",               // 10
    "織　物 → 8 一反, 38 一才",                     // 11
    "鏡 → 32 一面",                                 // 12
    "掛け軸 → 18 一幅, 50 一軸",                    // 13
    "カツオブシ → 4 一節, 40 一連, 43 一台",        // 14
    "紙 → 1 一枚, 24 一帖, 29 一束",                // 15
    "碁 → 17 一番, 57 一局",                        // 16
    "将　棋 → 17 一番, 57 一局",                    // 17
    "昆　布 → 40 一連",                             // 18
    "酒 → 41 一杯, 55 一献, 59 一本",               // 19
    "ざるそば → 1 一枚",                            // 20
    "書籍や本 → 20 一巻, 28 一篇, 47 一冊",         // 21
    "扇　子 → 1 一枚, 5 一把, 14 一対, 59 一本",    // 22
    "そうめん → 5 一把",                            // 23
    "畳 → 1 一枚, 37 一畳",                         // 24
    "たばこ → 31 一服, 59 一本",                    // 25
    "たんす → 9 一棹",                              // 26
    "茶 → 22 一封, 54 一袋",                        // 27
    "茶　椀 → 6 一口, 46 一組",                     // 28
    "銚　子 → 33 一提, 59 一本",                    // 29
    "ちょうちん → 11 一張",                         // 30
    "机 → 49 一脚",                                 // 31
    "綱 → 13 一条",                                 // 32
    "手　紙 → 16 一通, 22 一封, 47 一冊, 59 一本",  // 33
    "鉄　砲 → 6 一口, 25 一挺",                     // 34
    "手拭い → 1 一枚, 13 一条, 30 一筋",            // 35
    "手　袋 → 0 一足",                              // 36
    "豆　腐 → 52 一丁",                             // 37
    "鳥 → 17 一番, 56 一羽",                        // 38
    "縄 → 5 一把, 13 一条",                         // 39
    "能や狂言 → 17 一番",                           // 40
    "俳　句 → 44 一句",                             // 41
    "袴 → 14 一対",                                 // 42
    "履　物 → 0 一足",                              // 43
    "箸 → 27 一膳, 36 一揃",                        // 44
    "旗 → 35 一基",                                 // 45
    "花 → 10 一輪, 29 一束, 59 一本",               // 46
    "襖 → 48 一領",                                 // 47
    "筆 → 14 一対, 59 一本",                        // 48
    "ぶどう → 21 一粒, 53 一房",                    // 49
    "ふとん → 1 一枚, 36 一揃, 46 一組",            // 50
    "船 → 34 一艙, 41 一杯, 42 一隻",               // 51
    "包　丁 → 52 一丁",                             // 52
    "盆 → 1 一枚, 46 一組",                         // 53
    "幕 → 6 一口, 11 一張, 13 一条, 24 一帖",       // 54
    "まくら → 35 一基",                             // 55
    "まんじゅう → 2 一団",                          // 56
    "じゅうたん → 1 一枚, 45 一陳",                 // 57
    "餅 → 2 一団, 15 一重",                         // 58
    "ようかん → 9 一棹, 59 一本",                   // 59
    "洋　服 → 26 一着, 36 一揃, 46 一組",           // 60
    "ろうそく → 25 一挺, 59 一本",                  // 61
    "和　歌 → 7 一首",                              // 62
};

TEST(CountersListing, TheAnswerGridRowByRow) {
  Harness h({.first_screen = ScreenId::QuizCounters});
  EXPECT_TRUE(same_listing(kAnswerGrid, answer_grid_rows(h)));
}

TEST(CountersListing, EveryThingWithItsRightCounterWords) {
  Harness h({.first_screen = ScreenId::QuizCounters});
  EXPECT_TRUE(same_listing(kItems, item_lines(h)));
}

}  // namespace
}  // namespace metria::testing
