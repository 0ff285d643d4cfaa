// Test programs made of TestScreens.
#include "harness/test_screen.h"

namespace metria::testing {

TestProgram::TestProgram(std::function<ScreenDef(ScreenId)> definitions, std::function<void(TestScreen&)> prepare,
                         ScreenId first)
    : harness({.first_screen = {}}) {
  for (ScreenId id : kAllScreens)
    harness.app().register_screen(id, [this, id, definitions, prepare](AppContext& app) {
      auto screen = std::make_unique<TestScreen>(app, id, definitions(id));
      screen->clock = &harness.clock();
      if (prepare) prepare(*screen);
      return screen;
    });
  harness.app().start(first);
}

}  // namespace metria::testing
