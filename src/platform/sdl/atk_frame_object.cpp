// A window's frame as an ATK object, over its WindowFrame.
#include "platform/sdl/atk_frame_object.h"

#include "platform/sdl/window_frame.h"

namespace metria {

namespace {

struct MetriaFrameObject {
  AtkObject parent_instance;
  const WindowFrame* frame;  // null once the window is gone
};

struct MetriaFrameObjectClass {
  AtkObjectClass parent_class;
};

void metria_frame_object_component_init(AtkComponentIface* iface);
// AtkWindow has only signals (activate, create, destroy…), which the bridge sends as window events.
void metria_frame_object_window_init(AtkWindowIface*) {}

G_DEFINE_TYPE_WITH_CODE(MetriaFrameObject, metria_frame_object, ATK_TYPE_OBJECT,
                        G_IMPLEMENT_INTERFACE(ATK_TYPE_COMPONENT, metria_frame_object_component_init)
                            G_IMPLEMENT_INTERFACE(ATK_TYPE_WINDOW, metria_frame_object_window_init))

const WindowFrame* frame_of(gpointer object) { return reinterpret_cast<MetriaFrameObject*>(object)->frame; }

void metria_frame_object_init(MetriaFrameObject* self) { self->frame = nullptr; }

AtkObject* get_parent(AtkObject* object) {
  const WindowFrame* frame = frame_of(object);
  return frame ? frame->parent_object() : nullptr;
}

gint get_index_in_parent(AtkObject* object) {
  const WindowFrame* frame = frame_of(object);
  return frame ? frame->index_in_parent() : -1;
}

gint get_n_children(AtkObject* object) {
  const WindowFrame* frame = frame_of(object);
  return frame ? frame->child_count() : 0;
}

AtkObject* ref_child(AtkObject* object, gint i) {
  const WindowFrame* frame = frame_of(object);
  AtkObject* child = frame ? frame->child(i) : nullptr;
  return child ? static_cast<AtkObject*>(g_object_ref(child)) : nullptr;
}

AtkStateSet* ref_state_set(AtkObject* object) {
  const WindowFrame* frame = frame_of(object);
  AtkStateSet* states = atk_state_set_new();
  if (!frame) {
    atk_state_set_add_state(states, ATK_STATE_DEFUNCT);
    return states;
  }
  for (AtkStateType state : {ATK_STATE_VISIBLE, ATK_STATE_SHOWING, ATK_STATE_ENABLED, ATK_STATE_SENSITIVE})
    atk_state_set_add_state(states, state);
  if (frame->active()) atk_state_set_add_state(states, ATK_STATE_ACTIVE);
  return states;
}

void metria_frame_object_class_init(MetriaFrameObjectClass* klass) {
  AtkObjectClass* atk = ATK_OBJECT_CLASS(klass);
  atk->get_parent = get_parent;
  atk->get_index_in_parent = get_index_in_parent;
  atk->get_n_children = get_n_children;
  atk->ref_child = ref_child;
  atk->ref_state_set = ref_state_set;
}

// The client area on the screen; relative to the window itself it starts at 0, 0.
void get_extents(AtkComponent* component, gint* x, gint* y, gint* width, gint* height, AtkCoordType coords) {
  const WindowFrame* frame = frame_of(component);
  const PixelRect bounds = frame ? frame->screen_bounds() : PixelRect{};
  *x = coords == ATK_XY_WINDOW ? 0 : bounds.x;
  *y = coords == ATK_XY_WINDOW ? 0 : bounds.y;
  *width = bounds.w;
  *height = bounds.h;
}

AtkLayer get_layer(AtkComponent*) { return ATK_LAYER_WINDOW; }

void metria_frame_object_component_init(AtkComponentIface* iface) {
  iface->get_extents = get_extents;
  iface->get_layer = get_layer;
}

}  // namespace

AtkObject* frame_object_new(const WindowFrame& frame, const std::string& title) {
  auto* object = static_cast<AtkObject*>(g_object_new(metria_frame_object_get_type(), nullptr));
  reinterpret_cast<MetriaFrameObject*>(object)->frame = &frame;
  atk_object_set_role(object, ATK_ROLE_FRAME);
  atk_object_set_name(object, title.c_str());
  return object;
}

void frame_object_detach(AtkObject* object) { reinterpret_cast<MetriaFrameObject*>(object)->frame = nullptr; }

}  // namespace metria
