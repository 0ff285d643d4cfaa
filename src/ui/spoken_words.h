// The program's own words for what a screen reader is told when something changes without the
// focus moving: written once here, so every screen says a thing the same way.
#pragma once

#include <string>
#include <string_view>

#include "ui/spoken_form.h"

namespace metria::spoken {

inline const std::string kRight = "○　正解";
inline const std::string kWrong = "×　まちがい";
inline const std::string kPassed = "合格";
inline const std::string kFailed = "不合格";
inline const std::string kRetry = "■再挑戦";
// Enter on a place while no card is held.
inline const std::string kHoldACardFirst = "先にカードを選んでください";
// A drill's way to play by keys, said as it opens.
inline const std::string kDrillKeys = "カードでEnterを押すと持てます。置く場所でもう一度Enterを押します";

inline std::string question(std::string_view item) { return "問題　" + std::string(item); }

// A quiz's counts after an answer: "正解 3、まちがい 1、残り 71".
inline std::string quiz_counts(int right, int wrong, int remaining) {
  return "正解 " + std::to_string(right) + "、まちがい " + std::to_string(wrong) + "、残り " +
         std::to_string(remaining);
}

// After a wrong answer, the right ones shown in red: "正解は　メートル".
inline std::string right_answers_are(std::string_view answers) { return "正解は　" + std::string(answers); }

// A card is named as it is said on its own ("繊（せん）"), wherever it stands in a sentence.
inline std::string held(std::string_view card) { return spoken_form(card) + "を持ちました。置く場所を選んでください"; }
inline std::string put_back(std::string_view card) { return spoken_form(card) + "を戻しました"; }
inline std::string placed(std::string_view card, std::string_view place) {
  return "○　" + spoken_form(card) + "を" + std::string(place) + "に置きました";
}
inline std::string not_its_place(std::string_view card, std::string_view place) {
  return "×　" + spoken_form(card) + "は" + std::string(place) + "ではありません";
}
inline std::string drill_score(std::string_view percent) { return "正解 " + std::string(percent) + " ％"; }

// The end of a game: "合格　金メダル", or "不合格"; then the way to play again.
inline std::string result(bool passed, std::string_view medal) {
  return (passed ? kPassed + (medal.empty() ? "" : "　" + std::string(medal)) : kFailed) + "。" + kRetry;
}

}  // namespace metria::spoken
