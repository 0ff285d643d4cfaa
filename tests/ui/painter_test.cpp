// Drawing a window: back colour, background cut at the client edges, controls back to front,
// labels and images as the window layer draws them; line breaking of captions; and when a picture
// is drawn pixel for pixel.
#include <gtest/gtest.h>

#include "harness/headless.h"
#include "ui/painter.h"
#include "ui/text_layout.h"
#include "ui/window.h"

namespace metria::testing {
namespace {

using Kind = DrawOp::Kind;

ScreenDef drawing_window() {
  return {.name = "数_SI", .caption = "接頭語（ＳＩ）", .client_width = 9540, .client_height = 5805,
          .back_color = colors::kWhite, .picture = Picture::DrillSiBackground,
          .controls = {
              {.name = "Front", .kind = ControlKind::Label, .rect = {150, 150, 1500, 450}, .caption = "■再挑戦",
               .back_color = colors::kRed, .fore_color = colors::kWhite, .border_style = BorderStyle::FixedSingle,
               .alignment = Alignment::Centre, .font = Font{Face::Mincho, 24, true}},
              {.name = "Medal", .kind = ControlKind::Image, .rect = {5610, 1650, 2610, 3030},
               .picture = Picture::GoldMedal, .stretch = true},
              {.name = "Turtle", .kind = ControlKind::Image, .rect = {3735, 4200, 1815, 1785},
               .picture = Picture::TurtlePose2},
              {.name = "Drop", .kind = ControlKind::Label, .rect = {975, 1560, 1815, 375},
               .back_color = colors::kRed, .back_style = BackStyle::Transparent},
              {.name = "Hidden", .kind = ControlKind::Label, .rect = {0, 0, 300, 300}, .visible = false},
              {.name = "Timer1", .kind = ControlKind::Timer},
          }};
}

struct Painting : ::testing::Test {
  VirtualClock clock;
  RecordingSoundDevice sound;
  ScreenDef def = drawing_window();
  InputMode input;
  Preferences preferences;
  Window window{def, clock, sound, input, preferences};
  RecordingCanvas canvas;
};

TEST_F(Painting, BackColourThenTheNaturalSizeBackgroundThenControlsBackToFront) {
  paint_window(window, canvas);
  ASSERT_GE(canvas.ops.size(), 6u);
  EXPECT_EQ(canvas.ops[0].kind, Kind::Fill);
  EXPECT_EQ(canvas.ops[0].rect, (PixelRect{0, 0, 636, 387}));
  EXPECT_EQ(canvas.ops[1].picture, Picture::DrillSiBackground);
  EXPECT_EQ(canvas.ops[1].rect, (PixelRect{0, 0, 640, 400})) << "cut at the client edges, never scaled";
  // The transparent drop target draws nothing; the hidden label neither.
  EXPECT_EQ(canvas.ops[2].picture, Picture::TurtlePose2);
  EXPECT_EQ(canvas.ops[2].rect, (PixelRect{249, 280, 121, 119}));
  EXPECT_EQ(canvas.ops[3].picture, Picture::GoldMedal);
  EXPECT_EQ(canvas.ops[3].rect, (PixelRect{374, 110, 174, 202})) << "stretched to its rectangle";
  EXPECT_EQ(canvas.ops[4].kind, Kind::Fill);
  EXPECT_EQ(canvas.ops[4].color, colors::kRed);
  EXPECT_EQ(canvas.ops[5].kind, Kind::Frame);
  EXPECT_EQ(canvas.ops.back().text, "■再挑戦");
}

TEST_F(Painting, CaptionsAreCentredFromTheTopEdgeAndClippedToTheLabel) {
  paint_window(window, canvas);
  const DrawOp& text = canvas.ops.back();
  // 100 px wide label with a 1 px frame, four 24 px characters: (98 - 96) / 2 = 1 px in.
  EXPECT_EQ(text.rect.x, 10 + 1 + 1);
  EXPECT_EQ(text.rect.y, 10 + 1);
  EXPECT_EQ(canvas.text_clips.back(), (PixelRect{10, 10, 100, 30}));
}

TEST(LabelCaption, AOneLineLabelKeepsItsCaptionOnItsLineSetSmallerToFitATallerOneBreaksIt) {
  VirtualClock clock;
  RecordingSoundDevice sound;
  const Font banner{Face::Mincho, 80, true};
  const ScreenDef def{.name = "SI単位", .client_width = 9600, .client_height = 6000,
                      .controls = {{.name = "Label5", .kind = ControlKind::Label, .rect = {675, 2340, 3405, 1305},
                                    .caption = "合　格", .alignment = Alignment::Centre, .font = banner},
                                   {.name = "Tall", .kind = ControlKind::Label, .rect = {0, 3300, 3405, 2600},
                                    .caption = "合　格", .font = banner}}};
  InputMode input;
  const Preferences preferences;
  Window window(def, clock, sound, input, preferences);
  RecordingCanvas canvas;
  paint_window(window, canvas);
  std::vector<DrawOp> texts;
  for (const DrawOp& op : canvas.ops)
    if (op.kind == Kind::Text) texts.push_back(op);
  ASSERT_EQ(texts.size(), 3u);
  EXPECT_EQ(texts[0].text, "合　");  // the tall label, drawn first (it lies behind), breaks the caption
  EXPECT_EQ(texts[1].text, "格");
  EXPECT_EQ(texts[2].text, "合　格");
  EXPECT_EQ(texts[2].rect.h, 75) << "227 px hold three characters of 75 px, not of 80";
  EXPECT_EQ(texts[2].rect.x, 45 + 1);
}

TEST_F(Painting, RunTimeChangesAskForOneRedrawAndAreDrawn) {
  window.mark_drawn();
  window.find("Drop").set_back_style(BackStyle::Opaque);
  window.find("Timer1").set_interval(100);
  EXPECT_TRUE(window.needs_redraw());
  paint_window(window, canvas);
  const auto fill = std::find_if(canvas.ops.begin() + 2, canvas.ops.end(),
                                 [](const DrawOp& op) { return op.rect == PixelRect{65, 104, 121, 25}; });
  ASSERT_NE(fill, canvas.ops.end());
  EXPECT_EQ(fill->color, colors::kRed);
  window.mark_drawn();
  window.find("Drop").set_back_style(BackStyle::Opaque);  // no change, no redraw
  EXPECT_FALSE(window.needs_redraw());
}

TEST_F(Painting, ScaledDrawingKeepsEdgesSharedAndTextAtTheScaledSize) {
  paint_window(window, canvas, 2.0);
  EXPECT_EQ(canvas.ops[0].rect, (PixelRect{0, 0, 1272, 774}));
  EXPECT_EQ(canvas.ops[3].rect, (PixelRect{748, 220, 348, 404}));
  EXPECT_EQ(canvas.ops.back().rect.h, 48);
}

MeasureText one_unit_each() {
  return [](std::string_view text) {
    int n = 0;
    for (unsigned char c : text)
      if ((c & 0xC0) != 0x80) ++n;
    return n;
  };
}

TEST(TextLayout, BreaksByCharacterAndKeepsClosingMarksOffTheLineStart) {
  EXPECT_EQ(wrap_text("どちらにしますか", 8, one_unit_each()), (std::vector<std::string>{"どちらにしますか"}));
  EXPECT_EQ(wrap_text("どちらにしますか", 5, one_unit_each()), (std::vector<std::string>{"どちらにし", "ますか"}));
  EXPECT_EQ(wrap_text("極（ごく）", 4, one_unit_each()), (std::vector<std::string>{"極（ご", "く）"}));
  EXPECT_EQ(wrap_text("エネルギー", 4, one_unit_each()), (std::vector<std::string>{"エネル", "ギー"}));
  EXPECT_EQ(wrap_text("合格", 0, one_unit_each()), (std::vector<std::string>{"合", "格"}));
  EXPECT_TRUE(wrap_text("", 10, one_unit_each()).empty());
}

TEST(Geometry, APixelBelongsToAControlExactlyWhenItIsDrawnAsPartOfIt) {
  for (int edge : {975, 980, 982, 983, 3660, 5070}) {
    const int first_pixel = to_pixels(edge);
    EXPECT_GE(to_twips(first_pixel, 0).x, edge) << edge;
    EXPECT_LT(to_twips(first_pixel - 1, 0).x, edge) << edge;
    for (double scale : {1.5, 2.0}) {
      const int scaled = to_pixels(edge, scale);
      EXPECT_GE(to_twips(scaled, 0, scale).x, edge) << edge << " at " << scale;
      EXPECT_LT(to_twips(scaled - 1, 0, scale).x, edge) << edge << " at " << scale;
    }
  }
}

// Every platform draws a picture pixel for pixel at the same whole multiple of its size both ways;
// any other size, a stretch that keeps one side whole included, is resampled smoothly.
TEST(PictureRule, OnlyTheSameWholeMultipleBothWaysRepeatsPixels) {
  EXPECT_TRUE(repeats_pixels(Picture::TurtlePose2, 121, 119));
  EXPECT_TRUE(repeats_pixels(Picture::TurtlePose2, 363, 357));
  EXPECT_FALSE(repeats_pixels(Picture::TurtlePose2, 242, 119));
  EXPECT_FALSE(repeats_pixels(Picture::TurtlePose2, 182, 179));  // scale 1.5
  EXPECT_FALSE(repeats_pixels(Picture::GoldMedal, 174, 202));    // stretched to its box
  EXPECT_FALSE(repeats_pixels(Picture::None, 0, 0));
}

}  // namespace
}  // namespace metria::testing
