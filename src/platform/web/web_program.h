// One run of the program in the page: its services, the application frame, and the delivery of
// page input and wake-ups one at a time, each followed by the due timers and a frame.
#pragma once

#include "app/app.h"
#include "platform/web/web_host.h"
#include "platform/web/web_services.h"
#include "platform/web/web_sound_device.h"
#include "ui/key_event.h"
#include "ui/pointer_event.h"

namespace metria::web {

class WebProgram {
 public:
  WebProgram(std::optional<unsigned> seed, Preferences preferences);
  WebProgram(const WebProgram&) = delete;
  WebProgram& operator=(const WebProgram&) = delete;

  // Shows the main menu; its opening begins.
  void start();
  // Pointer input at device pixel x, y of the canvas.
  void pointer(PointerAction action, int x, int y, MouseButton button);
  // Whether the program took the key, so that the page stops the browser's own use of it.
  bool key(const KeyPress& press);
  // The page's element for a control got the focus, or was acted on (a screen reader's click).
  void focus_control(const std::string& name, int index);
  void activate_control(const std::string& name, int index);
  void close_box();
  // The wake-up timer: delivers whatever timers are due.
  void wake();
  void viewport_changed();
  void picture_arrived();

  bool running() const { return m_app.running(); }

 private:
  // After every delivery: due timers, the frame, then the next wake-up or the end of the run.
  void settle();

  PageClock m_clock;
  WebSoundDevice m_sound;
  PageRandom m_random;
  PageTimeOfDay m_time_of_day;
  WebHost m_host;
  App m_app;
};

}  // namespace metria::web
