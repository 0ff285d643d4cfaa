// Shared checks of the two menu screens: the walking turtle's timeline, and what became of a
// screen's sound players once it has been left.
#pragma once

#include <gtest/gtest.h>

#include <cstddef>
#include <set>
#include <string>
#include <vector>

#include "harness/headless.h"

namespace metria::testing {

// One row of an opening: at `ms` after the load the turtle stands at `top` in the picture `shown`
// (empty: none) and `sound` is heard (empty: none).
struct WalkRow {
  int ms;
  int top;
  std::string shown;
  std::string sound;
};

inline std::vector<std::string> plays_from(Harness& h, std::size_t first) {
  const auto all = h.sound().played();
  return {all.begin() + static_cast<std::ptrdiff_t>(first), all.end()};
}

// Runs the walk from the screen's load (now) row by row: nothing changes 1 ms before a row, and
// at the row the turtle's Top, its picture and the sound are exactly as given.
template <typename S>
void expect_walk(Harness& h, ScreenId id, const std::vector<WalkRow>& rows) {
  const std::int64_t loaded_at = h.now();
  std::size_t sounds = h.sound().played().size();
  int top = h.screen<S>(id).TurtleTop;
  const int left1 = h.control("Image1").left(), left2 = h.control("Image2").left();
  for (const WalkRow& row : rows) {
    SCOPED_TRACE("at " + std::to_string(row.ms) + " ms");
    h.advance(loaded_at + row.ms - 1 - h.now());
    EXPECT_EQ(h.screen<S>(id).TurtleTop, top) << "moved early";
    EXPECT_EQ(h.sound().played().size(), sounds) << "sounded early";
    h.advance(1);
    top = row.top;
    EXPECT_EQ(h.screen<S>(id).TurtleTop, row.top);
    const auto expected_sound = row.sound.empty() ? std::vector<std::string>{} : std::vector<std::string>{row.sound};
    EXPECT_EQ(plays_from(h, sounds), expected_sound);
    sounds = h.sound().played().size();
    for (const char* pose : {"Image1", "Image2"}) EXPECT_EQ(h.visible(pose), row.shown == pose) << pose;
    EXPECT_EQ(h.control("Image1").left(), left1) << "the turtle only goes up";
    EXPECT_EQ(h.control("Image2").left(), left2) << "the turtle only goes up";
    if (!row.shown.empty()) {
      EXPECT_EQ(h.control(row.shown).top(), row.top);
    }
  }
}

// The players the loaded screen holds (the ones it has given a file).
inline std::set<PlayerId> open_player_ids(Harness& h) {
  std::set<PlayerId> ids;
  for (const auto& e : h.sound().events()) {
    if (e.kind == RecordingSoundDevice::Kind::Load) ids.insert(e.player);
    if (e.kind == RecordingSoundDevice::Kind::Close) ids.erase(e.player);
  }
  return ids;
}

// Every one of `players` has been closed, and none played after its screen was left at event
// number `left_at`.
inline void expect_silenced(Harness& h, const std::set<PlayerId>& players, std::size_t left_at) {
  std::set<PlayerId> closed;
  const auto& events = h.sound().events();
  for (std::size_t i = 0; i < events.size(); ++i) {
    if (!players.contains(events[i].player)) continue;
    if (events[i].kind == RecordingSoundDevice::Kind::Close) closed.insert(events[i].player);
    if (i >= left_at) {
      EXPECT_NE(events[i].kind, RecordingSoundDevice::Kind::Play) << "played after leaving: " << events[i].file;
    }
  }
  EXPECT_EQ(closed, players);
}

}  // namespace metria::testing
