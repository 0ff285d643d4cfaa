// The main menu's opening walk, its credit picture, the hover highlight and the way to each exercise.
#include "screens/menus/menu_screen.h"

#include <array>
#include <optional>

#include "app/folder_rule.h"

namespace metria {

namespace {

// The walk ends on the step that takes the turtle above Top 481: it then stands under the rod.
const WalkingOpening kOpening{.start_top = 4665, .step_height = 482, .walk_ends_below_top = 481, .first_frame = 1};
constexpr int kCreditMs = 7000;

const HoverGroup kHover{"Label1", {colors::kBlue}, {colors::kRed}};

// What each entry of Label1 opens, by Index; the last, "おわり", ends the program.
constexpr std::array<std::optional<ScreenId>, 6> kEntries{
    ScreenId::QuizSi, ScreenId::QuizCounters, ScreenId::QuizCurrencies, ScreenId::DrillSi, ScreenId::NumberMenu,
    std::nullopt};

}  // namespace

MenuScreen::MenuScreen(AppContext& context) : OpeningMenuScreen(context, ScreenId::Menu, kHover, kOpening) {}

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
  PlaceTurtle();
  control("Image3").set_visible(false);
  app.AppFolder() = folder_rule(app.AppPath());
  PreparePlayer("MediaPlayer1", app.AppFolder(), "/wav/kame1.wav");
  PreparePlayer("MediaPlayer2", app.AppFolder(), "/wav/kame2.wav");
  PreparePlayer("MediaPlayer3", app.AppFolder(), "/wav/zunomi.wav");
  StartOpening();
}

// The walking turtle gives way to the title picture, whose own turtle rests where it stopped.
void MenuScreen::Timer3_Timer() {
  control("Image1").set_visible(false);
  control("Image2").set_visible(false);
  control("Image3").set_visible(true);
  control("Timer3").set_interval(0);
  control("Timer4").set_interval(kOpeningPauseMs);
}

// Keeps ticking while the menu is loaded; only its first tick changes what is seen.
void MenuScreen::Timer4_Timer() {
  for (int i = 0; i < static_cast<int>(kEntries.size()); ++i) control("Label1", i).set_visible(true);
}

void MenuScreen::Label1_Click(int Index) {
  if (Index < 0 || Index >= static_cast<int>(kEntries.size())) return;
  if (const auto& target = kEntries[static_cast<std::size_t>(Index)]) {
    GoTo(*target);
  } else {
    app.End();
  }
}

// A click while the picture is shown plays the sound again and gives the picture its full seven
// seconds again: setting the interval restarts the countdown.
void MenuScreen::Label2_Click() {
  control("Image4").set_visible(true);
  Play("MediaPlayer3");
  control("Timer5").set_interval(kCreditMs);
  // The picture appears where the focus is not: it is said.
  Announce(control("Image4").text_alternative());
}

void MenuScreen::Timer5_Timer() {
  control("Timer5").set_interval(0);
  control("Image4").set_visible(false);
}

}  // namespace metria
