// Factories of the screens in this folder, until their own logic is built:
// empty windows.
#include "screens/placeholder_screen.h"
#include "screens/screen_factories.h"

namespace metria {

std::unique_ptr<Screen> make_quiz_si_screen(AppContext &app) {
  return make_placeholder_screen(app, ScreenId::QuizSi);
}
std::unique_ptr<Screen> make_quiz_counters_screen(AppContext &app) {
  return make_placeholder_screen(app, ScreenId::QuizCounters);
}
std::unique_ptr<Screen> make_quiz_currencies_screen(AppContext &app) {
  return make_placeholder_screen(app, ScreenId::QuizCurrencies);
}

} // namespace metria
