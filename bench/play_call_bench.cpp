// A cue's Play on the program's own sound device (SDL_mixer, here on SDL's dummy audio driver):
// how long the call takes to return, and how long until the mixer hands the cue's first samples
// to the audio device, with the output open and after it was let go. The device's buffer size is
// read from the mixer's own callback.
#include <SDL.h>
#include <SDL_mixer.h>
#include <benchmark/benchmark.h>

#include <atomic>
#include <chrono>
#include <string>
#include <thread>

#include "figures.h"
#include "platform/headless/virtual_clock.h"
#include "platform/sdl/sdl_sound_device.h"

namespace metria::bench {
namespace {

using Clock = std::chrono::steady_clock;

// The device's own clock: it moves only when a benchmark lets the output go.
headless::VirtualClock& device_clock() {
  static headless::VirtualClock clock;
  return clock;
}

SdlSoundDevice& sound_device() {
  static SdlSoundDevice device(device_clock());
  return device;
}

PlayerId cue_player() {
  static const PlayerId player = [] {
    const PlayerId id = sound_device().open_player();
    sound_device().load(id, METRIA_CUE_DIR "/o.wav");
    return id;
  }();
  return player;
}

void BM_PlayCall(benchmark::State& state) {
  const PlayerId player = cue_player();
  Samples samples;
  for (auto _ : state) {
    const Stopwatch watch;
    sound_device().play(player, 1);
    const double us = watch.elapsed_us();
    state.SetIterationTime(us / 1e6);
    samples.add(us);
  }
  sound_device().halt(player);
  record_samples("play.call", samples);
}
BENCHMARK(BM_PlayCall)->Iterations(5000)->UseManualTime()->Unit(benchmark::kMicrosecond);

// Watches the mixed output: the first buffer after `armed` that carries sound.
struct OutputWatch {
  std::atomic<bool> armed{false};
  std::atomic<Clock::rep> heard_at{0};
  std::atomic<int> buffer_bytes{0};
};

void watch_output(void* user, Uint8* stream, int len) {
  auto& watch = *static_cast<OutputWatch*>(user);
  watch.buffer_bytes = len;
  if (!watch.armed) return;
  for (int i = 0; i < len; ++i) {
    if (stream[i] != 0) {
      watch.heard_at = Clock::now().time_since_epoch().count();
      watch.armed = false;
      return;
    }
  }
}

OutputWatch& output_watch() {
  static OutputWatch watch;
  return watch;
}

// Microseconds from `asked` until the watch heard sound; a cue not heard within half a second
// counts as half a second.
double until_heard(Clock::time_point asked) {
  constexpr auto kDeadline = std::chrono::milliseconds(500);
  OutputWatch& watch = output_watch();
  while (watch.armed && Clock::now() - asked < kDeadline) std::this_thread::sleep_for(std::chrono::microseconds(100));
  const auto heard = watch.armed ? asked + kDeadline : Clock::time_point(Clock::duration(watch.heard_at.load()));
  watch.armed = false;
  return std::chrono::duration<double, std::micro>(heard - asked).count();
}

void arm(OutputWatch& watch) {
  watch.heard_at = 0;
  watch.armed = true;
}

void BM_PlayFirstSample(benchmark::State& state) {
  const PlayerId player = cue_player();
  OutputWatch& watch = output_watch();
  Mix_SetPostMix(watch_output, &watch);
  Samples samples;
  for (auto _ : state) {
    sound_device().halt(player);
    std::this_thread::sleep_for(std::chrono::milliseconds(30));  // the output is silent again
    arm(watch);
    sound_device().play(player, 1);
    const double us = until_heard(Clock::now());
    state.SetIterationTime(us / 1e6);
    samples.add(us);
  }
  Mix_SetPostMix(nullptr, nullptr);
  sound_device().halt(player);

  int frequency = 0, channels = 0;
  Uint16 format = 0;
  Mix_QuerySpec(&frequency, &format, &channels);
  const int frame_bytes = channels * SDL_AUDIO_BITSIZE(format) / 8;
  const double frames = frame_bytes > 0 ? static_cast<double>(watch.buffer_bytes) / frame_bytes : 0;
  record_figure("play.buffer_frames", frames);
  record_figure("play.buffer_ms", frequency > 0 ? frames * 1000.0 / frequency : 0);
  record_figure("play.frequency", frequency);
  record_samples("play.first_sample", samples);
}
BENCHMARK(BM_PlayFirstSample)->Iterations(40)->UseManualTime()->Unit(benchmark::kMicrosecond);

// The output let go, as two seconds after the last cue, then a Play: the call opens SDL's audio
// and the mixer again before it returns. Figures are named after the driver SDL_AUDIODRIVER chose.
void BM_PlayAfterRelease(benchmark::State& state) {
  const PlayerId player = cue_player();
  OutputWatch& watch = output_watch();
  Mix_SetPostMix(watch_output, &watch);  // kept by SDL_mixer while it is closed
  constexpr double kTargetUs = 50'000;  // the first sample of a cue that opens the output
  Samples first_sample, call;
  int late = 0;
  for (auto _ : state) {
    sound_device().halt(player);
    device_clock().set(device_clock().now_ms() + SdlSoundDevice::kLingerMs);
    if (sound_device().release_when_quiet()) {
      state.SkipWithError("the output was not let go");
      break;
    }
    arm(watch);
    const auto asked = Clock::now();
    sound_device().play(player, 1);
    call.add(std::chrono::duration<double, std::micro>(Clock::now() - asked).count());
    const double us = until_heard(asked);
    state.SetIterationTime(us / 1e6);
    first_sample.add(us);
    late += us > kTargetUs;
  }
  const std::string driver = SDL_GetCurrentAudioDriver() ? SDL_GetCurrentAudioDriver() : "none";
  Mix_SetPostMix(nullptr, nullptr);
  sound_device().halt(player);
  record_samples("play.after_release." + driver, first_sample);
  record_samples("play.after_release_call." + driver, call);
  record_figure("play.after_release." + driver + ".late", late);
}
BENCHMARK(BM_PlayAfterRelease)->Iterations(20)->UseManualTime()->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace metria::bench
