// Interval timers on the virtual clock: silent at load, periodic, one-shot, restart, order.
#include <gtest/gtest.h>

#include "harness/test_screen.h"

namespace metria::testing {
namespace {

ScreenDef timer_window(ScreenId id) {
  ScreenDef def = empty_window(id);
  for (const char* name : {"Timer1", "Timer2", "Timer3"}) def.controls.push_back({.name = name, .kind = ControlKind::Timer});
  return def;
}

struct Timers : ::testing::Test {
  TestProgram program{timer_window, [](TestScreen& s) {
                        s.on_wire = [&s](EventTable& t) {
                          t.on_timer("Timer1", [&s] { s.log.push_back("T1 " + std::to_string(s.app_now())); });
                          t.on_timer("Timer2", [&s] {
                            s.log.push_back("T2 " + std::to_string(s.app_now()));
                            s.control("Timer2").set_interval(0);  // one-shot
                          });
                          t.on_timer("Timer3", [&s] { s.log.push_back("T3 " + std::to_string(s.app_now())); });
                        };
                      }};
  Harness& h = program.harness;
  TestScreen& screen = program.screen(ScreenId::Menu);
};

TEST_F(Timers, TimersThatAreNeverStartedNeverTick) {
  h.advance(100000);
  EXPECT_TRUE(screen.log.empty());
  EXPECT_FALSE(h.app().next_timer_due());
}

TEST_F(Timers, PeriodicAndOneShotTicksComeInTimeOrder) {
  screen.control("Timer1").set_interval(300);
  screen.control("Timer2").set_interval(500);
  h.advance(1000);
  EXPECT_EQ(screen.log, (std::vector<std::string>{"T1 300", "T2 500", "T1 600", "T1 900"}));
}

TEST_F(Timers, SettingTheIntervalAgainRestartsTheCountdown) {
  screen.control("Timer3").set_interval(7000);
  h.advance(5000);
  screen.control("Timer3").set_interval(7000);
  h.advance(6999);
  EXPECT_TRUE(screen.log.empty());
  h.advance(1);
  EXPECT_EQ(screen.log, (std::vector<std::string>{"T3 12000"}));
}

TEST_F(Timers, StoppedAndUnloadedTimersTickNoMore) {
  screen.control("Timer1").set_interval(100);
  h.advance(250);
  screen.control("Timer1").set_interval(0);
  h.advance(1000);
  screen.control("Timer3").set_interval(100);
  h.app().Unload(ScreenId::Menu);
  h.advance(1000);
  EXPECT_EQ(screen.log, (std::vector<std::string>{"T1 100", "T1 200"}));
}

}  // namespace
}  // namespace metria::testing
