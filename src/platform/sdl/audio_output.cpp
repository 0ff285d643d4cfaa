// Opening and closing the SDL_mixer output, with the fallback to the dummy driver.
#include "platform/sdl/audio_output.h"

#include <SDL.h>
#include <SDL_mixer.h>
#include <alsa/asoundlib.h>

#include <cstdio>

namespace metria {

namespace {

constexpr int kBufferFrames = 512;  // about 12 ms at 44.1 kHz: a cue starts within one buffer

// ALSA's library prints lines of its own on stderr when it finds no card (SDL tries it when no
// sound server answers); the program says it once in its own words instead.
void ignore_alsa_message(const char*, int, const char*, int, const char*, ...) {}

}  // namespace

bool AudioOutput::open_once() {
  m_audio = SDL_InitSubSystem(SDL_INIT_AUDIO) == 0;
  m_open = m_audio && Mix_OpenAudio(MIX_DEFAULT_FREQUENCY, MIX_DEFAULT_FORMAT, 2, kBufferFrames) == 0;
  if (m_open) return true;
  if (m_audio) SDL_QuitSubSystem(SDL_INIT_AUDIO);
  m_audio = false;
  return false;
}

bool AudioOutput::open() {
  if (m_open) return true;
  snd_lib_error_set_handler(ignore_alsa_message);
  if (!open_once() && !m_fell_back) {
    // SDL does not fall back by itself when the sound card cannot be opened. The hint overrides
    // an SDL_AUDIODRIVER naming a driver that does not work.
    std::fprintf(stderr, "metria: warning: no sound output (%s); the cues stay silent\n", SDL_GetError());
    SDL_SetHintWithPriority(SDL_HINT_AUDIODRIVER, "dummy", SDL_HINT_OVERRIDE);
    m_fell_back = true;
    open_once();
  }
  if (!m_open) return false;
  Mix_AllocateChannels(kChannels);
  Uint16 sample_format = 0;
  Mix_QuerySpec(&m_format.frequency, &sample_format, &m_format.channels);
  m_format.sample_format = sample_format;
  return true;
}

void AudioOutput::close() {
  if (m_open) Mix_CloseAudio();
  if (m_audio) SDL_QuitSubSystem(SDL_INIT_AUDIO);
  m_open = m_audio = false;
}

int AudioOutput::bytes_per_second() const {
  return m_format.frequency * m_format.channels * SDL_AUDIO_BITSIZE(m_format.sample_format) / 8;
}

}  // namespace metria
