// メニュー: the first screen. A turtle walks up the window, the title comes down, then the six
// entries that open the exercises or end the program; a hot spot on the title's turtle shows the
// maker's credit picture.
#pragma once

#include <cstdint>

#include "app/screen.h"

namespace metria {

const ScreenDef& menu_definition();

class MenuScreen final : public Screen {
 public:
  explicit MenuScreen(AppContext& app) : Screen(app, ScreenId::Menu) {}

  const ScreenDef& definition() const override { return menu_definition(); }
  void wire(EventTable& table) override;

  void Form_Load() override;
  void Timer1_Timer();
  void Timer2_Timer();
  void Timer3_Timer();
  void Timer4_Timer();
  void Label1_MouseMove(int Index);
  void Form_MouseMove();
  void Label1_Click(int Index);
  void Label2_Click();
  void Timer5_Timer();

  std::int16_t TurtleTop = 0;  // twips
  std::int16_t WalkFrame = 0;  // 1: the next step shows Image1, 2: Image2
  std::int16_t HoverIndex = 0, HighlightIndex = 0;

 private:
  void HighlightLabel();
};

}  // namespace metria
