// Metria in a web page: the entry points the page calls (start, pointer input, the close box, the
// wake-up timer, viewport changes). Each runs to completion; between them the page sleeps.
#include <emscripten.h>

#include <memory>
#include <optional>
#include <string>

#include "platform/web/web_program.h"

namespace {

std::unique_ptr<metria::web::WebProgram> g_program;

metria::MouseButton button_of(int button) {
  switch (button) {
    case 1: return metria::MouseButton::Middle;
    case 2: return metria::MouseButton::Right;
    default: return metria::MouseButton::Left;
  }
}

// Runs one delivery on the live program; a run that has ended is let go afterwards.
template <typename Delivery>
void deliver(Delivery delivery) {
  if (!g_program) return;
  delivery(*g_program);
  if (!g_program->running()) g_program.reset();
}

void pointer(metria::PointerAction action, int x, int y, int button) {
  deliver([&](metria::web::WebProgram& program) { program.pointer(action, x, y, button_of(button)); });
}

}  // namespace

extern "C" {

// A new run, from the main menu's opening (the start button, or starting again after the end).
// seed: a fixed seed for the random draws, or negative for draws seeded from the clock;
// reduced_motion: the browser says the user asks for less motion (1) or not (0).
EMSCRIPTEN_KEEPALIVE void web_start(int seed, int reduced_motion) {
  g_program.reset();
  g_program = std::make_unique<metria::web::WebProgram>(
      seed < 0 ? std::nullopt : std::optional<unsigned>(static_cast<unsigned>(seed)),
      metria::Preferences{.reduced_motion = reduced_motion != 0});
  deliver([](metria::web::WebProgram& program) { program.start(); });
}

// The pointer, one entry point for each of its actions: x, y are device pixels of the canvas,
// button the DOM's number.
EMSCRIPTEN_KEEPALIVE void web_pointer_move(int x, int y, int button) {
  pointer(metria::PointerAction::Move, x, y, button);
}

EMSCRIPTEN_KEEPALIVE void web_pointer_press(int x, int y, int button) {
  pointer(metria::PointerAction::Press, x, y, button);
}

EMSCRIPTEN_KEEPALIVE void web_pointer_release(int x, int y, int button) {
  pointer(metria::PointerAction::Release, x, y, button);
}

// name: the event's key, as the browser gives it; command: Ctrl, Alt or Meta held. Returns 1 where
// the program took the key, and the page is to stop the browser's own use of it.
EMSCRIPTEN_KEEPALIVE int web_key(const char* name, int repeat, int shift, int command) {
  bool taken = false;
  deliver([&](metria::web::WebProgram& program) {
    taken = program.key({.name = name, .repeat = repeat != 0, .shift = shift != 0, .command = command != 0});
  });
  return taken ? 1 : 0;
}

// name, index: a control as the nodes name it in their ids ("Label1:3"), from the page's layer.
EMSCRIPTEN_KEEPALIVE void web_focus_control(const char* name, int index) {
  deliver([&](metria::web::WebProgram& program) { program.focus_control(name, index); });
}

EMSCRIPTEN_KEEPALIVE void web_activate_control(const char* name, int index) {
  deliver([&](metria::web::WebProgram& program) { program.activate_control(name, index); });
}

EMSCRIPTEN_KEEPALIVE void web_close_box() {
  deliver([](metria::web::WebProgram& program) { program.close_box(); });
}

EMSCRIPTEN_KEEPALIVE void web_wake() {
  deliver([](metria::web::WebProgram& program) { program.wake(); });
}

EMSCRIPTEN_KEEPALIVE void web_viewport_changed() {
  deliver([](metria::web::WebProgram& program) { program.viewport_changed(); });
}

EMSCRIPTEN_KEEPALIVE void web_picture_arrived() {
  deliver([](metria::web::WebProgram& program) { program.picture_arrived(); });
}
}
