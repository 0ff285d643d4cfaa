// The desktop's contrast and motion settings: the portal's answers in the shape of its first
// interface version, GSettings where the portal has none, and changes followed while running.
#include "platform/sdl/system_appearance.h"

#include <gio/gio.h>
#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <mutex>
#include <optional>

#include "platform/private_session_bus.h"
#include "platform/sdl/appearance_settings.h"
#include "platform/sdl/glib_thread.h"

namespace metria::testing {
namespace {

GVariant* wrapped(GVariant* value) { return g_variant_ref_sink(g_variant_new_variant(g_variant_new_variant(value))); }

bool store(AppearanceSettings& settings, const char* name_space, const char* key, GVariant* value) {
  GVariant* owned = g_variant_ref_sink(value);
  const bool stored = store_setting(settings, name_space, key, owned);
  g_variant_unref(owned);
  return stored;
}

TEST(AppearanceSettings, TheFreedesktopKeysComeBeforeGnomesAndWrappingsAreLookedThrough) {
  AppearanceSettings settings;
  EXPECT_EQ(preferences_of(settings), Preferences{});
  EXPECT_TRUE(store(settings, "org.gnome.desktop.a11y.interface", "high-contrast", g_variant_new_boolean(TRUE)));
  EXPECT_TRUE(
      store(settings, "org.gnome.desktop.interface", "enable-animations", wrapped(g_variant_new_boolean(FALSE))));
  EXPECT_EQ(preferences_of(settings), (Preferences{.reduced_motion = true, .high_contrast = true}));
  EXPECT_TRUE(store(settings, "org.freedesktop.appearance", "contrast", wrapped(g_variant_new_uint32(0))));
  EXPECT_TRUE(store(settings, "org.freedesktop.appearance", "reduced-motion", g_variant_new_uint32(0)));
  EXPECT_EQ(preferences_of(settings), Preferences{});
  EXPECT_FALSE(store(settings, "org.freedesktop.appearance", "contrast", g_variant_new_boolean(TRUE)));
  EXPECT_FALSE(store(settings, "org.freedesktop.appearance", "color-scheme", g_variant_new_uint32(1)));
  EXPECT_EQ(preferences_of(settings), Preferences{});
}

// The Preferences the reader handed on last, waited for with a deadline.
class Announced {
 public:
  void operator()(const Preferences& preferences) {
    std::lock_guard lock(m_mutex);
    m_last = preferences;
    m_changed.notify_all();
  }
  bool become(const Preferences& expected) {
    std::unique_lock lock(m_mutex);
    return m_changed.wait_for(lock, std::chrono::seconds(10), [&] { return m_last == expected; });
  }

 private:
  std::mutex m_mutex;
  std::condition_variable m_changed;
  std::optional<Preferences> m_last;
};

// GSettings reads a key file under a configuration folder of the process's own. GLib takes the
// folder and the backend once per process, so every test shares them.
class SystemAppearanceTest : public ::testing::Test {
 protected:
  struct ConfigFolder {
    ConfigFolder() {
      gchar* made = g_dir_make_tmp("metria-appearance-XXXXXX", nullptr);
      path = made;
      g_free(made);
      std::filesystem::create_directories(path / "glib-2.0" / "settings");
      setenv("XDG_CONFIG_HOME", path.c_str(), 1);
      setenv("GSETTINGS_BACKEND", "keyfile", 1);
    }
    ~ConfigFolder() { std::filesystem::remove_all(path); }
    std::filesystem::path path;
  };
  static const std::filesystem::path& folder() {
    static const ConfigFolder config;
    return config.path;
  }
  static void write_gnome_settings(bool high_contrast, bool animations) {
    std::ofstream(folder() / "glib-2.0" / "settings" / "keyfile")
        << "[org/gnome/desktop/a11y/interface]\nhigh-contrast=" << (high_contrast ? "true" : "false")
        << "\n\n[org/gnome/desktop/interface]\nenable-animations=" << (animations ? "true" : "false") << "\n";
  }
};

TEST_F(SystemAppearanceTest, WithoutAPortalGnomesSettingsAreReadAndFollowed) {
  write_gnome_settings(true, false);
  PrivateSessionBus bus(folder());
  GlibThread glib;
  Announced announced;
  SystemAppearance appearance(glib, std::ref(announced));
  EXPECT_TRUE(announced.become({.reduced_motion = true, .high_contrast = true}));
  write_gnome_settings(false, false);
  EXPECT_TRUE(announced.become({.reduced_motion = true, .high_contrast = false}));
}

// Answers Read as Debian 12's portal does (interface version 1): the value inside one variant more
// than the method declares; the freedesktop contrast key and GNOME's keys, not reduced-motion.
class StubPortal {
 public:
  StubPortal(GlibThread& glib, const std::string& address) : m_glib(glib) {
    m_glib.run_and_wait([&] {
      m_connection =
          g_dbus_connection_new_for_address_sync(address.c_str(),
                                                 GDBusConnectionFlags(G_DBUS_CONNECTION_FLAGS_AUTHENTICATION_CLIENT |
                                                                      G_DBUS_CONNECTION_FLAGS_MESSAGE_BUS_CONNECTION),
                                                 nullptr, nullptr, nullptr);
      GDBusNodeInfo* node = g_dbus_node_info_new_for_xml(
          "<node><interface name='org.freedesktop.portal.Settings'><method name='Read'>"
          "<arg type='s' direction='in'/><arg type='s' direction='in'/><arg type='v' direction='out'/>"
          "</method></interface></node>",
          nullptr);
      static const GDBusInterfaceVTable vtable = {.method_call = answer_read};
      g_dbus_connection_register_object(m_connection, "/org/freedesktop/portal/desktop", node->interfaces[0], &vtable,
                                        nullptr, nullptr, nullptr);
      g_dbus_node_info_unref(node);
      GVariant* owned = g_dbus_connection_call_sync(m_connection, "org.freedesktop.DBus", "/org/freedesktop/DBus",
                                                    "org.freedesktop.DBus", "RequestName",
                                                    g_variant_new("(su)", "org.freedesktop.portal.Desktop", 0u),
                                                    nullptr, G_DBUS_CALL_FLAGS_NONE, -1, nullptr, nullptr);
      EXPECT_NE(owned, nullptr);
      if (owned) g_variant_unref(owned);
    });
  }
  ~StubPortal() {
    m_glib.run_and_wait([&] {
      g_dbus_connection_close_sync(m_connection, nullptr, nullptr);
      g_object_unref(m_connection);
    });
  }

  void change(const char* name_space, const char* key, GVariant* value) {
    g_dbus_connection_emit_signal(m_connection, nullptr, "/org/freedesktop/portal/desktop",
                                  "org.freedesktop.portal.Settings", "SettingChanged",
                                  g_variant_new("(ssv)", name_space, key, value), nullptr);
  }

 private:
  static void answer_read(GDBusConnection*, const gchar*, const gchar*, const gchar*, const gchar*,
                          GVariant* parameters, GDBusMethodInvocation* invocation, gpointer) {
    const gchar* name_space = nullptr;
    const gchar* key = nullptr;
    g_variant_get(parameters, "(&s&s)", &name_space, &key);
    const std::string name = std::string(name_space) + " " + key;
    GVariant* value = name == "org.freedesktop.appearance contrast"              ? g_variant_new_uint32(1)
                      : name == "org.gnome.desktop.a11y.interface high-contrast" ? g_variant_new_boolean(FALSE)
                      : name == "org.gnome.desktop.interface enable-animations"  ? g_variant_new_boolean(TRUE)
                                                                                 : nullptr;
    if (!value) {
      g_dbus_method_invocation_return_dbus_error(invocation, "org.freedesktop.portal.Error.NotFound",
                                                 "Requested setting not found");
      return;
    }
    g_dbus_method_invocation_return_value(invocation, g_variant_new("(v)", g_variant_new_variant(value)));
  }

  GlibThread& m_glib;
  GDBusConnection* m_connection = nullptr;
};

TEST_F(SystemAppearanceTest, ThePortalIsReadInItsFirstVersionsShapeAndFollowed) {
  write_gnome_settings(true, false);  // the portal's answers come first
  PrivateSessionBus bus(folder());
  GlibThread glib;
  StubPortal portal(glib, bus.address());
  Announced announced;
  SystemAppearance appearance(glib, std::ref(announced));
  EXPECT_TRUE(announced.become({.reduced_motion = false, .high_contrast = true}));
  portal.change("org.gnome.desktop.interface", "enable-animations", g_variant_new_boolean(FALSE));
  EXPECT_TRUE(announced.become({.reduced_motion = true, .high_contrast = true}));
  portal.change("org.freedesktop.appearance", "contrast", g_variant_new_uint32(0));
  EXPECT_TRUE(announced.become({.reduced_motion = true, .high_contrast = false}));
}

}  // namespace
}  // namespace metria::testing
