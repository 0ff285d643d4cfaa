// Clock, random numbers and local time over the browser's own sources.
#include "platform/web/web_services.h"

#include <emscripten.h>

#include <cmath>

namespace metria::web {

std::int64_t PageClock::now_ms() const { return static_cast<std::int64_t>(std::floor(emscripten_get_now())); }

PageRandom::PageRandom(std::optional<unsigned> seed) : m_seed(seed), m_engine(seed ? *seed : std::random_device{}()) {}

void PageRandom::Randomize() {
  if (!m_seed) m_engine.seed(static_cast<unsigned>(emscripten_get_now() * 1000.0));
}

double PageRandom::Rnd() { return std::uniform_real_distribution<double>(0.0, 1.0)(m_engine); }

// The page's own time zone, as the browser knows it.
EM_JS(double, page_seconds_since_midnight, (), {
  const now = new Date();
  return now.getHours() * 3600 + now.getMinutes() * 60 + now.getSeconds() + now.getMilliseconds() / 1000;
});

double PageTimeOfDay::seconds_since_midnight() const { return page_seconds_since_midnight(); }

}  // namespace metria::web
