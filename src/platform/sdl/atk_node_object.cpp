// A window's node as an ATK object, over a copy of the node's data.
#include "platform/sdl/atk_node_object.h"

namespace metria {

namespace {

struct MetriaNodeObject {
  AtkObject parent_instance;
  NodeParent* parent;  // null once the window is done with the object
  AccessibleNode* node;
  bool notification;
};

struct MetriaNodeObjectClass {
  AtkObjectClass parent_class;
};

void metria_node_object_component_init(AtkComponentIface* iface);
void metria_node_object_action_init(AtkActionIface* iface);

G_DEFINE_TYPE_WITH_CODE(MetriaNodeObject, metria_node_object, ATK_TYPE_OBJECT,
                        G_IMPLEMENT_INTERFACE(ATK_TYPE_COMPONENT, metria_node_object_component_init)
                            G_IMPLEMENT_INTERFACE(ATK_TYPE_ACTION, metria_node_object_action_init))

MetriaNodeObject* self_of(gpointer object) { return reinterpret_cast<MetriaNodeObject*>(object); }

bool is_button(const MetriaNodeObject* self) { return !self->notification && self->node->role == NodeRole::Button; }

AtkRole role_of(NodeRole role) {
  switch (role) {
    case NodeRole::Heading: return ATK_ROLE_HEADING;
    case NodeRole::Text: return ATK_ROLE_LABEL;
    case NodeRole::Status: return ATK_ROLE_STATUSBAR;
    case NodeRole::Image: return ATK_ROLE_IMAGE;
    case NodeRole::Button: return ATK_ROLE_PUSH_BUTTON;
  }
  return ATK_ROLE_LABEL;
}

// The states a node can change, each told on its own when it does. A card held by key is a button
// held down: the screen's own words ("…を持ちました") say it as it happens.
constexpr AtkStateType kNodeStates[] = {ATK_STATE_VISIBLE,   ATK_STATE_SHOWING, ATK_STATE_ENABLED, ATK_STATE_SENSITIVE,
                                        ATK_STATE_FOCUSABLE, ATK_STATE_FOCUSED, ATK_STATE_PRESSED};

bool has_state(const AccessibleNode& node, AtkStateType state) {
  const bool button = node.role == NodeRole::Button;
  switch (state) {
    case ATK_STATE_VISIBLE:
    case ATK_STATE_SHOWING: return true;  // only what is shown is published
    case ATK_STATE_ENABLED:
    case ATK_STATE_SENSITIVE: return !node.disabled;
    case ATK_STATE_FOCUSABLE: return button && (node.stop || node.focused);
    case ATK_STATE_FOCUSED: return button && node.focused;
    case ATK_STATE_PRESSED: return button && node.held;
    default: return false;
  }
}

PixelRect screen_box(const MetriaNodeObject* self) {
  PixelRect box = self->node->box;
  if (self->parent) {
    const PixelRect window = self->parent->screen_bounds();
    box.x += window.x;
    box.y += window.y;
  }
  return box;
}

void tell_bounds(AtkObject* object) {
  const PixelRect box = screen_box(self_of(object));
  AtkRectangle rectangle{box.x, box.y, box.w, box.h};
  g_signal_emit_by_name(object, "bounds-changed", &rectangle);
}

void metria_node_object_init(MetriaNodeObject* self) {
  self->parent = nullptr;
  self->node = new AccessibleNode;
  self->notification = false;
}

void finalize(GObject* object) {
  delete self_of(object)->node;
  G_OBJECT_CLASS(metria_node_object_parent_class)->finalize(object);
}

// The parent is not held: the window holds its nodes, and a node that outlives its window (held by
// a client) has none.
AtkObject* get_parent(AtkObject* object) {
  const MetriaNodeObject* self = self_of(object);
  return self->parent ? self->parent->object() : nullptr;
}

gint get_index_in_parent(AtkObject* object) {
  const MetriaNodeObject* self = self_of(object);
  return self->parent ? self->parent->index_of(object) : -1;
}

AtkStateSet* ref_state_set(AtkObject* object) {
  const MetriaNodeObject* self = self_of(object);
  AtkStateSet* states = atk_state_set_new();
  if (!self->parent) {
    atk_state_set_add_state(states, ATK_STATE_DEFUNCT);
    return states;
  }
  for (AtkStateType state : kNodeStates)
    if (has_state(*self->node, state)) atk_state_set_add_state(states, state);
  return states;
}

void metria_node_object_class_init(MetriaNodeObjectClass* klass) {
  G_OBJECT_CLASS(klass)->finalize = finalize;
  AtkObjectClass* atk = ATK_OBJECT_CLASS(klass);
  atk->get_parent = get_parent;
  atk->get_index_in_parent = get_index_in_parent;
  atk->ref_state_set = ref_state_set;
}

void get_extents(AtkComponent* component, gint* x, gint* y, gint* width, gint* height, AtkCoordType coords) {
  const MetriaNodeObject* self = self_of(component);
  // The parent is the window, whose client area is where the boxes are measured from.
  const PixelRect box = coords == ATK_XY_SCREEN ? screen_box(self) : self->node->box;
  *x = box.x;
  *y = box.y;
  *width = box.w;
  *height = box.h;
}

gboolean grab_focus(AtkComponent* component) {
  MetriaNodeObject* self = self_of(component);
  if (!self->parent || !is_button(self)) return FALSE;
  self->parent->request(ControlAction::Focus, *self->node);
  return TRUE;
}

void metria_node_object_component_init(AtkComponentIface* iface) {
  iface->get_extents = get_extents;
  iface->grab_focus = grab_focus;
}

constexpr const char* kClick = "click";

gint get_n_actions(AtkAction* action) { return is_button(self_of(action)) ? 1 : 0; }

const gchar* get_action_name(AtkAction* action, gint i) {
  return is_button(self_of(action)) && i == 0 ? kClick : nullptr;
}

// What Enter does on the button, through the same road.
gboolean do_action(AtkAction* action, gint i) {
  MetriaNodeObject* self = self_of(action);
  if (!self->parent || !is_button(self) || i != 0) return FALSE;
  self->parent->request(ControlAction::Activate, *self->node);
  return TRUE;
}

void metria_node_object_action_init(AtkActionIface* iface) {
  iface->get_n_actions = get_n_actions;
  iface->get_name = get_action_name;
  iface->do_action = do_action;
}

AtkObject* new_object(NodeParent& parent, const AccessibleNode& node, bool notification) {
  auto* object = static_cast<AtkObject*>(g_object_new(metria_node_object_get_type(), nullptr));
  MetriaNodeObject* self = self_of(object);
  self->parent = &parent;
  *self->node = node;
  self->notification = notification;
  atk_object_set_role(object, notification ? ATK_ROLE_NOTIFICATION : role_of(node.role));
  atk_object_set_name(object, node.name.c_str());
  return object;
}

}  // namespace

AtkObject* node_object_new(NodeParent& parent, const AccessibleNode& node) { return new_object(parent, node, false); }

AtkObject* notification_object_new(NodeParent& parent, const std::string& words) {
  AccessibleNode words_node;
  words_node.name = words;
  return new_object(parent, words_node, true);
}

const AccessibleNode& node_object_node(AtkObject* object) { return *self_of(object)->node; }

void node_object_update(AtkObject* object, const AccessibleNode& node) {
  MetriaNodeObject* self = self_of(object);
  const AccessibleNode old = *self->node;
  *self->node = node;
  if (old.name != node.name) atk_object_set_name(object, node.name.c_str());
  for (AtkStateType state : kNodeStates)
    if (has_state(old, state) != has_state(node, state))
      atk_object_notify_state_change(object, state, has_state(node, state));
  if (old.box != node.box) tell_bounds(object);
}

// Told of no change: the removal from the window was the event, and a change told after it would
// name an object the clients have already let go.
void node_object_detach(AtkObject* object) { self_of(object)->parent = nullptr; }

}  // namespace metria
