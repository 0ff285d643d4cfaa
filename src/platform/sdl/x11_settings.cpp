// Reads Xft.dpi and the screen resolution over a short-lived connection of its own, before any
// window exists (SDL hands out its own X connection only for a window).
#include "platform/sdl/x11_settings.h"

#include <SDL.h>

#include <cstring>

#include "platform/sdl/display_scale.h"
#include "platform/sdl/loaded_function.h"

namespace metria {

namespace {

struct Display;  // Xlib's, used only through pointers

struct Xlib {
  Display* (*open_display)(const char*);
  char* (*resource_manager_string)(Display*);
  int (*default_screen)(Display*);
  int (*display_width)(Display*, int);
  int (*display_width_mm)(Display*, int);
  int (*close_display)(Display*);
};

constexpr double kMillimetresPerInch = 25.4;

}  // namespace

X11Settings read_x11_settings() {
  X11Settings settings;
  const char* driver = SDL_GetCurrentVideoDriver();
  if (!driver || std::strcmp(driver, "x11") != 0) return settings;
  void* library = SDL_LoadObject("libX11.so.6");
  if (!library) return settings;
  Xlib x{};
  if (load_function(library, "XOpenDisplay", x.open_display) &&
      load_function(library, "XResourceManagerString", x.resource_manager_string) &&
      load_function(library, "XDefaultScreen", x.default_screen) &&
      load_function(library, "XDisplayWidth", x.display_width) &&
      load_function(library, "XDisplayWidthMM", x.display_width_mm) &&
      load_function(library, "XCloseDisplay", x.close_display)) {
    if (Display* display = x.open_display(nullptr)) {
      if (const char* resources = x.resource_manager_string(display)) settings.xft_dpi = xft_dpi_of(resources);
      const int screen = x.default_screen(display);
      const int width_mm = x.display_width_mm(display, screen);
      if (width_mm > 0) settings.screen_dpi = x.display_width(display, screen) * kMillimetresPerInch / width_mm;
      x.close_display(display);
    }
  }
  SDL_UnloadObject(library);
  return settings;
}

}  // namespace metria
