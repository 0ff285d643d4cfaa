// Random numbers for the shuffles and draws (Rnd, Randomize) and the time of day in seconds.
#pragma once

namespace metria {

class RandomSource {
 public:
  virtual ~RandomSource() = default;
  // Seeds the generator from the clock.
  virtual void Randomize() = 0;
  // Uniform in [0, 1).
  virtual double Rnd() = 0;
};

class TimeOfDay {
 public:
  virtual ~TimeOfDay() = default;
  // Seconds since local midnight, with fractions.
  virtual double seconds_since_midnight() const = 0;
};

}  // namespace metria
