// The accessibility bus an X display announces: the bus launcher of the session that owns the
// display puts its address on the root window, and the ATK bridge prefers it to the one the session
// bus gives. Whoever watches that bus must look it up the same way.
#pragma once

#include <string>

namespace metria {

// AT_SPI_BUS of the root window of the display in AT_SPI_DISPLAY, else DISPLAY; empty without an X
// display (or under Wayland, where the bridge does not look), or where the property is not set.
// Opens a short-lived connection of its own, so it may run on any thread; Xlib is loaded at run time.
std::string accessibility_bus_of_display();

}  // namespace metria
