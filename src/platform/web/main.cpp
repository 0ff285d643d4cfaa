// Metria in a web page: the entry points the page calls (start, pointer input, the close box, the
// wake-up timer, viewport changes). Each runs to completion; between them the page sleeps.
#include <emscripten.h>

#include <memory>
#include <optional>

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

}  // namespace

extern "C" {

// A new run, from the main menu's opening (the start button, or starting again after the end).
// seed: a fixed seed for the random draws, or negative for draws seeded from the clock.
EMSCRIPTEN_KEEPALIVE void web_start(int seed) {
  g_program.reset();
  g_program = std::make_unique<metria::web::WebProgram>(
      seed < 0 ? std::nullopt : std::optional<unsigned>(static_cast<unsigned>(seed)));
  deliver([](metria::web::WebProgram& program) { program.start(); });
}

// action: 0 move, 1 press, 2 release; x, y: device pixels of the canvas; button: the DOM's number.
EMSCRIPTEN_KEEPALIVE void web_pointer(int action, int x, int y, int button) {
  const auto kind = action == 1   ? metria::PointerAction::Press
                    : action == 2 ? metria::PointerAction::Release
                                  : metria::PointerAction::Move;
  deliver([&](metria::web::WebProgram& program) { program.pointer(kind, x, y, button_of(button)); });
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
