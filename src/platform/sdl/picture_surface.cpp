// Smooth resampling of pictures over colours premultiplied by alpha.
#include "platform/sdl/picture_surface.h"

#include <SDL.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

namespace metria {

namespace {

struct Tap {
  int source;
  float weight;
};

// For each of `to` output positions, the source positions it reads and their weights. The tent is
// one source pixel wide when enlarging (linear interpolation) and as wide as an output pixel when
// reducing, so that every source pixel counts.
std::vector<std::vector<Tap>> taps(int from, int to) {
  const double ratio = static_cast<double>(from) / to;
  const double radius = std::max(1.0, ratio);
  std::vector<std::vector<Tap>> all(static_cast<std::size_t>(to));
  for (int i = 0; i < to; ++i) {
    const double centre = (i + 0.5) * ratio - 0.5;
    double total = 0;
    for (int j = static_cast<int>(std::ceil(centre - radius)); j <= static_cast<int>(std::floor(centre + radius));
         ++j) {
      const double weight = 1.0 - std::abs(j - centre) / radius;
      if (weight <= 0) continue;
      all[i].push_back({std::clamp(j, 0, from - 1), static_cast<float>(weight)});
      total += weight;
    }
    for (Tap& tap : all[i]) tap.weight = static_cast<float>(tap.weight / total);
  }
  return all;
}

std::uint8_t to_byte(float value) {
  const float scaled = value * 255.0f + 0.5f;
  return scaled <= 0.0f ? 0 : scaled >= 255.0f ? 255 : static_cast<std::uint8_t>(scaled);
}

}  // namespace

SurfacePtr resampled(SDL_Surface* picture, int width, int height) {
  // Converting a colour-keyed surface to a format with alpha gives the key pixels alpha 0.
  const SurfacePtr source(SDL_ConvertSurfaceFormat(picture, SDL_PIXELFORMAT_ARGB8888, 0));
  SurfacePtr result(SDL_CreateRGBSurfaceWithFormat(0, width, height, 32, SDL_PIXELFORMAT_ARGB8888));
  if (!source || !result || width <= 0 || height <= 0) return nullptr;
  const int w = source->w, h = source->h;
  // Four floats a pixel: red, green, blue multiplied by alpha, then alpha, all in 0..1.
  std::vector<float> premultiplied(static_cast<std::size_t>(w) * h * 4);
  for (int y = 0; y < h; ++y) {
    const auto* row = reinterpret_cast<const std::uint32_t*>(static_cast<const std::uint8_t*>(source->pixels) +
                                                             static_cast<std::ptrdiff_t>(y) * source->pitch);
    float* out = &premultiplied[static_cast<std::size_t>(y) * w * 4];
    for (int x = 0; x < w; ++x, out += 4) {
      const std::uint32_t p = row[x];
      const float a = static_cast<float>(p >> 24) / 255.0f;
      const float k = a / 255.0f;
      out[0] = k * static_cast<float>((p >> 16) & 0xFF);
      out[1] = k * static_cast<float>((p >> 8) & 0xFF);
      out[2] = k * static_cast<float>(p & 0xFF);
      out[3] = a;
    }
  }
  // Across each source row, then down: each output row is a weighted sum of whole rows.
  const auto across = taps(w, width), down = taps(h, height);
  const std::size_t wide_row = static_cast<std::size_t>(width) * 4;
  std::vector<float> wide(wide_row * h, 0.0f);
  for (int y = 0; y < h; ++y) {
    const float* in = &premultiplied[static_cast<std::size_t>(y) * w * 4];
    float* out = &wide[y * wide_row];
    for (int x = 0; x < width; ++x, out += 4)
      for (const Tap& tap : across[x]) {
        const float* p = in + static_cast<std::size_t>(tap.source) * 4;
        for (int c = 0; c < 4; ++c) out[c] += tap.weight * p[c];
      }
  }
  SDL_SetSurfaceBlendMode(result.get(), SDL_BLENDMODE_BLEND);
  std::vector<float> sum(wide_row);
  for (int y = 0; y < height; ++y) {
    std::fill(sum.begin(), sum.end(), 0.0f);
    for (const Tap& tap : down[y]) {
      const float* in = &wide[static_cast<std::size_t>(tap.source) * wide_row];
      for (std::size_t i = 0; i < wide_row; ++i) sum[i] += tap.weight * in[i];
    }
    auto* row = reinterpret_cast<std::uint32_t*>(static_cast<std::uint8_t*>(result->pixels) +
                                                 static_cast<std::ptrdiff_t>(y) * result->pitch);
    for (int x = 0; x < width; ++x) {
      const float* p = &sum[static_cast<std::size_t>(x) * 4];
      const float unmultiply = p[3] > 0 ? 1.0f / p[3] : 0.0f;
      row[x] = static_cast<std::uint32_t>(to_byte(p[3])) << 24 |
               static_cast<std::uint32_t>(to_byte(p[0] * unmultiply)) << 16 |
               static_cast<std::uint32_t>(to_byte(p[1] * unmultiply)) << 8 | to_byte(p[2] * unmultiply);
    }
  }
  return result;
}

}  // namespace metria
