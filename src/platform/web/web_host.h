// The page's window: the loaded screen shown last gets the frame (title bar with the stopwatch,
// caption and close box) and the canvas, drawn at the page's scale only when something changed.
#pragma once

#include <map>
#include <vector>

#include "app/window_host.h"
#include "platform/web/web_canvas.h"

namespace metria::web {

class WebHost final : public WindowHost {
 public:
  void window_shown(Window& window) override;
  void window_unloaded(Window& window) override;
  // Only the current window is on the page; the others wait, marked as changed, for their turn.
  bool draw(Window& window) override;
  void show_pointer(Icon drag_icon) override;
  // The page mirrors the current window's nodes as elements over the canvas, and speaks the
  // announcements through its live region.
  bool reads_nodes() const override { return true; }
  void publish(const Window& window, const std::vector<SemanticNode>& nodes) override;
  void announce(const std::string& words) override;
  void show_fatal_error(const std::string& message) override;

  // The window on the page (the screen shown last), or null.
  Window* current() const { return m_shown.empty() ? nullptr : m_shown.back(); }
  // Device pixels per definition pixel of the current window.
  double scale() const { return m_scale; }
  const std::string& fatal_message() const { return m_fatal_message; }

  // The viewport changed size, or a picture arrived: frame and canvas again, then a full frame.
  void refit();
  void redraw_all();

 private:
  // The current window's nodes to the page.
  void send_nodes();

  std::vector<Window*> m_shown;
  std::map<const Window*, std::vector<SemanticNode>> m_nodes;  // as last published, per window
  WebCanvas m_canvas;
  double m_scale = 1.0;
  bool m_drag_cursor = false;
  std::string m_fatal_message;
};

}  // namespace metria::web
