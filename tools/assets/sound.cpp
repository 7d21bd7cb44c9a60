#include "tools/assets/sound.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>

namespace assets {

namespace {

constexpr float TwoPi = 6.2831853f;

// A small fixed-seed generator so every build writes the same noise.
struct Noise {
  uint32_t state;
  explicit Noise(uint32_t seed) : state(seed) {}
  float next() {
    state ^= state << 13;
    state ^= state >> 17;
    state ^= state << 5;
    return float(state & 0xffffff) / float(0x800000) - 1.0f;
  }
};

float note_hz(int midi) { return 440.0f * std::pow(2.0f, (midi - 69) / 12.0f); }

// Adds a voice into a circular buffer, so tails that run past the end come
// back in at the start and the loop seam is exactly the steady state.
struct LoopMix {
  std::vector<float> buf;
  explicit LoopMix(size_t n) : buf(n, 0.0f) {}
  void add(size_t at, const std::vector<float>& voice, float gain) {
    for (size_t i = 0; i < voice.size(); ++i) buf[(at + i) % buf.size()] += voice[i] * gain;
  }
};

// A soft pluck: a few odd and even harmonics under an exponential decay.
std::vector<float> pluck(float hz, float seconds, float decay, float brightness) {
  std::vector<float> v(size_t(seconds * SampleRate));
  for (size_t i = 0; i < v.size(); ++i) {
    float t = float(i) / SampleRate;
    float s = std::sin(TwoPi * hz * t) + brightness * 0.5f * std::sin(TwoPi * 2 * hz * t) +
              brightness * 0.25f * std::sin(TwoPi * 3 * hz * t);
    float attack = std::min(1.0f, t / 0.004f);
    float release = std::min(1.0f, (seconds - t) / 0.02f);
    v[i] = s * attack * release * std::exp(-t * decay);
  }
  return v;
}

// A slow pad: detuned pair of triangles with a long swell and fade.
std::vector<float> pad(float hz, float seconds) {
  std::vector<float> v(size_t(seconds * SampleRate));
  for (size_t i = 0; i < v.size(); ++i) {
    float t = float(i) / SampleRate;
    auto tri = [](float phase) { return 4.0f * std::fabs(phase - std::floor(phase + 0.5f)) - 1.0f; };
    float s = 0.5f * (tri(hz * t) + tri(hz * 1.004f * t + 0.3f));
    float env = std::min(1.0f, t / 0.6f) * std::min(1.0f, (seconds - t) / 0.8f);
    v[i] = s * env;
  }
  return v;
}

std::vector<float> kick() {
  std::vector<float> v(size_t(0.25f * SampleRate));
  float phase = 0;
  for (size_t i = 0; i < v.size(); ++i) {
    float t = float(i) / SampleRate;
    phase += TwoPi * (45.0f + 90.0f * std::exp(-t * 30.0f)) / SampleRate;
    v[i] = std::sin(phase) * std::exp(-t * 14.0f) * std::min(1.0f, (0.25f - t) / 0.01f);
  }
  return v;
}

std::vector<float> hat(Noise& noise, float seconds, float decay) {
  std::vector<float> v(size_t(seconds * SampleRate));
  float prev = 0;
  for (size_t i = 0; i < v.size(); ++i) {
    float t = float(i) / SampleRate;
    float n = noise.next();
    float high = n - prev;  // crude high-pass keeps only the hiss
    prev = n;
    v[i] = high * std::exp(-t * decay) * std::min(1.0f, (seconds - t) / 0.005f);
  }
  return v;
}

void normalise(std::vector<float>& v, float peak) {
  float m = 0;
  for (float s : v) m = std::max(m, std::fabs(s));
  if (m > 0)
    for (float& s : v) s *= peak / m;
}

}  // namespace

std::vector<float> make_music() {
  const float beat = 60.0f / MusicBeatsPerMinute;
  const size_t beat_samples = size_t(beat * SampleRate + 0.5f);
  const size_t bar = 4 * beat_samples;
  LoopMix mix(bar * MusicBars);
  Noise noise(20240611u);
  // A minor: Am, F, Dm, E, two bars each, played twice.
  const int roots[4] = {45, 41, 38, 40};
  const int chords[4][3] = {{57, 60, 64}, {53, 57, 60}, {50, 53, 57}, {52, 56, 59}};
  const int melody[16] = {76, 74, 72, 71, 72, 69, 72, 74, 74, 72, 69, 65, 68, 71, 74, 76};
  for (int b = 0; b < MusicBars; ++b) {
    int chord = (b / 2) % 4;
    size_t bar_start = size_t(b) * bar;
    // Driving eighth-note bass.
    for (int e = 0; e < 8; ++e) {
      int n = roots[chord] + ((e == 3 || e == 7) ? 12 : 0);
      mix.add(bar_start + e * beat_samples / 2, pluck(note_hz(n), beat * 0.48f, 7.0f, 0.8f), 0.55f);
    }
    // Pad chord every two bars.
    if (b % 2 == 0)
      for (int k = 0; k < 3; ++k) mix.add(bar_start, pad(note_hz(chords[chord][k]), 2 * 4 * beat), 0.12f);
    // Sixteenth arpeggio, quiet, from the second pass of the chords on.
    if (b >= 4)
      for (int s = 0; s < 16; ++s) {
        int n = chords[chord][s % 3] + 12 * ((s / 3) % 2);
        mix.add(bar_start + s * beat_samples / 4, pluck(note_hz(n), beat * 0.3f, 18.0f, 0.4f), 0.1f);
      }
    // The tune over the second half: two notes a bar.
    if (b >= 8)
      for (int h = 0; h < 2; ++h) {
        int n = melody[(b - 8) * 2 + h];
        mix.add(bar_start + h * 2 * beat_samples, pluck(note_hz(n), beat * 1.9f, 1.6f, 0.3f), 0.22f);
      }
    // Drums: kick on 1 and 3, hats on the off-beats.
    mix.add(bar_start, kick(), 0.6f);
    mix.add(bar_start + 2 * beat_samples, kick(), 0.5f);
    for (int e = 1; e < 8; e += 2) mix.add(bar_start + e * beat_samples / 2, hat(noise, 0.06f, 60.0f), 0.12f);
    if (b % 4 == 3)
      mix.add(bar_start + 3 * beat_samples + beat_samples / 2, hat(noise, 0.25f, 12.0f), 0.15f);
  }
  // Soft saturation tames peaks; it is applied to every sample, seam included.
  for (float& s : mix.buf) s = std::tanh(s * 1.2f);
  normalise(mix.buf, 0.8f);
  return mix.buf;
}

std::vector<float> make_step() {
  const float seconds = 0.14f;
  std::vector<float> v(size_t(seconds * SampleRate));
  Noise noise(77u);
  float low = 0, phase = 0;
  for (size_t i = 0; i < v.size(); ++i) {
    float t = float(i) / SampleRate;
    low += 0.12f * (noise.next() - low);  // muffled scuff
    phase += TwoPi * (110.0f - 50.0f * t / seconds) / SampleRate;
    float thump = std::sin(phase) * std::exp(-t * 40.0f);
    float env = std::min(1.0f, t / 0.003f) * std::min(1.0f, (seconds - t) / 0.03f);
    v[i] = (0.8f * thump + 1.6f * low * std::exp(-t * 30.0f)) * env;
  }
  normalise(v, 0.7f);
  return v;
}

std::vector<float> make_explosion() {
  const float seconds = 1.4f;
  std::vector<float> v(size_t(seconds * SampleRate));
  Noise noise(4242u);
  float low = 0, lower = 0, phase = 0;
  for (size_t i = 0; i < v.size(); ++i) {
    float t = float(i) / SampleRate;
    float n = noise.next();
    float cutoff = 0.04f + 0.5f * std::exp(-t * 9.0f);  // the roar darkens as it fades
    low += cutoff * (n - low);
    lower += 0.02f * (low - lower);
    phase += TwoPi * (30.0f + 40.0f * std::exp(-t * 6.0f)) / SampleRate;
    float boom = std::sin(phase) * std::exp(-t * 3.5f);
    float crack = n * std::exp(-t * 60.0f);
    float env = std::min(1.0f, t / 0.002f) * std::min(1.0f, (seconds - t) / 0.1f);
    v[i] = (0.9f * boom + 1.2f * low * std::exp(-t * 3.0f) + 2.5f * lower * std::exp(-t * 2.0f) + 0.6f * crack) * env;
  }
  for (float& s : v) s = std::tanh(s * 1.5f);
  normalise(v, 0.95f);
  return v;
}

bool write_wav(const std::string& path, const std::vector<float>& samples, int rate) {
  FILE* f = std::fopen(path.c_str(), "wb");
  if (!f) return false;
  auto u32 = [f](uint32_t x) { for (int i = 0; i < 4; ++i) std::fputc(int((x >> (8 * i)) & 255), f); };
  auto u16 = [f](uint16_t x) { std::fputc(x & 255, f); std::fputc(x >> 8, f); };
  uint32_t data_bytes = uint32_t(samples.size() * 2);
  std::fwrite("RIFF", 1, 4, f);
  u32(36 + data_bytes);
  std::fwrite("WAVEfmt ", 1, 8, f);
  u32(16);
  u16(1);  // PCM
  u16(1);  // mono
  u32(uint32_t(rate));
  u32(uint32_t(rate * 2));
  u16(2);
  u16(16);
  std::fwrite("data", 1, 4, f);
  u32(data_bytes);
  for (float s : samples) u16(uint16_t(int16_t(std::lround(std::clamp(s, -1.0f, 1.0f) * 32767.0f))));
  return std::fclose(f) == 0;
}

}  // namespace assets
