// A screen whose logic is not built yet: its window with the right properties and no controls.
#pragma once

#include <memory>

#include "app/screen.h"

namespace metria {

std::unique_ptr<Screen> make_placeholder_screen(AppContext& app, ScreenId id);

}  // namespace metria
