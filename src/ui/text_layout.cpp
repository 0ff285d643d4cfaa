// Line breaking for label captions.
#include "ui/text_layout.h"

#include <algorithm>
#include <array>

namespace metria {

namespace {

// Byte offsets of the start of every UTF-8 character, plus the end.
std::vector<std::size_t> character_starts(std::string_view text) {
  std::vector<std::size_t> starts;
  for (std::size_t i = 0; i < text.size(); ++i)
    if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80) starts.push_back(i);
  starts.push_back(text.size());
  return starts;
}

bool may_not_start_line(std::string_view character) {
  static constexpr std::array<std::string_view, 18> kClosing = {
      "、", "。", "，", "．", "・", "ー", "）", "」", "』", "］", "｝", "！", "？", "ぁ", "ゃ", "ゅ", "ょ", "っ"};
  return std::find(kClosing.begin(), kClosing.end(), character) != kClosing.end() || character == ")" ||
         character == "]" || character == "," || character == ".";
}

}  // namespace

std::vector<std::string> wrap_text(std::string_view text, int width, const MeasureText& measure) {
  std::vector<std::string> lines;
  const std::vector<std::size_t> starts = character_starts(text);
  const std::size_t count = starts.size() - 1;
  std::size_t line_begin = 0;  // character index
  while (line_begin < count) {
    std::size_t end = line_begin + 1;  // at least one character per line
    while (end < count &&
           measure(text.substr(starts[line_begin], starts[end + 1] - starts[line_begin])) <= width)
      ++end;
    if (end < count && end - line_begin > 1 &&
        may_not_start_line(text.substr(starts[end], starts[end + 1] - starts[end])))
      --end;
    lines.emplace_back(text.substr(starts[line_begin], starts[end] - starts[line_begin]));
    line_begin = end;
  }
  return lines;
}

}  // namespace metria
