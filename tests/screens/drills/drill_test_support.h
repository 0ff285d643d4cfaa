// Shared steps of the drill tests: the screen object of the loaded drill, placing cards, wrong
// drops and waiting for the result, all through the simulated pointer.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "harness/headless.h"
#include "screens/drills/drill_screen.h"
#include "ui/color.h"

namespace metria::testing {

inline constexpr Color kCardNormal{4, 2, 164};
inline constexpr Color kCardHighlight{255, 0, 0};

inline DrillScreen& drill(Harness& h) { return h.screen<DrillScreen>(h.screen_id()); }

inline Point position(Harness& h, std::string_view name, int index = kNoIndex) {
  const Control& control = h.control(name, index);
  return {control.left(), control.top()};
}

// Drags card k onto its own place.
inline void place_card(Harness& h, int k) { h.drag("Label2", k, "Label1", k); }

// Drags a card that is still on the shelf onto another, free place `count` times: wrong drops.
inline void drop_wrong(Harness& h, int count, int card = 0, int place = 1) {
  for (int i = 0; i < count; ++i) h.drag("Label2", card, "Label1", place);
}

inline void place_all_cards(Harness& h) {
  for (int k = 0; k < drill(h).NameCount; ++k) place_card(h, k);
}

// Advances the clock in steps of 10 ms until "■再挑戦" shows; the time it took, or -1.
inline std::int64_t wait_for_result(Harness& h, std::int64_t limit_ms = 5000) {
  const std::int64_t start = h.now();
  while (h.now() - start <= limit_ms) {
    if (h.visible("Label7")) return h.now() - start;
    h.advance(10);
  }
  return -1;
}

// A game played to its result with `wrong` wrong drops before the cards are placed in order.
inline void play_game(Harness& h, int wrong) {
  drop_wrong(h, wrong);
  place_all_cards(h);
  ASSERT_GE(wait_for_result(h), 0) << "no result after the last card";
}

}  // namespace metria::testing
