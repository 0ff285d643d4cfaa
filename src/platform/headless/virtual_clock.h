// Time for the headless backend: a clock that moves only when told to, and the time of day that
// follows it, so tests and benchmarks run hours of timers in microseconds.
#pragma once

#include <cmath>
#include <cstdint>

#include "app/random_source.h"
#include "ui/clock.h"

namespace metria::headless {

class VirtualClock final : public Clock {
 public:
  std::int64_t now_ms() const override { return m_now; }
  void set(std::int64_t ms) { m_now = ms; }

 private:
  std::int64_t m_now = 0;
};

// Seconds since midnight, starting at `start` and running with the virtual clock; wraps at midnight.
class VirtualTimeOfDay final : public TimeOfDay {
 public:
  VirtualTimeOfDay(const VirtualClock& clock, double start) : m_clock(clock), m_start(start) {}
  double seconds_since_midnight() const override {
    return std::fmod(m_start + static_cast<double>(m_clock.now_ms()) / 1000.0, 86400.0);
  }
  void set_start(double seconds) { m_start = seconds; }

 private:
  const VirtualClock& m_clock;
  double m_start;
};

}  // namespace metria::headless
