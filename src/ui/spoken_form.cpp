// The rules of the spoken form, applied character by character.
#include "ui/spoken_form.h"

#include <algorithm>
#include <cstddef>
#include <deque>
#include <iterator>
#include <unordered_map>

#include "ui/utf8.h"

namespace metria {

namespace {

constexpr char32_t kFullWidthMinus = U'－';
constexpr char32_t kLongVowel = U'ー';

bool is_blank(char32_t c) { return c == U' ' || c == U'\u3000'; }
bool is_kana(char32_t c) {
  return (c >= U'\u3041' && c <= U'\u3096') || (c >= U'\u30A1' && c <= U'\u30FA') || c == kLongVowel;
}
bool is_kanji(char32_t c) { return (c >= U'\u4E00' && c <= U'\u9FFF') || c == U'\u3005'; }
bool is_long_vowel_mark(char32_t c) { return c == kFullWidthMinus || c == U'-'; }
bool is_letter(char32_t c) { return is_kana(c) || is_kanji(c) || is_long_vowel_mark(c); }
bool is_digit(char32_t c) { return (c >= U'0' && c <= U'9') || (c >= U'０' && c <= U'９'); }

// True where the letter at `at` stands alone: no letter next to it on either side.
bool stands_alone(const std::u32string& text, std::size_t at) {
  const bool starts = at == 0 || !is_letter(text[at - 1]);
  const bool ends = at + 1 == text.size() || !is_letter(text[at + 1]);
  return is_letter(text[at]) && starts && ends;
}

// A word written one letter at a time ("ア　ン　ゴ　ラ", "面　積") loses its blanks; blanks
// between words ("問題　長　さ" → "問題　長さ") stay.
std::u32string join_spaced_letters(const std::u32string& text) {
  std::u32string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (!is_blank(text[i])) {
      out += text[i];
      continue;
    }
    std::size_t end = i;
    while (end < text.size() && is_blank(text[end])) ++end;
    const bool inside_word = i > 0 && end < text.size() && stands_alone(text, i - 1) && stands_alone(text, end);
    if (!inside_word) out.append(text, i, end - i);
    i = end - 1;
  }
  return out;
}

// True where the text so far ends in a kana letter, perhaps followed by blanks.
bool last_letter_is_kana(const std::u32string& text) {
  auto last = text.rbegin();
  while (last != text.rend() && is_blank(*last)) ++last;
  return last != text.rend() && is_kana(*last);
}

// ○ and × that mark an answer: the whole text, or the first word before a blank ("○　正解").
std::u32string mark_as_word(const std::u32string& text) {
  if (text.empty() || (text[0] != U'○' && text[0] != U'×')) return text;
  const std::u32string word = text[0] == U'○' ? U"まる" : U"ばつ";
  if (text.size() == 1) return word;
  if (!is_blank(text[1])) return text;
  return word + U"、" + text.substr(2);
}

// Symbols a voice has no reading for, and what it should say instead.
struct SymbolWord {
  char32_t symbol;
  std::u32string_view word;
};
constexpr SymbolWord kSymbolWords[] = {
    {U'℃', U"度"}, {U'㎡', U"平方メートル"}, {U'㏄', U"シーシー"}, {U'／', U"パー"}, {U'_', U"　"}};

// Names a voice misreads or cannot read (the dictionary reads 分 ぶん and has no 繊), with the
// reading said after them, as the cards of the rarer names show it in parentheses.
struct Reading {
  std::u32string_view name;
  std::u32string_view kana;
};
constexpr Reading kReadings[] = {{U"那由他", U"なゆた"},   {U"阿僧祇", U"あそうぎ"}, {U"恒河沙", U"ごうがしゃ"},
                                 {U"分", U"ぶ"},           {U"糸", U"し"},           {U"忽", U"こつ"},
                                 {U"微", U"び"},           {U"繊", U"せん"},         {U"沙", U"しゃ"},
                                 {U"塵", U"じん"},         {U"埃", U"あい"},         {U"漠", U"ばく"},
                                 {U"瞬息", U"しゅんそく"}, {U"弾指", U"だんし"},     {U"六徳", U"りっとく"},
                                 {U"清", U"せい"},         {U"浄", U"じょう"},       {U"一艙", U"いっそう"}};

std::string worked_out(std::string_view shown) {
  const auto decoded = decode_utf8(shown);
  if (!decoded) return std::string(shown);
  const std::u32string text = mark_as_word(join_spaced_letters(*decoded));
  for (const Reading& reading : kReadings)
    if (text == reading.name) return encode_utf8(text + U"（" + std::u32string(reading.kana) + U"）");
  std::u32string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char32_t c = text[i];
    if (c == U'■') continue;
    const auto symbol = std::find_if(std::begin(kSymbolWords), std::end(kSymbolWords),
                                     [c](const SymbolWord& s) { return s.symbol == c; });
    if (c == kFullWidthMinus && i + 1 < text.size() && is_digit(text[i + 1])) {
      out += U"マイナス";
    } else if (is_long_vowel_mark(c) && last_letter_is_kana(out)) {
      // "オ -ストリア": the blank typed before the mark goes with it.
      while (is_blank(out.back())) out.pop_back();
      out += kLongVowel;
    } else if (symbol != std::end(kSymbolWords)) {
      out += symbol->word;
    } else {
      out += c;
    }
  }
  return encode_utf8(out);
}

}  // namespace

std::string spoken_form(std::string_view shown) {
  // The screens' words are few and come back at every step: each is worked out once.
  thread_local std::unordered_map<std::string_view, std::string> known;
  thread_local std::deque<std::string> keys;
  constexpr std::size_t kKept = 4096;
  if (const auto found = known.find(shown); found != known.end()) return found->second;
  if (keys.size() == kKept) {
    known.clear();
    keys.clear();
  }
  return known.emplace(keys.emplace_back(shown), worked_out(shown)).first->second;
}

}  // namespace metria
