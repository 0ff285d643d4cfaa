// Stand-ins for the platform in tests: a virtual clock, the time of day that follows it, a
// scripted random source and a window host that records what it was asked to do.
#pragma once

#include <cmath>
#include <cstdint>
#include <deque>
#include <random>
#include <string>
#include <vector>

#include "app/random_source.h"
#include "app/window_host.h"
#include "ui/clock.h"

namespace metria::testing {

class FakeClock final : public Clock {
 public:
  std::int64_t now_ms() const override { return m_now; }
  void set(std::int64_t ms) { m_now = ms; }

 private:
  std::int64_t m_now = 0;
};

// Seconds since midnight, starting at `start` and running with the virtual clock; wraps at midnight.
class FakeTimeOfDay final : public TimeOfDay {
 public:
  FakeTimeOfDay(const FakeClock& clock, double start) : m_clock(clock), m_start(start) {}
  double seconds_since_midnight() const override {
    return std::fmod(m_start + static_cast<double>(m_clock.now_ms()) / 1000.0, 86400.0);
  }
  void set_start(double seconds) { m_start = seconds; }

 private:
  const FakeClock& m_clock;
  double m_start;
};

// Hands out the queued values first, then a fixed-seed sequence, so every run is the same.
class ScriptedRandom final : public RandomSource {
 public:
  void Randomize() override { ++m_seedings; }
  double Rnd() override {
    if (!m_queued.empty()) {
      const double value = m_queued.front();
      m_queued.pop_front();
      return value;
    }
    return std::uniform_real_distribution<double>(0.0, 1.0)(m_engine);
  }
  void queue(std::vector<double> values) { m_queued.insert(m_queued.end(), values.begin(), values.end()); }
  void reseed(unsigned seed) { m_engine.seed(seed); }
  int seedings() const { return m_seedings; }

 private:
  std::deque<double> m_queued;
  std::mt19937 m_engine{20261208};
  int m_seedings = 0;
};

class HeadlessHost final : public WindowHost {
 public:
  void window_shown(Window&) override { ++shown; }
  void window_unloaded(Window&) override { ++unloaded; }
  void show_fatal_error(const std::string& message) override { fatal_messages.push_back(message); }

  int shown = 0;
  int unloaded = 0;
  std::vector<std::string> fatal_messages;
};

}  // namespace metria::testing
