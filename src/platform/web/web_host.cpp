// The frame and canvas of the page's one window.
#include "platform/web/web_host.h"

#include <emscripten/html5.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <string_view>

#include "platform/web/page_bridge.h"
#include "ui/painter.h"
#include "ui/scale.h"
#include "ui/window.h"

namespace metria::web {

void WebHost::window_shown(Window& window) {
  m_shown.push_back(&window);
  send_nodes();
  refit();
}

void WebHost::window_unloaded(Window& window) {
  const bool was_current = current() == &window;
  std::erase(m_shown, &window);
  m_nodes.erase(&window);
  if (!was_current) return;
  send_nodes();
  if (current())
    refit();
  else
    metria_window_hide();
}

void WebHost::show_fatal_error(const std::string& message) {
  std::fprintf(stderr, "metria: %s\n", message.c_str());
  m_fatal_message = message;
}

// Browsers ignore a pointer picture over 128 pixels: the drag icon (32 pixels) is enlarged at most
// four times, and the build has it drawn at each of those factors.
constexpr int kLargestDragIconFactor = 4;

void WebHost::refit() {
  Window* window = current();
  if (!window) return;
  const ScreenDef& def = window->definition();
  // Shown at a scale in CSS pixels, drawn at that many device pixels over again; the drag icon
  // follows the CSS scale, since the browser shows a pointer's pixels at the device's own ratio.
  const double css_scale =
      metria_window_show(def.caption.c_str(), to_pixels(def.client_width), to_pixels(def.client_height));
  m_scale = css_scale * emscripten_get_device_pixel_ratio();
  const int factor = std::min(icon_factor(css_scale), kLargestDragIconFactor);
  const HotSpot hot = icon_hot_spot(Icon::Magnifier);
  metria_set_drag_icon(std::string(icon_file(Icon::Magnifier)).c_str(), factor, hot.x * factor, hot.y * factor);
  metria_canvas_size(to_pixels(def.client_width, m_scale), to_pixels(def.client_height, m_scale));
  window->invalidate();
}

void WebHost::redraw_all() {
  if (Window* window = current()) window->invalidate();
}

namespace {

// A JSON string literal: quotes, backslashes and control characters escaped; UTF-8 as it is.
std::string quoted(std::string_view text) {
  std::string out = "\"";
  for (const char c : text) {
    if (c == '"' || c == '\\') {
      out += '\\';
      out += c;
    } else if (static_cast<unsigned char>(c) < 0x20) {
      char escaped[8];
      std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
      out += escaped;
    } else {
      out += c;
    }
  }
  return out + "\"";
}

}  // namespace

void WebHost::publish(const Window& window, const std::vector<SemanticNode>& nodes) {
  m_nodes[&window] = nodes;
  if (&window == current()) send_nodes();
}

// Rectangles go in pixels of the definitions: the page places them at whatever scale it draws.
void WebHost::send_nodes() {
  const auto published = m_nodes.find(current());
  const bool keys_in_use = current() && current()->input_mode().keys_in_use;
  std::string json = std::string("{\"keysInUse\":") + (keys_in_use ? "true" : "false") + ",\"nodes\":[";
  for (const SemanticNode& node : published == m_nodes.end() ? std::vector<SemanticNode>{} : published->second) {
    const PixelRect box = to_pixels(node.rect);
    if (json.back() != '[') json += ",";
    json += "{\"id\":" + quoted(node.control.empty() ? "" : node.control + ":" + std::to_string(node.index)) +
            ",\"role\":\"" + role_word(node.role) + "\",\"name\":" + quoted(node.name) +
            ",\"x\":" + std::to_string(box.x) + ",\"y\":" + std::to_string(box.y) + ",\"w\":" + std::to_string(box.w) +
            ",\"h\":" + std::to_string(box.h) + ",\"focused\":" + (node.focused ? "true" : "false") +
            ",\"disabled\":" + (node.disabled ? "true" : "false") + ",\"stop\":" + (node.stop ? "true" : "false") +
            ",\"held\":" + (node.held ? "true" : "false") + ",\"faint\":" + (node.faint ? "true" : "false") +
            ",\"state\":" + quoted(node.state) + ",\"shown\":" + quoted(node.shown) + "}";
  }
  metria_publish_nodes((json + "]}").c_str());
}

void WebHost::announce(const std::string& words) { metria_announce(words.c_str()); }

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
