// A loaded screen's window as a screen reader sees it: a frame named by the window's title, whose
// children are the window's nodes in reading order, then the notifications it is showing. Lives on
// the accessibility thread only.
#pragma once

#include <atk/atk.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/sdl/accessibility_messages.h"
#include "platform/sdl/atk_node_object.h"

namespace metria {

// What a frame needs of the application object above it.
class FrameParent {
 public:
  virtual ~FrameParent() = default;
  virtual AtkObject* object() const = 0;
  virtual int index_of(const AtkObject* frame) const = 0;
};

using RequestSink = std::function<void(ControlRequest)>;

class WindowFrame final : public NodeParent {
 public:
  // bounds: the window's client area in pixels of the screen.
  WindowFrame(FrameParent& parent, std::uint32_t window, const std::string& title, PixelRect bounds,
              RequestSink requests);
  ~WindowFrame() override;
  WindowFrame(const WindowFrame&) = delete;
  WindowFrame& operator=(const WindowFrame&) = delete;

  std::uint32_t window() const { return m_window; }
  const std::string& title() const { return m_title; }
  void move(PixelRect bounds);
  // The window shown last is the active one.
  void set_active(bool active);
  bool active() const { return m_active; }
  // Brings the children up to date with the window's nodes, telling listeners only what changed.
  void publish(const std::vector<AccessibleNode>& nodes);
  // Words for a screen reader that listens for announcements.
  void announce(const std::string& words);
  // Words for one that does not: a notification child, which a screen reader speaks as it
  // appears, taken away again a few seconds later.
  void notify(const std::string& words);

  // NodeParent.
  AtkObject* object() const override { return m_object; }
  PixelRect screen_bounds() const override { return m_bounds; }
  int index_of(const AtkObject* child) const override;
  void request(ControlAction action, const AccessibleNode& node) override;

  // For the frame's ATK object.
  AtkObject* parent_object() const { return m_parent.object(); }
  int index_in_parent() const { return m_parent.index_of(m_object); }
  int child_count() const;
  AtkObject* child(int i) const;  // null past the end

 private:
  struct Notification {
    AtkObject* object;
    guint removal;  // the source that takes it away
  };
  void remove_node(std::size_t i);
  void remove_notification(AtkObject* object);
  void tell_child_added(int index, AtkObject* child);
  void tell_child_removed(int index, AtkObject* child);

  FrameParent& m_parent;
  std::uint32_t m_window;
  std::string m_title;
  PixelRect m_bounds;
  RequestSink m_requests;
  bool m_active = false;
  AtkObject* m_object;
  std::vector<AtkObject*> m_nodes;  // one reference each, in reading order
  std::vector<Notification> m_notifications;
};

}  // namespace metria
