// The controls of a number-name drill as its screen definition stores them.
#include "screens/drills/drill_definition.h"

#include <stdexcept>
#include <string>
#include <utility>

#include "screens/drills/drill_geometry.h"
#include "screens/screen_words.h"

namespace metria {

namespace g = drill_geometry;

namespace {

// Red of the drop targets (shown only while a card is over one) and of "■再挑戦".
constexpr Color kLabelRed = Color::from_bgr(0x000000FF);
constexpr Color kBannerMagenta = Color::from_bgr(0x00FF00FF);
constexpr Color kCardDarkBlue = Color::from_bgr(0x00C00000);

ControlDef banner(std::string_view name, const Rect& rect, std::string caption, int pixels) {
  return {.name = std::string(name),
          .rect = rect,
          .caption = std::move(caption),
          .back_color = kBannerMagenta,
          .fore_color = colors::kWhite,
          .alignment = Alignment::Centre,
          .font = Font{Face::Mincho, pixels, true}};
}

// Medals are 80 × 100 pixel pictures stretched to their box.
ControlDef medal(std::string_view name, const Rect& rect, Picture picture, const char* words) {
  return {.name = std::string(name),
          .kind = ControlKind::Image,
          .rect = rect,
          .picture = picture,
          .stretch = true,
          .text_alternative = words};
}

ControlDef single_control(const DrillLayout& layout, std::string_view name) {
  if (name == "Label3")
    return {.name = "Label3",
            .rect = layout.score,
            .fore_color = colors::kWhite,
            .back_style = BackStyle::Transparent,
            .alignment = Alignment::Centre,
            .font = Font{Face::Gothic, 24, false},
            .text_alternative = "正解 {} ％",
            .role = NodeRole::Status};
  if (name == "Label4") return banner(name, layout.passed, "合　格", 80);
  if (name == "Label5") return banner(name, layout.failed, "不合格", 88);
  if (name == "Label6")
    return {.name = "Label6",
            .rect = layout.menu_spot,
            .back_style = BackStyle::Transparent,
            .text_alternative = words::kMenuSpot,
            .leaves_screen = true,
            .faint = true};
  if (name == "Label7")
    return {.name = "Label7",
            .rect = layout.retry,
            .visible = false,
            .caption = "■再挑戦",
            .back_color = kLabelRed,
            .fore_color = colors::kWhite,
            .alignment = Alignment::Centre,
            .font = Font{Face::Mincho, 24, true}};
  if (name == "Image1") return medal(name, layout.gold, Picture::GoldMedal, words::kGoldMedal);
  if (name == "Image2") return medal(name, layout.silver, Picture::SilverMedal, words::kSilverMedal);
  if (name == "Image3") return medal(name, layout.bronze, Picture::BronzeMedal, words::kBronzeMedal);
  throw std::logic_error("no drill control " + std::string(name));
}

// The exponent drawn beside a place, in words: "１０の６８乗", "１０の－３乗".
std::string power_of_ten(int exponent) {
  static constexpr const char* kDigits[] = {"０", "１", "２", "３", "４", "５", "６", "７", "８", "９"};
  std::string digits;
  for (int rest = exponent < 0 ? -exponent : exponent; digits.empty() || rest > 0; rest /= 10)
    digits.insert(0, kDigits[rest % 10]);
  return "１０の" + std::string(exponent < 0 ? "－" : "") + digits + "乗";
}

// Place k: a transparent red drop target without caption over the "?" cell of its row.
ControlDef place(const DrillLayout& layout, int k) {
  const bool left = g::in_left_column(k, layout.column_rows);
  const bool wide = !left || layout.wide_left_place == k;
  return {.name = "Label1",
          .index = k,
          .rect = {left ? g::kLeftPlaceLeft : g::kRightColumnLeft, g::table_row_top(k, layout.column_rows),
                   wide ? g::kRightPlaceWidth : g::kLeftPlaceWidth, g::kCardHeight},
          .back_color = kLabelRed,
          .back_style = BackStyle::Transparent,
          .text_alternative = power_of_ten(layout.cards[k].exponent)};
}

// Card k, designed in shelf slot k; every new game shuffles the cards onto the shelf anyway.
ControlDef card(const DrillLayout& layout, int k) {
  const DrillCard& content = layout.cards[k];
  const Point slot = g::shelf_slot(k, layout.column_rows);
  return {.name = "Label2",
          .index = k,
          .rect = {slot.x, slot.y, g::kCardWidth, g::kCardHeight},
          .caption = std::string(content.caption),
          .back_color = kCardDarkBlue,
          .fore_color = colors::kWhite,
          .alignment = Alignment::Centre,
          .font = Font{content.face, 21, true},
          .drag_icon = Icon::Magnifier};
}

// The players are hidden by every load; their rectangles never show.
ControlDef player(int number) {
  return {.name = "MediaPlayer" + std::to_string(number),
          .kind = ControlKind::SoundPlayer,
          .rect = {240 + 480 * (number - 1), 5400, 480, 405}};
}

}  // namespace

ScreenDef build_drill_definition(const DrillLayout& layout) {
  ScreenDef def{.name = std::string(layout.name),
                .caption = std::string(layout.caption),
                .client_width = layout.client_width,
                .client_height = layout.client_height,
                .back_color = colors::kWhite,
                .picture = layout.picture,
                .icon = Icon::Stopwatch};
  for (const StackEntry& entry : layout.stacking) {
    if (entry.name == "Label1") {
      for (int k : entry.indexes) def.controls.push_back(place(layout, k));
    } else if (entry.name == "Label2") {
      for (int k : entry.indexes) def.controls.push_back(card(layout, k));
    } else {
      def.controls.push_back(single_control(layout, entry.name));
    }
  }
  def.controls.push_back({.name = "Timer1", .kind = ControlKind::Timer});
  // The keys visit the cards where they lie on the shelf, then the places down the table.
  def.reading_order = {{"Label2"}, {"Label1", true}};
  def.picture_texts = {
      drawn_words({"数の接頭語", 71, 30.1, 21}, NodeRole::Heading),
      drawn_words(
          {.text = "接頭語を数にドラッグして下さい", .centre_x = 278.5, .baseline = 28.3, .size = 16, .faint = true}),
      drawn_words({"１０の○○乗", 187.5, 82.7, 34})};
  for (int number = 1; number <= 3; ++number) def.controls.push_back(player(number));
  return def;
}

}  // namespace metria
