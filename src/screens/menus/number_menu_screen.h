// 数_日本: the choice between the two drills on Japanese number names. A turtle walks up between
// the two signboards, then the choices and the question appear; the menu button leads back.
#pragma once

#include <cstdint>

#include "app/screen.h"

namespace metria {

const ScreenDef& number_menu_definition();

class NumberMenuScreen final : public Screen {
 public:
  explicit NumberMenuScreen(AppContext& app) : Screen(app, ScreenId::NumberMenu) {}

  const ScreenDef& definition() const override { return number_menu_definition(); }
  void wire(EventTable& table) override;

  void Form_Load() override;
  void Timer1_Timer();
  void Timer2_Timer();
  void Timer3_Timer();
  void Timer4_Timer();
  void Label3_MouseMove(int Index);
  void Form_MouseMove();
  void Label3_Click(int Index);
  void Label2_Click();

  std::int16_t TurtleTop = 0;  // twips
  std::int16_t WalkFrame = 0;  // 1: the next step shows Image1, 2: Image2
  std::int16_t HoverIndex = 0, HighlightIndex = 0;

 private:
  void HighlightLabel();
};

}  // namespace metria
