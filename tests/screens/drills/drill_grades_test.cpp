// The grade of a finished drill by the number of wrong drops on places, at every edge of the
// tables for 20 and for 22 cards, and a score that stays exact however many drops the user makes.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "drill_test_support.h"
#include "harness/headless.h"

namespace metria::testing {
namespace {

enum class Grade { Gold, Silver, Bronze, Failed };

struct GradeCase {
  int wrong_drops;
  const char* score;
  Grade grade;
};

const GradeCase kTwentyCards[] = {
    {0, "100", Grade::Gold},  {1, "95", Grade::Gold},   {2, "90", Grade::Gold},   {3, "86", Grade::Silver},
    {4, "83", Grade::Silver}, {5, "80", Grade::Silver}, {6, "76", Grade::Bronze}, {7, "74", Grade::Bronze},
    {8, "71", Grade::Bronze}, {9, "68", Grade::Failed},
};

const GradeCase kTwentyTwoCards[] = {
    {0, "100", Grade::Gold},  {1, "95", Grade::Gold},   {2, "91", Grade::Gold},    {3, "88", Grade::Silver},
    {4, "84", Grade::Silver}, {5, "81", Grade::Silver}, {6, "78", Grade::Bronze},  {7, "75", Grade::Bronze},
    {8, "73", Grade::Bronze}, {9, "70", Grade::Bronze}, {10, "68", Grade::Failed},
};

void expect_grade(Harness& h, Grade grade) {
  const bool passed = grade != Grade::Failed;
  EXPECT_EQ(h.visible("Label4"), passed);
  EXPECT_EQ(h.visible("Label5"), !passed);
  EXPECT_EQ(h.visible("Image1"), grade == Grade::Gold);
  EXPECT_EQ(h.visible("Image2"), grade == Grade::Silver);
  EXPECT_EQ(h.visible("Image3"), grade == Grade::Bronze);
  EXPECT_TRUE(h.visible("Label7"));
  const auto& last = h.sound().events().back();
  EXPECT_EQ(last.kind, RecordingSoundDevice::Kind::Play);
  EXPECT_EQ(file_stem(last.file), passed ? "gokaku" : "dame");
  EXPECT_EQ(last.times, passed ? 3 : 1);
}

void check_table(ScreenId id, std::span<const GradeCase> table) {
  for (const GradeCase& c : table) {
    SCOPED_TRACE(std::string(screen_name(id)) + ", wrong drops: " + std::to_string(c.wrong_drops));
    Harness h({.first_screen = id});
    play_game(h, c.wrong_drops);
    EXPECT_EQ(h.caption("Label3"), c.score);
    expect_grade(h, c.grade);
  }
}

TEST(DrillGrades, TwentyCards) {
  check_table(ScreenId::DrillLarge, kTwentyCards);
  check_table(ScreenId::DrillSi, kTwentyCards);
}

TEST(DrillGrades, TwentyTwoCards) { check_table(ScreenId::DrillSmall, kTwentyTwoCards); }

// TryCount is a 16-bit counter the user can raise without end. It stops at its top, where the
// score reads 0 for any number of right drops, so the game goes on and the score stays exact.
TEST(DrillScore, EndlessWrongDropsNeitherOverflowNorFalsifyTheScore) {
  Harness h({.first_screen = ScreenId::DrillSmall});
  place_card(h, 5);
  drop_wrong(h, 2199);
  EXPECT_EQ(h.caption("Label3"), "0");  // 100 × 1 / 2200
  drop_wrong(h, 40000);
  EXPECT_EQ(drill(h).TryCount, 32767);
  EXPECT_EQ(h.caption("Label3"), "0");
  EXPECT_TRUE(h.running());
  EXPECT_TRUE(h.host().fatal_messages.empty());

  for (int k = 0; k < 22; ++k)
    if (k != 5) place_card(h, k);
  EXPECT_EQ(drill(h).RightCount, 22);
  EXPECT_EQ(h.caption("Label3"), "0");
  ASSERT_GE(wait_for_result(h), 0);
  expect_grade(h, Grade::Failed);
}

TEST(DrillScore, ExactJustBelowTheTopOfTheCounter) {
  Harness h({.first_screen = ScreenId::DrillLarge});
  place_card(h, 0);
  drop_wrong(h, 32765, 1, 2);
  EXPECT_EQ(drill(h).TryCount, 32766);
  EXPECT_EQ(h.caption("Label3"), "0");
  place_card(h, 2);
  EXPECT_EQ(drill(h).TryCount, 32767);
  EXPECT_EQ(drill(h).RightCount, 2);
  EXPECT_EQ(h.caption("Label3"), "0");
}

}  // namespace
}  // namespace metria::testing
