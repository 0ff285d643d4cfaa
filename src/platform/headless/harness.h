// The headless program: the real application frame, controls and screens, driven by a virtual
// clock, a recording sound device, a scripted random source and a simulated pointer that goes
// through the same mouse router as real input.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "app/app.h"
#include "platform/headless/headless_host.h"
#include "platform/headless/recording_sound_device.h"
#include "platform/headless/scripted_random.h"
#include "platform/headless/virtual_clock.h"

namespace metria::headless {

struct HarnessOptions {
  std::string app_path = "/opt/metria";
  double time_of_day = 12 * 3600.0;  // seconds since midnight at virtual time 0
  std::optional<ScreenId> first_screen = ScreenId::Menu;  // as the program does; none: nothing shown
  Preferences preferences = {};
};

class Harness {
 public:
  explicit Harness(HarnessOptions options = {});
  ~Harness();

  // Runs the virtual clock forward, firing every due timer tick in time order.
  void advance(std::int64_t ms);
  std::int64_t now() const { return m_clock.now_ms(); }

  // The one loaded screen (fails the test unless exactly one is loaded).
  Window& window();
  ScreenId screen_id();
  bool running() const { return m_app.running(); }
  int exit_status() const { return m_app.exit_status(); }
  App& app() { return m_app; }
  template <typename T>
  T& screen(ScreenId id) {
    return dynamic_cast<T&>(*m_app.screen(id));
  }

  // Controls of the loaded screen.
  Control& control(std::string_view name, int index = kNoIndex);
  bool visible(std::string_view name, int index = kNoIndex) { return control(name, index).visible(); }
  const std::string& caption(std::string_view name, int index = kNoIndex) { return control(name, index).caption(); }

  // The simulated pointer, in twips of the loaded window.
  void move_to(Point p);
  void move_to(std::string_view name, int index = kNoIndex);
  void move_to_background();
  void press(MouseButton button = MouseButton::Left);
  void release(MouseButton button = MouseButton::Left);
  void click(Point p);
  void click(std::string_view name, int index = kNoIndex);
  // Press on one control, move onto another, release there.
  void drag(std::string_view from, int from_index, std::string_view onto, int onto_index);
  void drag_to_background(std::string_view from, int from_index);
  Point pointer() const { return m_pointer; }
  // A point of the loaded window that no visible control covers.
  Point background_point();
  // The close box of the loaded window.
  void close_window();
  // A key on the loaded window; Shift only matters to Tab.
  void key(Key key, bool shift = false);
  // The control the keys' focus is on, or null.
  Control* focused() { return window().focus().focused(); }

  RecordingSoundDevice& sound() { return m_sound; }
  ScriptedRandom& random() { return m_random; }
  VirtualTimeOfDay& time_of_day() { return m_time_of_day; }
  HeadlessHost& host() { return m_host; }
  const VirtualClock& clock() const { return m_clock; }

 private:
  // The frame's step after an input, as the program's loop takes it.
  void after_input();

  VirtualClock m_clock;
  VirtualTimeOfDay m_time_of_day;
  ScriptedRandom m_random;
  RecordingSoundDevice m_sound;
  HeadlessHost m_host;
  App m_app;
  Point m_pointer;
};

}  // namespace metria::headless
