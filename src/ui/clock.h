// The time source of timers: milliseconds on a steady clock, handed in so tests can run it.
#pragma once

#include <cstdint>

namespace metria {

class Clock {
 public:
  virtual ~Clock() = default;
  virtual std::int64_t now_ms() const = 0;
};

}  // namespace metria
