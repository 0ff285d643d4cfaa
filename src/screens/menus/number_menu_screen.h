// 数_日本: the choice between the two drills on Japanese number names. A turtle walks up between
// the two signboards, then the choices and the question appear; the menu button leads back.
#pragma once

#include "screens/menus/walking_opening.h"

namespace metria {

const ScreenDef& number_menu_definition();

class NumberMenuScreen final : public OpeningMenuScreen {
 public:
  explicit NumberMenuScreen(AppContext& context);

  const ScreenDef& definition() const override { return number_menu_definition(); }
  void wire(EventTable& table) override;

  void Form_Load() override;
  void Timer3_Timer();
  void Timer4_Timer();
  void Label3_MouseMove(int Index) { MouseMoveOver(Index); }
  void Label3_Click(int Index);
  void Label2_Click();
};

}  // namespace metria
