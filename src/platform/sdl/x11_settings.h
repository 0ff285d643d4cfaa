// The X server's resolution settings, read through Xlib when SDL runs on X11.
#pragma once

#include <optional>

namespace metria {

struct X11Settings {
  std::optional<double> xft_dpi;     // Xft.dpi in the server's resource database (xrdb)
  std::optional<double> screen_dpi;  // the default screen's width in pixels per inch
};

// Empty when SDL does not use X11 or the X library cannot be loaded. Xlib is loaded at run time,
// so the program neither links it nor needs it on other video drivers.
X11Settings read_x11_settings();

}  // namespace metria
