// Screen navigation and event delivery.
#include "app/app.h"

#include <algorithm>
#include <stdexcept>

#include "app/fatal_error.h"
#include "ui/spoken_form.h"
#include "ui/window.h"

namespace metria {

App::App(AppServices services) : m_services(std::move(services)) {}

App::~App() {
  // Windows go first: their players give themselves back to the sound device.
  m_loaded.clear();
  m_retired.clear();
}

void App::register_screen(ScreenId id, ScreenFactory factory) { m_factories[id] = std::move(factory); }

void App::start(ScreenId first) {
  dispatch([this, first] { Show(first); });
}

Screen& App::screen_object(ScreenId id) {
  auto found = m_screens.find(id);
  if (found != m_screens.end()) return *found->second;
  auto factory = m_factories.find(id);
  if (factory == m_factories.end()) throw FatalError("画面 " + std::string(screen_name(id)) + " がありません");
  return *m_screens.emplace(id, factory->second(*this)).first->second;
}

Screen* App::screen(ScreenId id) const {
  auto found = m_screens.find(id);
  return found == m_screens.end() ? nullptr : found->second.get();
}

void App::Show(ScreenId id) {
  if (m_ended) return;
  Screen& screen = screen_object(id);
  if (screen.loaded()) return;
  auto window = std::make_unique<Window>(screen.definition(), m_services.clock, m_services.sound, m_input,
                                         m_services.preferences);
  EventTable table(*window);
  screen.wire(table);
  Window& shown = *window;
  m_loaded.push_back({id, std::move(window), {}});
  screen.attach(&shown);
  // The new window's title comes first; what its load step shows follows.
  shown.announce(screen.definition().caption);
  screen.Form_Load();
  if (!shown.closed()) m_services.host.window_shown(shown);
}

void App::Unload(ScreenId id) {
  auto found = std::find_if(m_loaded.begin(), m_loaded.end(), [id](const Loaded& l) { return l.id == id; });
  if (found == m_loaded.end()) return;
  screen_object(id).attach(nullptr);
  std::unique_ptr<Window> window = std::move(found->window);
  m_loaded.erase(found);
  window->close();
  m_services.host.window_unloaded(*window);
  // The window's own handler may still be running: destroy it once the event is done.
  m_retired.push_back(std::move(window));
}

void App::End() {
  while (!m_loaded.empty()) Unload(m_loaded.back().id);
  m_ended = true;
}

bool App::is_live(const Window& window) const {
  return std::any_of(m_loaded.begin(), m_loaded.end(), [&](const Loaded& l) { return l.window.get() == &window; });
}

void App::dispatch(const std::function<void()>& handler) {
  if (m_ended) return;
  try {
    handler();
    // What the event changed may have moved the keys' focus; a highlight that follows it is
    // screen code, so it runs here, inside the event.
    for (const Loaded& l : m_loaded) l.window->focus().refresh();
  } catch (const FatalError& e) {
    fail(e.what());
  } catch (const std::exception& e) {
    // A control or player that rejects a property or call: fatal, as an untrapped error is.
    fail(e.what());
  }
  m_retired.clear();
  if (m_loaded.empty()) m_ended = true;
}

void App::fail(const std::string& message) {
  m_fatal_message = message;
  m_exit_status = 1;
  End();
  m_services.host.show_fatal_error(message);
}

void App::pointer_event(Window& window, const PointerEvent& event) {
  if (!is_live(window)) return;
  if (event.action == PointerAction::Press) set_keys_in_use(false);
  dispatch([&] { window.pointer_event(event); });
}

void App::key_event(Window& window, const KeyEvent& event) {
  if (!is_live(window)) return;
  // The window's focus takes the keys in use itself: a first key only shows where the focus is.
  const bool keys_were_in_use = m_input.keys_in_use;
  dispatch([&] { window.key_event(event); });
  if (m_input.keys_in_use != keys_were_in_use) show_rings();
}

bool App::key_press(Window& window, const KeyPress& press) {
  const KeyDecision decision = decide_key(press);
  if (decision.event) key_event(window, *decision.event);
  return decision.taken;
}

// The ring shows in every window from a key on (moving and acting through a platform's elements
// comes from the keys of a screen reader or a switch), and goes at a pointer press.
void App::set_keys_in_use(bool in_use) {
  if (m_input.keys_in_use == in_use) return;
  m_input.keys_in_use = in_use;
  show_rings();
}

void App::show_rings() {
  for (const Loaded& l : m_loaded)
    if (l.window->focus().focused()) l.window->invalidate();
}

// A control the window no longer has (an element left over from an earlier frame) is ignored.
void App::focus_control(Window& window, std::string_view name, int index) {
  if (!is_live(window)) return;
  Control* control = window.find_if_present(name, index);
  if (!control) return;
  set_keys_in_use(true);
  dispatch([&] { window.focus().focus_on(*control); });
}

void App::activate_control(Window& window, std::string_view name, int index) {
  if (!is_live(window)) return;
  Control* control = window.find_if_present(name, index);
  if (!control) return;
  set_keys_in_use(true);
  dispatch([&] {
    window.focus().focus_on(*control);
    if (window.focus().focused() == control) window.focus().act();
  });
}

std::optional<std::int64_t> App::step(std::int64_t now) {
  run_due_timers(now);
  if (m_ended) return std::nullopt;
  Icon pointer = Icon::None;
  // A screen reader that comes is given every window's nodes, whatever changed before it came.
  const bool reads_nodes = m_services.host.reads_nodes();
  const bool reader_came = reads_nodes && !m_nodes_read;
  m_nodes_read = reads_nodes;
  for (Loaded& l : m_loaded) {
    Window& window = *l.window;
    if (window.drag_cursor() != Icon::None) pointer = window.drag_cursor();
    if (window.needs_redraw() && m_services.host.draw(window)) window.mark_drawn();
    std::vector<std::string> announcements = window.take_announcements();
    if (!reads_nodes) continue;
    // The state of the keys goes with the nodes: a page follows the program's focus only while
    // the keys are in use.
    if (window.meaning_changed() || reader_came || l.published_keys_in_use != m_input.keys_in_use) {
      window.mark_described();
      std::vector<SemanticNode> nodes = describe(window);
      if (nodes != l.published || reader_came || l.published_keys_in_use != m_input.keys_in_use) {
        m_services.host.publish(window, nodes);
        l.published = std::move(nodes);
        l.published_keys_in_use = m_input.keys_in_use;
      }
    }
    for (const std::string& words : announcements) m_services.host.announce(spoken_form(words));
  }
  m_services.host.show_pointer(pointer);
  return next_timer_due();
}

void App::preferences_changed(const Preferences& preferences) {
  if (preferences == m_services.preferences) return;
  m_services.preferences = preferences;
  for (const Loaded& l : m_loaded) l.window->invalidate();
}

void App::close_requested(Window& window) {
  if (!is_live(window)) return;
  const ScreenId id = *screen_of(window);
  dispatch([&] { Unload(id); });
}

std::optional<std::int64_t> App::next_timer_due() const {
  std::optional<std::int64_t> earliest;
  for (const Loaded& l : m_loaded) {
    const auto due = l.window->next_timer_due();
    if (due && (!earliest || *due < *earliest)) earliest = due;
  }
  return earliest;
}

void App::run_due_timers(std::int64_t now) {
  while (!m_ended) {
    Window* next = nullptr;
    std::int64_t next_due = 0;
    for (const Loaded& l : m_loaded) {
      const auto due = l.window->next_timer_due();
      if (due && *due <= now && (!next || *due < next_due)) {
        next = l.window.get();
        next_due = *due;
      }
    }
    if (!next) return;
    dispatch([&] { next->fire_next_timer(now); });
  }
}

std::vector<Window*> App::loaded_windows() const {
  std::vector<Window*> windows;
  for (const Loaded& l : m_loaded) windows.push_back(l.window.get());
  return windows;
}

std::optional<ScreenId> App::screen_of(const Window& window) const {
  for (const Loaded& l : m_loaded)
    if (l.window.get() == &window) return l.id;
  return std::nullopt;
}

}  // namespace metria
