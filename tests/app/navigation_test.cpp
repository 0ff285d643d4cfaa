// Show, Unload, End, the close box, the folder rule and the fatal-error path of the frame.
#include <gtest/gtest.h>

#include "app/fatal_error.h"
#include "app/folder_rule.h"
#include "harness/test_screen.h"

namespace metria::testing {
namespace {

ScreenDef with_timer(ScreenId id) {
  ScreenDef def = empty_window(id);
  def.controls = {{.name = "Timer1", .kind = ControlKind::Timer},
                  {.name = "Go", .kind = ControlKind::Label, .rect = {0, 0, 900, 900}}};
  return def;
}

// Every screen notes how many screens are loaded while its Form_Load runs; "Go" on the menu goes
// to the SI quiz, on the quiz back to the menu.
void navigating(TestScreen& s, const App& app) {
  s.on_load = [&s, &app] {
    s.log.push_back("Load with " + std::to_string(app.loaded_windows().size()) + " loaded");
    s.control("Timer1").set_interval(100);
  };
  s.on_wire = [&s](EventTable& t) {
    t.on_click("Go", [&s] { s.GoTo(s.id() == ScreenId::Menu ? ScreenId::QuizSi : ScreenId::Menu); });
    t.on_timer("Timer1", [&s] { ++s.field; });
  };
}

struct Navigation : ::testing::Test {
  TestProgram program{with_timer, [this](TestScreen& s) { navigating(s, program.harness.app()); }};
  Harness& h = program.harness;
};

TEST_F(Navigation, TheTargetLoadsBeforeTheSourceGoesAndFieldsSurvive) {
  TestScreen& menu = program.screen(ScreenId::Menu);
  h.advance(250);
  EXPECT_EQ(menu.field, 2);
  h.click("Go");
  EXPECT_EQ(h.screen_id(), ScreenId::QuizSi);
  EXPECT_EQ(program.screen(ScreenId::QuizSi).log, (std::vector<std::string>{"Load with 2 loaded"}));
  EXPECT_FALSE(menu.loaded());
  h.advance(1000);
  EXPECT_EQ(menu.field, 2) << "the menu's timer stopped with it, its field stayed";
  h.click("Go");
  EXPECT_EQ(h.screen_id(), ScreenId::Menu);
  EXPECT_EQ(menu.loads, 2);
  EXPECT_EQ(menu.field, 2);
}

TEST_F(Navigation, TheCloseBoxUnloadsTheScreenAndEndsTheProgram) {
  h.close_window();
  EXPECT_FALSE(h.running());
  EXPECT_EQ(h.exit_status(), 0);
  EXPECT_TRUE(h.app().loaded_windows().empty());
  EXPECT_EQ(program.screen(ScreenId::Menu).field, 0);
  h.advance(1000);
  EXPECT_EQ(program.screen(ScreenId::Menu).field, 0);
}

TEST(Ending, EndStopsEverythingAtOnce) {
  TestProgram program(with_timer, [](TestScreen& s) {
    s.on_load = [&s] { s.control("Timer1").set_interval(100); };
    s.on_wire = [&s](EventTable& t) {
      t.on_click("Go", [&s] { s.app.End(); });
      t.on_timer("Timer1", [&s] { ++s.field; });
    };
  });
  Harness& h = program.harness;
  h.click("Go");
  h.advance(1000);
  EXPECT_FALSE(h.running());
  EXPECT_EQ(h.exit_status(), 0);
  EXPECT_EQ(program.screen(ScreenId::Menu).field, 0);
}

TEST_F(Navigation, ShowingAScreenThatIsLoadedChangesNothing) {
  h.app().Show(ScreenId::Menu);
  EXPECT_EQ(program.screen(ScreenId::Menu).loads, 1);
}

TEST(FolderRule, TheFolderIsAppPathWithoutATrailingSeparator) {
  EXPECT_EQ(folder_rule("/opt/metria"), "/opt/metria");
  EXPECT_EQ(folder_rule("/"), "") << "at the root the cues come from /wav/";
  EXPECT_EQ(folder_rule("/") + "/wav/o.wav", "/wav/o.wav");
}

TEST(FolderRule, EveryLoadComputesItFromTheInjectedAppPath) {
  for (const char* path : {"/opt/metria", "/"}) {
    Harness h({.app_path = path, .first_screen = {}});
    h.app().register_screen(ScreenId::Menu, [](AppContext& app) {
      auto screen = std::make_unique<TestScreen>(app, ScreenId::Menu, with_timer(ScreenId::Menu));
      screen->on_load = [s = screen.get()] { s->app.AppFolder() = folder_rule(s->app.AppPath()); };
      return screen;
    });
    h.app().start();
    EXPECT_EQ(h.app().AppFolder(), folder_rule(path));
  }
}

TEST(FatalError, SixteenBitArithmeticOutOfRangeEndsTheProgramWithAMessage) {
  EXPECT_EQ(to_int16(-32768), -32768);
  EXPECT_EQ(to_int16(32767), 32767);
  EXPECT_THROW(to_int16(32768), FatalError);
  TestProgram program(with_timer, [](TestScreen& s) {
    s.on_wire = [](EventTable& t) { t.on_click("Go", [] { to_int16(40000); }); };
  });
  Harness& h = program.harness;
  h.click("Go");
  EXPECT_FALSE(h.running());
  EXPECT_EQ(h.exit_status(), 1);
  ASSERT_EQ(h.host().fatal_messages.size(), 1u);
  EXPECT_NE(h.host().fatal_messages[0].find("40000"), std::string::npos);
}

}  // namespace
}  // namespace metria::testing
