// Synthesises the program's seven sound cues as 16-bit mono WAV files.
// Usage: synth_cues OUTPUT_FOLDER
// Every cue is built from plain additive tones and seeded noise, so the same build writes
// the same bytes on every run. All cues are brought to the same short-term loudness and
// start and end with short fades, so no cue clicks.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstddef>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

namespace {

constexpr int kSampleRate = 44100;
constexpr double kPi = 3.14159265358979323846;
constexpr double kTargetLoudness = 0.2;  // RMS of the loudest 100 ms window
constexpr double kPeakLimit = 0.89;      // about -1 dBFS
constexpr double kFadeIn = 0.003;
constexpr double kFadeOut = 0.010;

using Samples = std::vector<double>;

int to_samples(double seconds) { return static_cast<int>(std::lround(seconds * kSampleRate)); }

// Relative strengths of the harmonics of a timbre, the fundamental first; a partial's
// frequency is the note's frequency times its ratio.
struct Partial {
  double ratio;
  double amplitude;
};
using Timbre = std::vector<Partial>;

// Attack, then an exponential fall towards a sustain level, and a raised-cosine release
// at the end of the note.
struct Envelope {
  double attack;
  double decay;    // time constant of the fall, seconds
  double sustain;  // level the fall tends to, 0 to 1
  double release;
};

struct Note {
  double start;  // seconds from the start of the cue
  double frequency;
  double length;
  double gain;
};

double envelope_at(const Envelope& env, double t, double length) {
  double level = t < env.attack ? t / env.attack : 1.0;
  double after_attack = std::max(0.0, t - env.attack);
  level *= env.sustain + (1.0 - env.sustain) * std::exp(-after_attack / env.decay);
  double to_end = length - t;
  if (to_end < env.release) level *= 0.5 - 0.5 * std::cos(kPi * std::max(0.0, to_end) / env.release);
  return level;
}

// Adds one note, with an optional vibrato, into the cue; partials above the Nyquist
// frequency are left out so no tone aliases.
void add_note(Samples& cue, const Note& note, const Timbre& timbre, const Envelope& env,
              double vibrato_depth = 0.0, double vibrato_rate = 5.5) {
  int first = to_samples(note.start);
  int count = to_samples(note.length);
  if (static_cast<int>(cue.size()) < first + count) cue.resize(first + count, 0.0);
  double phase = 0.0;
  for (int i = 0; i < count; ++i) {
    double t = static_cast<double>(i) / kSampleRate;
    double wobble = 1.0 + vibrato_depth * std::sin(2.0 * kPi * vibrato_rate * t) * std::min(1.0, t / 0.15);
    phase += 2.0 * kPi * note.frequency * wobble / kSampleRate;
    double value = 0.0;
    for (const Partial& p : timbre) {
      if (note.frequency * p.ratio < kSampleRate / 2.0) value += p.amplitude * std::sin(p.ratio * phase);
    }
    cue[first + i] += note.gain * envelope_at(env, t, note.length) * value;
  }
}

// A small linear congruential generator: the same noise on every run and every platform.
class Noise {
 public:
  explicit Noise(std::uint32_t seed) : m_state(seed) {}
  double next() {
    m_state = m_state * 1664525u + 1013904223u;
    return static_cast<double>(m_state >> 8) / static_cast<double>(1u << 23) - 1.0;
  }

 private:
  std::uint32_t m_state;
};

// A footstep: a knock whose pitch drops quickly, like a flipper patting a hard floor,
// with a short burst of softened noise for the scuff.
Samples footstep(double pitch_start, double pitch_end, double length, double scuff, std::uint32_t seed) {
  Samples cue(to_samples(length), 0.0);
  Noise noise(seed);
  double phase = 0.0;
  double smoothed = 0.0;
  for (std::size_t i = 0; i < cue.size(); ++i) {
    double t = static_cast<double>(i) / kSampleRate;
    double pitch = pitch_end + (pitch_start - pitch_end) * std::exp(-t / 0.012);
    phase += 2.0 * kPi * pitch / kSampleRate;
    double knock = (std::sin(phase) + 0.35 * std::sin(2.76 * phase)) * std::exp(-t / 0.022);
    smoothed += 0.35 * (noise.next() - smoothed);
    cue[i] = knock + scuff * smoothed * std::exp(-t / 0.006);
  }
  return cue;
}

double note_hz(int midi) { return 440.0 * std::pow(2.0, (midi - 69) / 12.0); }

enum Pitch { G4 = 67, C5 = 72, E5 = 76, G5 = 79, A5 = 81, C6 = 84, E6 = 88, Fs4 = 66, F4 = 65, E4 = 64 };

const Timbre kBell = {{1.0, 1.0}, {2.0, 0.45}, {3.0, 0.2}, {4.2, 0.12}, {5.4, 0.05}};
const Timbre kMarimba = {{1.0, 1.0}, {4.0, 0.3}, {9.9, 0.06}};
const Timbre kSoft = {{1.0, 1.0}, {2.0, 0.12}, {3.0, 0.1}, {5.0, 0.03}};

// Sawtooth-like, for the fanfare's brass.
Timbre brass() {
  Timbre t;
  for (int k = 1; k <= 14; ++k) t.push_back({static_cast<double>(k), 1.0 / k});
  return t;
}

// Square-like with odd harmonics, for the buzz.
Timbre buzz() {
  Timbre t;
  for (int k = 1; k <= 25; k += 2) t.push_back({static_cast<double>(k), 1.0 / k});
  return t;
}

// Right answer: a bright two-note chime, high then lower.
Samples right_chime() {
  Samples cue;
  Envelope ring{0.002, 0.28, 0.0, 0.05};
  add_note(cue, {0.0, note_hz(E6), 0.75, 1.0}, kBell, ring);
  add_note(cue, {0.16, note_hz(C6), 0.64, 1.0}, kBell, ring);
  return cue;
}

// Wrong answer: two low, slightly detuned buzzes, short then long.
Samples wrong_buzz() {
  Samples cue;
  Envelope flat{0.006, 1.0, 1.0, 0.03};
  Timbre timbre = buzz();
  for (double hz : {138.0, 145.0}) {
    add_note(cue, {0.0, hz, 0.16, 0.5}, timbre, flat);
    add_note(cue, {0.22, hz, 0.40, 0.5}, timbre, flat);
  }
  return cue;
}

// Credit: a quick cheerful marimba run up to a bright final chord.
Samples credit_jingle() {
  Samples cue;
  Envelope knock{0.003, 0.16, 0.0, 0.03};
  Envelope last{0.003, 0.4, 0.0, 0.12};
  const int run[] = {C5, E5, G5, E5, A5, G5};
  for (int i = 0; i < 6; ++i) add_note(cue, {0.1 * i, note_hz(run[i]), 0.22, 1.0}, kMarimba, knock);
  for (int chord : {G5, C6, E6}) add_note(cue, {0.62, note_hz(chord), 0.7, 0.7}, kMarimba, last);
  return cue;
}

// Pass: "ta-ta-ta-taa" on brass, one second long with a short breath at its end so that
// three plays in a row make one festive phrase.
Samples pass_fanfare() {
  Samples cue;
  Envelope blow{0.015, 0.2, 0.75, 0.04};
  Envelope hold{0.02, 0.5, 0.7, 0.12};
  Timbre timbre = brass();
  for (double start : {0.0, 0.13, 0.26}) add_note(cue, {start, note_hz(G4), 0.11, 0.8}, timbre, blow);
  for (int chord : {C5, E5, G5}) add_note(cue, {0.40, note_hz(chord), 0.55, 0.6}, timbre, hold, 0.006);
  cue.resize(to_samples(1.0), 0.0);
  return cue;
}

// Fail: a gentle sinking phrase, three short notes and a long one with a slow wobble.
Samples fail_phrase() {
  Samples cue;
  Envelope soft{0.03, 0.4, 0.6, 0.06};
  Envelope fading{0.03, 0.6, 0.4, 0.3};
  const int notes[] = {G4, Fs4, F4};
  for (int i = 0; i < 3; ++i) add_note(cue, {0.3 * i, note_hz(notes[i]), 0.26, 1.0}, kSoft, soft);
  add_note(cue, {0.9, note_hz(E4), 0.95, 1.0}, kSoft, fading, 0.012, 4.5);
  return cue;
}

void fade_ends(Samples& cue) {
  int in = to_samples(kFadeIn);
  int out = to_samples(kFadeOut);
  int n = static_cast<int>(cue.size());
  for (int i = 0; i < std::min(in, n); ++i) cue[i] *= 0.5 - 0.5 * std::cos(kPi * i / in);
  for (int i = 0; i < std::min(out, n); ++i) cue[n - 1 - i] *= 0.5 - 0.5 * std::cos(kPi * i / out);
}

// Short-term loudness: the RMS of the loudest 100 ms stretch (the whole cue if shorter).
double loudness(const Samples& cue) {
  std::size_t window = std::min<std::size_t>(cue.size(), to_samples(0.1));
  std::size_t hop = to_samples(0.01);
  double best = 0.0;
  for (std::size_t start = 0; start + window <= cue.size(); start += hop) {
    double sum = 0.0;
    for (std::size_t i = start; i < start + window; ++i) sum += cue[i] * cue[i];
    best = std::max(best, std::sqrt(sum / window));
  }
  return best;
}

void normalise(Samples& cue) {
  double peak = 0.0;
  for (double v : cue) peak = std::max(peak, std::abs(v));
  double gain = std::min(kTargetLoudness / loudness(cue), kPeakLimit / peak);
  for (double& v : cue) v *= gain;
}

void put_le(std::ofstream& out, std::uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out.put(static_cast<char>((value >> (8 * i)) & 0xFF));
}

bool write_wav(const std::string& path, const Samples& cue) {
  std::ofstream out(path, std::ios::binary);
  const std::uint32_t data_bytes = static_cast<std::uint32_t>(cue.size() * 2);
  out.write("RIFF", 4);
  put_le(out, 36 + data_bytes, 4);
  out.write("WAVEfmt ", 8);
  put_le(out, 16, 4);              // size of the format chunk
  put_le(out, 1, 2);               // PCM
  put_le(out, 1, 2);               // mono
  put_le(out, kSampleRate, 4);
  put_le(out, kSampleRate * 2, 4);  // bytes per second
  put_le(out, 2, 2);               // bytes per frame
  put_le(out, 16, 2);              // bits per sample
  out.write("data", 4);
  put_le(out, data_bytes, 4);
  for (double v : cue) {
    long sample = std::lround(std::clamp(v, -1.0, 1.0) * 32767.0);
    put_le(out, static_cast<std::uint32_t>(static_cast<std::uint16_t>(static_cast<std::int16_t>(sample))), 2);
  }
  return static_cast<bool>(out);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: synth_cues OUTPUT_FOLDER\n";
    return 2;
  }
  const std::string folder = argv[1];
  struct Cue {
    const char* file;
    Samples samples;
  };
  Cue cues[] = {
      {"kame1.wav", footstep(420.0, 250.0, 0.10, 0.5, 1u)},
      {"kame2.wav", footstep(330.0, 190.0, 0.09, 0.8, 2u)},
      {"zunomi.wav", credit_jingle()},
      {"o.wav", right_chime()},
      {"x.wav", wrong_buzz()},
      {"gokaku.wav", pass_fanfare()},
      {"dame.wav", fail_phrase()},
  };
  for (Cue& cue : cues) {
    fade_ends(cue.samples);
    normalise(cue.samples);
    if (!write_wav(folder + "/" + cue.file, cue.samples)) {
      std::cerr << "synth_cues: cannot write " << folder << "/" << cue.file << "\n";
      return 1;
    }
  }
  return 0;
}
