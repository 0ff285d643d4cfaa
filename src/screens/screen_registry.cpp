// One factory per screen: the screen object is made the first time the program names it.
#include "screens/screen_registry.h"

#include "app/app.h"
#include "screens/screen_factories.h"

namespace metria {

void register_screens(App& app) {
  app.register_screen(ScreenId::Menu, make_menu_screen);
  app.register_screen(ScreenId::NumberMenu, make_number_menu_screen);
  app.register_screen(ScreenId::DrillLarge, make_drill_large_screen);
  app.register_screen(ScreenId::DrillSi, make_drill_si_screen);
  app.register_screen(ScreenId::DrillSmall, make_drill_small_screen);
  app.register_screen(ScreenId::QuizSi, make_quiz_si_screen);
  app.register_screen(ScreenId::QuizCounters, make_quiz_counters_screen);
  app.register_screen(ScreenId::QuizCurrencies, make_quiz_currencies_screen);
}

}  // namespace metria
