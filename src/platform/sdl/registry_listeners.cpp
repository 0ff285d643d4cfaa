// The registry's list of registered events, read over GDBus on the accessibility bus.
#include "platform/sdl/registry_listeners.h"

#include <string_view>

#include "platform/sdl/x11_accessibility_bus.h"

namespace metria {

namespace {

constexpr const char* kRegistry = "org.a11y.atspi.Registry";
constexpr const char* kRegistryPath = "/org/a11y/atspi/registry";

bool same_word(std::string_view a, std::string_view b) {
  return a.size() == b.size() && g_ascii_strncasecmp(a.data(), b.data(), a.size()) == 0;
}

// Whether a registered event ("Interface:Member:Detail", a part left empty standing for any) brings
// the client the events of that interface and member.
bool covers(std::string_view event, std::string_view interface, std::string_view member) {
  const std::size_t first = event.find(':');
  const std::string_view registered_interface = event.substr(0, first);
  std::string_view registered_member;
  if (first != std::string_view::npos) {
    registered_member = event.substr(first + 1);
    registered_member = registered_member.substr(0, registered_member.find(':'));
  }
  return (registered_interface.empty() || same_word(registered_interface, interface)) &&
         (registered_member.empty() || same_word(registered_member, member));
}

// An operation cancelled when its owner went away finishes with an error, and touches nothing of it.
bool failed(GError* error) {
  if (!error) return false;
  g_error_free(error);
  return true;
}

}  // namespace

Listeners listeners_of(const std::vector<std::pair<std::string, std::string>>& registered_events) {
  Listeners listeners;
  listeners.any = !registered_events.empty();
  for (const auto& [bus, event] : registered_events) {
    listeners.announcements = listeners.announcements || covers(event, "Object", "Announcement");
    listeners.window_activation = listeners.window_activation || covers(event, "Window", "Activate");
  }
  return listeners;
}

RegistryListeners::RegistryListeners(Changed changed)
    : m_changed(std::move(changed)), m_cancellable(g_cancellable_new()) {
  if (const char* address = g_getenv("AT_SPI_BUS_ADDRESS"); address && *address) {
    connect_to(address);
    return;
  }
  if (const std::string address = accessibility_bus_of_display(); !address.empty()) {
    connect_to(address.c_str());
    return;
  }
  g_bus_get(
      G_BUS_TYPE_SESSION, m_cancellable,
      [](GObject*, GAsyncResult* result, gpointer self) {
        GError* error = nullptr;
        GDBusConnection* session = g_bus_get_finish(result, &error);
        if (failed(error)) return;
        auto* owner = static_cast<RegistryListeners*>(self);
        g_dbus_connection_call(
            session, "org.a11y.Bus", "/org/a11y/bus", "org.a11y.Bus", "GetAddress", nullptr, G_VARIANT_TYPE("(s)"),
            G_DBUS_CALL_FLAGS_NONE, -1, owner->m_cancellable,
            [](GObject* source, GAsyncResult* reply_result, gpointer reply_self) {
              GError* reply_error = nullptr;
              GVariant* reply = g_dbus_connection_call_finish(G_DBUS_CONNECTION(source), reply_result, &reply_error);
              if (failed(reply_error)) return;
              const gchar* address = nullptr;
              g_variant_get(reply, "(&s)", &address);
              static_cast<RegistryListeners*>(reply_self)->connect_to(address);
              g_variant_unref(reply);
            },
            owner);
        g_object_unref(session);
      },
      this);
}

RegistryListeners::~RegistryListeners() {
  g_cancellable_cancel(m_cancellable);
  if (m_bus) {
    g_dbus_connection_signal_unsubscribe(m_bus, m_subscription);
    g_dbus_connection_close_sync(m_bus, nullptr, nullptr);
    g_object_unref(m_bus);
  }
  g_object_unref(m_cancellable);
}

void RegistryListeners::connect_to(const char* address) {
  g_dbus_connection_new_for_address(
      address,
      static_cast<GDBusConnectionFlags>(G_DBUS_CONNECTION_FLAGS_AUTHENTICATION_CLIENT |
                                        G_DBUS_CONNECTION_FLAGS_MESSAGE_BUS_CONNECTION),
      nullptr, m_cancellable,
      [](GObject*, GAsyncResult* result, gpointer self) {
        GError* error = nullptr;
        GDBusConnection* bus = g_dbus_connection_new_for_address_finish(result, &error);
        if (failed(error)) return;
        auto* owner = static_cast<RegistryListeners*>(self);
        owner->m_bus = bus;
        // Both signals, EventListenerRegistered and EventListenerDeregistered: each is a new list.
        owner->m_subscription = g_dbus_connection_signal_subscribe(
            bus, kRegistry, kRegistry, nullptr, kRegistryPath, nullptr, G_DBUS_SIGNAL_FLAGS_NONE,
            [](GDBusConnection*, const gchar*, const gchar*, const gchar*, const gchar*, GVariant*, gpointer data) {
              static_cast<RegistryListeners*>(data)->ask();
            },
            owner, nullptr);
        owner->ask();
      },
      this);
}

void RegistryListeners::ask() {
  g_dbus_connection_call(
      m_bus, kRegistry, kRegistryPath, kRegistry, "GetRegisteredEvents", nullptr, G_VARIANT_TYPE("(a(ss))"),
      G_DBUS_CALL_FLAGS_NONE, -1, m_cancellable,
      [](GObject* source, GAsyncResult* result, gpointer self) {
        GError* error = nullptr;
        GVariant* reply = g_dbus_connection_call_finish(G_DBUS_CONNECTION(source), result, &error);
        if (failed(error)) return;
        std::vector<std::pair<std::string, std::string>> events;
        GVariantIter* iter = nullptr;
        g_variant_get(reply, "(a(ss))", &iter);
        const gchar* bus = nullptr;
        const gchar* event = nullptr;
        while (g_variant_iter_next(iter, "(&s&s)", &bus, &event)) events.emplace_back(bus, event);
        g_variant_iter_free(iter);
        g_variant_unref(reply);
        auto* owner = static_cast<RegistryListeners*>(self);
        const Listeners listeners = listeners_of(events);
        if (listeners == owner->m_listeners) return;
        owner->m_listeners = listeners;
        owner->m_changed(listeners);
      },
      this);
}

}  // namespace metria
