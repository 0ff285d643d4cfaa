// The shared hover highlight: first visit 0/0, values kept across visits, two-step colouring and
// the members that may never be highlighted.
#include <gtest/gtest.h>

#include "app/hover_highlight.h"
#include "harness/test_screen.h"

namespace metria::testing {
namespace {

const HoverGroup kGroup{"Entry", {colors::kBlue}, {colors::kRed}};
const HoverGroup kTwoStep{"Entry", {colors::kYellow, colors::kBlue}, {colors::kRed, colors::kWhite}};

ScreenDef three_entries(ScreenId id) {
  ScreenDef def = empty_window(id);
  for (int i = 0; i < 3; ++i)
    def.controls.push_back({.name = "Entry", .index = i, .kind = ControlKind::Label,
                            .rect = {100 + 1000 * i, 100, 900, 500}, .back_color = colors::kBlue});
  def.controls.push_back({.name = "Go", .kind = ControlKind::Label, .rect = {100, 3000, 900, 500}});
  return def;
}

// A screen with the hover pair as its fields; `solved` entries are never highlighted.
struct HoverScreen {
  std::int16_t HoverIndex = 0, HighlightIndex = 0;
  const HoverGroup* group = &kGroup;
  int solved = -1;
};

void hovering(TestScreen& s, HoverScreen& state) {
  s.on_wire = [&s, &state](EventTable& t) {
    t.on_mouse_move("Entry", [&s, &state](int Index) {
      state.HoverIndex = static_cast<std::int16_t>(Index);
      highlight_label(s, *state.group, state.HoverIndex, state.HighlightIndex,
                      [&state](int k) { return k == state.solved; });
    });
    t.on_form_mouse_move([&s, &state] { clear_highlight(s, *state.group, state.HoverIndex, state.HighlightIndex); });
    t.on_click("Go", [&s] { s.GoTo(s.id() == ScreenId::Menu ? ScreenId::QuizSi : ScreenId::Menu); });
  };
}

struct Hover : ::testing::Test {
  HoverScreen state;
  TestProgram program{three_entries, [this](TestScreen& s) {
                        if (s.id() == ScreenId::Menu) hovering(s, state);
                        else s.on_wire = [&s](EventTable& t) { t.on_click("Go", [&s] { s.GoTo(ScreenId::Menu); }); };
                      }};
  Harness& h = program.harness;
  Color back(int i) { return h.control("Entry", i).back_color(); }
};

TEST_F(Hover, OnTheFirstVisitEntryZeroIsNotHighlightedUntilTheBackgroundIsCrossed) {
  h.move_to("Entry", 0);
  EXPECT_EQ(back(0), colors::kBlue);
  h.move_to_background();
  h.move_to("Entry", 0);
  EXPECT_EQ(back(0), colors::kRed);
  EXPECT_EQ(state.HighlightIndex, 0);
}

TEST_F(Hover, MovingFromEntryToEntryMovesTheHighlight) {
  h.move_to("Entry", 1);
  h.move_to("Entry", 2);
  EXPECT_EQ(back(1), colors::kBlue);
  EXPECT_EQ(back(2), colors::kRed);
  h.move_to_background();
  EXPECT_EQ(back(2), colors::kBlue);
  EXPECT_EQ(state.HighlightIndex, -1);
}

TEST_F(Hover, ThePairSurvivesAVisitWhileTheLabelsStartFromTheirDesignColours) {
  h.move_to("Entry", 2);
  h.click("Go");  // leave and come back
  h.click("Go");
  EXPECT_EQ(state.HoverIndex, 2);
  EXPECT_EQ(state.HighlightIndex, 2);
  EXPECT_EQ(back(2), colors::kBlue);
  h.move_to("Entry", 2);
  EXPECT_EQ(back(2), colors::kBlue) << "HighlightIndex still names it, so it is not painted again";
}

TEST_F(Hover, TwoStepColouringPaintsBackgroundThenText) {
  state.group = &kTwoStep;
  h.move_to("Entry", 1);
  EXPECT_EQ(h.control("Entry", 1).fore_color(), colors::kWhite);
  h.move_to("Entry", 2);
  EXPECT_EQ(back(1), colors::kYellow);
  EXPECT_EQ(h.control("Entry", 1).fore_color(), colors::kBlue);
}

TEST_F(Hover, ASolvedMemberIsNeverHighlightedAndKeepsHighlightIndex) {
  state.solved = 2;
  h.move_to("Entry", 1);
  h.move_to("Entry", 2);
  EXPECT_EQ(back(1), colors::kBlue);
  EXPECT_EQ(back(2), colors::kBlue);
  EXPECT_EQ(state.HighlightIndex, 1);
}

}  // namespace
}  // namespace metria::testing
