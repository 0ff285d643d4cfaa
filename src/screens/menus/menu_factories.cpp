// Factories of the two menu screens.
#include "screens/menus/menu_screen.h"
#include "screens/menus/number_menu_screen.h"
#include "screens/screen_factories.h"

namespace metria {

std::unique_ptr<Screen> make_menu_screen(AppContext& app) { return std::make_unique<MenuScreen>(app); }
std::unique_ptr<Screen> make_number_menu_screen(AppContext& app) { return std::make_unique<NumberMenuScreen>(app); }

}  // namespace metria
