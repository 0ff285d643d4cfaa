// The unit quiz screen shared by SI単位, 日本 and 通貨: a turtle walks up and brings one item to
// the board, the user clicks its answer in the grid, a mark, a sound and the right answer in red
// follow; every item is asked once in random order, a game fails at the wrong-answer limit and
// otherwise passes with a medal.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "app/hover_screen.h"
#include "screens/quizzes/quiz_parameters.h"

namespace metria {

class QuizScreen final : public HoverScreen {
 public:
  QuizScreen(AppContext& context, const QuizParameters& parameters);
  const ScreenDef& definition() const override;
  void wire(EventTable& table) override;
  const QuizParameters& parameters() const { return P; }

  // A new game: on opening and from "■再挑戦".
  void Form_Load() override;
  // The walk and the arrival: Timer1 starts the walk, Timer2 steps it, Timer3 shows the board,
  // Timer4 puts the item on it.
  void Timer1_Timer();
  void Timer2_Timer();
  void Timer3_Timer();
  void Timer4_Timer();
  void Label1_MouseMove(int Index) { MouseMoveOver(Index); }
  void Label1_Click(int Index);
  // End of the feedback: the next walk, or the result.
  void Timer5_Timer();
  void Timer6_Timer();
  void Label11_Click();
  void Label4_Click();

  // The screen's fields; the item tables hold ItemCount entries.
  std::vector<std::string> ItemText;
  std::vector<std::array<std::int16_t, 4>> AnswerIndex;  // right Label1 indexes, then empty slots
  std::vector<std::int16_t> Asked;                       // 1 once asked in this game
  std::int16_t CurrentItem = 0;
  std::int16_t TurtleTop = 0;
  std::int16_t WalkFrame = 0;  // the walking picture that comes next: 1 Image1, 2 Image2
  std::int16_t RightCount = 0, WrongCount = 0;
  std::int16_t RemainingCount = 0;
  std::int16_t AnswerOpen = 0;  // 1 while a question waits for its one answer

 private:
  void InitQuiz();
  void PickQuestion();
  void CheckPicked();
  void FindNextUnused();
  void ShowQuestion();
  void NextQuestion();
  void ShowResult();

  // The answers take a click only while a question waits for one (AnswerOpen).
  void AnswersAct(bool open);
  void AnnounceAnswer(bool right);
  bool is_right_answer(int Index) const;
  // The labels of the current item's right answers, in slot order.
  void paint_right_answers(Color color);

  const QuizParameters& P;
};

}  // namespace metria
