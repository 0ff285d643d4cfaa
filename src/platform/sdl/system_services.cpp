// Clock, random numbers and local time from the standard library.
#include "platform/sdl/system_services.h"

#include <chrono>
#include <ctime>

namespace metria {

std::int64_t SteadyClock::now_ms() const {
  using namespace std::chrono;
  return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

void SystemRandom::Randomize() {
  m_engine.seed(static_cast<unsigned>(std::chrono::high_resolution_clock::now().time_since_epoch().count()));
}

double SystemRandom::Rnd() { return std::uniform_real_distribution<double>(0.0, 1.0)(m_engine); }

double LocalTimeOfDay::seconds_since_midnight() const {
  using namespace std::chrono;
  const auto now = system_clock::now();
  const std::time_t seconds = system_clock::to_time_t(now);
  std::tm local{};
  localtime_r(&seconds, &local);
  const double fraction = duration<double>(now - system_clock::from_time_t(seconds)).count();
  return local.tm_hour * 3600.0 + local.tm_min * 60.0 + local.tm_sec + fraction;
}

}  // namespace metria
