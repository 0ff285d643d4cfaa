// The main menu's opening walk, its credit picture, the hover highlight and the way to each exercise.
#include "screens/menus/menu_screen.h"

#include "app/fatal_error.h"
#include "app/folder_rule.h"
#include "app/hover_highlight.h"
#include "screens/walking_turtle.h"

namespace metria {

namespace {

constexpr std::int16_t kTurtleStartTop = 4665;
constexpr std::int16_t kStepHeight = 482;
// The walk ends on the step that takes the turtle above this Top: it then stands under the rod.
constexpr std::int16_t kWalkEndsBelowTop = 481;
constexpr int kStepMs = 300;
constexpr int kPauseMs = 500;
constexpr int kCreditMs = 7000;

const HoverGroup kHover{"Label1", {colors::kBlue}, {colors::kRed}};

}  // namespace

void MenuScreen::wire(EventTable& t) {
  t.on_timer("Timer1", [this] { Timer1_Timer(); });
  t.on_timer("Timer2", [this] { Timer2_Timer(); });
  t.on_timer("Timer3", [this] { Timer3_Timer(); });
  t.on_timer("Timer4", [this] { Timer4_Timer(); });
  t.on_timer("Timer5", [this] { Timer5_Timer(); });
  t.on_mouse_move("Label1", [this](int Index) { Label1_MouseMove(Index); });
  t.on_form_mouse_move([this] { Form_MouseMove(); });
  t.on_click("Label1", [this](int Index) { Label1_Click(Index); });
  t.on_click("Label2", [this] { Label2_Click(); });
}

// Only the background and the invisible credit hot spot are there when the window appears.
void MenuScreen::Form_Load() {
  TurtleTop = kTurtleStartTop;
  control("Image1").set_top(TurtleTop);
  control("Image1").set_visible(false);
  control("Image2").set_visible(false);
  control("Image3").set_visible(false);
  app.AppFolder() = folder_rule(app.AppPath());
  PreparePlayer("MediaPlayer1", app.AppFolder(), "/wav/kame1.wav");
  PreparePlayer("MediaPlayer2", app.AppFolder(), "/wav/kame2.wav");
  PreparePlayer("MediaPlayer3", app.AppFolder(), "/wav/zunomi.wav");
  control("Timer1").set_interval(kPauseMs);
}

void MenuScreen::Timer1_Timer() {
  control("Timer1").set_interval(0);
  WalkFrame = 1;
  control("Timer2").set_interval(kStepMs);
}

// One step: the turtle moves up and changes pose, each pose with its own step sound.
void MenuScreen::Timer2_Timer() {
  TakeWalkStep(*this, TurtleTop, WalkFrame, kStepHeight);
  if (TurtleTop < kWalkEndsBelowTop) {
    control("Timer2").set_interval(0);
    control("Timer3").set_interval(kPauseMs);
  }
}

// The walking turtle gives way to the title picture, whose own turtle rests where it stopped.
void MenuScreen::Timer3_Timer() {
  control("Image1").set_visible(false);
  control("Image2").set_visible(false);
  control("Image3").set_visible(true);
  control("Timer3").set_interval(0);
  control("Timer4").set_interval(kPauseMs);
}

// Keeps ticking while the menu is loaded; only its first tick changes what is seen.
void MenuScreen::Timer4_Timer() {
  for (int i = 0; i <= 5; ++i) control("Label1", i).set_visible(true);
}

void MenuScreen::Label1_MouseMove(int Index) {
  HoverIndex = to_int16(Index);
  HighlightLabel();
}

void MenuScreen::HighlightLabel() { highlight_label(*this, kHover, HoverIndex, HighlightIndex); }

void MenuScreen::Form_MouseMove() { clear_highlight(*this, kHover, HoverIndex, HighlightIndex); }

void MenuScreen::Label1_Click(int Index) {
  switch (Index) {
    case 0: GoTo(ScreenId::QuizSi); break;
    case 1: GoTo(ScreenId::QuizCounters); break;
    case 2: GoTo(ScreenId::QuizCurrencies); break;
    case 3: GoTo(ScreenId::DrillSi); break;
    case 4: GoTo(ScreenId::NumberMenu); break;
    case 5: app.End(); break;
  }
}

// A click while the picture is shown plays the sound again and gives the picture its full seven
// seconds again: setting the interval restarts the countdown.
void MenuScreen::Label2_Click() {
  control("Image4").set_visible(true);
  Play("MediaPlayer3");
  control("Timer5").set_interval(kCreditMs);
}

void MenuScreen::Timer5_Timer() {
  control("Timer5").set_interval(0);
  control("Image4").set_visible(false);
}

}  // namespace metria
