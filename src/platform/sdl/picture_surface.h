// Pictures prepared for scaling: 32-bit with alpha, the transparent colour turned into clear pixels.
#pragma once

#include "platform/sdl/sdl_handles.h"

namespace metria {

// A new ARGB surface: the colour-keyed pixels of `picture` become fully
// transparent and take the colour of an opaque neighbour, so that smooth scaling blends an
// edge only with colours the picture shows, never with the hidden key colour. Null on failure.
SurfacePtr padded_rgba_copy(SDL_Surface* picture);

}  // namespace metria
