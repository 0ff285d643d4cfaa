// Random numbers for the headless backend: queued values first, then a fixed-seed sequence.
#pragma once

#include <deque>
#include <random>
#include <vector>

#include "app/random_source.h"

namespace metria::headless {

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

}  // namespace metria::headless
