// The browser's clock, random numbers and local time of day.
#pragma once

#include <optional>
#include <random>

#include "app/random_source.h"
#include "ui/clock.h"

namespace metria::web {

// performance.now(): monotonic, unaffected by changes of the wall clock.
class PageClock final : public Clock {
 public:
  std::int64_t now_ms() const override;
};

// Seeded from the clock at every Randomize; a page given a seed (?seed=N, for tests that must
// repeat a run) instead draws one fixed sequence and Randomize leaves it alone.
class PageRandom final : public RandomSource {
 public:
  explicit PageRandom(std::optional<unsigned> seed = std::nullopt);
  void Randomize() override;
  double Rnd() override;

 private:
  std::optional<unsigned> m_seed;
  std::mt19937 m_engine;
};

class PageTimeOfDay final : public TimeOfDay {
 public:
  double seconds_since_midnight() const override;
};

}  // namespace metria::web
