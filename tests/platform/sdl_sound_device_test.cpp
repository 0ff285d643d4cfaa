// The desktop sound device over SDL_mixer, heard through SDL's dummy audio driver: the mixer's
// final output is watched as it is produced, so a test waits for what it expects to hear (with a
// deadline), never for a fixed time. Each test cue is a ramp whose frames carry their own number,
// so the output shows where each play starts and whether it ran to its end.
#include "platform/sdl/sdl_sound_device.h"

#include <SDL.h>
#include <SDL_mixer.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "platform/headless/virtual_clock.h"

namespace metria::testing {
namespace {

// Frame n of a cue holds n % 32000 + 1 in its left sample and n / 32000 + 1 in its right, and its last
// frame holds −1 in both: no frame is silent, and its first and last frames are unlike any other.
constexpr std::int16_t kBlock = 32000, kLast = -1;

void write_ramp_wav(const std::string& path, int frames, int frequency) {
  std::vector<std::int16_t> samples;
  for (int n = 0; n + 1 < frames; ++n) {
    samples.push_back(static_cast<std::int16_t>(n % kBlock + 1));
    samples.push_back(static_cast<std::int16_t>(n / kBlock + 1));
  }
  samples.insert(samples.end(), {kLast, kLast});
  const auto u32 = [](std::ofstream& out, std::uint32_t v) { out.write(reinterpret_cast<const char*>(&v), 4); };
  const auto u16 = [](std::ofstream& out, std::uint16_t v) { out.write(reinterpret_cast<const char*>(&v), 2); };
  const std::uint32_t data_bytes = static_cast<std::uint32_t>(samples.size() * 2);
  std::ofstream out(path, std::ios::binary);
  out.write("RIFF", 4), u32(out, 36 + data_bytes), out.write("WAVEfmt ", 8), u32(out, 16);
  u16(out, 1), u16(out, 2), u32(out, static_cast<std::uint32_t>(frequency)),
      u32(out, static_cast<std::uint32_t>(frequency) * 4), u16(out, 4), u16(out, 16);
  out.write("data", 4), u32(out, data_bytes);
  out.write(reinterpret_cast<const char*>(samples.data()), data_bytes);
}

// What the mixer has put out so far.
struct Counts {
  int buffers = 0;        // output buffers mixed
  int sounding = 0;       // frames that were not silent
  int starts = 0;         // first frames of a cue
  int ends = 0;           // last frames of a cue
  int channels_done = 0;  // channels that finished or were halted
};

// Counts filled in by the mixer's audio thread.
struct Heard {
  std::mutex mutex;
  std::condition_variable changed;
  Counts counts;
};
Heard* g_heard = nullptr;

void SDLCALL listen(void*, Uint8* stream, int bytes) {
  const auto* s = reinterpret_cast<const std::int16_t*>(stream);
  const std::lock_guard lock(g_heard->mutex);
  for (int i = 0; i + 1 < bytes / 2; i += 2) {
    if (s[i] == 0) continue;
    ++g_heard->counts.sounding;
    g_heard->counts.starts += s[i] == 1 && s[i + 1] == 1;
    g_heard->counts.ends += s[i] == kLast && s[i + 1] == kLast;
  }
  ++g_heard->counts.buffers;
  g_heard->changed.notify_all();
}

void SDLCALL channel_done(int) {
  const std::lock_guard lock(g_heard->mutex);
  ++g_heard->counts.channels_done;
  g_heard->changed.notify_all();
}

class SdlSound : public ::testing::Test {
 protected:
  void SetUp() override {
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    g_heard = &heard;
    device.emplace(clock);
    int channels = 0;
    Uint16 format = 0;
    ASSERT_EQ(Mix_QuerySpec(&frequency, &format, &channels), 1) << "the mixer is open";
    ASSERT_EQ(format, AUDIO_S16SYS);
    ASSERT_EQ(channels, 2);
    Mix_SetPostMix(listen, nullptr);
    Mix_ChannelFinished(channel_done);
  }
  void TearDown() override {
    Mix_SetPostMix(nullptr, nullptr);
    Mix_ChannelFinished(nullptr);
    device.reset();
    g_heard = nullptr;
  }

  std::string cue(const char* name, int frames) {
    const std::string path = ::testing::TempDir() + "metria_" + name + ".wav";
    write_ramp_wav(path, frames, frequency);
    return path;
  }

  // Waits until `done` holds of what was heard; false if it still does not after ten seconds.
  bool heard_until(const std::function<bool(const Counts&)>& done) {
    std::unique_lock lock(heard.mutex);
    return heard.changed.wait_for(lock, std::chrono::seconds(10), [&] { return done(heard.counts); });
  }
  Counts snapshot() {
    const std::lock_guard lock(heard.mutex);
    return heard.counts;
  }
  // Lets the mixer put out two more buffers, so that anything still sounding would be heard.
  void two_more_buffers() {
    const int seen = snapshot().buffers;
    ASSERT_TRUE(heard_until([&](const Counts& h) { return h.buffers >= seen + 2; }));
  }

  Heard heard;
  headless::VirtualClock clock;
  int frequency = 0;
  std::optional<SdlSoundDevice> device;
};

TEST_F(SdlSound, APlayOfThreeTimesSoundsTheCueThreeTimesThenStops) {
  const int frames = frequency / 50;  // 20 ms
  const PlayerId player = device->open_player();
  device->load(player, cue("three", frames));
  device->play(player, 3);
  ASSERT_TRUE(heard_until([](const Counts& h) { return h.channels_done == 1; }));
  EXPECT_EQ(Mix_Playing(-1), 0);
  two_more_buffers();
  const Counts h = snapshot();
  EXPECT_EQ(h.starts, 3);
  EXPECT_EQ(h.ends, 3);
  EXPECT_EQ(h.sounding, 3 * frames) << "three whole plays back to back, nothing more";
}

TEST_F(SdlSound, ANewPlayRestartsTheCueFromItsBeginning) {
  const int frames = frequency * 3;  // long enough that the first play is still sounding
  const PlayerId player = device->open_player();
  device->load(player, cue("restart", frames));
  device->play(player, 1);
  ASSERT_TRUE(heard_until([](const Counts& h) { return h.starts == 1; }));
  device->play(player, 1);
  ASSERT_TRUE(heard_until([](const Counts& h) { return h.starts == 2; }));
  EXPECT_EQ(Mix_Playing(-1), 1) << "one channel: the new play replaced the old one";
  EXPECT_EQ(snapshot().ends, 0) << "the first play was cut off, not finished";
  device->halt(player);
}

TEST_F(SdlSound, HaltAndCloseSilenceThePlayerAtOnce) {
  const int frames = frequency * 3;
  const std::string path = cue("halt", frames);
  const PlayerId halted = device->open_player(), closed = device->open_player();
  device->load(halted, path);
  device->load(closed, path);

  device->play(halted, 1);
  ASSERT_TRUE(heard_until([](const Counts& h) { return h.sounding > 0; }));
  device->halt(halted);
  EXPECT_EQ(Mix_Playing(-1), 0);
  const int after_halt = snapshot().sounding;
  two_more_buffers();
  EXPECT_EQ(snapshot().sounding, after_halt);

  device->play(closed, 1);
  ASSERT_TRUE(heard_until([&](const Counts& h) { return h.sounding > after_halt; }));
  device->close_player(closed);
  EXPECT_EQ(Mix_Playing(-1), 0);
  const int after_close = snapshot().sounding;
  two_more_buffers();
  EXPECT_EQ(snapshot().sounding, after_close);
  EXPECT_EQ(snapshot().ends, 0);

  device->play(halted, 1);  // a halted player plays again; a closed one is gone
  device->play(closed, 1);
  EXPECT_EQ(Mix_Playing(-1), 1);
  device->halt(halted);
}

TEST_F(SdlSound, AMissingFileLeavesSilentPlayersAndOneWarning) {
  const std::string missing = ::testing::TempDir() + "metria_no_such_cue.wav";
  const PlayerId first = device->open_player(), second = device->open_player();
  ::testing::internal::CaptureStderr();
  device->load(first, missing);
  device->load(second, missing);
  device->play(first, 1);
  device->play(second, 3);
  const std::string warnings = ::testing::internal::GetCapturedStderr();
  EXPECT_EQ(Mix_Playing(-1), 0);
  two_more_buffers();
  EXPECT_EQ(snapshot().sounding, 0);
  std::size_t lines = 0;
  for (const char c : warnings) lines += c == '\n';
  EXPECT_EQ(lines, 1u) << warnings;
  EXPECT_NE(warnings.find("metria: warning: cannot play " + missing), std::string::npos) << warnings;
}

// The output's release runs on the device's clock, here a virtual one: only the hearing waits.
TEST_F(SdlSound, TheOutputIsLetGoTwoSecondsAfterTheLastCueHasSounded) {
  EXPECT_EQ(device->release_when_quiet(), SdlSoundDevice::kLingerMs) << "nothing played since it opened";
  const PlayerId player = device->open_player();
  device->load(player, cue("linger", frequency / 5));  // 200 ms
  clock.set(1000);
  device->play(player, 2);
  const std::int64_t quiet = 1400 + SdlSoundDevice::kLingerMs;
  EXPECT_EQ(device->release_when_quiet(), quiet);
  clock.set(quiet - 1);
  EXPECT_EQ(device->release_when_quiet(), quiet);
  EXPECT_TRUE(device->output_open());
  clock.set(quiet);
  EXPECT_EQ(device->release_when_quiet(), std::nullopt);
  EXPECT_FALSE(device->output_open());
  EXPECT_EQ(Mix_QuerySpec(nullptr, nullptr, nullptr), 0) << "the mixer is closed";
  EXPECT_EQ(SDL_WasInit(SDL_INIT_AUDIO), 0u) << "and SDL's audio, with the driver's threads";
  EXPECT_EQ(device->release_when_quiet(), std::nullopt) << "nothing to wake up for";
}

TEST_F(SdlSound, HaltingTheLastCueStartsTheLingerAtOnce) {
  const PlayerId player = device->open_player();
  device->load(player, cue("halted_linger", frequency * 3));
  device->play(player, 1);
  clock.set(500);
  device->halt(player);
  EXPECT_EQ(device->release_when_quiet(), 500 + SdlSoundDevice::kLingerMs);
}

TEST_F(SdlSound, APlayAfterTheReleaseOpensTheOutputAgainAndSoundsTheWholeCue) {
  const int frames = frequency / 50;
  const std::string loaded_before = cue("before_release", frames), loaded_after = cue("after_release", frames);
  PlayerId players[10];
  for (PlayerId& p : players) p = device->open_player();
  const PlayerId first = players[0], last = players[9];  // on a channel beyond SDL_mixer's own eight
  device->load(first, loaded_before);
  clock.set(SdlSoundDevice::kLingerMs);
  ASSERT_EQ(device->release_when_quiet(), std::nullopt);
  device->load(last, loaded_after);  // decoded when it first plays
  EXPECT_FALSE(device->output_open()) << "loading alone does not open the output";

  device->play(first, 1);
  EXPECT_TRUE(device->output_open());
  ASSERT_TRUE(heard_until([](const Counts& h) { return h.ends == 1; }));
  device->play(last, 2);
  ASSERT_TRUE(heard_until([](const Counts& h) { return h.ends == 3; }));
  EXPECT_EQ(snapshot().starts, 3) << "each play whole, from its first frame";
  EXPECT_EQ(device->release_when_quiet(), clock.now_ms() + 2 * 20 + SdlSoundDevice::kLingerMs);
}

TEST(SdlSoundWithoutDevice, FallsBackToTheDummyDriverWithOneWarningForTheWholeRun) {
  headless::VirtualClock clock;
  setenv("SDL_AUDIODRIVER", "nonexistent", 1);
  ::testing::internal::CaptureStderr();
  {
    SdlSoundDevice device(clock);
    EXPECT_TRUE(device.output_open()) << "on the dummy driver";
    clock.set(SdlSoundDevice::kLingerMs);
    ASSERT_EQ(device.release_when_quiet(), std::nullopt);
    const PlayerId player = device.open_player();
    device.load(player, METRIA_BINARY_DIR "/wav/o.wav");
    device.play(player, 1);
    EXPECT_TRUE(device.output_open()) << "opened again, on the dummy driver";
  }
  const std::string warnings = ::testing::internal::GetCapturedStderr();
  setenv("SDL_AUDIODRIVER", "dummy", 1);
  EXPECT_EQ(std::count(warnings.begin(), warnings.end(), '\n'), 1) << warnings;
  EXPECT_NE(warnings.find("metria: warning: no sound output"), std::string::npos) << warnings;
}

}  // namespace
}  // namespace metria::testing
