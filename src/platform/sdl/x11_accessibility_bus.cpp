// Reads the root window's AT_SPI_BUS through Xlib, loaded at run time so that the program does not
// link it, over a connection of its own: SDL's connection belongs to the SDL thread.
#include "platform/sdl/x11_accessibility_bus.h"

#include <SDL.h>
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <glib.h>

#include <cstdio>

#include "platform/sdl/loaded_function.h"

namespace metria {

namespace {

struct Xlib {
  decltype(&XOpenDisplay) open_display = nullptr;
  decltype(&XInternAtom) intern_atom = nullptr;
  decltype(&XDefaultRootWindow) default_root_window = nullptr;
  decltype(&XGetWindowProperty) get_window_property = nullptr;
  decltype(&XFree) free = nullptr;
  decltype(&XCloseDisplay) close_display = nullptr;
};

// The display the bridge asks, on an X session only: AT_SPI_DISPLAY as it is, else DISPLAY without
// its screen number, so that the property is read from the first screen's root window, where the
// bus launcher puts it.
std::string display_name() {
  const char* display = g_getenv("DISPLAY");
  if (!display || g_getenv("WAYLAND_DISPLAY")) return {};
  if (const char* chosen = g_getenv("AT_SPI_DISPLAY")) return chosen;
  std::string name = display;
  const std::size_t colon = name.rfind(':');
  const std::size_t dot = name.rfind('.');
  if (colon != std::string::npos && dot != std::string::npos && dot > colon) name.erase(dot);
  return name;
}

std::string read_property(const Xlib& x, const std::string& name) {
  Display* display = x.open_display(name.c_str());
  if (!display) return {};
  std::string address;
  Atom type = None;
  int format = 0;
  unsigned long items = 0;
  unsigned long left = 0;
  unsigned char* data = nullptr;
  const Atom property = x.intern_atom(display, "AT_SPI_BUS", False);
  if (x.get_window_property(display, x.default_root_window(display), property, 0, BUFSIZ, False, XA_STRING, &type,
                            &format, &items, &left, &data) == Success &&
      data) {
    if (type == XA_STRING && format == 8) address.assign(reinterpret_cast<const char*>(data), items);
    x.free(data);
  }
  x.close_display(display);
  return address;
}

}  // namespace

std::string accessibility_bus_of_display() {
  const std::string name = display_name();
  if (name.empty()) return {};
  void* library = SDL_LoadObject("libX11.so.6");
  if (!library) return {};
  Xlib x;
  std::string address;
  if (load_function(library, "XOpenDisplay", x.open_display) && load_function(library, "XInternAtom", x.intern_atom) &&
      load_function(library, "XDefaultRootWindow", x.default_root_window) &&
      load_function(library, "XGetWindowProperty", x.get_window_property) && load_function(library, "XFree", x.free) &&
      load_function(library, "XCloseDisplay", x.close_display)) {
    address = read_property(x, name);
  }
  SDL_UnloadObject(library);
  return address;
}

}  // namespace metria
