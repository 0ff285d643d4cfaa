// A window's frame and its children, kept in step with the window's nodes.
#include "platform/sdl/window_frame.h"

#include <algorithm>
#include <map>
#include <optional>

#include "platform/sdl/atk_frame_object.h"

namespace metria {

namespace {

// Long enough for a screen reader to have read the notification's words, which it asks for after
// the event; short enough that reviewing the window does not find words of a moment long past.
constexpr guint kNotificationSeconds = 5;

// The removal of one notification, owned by its timeout source.
struct NotificationRemoval {
  WindowFrame* frame;
  AtkObject* object;
};

}  // namespace

WindowFrame::WindowFrame(FrameParent& parent, std::uint32_t window, const std::string& title, PixelRect bounds,
                         RequestSink requests)
    : m_parent(parent),
      m_window(window),
      m_title(title),
      m_bounds(bounds),
      m_requests(std::move(requests)),
      m_object(frame_object_new(*this, title)) {}

WindowFrame::~WindowFrame() {
  for (const Notification& notification : m_notifications) {
    g_source_remove(notification.removal);
    node_object_detach(notification.object);
    g_object_unref(notification.object);
  }
  for (AtkObject* node : m_nodes) {
    node_object_detach(node);
    g_object_unref(node);
  }
  frame_object_detach(m_object);
  g_object_unref(m_object);
}

void WindowFrame::move(PixelRect bounds) {
  if (bounds == m_bounds) return;
  m_bounds = bounds;
  AtkRectangle rectangle{bounds.x, bounds.y, bounds.w, bounds.h};
  g_signal_emit_by_name(m_object, "bounds-changed", &rectangle);
}

void WindowFrame::set_active(bool active) {
  if (active == m_active) return;
  m_active = active;
  atk_object_notify_state_change(m_object, ATK_STATE_ACTIVE, active);
  g_signal_emit_by_name(m_object, active ? "activate" : "deactivate");
}

int WindowFrame::index_of(const AtkObject* child) const {
  const auto node = std::find(m_nodes.begin(), m_nodes.end(), child);
  if (node != m_nodes.end()) return static_cast<int>(node - m_nodes.begin());
  const auto notification = std::find_if(m_notifications.begin(), m_notifications.end(),
                                         [child](const Notification& n) { return n.object == child; });
  if (notification != m_notifications.end())
    return static_cast<int>(m_nodes.size() + static_cast<std::size_t>(notification - m_notifications.begin()));
  return -1;
}

int WindowFrame::child_count() const { return static_cast<int>(m_nodes.size() + m_notifications.size()); }

AtkObject* WindowFrame::child(int i) const {
  if (i < 0) return nullptr;
  const auto at = static_cast<std::size_t>(i);
  if (at < m_nodes.size()) return m_nodes[at];
  if (at - m_nodes.size() < m_notifications.size()) return m_notifications[at - m_nodes.size()].object;
  return nullptr;
}

void WindowFrame::request(ControlAction action, const AccessibleNode& node) {
  m_requests({action, m_window, node.control, node.index});
}

void WindowFrame::tell_child_added(int index, AtkObject* child) {
  g_signal_emit_by_name(m_object, "children-changed::add", static_cast<guint>(index), child);
}

void WindowFrame::tell_child_removed(int index, AtkObject* child) {
  g_signal_emit_by_name(m_object, "children-changed::remove", static_cast<guint>(index), child);
}

void WindowFrame::remove_node(std::size_t i) {
  AtkObject* node = m_nodes[i];
  m_nodes.erase(m_nodes.begin() + static_cast<std::ptrdiff_t>(i));
  tell_child_removed(static_cast<int>(i), node);
  node_object_detach(node);
  g_object_unref(node);
}

// A screen reader follows the focus by its events: the loss is told before the gain, and the
// node that gains it is brought up to date last, so that it is read with its new name.
void WindowFrame::publish(const std::vector<AccessibleNode>& nodes) {
  std::map<std::string, const AccessibleNode*> wanted;
  for (const AccessibleNode& node : nodes) wanted.emplace(node.key, &node);
  const auto now = [&](AtkObject* object) -> const AccessibleNode* {
    const auto found = wanted.find(node_object_node(object).key);
    return found == wanted.end() || found->second->role != node_object_node(object).role ? nullptr : found->second;
  };
  for (std::size_t i = m_nodes.size(); i-- > 0;) {
    if (now(m_nodes[i])) continue;
    if (node_object_node(m_nodes[i]).focused) atk_object_notify_state_change(m_nodes[i], ATK_STATE_FOCUSED, FALSE);
    remove_node(i);
  }
  // The nodes kept stay in their order in every screen; should one ever move, all are given again.
  std::vector<std::string> kept_order;
  for (const AccessibleNode& node : nodes)
    if (std::any_of(m_nodes.begin(), m_nodes.end(), [&](AtkObject* o) { return node_object_node(o).key == node.key; }))
      kept_order.push_back(node.key);
  for (std::size_t i = 0; i < m_nodes.size(); ++i) {
    if (node_object_node(m_nodes[i]).key != kept_order[i]) {
      while (!m_nodes.empty()) remove_node(m_nodes.size() - 1);
      break;
    }
  }
  for (AtkObject* object : m_nodes)
    if (node_object_node(object).focused && !now(object)->focused) node_object_update(object, *now(object));

  std::optional<std::size_t> gaining;
  for (std::size_t i = 0; i < nodes.size(); ++i) {
    const AccessibleNode& node = nodes[i];
    const bool gains_focus = node.focused && (i >= m_nodes.size() || node_object_node(m_nodes[i]).key != node.key ||
                                              !node_object_node(m_nodes[i]).focused);
    if (gains_focus) gaining = i;
    if (i < m_nodes.size() && node_object_node(m_nodes[i]).key == node.key) {
      if (!gains_focus) node_object_update(m_nodes[i], node);
      continue;
    }
    AccessibleNode unfocused = node;
    unfocused.focused = false;
    AtkObject* object = node_object_new(*this, unfocused);
    m_nodes.insert(m_nodes.begin() + static_cast<std::ptrdiff_t>(i), object);
    tell_child_added(static_cast<int>(i), object);
  }
  if (gaining) node_object_update(m_nodes[*gaining], nodes[*gaining]);
}

void WindowFrame::announce(const std::string& words) { g_signal_emit_by_name(m_object, "announcement", words.c_str()); }

void WindowFrame::notify(const std::string& words) {
  AtkObject* object = notification_object_new(*this, words);
  auto* removal = new NotificationRemoval{this, object};
  const guint source = g_timeout_add_seconds_full(
      G_PRIORITY_DEFAULT, kNotificationSeconds,
      [](gpointer data) -> gboolean {
        const auto* due = static_cast<NotificationRemoval*>(data);
        due->frame->remove_notification(due->object);
        return G_SOURCE_REMOVE;
      },
      removal, [](gpointer data) { delete static_cast<NotificationRemoval*>(data); });
  m_notifications.push_back({object, source});
  tell_child_added(child_count() - 1, object);
  // What a screen reader speaks a notification on.
  atk_object_notify_state_change(object, ATK_STATE_SHOWING, TRUE);
}

void WindowFrame::remove_notification(AtkObject* object) {
  const int index = index_of(object);
  const auto found = std::find_if(m_notifications.begin(), m_notifications.end(),
                                  [object](const Notification& n) { return n.object == object; });
  if (found == m_notifications.end()) return;
  m_notifications.erase(found);
  tell_child_removed(index, object);
  node_object_detach(object);
  g_object_unref(object);
}

}  // namespace metria
