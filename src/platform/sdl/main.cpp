// Metria: starts SDL, the fonts and the sound output, shows the main menu and runs until the end.
#include <SDL.h>
#include <SDL_image.h>
#include <SDL_ttf.h>

#include <cstdio>
#include <cstring>
#include <functional>
#include <optional>
#include <string>

#include "app/app.h"
#include "platform/sdl/accessibility_bridge.h"
#include "platform/sdl/display_scale.h"
#include "platform/sdl/event_loop.h"
#include "platform/sdl/font_finder.h"
#include "platform/sdl/glib_thread.h"
#include "platform/sdl/preferences_event.h"
#include "platform/sdl/sdl_canvas.h"
#include "platform/sdl/sdl_host.h"
#include "platform/sdl/sdl_sound_device.h"
#include "platform/sdl/system_appearance.h"
#include "platform/sdl/system_services.h"
#include "platform/sdl/x11_errors.h"
#include "screens/screen_registry.h"

namespace {

// The folder of the executable, without a trailing "/" except at the root (App.Path).
std::string program_folder() {
  char* base = SDL_GetBasePath();
  std::string folder = base ? base : "./";
  SDL_free(base);
  if (folder.size() > 1 && folder.back() == '/') folder.pop_back();
  return folder;
}

// The display's scale, made small enough for the windows to fit on it.
double display_scale() {
  const double wanted = metria::scale_of(metria::read_scale_settings());
  SDL_Rect usable{};
  if (SDL_GetDisplayUsableBounds(0, &usable) != 0) return wanted;
  return metria::fit_scale(wanted, usable.w, usable.h);
}

}  // namespace

int main(int, char**) {
  // The software renderer draws the same picture on every machine and needs no GPU driver; without
  // the framebuffer hint X11 would still load GL.
  SDL_SetHint(SDL_HINT_RENDER_DRIVER, "software");
  SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
  // A finger or a pen works the mouse: SDL turns touches into mouse events and the event loop
  // reads only those; mouse input is not turned into touches, so nothing arrives twice.
  SDL_SetHint(SDL_HINT_TOUCH_MOUSE_EVENTS, "1");
  SDL_SetHint(SDL_HINT_MOUSE_TOUCH_EVENTS, "0");
  metria::keep_running_on_x11_errors();
  if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_TIMER) != 0) {
    std::fprintf(stderr, "metria: cannot open a window: no display (%s)\n", SDL_GetError());
    return 2;
  }
  // With no display SDL falls back to a driver that draws nowhere: the program would run unseen
  // and never end. Only a run that asks for such a driver by name gets one.
  const char* driver = SDL_GetCurrentVideoDriver();
  if (!SDL_getenv("SDL_VIDEODRIVER") && driver &&
      (std::strcmp(driver, "offscreen") == 0 || std::strcmp(driver, "dummy") == 0)) {
    const char* display = SDL_getenv("DISPLAY");
    if (display && *display) {
      std::fprintf(stderr, "metria: cannot open a window: the display %s does not answer\n", display);
    } else {
      std::fprintf(stderr, "metria: cannot open a window: no display (DISPLAY and WAYLAND_DISPLAY are not set)\n");
    }
    SDL_Quit();
    return 2;
  }
  if (TTF_Init() != 0 || (IMG_Init(0), false)) {
    std::fprintf(stderr, "metria: cannot start text drawing: %s\n", TTF_GetError());
    SDL_Quit();
    return 2;
  }

  int status = 0;
  {
    const double scale = display_scale();
    // The one GLib thread of the program, for every desktop service that speaks D-Bus through GLib.
    metria::GlibThread glib;
    metria::SdlResources resources{std::function<metria::FontFiles()>(metria::find_font_files)};
    metria::SteadyClock clock;
    metria::SdlSoundDevice sound(clock);
    // A screen reader's view of the windows, where one could be listening.
    std::optional<metria::AccessibilityBridge> accessibility;
    if (metria::AccessibilityBridge::wanted()) accessibility.emplace(glib);
    metria::SdlHost host(resources, scale, accessibility ? &*accessibility : nullptr);
    metria::SystemRandom random;
    metria::LocalTimeOfDay time_of_day;
    metria::App app({clock, sound, random, time_of_day, host, program_folder()});
    metria::register_screens(app);
    // The desktop's contrast and motion settings reach the app as events, once read and on change.
    metria::SystemAppearance appearance(glib, metria::push_preferences_event);
    app.start();
    metria::run_event_loop(app, host, sound, clock);
    status = app.exit_status();
  }
  TTF_Quit();
  SDL_Quit();
  return status;
}
