// Finds the font files that stand in for the screens' two faces, through fontconfig.
#pragma once

#include <string>

#include "ui/font.h"

namespace metria {

struct FontFiles {
  std::string mincho;  // IPAPMincho, or another Japanese serif face
  std::string gothic;  // IPAPGothic, or another Japanese sans-serif face
  const std::string& of(Face face) const { return face == Face::Mincho ? mincho : gothic; }
};

// Prefers the IPA proportional faces; if they are missing, falls back to any Japanese face of the
// same kind with a warning on stderr. An empty path means no usable face was found at all.
FontFiles find_font_files();

}  // namespace metria
