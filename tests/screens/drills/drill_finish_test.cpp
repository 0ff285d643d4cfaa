// The end of a drill game: the finish wait on the virtual clock and the time of day (also across
// midnight), the result display, and "■再挑戦" starting a new game.
#include <gtest/gtest.h>

#include <vector>

#include "drill_test_support.h"
#include "harness/headless.h"

namespace metria::testing {
namespace {

using Kind = RecordingSoundDevice::Kind;

// The time of day when the last card is placed, and when the result shows after it: on the first
// 100 ms tick at which the time of day is more than 2 s past the placement's rounded second.
struct WaitCase {
  double placed_at;  // seconds since midnight
  std::int64_t result_after_ms;
};

TEST(DrillFinishWait, TheResultComesOnTheTickTwoWholeSecondsAfterTheLastCard) {
  const WaitCase cases[] = {{43200.0, 2100}, {43200.25, 1800}, {43200.49, 1600},
                            {43200.5, 2600}, {43200.75, 2300}, {43200.99, 2100}};
  for (const WaitCase& c : cases) {
    SCOPED_TRACE(c.placed_at);
    Harness h({.time_of_day = c.placed_at, .first_screen = ScreenId::DrillLarge});
    place_all_cards(h);
    EXPECT_EQ(h.caption("Label3"), "100");
    EXPECT_TRUE(h.window().timer_armed(h.control("Timer1")));
    const std::int64_t waited = wait_for_result(h);
    EXPECT_EQ(waited, c.result_after_ms);
    EXPECT_GE(waited, 1500);
    EXPECT_LE(waited, 2600);
  }
}

TEST(DrillFinishWait, EndsAlsoWhenItSpansMidnight) {
  const WaitCase cases[] = {
      {86399.0, 2100},   // midnight passes during the wait
      {86399.25, 1800},  // rounded down: 86399
      {86398.5, 2600},   // rounded up: 86399
      {86399.75, 2300},  // rounded up to 86400, the second of midnight itself
      {86397.0, 2100},   // a wait that ends just before midnight
  };
  for (const WaitCase& c : cases) {
    SCOPED_TRACE(c.placed_at);
    Harness h({.first_screen = ScreenId::DrillSmall});
    h.time_of_day().set_start(c.placed_at);
    place_all_cards(h);
    EXPECT_EQ(wait_for_result(h), c.result_after_ms);
    EXPECT_FALSE(h.window().timer_armed(h.control("Timer1")));
  }
}

TEST(DrillResult, BannerMedalFanfareAndRetryComeTogether) {
  Harness h({.first_screen = ScreenId::DrillLarge});
  place_all_cards(h);
  h.advance(1000);
  for (const char* name : {"Label4", "Label5", "Label7", "Image1", "Image2", "Image3"})
    EXPECT_FALSE(h.visible(name)) << name;
  ASSERT_GE(wait_for_result(h), 0);
  EXPECT_TRUE(h.visible("Label4"));
  EXPECT_TRUE(h.visible("Image1"));
  EXPECT_TRUE(h.visible("Label7"));
  ASSERT_FALSE(h.sound().events().empty());
  const auto& fanfare = h.sound().events().back();
  EXPECT_EQ(fanfare.kind, Kind::Play);
  EXPECT_EQ(file_stem(fanfare.file), "gokaku");
  EXPECT_EQ(fanfare.times, 3);
  EXPECT_FALSE(h.window().timer_armed(h.control("Timer1")));

  const auto cues = h.sound().played();
  h.advance(10000);
  EXPECT_EQ(h.sound().played(), cues);
}

TEST(DrillResult, TheCardPlacedLastLosesItsHighlight) {
  Harness h({.first_screen = ScreenId::DrillSi});
  place_all_cards(h);
  EXPECT_EQ(h.control("Label2", 19).back_color(), kCardHighlight);
  ASSERT_GE(wait_for_result(h), 0);
  EXPECT_EQ(h.control("Label2", 19).back_color(), kCardNormal);
}

std::vector<double> draws_for(const std::vector<int>& order, int count) {
  std::vector<double> draws;
  for (int k : order) draws.push_back((k + 0.5) / count);
  return draws;
}

TEST(DrillRetry, StartsANewGameInANewOrderAndHaltsTheFanfare) {
  Harness h({.first_screen = std::nullopt});
  std::vector<int> first(20), second(20);
  for (int k = 0; k < 20; ++k) {
    first[k] = k;
    second[k] = 19 - k;
  }
  h.random().queue(draws_for(first, 20));
  h.app().start(ScreenId::DrillLarge);
  play_game(h, 1);
  EXPECT_EQ(h.caption("Label3"), "95");

  h.random().queue(draws_for(second, 20));
  const auto before_retry = h.sound().events().size();
  h.click("Label7");

  EXPECT_EQ(h.screen_id(), ScreenId::DrillLarge);
  EXPECT_EQ(h.caption("Label3"), "");
  for (const char* name : {"Label4", "Label5", "Label7", "Image1", "Image2", "Image3"})
    EXPECT_FALSE(h.visible(name)) << name;
  const DrillScreen& d = drill(h);
  EXPECT_EQ(d.TryCount, 0);
  EXPECT_EQ(d.RightCount, 0);
  EXPECT_EQ(h.random().seedings(), 2);
  for (int s = 0; s < 20; ++s) {
    EXPECT_EQ(d.SlotOrder[s], second[s]);
    EXPECT_EQ(d.Solved[s], 0);
    const Control& card = h.control("Label2", second[s]);
    EXPECT_EQ((Point{card.left(), card.top()}), (Point{5625 + 1950 * (s / 10), 750 + 480 * (s % 10)}));
    EXPECT_EQ(card.back_color(), kCardNormal);
  }

  bool fanfare_halted = false;
  const auto& events = h.sound().events();
  for (auto i = before_retry; i < events.size(); ++i) {
    EXPECT_NE(events[i].kind, Kind::Play);
    if (events[i].kind == Kind::Halt && file_stem(events[i].file) == "gokaku") fanfare_halted = true;
  }
  EXPECT_TRUE(fanfare_halted);

  // The new game plays to a result of its own.
  play_game(h, 0);
  EXPECT_EQ(h.caption("Label3"), "100");
}

}  // namespace
}  // namespace metria::testing
