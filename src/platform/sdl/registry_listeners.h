// Who listens on the accessibility bus: the registry of AT-SPI knows every event a client has asked
// for, and says when that changes. Asked again at each change, so that a client that went away
// leaves nothing behind. Lives on the accessibility thread; everything is asynchronous, and nothing
// runs while no client comes or goes.
#pragma once

#include <gio/gio.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "platform/sdl/accessible_tree.h"

namespace metria {

// Events as the registry lists them ("Object:StateChanged:Focused", "Object::" for every object
// event), read as what the program's clients listen for.
Listeners listeners_of(const std::vector<std::pair<std::string, std::string>>& registered_events);

class RegistryListeners {
 public:
  using Changed = std::function<void(const Listeners&)>;
  // Connects to the accessibility bus the ATK bridge is on (AT_SPI_BUS_ADDRESS, else the X
  // display's AT_SPI_BUS, else the address the session bus gives) and reports what is listened for
  // now, then at each change.
  explicit RegistryListeners(Changed changed);
  ~RegistryListeners();
  RegistryListeners(const RegistryListeners&) = delete;
  RegistryListeners& operator=(const RegistryListeners&) = delete;

 private:
  void connect_to(const char* address);
  void ask();

  Changed m_changed;
  GCancellable* m_cancellable;
  GDBusConnection* m_bus = nullptr;
  guint m_subscription = 0;
  Listeners m_listeners;
};

}  // namespace metria
