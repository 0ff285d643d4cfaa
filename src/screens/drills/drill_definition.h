// Builds the screen definition of a number-name drill from its layout data.
#pragma once

#include "screens/drills/drill_layout.h"
#include "ui/screen_def.h"

namespace metria {

// The window, then every control front to back in the layout's stacking order, then the finish
// timer and the three sound players.
ScreenDef build_drill_definition(const DrillLayout& layout);

}  // namespace metria
