// SDL's event queue for tests: the dummy video driver, events pushed and read back through SDL.
#pragma once

#include <SDL.h>
#include <gtest/gtest.h>

#include <cstdlib>

namespace metria::testing {

class SdlEvents : public ::testing::Test {
 protected:
  void SetUp() override {
    setenv("SDL_VIDEODRIVER", "dummy", 0);
    ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_VIDEO), 0) << SDL_GetError();
    SDL_FlushEvents(SDL_FIRSTEVENT, SDL_LASTEVENT);
  }
  void TearDown() override { SDL_QuitSubSystem(SDL_INIT_VIDEO); }
};

}  // namespace metria::testing
