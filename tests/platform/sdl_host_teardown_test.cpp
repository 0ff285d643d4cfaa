// The desktop window host ending while screens are still shown (as when the program is stopped
// from outside): every window, renderer, texture and cursor goes exactly once, in an order that
// frees nothing twice. SDL itself is not built with the sanitizer, so a texture freed after its
// renderer shows as the error SDL reports when it is handed one it has already freed; the
// sanitizer build catches any other use after free.
#include <SDL.h>
#include <SDL_ttf.h>
#include <fontconfig/fontconfig.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <initializer_list>
#include <optional>
#include <vector>

#include "harness/headless.h"
#include "platform/sdl/font_finder.h"
#include "platform/sdl/sdl_canvas.h"
#include "platform/sdl/sdl_host.h"
#include "platform/sdl_event_fixture.h"

namespace metria::testing {
namespace {

class HostTeardown : public SdlEvents {
 protected:
  void SetUp() override {
    SdlEvents::SetUp();
    ASSERT_EQ(TTF_Init(), 0);
  }
  void TearDown() override {
    TTF_Quit();
    FcFini();  // what find_font_files loaded, for the leak checker
    SdlEvents::TearDown();
  }
};

// The windows of two harnesses drawn by one host, as the frame's step draws the windows it has.
void present(SdlHost& host, std::initializer_list<Window*> windows) {
  for (Window* window : windows)
    if (window->needs_redraw() && host.draw(*window)) window->mark_drawn();
}

// The SDL ids of the host's windows (SDL numbers windows from 1 upwards).
std::vector<std::uint32_t> shown_ids(const SdlHost& host) {
  std::vector<std::uint32_t> ids;
  for (std::uint32_t id = 1; id < 1000; ++id)
    if (host.window_for(id)) ids.push_back(id);
  return ids;
}

TEST_F(HostTeardown, AHostEndingWithScreensShownClosesEachWindowOnce) {
  // Two screens with pictures, a stretched medal and captions, so that each canvas holds picture
  // and text textures made with its window's renderer.
  Harness menu({.first_screen = ScreenId::Menu});
  menu.advance(6000);
  Harness quiz({.first_screen = ScreenId::QuizSi});
  quiz.advance(3000);
  quiz.control("Image6").set_visible(true);
  SdlResources resources(find_font_files());
  std::vector<std::uint32_t> ids;
  {
    SdlHost host(resources, 1.5);
    host.window_shown(menu.window());
    host.window_shown(quiz.window());
    present(host, {&menu.window(), &quiz.window()});
    ASSERT_TRUE(host.presented_once());
    ids = shown_ids(host);
    ASSERT_EQ(ids.size(), 2u);
    SDL_ClearError();
  }
  // SDL refuses to free what it has already freed, and says so.
  EXPECT_STREQ(SDL_GetError(), "") << "something was freed after what owned it";
  for (const std::uint32_t id : ids) EXPECT_EQ(SDL_GetWindowFromID(id), nullptr) << "window " << id;
}

TEST_F(HostTeardown, AnUnloadedScreenClosesItsWindowAndLeavesTheOthersDrawing) {
  Harness menu({.first_screen = ScreenId::Menu});
  menu.advance(6000);
  Harness quiz({.first_screen = ScreenId::QuizSi});
  SdlResources resources(find_font_files());
  SdlHost host(resources, 1.0);
  host.window_shown(menu.window());
  host.window_shown(quiz.window());
  present(host, {&menu.window(), &quiz.window()});
  const std::vector<std::uint32_t> before = shown_ids(host);
  ASSERT_EQ(before.size(), 2u);
  SDL_ClearError();
  host.window_unloaded(menu.window());
  EXPECT_STREQ(SDL_GetError(), "") << "something was freed after what owned it";
  const std::vector<std::uint32_t> after = shown_ids(host);
  ASSERT_EQ(after.size(), 1u);
  EXPECT_EQ(host.window_for(after[0]), &quiz.window());
  const std::uint32_t closed = before[0] == after[0] ? before[1] : before[0];
  EXPECT_EQ(SDL_GetWindowFromID(closed), nullptr);
  quiz.window().invalidate();
  present(host, {&quiz.window()});  // the remaining window still draws with its own renderer
  EXPECT_FALSE(quiz.window().needs_redraw());
}

}  // namespace
}  // namespace metria::testing
