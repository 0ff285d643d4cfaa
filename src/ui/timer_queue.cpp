// Interval timers: ticks stay on their grid (no drift); ticks missed by a late loop are dropped.
#include "ui/timer_queue.h"

#include <algorithm>

namespace metria {

void TimerQueue::arm(Control& timer, int interval_ms, std::int64_t now) {
  disarm(timer);
  m_armed.push_back({&timer, now + interval_ms, interval_ms, m_next_order++});
}

void TimerQueue::disarm(Control& timer) {
  std::erase_if(m_armed, [&](const Entry& e) { return e.timer == &timer; });
}

bool TimerQueue::armed(const Control& timer) const {
  return std::any_of(m_armed.begin(), m_armed.end(), [&](const Entry& e) { return e.timer == &timer; });
}

std::optional<std::int64_t> TimerQueue::next_due() const {
  if (m_armed.empty()) return std::nullopt;
  return std::min_element(m_armed.begin(), m_armed.end(),
                          [](const Entry& a, const Entry& b) { return a.due < b.due; })
      ->due;
}

Control* TimerQueue::take_due(std::int64_t now) {
  auto earliest = m_armed.end();
  for (auto it = m_armed.begin(); it != m_armed.end(); ++it) {
    if (it->due > now) continue;
    if (earliest == m_armed.end() || it->due < earliest->due ||
        (it->due == earliest->due && it->order < earliest->order))
      earliest = it;
  }
  if (earliest == m_armed.end()) return nullptr;
  Control* timer = earliest->timer;
  const std::int64_t missed = (now - earliest->due) / earliest->interval;
  earliest->due += (missed + 1) * earliest->interval;
  earliest->order = m_next_order++;
  return timer;
}

}  // namespace metria
