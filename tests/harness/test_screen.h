// A screen made up by a test: any definition, handlers given as lambdas, and a log of the events
// it received, so the control layer's rules can be checked without the program's own screens.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/screen.h"
#include "harness/headless.h"

namespace metria::testing {

class TestScreen final : public Screen {
 public:
  TestScreen(AppContext& context, ScreenId id, ScreenDef def) : Screen(context, id), m_def(std::move(def)) {}

  const ScreenDef& definition() const override { return m_def; }
  void wire(EventTable& table) override {
    if (on_wire) on_wire(table);
  }
  void Form_Load() override {
    ++loads;
    if (on_load) on_load();
  }
  // Makes these reachable from the tests' lambdas.
  using Screen::GoTo;
  using Screen::Play;
  using Screen::PreparePlayer;
  using Screen::app;

  std::function<void(EventTable&)> on_wire;
  std::function<void()> on_load;
  std::vector<std::string> log;  // events as the handlers note them, e.g. "Click Label1(2)"
  int loads = 0;
  int field = 0;  // a field that must survive unloads
  // The virtual time, as handlers see it.
  std::int64_t app_now() const { return clock ? clock->now_ms() : 0; }
  const Clock* clock = nullptr;

 private:
  ScreenDef m_def;
};

// A harness whose screens are TestScreens with the given definitions; `prepare` is called on each
// screen object as it is created. The program starts on `first`.
struct TestProgram {
  explicit TestProgram(std::function<ScreenDef(ScreenId)> definitions, std::function<void(TestScreen&)> prepare = {},
                       ScreenId first = ScreenId::Menu);
  TestScreen& screen(ScreenId id) { return harness.screen<TestScreen>(id); }

  Harness harness;
};

inline ScreenDef empty_window(ScreenId id) {
  return {.name = std::string(screen_name(id)), .caption = std::string(screen_name(id)), .client_width = 9600,
          .client_height = 6000};
}

}  // namespace metria::testing
