// Preparing and playing cue players, and their silence when the screen goes.
#include <gtest/gtest.h>

#include "harness/test_screen.h"
#include "sound/cue_player.h"

namespace metria::testing {
namespace {

using Kind = RecordingSoundDevice::Kind;

ScreenDef with_players(ScreenId id) {
  ScreenDef def = empty_window(id);
  def.controls = {{.name = "Go", .kind = ControlKind::Label, .rect = {0, 0, 900, 900}},
                  {.name = "MediaPlayer1", .kind = ControlKind::SoundPlayer, .rect = {1000, 1000, 600, 600}},
                  {.name = "MediaPlayer2", .kind = ControlKind::SoundPlayer, .rect = {2000, 1000, 600, 600}}};
  return def;
}

void with_two_cues(TestScreen& s) {
  s.on_load = [&s] {
    s.PreparePlayer("MediaPlayer1", "/opt/metria", "/wav/o.wav");
    s.PreparePlayer("MediaPlayer2", "/opt/metria", "/wav/gokaku.wav", 3);
  };
  s.on_wire = [&s](EventTable& t) {
    t.on_click("Go", [&s] {
      s.Play("MediaPlayer1");
      s.Play("MediaPlayer2");
    });
  };
}

TEST(CuePlayers, ALoadPreparesEachPlayerInTurnAndMakesNoSound) {
  TestProgram program(with_players, with_two_cues);
  Harness& h = program.harness;
  const auto& e = h.sound().events();
  ASSERT_EQ(e.size(), 4u);
  EXPECT_EQ(e[0].kind, Kind::Load);
  EXPECT_EQ(e[0].file, "/opt/metria/wav/o.wav");
  EXPECT_EQ(e[1].kind, Kind::Halt);
  EXPECT_EQ(e[2].file, "/opt/metria/wav/gokaku.wav");
  EXPECT_EQ(e[3].kind, Kind::Halt);
  EXPECT_FALSE(h.visible("MediaPlayer1"));
  EXPECT_TRUE(h.sound().played().empty());
}

TEST(CuePlayers, OnlyThePassPlayerPlaysThreeTimesPerRequest) {
  TestProgram program(with_players, with_two_cues);
  Harness& h = program.harness;
  h.sound().clear();
  h.click("Go");
  ASSERT_EQ(h.sound().events().size(), 2u);
  EXPECT_EQ(h.sound().events()[0].times, 1);
  EXPECT_EQ(h.sound().events()[1].times, 3);
}

TEST(CuePlayers, UnloadingSilencesThePlayersAndARestartHaltsThemAgain) {
  TestProgram program(with_players, with_two_cues);
  Harness& h = program.harness;
  TestScreen& screen = program.screen(ScreenId::Menu);
  screen.Form_Load();  // a restart in place runs the load step on the same players
  EXPECT_EQ(h.sound().open_players(), 2);
  EXPECT_EQ(h.sound().events().back().kind, Kind::Halt);
  h.close_window();
  EXPECT_EQ(h.sound().open_players(), 0);
  EXPECT_EQ(h.sound().events().back().kind, Kind::Close);
}

TEST(CuePlayers, APlayerWithoutAFileOrAfterReleaseStaysSilent) {
  RecordingSoundDevice device;
  CuePlayer player(device);
  player.play();
  player.set_file_name("/wav/x.wav");
  player.release();
  player.play();
  player.halt();
  EXPECT_TRUE(device.played().empty());
  EXPECT_THROW(player.set_play_count(0), std::invalid_argument);
}

}  // namespace
}  // namespace metria::testing
