// The application object and ATK's root.
#include "platform/sdl/atk_application_object.h"

namespace metria {

namespace {

struct MetriaApplicationObject {
  AtkObject parent_instance;
  const FrameList* frames;  // null once the frames are gone
};

struct MetriaApplicationObjectClass {
  AtkObjectClass parent_class;
};

G_DEFINE_TYPE(MetriaApplicationObject, metria_application_object, ATK_TYPE_OBJECT)

const FrameList* frames_of(AtkObject* object) { return reinterpret_cast<MetriaApplicationObject*>(object)->frames; }

void metria_application_object_init(MetriaApplicationObject* self) { self->frames = nullptr; }

gint get_n_children(AtkObject* object) {
  const FrameList* frames = frames_of(object);
  return frames ? frames->frame_count() : 0;
}

AtkObject* ref_child(AtkObject* object, gint i) {
  const FrameList* frames = frames_of(object);
  AtkObject* child = frames ? frames->frame_object(i) : nullptr;
  return child ? static_cast<AtkObject*>(g_object_ref(child)) : nullptr;
}

gint get_index_in_parent(AtkObject*) { return -1; }

void metria_application_object_class_init(MetriaApplicationObjectClass* klass) {
  AtkObjectClass* atk = ATK_OBJECT_CLASS(klass);
  atk->get_n_children = get_n_children;
  atk->ref_child = ref_child;
  atk->get_index_in_parent = get_index_in_parent;
}

AtkObject* g_root = nullptr;

AtkObject* get_root() { return g_root; }
const gchar* get_toolkit_name() { return "Metria"; }
const gchar* get_toolkit_version() { return "1"; }

// The window shown last, whose frame is the active one; null without windows or after the end.
AtkObject* active_frame() {
  const FrameList* frames = g_root ? frames_of(g_root) : nullptr;
  return frames ? frames->frame_object(frames->frame_count() - 1) : nullptr;
}

gboolean activate_again(gpointer) {
  if (AtkObject* frame = active_frame()) g_signal_emit_by_name(frame, "activate");
  return G_SOURCE_REMOVE;
}

// ATK's own way of adding the bridge's listeners, which this one passes them on to.
guint (*g_add_listener)(GSignalEmissionHook, const gchar*) = nullptr;

// The bridge passes events on only while some client listens, and adds its listeners when the
// first one comes: the activation of a window shown before then was lost, and the screen reader
// would not say its title. It is sent again once the bridge listens, from an idle, so that the
// bridge has all its listeners in place by then.
guint add_global_event_listener(GSignalEmissionHook listener, const gchar* event_type) {
  const guint id = g_add_listener(listener, event_type);
  if (id && g_strcmp0(event_type, "Atk:AtkWindow:activate") == 0) g_idle_add(activate_again, nullptr);
  return id;
}

}  // namespace

AtkObject* application_object_new(const FrameList& frames, const std::string& name) {
  auto* object = static_cast<AtkObject*>(g_object_new(metria_application_object_get_type(), nullptr));
  reinterpret_cast<MetriaApplicationObject*>(object)->frames = &frames;
  atk_object_set_role(object, ATK_ROLE_APPLICATION);
  atk_object_set_name(object, name.c_str());
  return object;
}

void application_object_detach(AtkObject* object) {
  reinterpret_cast<MetriaApplicationObject*>(object)->frames = nullptr;
}

void set_atk_root(AtkObject* root) {
  g_root = root;
  // The reference is kept, so that the class and the override in it stay for the process.
  auto* util = static_cast<AtkUtilClass*>(g_type_class_ref(ATK_TYPE_UTIL));
  util->get_root = get_root;
  util->get_toolkit_name = get_toolkit_name;
  util->get_toolkit_version = get_toolkit_version;
  if (util->add_global_event_listener && util->add_global_event_listener != add_global_event_listener) {
    g_add_listener = util->add_global_event_listener;
    util->add_global_event_listener = add_global_event_listener;
  }
}

}  // namespace metria
