// Where the controls of one number-name drill stand and how they are stacked: the data from which
// its screen definition is built.
#pragma once

#include <cstdint>
#include <numeric>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "screens/drills/drill_content.h"
#include "ui/geometry.h"
#include "ui/picture.h"

namespace metria {

// One step of the stacking order: a single control, or members of the places ("Label1") or of
// the cards ("Label2") in the order given.
struct StackEntry {
  std::string_view name;
  std::vector<int> indexes = {};
};

struct DrillLayout {
  std::string_view name, caption;
  int client_width = 0, client_height = 0;  // twips
  Picture picture = Picture::None;
  std::span<const DrillCard> cards;  // NameCount cards, in index order
  std::int16_t column_rows = 0;      // rows per column, in the table and on the shelf
  // A left-column place as wide as the right column's places (数_JPS place 10).
  std::optional<int> wide_left_place;
  Rect score, passed, failed, menu_spot, retry;  // Label3 … Label7
  Rect gold, silver, bronze;                     // Image1 … Image3
  std::vector<StackEntry> stacking;              // front to back
};

const DrillLayout& drill_large_layout();  // 数_JPB
const DrillLayout& drill_si_layout();     // 数_SI
const DrillLayout& drill_small_layout();  // 数_JPS

// Every index from 0 to count - 1, in order.
inline std::vector<int> every_member(int count) {
  std::vector<int> indexes(count);
  std::iota(indexes.begin(), indexes.end(), 0);
  return indexes;
}

}  // namespace metria
