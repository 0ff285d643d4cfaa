// A function of a library loaded at run time (libX11, which SDL loads itself, so that the program
// does not link it), into a pointer of its own type; false where the library lacks it.
#pragma once

#include <SDL.h>

namespace metria {

template <typename Function>
bool load_function(void* library, const char* name, Function& function) {
  function = reinterpret_cast<Function>(SDL_LoadFunction(library, name));
  return function != nullptr;
}

}  // namespace metria
