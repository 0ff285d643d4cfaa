// The factory of every screen object; each screen folder defines its own.
#pragma once

#include <memory>

#include "app/screen.h"

namespace metria {

// screens/menus
std::unique_ptr<Screen> make_menu_screen(AppContext& app);         // メニュー
std::unique_ptr<Screen> make_number_menu_screen(AppContext& app);  // 数_日本
// screens/drills
std::unique_ptr<Screen> make_drill_large_screen(AppContext& app);  // 数_JPB
std::unique_ptr<Screen> make_drill_si_screen(AppContext& app);     // 数_SI
std::unique_ptr<Screen> make_drill_small_screen(AppContext& app);  // 数_JPS
// screens/quizzes
std::unique_ptr<Screen> make_quiz_si_screen(AppContext& app);          // SI単位
std::unique_ptr<Screen> make_quiz_counters_screen(AppContext& app);    // 日本
std::unique_ptr<Screen> make_quiz_currencies_screen(AppContext& app);  // 通貨

}  // namespace metria
