// The headless backend's pieces under the test suite's own namespace, so tests name them plainly.
#pragma once

#include "platform/headless/harness.h"
#include "platform/headless/headless_host.h"
#include "platform/headless/recording_canvas.h"
#include "platform/headless/recording_sound_device.h"
#include "platform/headless/scripted_random.h"
#include "platform/headless/virtual_clock.h"

namespace metria::testing {

using namespace metria::headless;

}  // namespace metria::testing
