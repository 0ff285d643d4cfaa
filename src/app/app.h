// The application frame: the screen objects (created on first use, kept for the run), Show /
// Unload / End, and the delivery of input and timer ticks to the loaded windows, one at a time.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/app_context.h"
#include "app/random_source.h"
#include "app/screen.h"
#include "app/window_host.h"
#include "ui/clock.h"
#include "ui/input_mode.h"
#include "ui/key_event.h"
#include "ui/pointer_event.h"

namespace metria {

class SoundDevice;

struct AppServices {
  const Clock& clock;
  SoundDevice& sound;
  RandomSource& random;
  const TimeOfDay& time_of_day;
  WindowHost& host;
  std::string app_path;  // the program's own folder
  Preferences preferences = {};
};

using ScreenFactory = std::function<std::unique_ptr<Screen>(AppContext&)>;

class App final : public AppContext {
 public:
  explicit App(AppServices services);
  ~App() override;

  void register_screen(ScreenId id, ScreenFactory factory);
  // Shows the first screen: the main menu in the program; tests may start elsewhere.
  void start(ScreenId first = ScreenId::Menu);

  // AppContext.
  void Show(ScreenId screen) override;
  void Unload(ScreenId screen) override;
  void End() override;
  const std::string& AppPath() const override { return m_services.app_path; }
  std::string& AppFolder() override { return m_app_folder; }
  RandomSource& random() override { return m_services.random; }
  const TimeOfDay& time_of_day() const override { return m_services.time_of_day; }
  const Preferences& preferences() const override { return m_services.preferences; }

  // Input from the platform, for one window; events for a window that is gone are dropped.
  void pointer_event(Window& window, const PointerEvent& event);
  void key_event(Window& window, const KeyEvent& event);
  // A key as the platform got it: the program decides whether it is its own (key_event.h), and
  // says so, so that the platform leaves a taken key alone.
  bool key_press(Window& window, const KeyPress& press);
  // A screen reader moved to a control, or acted on it, through a platform's own elements: the
  // keys' focus follows, and acting is what Enter does there.
  void focus_control(Window& window, std::string_view name, int index);
  void activate_control(Window& window, std::string_view name, int index);
  // The system's settings changed while the program runs: every window is drawn again by them.
  void preferences_changed(const Preferences& preferences);
  // The close box: unloads the screen with no handler of the program running.
  void close_requested(Window& window);

  // One step of the frame, the same on every platform, after each input or wake-up: the ticks due
  // by now, then every window that changed drawn through the host, the pointer's shape, and what
  // a screen reader is told (nodes that changed, announcements).
  // Returns when the next tick is due (none: sleep until input).
  std::optional<std::int64_t> step(std::int64_t now);

  // Timers of every loaded window.
  std::optional<std::int64_t> next_timer_due() const;
  // Delivers every tick due at or before now, in time order.
  void run_due_timers(std::int64_t now);

  bool running() const { return !m_ended; }
  int exit_status() const { return m_exit_status; }
  const std::string& fatal_message() const { return m_fatal_message; }

  // Inspection, for the platform and the tests.
  std::vector<Window*> loaded_windows() const;
  std::optional<ScreenId> screen_of(const Window& window) const;
  Screen* screen(ScreenId id) const;  // null before its first use

 private:
  struct Loaded {
    ScreenId id;
    std::unique_ptr<Window> window;
    std::vector<SemanticNode> published;  // the nodes the host was last given
    bool published_keys_in_use = false;   // and the state of the keys given with them
  };

  Screen& screen_object(ScreenId id);
  void set_keys_in_use(bool in_use);
  // Windows with a focus are drawn again, with or without their rings.
  void show_rings();
  bool is_live(const Window& window) const;
  // Runs one event's handler to completion, then applies what it left behind: windows it
  // unloaded are destroyed, and the program ends when none is loaded any more.
  void dispatch(const std::function<void()>& handler);
  void fail(const std::string& message);

  AppServices m_services;
  std::map<ScreenId, ScreenFactory> m_factories;
  std::map<ScreenId, std::unique_ptr<Screen>> m_screens;
  std::vector<Loaded> m_loaded;
  std::vector<std::unique_ptr<Window>> m_retired;  // unloaded during the current handler
  std::string m_app_folder;
  bool m_ended = false;
  InputMode m_input;
  bool m_nodes_read = false;  // the host read the nodes at the last step
  int m_exit_status = 0;
  std::string m_fatal_message;
};

}  // namespace metria
