// A cue's Play on the program's own sound device (SDL_mixer, here on SDL's dummy audio driver):
// how long the call takes to return, and how long until the mixer hands the cue's first samples
// to the audio device. The device's buffer size is read from the mixer's own callback.
#include <SDL.h>
#include <SDL_mixer.h>
#include <benchmark/benchmark.h>

#include <atomic>
#include <chrono>
#include <thread>

#include "figures.h"
#include "platform/sdl/sdl_sound_device.h"

namespace metria::bench {
namespace {

using Clock = std::chrono::steady_clock;

SdlSoundDevice& sound_device() {
  static SdlSoundDevice device;
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

void BM_PlayFirstSample(benchmark::State& state) {
  const PlayerId player = cue_player();
  static OutputWatch watch;
  Mix_SetPostMix(watch_output, &watch);
  Samples samples;
  for (auto _ : state) {
    sound_device().halt(player);
    std::this_thread::sleep_for(std::chrono::milliseconds(30));  // the output is silent again
    watch.heard_at = 0;
    watch.armed = true;
    sound_device().play(player, 1);
    const auto played = Clock::now();
    while (watch.armed && Clock::now() - played < std::chrono::milliseconds(500))
      std::this_thread::sleep_for(std::chrono::microseconds(100));
    const double us =
        std::chrono::duration<double, std::micro>(Clock::time_point(Clock::duration(watch.heard_at.load())) - played)
            .count();
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

}  // namespace
}  // namespace metria::bench
