// What screen logic may ask of the application frame.
#pragma once

#include <string>

#include "app/random_source.h"
#include "app/screen_id.h"
#include "ui/preferences.h"

namespace metria {

class AppContext {
 public:
  virtual ~AppContext() = default;
  // Loads the screen if it is not loaded (its Form_Load runs inside this call), then shows it.
  virtual void Show(ScreenId screen) = 0;
  // Unloads the screen: its timers stop, its sounds go silent; its fields remain.
  virtual void Unload(ScreenId screen) = 0;
  // Ends the program: no further handler runs and every window closes. A handler calls it last.
  virtual void End() = 0;
  // The folder the program runs from (App.Path).
  virtual const std::string& AppPath() const = 0;
  // The one global variable: the program folder by the folder rule, set by the screens' loads.
  virtual std::string& AppFolder() = 0;
  virtual RandomSource& random() = 0;
  virtual const TimeOfDay& time_of_day() const = 0;
  virtual const Preferences& preferences() const = 0;
};

}  // namespace metria
