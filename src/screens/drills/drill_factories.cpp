// Factories of the three number-name drills: one engine, each with its own layout and cards.
#include <memory>

#include "screens/drills/drill_layout.h"
#include "screens/drills/drill_screen.h"
#include "screens/screen_factories.h"

namespace metria {

std::unique_ptr<Screen> make_drill_large_screen(AppContext& app) {
  return std::make_unique<DrillScreen>(app, ScreenId::DrillLarge, drill_large_layout());
}
std::unique_ptr<Screen> make_drill_si_screen(AppContext& app) {
  return std::make_unique<DrillScreen>(app, ScreenId::DrillSi, drill_si_layout());
}
std::unique_ptr<Screen> make_drill_small_screen(AppContext& app) {
  return std::make_unique<DrillScreen>(app, ScreenId::DrillSmall, drill_small_layout());
}

}  // namespace metria
