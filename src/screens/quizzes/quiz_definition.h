// The screen definitions of the three unit quiz screens, built from their parameters.
#pragma once

#include "app/screen_id.h"
#include "ui/screen_def.h"

namespace metria {

// The definition of SI単位, 日本 or 通貨, built on first use and kept for the run.
const ScreenDef& quiz_definition(ScreenId id);

}  // namespace metria
