// The browser's clock, random numbers and local time of day.
#pragma once

#include <random>

#include "app/random_source.h"
#include "ui/clock.h"

namespace metria::web {

// performance.now(): monotonic, unaffected by changes of the wall clock.
class PageClock final : public Clock {
 public:
  std::int64_t now_ms() const override;
};

class PageRandom final : public RandomSource {
 public:
  void Randomize() override;
  double Rnd() override;

 private:
  std::mt19937 m_engine{std::random_device{}()};
};

class PageTimeOfDay final : public TimeOfDay {
 public:
  double seconds_since_midnight() const override;
};

}  // namespace metria::web
