// Layout of 数_JPS, the Japanese names of small powers of ten: 22 cards in columns of 11, in front
// of the places. Its cards are stored out of index order: 21 and 1 in front of the medals, the
// others behind them from 20 down to 0. Place 10, the lowest of the left column, is as wide as
// the right column's places.
#include "screens/drills/drill_layout.h"

namespace metria {

const DrillLayout& drill_small_layout() {
  static const DrillLayout layout{
      .name = "数_JPS",
      .caption = "接頭語（日本・小）",
      .client_width = 9600,
      .client_height = 5985,
      .picture = Picture::DrillSmallBackground,
      .cards = small_names_cards(),
      .column_rows = 11,
      .wide_left_place = 10,
      .score = {7020, 120, 705, 405},
      .passed = {1800, 2580, 3405, 1305},
      .failed = {1380, 2520, 4305, 1425},
      .menu_spot = {8160, 195, 1260, 300},
      .retry = {6345, 150, 1695, 375},
      .gold = {6210, 1860, 2610, 3030},
      .silver = {6225, 1845, 2610, 3030},
      .bronze = {6240, 1815, 2610, 3030},
      .stacking = {{"Label7"},
                   {"Label5"},
                   {"Label4"},
                   {"Label6"},
                   {"Label3"},
                   {"Label2", {21, 1}},
                   {"Image1"},
                   {"Image3"},
                   {"Image2"},
                   {"Label2", {20, 19, 18, 17, 16, 15, 14, 13, 12, 11, 10, 9, 8, 7, 6, 5, 4, 3, 2, 0}},
                   {"Label1", every_member(22)}},
  };
  return layout;
}

}  // namespace metria
