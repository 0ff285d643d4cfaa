// Layout of 数_SI, the SI prefixes: 20 cards in columns of 10, in front of the places. Its client
// area (9540 × 5805) cuts the background picture off at the right and bottom.
#include "screens/drills/drill_layout.h"

namespace metria {

const DrillLayout& drill_si_layout() {
  static const DrillLayout layout{
      .name = "数_SI",
      .caption = "接頭語（ＳＩ）",
      .client_width = 9540,
      .client_height = 5805,
      .picture = Picture::DrillSiBackground,
      .cards = si_prefix_cards(),
      .column_rows = 10,
      .score = {7050, 135, 705, 405},
      .passed = {1935, 2415, 3405, 1305},
      .failed = {2640, 2265, 4305, 1425},
      .menu_spot = {8160, 210, 1260, 300},
      .retry = {6345, 150, 1695, 375},
      .gold = {6120, 1545, 2610, 3030},
      .silver = {5910, 1830, 2610, 3030},
      .bronze = {6120, 1650, 2610, 3030},
      .stacking = {{"Label7"},
                   {"Label6"},
                   {"Label5"},
                   {"Label4"},
                   {"Image3"},
                   {"Image2"},
                   {"Image1"},
                   {"Label3"},
                   {"Label2", every_member(20)},
                   {"Label1", every_member(20)}},
  };
  return layout;
}

}  // namespace metria
