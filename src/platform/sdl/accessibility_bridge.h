// The program's windows for a screen reader on the desktop: ATK objects, which the ATK bridge
// (atk-bridge, no GTK) exposes on the AT-SPI bus. The objects live on the GLib thread; the SDL
// thread only hands it copies of what changed, and its requests (a control focused or acted on by a
// screen reader) come back to the SDL thread as one SDL event.
#pragma once

#include <atomic>
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "platform/sdl/accessibility_messages.h"
#include "platform/sdl/glib_thread.h"

union SDL_Event;

namespace metria {

class AccessibleTree;
class App;
class RegistryListeners;
class WindowLookup;

class AccessibilityBridge {
 public:
  // Whether a screen reader could be reached at all: not where NO_AT_BRIDGE=1 asks for none, nor
  // without a session bus, which the accessibility bus is found through. Read from the environment
  // only, so that a run without either starts no thread.
  static bool wanted();

  // Starts the bridge on the GLib thread; where it finds no accessibility bus, the program goes on
  // as without it, and nothing listens.
  explicit AccessibilityBridge(GlibThread& glib);
  // Takes the objects off the bus and destroys them on the GLib thread.
  ~AccessibilityBridge();
  AccessibilityBridge(const AccessibilityBridge&) = delete;
  AccessibilityBridge& operator=(const AccessibilityBridge&) = delete;

  // Some client of the accessibility bus listens for events: only then are nodes worth making.
  // When one starts listening, the SDL thread is woken to publish what the windows show.
  bool listened_to() const { return m_listened.load(); }

  // What the SDL thread tells; window: the SDL window id. bounds: the client area on the screen.
  void window_opened(std::uint32_t window, const std::string& title, PixelRect bounds);
  void window_moved(std::uint32_t window, PixelRect bounds);
  void window_closed(std::uint32_t window);
  void publish(std::uint32_t window, std::vector<AccessibleNode> nodes);
  void announce(const std::string& words);

  // The requests made since the last call, in order; on the SDL thread.
  std::vector<ControlRequest> take_requests();

 private:
  void request(ControlRequest request);
  void wake_sdl_thread();

  GlibThread& m_glib;
  std::atomic<bool> m_listened{false};
  std::mutex m_requests_mutex;
  std::vector<ControlRequest> m_requests;
  // The GLib thread's own.
  std::unique_ptr<AccessibleTree> m_tree;
  std::unique_ptr<RegistryListeners> m_registry;
};

// The event the bridge wakes the SDL thread with: it delivers the requests made meanwhile to the
// windows they are for. A client that has just started listening sends no request: the frame's
// next step publishes the nodes.
bool is_accessibility_event(const SDL_Event& event);
void deliver_accessibility_requests(App& app, const WindowLookup& windows, const SDL_Event& event);

}  // namespace metria
