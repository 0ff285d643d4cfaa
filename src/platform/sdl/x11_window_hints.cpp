// Window manager hints through Xlib, loaded at run time as SDL itself loads it, so that the program
// does not link it.
#include "platform/sdl/x11_window_hints.h"

#include <SDL.h>
#include <SDL_syswm.h>
#include <X11/Xatom.h>
#include <X11/Xlib.h>

#include "platform/sdl/loaded_function.h"

namespace metria {

namespace {

// The few Xlib calls used here, from the libX11 that SDL has loaded.
struct Xlib {
  decltype(&XInternAtom) intern_atom = nullptr;
  decltype(&XChangeProperty) change_property = nullptr;
  decltype(&XGetWindowProperty) get_window_property = nullptr;
  decltype(&XSendEvent) send_event = nullptr;
  decltype(&XFree) free = nullptr;
  decltype(&XFlush) flush = nullptr;

  static const Xlib* get() {
    static const Xlib loaded = load();
    return loaded.flush ? &loaded : nullptr;
  }

 private:
  static Xlib load() {
    Xlib xlib;
    void* library = SDL_LoadObject("libX11.so.6");  // kept loaded: SDL holds it for the whole run
    if (!library) return xlib;
    load_function(library, "XInternAtom", xlib.intern_atom);
    load_function(library, "XChangeProperty", xlib.change_property);
    load_function(library, "XGetWindowProperty", xlib.get_window_property);
    load_function(library, "XSendEvent", xlib.send_event);
    load_function(library, "XFree", xlib.free);
    if (xlib.intern_atom && xlib.change_property && xlib.get_window_property && xlib.send_event && xlib.free)
      load_function(library, "XFlush", xlib.flush);
    return xlib;
  }
};

// The X display and window behind an SDL window, when it is an X11 one.
bool x11_window_of(SDL_Window* window, Display*& display, ::Window& xwindow) {
  SDL_SysWMinfo info;
  SDL_VERSION(&info.version);
  if (!SDL_GetWindowWMInfo(window, &info) || info.subsystem != SDL_SYSWM_X11) return false;
  display = info.info.x11.display;
  xwindow = info.info.x11.window;
  return true;
}

// _MOTIF_WM_HINTS: flags, functions, decorations, input mode, status.
constexpr unsigned long kMotifFunctionsAndDecorations = (1UL << 0) | (1UL << 1);
constexpr unsigned long kMotifMove = 1UL << 2, kMotifClose = 1UL << 5;
constexpr unsigned long kMotifBorder = 1UL << 1, kMotifTitle = 1UL << 3, kMotifMenu = 1UL << 4;

// _NET_WM_STATE client message actions.
constexpr long kNetWmStateRemove = 0;
constexpr long kSourceIsApplication = 1;

}  // namespace

void apply_window_hints(SDL_Window* window, const std::string& caption) {
  const Xlib* x = Xlib::get();
  Display* display = nullptr;
  ::Window xwindow = 0;
  if (!x || !x11_window_of(window, display, xwindow)) return;

  const Atom motif = x->intern_atom(display, "_MOTIF_WM_HINTS", False);
  const long hints[5] = {static_cast<long>(kMotifFunctionsAndDecorations), static_cast<long>(kMotifMove | kMotifClose),
                         static_cast<long>(kMotifBorder | kMotifTitle | kMotifMenu), 0, 0};
  x->change_property(display, xwindow, motif, motif, 32, PropModeReplace, reinterpret_cast<const unsigned char*>(hints),
                     5);

  const Atom utf8 = x->intern_atom(display, "UTF8_STRING", False);
  x->change_property(display, xwindow, XA_WM_NAME, utf8, 8, PropModeReplace,
                     reinterpret_cast<const unsigned char*>(caption.data()), static_cast<int>(caption.size()));
  x->flush(display);
}

void leave_full_screen(SDL_Window* window) {
  const Xlib* x = Xlib::get();
  Display* display = nullptr;
  ::Window xwindow = 0;
  if (!x || !x11_window_of(window, display, xwindow)) return;

  const Atom state = x->intern_atom(display, "_NET_WM_STATE", False);
  const Atom full_screen = x->intern_atom(display, "_NET_WM_STATE_FULLSCREEN", False);
  Atom type = None;
  int format = 0;
  unsigned long count = 0, left = 0;
  unsigned char* data = nullptr;
  bool in_full_screen = false;
  if (x->get_window_property(display, xwindow, state, 0, 64, False, XA_ATOM, &type, &format, &count, &left, &data) ==
          Success &&
      data) {
    // Any client may set the property, in any type and format: only a list of atoms in format 32
    // (which Xlib hands over as longs) holds count atoms; read as atoms, anything else would be read
    // past its end.
    if (type == XA_ATOM && format == 32) {
      const auto* atoms = reinterpret_cast<const Atom*>(data);
      for (unsigned long i = 0; i < count; ++i) in_full_screen = in_full_screen || atoms[i] == full_screen;
    }
    x->free(data);
  }
  if (!in_full_screen) return;

  XEvent event{};
  event.xclient.type = ClientMessage;
  event.xclient.window = xwindow;
  event.xclient.message_type = state;
  event.xclient.format = 32;
  event.xclient.data.l[0] = kNetWmStateRemove;
  event.xclient.data.l[1] = static_cast<long>(full_screen);
  event.xclient.data.l[3] = kSourceIsApplication;
  x->send_event(display, DefaultRootWindow(display), False, SubstructureRedirectMask | SubstructureNotifyMask, &event);
  x->flush(display);
}

}  // namespace metria
