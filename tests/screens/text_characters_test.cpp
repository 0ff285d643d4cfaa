// Every text the eight screens show, checked for slips that look right on screen: an ideograph or
// a hiragana letter inside a katakana word where a katakana letter of the same shape belongs (口
// for ロ, 力 for カ, へ for ヘ), a katakana letter inside a kanji or hiragana word (ロ for 口, ー
// for 一), and half-width letters or digits among full-width ones.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "harness/headless.h"
#include "harness/utf8.h"
#include "screens/listing.h"
#include "screens/quizzes/quiz_screen.h"

namespace metria::testing {
namespace {

struct ShownText {
  std::string where;  // screen and control, for the failure message
  std::string text;
};

// The window captions and label captions of every screen as it loads, and every quiz item.
const std::vector<ShownText>& every_shown_text() {
  static const std::vector<ShownText> kTexts = [] {
    std::vector<ShownText> out;
    for (const ScreenId id : kAllScreens) {
      Harness h({.first_screen = id});
      const std::string screen(screen_name(id));
      out.push_back({screen + " window caption", h.window().definition().caption});
      for (const ControlDef& control : h.window().definition().controls) {
        if (control.caption.empty()) continue;
        const std::string index = control.index == kNoIndex ? "" : "(" + std::to_string(control.index) + ")";
        out.push_back({screen + " " + control.name + index, control.caption});
      }
      if (const auto* quiz = dynamic_cast<const QuizScreen*>(h.app().screen(id))) {
        for (std::size_t i = 0; i < quiz->ItemText.size(); ++i)
          out.push_back({screen + " item " + std::to_string(i), quiz->ItemText[i]});
      }
    }
    return out;
  }();
  return kTexts;
}

enum class Script { Katakana, Kanji, Hiragana, Blank, Other };

Script script_of(char32_t cp) {
  if ((cp >= U'\u30A1' && cp <= U'\u30FA') || cp == U'\u30FC') return Script::Katakana;
  if ((cp >= U'\u4E00' && cp <= U'\u9FFF') || cp == U'\u3005') return Script::Kanji;
  if (cp >= U'\u3041' && cp <= U'\u3096') return Script::Hiragana;
  if (cp == U' ' || cp == U'\u3000') return Script::Blank;
  return Script::Other;
}

// Ideographs and hiragana that a reader cannot tell from a katakana letter, with that letter.
const std::map<char32_t, char32_t> kLooksLikeKatakana = {
    {U'口', U'ロ'}, {U'工', U'エ'}, {U'力', U'カ'}, {U'夕', U'タ'}, {U'二', U'ニ'}, {U'八', U'ハ'},
    {U'卜', U'ト'}, {U'一', U'ー'}, {U'三', U'ミ'}, {U'千', U'チ'}, {U'才', U'オ'}, {U'匕', U'ヒ'},
    {U'厶', U'ム'}, {U'へ', U'ヘ'}, {U'べ', U'ベ'}, {U'ぺ', U'ペ'}, {U'り', U'リ'},
};

// The script of the nearest character on one side that is not a blank; Other at the text's end.
Script neighbour(const std::u32string& text, std::size_t at, int step) {
  for (auto i = static_cast<std::ptrdiff_t>(at) + step; i >= 0 && i < static_cast<std::ptrdiff_t>(text.size());
       i += step) {
    const Script script = script_of(text[static_cast<std::size_t>(i)]);
    if (script != Script::Blank) return script;
  }
  return Script::Other;
}

// One message per slip: "U+53E3 next to katakana, where the katakana U+30ED looks the same".
std::vector<std::string> look_alike_slips(const std::u32string& text) {
  std::vector<std::string> slips;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const Script before = neighbour(text, i, -1);
    const Script after = neighbour(text, i, +1);
    for (const auto& [other, katakana] : kLooksLikeKatakana) {
      if (text[i] == other && (before == Script::Katakana || after == Script::Katakana)) {
        slips.push_back(code_point_name(other) + " next to katakana, where the katakana " + code_point_name(katakana) +
                        " looks the same");
      }
      const Script twin = script_of(other);
      if (text[i] == katakana && (before == twin || after == twin)) {
        slips.push_back("the katakana " + code_point_name(katakana) + " next to " +
                        (twin == Script::Kanji ? "kanji" : "hiragana") + ", where " + code_point_name(other) +
                        " looks the same");
      }
    }
  }
  return slips;
}

bool ascii_letter_or_digit(char32_t cp) {
  return (cp >= U'0' && cp <= U'9') || (cp >= U'A' && cp <= U'Z') || (cp >= U'a' && cp <= U'z');
}

bool full_width_letter_or_digit(char32_t cp) {
  return (cp >= U'\uFF10' && cp <= U'\uFF19') || (cp >= U'\uFF21' && cp <= U'\uFF3A') ||
         (cp >= U'\uFF41' && cp <= U'\uFF5A');
}

// The check itself: it finds a look-alike in either direction, across the gaps of a spread word,
// and leaves a lone letter between brackets alone.
TEST(LookAlikeCheck, FindsSlipsInEitherDirection) {
  EXPECT_FALSE(look_alike_slips(U"クルゼイ口").empty());  // kanji 口 for ロ
  EXPECT_FALSE(look_alike_slips(U"ク 口 ナ").empty());    // across ASCII gaps
  EXPECT_FALSE(look_alike_slips(U"へクト").empty());      // hiragana へ for ヘ
  EXPECT_FALSE(look_alike_slips(U"一ロ").empty());        // katakana ロ for 口
  EXPECT_FALSE(look_alike_slips(U"ー本").empty());        // prolonged mark for 一
  EXPECT_TRUE(look_alike_slips(U"斗 (ト)").empty());
  EXPECT_TRUE(look_alike_slips(U"圧\u3000力").empty());
}

TEST(ShownTexts, NoLookAlikeCharacterFromAnotherScript) {
  for (const ShownText& shown : every_shown_text()) {
    for (const std::string& slip : look_alike_slips(code_points(shown.text)))
      ADD_FAILURE() << shown.where << " \"" << shown.text << "\": " << slip;
  }
}

TEST(ShownTexts, FullWidthLettersAndDigitsAreNeverMixedWithHalfWidthOnes) {
  for (const ShownText& shown : every_shown_text()) {
    const std::u32string text = code_points(shown.text);
    const bool full = std::any_of(text.begin(), text.end(), full_width_letter_or_digit);
    const bool half = std::any_of(text.begin(), text.end(), ascii_letter_or_digit);
    EXPECT_FALSE(full && half) << shown.where << " \"" << shown.text
                               << "\" mixes full-width and half-width letters or digits";
  }
}

// The few texts that are meant to hold half-width letters: five unit symbols and the "m" of ミリ.
TEST(ShownTexts, HalfWidthLettersAndDigitsOnlyWhereMeant) {
  const std::set<std::string> meant = {"インチ [In]",  "リットル [l]", "ケルビン [k]",
                                       "ファラド [f]", "レム [Rem]",   "ミリ  　 [m]"};
  std::set<std::string> found;
  for (const ShownText& shown : every_shown_text()) {
    const std::u32string text = code_points(shown.text);
    if (!std::any_of(text.begin(), text.end(), ascii_letter_or_digit)) continue;
    found.insert(shown.text);
    EXPECT_TRUE(meant.count(shown.text)) << shown.where << " \"" << shown.text
                                         << "\" holds half-width letters or digits";
  }
  for (const std::string& text : meant) EXPECT_TRUE(found.count(text)) << "\"" << text << "\" is no longer shown";
}

}  // namespace
}  // namespace metria::testing
