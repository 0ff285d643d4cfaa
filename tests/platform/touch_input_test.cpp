// A finger or a pen works the program exactly as the mouse does: SDL's touch events and the mouse
// events SDL makes of them go through the program's own event translation, and count once. The
// mouse works it through its left, middle and right buttons only; the side buttons do nothing.
#include <SDL.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "harness/test_screen.h"
#include "platform/sdl/event_translation.h"
#include "platform/sdl_event_fixture.h"

namespace metria::testing {
namespace {

constexpr std::uint32_t kWindowId = 7;

ScreenDef touch_window(ScreenId id) {
  ScreenDef def = empty_window(id);
  const auto label = [](const char* name, Rect rect) {
    return ControlDef{
        .name = name, .kind = ControlKind::Label, .rect = rect, .caption = name, .font = Font{Face::Gothic, 16, false}};
  };
  def.controls = {label("Button", {1500, 1500, 1500, 750}), label("Card", {1500, 3000, 1500, 750}),
                  label("Place", {4500, 3000, 1500, 750})};
  return def;
}

void log_input(TestScreen& s) {
  s.on_wire = [&s](EventTable& t) {
    t.on_click("Button", [&s] { s.log.push_back("Click Button"); });
    t.on_mouse_down("Card", [&s](int) {
      s.log.push_back("Down Card");
      s.control("Card").Drag();
    });
    t.on_click("Card", [&s] { s.log.push_back("Click Card"); });
    t.on_drag_drop("Place", [&s](int) { s.log.push_back("Drop Place"); });
    t.on_drag_drop("Card", [&s](int) { s.log.push_back("Drop Card"); });
    t.on_form_drag_drop([&s] { s.log.push_back("Drop Form"); });
  };
}

// The one window on screen, behind SDL window id 7.
class OneWindow final : public WindowLookup {
 public:
  OneWindow(Harness& h, double scale) : m_harness(h), m_scale(scale) {}
  Window* window_for(std::uint32_t id) const override { return id == kWindowId ? &m_harness.window() : nullptr; }
  double scale() const override { return m_scale; }
  void expose(std::uint32_t) override {}

 private:
  Harness& m_harness;
  double m_scale;
};

// Events in the order SDL queues them for one finger: the mouse event it makes of a touch comes
// first, the touch event after it (SDL_HINT_TOUCH_MOUSE_EVENTS).
class Input {
 public:
  Input(const Window& window, double scale) : m_scale(scale) {
    m_width = to_pixels(window.definition().client_width, scale);
    m_height = to_pixels(window.definition().client_height, scale);
  }
  // The device pixel at the centre of a control, as drawn at this scale.
  SDL_Point centre_of(const Control& control) const {
    const PixelRect r = to_pixels(control.rect(), m_scale);
    return {r.x + r.w / 2, r.y + r.h / 2};
  }

  void finger_down(SDL_Point p) {
    mouse_motion(p, SDL_TOUCH_MOUSEID);
    mouse_button(SDL_MOUSEBUTTONDOWN, p, SDL_TOUCH_MOUSEID);
    finger(SDL_FINGERDOWN, p);
  }
  void finger_motion(SDL_Point p) {
    mouse_motion(p, SDL_TOUCH_MOUSEID);
    finger(SDL_FINGERMOTION, p);
  }
  void finger_up(SDL_Point p) {
    mouse_button(SDL_MOUSEBUTTONUP, p, SDL_TOUCH_MOUSEID);
    finger(SDL_FINGERUP, p);
  }
  void mouse_motion(SDL_Point p, std::uint32_t which = 0) {
    SDL_Event e{};
    e.motion = {.type = SDL_MOUSEMOTION, .windowID = kWindowId, .which = which, .x = p.x, .y = p.y};
    push(e);
  }
  void mouse_button(std::uint32_t type, SDL_Point p, std::uint32_t which = 0, std::uint8_t button = SDL_BUTTON_LEFT) {
    SDL_Event e{};
    e.button = {.type = type,
                .windowID = kWindowId,
                .which = which,
                .button = button,
                .state = static_cast<std::uint8_t>(type == SDL_MOUSEBUTTONDOWN ? SDL_PRESSED : SDL_RELEASED),
                .clicks = 1,
                .x = p.x,
                .y = p.y};
    push(e);
  }
  void finger(std::uint32_t type, SDL_Point p) {
    SDL_Event e{};
    e.tfinger = {.type = type,
                 .touchId = 1,
                 .fingerId = 0,
                 .x = static_cast<float>(p.x + 0.5) / m_width,
                 .y = static_cast<float>(p.y + 0.5) / m_height,
                 .pressure = 1.0f,
                 .windowID = kWindowId};
    push(e);
  }

 private:
  static void push(SDL_Event& e) { ASSERT_EQ(SDL_PushEvent(&e), 1) << SDL_GetError(); }
  double m_scale;
  int m_width = 0, m_height = 0;
};

struct TouchInput : SdlEvents, ::testing::WithParamInterface<double> {
  TestProgram program{touch_window, log_input};
  Harness& h = program.harness;
  std::vector<std::string>& log = program.screen(ScreenId::Menu).log;
  OneWindow windows{h, GetParam()};
  Input input{h.window(), GetParam()};

  // Reads every queued event back from SDL and hands it to the program's translation.
  void deliver_queued() {
    SDL_Event event;
    while (SDL_PollEvent(&event)) deliver_event(h.app(), windows, event);
  }
  SDL_Point centre_of(const char* name) { return input.centre_of(h.control(name)); }
};

TEST_P(TouchInput, ATapIsOneClick) {
  input.finger_down(centre_of("Button"));
  input.finger_up(centre_of("Button"));
  deliver_queued();
  EXPECT_EQ(log, (std::vector<std::string>{"Click Button"}));
}

TEST_P(TouchInput, AFingerDragIsOneDragWithOneDrop) {
  const SDL_Point from = centre_of("Card"), onto = centre_of("Place");
  input.finger_down(from);
  for (int step = 1; step <= 4; ++step)
    input.finger_motion({from.x + (onto.x - from.x) * step / 4, from.y + (onto.y - from.y) * step / 4});
  input.finger_up(onto);
  deliver_queued();
  EXPECT_EQ(log, (std::vector<std::string>{"Down Card", "Drop Place"}));
  EXPECT_FALSE(h.window().dragging());
}

TEST_P(TouchInput, TheMouseDoesTheSameAsTheFinger) {
  const SDL_Point button = centre_of("Button"), card = centre_of("Card"), place = centre_of("Place");
  input.mouse_motion(button);
  input.mouse_button(SDL_MOUSEBUTTONDOWN, button);
  input.mouse_button(SDL_MOUSEBUTTONUP, button);
  input.mouse_motion(card);
  input.mouse_button(SDL_MOUSEBUTTONDOWN, card);
  input.mouse_motion(place);
  input.mouse_button(SDL_MOUSEBUTTONUP, place);
  deliver_queued();
  EXPECT_EQ(log, (std::vector<std::string>{"Click Button", "Down Card", "Drop Place"}));
}

TEST_P(TouchInput, TheSideButtonsNeitherClickNorDrag) {
  const SDL_Point button = centre_of("Button"), card = centre_of("Card"), place = centre_of("Place");
  for (const std::uint8_t side : {SDL_BUTTON_X1, SDL_BUTTON_X2}) {
    input.mouse_button(SDL_MOUSEBUTTONDOWN, button, 0, side);
    input.mouse_button(SDL_MOUSEBUTTONUP, button, 0, side);
    input.mouse_button(SDL_MOUSEBUTTONDOWN, card, 0, side);
    input.mouse_motion(place);
    input.mouse_button(SDL_MOUSEBUTTONUP, place, 0, side);
  }
  deliver_queued();
  EXPECT_TRUE(log.empty());
  EXPECT_FALSE(h.window().dragging());
}

TEST_P(TouchInput, ASideButtonHeldDoesNotStopTheLeftButtonsClick) {
  const SDL_Point button = centre_of("Button");
  input.mouse_button(SDL_MOUSEBUTTONDOWN, button, 0, SDL_BUTTON_X1);
  input.mouse_button(SDL_MOUSEBUTTONDOWN, button);
  input.mouse_button(SDL_MOUSEBUTTONUP, button);
  input.mouse_button(SDL_MOUSEBUTTONUP, button, 0, SDL_BUTTON_X1);
  deliver_queued();
  EXPECT_EQ(log, (std::vector<std::string>{"Click Button"}));
}

TEST_P(TouchInput, TouchEventsAloneAreLeftToTheMouseEventsMadeOfThem) {
  input.finger(SDL_FINGERDOWN, centre_of("Button"));
  input.finger(SDL_FINGERUP, centre_of("Button"));
  input.finger(SDL_FINGERDOWN, centre_of("Card"));
  input.finger(SDL_FINGERMOTION, centre_of("Place"));
  input.finger(SDL_FINGERUP, centre_of("Place"));
  deliver_queued();
  EXPECT_TRUE(log.empty());
  EXPECT_FALSE(h.window().dragging());
}

TEST_P(TouchInput, EventsForAWindowThatIsGoneAreDropped) {
  SDL_Event e{};
  e.button = {.type = SDL_MOUSEBUTTONDOWN, .windowID = kWindowId + 1, .button = SDL_BUTTON_LEFT};
  ASSERT_EQ(SDL_PushEvent(&e), 1);
  e.button.type = SDL_MOUSEBUTTONUP;
  ASSERT_EQ(SDL_PushEvent(&e), 1);
  deliver_queued();
  EXPECT_TRUE(log.empty());
}

INSTANTIATE_TEST_SUITE_P(AtEveryScale, TouchInput, ::testing::Values(1.0, 1.5, 2.0));

}  // namespace
}  // namespace metria::testing
