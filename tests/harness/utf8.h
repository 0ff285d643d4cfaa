// Code points of UTF-8 text, for tests that check texts character by character.
#pragma once

#include <string>
#include <string_view>

#include "ui/utf8.h"

namespace metria::testing {

inline std::optional<std::u32string> decode(std::string_view text) { return decode_utf8(text); }

inline std::u32string code_points(std::string_view text) { return decode_utf8(text).value_or(U"<bad UTF-8>"); }

}  // namespace metria::testing
