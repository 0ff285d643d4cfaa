// The SDL thread's side of the accessibility bridge, and its start and end on the GLib thread.
#include "platform/sdl/accessibility_bridge.h"

#include <SDL.h>
#include <atk-bridge.h>

#include <filesystem>

#include "app/app.h"
#include "platform/sdl/accessible_tree.h"
#include "platform/sdl/event_translation.h"
#include "platform/sdl/registry_listeners.h"

namespace metria {

namespace {

// The name the desktop knows the program by (its menu entry).
constexpr const char* kProgramName = "メトリア";

std::uint32_t bridge_event_type() {
  static const std::uint32_t type = SDL_RegisterEvents(1);
  return type;
}

bool set(const char* variable) {
  const char* value = SDL_getenv(variable);
  return value && *value;
}

}  // namespace

bool AccessibilityBridge::wanted() {
  if (const char* off = SDL_getenv("NO_AT_BRIDGE"); off && std::string_view(off) == "1") return false;
  if (set("DBUS_SESSION_BUS_ADDRESS") || set("AT_SPI_BUS_ADDRESS")) return true;
  // D-Bus's own default place for the session bus.
  const char* runtime = SDL_getenv("XDG_RUNTIME_DIR");
  std::error_code no_bus;
  return runtime && *runtime && std::filesystem::exists(std::filesystem::path(runtime) / "bus", no_bus);
}

AccessibilityBridge::AccessibilityBridge(GlibThread& glib) : m_glib(glib) {
  bridge_event_type();
  m_glib.post([this] {
    m_tree = std::make_unique<AccessibleTree>(kProgramName, [this](ControlRequest r) { request(std::move(r)); });
    set_atk_root(m_tree->object());
    if (atk_bridge_adaptor_init(nullptr, nullptr) != 0) {
      // No accessibility bus after all: nothing will read the objects.
      set_atk_root(nullptr);
      m_tree.reset();
      return;
    }
    m_registry = std::make_unique<RegistryListeners>([this](const Listeners& listeners) {
      m_tree->listeners_changed(listeners);
      if (listeners.any && !m_listened.exchange(true)) wake_sdl_thread();
      if (!listeners.any) m_listened = false;
    });
  });
}

AccessibilityBridge::~AccessibilityBridge() {
  m_glib.run_and_wait([this] {
    if (!m_tree) return;
    m_registry.reset();
    // Off the bus first, so that no client's call reaches an object being destroyed.
    atk_bridge_adaptor_cleanup();
    set_atk_root(nullptr);
    m_tree.reset();
  });
}

void AccessibilityBridge::window_opened(std::uint32_t window, const std::string& title, PixelRect bounds) {
  m_glib.post([this, window, title, bounds] {
    if (m_tree) m_tree->open_window(window, title, bounds);
  });
}

void AccessibilityBridge::window_moved(std::uint32_t window, PixelRect bounds) {
  m_glib.post([this, window, bounds] {
    if (m_tree) m_tree->move_window(window, bounds);
  });
}

void AccessibilityBridge::window_closed(std::uint32_t window) {
  m_glib.post([this, window] {
    if (m_tree) m_tree->close_window(window);
  });
}

void AccessibilityBridge::publish(std::uint32_t window, std::vector<AccessibleNode> nodes) {
  m_glib.post([this, window, nodes = std::move(nodes)] {
    if (m_tree) m_tree->publish(window, nodes);
  });
}

void AccessibilityBridge::announce(const std::string& words) {
  m_glib.post([this, words] {
    if (m_tree) m_tree->announce(words);
  });
}

// On the GLib thread. One wake-up carries every request made before the SDL thread takes them.
void AccessibilityBridge::request(ControlRequest request) {
  bool first = false;
  {
    const std::lock_guard lock(m_requests_mutex);
    first = m_requests.empty();
    m_requests.push_back(std::move(request));
  }
  if (first) wake_sdl_thread();
}

std::vector<ControlRequest> AccessibilityBridge::take_requests() {
  const std::lock_guard lock(m_requests_mutex);
  return std::exchange(m_requests, {});
}

void AccessibilityBridge::wake_sdl_thread() {
  SDL_Event event{};
  event.type = bridge_event_type();
  event.user.data1 = this;
  SDL_PushEvent(&event);
}

bool is_accessibility_event(const SDL_Event& event) { return event.type == bridge_event_type(); }

void deliver_accessibility_requests(App& app, const WindowLookup& windows, const SDL_Event& event) {
  auto* bridge = static_cast<AccessibilityBridge*>(event.user.data1);
  for (const ControlRequest& request : bridge->take_requests()) {
    // A request for a window that has closed meanwhile is dropped.
    Window* window = windows.window_for(request.window);
    if (!window) continue;
    if (request.action == ControlAction::Focus) {
      app.focus_control(*window, request.control, request.index);
    } else {
      app.activate_control(*window, request.control, request.index);
    }
  }
}

}  // namespace metria
