// A seeded random storm of user input over the whole program: pointer moves, clicks, drags,
// presses and releases of any button, waits of any length, the close box and every way between
// the eight screens, with the invariants checked after every event and every timer tick.
//
// Each case runs its own seed. A failure names the seed and the event; to replay it alone:
//   METRIA_MONKEY_SEED=<seed> METRIA_MONKEY_EVENTS=<event + 1>
//     build/tests/metria_tests --gtest_filter='Monkey/MonkeyStorm.Events/0'
// METRIA_MONKEY_EVENTS alone changes the number of events of every case.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <iostream>
#include <map>
#include <string>

#include "monkey/monkey_storm.h"

namespace metria::testing::monkey {
namespace {

constexpr int kSeeds = 8;
constexpr std::uint64_t kFirstSeed = 20261208;
constexpr long kEventsPerSeed = 150'000;

long events_per_seed() {
  if (const char* events = std::getenv("METRIA_MONKEY_EVENTS")) return std::stol(events);
  return kEventsPerSeed;
}

std::uint64_t seed_of(int n) {
  if (const char* seed = std::getenv("METRIA_MONKEY_SEED")) return std::stoull(seed);
  return kFirstSeed + static_cast<std::uint64_t>(n);
}

void print_summary(std::uint64_t seed, long events, const Tally& t) {
  std::cout << "seed " << seed << ": " << events << " events, " << t.programs << " program runs\n";
  for (const ScreenId id : kAllScreens) {
    const auto count = [](const std::map<ScreenId, long>& m, ScreenId screen) {
      const auto found = m.find(screen);
      return found == m.end() ? 0L : found->second;
    };
    std::cout << "  " << screen_name(id) << ": " << count(t.visits, id) << " visits, " << count(t.events, id)
              << " events\n";
  }
  std::cout << "  credit " << t.credits_shown << ", quiz questions " << t.quiz_questions << ", passes " << t.quiz_passes
            << ", fails " << t.quiz_fails << ", right drops " << t.drill_right_drops << ", drill results "
            << t.drill_results << std::endl;
}

class MonkeyStorm : public ::testing::TestWithParam<int> {};

TEST_P(MonkeyStorm, Events) {
  const std::uint64_t seed = seed_of(GetParam());
  const long events = events_per_seed();
  Storm storm(seed, events);
  const StormFailure failure = storm.run();
  print_summary(seed, events, storm.tally());
  ASSERT_TRUE(failure.problem.empty()) << failure.problem << "\nreplay: METRIA_MONKEY_SEED=" << seed
                                       << " METRIA_MONKEY_EVENTS=" << failure.event + 1
                                       << " build/tests/metria_tests --gtest_filter='Monkey/MonkeyStorm.Events/0'";

  // A full run reaches every screen many times, and the games' ends as well.
  if (events < kEventsPerSeed) return;
  const Tally& t = storm.tally();
  for (const ScreenId id : kAllScreens) {
    EXPECT_GE(t.visits.contains(id) ? t.visits.at(id) : 0, 20) << screen_name(id) << " hardly visited";
  }
  EXPECT_GT(t.credits_shown, 0) << "the credit picture never showed";
  EXPECT_GT(t.quiz_questions, 0) << "no quiz question was asked";
  EXPECT_GT(t.drill_results, 0) << "no drill finished";
}

INSTANTIATE_TEST_SUITE_P(Monkey, MonkeyStorm, ::testing::Range(0, kSeeds));

}  // namespace
}  // namespace metria::testing::monkey
