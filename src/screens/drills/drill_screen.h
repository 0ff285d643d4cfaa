// The number-name drill shared by 数_JPB, 数_SI and 数_JPS: the user drags shuffled name cards
// from the shelf onto the places beside their powers of ten; the score is the percentage of right
// drops on places, and the last card placed leads to a graded result.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "app/hover_screen.h"
#include "screens/drills/drill_layout.h"
#include "ui/screen_def.h"

namespace metria {

class DrillScreen final : public HoverScreen {
 public:
  DrillScreen(AppContext& context, ScreenId id, const DrillLayout& layout);

  const ScreenDef& definition() const override { return m_definition; }
  void wire(EventTable& table) override;

  // A new game.
  void Form_Load() override;
  void PickName();
  void TakeName();
  void LayoutNames();

  // Drag and drop of the cards.
  void Label2_MouseDown(int Index);
  void Label1_DragOver(int Index, DragState State);
  void Label1_DragDrop(int Index);
  void Label2_DragDrop(int Index);
  void Form_DragDrop();

  // The finish wait and the result.
  void Timer1_Timer();
  void ShowResult();

  // Hover highlight on the cards.
  void Label2_MouseMove(int Index) { MouseMoveOver(Index); }

  // Ways out: the menu spot and "■再挑戦".
  void Label6_Click();
  void Label7_Click();

  // Cards, places and rows per column of this drill.
  const std::int16_t NameCount;
  const std::int16_t ColumnRows;

  std::string FolderPath;
  std::vector<std::int16_t> Taken;      // 1 once the shuffle has drawn that card
  std::vector<std::int16_t> SlotOrder;  // the card in each shelf slot
  std::int16_t TakenCount = 0;
  std::int16_t PickIndex = 0;
  std::vector<std::int16_t> Solved;  // 1 once card k lies on its own place
  std::int16_t DragIndex = 0;
  std::int16_t DropIndex = 0;
  float HomeLeft = 0, HomeTop = 0;  // where the dragged card was pressed: its shelf slot
  std::int16_t TryCount = 0;        // drops on places, right or wrong
  std::int16_t RightCount = 0;      // drops on the right place
  std::int32_t FinishTime = 0;      // time of day in whole seconds when the last card was placed

 private:
  // A card on its own place keeps its colour.
  bool NeverHighlighted(int Index) const override { return Solved[Index] == 1; }
  // A card and its place take no more drags and drops once the card lies there (Solved); the
  // place then says which card fills it.
  void CardActs(int Index, bool acts);
  // Puts the dragged card back in its shelf slot in the normal colour.
  void SendCardHome();

  ScreenDef m_definition;
};

}  // namespace metria
