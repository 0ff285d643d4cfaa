// The program folder as every screen computes it, and the paths of the cue files under it.
#pragma once

#include <string>
#include <string_view>

namespace metria {

// App.Path without a trailing separator: at the root "/" this leaves "", so that the cue
// literals ("/wav/o.wav") name /wav/o.wav.
inline std::string folder_rule(std::string_view app_path) {
  if (!app_path.empty() && app_path.back() == '/') app_path.remove_suffix(1);
  return std::string(app_path);
}

}  // namespace metria
