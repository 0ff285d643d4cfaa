// The application object and the frames of the loaded windows.
#include "platform/sdl/accessible_tree.h"

#include <algorithm>

namespace metria {

AccessibleTree::AccessibleTree(const std::string& program_name, RequestSink requests)
    : m_requests(std::move(requests)), m_object(application_object_new(*this, program_name)) {}

AccessibleTree::~AccessibleTree() {
  m_frames.clear();
  application_object_detach(m_object);
  g_object_unref(m_object);
}

int AccessibleTree::index_of(const AtkObject* frame) const {
  for (std::size_t i = 0; i < m_frames.size(); ++i)
    if (m_frames[i]->object() == frame) return static_cast<int>(i);
  return -1;
}

AtkObject* AccessibleTree::frame_object(int i) const {
  return i >= 0 && static_cast<std::size_t>(i) < m_frames.size() ? m_frames[static_cast<std::size_t>(i)]->object()
                                                                 : nullptr;
}

WindowFrame* AccessibleTree::frame_of(std::uint32_t window) const {
  for (const auto& frame : m_frames)
    if (frame->window() == window) return frame.get();
  return nullptr;
}

void AccessibleTree::open_window(std::uint32_t window, const std::string& title, PixelRect bounds) {
  if (frame_of(window)) return;
  if (!m_frames.empty()) m_frames.back()->set_active(false);
  m_frames.push_back(std::make_unique<WindowFrame>(*this, window, title, bounds, m_requests));
  AtkObject* frame = m_frames.back()->object();
  g_signal_emit_by_name(m_object, "children-changed::add", static_cast<guint>(m_frames.size() - 1), frame);
  g_signal_emit_by_name(frame, "create");
  m_frames.back()->set_active(true);
  m_title_said = m_listeners.window_activation ? title : std::string();
}

void AccessibleTree::move_window(std::uint32_t window, PixelRect bounds) {
  if (WindowFrame* frame = frame_of(window)) frame->move(bounds);
}

void AccessibleTree::close_window(std::uint32_t window) {
  const auto found =
      std::find_if(m_frames.begin(), m_frames.end(), [window](const auto& frame) { return frame->window() == window; });
  if (found == m_frames.end()) return;
  const bool was_active = (*found)->active();
  std::unique_ptr<WindowFrame> frame = std::move(*found);
  const auto index = static_cast<guint>(found - m_frames.begin());
  m_frames.erase(found);
  frame->set_active(false);
  g_signal_emit_by_name(frame->object(), "destroy");
  g_signal_emit_by_name(m_object, "children-changed::remove", index, frame->object());
  if (was_active && !m_frames.empty()) m_frames.back()->set_active(true);
}

void AccessibleTree::publish(std::uint32_t window, const std::vector<AccessibleNode>& nodes) {
  if (WindowFrame* frame = frame_of(window)) frame->publish(nodes);
}

void AccessibleTree::announce(const std::string& words) {
  const bool said_already = !m_title_said.empty() && words == m_title_said;
  m_title_said.clear();
  if (m_frames.empty() || said_already) return;
  if (m_listeners.announcements) {
    m_frames.back()->announce(words);
  } else {
    m_frames.back()->notify(words);
  }
}

}  // namespace metria
