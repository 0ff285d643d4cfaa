// Pictures prepared for drawing at any size: 32-bit with alpha, resampled smoothly.
#pragma once

#include "platform/sdl/sdl_handles.h"

namespace metria {

// `picture` resampled to width × height (straight-alpha ARGB; the transparent colour of a keyed
// picture becomes clear). Each output pixel is a tent-weighted mean of the source pixels around
// it, taken over colours multiplied by their alpha: edges come out smooth, and a clear pixel adds
// nothing of its own colour, so the hidden key colour never shows. The picture's own size gives an
// exact copy. Null on failure.
SurfacePtr resampled(SDL_Surface* picture, int width, int height);

}  // namespace metria
