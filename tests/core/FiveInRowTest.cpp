#include <gtest/gtest.h>

#include "board/FiveInRow.h"
#include "board/ShownArea.h"
#include "support/AsciiBoard.h"

namespace quintara {
namespace {

using testing::At;
using testing::Picture;

struct FiveCase {
  const char* name;
  Picture picture;
  int newPoint;
  int lowest;  // 0: no five
  int step;
};

void PrintTo(const FiveCase& c, std::ostream* os) {
  *os << c.name;
}

class FiveInRow : public ::testing::TestWithParam<FiveCase> {};

TEST_P(FiveInRow, FindsTheRunThroughTheNewPoint) {
  const FiveCase& c = GetParam();
  Sheet sheet;
  sheet.SetShownArea({kLargestOuterWidth, kLargestOuterHeight});
  testing::Draw(sheet, c.picture);
  const auto five = FindFiveInRow(sheet, c.newPoint);
  if (c.lowest == 0) {
    EXPECT_FALSE(five.has_value()) << testing::Show(sheet, c.picture.row, c.picture.column, 7, 9);
    return;
  }
  ASSERT_TRUE(five.has_value()) << testing::Show(sheet, c.picture.row, c.picture.column, 7, 9);
  EXPECT_EQ(five->lowest, c.lowest);
  EXPECT_EQ(five->step, c.step);
}

// The new point is in the middle of the run unless said otherwise.
INSTANTIATE_TEST_SUITE_P(
    Directions, FiveInRow,
    ::testing::Values(
        FiveCase{"horizontal", {8, 4, {". X X X X X ."}}, At(8, 7), At(8, 5), kHorizontal},
        FiveCase{"vertical", {6, 4, {"O", "O", "O", "O", "O"}}, At(8, 4), At(6, 4), kVertical},
        FiveCase{"down_right",
                 {6, 4, {"X . . . .", ". X . . .", ". . X . .", ". . . X .", ". . . . X"}},
                 At(8, 6),
                 At(6, 4),
                 kDownRight},
        FiveCase{"down_left",
                 {6, 4, {". . . . O", ". . . O .", ". . O . .", ". O . . .", "O . . . ."}},
                 At(8, 6),
                 At(6, 8),
                 kDownLeft},
        FiveCase{
            "new_point_at_the_low_end", {8, 4, {"X X X X X"}}, At(8, 4), At(8, 4), kHorizontal},
        FiveCase{
            "new_point_at_the_high_end", {8, 4, {"X X X X X"}}, At(8, 8), At(8, 4), kHorizontal}));

INSTANTIATE_TEST_SUITE_P(
    LongRuns, FiveInRow,
    ::testing::Values(
        // The line goes through the five highest indices of the run.
        FiveCase{"six", {8, 4, {"O O O O O O"}}, At(8, 5), At(8, 5), kHorizontal},
        FiveCase{"seven", {8, 4, {"O O O O O O O"}}, At(8, 4), At(8, 6), kHorizontal},
        FiveCase{"seven_vertical",
                 {4, 9, {"X", "X", "X", "X", "X", "X", "X"}},
                 At(7, 9),
                 At(6, 9),
                 kVertical}));

INSTANTIATE_TEST_SUITE_P(
    NoFive, FiveInRow,
    ::testing::Values(
        FiveCase{"four", {8, 4, {". X X X X ."}}, At(8, 6), 0, 0},
        FiveCase{"broken_by_the_other_colour", {8, 4, {"X X O X X X"}}, At(8, 7), 0, 0},
        FiveCase{"broken_by_an_empty_place", {8, 4, {"X X . X X X"}}, At(8, 7), 0, 0},
        FiveCase{"earlier_game_point_in_line", {8, 4, {"x X X X X ."}}, At(8, 6), 0, 0},
        FiveCase{"earlier_game_points_only", {8, 4, {"x x x x X"}}, At(8, 8), 0, 0},
        FiveCase{"mixed_diagonal",
                 {6, 4, {"X . . . .", ". O . . .", ". . X . .", ". . . X .", ". . . . X"}},
                 At(8, 6),
                 0,
                 0}));

// Seven never-playable columns separate the end of one row from the start of the next, so no
// run wraps from column 29 to column 2 of the next row, whatever stands on the guard columns.
TEST(FiveInRowGuards, PointsOnNeverPlayableColumnsNeverCount) {
  // Points forced on the guard columns (a window never puts them there) still break every run.
  Sheet sheet;
  sheet.SetShownArea({kLargestOuterWidth, kLargestOuterHeight});
  testing::Draw(sheet, Picture{8, 27, {"X X X"}});
  sheet.PutPoint(At(8, 30), HumanColour);
  sheet.PutPoint(At(8, 31), HumanColour);
  sheet.PutPoint(At(9, 0), HumanColour);
  sheet.PutPoint(At(9, 1), HumanColour);
  testing::Draw(sheet, Picture{9, 2, {"X X"}});
  EXPECT_FALSE(FindFiveInRow(sheet, At(8, 29)).has_value());
  EXPECT_FALSE(FindFiveInRow(sheet, At(9, 2)).has_value());
}

TEST(FiveInRowGuards, DiagonalsDoNotWrapAcrossRowEnds) {
  Sheet sheet;
  sheet.SetShownArea({kLargestOuterWidth, kLargestOuterHeight});
  // Down-left from column 2 and down-right from column 29 lead into guard columns.
  testing::Draw(sheet, Picture{6, 2, {"O", "?", "?", "?", "?"}});
  testing::Draw(sheet, Picture{6, 29, {"X"}});
  for (int k = 1; k <= 4; ++k) {
    sheet.PutPoint(At(6, 2) + k * kDownLeft, ComputerColour);
    sheet.PutPoint(At(6, 29) + k * kDownRight, HumanColour);
  }
  EXPECT_FALSE(FindFiveInRow(sheet, At(6, 2)).has_value());
  EXPECT_FALSE(FindFiveInRow(sheet, At(6, 29)).has_value());
}

}  // namespace
}  // namespace quintara
