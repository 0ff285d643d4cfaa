// メニュー: the first screen. A turtle walks up the window, the title comes down, then the six
// entries that open the exercises or end the program; a hot spot on the title's turtle shows the
// maker's credit picture.
#pragma once

#include "screens/menus/walking_opening.h"

namespace metria {

const ScreenDef& menu_definition();

class MenuScreen final : public OpeningMenuScreen {
 public:
  explicit MenuScreen(AppContext& context);

  const ScreenDef& definition() const override { return menu_definition(); }
  void wire(EventTable& table) override;

  void Form_Load() override;
  void Timer3_Timer();
  void Timer4_Timer();
  void Label1_MouseMove(int Index) { MouseMoveOver(Index); }
  void Label1_Click(int Index);
  void Label2_Click();
  void Timer5_Timer();
};

}  // namespace metria
