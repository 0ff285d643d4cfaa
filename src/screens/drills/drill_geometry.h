// Where cards and places stand on every number-name drill, in twips: the shelf slots, the places of
// the two table columns and a card lying on its own place.
#pragma once

#include "ui/geometry.h"

namespace metria::drill_geometry {

inline constexpr int kCardWidth = 1815, kCardHeight = 375;

// Shelf slot s stands in column s / rows, row s % rows.
inline constexpr int kShelfLeft = 5625, kShelfColumnStep = 1950;
inline constexpr int kShelfTop = 750, kShelfRowStep = 480;

// Table rows; the right column's places and placed cards share their left edge.
inline constexpr int kTableTop = 1560, kTableRowStep = 390;
inline constexpr int kLeftPlaceLeft = 975, kLeftCardLeft = 980, kRightColumnLeft = 3660;
inline constexpr int kLeftPlaceWidth = 1815, kRightPlaceWidth = 1830;

inline Point shelf_slot(int slot, int column_rows) {
  return {kShelfLeft + kShelfColumnStep * (slot / column_rows), kShelfTop + kShelfRowStep * (slot % column_rows)};
}

inline bool in_left_column(int k, int column_rows) { return k < column_rows; }

inline int table_row_top(int k, int column_rows) {
  return kTableTop + kTableRowStep * (in_left_column(k, column_rows) ? k : k - column_rows);
}

// Card k lying on its own place: 5 twips right of a left-column place, flush with a right one.
inline Point placed_card(int k, int column_rows) {
  return {in_left_column(k, column_rows) ? kLeftCardLeft : kRightColumnLeft, table_row_top(k, column_rows)};
}

}  // namespace metria::drill_geometry
