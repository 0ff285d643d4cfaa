// Code points of UTF-8 text, for tests that check texts character by character.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace metria::testing {

// Decodes UTF-8; nullopt for a malformed sequence, so a broken text fails loudly.
inline std::optional<std::u32string> decode(std::string_view text) {
  std::u32string out;
  for (std::size_t i = 0; i < text.size();) {
    const auto lead = static_cast<unsigned char>(text[i]);
    const int length = lead < 0x80 ? 1 : (lead >> 5) == 0x6 ? 2 : (lead >> 4) == 0xE ? 3 : (lead >> 3) == 0x1E ? 4 : 0;
    if (length == 0 || i + length > text.size()) return std::nullopt;
    char32_t cp = length == 1 ? lead : lead & (0x7F >> length);
    for (int k = 1; k < length; ++k) {
      const auto next = static_cast<unsigned char>(text[i + k]);
      if ((next >> 6) != 0x2) return std::nullopt;
      cp = (cp << 6) | (next & 0x3F);
    }
    out.push_back(cp);
    i += length;
  }
  return out;
}

inline std::u32string code_points(std::string_view text) { return decode(text).value_or(U"<bad UTF-8>"); }

}  // namespace metria::testing
