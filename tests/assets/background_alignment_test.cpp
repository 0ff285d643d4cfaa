// Checks that each screen's background picture lines up with the controls laid over it:
// answer cells under the quizzes' answer labels, "?" cells under the drills' places, empty
// slots under the shelf positions, count boxes under the count labels, red menu buttons
// under the transparent click spots, and cyan where the turtle pictures stand.
// Every rectangle is given in twips, as the screens lay out their controls, and converted
// to pixels here, so the test compares the picture with the layout and not with itself.
#include <SDL.h>
#include <SDL_image.h>
#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <fstream>
#include <map>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

namespace {

struct Rgb {
  std::uint8_t r, g, b;
  friend bool operator==(const Rgb&, const Rgb&) = default;
  friend std::ostream& operator<<(std::ostream& out, const Rgb& c) {
    return out << "(" << int(c.r) << "," << int(c.g) << "," << int(c.b) << ")";
  }
};

constexpr Rgb kGroundBlue{4, 2, 252};
constexpr Rgb kCyan{4, 254, 252};
constexpr Rgb kSlotBlue{4, 2, 164};
constexpr Rgb kRed{252, 2, 4};
constexpr Rgb kYellow{252, 254, 4};
constexpr Rgb kWhite{255, 255, 255};
constexpr Rgb kLabelBlue{0, 0, 255};  // the opaque answer labels
constexpr Rgb kCountBlue{0, 0, 192};  // the opaque count labels

struct TwipsRect {
  int left, top, width, height;
};

// One promise of one picture: `count` rectangles, the first at `first`, filled in columns of
// `rows` (member k in column k / rows, row k % rows). Inside, the corners `inset` pixels in from
// the edges have colour `inside`; one pixel outside, the middle of each side named in
// `outside_sides` (L, T, R, B) has colour `outside`.
struct Alignment {
  const char* name;
  const char* screen;  // the picture is assets/pictures/SCREEN_background.gif
  TwipsRect first;
  int count = 1;
  int rows = 1;
  int column_step = 0;  // twips
  int row_step = 0;     // twips
  Rgb inside;
  int inset = 0;
  Rgb outside = kWhite;
  const char* outside_sides = "LTRB";
};

std::ostream& operator<<(std::ostream& out, const Alignment& a) { return out << a.name; }

// A panel of a picture, given by its pixel box (inclusive), in twips like every other rectangle.
constexpr TwipsRect FromPixels(int left, int top, int right, int bottom) {
  return {left * 15, top * 15, (right - left + 1) * 15, (bottom - top + 1) * 15};
}

// clang-format off
const Alignment kAlignments[] = {
    // Quizzes: answer cells under the Label1 members, framed in yellow just outside them.
    {"QuizSi_AnswerCells",       "quiz_si",       {750, 900, 1455, 375},  16,  8, 1800, 630, kLabelBlue, 0, kYellow},
    {"QuizJapan_AnswerCells",    "quiz_japan",    {765, 465, 825, 435},   60, 12,  840, 450, kLabelBlue, 0, kYellow},
    {"QuizCurrency_AnswerCells", "quiz_currency", {450, 450, 1455, 375},  36, 12, 1530, 450, kLabelBlue, 0, kYellow},
    // Quizzes: count boxes under Label6 (right answers) and Label7 (wrong answers).
    {"QuizSi_CountBoxes",        "quiz_si",       {5610, 750, 1035, 735},  2,  1, 1800,   0, kCountBlue},
    {"QuizJapan_CountBoxes",     "quiz_japan",    {6015, 915, 1035, 735},  2,  1, 1800,   0, kCountBlue},
    {"QuizCurrency_CountBoxes",  "quiz_currency", {6015, 915, 1035, 735},  2,  1, 1800,   0, kCountBlue},
    // Red menu buttons under the transparent click spots (Label4, Label6, Label2).
    {"QuizSi_MenuButton",        "quiz_si",       {7620, 285, 1260, 300},  1,  1,    0,   0, kRed, 0, kGroundBlue},
    {"QuizJapan_MenuButton",     "quiz_japan",    {7620, 420, 1260, 300},  1,  1,    0,   0, kRed, 0, kGroundBlue},
    {"QuizCurrency_MenuButton",  "quiz_currency", {7620, 435, 1260, 300},  1,  1,    0,   0, kRed, 0, kGroundBlue},
    {"DrillJpb_MenuButton",      "drill_jpb",     {8160, 195, 1260, 300},  1,  1,    0,   0, kRed, 0, kGroundBlue},
    {"DrillSi_MenuButton",       "drill_si",      {8160, 210, 1260, 300},  1,  1,    0,   0, kRed, 0, kGroundBlue},
    {"DrillJps_MenuButton",      "drill_jps",     {8160, 195, 1260, 300},  1,  1,    0,   0, kRed, 0, kGroundBlue},
    {"NumberMenu_MenuButton",    "number_menu",   {7485, 285, 1245, 285},  1,  1,    0,   0, kRed, 0, kGroundBlue},
    // Drills: a "?" cell under every place Label1, between the white lines of the table. The
    // right side is left out: the last left place of 数_JPS reaches onto the table's frame.
    {"DrillJpb_LeftPlaces",      "drill_jpb",     {975, 1560, 1815, 375}, 10, 10,    0, 390, kSlotBlue, 1, kWhite, "LTB"},
    {"DrillJpb_RightPlaces",     "drill_jpb",     {3660, 1560, 1830, 375},10, 10,    0, 390, kSlotBlue, 1, kWhite, "LTB"},
    {"DrillSi_LeftPlaces",       "drill_si",      {975, 1560, 1815, 375}, 10, 10,    0, 390, kSlotBlue, 1, kWhite, "LTB"},
    {"DrillSi_RightPlaces",      "drill_si",      {3660, 1560, 1830, 375},10, 10,    0, 390, kSlotBlue, 1, kWhite, "LTB"},
    {"DrillJps_LeftPlaces",      "drill_jps",     {975, 1560, 1815, 375}, 10, 10,    0, 390, kSlotBlue, 1, kWhite, "LTB"},
    {"DrillJps_LastLeftPlace",   "drill_jps",     {975, 5460, 1830, 375},  1,  1,    0,   0, kSlotBlue, 1, kWhite, "LTB"},
    {"DrillJps_RightPlaces",     "drill_jps",     {3660, 1560, 1830, 375},11, 11,    0, 390, kSlotBlue, 1, kWhite, "LTB"},
    // Drills: an empty white-framed slot under every shelf position of the cards.
    {"DrillJpb_ShelfSlots",      "drill_jpb",     {5625, 750, 1815, 375}, 20, 10, 1950, 480, kSlotBlue},
    {"DrillSi_ShelfSlots",       "drill_si",      {5625, 750, 1815, 375}, 20, 10, 1950, 480, kSlotBlue},
    {"DrillJps_ShelfSlots",      "drill_jps",     {5625, 750, 1815, 375}, 22, 11, 1950, 480, kSlotBlue},
    // Cyan wherever the turtle pictures (drawn on cyan) walk and stand.
    {"Menu_WalkingPath",         "menu",          {3735, 330, 1815, 5670}, 1,  1,    0,   0, kCyan, 0, kCyan, ""},
    {"NumberMenu_Panel",         "number_menu",   FromPixels(118, 103, 496, 388), 1, 1, 0, 0, kCyan},
    {"QuizSi_Panel",             "quiz_si",       FromPixels(301, 110, 584, 378), 1, 1, 0, 0, kCyan},
    {"QuizJapan_Panel",          "quiz_japan",    FromPixels(351, 121, 589, 389), 1, 1, 0, 0, kCyan},
    {"QuizCurrency_Panel",       "quiz_currency", FromPixels(351, 121, 589, 389), 1, 1, 0, 0, kCyan},
};
// clang-format on

// A twips edge to the pixel edge it falls on, rounding halves up.
int ToPixels(int twips) { return (2 * twips + 15) / 30; }

struct Picture {
  std::string header;  // the first six bytes of the file
  int width = 0, height = 0;
  std::vector<Rgb> pixels;

  Rgb At(int x, int y) const { return pixels.at(static_cast<std::size_t>(y * width + x)); }
};

const Picture& LoadPicture(const std::string& file) {
  static std::map<std::string, Picture> cache;
  auto found = cache.find(file);
  if (found != cache.end()) return found->second;

  const std::string path = std::string(METRIA_SOURCE_DIR) + "/assets/pictures/" + file;
  Picture picture;
  std::ifstream in(path, std::ios::binary);
  std::array<char, 6> magic{};
  in.read(magic.data(), magic.size());
  picture.header.assign(magic.data(), static_cast<std::size_t>(in.gcount()));

  std::unique_ptr<SDL_Surface, decltype(&SDL_FreeSurface)> loaded(IMG_Load(path.c_str()), SDL_FreeSurface);
  if (loaded) {
    std::unique_ptr<SDL_Surface, decltype(&SDL_FreeSurface)> rgba(
        SDL_ConvertSurfaceFormat(loaded.get(), SDL_PIXELFORMAT_RGBA32, 0), SDL_FreeSurface);
    if (rgba) {
      picture.width = rgba->w;
      picture.height = rgba->h;
      for (int y = 0; y < rgba->h; ++y) {
        const auto* row = static_cast<const std::uint8_t*>(rgba->pixels) + y * rgba->pitch;
        for (int x = 0; x < rgba->w; ++x) picture.pixels.push_back({row[4 * x], row[4 * x + 1], row[4 * x + 2]});
      }
    }
  }
  return cache.emplace(file, std::move(picture)).first->second;
}

class BackgroundAlignment : public testing::TestWithParam<Alignment> {};

TEST_P(BackgroundAlignment, PictureMatchesTheLayout) {
  const Alignment& a = GetParam();
  const std::string file = std::string(a.screen) + "_background.gif";
  const Picture& picture = LoadPicture(file);
  ASSERT_EQ(picture.header, "GIF87a") << file;
  ASSERT_EQ(picture.width, 640) << file;
  ASSERT_EQ(picture.height, 400) << file;

  for (int k = 0; k < a.count; ++k) {
    const int left = a.first.left + (k / a.rows) * a.column_step;
    const int top = a.first.top + (k % a.rows) * a.row_step;
    const int x0 = ToPixels(left), y0 = ToPixels(top);
    const int x1 = ToPixels(left + a.first.width) - 1, y1 = ToPixels(top + a.first.height) - 1;

    auto expect = [&](int x, int y, Rgb want, const char* where) {
      EXPECT_EQ(picture.At(x, y), want) << file << " member " << k << " (" << x0 << "," << y0 << "-" << x1 << "," << y1
                                        << "): " << where << " pixel " << x << "," << y;
    };
    const int i = a.inset;
    expect(x0 + i, y0 + i, a.inside, "top-left inside");
    expect(x1 - i, y0 + i, a.inside, "top-right inside");
    expect(x0 + i, y1 - i, a.inside, "bottom-left inside");
    expect(x1 - i, y1 - i, a.inside, "bottom-right inside");

    const int mid_x = (x0 + x1) / 2, mid_y = (y0 + y1) / 2;
    for (const char* side = a.outside_sides; *side != '\0'; ++side) {
      switch (*side) {
        case 'L': expect(x0 - 1, mid_y, a.outside, "left outside"); break;
        case 'T': expect(mid_x, y0 - 1, a.outside, "top outside"); break;
        case 'R': expect(x1 + 1, mid_y, a.outside, "right outside"); break;
        case 'B': expect(mid_x, y1 + 1, a.outside, "bottom outside"); break;
        default: FAIL() << "unknown side " << *side;
      }
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Backgrounds, BackgroundAlignment, testing::ValuesIn(kAlignments),
                         [](const testing::TestParamInfo<Alignment>& test) { return std::string(test.param.name); });

}  // namespace
