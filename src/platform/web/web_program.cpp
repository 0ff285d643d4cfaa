// Delivering page input and wake-ups to the application frame.
#include "platform/web/web_program.h"

#include <algorithm>

#include "platform/web/page_bridge.h"
#include "platform/web/web_canvas.h"
#include "screens/screen_registry.h"
#include "ui/geometry.h"
#include "ui/scale.h"
#include "ui/screen_def.h"

namespace metria::web {

namespace {

// Cue paths are made from the program folder: "./wav/o.wav" is the cue beside the page.
constexpr const char* kProgramFolder = ".";

}  // namespace

WebProgram::WebProgram(std::optional<unsigned> seed, Preferences preferences)
    : m_random(seed), m_app({m_clock, m_sound, m_random, m_time_of_day, m_host, kProgramFolder, preferences}) {
  register_screens(m_app);
}

void WebProgram::start() {
  metria_frame_rules(kScaleStep, kDefaultWindowColor.r, kDefaultWindowColor.g, kDefaultWindowColor.b);
  m_app.start();
  settle();
  WebCanvas::prefetch_pictures();
}

void WebProgram::pointer(PointerAction action, int x, int y, MouseButton button) {
  if (Window* window = m_host.current())
    m_app.pointer_event(*window, {action, to_twips(x, y, m_host.scale()), button});
  settle();
}

bool WebProgram::key(const KeyPress& press) {
  Window* window = m_host.current();
  const bool taken = window && m_app.key_press(*window, press);
  settle();
  return taken;
}

void WebProgram::focus_control(const std::string& name, int index) {
  if (Window* window = m_host.current()) m_app.focus_control(*window, name, index);
  settle();
}

void WebProgram::activate_control(const std::string& name, int index) {
  if (Window* window = m_host.current()) m_app.activate_control(*window, name, index);
  settle();
}

void WebProgram::close_box() {
  if (Window* window = m_host.current()) m_app.close_requested(*window);
  settle();
}

void WebProgram::wake() { settle(); }

void WebProgram::viewport_changed() {
  m_host.refit();
  settle();
}

void WebProgram::picture_arrived() {
  m_host.redraw_all();
  settle();
}

void WebProgram::settle() {
  const auto due = m_app.step(m_clock.now_ms());
  if (!m_app.running()) {
    metria_set_timer(-1);
    metria_program_ended(m_host.fatal_message().c_str());
    return;
  }
  metria_set_timer(due ? static_cast<double>(std::max<std::int64_t>(*due - m_clock.now_ms(), 0)) : -1.0);
}

}  // namespace metria::web
