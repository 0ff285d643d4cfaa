// Edge padding of transparent pixels.
#include "platform/sdl/picture_surface.h"

#include <SDL.h>

#include <cstdint>
#include <vector>

namespace metria {

namespace {

constexpr std::uint32_t kAlphaMask = 0xFF000000u;  // ARGB8888

bool opaque(std::uint32_t pixel) { return (pixel & kAlphaMask) != 0; }

}  // namespace

SurfacePtr padded_rgba_copy(SDL_Surface* picture) {
  // Converting a colour-keyed surface to a format with alpha gives the key pixels alpha 0.
  SurfacePtr copy(SDL_ConvertSurfaceFormat(picture, SDL_PIXELFORMAT_ARGB8888, 0));
  if (!copy) return nullptr;
  SDL_SetSurfaceBlendMode(copy.get(), SDL_BLENDMODE_BLEND);
  const int w = copy->w, h = copy->h;
  auto* pixels = static_cast<std::uint32_t*>(copy->pixels);
  const int pitch = copy->pitch / 4;
  // One pass from the original pixels is enough: a smooth scaler only ever blends a pixel with
  // its direct neighbours, so only clear pixels next to opaque ones can show their colour.
  const std::vector<std::uint32_t> original(pixels, pixels + static_cast<std::size_t>(pitch) * h);
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      if (opaque(original[y * pitch + x])) continue;
      std::uint32_t colour = 0;  // clear black where no neighbour is opaque
      bool found = false;
      for (int dy = -1; dy <= 1 && !found; ++dy)
        for (int dx = -1; dx <= 1 && !found; ++dx) {
          const int nx = x + dx, ny = y + dy;
          if (nx < 0 || ny < 0 || nx >= w || ny >= h) continue;
          const std::uint32_t neighbour = original[ny * pitch + nx];
          found = opaque(neighbour);
          if (found) colour = neighbour & ~kAlphaMask;
        }
      pixels[y * pitch + x] = colour;
    }
  }
  return copy;
}

}  // namespace metria
