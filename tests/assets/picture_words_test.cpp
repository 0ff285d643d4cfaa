// The words a screen reader is given for a background picture are the words its drawing writes:
// each of a screen's picture texts is a <text> of the picture's SVG source, with the same words,
// centre, baseline and size, so that a changed drawing cannot leave its words behind.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "harness/headless.h"

namespace metria::testing {
namespace {

using headless::Harness;

// The centred texts of a background's SVG source, as the screens' definitions would write them.
std::vector<PictureText> drawn_texts(const std::string& svg_file) {
  std::ifstream in(svg_file);
  EXPECT_TRUE(in) << svg_file;
  std::stringstream source;
  source << in.rdbuf();
  const std::string svg = source.str();
  const std::regex text(
      R"svg(<text x="([0-9.]+)" y="([0-9.]+)"[^>]*font-size="([0-9]+)"[^>]*text-anchor="middle">([^<]+)</text>)svg");
  std::vector<PictureText> texts;
  for (auto it = std::sregex_iterator(svg.begin(), svg.end(), text); it != std::sregex_iterator(); ++it) {
    const std::string words = (*it)[4];
    texts.push_back(drawn_words({words, std::stod((*it)[1]), std::stod((*it)[2]), std::stoi((*it)[3])}));
  }
  return texts;
}

TEST(PictureWords, EachIsWrittenInItsPicturesSource) {
  for (const ScreenId id : kAllScreens) {
    Harness h({.first_screen = id});
    const ScreenDef& def = h.window().definition();
    std::string file(picture_info(def.picture).file);
    file = file.substr(0, file.find("_background"));
    const std::vector<PictureText> drawn =
        drawn_texts(std::string(METRIA_SOURCE_DIR) + "/assets/src/backgrounds/" + file + ".svg");
    for (const PictureText& text : def.picture_texts) {
      const bool found = std::any_of(drawn.begin(), drawn.end(),
                                     [&](const PictureText& d) { return d.text == text.text && d.rect == text.rect; });
      EXPECT_TRUE(found) << screen_name(id) << ": " << text.text << " is not drawn where its words say";
    }
  }
}

}  // namespace
}  // namespace metria::testing
