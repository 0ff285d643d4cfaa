// The sub-menu's opening walk, the hover highlight of its two choices and its three ways out.
#include "screens/menus/number_menu_screen.h"

#include <array>

#include "app/folder_rule.h"

namespace metria {

namespace {

// The walk ends on the step that brings the turtle up between the two signboards.
const WalkingOpening kOpening{.start_top = 4120, .step_height = 385, .walk_ends_below_top = 1816, .first_frame = 2};

// Yellow boards with blue text; the one under the pointer turns red with white text.
const HoverGroup kHover{"Label3", {colors::kYellow, colors::kBlue}, {colors::kRed, colors::kWhite}};

// The drill each choice of Label3 opens, by Index.
constexpr std::array<ScreenId, 2> kChoices{ScreenId::DrillLarge, ScreenId::DrillSmall};

}  // namespace

NumberMenuScreen::NumberMenuScreen(AppContext& context)
    : OpeningMenuScreen(context, ScreenId::NumberMenu, kHover, kOpening) {}

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
  PlaceTurtle();
  control("Label1").set_visible(false);
  app.AppFolder() = folder_rule(app.AppPath());
  // The step sounds are swapped against the other screens: the first step, which shows Image2,
  // sounds kame1 here as it does on the main menu.
  PreparePlayer("MediaPlayer1", app.AppFolder(), "/wav/kame2.wav");
  PreparePlayer("MediaPlayer2", app.AppFolder(), "/wav/kame1.wav");
  StartOpening();
}

// A pause in which the turtle of the last step stays where it stopped.
void NumberMenuScreen::Timer3_Timer() {
  control("Timer3").set_interval(0);
  control("Timer4").set_interval(kOpeningPauseMs);
}

// Keeps ticking while the screen is loaded; only its first tick changes what is seen.
void NumberMenuScreen::Timer4_Timer() {
  control("Image3").set_visible(true);
  control("Image4").set_visible(true);
  control("Label1").set_visible(true);
  for (int i = 0; i < static_cast<int>(kChoices.size()); ++i) control("Label3", i).set_visible(true);
}

void NumberMenuScreen::Label3_Click(int Index) {
  if (Index >= 0 && Index < static_cast<int>(kChoices.size())) GoTo(kChoices[static_cast<std::size_t>(Index)]);
}

void NumberMenuScreen::Label2_Click() { GoTo(ScreenId::Menu); }

}  // namespace metria
