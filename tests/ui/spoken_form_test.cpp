// The spoken form: its rules on small texts, and every name and announcement of the eight screens
// read by MeCab with the dictionary Japanese speech synthesis reads with, so that no word is left
// without a reading.
#include "ui/spoken_form.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "harness/game_play.h"
#include "harness/headless.h"
#include "harness/utf8.h"
#include "screens/listing.h"

namespace metria::testing {
namespace {

struct Case {
  const char* shown;
  const char* spoken;
};

class SpokenForm : public ::testing::TestWithParam<Case> {};

TEST_P(SpokenForm, ReadsAsAVoiceShould) { EXPECT_EQ(spoken_form(GetParam().shown), GetParam().spoken); }

INSTANTIATE_TEST_SUITE_P(
    Rules, SpokenForm,
    ::testing::Values(Case{"１０の－２乗", "１０のマイナス２乗"}, Case{"１０の－１２乗", "１０のマイナス１２乗"},
                      Case{"メ－トル［ｍ］", "メートル［ｍ］"}, Case{"ペ　ル　－", "ペルー"}, Case{"長　さ", "長さ"},
                      Case{"ア　ン　ゴ　ラ", "アンゴラ"}, Case{"ド　　ル", "ドル"}, Case{"問題　長　さ", "問題　長さ"},
                      Case{"合格　金メダル", "合格　金メダル"}, Case{"○　正解", "まる、正解"}, Case{"×", "ばつ"},
                      Case{"１０の○○乗", "１０の○○乗"}, Case{"■メニュー", "メニュー"}, Case{"－", "－"},
                      Case{"繊", "繊（せん）"}, Case{"オ -ストリア", "オーストリア"},
                      Case{"セルシウス度 [℃]", "セルシウス度 [度]"}));

// Every node's name and state and every announcement, over whole games on each screen: the
// menus opened, each quiz answered once wrong and then to its end, each drill played by keys
// (a card held and put back) and by dragging.
std::set<std::string> every_spoken_text() {
  std::set<std::string> texts;
  for (const ScreenId id : kAllScreens) {
    Harness h({.first_screen = id});
    const auto collect = [&](Harness& at) {
      for (const SemanticNode& node : at.host().nodes) {
        texts.insert(node.name);
        if (!node.state.empty()) texts.insert(node.state);
      }
      for (const std::string& words : at.host().announcements) texts.insert(words);
      at.host().announcements.clear();
    };
    h.advance(5000);
    collect(h);
    if (h.app().screen(id) && dynamic_cast<QuizScreen*>(h.app().screen(id))) {
      bool first = true;
      play_quiz(
          h, [&](const QuizScreen&) { return std::exchange(first, false); }, collect);
    } else if (dynamic_cast<DrillScreen*>(h.app().screen(id))) {
      h.key(Key::Enter);
      h.key(Key::Enter);
      collect(h);
      h.key(Key::Escape);
      collect(h);
      play_drill(h, 1, collect);
    }
  }
  return texts;
}

bool made_of(const std::u32string& text, bool (*in_set)(char32_t)) {
  return !text.empty() && std::all_of(text.begin(), text.end(), in_set);
}
bool is_kana(char32_t c) { return (c >= U'\u3041' && c <= U'\u3096') || (c >= U'\u30A1' && c <= U'\u30FC'); }
bool is_latin(char32_t c) {
  return (c >= U'a' && c <= U'z') || (c >= U'A' && c <= U'Z') || (c >= U'ａ' && c <= U'ｚ') ||
         (c >= U'Ａ' && c <= U'Ｚ');
}

// True where a token a voice cannot read is followed, in its word, by its reading: "那由他（なゆた）".
bool reading_follows(const std::string& text, const std::string& surface) {
  const std::u32string rest = code_points(text.substr(text.find(surface) + surface.size()));
  const auto open = rest.find(U'（'), close = rest.find(U'）');
  if (open == std::u32string::npos || close == std::u32string::npos || close < open + 2) return false;
  return rest.substr(0, open).find_first_of(U" 　、。") == std::u32string::npos &&
         made_of(rest.substr(open + 1, close - open - 1), is_kana);
}

// A token is unread where MeCab gives it no reading and a voice cannot read it from its letters
// (kana, or Latin letters spelled out) or from a reading after it, or where it is a symbol read as
// itself that is no pause.
bool unread(const std::string& text, const std::string& surface, const std::vector<std::string>& features) {
  if (features.size() < 8) {
    const std::u32string letters = code_points(surface);
    return !made_of(letters, is_kana) && !made_of(letters, is_latin) && !reading_follows(text, surface);
  }
  static const std::set<std::string> kPauses = {"読点", "句点", "空白", "括弧開", "括弧閉"};
  static const std::set<std::string> kPauseMarks = {"・", "：", "？"};
  return features[0] == "記号" && !kPauses.contains(features[1]) && !kPauseMarks.contains(surface) &&
         features[7] == surface;
}

// Each unread token, with the text it stands in.
std::vector<std::string> unreadable_tokens(const std::set<std::string>& texts) {
  const auto input = std::filesystem::temp_directory_path() / "metria_spoken_texts.txt";
  {
    std::ofstream out(input);
    for (const std::string& text : texts) out << text << "\n";
  }
  FILE* pipe = popen(("mecab < " + input.string()).c_str(), "r");
  if (!pipe) return {"mecab could not be started"};
  std::vector<std::string> unreadable;
  auto text = texts.begin();
  for (char buffer[4096]; fgets(buffer, sizeof buffer, pipe);) {
    std::string line = buffer;
    if (!line.empty() && line.back() == '\n') line.pop_back();
    if (line == "EOS") {
      if (text != texts.end()) ++text;
      continue;
    }
    if (text == texts.end()) break;
    const std::string surface = line.substr(0, line.find('\t'));
    std::vector<std::string> features;
    std::stringstream fields(line.substr(line.find('\t') + 1));
    for (std::string field; std::getline(fields, field, ',');) features.push_back(field);
    if (unread(*text, surface, features)) unreadable.push_back(surface + " in \"" + *text + "\"");
  }
  const int status = pclose(pipe);
  if (status != 0) unreadable.push_back("mecab exited with " + std::to_string(status));
  return unreadable;
}

TEST(SpokenForm, EveryNameAndAnnouncementHasAReading) {
  const std::set<std::string> texts = every_spoken_text();
  ASSERT_GT(texts.size(), 300u) << "the tour reaches every screen's words";
  const std::vector<std::string> unreadable = unreadable_tokens(texts);
  std::string list;
  for (const std::string& token : unreadable) list += "\n  " + token;
  EXPECT_TRUE(unreadable.empty()) << unreadable.size() << " tokens without a reading:" << list;
}

}  // namespace
}  // namespace metria::testing
