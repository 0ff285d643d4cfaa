// Factories of the screens in this folder, until their own logic is built:
// empty windows.
#include "screens/placeholder_screen.h"
#include "screens/screen_factories.h"

namespace metria {

std::unique_ptr<Screen> make_menu_screen(AppContext &app) {
  return make_placeholder_screen(app, ScreenId::Menu);
}
std::unique_ptr<Screen> make_number_menu_screen(AppContext &app) {
  return make_placeholder_screen(app, ScreenId::NumberMenu);
}

} // namespace metria
