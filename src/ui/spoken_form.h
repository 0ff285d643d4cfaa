// The words of a name or an announcement as a Japanese voice should read them. The screens set
// some words for the eye (letters spaced out to fill a box, a long-vowel mark typed as a minus, a
// mark for an answer); a voice reads those wrongly or not at all. The spoken form keeps every
// visible word, so that speech input can still call a control by what it shows.
#pragma once

#include <string>
#include <string_view>

namespace metria {

// - "－" before a digit is read マイナス: "１０の－２乗" → "１０のマイナス２乗";
// - "－" or "-" after a kana letter is the long-vowel mark: "メ－トル" → "メートル", "オ -ストリア"
//   → "オーストリア";
// - blanks between letters spaced out one by one are dropped: "長　さ" → "長さ";
// - "○" and "×" marking an answer (alone, or before a blank) become まる and ばつ;
// - a name a voice would misread is followed by its reading: "繊" → "繊（せん）";
// - "■" is dropped, and the unit symbols a voice cannot read are said in words ("℃" → "度").
std::string spoken_form(std::string_view shown);

}  // namespace metria
