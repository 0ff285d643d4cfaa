// The content of a loaded unit quiz written out as the reviewed listings read: the answer grid
// row by row as the user sees it, and every item with its right answers by Label1 Index and the
// caption that label shows.
#pragma once

#include <cstddef>
#include <map>
#include <string>
#include <vector>

#include "quiz_driver.h"

namespace metria::testing {

// One line per row of answer labels, captions left to right, by where the labels stand.
inline std::vector<std::string> answer_grid_rows(Harness& h) {
  std::map<int, std::map<int, std::string>> rows;  // Top → Left → caption
  for (int k = 0; k < quiz(h).parameters().grid.count(); ++k) {
    const Control& label = h.control("Label1", k);
    rows[label.top()][label.left()] = label.caption();
  }
  std::vector<std::string> out;
  for (const auto& [top, row] : rows) {
    std::string line;
    for (const auto& [left, caption] : row) line += (line.empty() ? "" : " | ") + caption;
    out.push_back(line);
  }
  return out;
}

// "家 → 12 一軒, 39 一戸, 51 一棟": ItemText, then every filled answer slot in slot order.
inline std::vector<std::string> item_lines(Harness& h) {
  const QuizScreen& s = quiz(h);
  std::vector<std::string> out;
  for (std::size_t i = 0; i < s.ItemText.size(); ++i) {
    std::string line = s.ItemText[i] + " →";
    const char* separator = " ";
    for (const auto answer : s.AnswerIndex[i]) {
      if (answer < 0) continue;
      line += separator + std::to_string(answer) + " " + h.caption("Label1", answer);
      separator = ", ";
    }
    out.push_back(line);
  }
  return out;
}

}  // namespace metria::testing
