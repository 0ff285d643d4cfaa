// The desktop's contrast and motion settings, read from the XDG desktop portal, else from GSettings,
// and followed while the program runs. The program has no such setting of its own.
#pragma once

#include <functional>
#include <memory>

#include "ui/preferences.h"

namespace metria {

class GlibThread;

class SystemAppearance {
 public:
  // Called on the GLib thread whenever the settings ask for other Preferences than last time,
  // starting from the defaults: never when nothing answers or everything is at its default.
  using Changed = std::function<void(const Preferences&)>;

  // Starts reading on the GLib thread and returns at once: the first window does not wait for the
  // desktop, whose answers may take up to half a second (or never come, without a portal).
  SystemAppearance(GlibThread& glib, Changed changed);
  // Stops following; `changed` is not called once this has returned.
  ~SystemAppearance();
  SystemAppearance(const SystemAppearance&) = delete;
  SystemAppearance& operator=(const SystemAppearance&) = delete;

 private:
  class Reader;
  GlibThread& m_glib;
  std::shared_ptr<Reader> m_reader;  // used and let go on the GLib thread only
};

}  // namespace metria
