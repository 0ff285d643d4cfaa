// The number-name drill: a new game, the shuffle, drag and drop, scoring, the finish wait and the
// graded result, for any number of cards.
#include "screens/drills/drill_screen.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <string>

#include "app/fatal_error.h"
#include "app/folder_rule.h"
#include "app/hover_highlight.h"
#include "app/random_source.h"
#include "screens/drills/drill_definition.h"
#include "screens/drills/drill_geometry.h"
#include "ui/spoken_words.h"

namespace metria {

namespace {

constexpr Color kCardNormal = colors::kSlotBlue;  // (4, 2, 164)
constexpr Color kCardHighlight = colors::kRed;
const HoverGroup kHover{"Label2", {kCardNormal}, {kCardHighlight}};

// The grades of a finished drill, best first: the lowest score that earns each medal picture.
struct Grade {
  int lowest_score;
  const char* medal;
};
constexpr std::array<Grade, 3> kGrades{{{90, "Image1"}, {80, "Image2"}, {70, "Image3"}}};

constexpr int kFinishTickMs = 100;
constexpr double kFinishWaitSeconds = 2;
constexpr double kSecondsPerDay = 86400;

// The score: the whole part of 100 × right / tries, in ints wide enough for any 16-bit counts.
int whole_percent(std::int16_t right, std::int16_t tries) { return 100 * int{right} / int{tries}; }

}  // namespace

DrillScreen::DrillScreen(AppContext& context, ScreenId id, const DrillLayout& layout)
    : HoverScreen(context, id, kHover),
      NameCount(to_int16(static_cast<long>(layout.cards.size()))),
      ColumnRows(layout.column_rows),
      Taken(NameCount),
      SlotOrder(NameCount),
      Solved(NameCount),
      m_definition(build_drill_definition(layout)) {}

void DrillScreen::wire(EventTable& t) {
  t.on_mouse_down("Label2", [this](int Index) { Label2_MouseDown(Index); });
  t.on_drag_over("Label1", [this](int Index, DragState State) { Label1_DragOver(Index, State); });
  t.on_drag_drop("Label1", [this](int Index) { Label1_DragDrop(Index); });
  t.on_drag_drop("Label2", [this](int Index) { Label2_DragDrop(Index); });
  t.on_form_drag_drop([this] { Form_DragDrop(); });
  t.on_timer("Timer1", [this] { Timer1_Timer(); });
  t.on_mouse_move("Label2", [this](int Index) { Label2_MouseMove(Index); });
  t.on_form_mouse_move([this] { Form_MouseMove(); });
  t.on_click("Label6", [this] { Label6_Click(); });
  t.on_click("Label7", [this] { Label7_Click(); });
}

void DrillScreen::Form_Load() {
  TakenCount = 0;
  TryCount = 0;
  RightCount = 0;
  FolderPath = folder_rule(app.AppPath());
  PreparePlayer("MediaPlayer1", FolderPath, "/wav/o.wav");
  PreparePlayer("MediaPlayer2", FolderPath, "/wav/gokaku.wav", 3);
  PreparePlayer("MediaPlayer3", FolderPath, "/wav/dame.wav");

  control("Label3").set_caption("");
  for (const char* name : {"Label4", "Label5", "Label7", "Image1", "Image2", "Image3"})
    control(name).set_visible(false);
  for (int k = 0; k < NameCount; ++k) {
    control("Label2", k).set_visible(false);
    Taken[k] = 0;
    Solved[k] = 0;
    CardActs(k, true);
    control("Label2", k).set_back_color(kCardNormal);
  }

  app.random().Randomize();
  // Draw until every card has been taken once; a draw of a card already taken is simply repeated.
  while (TakenCount < NameCount) PickName();
  LayoutNames();
  Announce(spoken::kDrillKeys);
}

void DrillScreen::PickName() {
  PickIndex = to_int16(static_cast<long>(app.random().Rnd() * NameCount));
  TakeName();
}

void DrillScreen::TakeName() {
  if (Taken[PickIndex] == 1) return;
  Taken[PickIndex] = 1;
  SlotOrder[TakenCount] = PickIndex;
  TakenCount = to_int16(TakenCount + 1);
}

void DrillScreen::LayoutNames() {
  for (int slot = 0; slot < NameCount; ++slot) {
    Control& card = control("Label2", SlotOrder[slot]);
    const Point home = drill_geometry::shelf_slot(slot, ColumnRows);
    card.set_left(home.x);
    card.set_top(home.y);
    card.set_visible(true);
  }
}

void DrillScreen::Label2_MouseDown(int Index) {
  DragIndex = to_int16(Index);
  if (Solved[Index] == 1) return;  // a placed card stays where it is
  Control& card = control("Label2", Index);
  card.set_back_color(kCardHighlight);
  HomeLeft = static_cast<float>(card.left());
  HomeTop = static_cast<float>(card.top());
  card.Drag();
}

void DrillScreen::Label1_DragOver(int Index, DragState State) {
  if (Solved[Index] == 1) return;
  if (State == DragState::Enter) control("Label1", Index).set_back_style(BackStyle::Opaque);
  if (State == DragState::Leave) control("Label1", Index).set_back_style(BackStyle::Transparent);
}

void DrillScreen::Label1_DragDrop(int Index) {
  // The user can drop on places without end. Holding the count at the top of its range leaves
  // the score exact: from 2201 tries on, 100 × RightCount / TryCount is below 1 for any count of
  // cards a drill has, so it reads 0 whether the count goes on or not.
  if (TryCount < std::numeric_limits<std::int16_t>::max()) TryCount = to_int16(TryCount + 1);
  DropIndex = to_int16(Index);
  control("Label1", Index).set_back_style(BackStyle::Transparent);

  if (DragIndex != DropIndex) {
    SendCardHome();
  } else {
    Play("MediaPlayer1");
    Control& card = control("Label2", Index);
    const Point placed = drill_geometry::placed_card(Index, ColumnRows);
    card.set_left(placed.x);
    card.set_top(placed.y);
    card.set_back_color(kCardHighlight);
    Solved[Index] = 1;
    CardActs(Index, false);
    RightCount = to_int16(RightCount + 1);
  }
  control("Label3").set_caption(std::to_string(whole_percent(RightCount, TryCount)));
  const std::string& card = control("Label2", DragIndex).caption();
  const std::string& place = control("Label1", Index).text_alternative();
  Announce((DragIndex == DropIndex ? spoken::placed(card, place) : spoken::not_its_place(card, place)) + "。" +
           spoken::drill_score(control("Label3").caption()));

  if (RightCount == NameCount) {
    control("Timer1").set_interval(kFinishTickMs);
    FinishTime = static_cast<std::int32_t>(std::lround(app.time_of_day().seconds_since_midnight()));
  }
}

// A drop on a card (the dragged one included, when the button goes up without moving) is no try.
void DrillScreen::Label2_DragDrop(int /*Index*/) { SendCardHome(); }

void DrillScreen::Form_DragDrop() { SendCardHome(); }

void DrillScreen::CardActs(int Index, bool acts) {
  control("Label2", Index).set_acts(acts);
  control("Label2", Index).set_state_note(acts ? "" : kRightNote);
  control("Label1", Index).set_acts(acts);
  // A filled place says which card lies on it.
  control("Label1", Index).set_state_note(acts ? "" : control("Label2", Index).caption());
}

void DrillScreen::SendCardHome() {
  Control& card = control("Label2", DragIndex);
  card.set_left(static_cast<int>(std::lround(HomeLeft)));
  card.set_top(static_cast<int>(std::lround(HomeTop)));
  card.set_back_color(kCardNormal);
}

void DrillScreen::Timer1_Timer() {
  double elapsed = app.time_of_day().seconds_since_midnight() - FinishTime;
  // The time of day starts again from 0 at midnight. A difference below minus half a day means
  // the clock has passed midnight since the last card (FinishTime may even read 86400, rounded
  // up from the last half second of the day, which must not count as a passed midnight).
  if (elapsed < -kSecondsPerDay / 2) elapsed += kSecondsPerDay;
  if (elapsed > kFinishWaitSeconds) {
    control("Timer1").set_interval(0);
    ShowResult();
  }
}

void DrillScreen::ShowResult() {
  control("Label2", HoverIndex).set_back_color(kCardNormal);
  const int score = whole_percent(RightCount, TryCount);
  const auto grade =
      std::find_if(kGrades.begin(), kGrades.end(), [score](const Grade& g) { return score >= g.lowest_score; });
  if (grade != kGrades.end()) {
    control("Label4").set_visible(true);
    control(grade->medal).set_visible(true);
    Play("MediaPlayer2");
    Announce(spoken::result(true, control(grade->medal).text_alternative()));
  } else {
    control("Label5").set_visible(true);
    Play("MediaPlayer3");
    Announce(spoken::result(false, ""));
  }
  control("Label7").set_visible(true);
}

void DrillScreen::Label6_Click() { GoTo(ScreenId::Menu); }

// A new game says so, as a new window does.
void DrillScreen::Label7_Click() {
  Announce(m_definition.caption);
  Form_Load();
}

}  // namespace metria
