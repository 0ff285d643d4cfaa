// Checks the three drill windows as they are built: window properties, the stacking order of their
// controls, every rectangle of the variants table, and the look of cards, places, banners, the
// score, the retry label and the stretched medals.
#include <gtest/gtest.h>

#include <span>
#include <stdexcept>
#include <string>
#include <vector>

#include "drill_test_support.h"
#include "screens/drills/drill_content.h"

namespace metria::testing {
namespace {

struct WindowCase {
  ScreenId id;
  const char* name;
  const char* caption;
  int width, height;
  Picture picture;
  Rect score, passed, failed, menu_spot, retry, gold, silver, bronze;
};

// One screen per entry, laid out as the variants table reads.
// clang-format off
const WindowCase kWindows[] = {
    {.id = ScreenId::DrillLarge, .name = "数_JPB", .caption = "接頭語（日本・大）", .width = 9615, .height = 5985,
     .picture = Picture::DrillLargeBackground,
     .score = {7020, 120, 705, 405}, .passed = {1830, 2490, 3405, 1305}, .failed = {2610, 2430, 4305, 1425},
     .menu_spot = {8160, 195, 1260, 300}, .retry = {6345, 150, 1695, 375},
     .gold = {5610, 1650, 2610, 3030}, .silver = {5610, 1545, 2610, 3030}, .bronze = {5550, 1575, 2610, 3030}},
    {.id = ScreenId::DrillSi, .name = "数_SI", .caption = "接頭語（ＳＩ）", .width = 9540, .height = 5805,
     .picture = Picture::DrillSiBackground,
     .score = {7050, 135, 705, 405}, .passed = {1935, 2415, 3405, 1305}, .failed = {2640, 2265, 4305, 1425},
     .menu_spot = {8160, 210, 1260, 300}, .retry = {6345, 150, 1695, 375},
     .gold = {6120, 1545, 2610, 3030}, .silver = {5910, 1830, 2610, 3030}, .bronze = {6120, 1650, 2610, 3030}},
    {.id = ScreenId::DrillSmall, .name = "数_JPS", .caption = "接頭語（日本・小）", .width = 9600, .height = 5985,
     .picture = Picture::DrillSmallBackground,
     .score = {7020, 120, 705, 405}, .passed = {1800, 2580, 3405, 1305}, .failed = {1380, 2520, 4305, 1425},
     .menu_spot = {8160, 195, 1260, 300}, .retry = {6345, 150, 1695, 375},
     .gold = {6210, 1860, 2610, 3030}, .silver = {6225, 1845, 2610, 3030}, .bronze = {6240, 1815, 2610, 3030}},
};
// clang-format on

const ControlDef& find_def(const ScreenDef& def, std::string_view name, int index = kNoIndex) {
  for (const ControlDef& control : def.controls)
    if (control.name == name && control.index == index) return control;
  throw std::out_of_range("no " + std::string(name));
}

TEST(DrillDefinition, WindowsAndTheRectanglesOfTheVariants) {
  for (const WindowCase& c : kWindows) {
    SCOPED_TRACE(c.name);
    Harness h({.first_screen = c.id});
    const ScreenDef& def = h.window().definition();
    EXPECT_EQ(def.name, c.name);
    EXPECT_EQ(def.caption, c.caption);
    EXPECT_EQ(def.client_width, c.width);
    EXPECT_EQ(def.client_height, c.height);
    EXPECT_EQ(def.back_color, colors::kWhite);
    EXPECT_EQ(def.picture, c.picture);
    EXPECT_EQ(def.icon, Icon::Stopwatch);
    EXPECT_EQ(find_def(def, "Label3").rect, c.score);
    EXPECT_EQ(find_def(def, "Label4").rect, c.passed);
    EXPECT_EQ(find_def(def, "Label5").rect, c.failed);
    EXPECT_EQ(find_def(def, "Label6").rect, c.menu_spot);
    EXPECT_EQ(find_def(def, "Label7").rect, c.retry);
    EXPECT_EQ(find_def(def, "Image1").rect, c.gold);
    EXPECT_EQ(find_def(def, "Image2").rect, c.silver);
    EXPECT_EQ(find_def(def, "Image3").rect, c.bronze);
    EXPECT_EQ(find_def(def, "Timer1").kind, ControlKind::Timer);
    for (const char* player : {"MediaPlayer1", "MediaPlayer2", "MediaPlayer3"})
      EXPECT_EQ(find_def(def, player).kind, ControlKind::SoundPlayer) << player;
  }
}

// The labels and images front to back, array members as "Label2(21)".
std::vector<std::string> stacking(const ScreenDef& def) {
  std::vector<std::string> order;
  for (const ControlDef& control : def.controls) {
    if (control.kind != ControlKind::Label && control.kind != ControlKind::Image) continue;
    order.push_back(control.index == kNoIndex ? control.name
                                              : control.name + "(" + std::to_string(control.index) + ")");
  }
  return order;
}

std::vector<std::string> members(const std::string& name, std::initializer_list<int> indexes) {
  std::vector<std::string> out;
  for (int k : indexes) out.push_back(name + "(" + std::to_string(k) + ")");
  return out;
}

std::vector<std::string> members_upto(const std::string& name, int count) {
  std::vector<std::string> out;
  for (int k = 0; k < count; ++k) out.push_back(name + "(" + std::to_string(k) + ")");
  return out;
}

std::vector<std::string> joined(std::initializer_list<std::vector<std::string>> parts) {
  std::vector<std::string> out;
  for (const auto& part : parts) out.insert(out.end(), part.begin(), part.end());
  return out;
}

TEST(DrillDefinition, StackingOrderOfEachScreen) {
  Harness large({.first_screen = ScreenId::DrillLarge});
  EXPECT_EQ(stacking(large.window().definition()), joined({{"Label7", "Image1", "Image3", "Image2", "Label4", "Label5"},
                                                           members_upto("Label1", 20),
                                                           members_upto("Label2", 20),
                                                           {"Label3", "Label6"}}));

  Harness si({.first_screen = ScreenId::DrillSi});
  EXPECT_EQ(stacking(si.window().definition()),
            joined({{"Label7", "Label6", "Label5", "Label4", "Image3", "Image2", "Image1", "Label3"},
                    members_upto("Label2", 20),
                    members_upto("Label1", 20)}));

  Harness small({.first_screen = ScreenId::DrillSmall});
  EXPECT_EQ(stacking(small.window().definition()),
            joined({{"Label7", "Label5", "Label4", "Label6", "Label3"},
                    members("Label2", {21, 1}),
                    {"Image1", "Image3", "Image2"},
                    members("Label2", {20, 19, 18, 17, 16, 15, 14, 13, 12, 11, 10, 9, 8, 7, 6, 5, 4, 3, 2, 0}),
                    members_upto("Label1", 22)}));
}

TEST(DrillDefinition, CardsCarryTheirContentInWhiteBoldOnDarkBlue) {
  const struct {
    ScreenId id;
    std::span<const DrillCard> cards;
  } screens[] = {{ScreenId::DrillLarge, large_names_cards()},
                 {ScreenId::DrillSi, si_prefix_cards()},
                 {ScreenId::DrillSmall, small_names_cards()}};
  for (const auto& s : screens) {
    Harness h({.first_screen = s.id});
    const ScreenDef& def = h.window().definition();
    for (int k = 0; k < static_cast<int>(s.cards.size()); ++k) {
      SCOPED_TRACE(def.name + " card " + std::to_string(k));
      const ControlDef& card = find_def(def, "Label2", k);
      EXPECT_EQ(card.caption, s.cards[k].caption);
      EXPECT_EQ(card.font, (Font{s.cards[k].face, 21, true}));
      EXPECT_EQ(card.back_color, (Color{0, 0, 192}));
      EXPECT_EQ(card.fore_color, colors::kWhite);
      EXPECT_EQ(card.back_style, BackStyle::Opaque);
      EXPECT_EQ(card.alignment, Alignment::Centre);
      EXPECT_EQ(card.drag_icon, Icon::Magnifier);
      EXPECT_EQ(card.rect.width, 1815);
      EXPECT_EQ(card.rect.height, 375);
    }
  }
}

TEST(DrillDefinition, PlacesAreTransparentRedWithoutCaption) {
  for (ScreenId id : {ScreenId::DrillLarge, ScreenId::DrillSi, ScreenId::DrillSmall}) {
    Harness h({.first_screen = id});
    const ScreenDef& def = h.window().definition();
    const int rows = drill(h).ColumnRows;
    for (int k = 0; k < drill(h).NameCount; ++k) {
      SCOPED_TRACE(def.name + " place " + std::to_string(k));
      const ControlDef& place = find_def(def, "Label1", k);
      const bool left = k < rows;
      const bool wide = !left || (id == ScreenId::DrillSmall && k == 10);
      EXPECT_EQ(place.rect, (Rect{left ? 975 : 3660, 1560 + 390 * (left ? k : k - rows), wide ? 1830 : 1815, 375}));
      EXPECT_EQ(place.back_style, BackStyle::Transparent);
      EXPECT_EQ(place.back_color, colors::kRed);
      EXPECT_EQ(place.caption, "");
      EXPECT_FALSE(place.font.has_value());
    }
  }
}

TEST(DrillDefinition, ScoreBannersRetryAndMedals) {
  Harness h({.first_screen = ScreenId::DrillLarge});
  const ScreenDef& def = h.window().definition();

  const ControlDef& score = find_def(def, "Label3");
  EXPECT_EQ(score.caption, "");
  EXPECT_EQ(score.back_style, BackStyle::Transparent);
  EXPECT_EQ(score.font, (Font{Face::Gothic, 24, false}));
  EXPECT_EQ(score.fore_color, colors::kWhite);
  EXPECT_EQ(score.alignment, Alignment::Centre);

  const ControlDef& passed = find_def(def, "Label4");
  EXPECT_EQ(passed.caption, "合　格");
  EXPECT_EQ(passed.font, (Font{Face::Mincho, 80, true}));
  const ControlDef& failed = find_def(def, "Label5");
  EXPECT_EQ(failed.caption, "不合格");
  EXPECT_EQ(failed.font, (Font{Face::Mincho, 88, true}));
  for (const ControlDef* banner : {&passed, &failed}) {
    EXPECT_TRUE(banner->visible);
    EXPECT_EQ(banner->back_color, colors::kMagenta);
    EXPECT_EQ(banner->fore_color, colors::kWhite);
    EXPECT_EQ(banner->alignment, Alignment::Centre);
  }

  const ControlDef& menu_spot = find_def(def, "Label6");
  EXPECT_EQ(menu_spot.caption, "");
  EXPECT_EQ(menu_spot.back_style, BackStyle::Transparent);

  const ControlDef& retry = find_def(def, "Label7");
  EXPECT_FALSE(retry.visible);
  EXPECT_EQ(retry.caption, "■再挑戦");
  EXPECT_EQ(retry.back_color, colors::kRed);
  EXPECT_EQ(retry.fore_color, colors::kWhite);
  EXPECT_EQ(retry.font, (Font{Face::Mincho, 24, true}));

  EXPECT_EQ(find_def(def, "Image1").picture, Picture::GoldMedal);
  EXPECT_EQ(find_def(def, "Image2").picture, Picture::SilverMedal);
  EXPECT_EQ(find_def(def, "Image3").picture, Picture::BronzeMedal);
  for (const char* medal : {"Image1", "Image2", "Image3"}) EXPECT_TRUE(find_def(def, medal).stretch) << medal;
}

}  // namespace
}  // namespace metria::testing
