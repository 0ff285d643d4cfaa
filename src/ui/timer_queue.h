// The armed timers of one window and their next ticks.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

namespace metria {

class Control;

class TimerQueue {
 public:
  // Arms (or re-arms, restarting the countdown) a timer to tick every interval_ms from now.
  void arm(Control& timer, int interval_ms, std::int64_t now);
  void disarm(Control& timer);
  void clear() { m_armed.clear(); }

  std::optional<std::int64_t> next_due() const;
  // Takes the earliest timer due at or before now and schedules its following tick; the caller
  // then delivers the tick. Ties go to the timer armed first.
  Control* take_due(std::int64_t now);
  bool armed(const Control& timer) const;

 private:
  struct Entry {
    Control* timer;
    std::int64_t due;
    int interval;
    std::uint64_t order;
  };
  std::vector<Entry> m_armed;
  std::uint64_t m_next_order = 0;
};

}  // namespace metria
