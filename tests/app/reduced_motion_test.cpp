// A user who asks for less motion: the turtle stands where its walk ends from its first step,
// while every step keeps its sound and its time, so the screens run exactly as they do otherwise.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "harness/headless.h"

namespace metria::testing {
namespace {

struct Walk {
  ScreenId screen;
  std::int64_t walk_ms;  // from the window's appearance to the end of its walk
};

// The turtle picture shown at each tick of 100 ms ("Image1@4183", or "" while none is), and the
// sound events heard by then.
struct Track {
  std::vector<std::string> shown;
  std::vector<std::size_t> sounds;
};

Track turtle_track(Harness& h, std::int64_t ms) {
  Track track;
  for (std::int64_t t = 0; t < ms; t += 100) {
    h.advance(100);
    std::string shown;
    for (const char* image : {"Image1", "Image2"})
      if (h.visible(image)) shown = std::string(image) + "@" + std::to_string(h.control(image).top());
    track.shown.push_back(shown);
    track.sounds.push_back(h.sound().events().size());
  }
  return track;
}

class ReducedMotion : public ::testing::TestWithParam<Walk> {};

TEST_P(ReducedMotion, TheTurtleStandsWhereItsWalkEndsWithEveryStepHeardOnTime) {
  Harness walking({.first_screen = GetParam().screen});
  Harness standing({.first_screen = GetParam().screen, .preferences = {.reduced_motion = true}});
  const Track walk = turtle_track(walking, GetParam().walk_ms);
  const Track stand = turtle_track(standing, GetParam().walk_ms);
  const std::vector<std::string>& walked = walk.shown;
  const std::vector<std::string>& stood = stand.shown;

  // Where the walk ended: the last place the walking turtle was seen.
  const auto last = std::find_if(walked.rbegin(), walked.rend(), [](const std::string& s) { return !s.empty(); });
  ASSERT_NE(last, walked.rend());
  int steps_seen = 0;
  for (std::size_t t = 0; t < stood.size(); ++t) {
    EXPECT_EQ(stood[t].empty(), walked[t].empty()) << "tick " << t;
    if (!stood[t].empty()) {
      EXPECT_EQ(stood[t], *last) << "tick " << t << ": the turtle moved";
    }
    steps_seen += t > 0 && walked[t] != walked[t - 1];
  }
  EXPECT_GE(steps_seen, 4) << "the walk itself moves";
  EXPECT_EQ(stand.sounds, walk.sounds) << "every step sounds at its time";
  EXPECT_EQ(standing.sound().events(), walking.sound().events());
}

INSTANTIATE_TEST_SUITE_P(Screens, ReducedMotion,
                         ::testing::Values(Walk{ScreenId::Menu, 3700}, Walk{ScreenId::NumberMenu, 3500},
                                           Walk{ScreenId::QuizCounters, 2500}));

}  // namespace
}  // namespace metria::testing
