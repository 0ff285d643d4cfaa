// The windows of the three unit quiz screens as they load: window properties, the answer grid,
// the captions, colours and fonts of the labels, the pictures and the front-to-back order.
#include "screens/quizzes/quiz_definition.h"

#include <gtest/gtest.h>

#include <ostream>
#include <stdexcept>
#include <string>
#include <utility>

#include "harness/headless.h"
#include "screens/quizzes/quiz_content.h"
#include "screens/quizzes/quiz_parameters.h"

namespace metria::testing {
namespace {

constexpr Color kBlue = Color::from_bgr(0x00FF0000);
constexpr Color kRed = Color::from_bgr(0x000000FF);
constexpr Color kDarkBlue = Color::from_bgr(0x00C00000);
constexpr Color kMagenta = Color::from_bgr(0x00FF00FF);
constexpr Color kYellow = Color::from_bgr(0x0000FFFF);
constexpr Color kWhite = Color::from_bgr(0x00FFFFFF);

// Grid geometry as columns × rows with the Left and Top of the first cell and the pitch between
// columns and rows.
struct Grid {
  int columns, rows, left, column_pitch, top, row_pitch, width, height;
};

struct ScreenCase {
  const char* test_name;
  ScreenId id;
  std::string caption;
  int client_width, client_height;
  Picture background, board;
  Grid grid;
  Font answer_font;
  Rect last_cell;
  int prompt_pixels;
  std::string prompt;
  const QuizContent& (*content)();
};

void PrintTo(const ScreenCase& c, std::ostream* os) { *os << c.test_name; }

const ScreenCase kCases[] = {
    {"SiUnits",
     ScreenId::QuizSi,
     "ＳＩ単位",
     9600,
     6000,
     Picture::QuizSiBackground,
     Picture::ScrollTurtleLarge,
     {2, 8, 750, 1800, 900, 630, 1455, 375},
     Font{Face::Mincho, 23, true},
     {2550, 5310, 1455, 375},
     23,
     "これは何の単位かな",
     si_units_content},
    {"Counters",
     ScreenId::QuizCounters,
     "物の数え方",
     9585,
     5985,
     Picture::QuizCountersBackground,
     Picture::ScrollTurtleSmall,
     {5, 12, 765, 840, 465, 450, 825, 435},
     Font{Face::Mincho, 24, true},
     {4125, 5415, 825, 435},
     21,
     "これはどう数えるの？",
     counters_content},
    {"Currencies",
     ScreenId::QuizCurrencies,
     "通貨の単位",
     9585,
     5985,
     Picture::QuizCurrenciesBackground,
     Picture::ScrollTurtleSmall,
     {3, 12, 450, 1530, 450, 450, 1455, 375},
     Font{Face::Gothic, 20, true},
     {3510, 5400, 1455, 375},
     21,
     "この国の通貨は何？",
     currencies_content},
};

int answer_labels(const ScreenCase& c) { return c.grid.columns * c.grid.rows; }

class QuizDefinition : public ::testing::TestWithParam<ScreenCase> {
 protected:
  const ScreenDef& def() { return quiz_definition(GetParam().id); }

  // Position of a control in the front-to-back list.
  int place(const std::string& name, int index = kNoIndex) {
    const auto& controls = def().controls;
    for (std::size_t i = 0; i < controls.size(); ++i)
      if (controls[i].name == name && controls[i].index == index) return static_cast<int>(i);
    ADD_FAILURE() << name << " is not in the definition";
    return -1;
  }
};

TEST_P(QuizDefinition, WindowProperties) {
  const ScreenCase& c = GetParam();
  EXPECT_EQ(def().name, screen_name(c.id));
  EXPECT_EQ(def().caption, c.caption);
  EXPECT_EQ(def().client_width, c.client_width);
  EXPECT_EQ(def().client_height, c.client_height);
  EXPECT_EQ(def().picture, c.background);
  EXPECT_EQ(def().icon, Icon::Stopwatch);
  EXPECT_FALSE(def().back_color.has_value());
}

TEST_P(QuizDefinition, ParametersMatchTheContent) {
  const ScreenCase& c = GetParam();
  const QuizParameters& p = quiz_parameters(c.id);
  EXPECT_EQ(static_cast<int>(c.content().items.size()), p.ItemCount);
  EXPECT_EQ(static_cast<int>(c.content().answer_captions.size()), answer_labels(c));
  EXPECT_EQ(p.grid.count(), answer_labels(c));
}

TEST_P(QuizDefinition, AnswerGridFillsColumnsTopToBottom) {
  const ScreenCase& c = GetParam();
  const Grid& g = c.grid;
  Harness h({.first_screen = c.id});
  EXPECT_EQ(h.control("Label1", answer_labels(c) - 1).rect(), c.last_cell);
  EXPECT_THROW(h.control("Label1", answer_labels(c)), std::out_of_range);
  const auto captions = c.content().answer_captions;
  const Rect cover = h.control("Image9").rect();
  for (int k = 0; k < answer_labels(c); ++k) {
    SCOPED_TRACE(k);
    const Control& cell = h.control("Label1", k);
    EXPECT_EQ(cell.rect(),
              (Rect{g.left + g.column_pitch * (k / g.rows), g.top + g.row_pitch * (k % g.rows), g.width, g.height}));
    EXPECT_EQ(cell.caption(), captions[k]);
    EXPECT_TRUE(cell.visible());
    EXPECT_EQ(cell.back_color(), kBlue);
    EXPECT_EQ(cell.fore_color(), kWhite);
    EXPECT_EQ(cell.back_style(), BackStyle::Opaque);
    EXPECT_EQ(cell.alignment(), Alignment::Centre);
    EXPECT_EQ(cell.font(), c.answer_font);
    // The cover of the result state spans every cell.
    EXPECT_TRUE(cover.left <= cell.rect().left && cell.rect().right() <= cover.right() &&
                cover.top <= cell.rect().top && cell.rect().bottom() <= cover.bottom());
  }
}

TEST_P(QuizDefinition, LabelsCarryTheirTextsColoursAndFonts) {
  const ScreenCase& c = GetParam();
  struct Expected {
    const char* name;
    std::string caption;
    Color back, fore;
    int pixels;
    bool visible, border;
  };
  const Expected labels[] = {
      {"Label2", "", kRed, kWhite, 17, false, false},
      {"Label3", c.prompt, kMagenta, kWhite, c.prompt_pixels, false, true},
      {"Label5", "合　格", kMagenta, kWhite, 80, false, false},
      {"Label6", "", kDarkBlue, kYellow, 48, true, false},
      {"Label7", "", kDarkBlue, kYellow, 48, true, false},
      {"Label8", "残り", kYellow, kDarkBlue, 27, true, true},
      {"Label9", "", kYellow, kDarkBlue, 29, true, true},
      {"Label10", "不合格", kMagenta, kWhite, 88, false, false},
      {"Label11", "■再挑戦", kRed, kWhite, 29, false, false},
  };
  for (const Expected& e : labels) {
    SCOPED_TRACE(e.name);
    const ControlDef& d = def().controls[place(e.name)];
    EXPECT_EQ(d.caption, e.caption);
    EXPECT_EQ(d.back_color, e.back);
    EXPECT_EQ(d.fore_color, e.fore);
    EXPECT_EQ(d.back_style, BackStyle::Opaque);
    EXPECT_EQ(d.font, (Font{Face::Mincho, e.pixels, true}));
    EXPECT_EQ(d.alignment, Alignment::Centre);
    EXPECT_EQ(d.visible, e.visible);
    EXPECT_EQ(d.border_style, e.border ? BorderStyle::FixedSingle : BorderStyle::None);
  }
  const ControlDef& spot = def().controls[place("Label4")];
  EXPECT_EQ(spot.back_style, BackStyle::Transparent);
  EXPECT_EQ(spot.caption, "");
  EXPECT_FALSE(spot.font.has_value());
  EXPECT_TRUE(spot.visible);
}

TEST_P(QuizDefinition, PicturesAtTheirNaturalSizeExceptTheStretchedMedals) {
  const ScreenCase& c = GetParam();
  const std::pair<const char*, Picture> pictures[] = {
      {"Image1", Picture::TurtlePose1}, {"Image2", Picture::TurtlePose2}, {"Image3", c.board},
      {"Image4", Picture::CircleMark},  {"Image5", Picture::CrossMark},
  };
  for (const auto& [name, picture] : pictures) {
    SCOPED_TRACE(name);
    const ControlDef& d = def().controls[place(name)];
    EXPECT_EQ(d.picture, picture);
    EXPECT_FALSE(d.stretch);
    EXPECT_FALSE(d.visible);
    EXPECT_EQ(d.rect.width, picture_info(picture).width * kTwipsPerPixel);
    EXPECT_EQ(d.rect.height, picture_info(picture).height * kTwipsPerPixel);
  }
  const std::pair<const char*, Picture> medals[] = {
      {"Image6", Picture::GoldMedal}, {"Image7", Picture::SilverMedal}, {"Image8", Picture::BronzeMedal}};
  for (const auto& [name, picture] : medals) {
    SCOPED_TRACE(name);
    const ControlDef& d = def().controls[place(name)];
    EXPECT_EQ(d.picture, picture);
    EXPECT_TRUE(d.stretch);
    EXPECT_FALSE(d.visible);
    EXPECT_EQ(d.rect.width, 2850);
    EXPECT_EQ(d.rect.height, 3450);
  }
  const ControlDef& cover = def().controls[place("Image9")];
  EXPECT_EQ(cover.picture, Picture::None);
  EXPECT_TRUE(cover.visible);
}

TEST_P(QuizDefinition, TimersAndPlayers) {
  for (int n = 1; n <= 6; ++n) {
    EXPECT_EQ(def().controls[place("Timer" + std::to_string(n))].kind, ControlKind::Timer);
    EXPECT_EQ(def().controls[place("MediaPlayer" + std::to_string(n))].kind, ControlKind::SoundPlayer);
  }
  EXPECT_EQ(def().controls.size(), static_cast<std::size_t>(answer_labels(GetParam()) + 10 + 9 + 6 + 6));
}

TEST_P(QuizDefinition, FrontToBackOrder) {
  const int cover = place("Image9");
  for (int k = 0; k < answer_labels(GetParam()); ++k) {
    EXPECT_LT(cover, place("Label1", k));
    EXPECT_LT(place("Label5"), place("Label1", k));
    EXPECT_LT(place("Label10"), place("Label1", k));
  }
  EXPECT_LT(place("Label11"), place("Label8"));
  EXPECT_LT(place("Label11"), place("Label9"));
  for (const char* medal : {"Image6", "Image7", "Image8"})
    for (const char* behind : {"Image1", "Image2", "Image3", "Image4", "Image5", "Label2"})
      EXPECT_LT(place(medal), place(behind)) << medal << " before " << behind;
  // The item sits on the board.
  EXPECT_LT(place("Label2"), place("Image3"));
}

TEST_P(QuizDefinition, TheCoverTakesTheMouseFromTheGrid) {
  Harness h({.first_screen = GetParam().id});
  Window& w = h.window();
  const Point centre = h.control("Label1", 0).rect().centre();
  EXPECT_EQ(w.control_at(centre), &h.control("Label1", 0));
  h.control("Image9").set_visible(true);
  EXPECT_EQ(w.control_at(centre), &h.control("Image9"));
}

INSTANTIATE_TEST_SUITE_P(Screens, QuizDefinition, ::testing::ValuesIn(kCases),
                         [](const auto& test) { return std::string(test.param.test_name); });

}  // namespace
}  // namespace metria::testing
