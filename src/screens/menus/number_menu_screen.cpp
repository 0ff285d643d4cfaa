// The sub-menu's opening walk, the hover highlight of its two choices and its three ways out.
#include "screens/menus/number_menu_screen.h"

#include "app/fatal_error.h"
#include "app/folder_rule.h"
#include "app/hover_highlight.h"
#include "screens/walking_turtle.h"

namespace metria {

namespace {

constexpr std::int16_t kTurtleStartTop = 4120;
constexpr std::int16_t kStepHeight = 385;
// The walk ends on the step that brings the turtle up between the two signboards.
constexpr std::int16_t kWalkEndsBelowTop = 1816;
constexpr int kStepMs = 300;
constexpr int kPauseMs = 500;

// Yellow boards with blue text; the one under the pointer turns red with white text.
const HoverGroup kHover{"Label3", {colors::kYellow, colors::kBlue}, {colors::kRed, colors::kWhite}};

}  // namespace

void NumberMenuScreen::wire(EventTable& t) {
  t.on_timer("Timer1", [this] { Timer1_Timer(); });
  t.on_timer("Timer2", [this] { Timer2_Timer(); });
  t.on_timer("Timer3", [this] { Timer3_Timer(); });
  t.on_timer("Timer4", [this] { Timer4_Timer(); });
  t.on_mouse_move("Label3", [this](int Index) { Label3_MouseMove(Index); });
  t.on_form_mouse_move([this] { Form_MouseMove(); });
  t.on_click("Label3", [this](int Index) { Label3_Click(Index); });
  t.on_click("Label2", [this] { Label2_Click(); });
}

// Only the background and the invisible menu button are there when the window appears.
void NumberMenuScreen::Form_Load() {
  TurtleTop = kTurtleStartTop;
  control("Image1").set_top(TurtleTop);
  control("Image1").set_visible(false);
  control("Image2").set_visible(false);
  control("Label1").set_visible(false);
  app.AppFolder() = folder_rule(app.AppPath());
  // The step sounds are swapped against the other screens: the first step, which shows Image2,
  // sounds kame1 here as it does on the main menu.
  PreparePlayer("MediaPlayer1", app.AppFolder(), "/wav/kame2.wav");
  PreparePlayer("MediaPlayer2", app.AppFolder(), "/wav/kame1.wav");
  control("Timer1").set_interval(kPauseMs);
}

void NumberMenuScreen::Timer1_Timer() {
  control("Timer1").set_interval(0);
  WalkFrame = 2;
  control("Timer2").set_interval(kStepMs);
}

// One step: the turtle moves up and changes pose, each pose with its own step sound.
void NumberMenuScreen::Timer2_Timer() {
  TakeWalkStep(*this, TurtleTop, WalkFrame, kStepHeight);
  if (TurtleTop < kWalkEndsBelowTop) {
    control("Timer2").set_interval(0);
    control("Timer3").set_interval(kPauseMs);
  }
}

// A pause in which the turtle of the last step stays where it stopped.
void NumberMenuScreen::Timer3_Timer() {
  control("Timer3").set_interval(0);
  control("Timer4").set_interval(kPauseMs);
}

// Keeps ticking while the screen is loaded; only its first tick changes what is seen.
void NumberMenuScreen::Timer4_Timer() {
  control("Image3").set_visible(true);
  control("Image4").set_visible(true);
  control("Label1").set_visible(true);
  control("Label3", 0).set_visible(true);
  control("Label3", 1).set_visible(true);
}

void NumberMenuScreen::Label3_MouseMove(int Index) {
  HoverIndex = to_int16(Index);
  HighlightLabel();
}

void NumberMenuScreen::HighlightLabel() { highlight_label(*this, kHover, HoverIndex, HighlightIndex); }

void NumberMenuScreen::Form_MouseMove() { clear_highlight(*this, kHover, HoverIndex, HighlightIndex); }

void NumberMenuScreen::Label3_Click(int Index) {
  switch (Index) {
    case 0: GoTo(ScreenId::DrillLarge); break;
    case 1: GoTo(ScreenId::DrillSmall); break;
  }
}

void NumberMenuScreen::Label2_Click() { GoTo(ScreenId::Menu); }

}  // namespace metria
