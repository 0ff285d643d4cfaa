// SDL's audio subsystem and the mixer, opened when a cue is to sound and closed again when none
// has for a while: while they are open, SDL's audio thread wakes the processor on every buffer.
#pragma once

namespace metria {

// What the mixer plays: chunks are decoded for one format and stay valid while it stays.
struct AudioFormat {
  int frequency = 0;
  int sample_format = 0;
  int channels = 0;
  friend bool operator==(const AudioFormat&, const AudioFormat&) = default;
};

class AudioOutput {
 public:
  // Two loaded screens hold at most twelve players; the mixer goes through every channel on each
  // buffer, so it gets no more than it can need.
  static constexpr int kChannels = 16;

  AudioOutput() = default;
  ~AudioOutput() { close(); }
  AudioOutput(const AudioOutput&) = delete;
  AudioOutput& operator=(const AudioOutput&) = delete;

  // Opens the output unless it is open; true when it is. Without a usable device SDL's dummy
  // driver takes its place for the rest of the run (one warning), so that timing and everything
  // else behave the same, only silent.
  bool open();
  // Closes the mixer and the audio subsystem, which ends every thread of the audio driver.
  void close();
  bool is_open() const { return m_open; }
  AudioFormat format() const { return m_format; }
  // Bytes of mixed output per second, to tell how long a chunk sounds.
  int bytes_per_second() const;

 private:
  bool open_once();

  bool m_audio = false;  // the audio subsystem is initialised
  bool m_open = false;   // the mixer is open
  bool m_fell_back = false;  // on the dummy driver since a device failed: warned once
  AudioFormat m_format;
};

}  // namespace metria
