// The frame and canvas of the page's one window.
#include "platform/web/web_host.h"

#include <algorithm>
#include <cstdio>

#include "platform/web/page_bridge.h"
#include "ui/painter.h"
#include "ui/window.h"

namespace metria::web {

void WebHost::window_shown(Window& window) {
  m_shown.push_back(&window);
  refit();
}

void WebHost::window_unloaded(Window& window) {
  const bool was_current = current() == &window;
  std::erase(m_shown, &window);
  if (!was_current) return;
  if (current())
    refit();
  else
    metria_window_hide();
}

void WebHost::show_fatal_error(const std::string& message) {
  std::fprintf(stderr, "metria: %s\n", message.c_str());
  m_fatal_message = message;
}

void WebHost::refit() {
  Window* window = current();
  if (!window) return;
  const ScreenDef& def = window->definition();
  m_scale = metria_window_show(def.caption.c_str(), to_pixels(def.client_width), to_pixels(def.client_height));
  metria_canvas_size(to_pixels(def.client_width, m_scale), to_pixels(def.client_height, m_scale));
  window->invalidate();
}

void WebHost::redraw_all() {
  if (Window* window = current()) window->invalidate();
}

void WebHost::show_pointer(Icon drag_icon) {
  const bool dragging = drag_icon != Icon::None;
  if (dragging == m_drag_cursor) return;
  metria_set_drag_cursor(dragging);
  m_drag_cursor = dragging;
}

bool WebHost::draw(Window& window) {
  if (&window != current()) return false;
  paint_window(window, m_canvas, m_scale);
  return true;
}

}  // namespace metria::web
