// An X error handler that reports instead of ending the program. Xlib is loaded at run time, as
// SDL itself loads it, so the program does not link it.
#include "platform/sdl/x11_errors.h"

#include <SDL.h>
#include <X11/Xlib.h>

#include <cstdio>

namespace metria {

namespace {

int report_x11_error(Display*, XErrorEvent* error) {
  // BadWindow and BadDrawable name a window that is already gone: nothing is lost by it.
  if (error->error_code != BadWindow && error->error_code != BadDrawable)
    std::fprintf(stderr, "metria: warning: the X server refused request %d (error %d)\n", error->request_code,
                 error->error_code);
  return 0;
}

}  // namespace

void keep_running_on_x11_errors() {
  // The same libX11 that SDL loads later (one per process), kept loaded for the whole run: the
  // handler must outlive SDL's connections.
  void* library = SDL_LoadObject("libX11.so.6");
  if (!library) return;
  using SetErrorHandler = XErrorHandler (*)(XErrorHandler);
  if (auto set_handler = reinterpret_cast<SetErrorHandler>(SDL_LoadFunction(library, "XSetErrorHandler")))
    set_handler(report_x11_error);
}

}  // namespace metria
