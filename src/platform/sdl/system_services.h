// The real clock, random numbers and time of day of the running program.
#pragma once

#include <random>

#include "app/random_source.h"
#include "ui/clock.h"

namespace metria {

class SteadyClock final : public Clock {
 public:
  std::int64_t now_ms() const override;
};

class SystemRandom final : public RandomSource {
 public:
  void Randomize() override;
  double Rnd() override;

 private:
  std::mt19937 m_engine{std::random_device{}()};
};

class LocalTimeOfDay final : public TimeOfDay {
 public:
  double seconds_since_midnight() const override;
};

}  // namespace metria
