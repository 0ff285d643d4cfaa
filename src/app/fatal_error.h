// A run-time error no handler traps: the program shows it in a message and ends.
#pragma once

#include <cstdint>
#include <limits>
#include <stdexcept>
#include <string>

namespace metria {

class FatalError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The screens keep their counters, indexes and positions as 16-bit integers; arithmetic that
// leaves that range is a fatal error rather than a silent wrap.
inline std::int16_t to_int16(long value) {
  if (value < std::numeric_limits<std::int16_t>::min() || value > std::numeric_limits<std::int16_t>::max())
    throw FatalError("オーバーフローしました (" + std::to_string(value) + ")");
  return static_cast<std::int16_t>(value);
}

}  // namespace metria
