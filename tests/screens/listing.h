// Compares a reviewed listing of screen content, kept as data in a test, with what the program
// holds, as whole lists: one failure names every line that differs and, since a slip is often a
// look-alike character, the first code point in which the two texts part.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <cstdio>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "harness/utf8.h"

namespace metria::testing {

// "U+30ED" for a code point.
inline std::string code_point_name(char32_t cp) {
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "U+%04X", static_cast<unsigned>(cp));
  return buffer;
}

// Where two texts part, by character: "character 5: U+53E3 where U+30ED is expected".
inline std::string first_difference(std::string_view expected, std::string_view actual) {
  const std::u32string want = code_points(expected);
  const std::u32string got = code_points(actual);
  const auto parted = std::mismatch(want.begin(), want.end(), got.begin(), got.end());
  const auto at = static_cast<std::size_t>(parted.first - want.begin());
  std::ostringstream out;
  out << "character " << at + 1 << ": ";
  if (parted.second == got.end()) {
    out << "the text ends where " << code_point_name(*parted.first) << " is expected";
  } else if (parted.first == want.end()) {
    out << "an extra " << code_point_name(*parted.second);
  } else {
    out << code_point_name(*parted.second) << " where " << code_point_name(*parted.first) << " is expected";
  }
  return out.str();
}

// Lines are numbered from 0, as the items and rows they stand for.
inline ::testing::AssertionResult same_listing(const std::vector<std::string>& expected,
                                               const std::vector<std::string>& actual) {
  std::ostringstream out;
  int differing = 0;
  for (std::size_t i = 0; i < std::max(expected.size(), actual.size()); ++i) {
    if (i >= actual.size()) {
      out << "\n  line " << i << " is missing: \"" << expected[i] << "\"";
    } else if (i >= expected.size()) {
      out << "\n  line " << i << " is not in the listing: \"" << actual[i] << "\"";
    } else if (expected[i] != actual[i]) {
      const std::string head = "  line " + std::to_string(i) + ": ";
      const std::string pad(head.size(), ' ');
      out << "\n"
          << head << "expected \"" << expected[i] << "\"\n"
          << pad << "found    \"" << actual[i] << "\"\n"
          << pad << first_difference(expected[i], actual[i]);
    } else {
      continue;
    }
    ++differing;
  }
  if (differing == 0) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << differing << " of " << expected.size()
                                       << " lines differ from the reviewed listing:" << out.str();
}

}  // namespace metria::testing
