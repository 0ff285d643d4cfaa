// Layout of 数_JPB, the Japanese names of large powers of ten: 20 cards in columns of 10. The
// places lie in front of the cards, so a placed card is covered by its own place.
#include "screens/drills/drill_layout.h"

namespace metria {

const DrillLayout& drill_large_layout() {
  static const DrillLayout layout{
      .name = "数_JPB",
      .caption = "接頭語（日本・大）",
      .client_width = 9615,
      .client_height = 5985,
      .picture = Picture::DrillLargeBackground,
      .cards = large_names_cards(),
      .column_rows = 10,
      .score = {7020, 120, 705, 405},
      .passed = {1830, 2490, 3405, 1305},
      .failed = {2610, 2430, 4305, 1425},
      .menu_spot = {8160, 195, 1260, 300},
      .retry = {6345, 150, 1695, 375},
      .gold = {5610, 1650, 2610, 3030},
      .silver = {5610, 1545, 2610, 3030},
      .bronze = {5550, 1575, 2610, 3030},
      .stacking = {{"Label7"},
                   {"Image1"},
                   {"Image3"},
                   {"Image2"},
                   {"Label4"},
                   {"Label5"},
                   {"Label1", every_member(20)},
                   {"Label2", every_member(20)},
                   {"Label3"},
                   {"Label6"}},
  };
  return layout;
}

}  // namespace metria
