// The harness drives the application frame exactly as the platform's event loop does: every
// input and every due tick is followed by the frame's step.
#include "platform/headless/harness.h"

#include <stdexcept>

#include "screens/screen_registry.h"

namespace metria::headless {

Harness::Harness(HarnessOptions options)
    : m_time_of_day(m_clock, options.time_of_day),
      m_app({m_clock, m_sound, m_random, m_time_of_day, m_host, options.app_path, options.preferences}) {
  register_screens(m_app);
  if (options.first_screen) m_app.start(*options.first_screen);
  after_input();
}

Harness::~Harness() = default;

void Harness::advance(std::int64_t ms) {
  const std::int64_t target = m_clock.now_ms() + ms;
  while (m_app.running()) {
    const auto due = m_app.next_timer_due();
    if (!due || *due > target) break;
    m_clock.set(std::max(*due, m_clock.now_ms()));
    m_app.step(m_clock.now_ms());
  }
  m_clock.set(target);
}

void Harness::after_input() { m_app.step(m_clock.now_ms()); }

Window& Harness::window() {
  const auto windows = m_app.loaded_windows();
  if (windows.size() != 1) throw std::logic_error("expected one loaded screen, found " + std::to_string(windows.size()));
  return *windows.front();
}

ScreenId Harness::screen_id() { return *m_app.screen_of(window()); }

Control& Harness::control(std::string_view name, int index) { return window().find(name, index); }

void Harness::move_to(Point p) {
  m_pointer = p;
  m_app.pointer_event(window(), {PointerAction::Move, p});
  after_input();
}

void Harness::move_to(std::string_view name, int index) { move_to(control(name, index).rect().centre()); }

void Harness::move_to_background() { move_to(background_point()); }

void Harness::press(MouseButton button) {
  m_app.pointer_event(window(), {PointerAction::Press, m_pointer, button});
  after_input();
}

void Harness::release(MouseButton button) {
  m_app.pointer_event(window(), {PointerAction::Release, m_pointer, button});
  after_input();
}

void Harness::key(Key key, bool shift) {
  m_app.key_event(window(), {key, shift});
  after_input();
}

void Harness::click(Point p) {
  move_to(p);
  press();
  release();
}

void Harness::click(std::string_view name, int index) { click(control(name, index).rect().centre()); }

void Harness::drag(std::string_view from, int from_index, std::string_view onto, int onto_index) {
  move_to(from, from_index);
  press();
  move_to(onto, onto_index);
  release();
}

void Harness::drag_to_background(std::string_view from, int from_index) {
  move_to(from, from_index);
  press();
  move_to_background();
  release();
}

Point Harness::background_point() {
  const Window& w = window();
  const ScreenDef& def = w.definition();
  for (int y = 7; y < def.client_height; y += 30)
    for (int x = 7; x < def.client_width; x += 30)
      if (!w.control_at({x, y})) return {x, y};
  throw std::logic_error("no bare background on " + def.name);
}

void Harness::close_window() {
  m_app.close_requested(window());
  after_input();
}

}  // namespace metria::headless
