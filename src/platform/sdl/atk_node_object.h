// One node of a window as an ATK object: its role, name and states, its box on the screen, and the
// action "click" on a button. The object is a shell over the node's data; what it needs of its
// window (where the window stands, its place among the window's children, sending a request) it
// asks of its NodeParent. Lives on the accessibility thread only.
#pragma once

#include <atk/atk.h>

#include <string>

#include "platform/sdl/accessibility_messages.h"

namespace metria {

class NodeParent {
 public:
  virtual ~NodeParent() = default;
  virtual AtkObject* object() const = 0;
  // The window's client area, in pixels of the screen.
  virtual PixelRect screen_bounds() const = 0;
  virtual int index_of(const AtkObject* child) const = 0;
  virtual void request(ControlAction action, const AccessibleNode& node) = 0;
};

// A new object for the node, the caller holding its one reference.
AtkObject* node_object_new(NodeParent& parent, const AccessibleNode& node);
// Words said once as they appear, for a screen reader that speaks no announcement.
AtkObject* notification_object_new(NodeParent& parent, const std::string& words);

const AccessibleNode& node_object_node(AtkObject* object);
// Brings the object up to date, telling listeners of each change: its name, each state, its box.
void node_object_update(AtkObject* object, const AccessibleNode& node);
// Its window is done with it: a client that still holds it finds a defunct object.
void node_object_detach(AtkObject* object);

}  // namespace metria
