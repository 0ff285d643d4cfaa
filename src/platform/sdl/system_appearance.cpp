// Asks the portal's Settings interface for each setting and, where it has no answer (no session
// bus, no portal, a portal too old for the freedesktop keys or with no GNOME backend), reads the
// same key from GSettings when its schema is installed; then follows the portal's SettingChanged
// signal and GSettings' changed signals. Everything here runs on the GLib thread.
#include "platform/sdl/system_appearance.h"

#include <gio/gio.h>

#include <string>
#include <vector>

#include "platform/sdl/appearance_settings.h"
#include "platform/sdl/glib_thread.h"

namespace metria {

namespace {

constexpr const char* kPortalName = "org.freedesktop.portal.Desktop";
constexpr const char* kPortalPath = "/org/freedesktop/portal/desktop";
constexpr const char* kSettingsInterface = "org.freedesktop.portal.Settings";
// A portal that exports no Settings (as happens without a display) leaves a call unanswered: the
// settings then come from GSettings after this long.
constexpr int kPortalTimeoutMs = 500;

}  // namespace

class SystemAppearance::Reader : public std::enable_shared_from_this<Reader> {
 public:
  explicit Reader(Changed changed) : m_changed(std::move(changed)) {}
  ~Reader();
  Reader(const Reader&) = delete;
  Reader& operator=(const Reader&) = delete;

  void start();

 private:
  // What an asynchronous callback gets: the reader if it still lives, and the setting it asked for.
  struct Pending {
    std::weak_ptr<Reader> reader;
    std::size_t setting = 0;
  };

  void bus_ready(GDBusConnection* bus);
  void read_answered(std::size_t setting, GVariant* reply);
  void portal_setting_changed(GVariant* parameters);
  void follow_gsettings(const SettingName& name);
  void store_gsettings(GSettings* settings, const char* key);
  // Hands the Preferences on if every first read has answered and they differ from the last ones.
  void announce();

  Changed m_changed;
  GDBusConnection* m_bus = nullptr;
  guint m_subscription = 0;
  std::vector<GSettings*> m_followed;
  AppearanceSettings m_settings;
  std::size_t m_unanswered = kAppearanceSettingNames.size();
  Preferences m_announced;
};

SystemAppearance::Reader::~Reader() {
  for (GSettings* settings : m_followed) {
    g_signal_handlers_disconnect_by_data(settings, this);
    g_object_unref(settings);
  }
  if (m_subscription != 0) g_dbus_connection_signal_unsubscribe(m_bus, m_subscription);
  if (m_bus) g_object_unref(m_bus);
}

void SystemAppearance::Reader::start() {
  g_bus_get(
      G_BUS_TYPE_SESSION, nullptr,
      [](GObject*, GAsyncResult* result, gpointer data) {
        std::unique_ptr<Pending> pending(static_cast<Pending*>(data));
        GDBusConnection* bus = g_bus_get_finish(result, nullptr);
        if (auto reader = pending->reader.lock()) reader->bus_ready(bus);
        if (bus) g_object_unref(bus);
      },
      new Pending{weak_from_this()});
}

void SystemAppearance::Reader::bus_ready(GDBusConnection* bus) {
  if (!bus) {
    for (const SettingName& name : kAppearanceSettingNames) follow_gsettings(name);
    m_unanswered = 0;
    announce();
    return;
  }
  m_bus = G_DBUS_CONNECTION(g_object_ref(bus));
  // A session bus that goes away takes the settings' updates with it, not the program (GLib's
  // shared connection would otherwise end the process).
  g_dbus_connection_set_exit_on_close(m_bus, FALSE);
  // Subscribed before the first read, so that no change falls between the two.
  m_subscription = g_dbus_connection_signal_subscribe(
      m_bus, kPortalName, kSettingsInterface, "SettingChanged", kPortalPath, nullptr, G_DBUS_SIGNAL_FLAGS_NONE,
      [](GDBusConnection*, const gchar*, const gchar*, const gchar*, const gchar*, GVariant* parameters,
         gpointer data) {
        if (auto reader = static_cast<std::weak_ptr<Reader>*>(data)->lock()) reader->portal_setting_changed(parameters);
      },
      new std::weak_ptr<Reader>(weak_from_this()),
      [](gpointer data) { delete static_cast<std::weak_ptr<Reader>*>(data); });
  // Read rather than ReadOne: the first version of the interface, the one Debian 12's portal has,
  // knows only Read.
  for (std::size_t setting = 0; setting < kAppearanceSettingNames.size(); ++setting) {
    const SettingName& name = kAppearanceSettingNames[setting];
    g_dbus_connection_call(
        m_bus, kPortalName, kPortalPath, kSettingsInterface, "Read", g_variant_new("(ss)", name.name_space, name.key),
        G_VARIANT_TYPE("(v)"), G_DBUS_CALL_FLAGS_NONE, kPortalTimeoutMs, nullptr,
        [](GObject* source, GAsyncResult* result, gpointer data) {
          std::unique_ptr<Pending> pending(static_cast<Pending*>(data));
          GVariant* reply = g_dbus_connection_call_finish(G_DBUS_CONNECTION(source), result, nullptr);
          if (auto reader = pending->reader.lock()) reader->read_answered(pending->setting, reply);
          if (reply) g_variant_unref(reply);
        },
        new Pending{weak_from_this(), setting});
  }
}

void SystemAppearance::Reader::read_answered(std::size_t setting, GVariant* reply) {
  const SettingName& name = kAppearanceSettingNames[setting];
  bool stored = false;
  if (reply) {
    GVariant* value = g_variant_get_child_value(reply, 0);
    stored = store_setting(m_settings, name.name_space, name.key, value);
    g_variant_unref(value);
  }
  if (!stored) follow_gsettings(name);
  --m_unanswered;
  announce();
}

void SystemAppearance::Reader::portal_setting_changed(GVariant* parameters) {
  if (!g_variant_is_of_type(parameters, G_VARIANT_TYPE("(ssv)"))) return;
  const gchar* name_space = nullptr;
  const gchar* key = nullptr;
  GVariant* value = nullptr;
  g_variant_get(parameters, "(&s&sv)", &name_space, &key, &value);
  if (store_setting(m_settings, name_space, key, value)) announce();
  g_variant_unref(value);
}

// g_settings_new aborts the program on a schema that is not installed, hence the lookup first. The
// freedesktop namespaces have no schema, so only GNOME's keys are found here.
void SystemAppearance::Reader::follow_gsettings(const SettingName& name) {
  GSettingsSchemaSource* source = g_settings_schema_source_get_default();
  GSettingsSchema* schema = source ? g_settings_schema_source_lookup(source, name.name_space, TRUE) : nullptr;
  if (!schema) return;
  if (g_settings_schema_has_key(schema, name.key)) {
    GSettings* settings = g_settings_new_full(schema, nullptr, nullptr);
    // Connected before the first read: GSettings reports changes only of keys read since.
    const std::string signal = std::string("changed::") + name.key;
    g_signal_connect(settings, signal.c_str(), G_CALLBACK(+[](GSettings* changed, const gchar* key, gpointer data) {
                       static_cast<Reader*>(data)->store_gsettings(changed, key);
                       static_cast<Reader*>(data)->announce();
                     }),
                     this);
    m_followed.push_back(settings);
    store_gsettings(settings, name.key);
  }
  g_settings_schema_unref(schema);
}

void SystemAppearance::Reader::store_gsettings(GSettings* settings, const char* key) {
  gchar* schema_id = nullptr;
  g_object_get(settings, "schema-id", &schema_id, nullptr);
  GVariant* value = g_settings_get_value(settings, key);
  store_setting(m_settings, schema_id, key, value);
  g_variant_unref(value);
  g_free(schema_id);
}

void SystemAppearance::Reader::announce() {
  if (m_unanswered > 0) return;
  const Preferences preferences = preferences_of(m_settings);
  if (preferences == m_announced) return;
  m_announced = preferences;
  m_changed(preferences);
}

SystemAppearance::SystemAppearance(GlibThread& glib, Changed changed)
    : m_glib(glib), m_reader(std::make_shared<Reader>(std::move(changed))) {
  m_glib.post([reader = std::weak_ptr<Reader>(m_reader)] {
    if (auto started = reader.lock()) started->start();
  });
}

SystemAppearance::~SystemAppearance() {
  m_glib.run_and_wait([this] { m_reader.reset(); });
}

}  // namespace metria
