// Factories of the screens in this folder, until their own logic is built:
// empty windows.
#include "screens/placeholder_screen.h"
#include "screens/screen_factories.h"

namespace metria {

std::unique_ptr<Screen> make_drill_large_screen(AppContext &app) {
  return make_placeholder_screen(app, ScreenId::DrillLarge);
}
std::unique_ptr<Screen> make_drill_si_screen(AppContext &app) {
  return make_placeholder_screen(app, ScreenId::DrillSi);
}
std::unique_ptr<Screen> make_drill_small_screen(AppContext &app) {
  return make_placeholder_screen(app, ScreenId::DrillSmall);
}

} // namespace metria
