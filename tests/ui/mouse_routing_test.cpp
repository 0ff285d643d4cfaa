// Which control gets the mouse: front-to-back order, invisible controls, transparent labels,
// picture-less images, swallowed events, clicks, and the manual drag.
#include <gtest/gtest.h>

#include "harness/test_screen.h"

namespace metria::testing {
namespace {

ControlDef label(std::string name, int index, Rect rect, bool visible = true) {
  return {.name = std::move(name), .index = index, .kind = ControlKind::Label, .rect = rect, .visible = visible,
          .caption = "x", .font = Font{Face::Mincho, 16, false}};
}

// Front to back: a hidden label over everything, a transparent caption-less spot, a picture-less
// image covering two labels, a label without handlers, and an array stored out of index order.
ScreenDef routing_window(ScreenId id) {
  ScreenDef def = empty_window(id);
  def.controls = {
      label("Hidden", kNoIndex, {0, 0, 9600, 6000}, false),
      {.name = "Spot", .kind = ControlKind::Label, .rect = {100, 100, 600, 600}, .back_style = BackStyle::Transparent},
      {.name = "Cover", .kind = ControlKind::Image, .rect = {1000, 1000, 2000, 2000}},
      label("Covered", kNoIndex, {1500, 1500, 300, 300}),
      label("Mute", kNoIndex, {4000, 100, 600, 600}),
      label("Item", 2, {5000, 100, 600, 600}),
      label("Item", 0, {6000, 100, 600, 600}),
      label("Item", 1, {7000, 100, 600, 600}),
      label("Behind", kNoIndex, {5000, 100, 600, 600}),
  };
  return def;
}

void log_everything(TestScreen& s) {
  s.on_wire = [&s](EventTable& t) {
    for (const char* name : {"Spot", "Covered", "Item", "Behind", "Hidden"}) {
      const std::string n = name;
      t.on_click(n, [&s, n](int i) { s.log.push_back("Click " + n + "(" + std::to_string(i) + ")"); });
      t.on_mouse_move(n, [&s, n](int i) { s.log.push_back("Move " + n + "(" + std::to_string(i) + ")"); });
    }
    t.on_mouse_move("Cover", [&s](int) { s.log.push_back("Move Cover"); });
    t.on_form_mouse_move([&s] { s.log.push_back("Move Form"); });
  };
}

struct Routing : ::testing::Test {
  TestProgram program{routing_window, log_everything};
  Harness& h = program.harness;
  std::vector<std::string>& log = program.screen(ScreenId::Menu).log;
};

TEST_F(Routing, FirstVisibleControlInTheListGetsTheEvent) {
  h.click("Item", 2);  // "Behind" shares the rectangle but is listed later
  EXPECT_EQ(log, (std::vector<std::string>{"Move Item(2)", "Click Item(2)"}));
}

TEST_F(Routing, ArrayMembersAreFoundByIndexWhereverTheyStand) {
  h.click("Item", 0);
  h.click("Item", 1);
  EXPECT_EQ(log, (std::vector<std::string>{"Move Item(0)", "Click Item(0)", "Move Item(1)", "Click Item(1)"}));
  EXPECT_EQ(h.control("Item", 1).rect().left, 7000);
}

TEST_F(Routing, TransparentLabelWithoutCaptionTakesClicksAndHidingItStopsThat) {
  h.click("Spot");
  EXPECT_EQ(log, (std::vector<std::string>{"Move Spot(-1)", "Click Spot(-1)"}));
  log.clear();
  h.control("Spot").set_visible(false);
  h.click({400, 400});
  EXPECT_EQ(log, (std::vector<std::string>{"Move Form"}));
}

TEST_F(Routing, ImageWithoutPictureCoversWhatLiesBehind) {
  h.click("Covered");
  EXPECT_EQ(log, (std::vector<std::string>{"Move Cover"}));
  log.clear();
  h.control("Cover").set_visible(false);
  h.click("Covered");
  EXPECT_EQ(log, (std::vector<std::string>{"Move Covered(-1)", "Click Covered(-1)"}));
}

TEST_F(Routing, ControlWithoutHandlerSwallowsTheEvent) {
  h.click("Mute");
  EXPECT_TRUE(log.empty());
}

TEST_F(Routing, BareBackgroundGetsFormMouseMoveOnly) {
  h.click(h.background_point());
  EXPECT_EQ(log, (std::vector<std::string>{"Move Form"}));
}

TEST_F(Routing, ClickNeedsPressAndReleaseOnTheSameControl) {
  h.move_to("Item", 0);
  h.press();
  h.move_to("Item", 1);
  h.release();
  h.move_to("Spot");
  h.press(MouseButton::Right);
  h.release(MouseButton::Right);
  EXPECT_EQ(log, (std::vector<std::string>{"Move Item(0)", "Move Item(1)", "Move Spot(-1)", "Click Spot(-1)"}));
}

TEST_F(Routing, EdgesFollowThePixelsTheControlIsDrawnOn) {
  // "Item"(2) spans 5000..5600 twips: pixels 333..373 (5000 / 15 = 333.3 rounds to 333).
  h.move_to(to_twips(333, 10));
  h.move_to(to_twips(332, 10));
  h.move_to(to_twips(373, 10));
  EXPECT_EQ(log, (std::vector<std::string>{"Move Item(2)", "Move Form", "Move Form"}));
}

// The manual drag: cards start it from MouseDown; places report DragOver and take the drop.
ScreenDef drag_window(ScreenId id) {
  ScreenDef def = empty_window(id);
  def.controls = {
      label("Score", kNoIndex, {0, 0, 600, 300}),
      label("Place", 0, {100, 1000, 1000, 400}),
      label("Place", 1, {100, 2000, 1000, 400}),
      label("Card", 0, {5000, 1000, 1000, 400}),
      label("Card", 1, {5000, 2000, 1000, 400}),
  };
  def.controls[3].drag_icon = Icon::Magnifier;
  return def;
}

void log_drags(TestScreen& s) {
  s.on_wire = [&s](EventTable& t) {
    t.on_mouse_down("Card", [&s](int i) {
      s.log.push_back("Down Card(" + std::to_string(i) + ")");
      s.control("Card", i).Drag();
    });
    t.on_mouse_move("Card", [&s](int i) { s.log.push_back("Move Card(" + std::to_string(i) + ")"); });
    t.on_drag_over("Place", [&s](int i, DragState state) {
      s.log.push_back("Over Place(" + std::to_string(i) + ") " + std::to_string(static_cast<int>(state)));
    });
    t.on_drag_drop("Place", [&s](int i) { s.log.push_back("Drop Place(" + std::to_string(i) + ")"); });
    t.on_drag_drop("Card", [&s](int i) { s.log.push_back("Drop Card(" + std::to_string(i) + ")"); });
    t.on_form_drag_drop([&s] { s.log.push_back("Drop Form"); });
    t.on_form_mouse_move([&s] { s.log.push_back("Move Form"); });
  };
}

struct Dragging : ::testing::Test {
  TestProgram program{drag_window, log_drags};
  Harness& h = program.harness;
  std::vector<std::string>& log = program.screen(ScreenId::Menu).log;
};

TEST_F(Dragging, OverStatesGoToTheControlUnderThePointerAndTheDropToWhereItEnds) {
  h.move_to("Card", 0);
  h.press();
  EXPECT_TRUE(h.window().dragging());
  EXPECT_EQ(h.window().drag_cursor(), Icon::Magnifier);
  h.move_to("Place", 0);
  h.move_to({200, 1100});
  h.move_to("Place", 1);
  h.release();
  EXPECT_FALSE(h.window().dragging());
  EXPECT_EQ(log, (std::vector<std::string>{"Move Card(0)", "Down Card(0)", "Over Place(0) 0", "Over Place(0) 2",
                                           "Over Place(0) 1", "Over Place(1) 0", "Drop Place(1)"}));
}

TEST_F(Dragging, NoMouseMoveWhileDraggingAndReleaseOnTheSpotDropsOnTheCardItself) {
  h.move_to("Card", 1);
  h.press();
  h.move_to(h.background_point());
  h.move_to("Card", 1);
  h.release();
  EXPECT_EQ(log, (std::vector<std::string>{"Move Card(1)", "Down Card(1)", "Drop Card(1)"}));
}

TEST_F(Dragging, DropOnTheBackgroundGoesToTheWindowAndOnAControlWithoutHandlerNowhere) {
  h.drag_to_background("Card", 0);
  h.drag("Card", 0, "Score", kNoIndex);
  EXPECT_EQ(log, (std::vector<std::string>{"Move Card(0)", "Down Card(0)", "Drop Form", "Move Card(0)",
                                           "Down Card(0)"}));
  EXPECT_EQ(h.window().drag_cursor(), Icon::None);
}

TEST_F(Dragging, HiddenPlacesGetNeitherDragOverNorDrop) {
  h.control("Place", 0).set_visible(false);
  h.drag("Card", 0, "Place", 0);
  EXPECT_EQ(log, (std::vector<std::string>{"Move Card(0)", "Down Card(0)", "Drop Form"}));
}

// A press held still on a card for 0.6 s picks it up, for a hand that cannot drag: it stays held
// after the release, and the next press puts it down on a place or back anywhere else. A shorter
// press, or one that moves, is the click or the drag it always was.
struct HoldCase {
  const char* what;
  std::int64_t held_ms;
  Point stray;               // how far the pointer moves while pressed, in twips
  const char* then_pressed;  // where the next click lands: a place, or empty for the background
  std::vector<std::string> drops;
};

class HoldingStill : public ::testing::TestWithParam<HoldCase> {};

TEST_P(HoldingStill, PicksTheCardUpOnlyWhenLongAndStill) {
  TestProgram program{drag_window, log_drags};
  Harness& h = program.harness;
  std::vector<std::string>& log = program.screen(ScreenId::Menu).log;
  const HoldCase& c = GetParam();
  h.move_to("Card", 0);
  h.press();
  h.move_to({h.pointer().x + c.stray.x, h.pointer().y + c.stray.y});
  h.advance(c.held_ms);
  h.release();
  if (*c.then_pressed) {
    h.click("Place", 1);
  } else {
    h.click(h.background_point());
  }
  std::vector<std::string> drops;
  for (const std::string& entry : log)
    if (entry.starts_with("Drop")) drops.push_back(entry);
  EXPECT_EQ(drops, c.drops);
  EXPECT_FALSE(h.window().dragging());
}

INSTANTIATE_TEST_SUITE_P(
    Rules, HoldingStill,
    ::testing::Values(HoldCase{"held, then a place", 600, {0, 0}, "Place", {"Drop Place(1)"}},
                      HoldCase{"held within a tremor, then a place", 600, {45, -45}, "Place", {"Drop Place(1)"}},
                      HoldCase{"held, then the background: put back", 600, {0, 0}, "", {"Drop Card(0)"}},
                      HoldCase{"too short: a click sends it home", 599, {0, 0}, "Place", {"Drop Card(0)"}},
                      HoldCase{"moved: a drag, dropped on its card", 600, {90, 0}, "Place", {"Drop Card(0)"}}));

}  // namespace
}  // namespace metria::testing
