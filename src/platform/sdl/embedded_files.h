// The pictures and icons built into the program, by file name.
#pragma once

#include <span>
#include <string_view>

namespace metria {

// Empty when the program has no such file.
std::span<const unsigned char> embedded_file(std::string_view name);

}  // namespace metria
