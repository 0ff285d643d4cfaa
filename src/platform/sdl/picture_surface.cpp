// Smooth resampling of pictures over colours premultiplied by alpha.
#include "platform/sdl/picture_surface.h"

#include <SDL.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <vector>

namespace metria {

namespace {

using Pixel = std::array<float, 4>;  // red, green, blue multiplied by alpha; alpha in 0..1

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
  return static_cast<std::uint8_t>(std::clamp(std::lround(value * 255.0f), 0L, 255L));
}

}  // namespace

SurfacePtr resampled(SDL_Surface* picture, int width, int height) {
  // Converting a colour-keyed surface to a format with alpha gives the key pixels alpha 0.
  const SurfacePtr source(SDL_ConvertSurfaceFormat(picture, SDL_PIXELFORMAT_ARGB8888, 0));
  SurfacePtr result(SDL_CreateRGBSurfaceWithFormat(0, width, height, 32, SDL_PIXELFORMAT_ARGB8888));
  if (!source || !result || width <= 0 || height <= 0) return nullptr;
  const int w = source->w, h = source->h;
  std::vector<Pixel> premultiplied(static_cast<std::size_t>(w) * h);
  for (int y = 0; y < h; ++y) {
    const auto* row = reinterpret_cast<const std::uint32_t*>(static_cast<const std::uint8_t*>(source->pixels) +
                                                             static_cast<std::ptrdiff_t>(y) * source->pitch);
    for (int x = 0; x < w; ++x) {
      const std::uint32_t p = row[x];
      const float a = static_cast<float>(p >> 24) / 255.0f;
      premultiplied[static_cast<std::size_t>(y) * w + x] = {a * static_cast<float>((p >> 16) & 0xFF) / 255.0f,
                                                            a * static_cast<float>((p >> 8) & 0xFF) / 255.0f,
                                                            a * static_cast<float>(p & 0xFF) / 255.0f, a};
    }
  }
  // Across, then down.
  const auto across = taps(w, width), down = taps(h, height);
  std::vector<Pixel> wide(static_cast<std::size_t>(width) * h, Pixel{});
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < width; ++x) {
      Pixel& out = wide[static_cast<std::size_t>(y) * width + x];
      for (const Tap& tap : across[x])
        for (int c = 0; c < 4; ++c)
          out[c] += tap.weight * premultiplied[static_cast<std::size_t>(y) * w + tap.source][c];
    }
  SDL_SetSurfaceBlendMode(result.get(), SDL_BLENDMODE_BLEND);
  for (int y = 0; y < height; ++y) {
    auto* row = reinterpret_cast<std::uint32_t*>(static_cast<std::uint8_t*>(result->pixels) +
                                                 static_cast<std::ptrdiff_t>(y) * result->pitch);
    for (int x = 0; x < width; ++x) {
      Pixel sum{};
      for (const Tap& tap : down[y])
        for (int c = 0; c < 4; ++c) sum[c] += tap.weight * wide[static_cast<std::size_t>(tap.source) * width + x][c];
      const float a = sum[3];
      const float unmultiply = a > 0 ? 1.0f / a : 0.0f;
      row[x] = static_cast<std::uint32_t>(to_byte(a)) << 24 |
               static_cast<std::uint32_t>(to_byte(sum[0] * unmultiply)) << 16 |
               static_cast<std::uint32_t>(to_byte(sum[1] * unmultiply)) << 8 | to_byte(sum[2] * unmultiply);
    }
  }
  return result;
}

}  // namespace metria
