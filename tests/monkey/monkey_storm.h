// Runs a seeded stream of monkey events through the headless harness, checking the invariants
// after every event and every timer tick. A program that ends (the close box, "おわり") is
// replaced by a new one and the stream goes on. The first broken invariant stops the run and is
// reported with the seed, the event number and the events that led to it.
#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <exception>
#include <memory>
#include <sstream>
#include <string>

#include "harness/headless.h"
#include "monkey/monkey_actions.h"
#include "monkey/monkey_invariants.h"

namespace metria::testing::monkey {

struct StormFailure {
  long event = -1;      // number of the event after which the invariant broke, from 0
  std::string problem;  // what broke, then the events that led to it
};

class Storm {
 public:
  Storm(std::uint64_t seed, long events) : m_seed(seed), m_events(events), m_actions(seed), m_checker(m_tally) {}

  // "" problem when every invariant held for every event.
  StormFailure run() {
    start_program();
    if (std::string found = m_checker.check(*m_harness); !found.empty()) return fail(found);
    while (m_done < m_events) {
      try {
        for (const Step& step : m_actions.next(*m_harness, m_tally)) {
          if (m_done >= m_events) break;
          remember(step);
          if (std::string found = deliver(step); !found.empty()) return fail(found);
          ++m_done;
          if (!m_harness->running()) {
            start_program();
            if (std::string found = m_checker.check(*m_harness); !found.empty()) return fail(found);
            break;
          }
        }
      } catch (const std::exception& e) {
        return fail(std::string("exception: ") + e.what());
      }
    }
    return {};
  }

  const Tally& tally() const { return m_tally; }

 private:
  struct Logged {
    long number;
    ScreenId screen;
    Step step;
    std::array<char, 16> target;  // the control under a move's point, if any
    int target_index;
  };

  void start_program() {
    HarnessOptions options;
    options.time_of_day = m_actions.uniform(0.0, 86400.0);
    m_harness.reset();  // the last program's objects go before the next one's arrive
    m_harness = std::make_unique<Harness>(options);
    m_harness->random().reseed(static_cast<unsigned>(m_actions.draw()));
    m_checker.program_started();
    m_actions.program_started();
  }

  // One event, then the checks; a wait is checked after each of the ticks it lets through.
  std::string deliver(const Step& step) {
    Harness& h = *m_harness;
    ++m_tally.events[m_checker.screen()];
    switch (step.kind) {
      case Step::Kind::Move: h.move_to(step.at); break;
      case Step::Kind::Press: h.press(step.button); break;
      case Step::Kind::Release: h.release(step.button); break;
      case Step::Kind::Key: h.key(step.key.key, step.key.shift); break;
      case Step::Kind::Close: h.close_window(); break;
      case Step::Kind::Wait: {
        const std::int64_t until = h.now() + step.ms;
        while (h.running()) {
          const auto due = h.app().next_timer_due();
          if (!due || *due > until) break;
          h.advance(*due - h.now());
          if (std::string found = m_checker.check(h); !found.empty())
            return "at " + std::to_string(h.now()) + " ms: " + found;
        }
        h.advance(until - h.now());
        break;
      }
    }
    return m_checker.check(h);
  }

  void remember(const Step& step) {
    Logged& logged = m_log[m_done % m_log.size()];
    logged = {m_done, m_checker.screen(), step, {}, kNoIndex};
    if (step.kind != Step::Kind::Move) return;
    if (const Control* target = m_harness->window().control_at(step.at)) {
      target->name().copy(logged.target.data(), logged.target.size() - 1);
      logged.target_index = target->index();
    }
  }

  StormFailure fail(const std::string& found) {
    std::ostringstream out;
    out << "seed " << m_seed << ", event " << m_done << ": " << found << "\nthe last events:";
    const long first = std::max(0L, m_done - static_cast<long>(m_log.size()) + 1);
    for (long n = first; n <= m_done; ++n) {
      const Logged& logged = m_log[n % m_log.size()];
      if (logged.number != n) continue;
      out << "\n  #" << n << " on " << screen_name(logged.screen) << ": " << describe(logged.step);
      if (logged.target[0] != '\0') out << " over " << logged.target.data();
      if (logged.target_index != kNoIndex) out << "(" << logged.target_index << ")";
    }
    return {m_done, out.str()};
  }

  std::uint64_t m_seed;
  long m_events;
  long m_done = 0;
  Tally m_tally;
  ActionGenerator m_actions;
  InvariantChecker m_checker;
  std::unique_ptr<Harness> m_harness;
  std::array<Logged, 20> m_log{};
};

}  // namespace metria::testing::monkey
