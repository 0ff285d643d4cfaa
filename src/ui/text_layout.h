// Breaking a caption into lines that fit a label's width.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace metria {

using MeasureText = std::function<int(std::string_view)>;

// Greedy, character by character (Japanese has no spaces to break at). A line never begins with
// closing punctuation or the long-vowel mark: such a character pulls the one before it along.
// A character wider than the whole width still gets a line of its own.
std::vector<std::string> wrap_text(std::string_view text, int width, const MeasureText& measure);

}  // namespace metria
