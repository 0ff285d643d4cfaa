// The turn cycle of a unit quiz: walk, question, answer, feedback, and the result.
#include "screens/quizzes/quiz_screen.h"

#include <cmath>
#include <numeric>

#include "app/fatal_error.h"
#include "app/folder_rule.h"
#include "screens/quizzes/quiz_definition.h"
#include "screens/walking_turtle.h"
#include "ui/spoken_words.h"

namespace metria {
namespace {

constexpr std::int16_t kTurtleStartTop = 4350;

// The timed steps of a turn, in milliseconds.
constexpr int kWalkDelay = 500;      // Timer1: before the turtle sets off
constexpr int kStepInterval = 300;   // Timer2: one step of the walk
constexpr int kArrivalDelay = 500;   // Timer3: the board replaces the walking turtle
constexpr int kBoardDelay = 500;     // Timer4: the item appears on the board
constexpr int kFeedbackTime = 1500;  // Timer5: mark and right answer stay this long
constexpr int kResultDelay = 1000;   // Timer6: the end of the game shows

const HoverGroup kHover{"Label1", {colors::kBlue}, {colors::kRed}};

}  // namespace

QuizScreen::QuizScreen(AppContext& context, const QuizParameters& parameters)
    : HoverScreen(context, parameters.id, kHover),
      ItemText(parameters.ItemCount),
      AnswerIndex(parameters.ItemCount),
      Asked(parameters.ItemCount),
      P(parameters) {}

const ScreenDef& QuizScreen::definition() const { return quiz_definition(P.id); }

void QuizScreen::wire(EventTable& t) {
  t.on_timer("Timer1", [this] { Timer1_Timer(); });
  t.on_timer("Timer2", [this] { Timer2_Timer(); });
  t.on_timer("Timer3", [this] { Timer3_Timer(); });
  t.on_timer("Timer4", [this] { Timer4_Timer(); });
  t.on_timer("Timer5", [this] { Timer5_Timer(); });
  t.on_timer("Timer6", [this] { Timer6_Timer(); });
  t.on_mouse_move("Label1", [this](int Index) { Label1_MouseMove(Index); });
  t.on_form_mouse_move([this] { Form_MouseMove(); });
  t.on_click("Label1", [this](int Index) { Label1_Click(Index); });
  t.on_click("Label11", [this] { Label11_Click(); });
  t.on_click("Label4", [this] { Label4_Click(); });
}

void QuizScreen::Form_Load() {
  InitQuiz();
  TurtleTop = kTurtleStartTop;
  control("Image1").set_top(TurtleTop);

  app.AppFolder() = folder_rule(app.AppPath());
  PreparePlayer("MediaPlayer1", app.AppFolder(), "/wav/kame1.wav");
  PreparePlayer("MediaPlayer2", app.AppFolder(), "/wav/kame2.wav");
  PreparePlayer("MediaPlayer3", app.AppFolder(), "/wav/o.wav");
  PreparePlayer("MediaPlayer4", app.AppFolder(), "/wav/x.wav");
  PreparePlayer("MediaPlayer5", app.AppFolder(), "/wav/gokaku.wav", 3);
  PreparePlayer("MediaPlayer6", app.AppFolder(), "/wav/dame.wav");

  for (const char* name :
       {"Image1", "Image2", "Image3", "Image6", "Image7", "Image8", "Image9", "Label2", "Label3", "Label5"})
    control(name).set_visible(false);
  control("Label6").set_caption("");
  control("Label7").set_caption("");
  control("Label9").set_caption(std::to_string(RemainingCount));
  control("Label10").set_visible(false);
  control("Label11").set_visible(false);

  control("Timer1").set_interval(kWalkDelay);
}

void QuizScreen::InitQuiz() {
  const QuizContent& content = P.content();
  for (int i = 0; i < P.ItemCount; ++i) {
    Asked[i] = 0;
    ItemText[i] = std::string(content.items[i].text);
    AnswerIndex[i] = content.items[i].answers;
  }
  RightCount = 0;
  WrongCount = 0;
  RemainingCount = P.ItemCount;
  // A screen left while a question waited must not take an answer before its new first question.
  AnswerOpen = 0;
  AnswersAct(false);
}

void QuizScreen::Timer1_Timer() {
  control("Timer1").set_interval(0);
  WalkFrame = 1;
  control("Timer2").set_interval(kStepInterval);
}

void QuizScreen::Timer2_Timer() {
  std::optional<WalkEnd> standing;
  if (app.preferences().reduced_motion)
    standing = WalkEndOf(kTurtleStartTop, P.walk_step, 1, [this](int top) { return top <= P.walk_stop; });
  TakeWalkStep(*this, TurtleTop, WalkFrame, P.walk_step, standing);
  if (TurtleTop <= P.walk_stop) {
    control("Timer2").set_interval(0);
    control("Timer3").set_interval(kArrivalDelay);
  }
}

void QuizScreen::Timer3_Timer() {
  control("Image1").set_visible(false);
  control("Image2").set_visible(false);
  control("Image3").set_visible(true);
  control("Timer3").set_interval(0);
  control("Timer4").set_interval(kBoardDelay);
}

void QuizScreen::Timer4_Timer() {
  control("Timer4").set_interval(0);
  control("Label2").set_visible(true);
  control("Label3").set_visible(true);
  PickQuestion();
}

void QuizScreen::PickQuestion() {
  app.random().Randomize();
  CurrentItem = to_int16(static_cast<long>(std::floor(app.random().Rnd() * P.ItemCount)));
  CheckPicked();
}

void QuizScreen::CheckPicked() {
  if (Asked[CurrentItem] != 1) {
    ShowQuestion();
  } else {
    FindNextUnused();
  }
}

// A draw that hits an asked item takes the next unasked one in cyclic order. A walk only starts
// while an unasked item exists, so the probe ends.
void QuizScreen::FindNextUnused() {
  do {
    CurrentItem = to_int16(CurrentItem + 1);
    if (CurrentItem > P.ItemCount - 1) CurrentItem = 0;
  } while (Asked[CurrentItem] == 1);
  ShowQuestion();
}

void QuizScreen::ShowQuestion() {
  AnswerOpen = 1;
  AnswersAct(true);
  Asked[CurrentItem] = 1;
  control("Label2").set_caption(ItemText[CurrentItem]);
  Announce(spoken::question(ItemText[CurrentItem]));
}

void QuizScreen::Label1_Click(int Index) {
  // One answer per question: the walk, the feedback and the result take none.
  if (AnswerOpen != 1) {
    AnswerOpen = 0;
    return;
  }
  paint_label(control("Label1", HoverIndex), hover_group().normal);
  if (is_right_answer(Index)) {
    RightCount = to_int16(RightCount + 1);
    control("Label6").set_caption(std::to_string(RightCount));
    Play("MediaPlayer3");
    control("Image4").set_visible(true);
  } else {
    WrongCount = to_int16(WrongCount + 1);
    control("Label7").set_caption(std::to_string(WrongCount));
    Play("MediaPlayer4");
    control("Image5").set_visible(true);
  }
  paint_right_answers(colors::kRed);
  RemainingCount = to_int16(RemainingCount - 1);
  control("Label9").set_caption(std::to_string(RemainingCount));
  AnnounceAnswer(is_right_answer(Index));
  control("Timer5").set_interval(kFeedbackTime);
  AnswerOpen = 0;
  AnswersAct(false);
}

void QuizScreen::AnswersAct(bool open) {
  for (int k = 0; k < P.grid.count(); ++k) control("Label1", k).set_acts(open);
}

// The mark, after a wrong answer the right ones that turned red, then the counts.
void QuizScreen::AnnounceAnswer(bool right) {
  std::string words = right ? spoken::kRight : spoken::kWrong;
  if (!right) {
    std::string answers;
    for (const std::int16_t answer : AnswerIndex[CurrentItem])
      if (answer != kEmptyAnswerSlot) answers += (answers.empty() ? "" : "、") + control("Label1", answer).caption();
    words += "。" + spoken::right_answers_are(answers);
  }
  Announce(words + "。" + spoken::quiz_counts(RightCount, WrongCount, RemainingCount));
}

bool QuizScreen::is_right_answer(int Index) const {
  for (const std::int16_t answer : AnswerIndex[CurrentItem])
    if (answer != kEmptyAnswerSlot && answer == Index) return true;
  return false;
}

void QuizScreen::paint_right_answers(Color color) {
  for (const std::int16_t answer : AnswerIndex[CurrentItem])
    if (answer != kEmptyAnswerSlot) {
      control("Label1", answer).set_back_color(color);
      // Red is the only sign of a right answer otherwise.
      control("Label1", answer).set_state_note(color == colors::kRed ? kRightNote : "");
    }
}

void QuizScreen::Timer5_Timer() {
  control("Image4").set_visible(false);
  control("Image5").set_visible(false);
  paint_right_answers(colors::kBlue);
  control("Timer5").set_interval(0);
  // The limit is tested first: a game whose last answer is its FailLimit-th wrong one fails.
  if (WrongCount >= P.FailLimit) {
    control("Timer6").set_interval(kResultDelay);
  } else {
    NextQuestion();
  }
}

void QuizScreen::NextQuestion() {
  const int asked = std::accumulate(Asked.begin(), Asked.end(), 0);
  if (asked == P.ItemCount) {
    control("Timer6").set_interval(kResultDelay);
    return;
  }
  for (const char* name : {"Image1", "Image2", "Image3", "Label2", "Label3"}) control(name).set_visible(false);
  TurtleTop = kTurtleStartTop;
  control("Timer1").set_interval(kWalkDelay);
}

void QuizScreen::Timer6_Timer() {
  control("Timer6").set_interval(0);
  ShowResult();
}

// The last item stays on the board under the result.
void QuizScreen::ShowResult() {
  if (WrongCount < P.FailLimit) {
    control("Label5").set_visible(true);
    Play("MediaPlayer5");
    if (P.gold.holds(RightCount)) control("Image6").set_visible(true);
    if (P.silver.holds(RightCount)) control("Image7").set_visible(true);
    if (P.bronze.holds(RightCount)) control("Image8").set_visible(true);
    std::string medal;
    for (const char* image : {"Image6", "Image7", "Image8"})
      if (control(image).visible()) medal = control(image).text_alternative();
    Announce(spoken::result(true, medal));
  } else {
    control("Label10").set_visible(true);
    Play("MediaPlayer6");
    Announce(spoken::result(false, ""));
  }
  control("Label11").set_visible(true);
  control("Image9").set_visible(true);
}

// A new game says so, as a new window does.
void QuizScreen::Label11_Click() {
  Form_Load();
  Announce(definition().caption);
}

void QuizScreen::Label4_Click() { GoTo(ScreenId::Menu); }

}  // namespace metria
