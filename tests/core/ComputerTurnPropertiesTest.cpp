// What any reply of the computer must make of the lines through it, checked on random positions
// without any copy of the rule tables.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "board/FiveInRow.h"
#include "opponent/ComputerTurn.h"
#include "support/TurnFixture.h"

namespace quintara::testing {
namespace {

// The most points of `colour` in a five-wide window through `at`; with `runningOnly`, only those
// of the running game, which stand on playable places.
int MostInAWindow(const Sheet& sheet, int at, PointColour colour, bool runningOnly) {
  int most = 0;
  for (const int step : kLineDirections) {
    for (int first = at - 4 * step; first <= at; first += step) {
      int count = 0;
      for (int k = 0; k < 5; ++k) {
        const int place = first + k * step;
        count += sheet.ColourAt(place) == colour && (!runningOnly || sheet.Playable(place));
      }
      most = std::max(most, count);
    }
  }
  return most;
}

// Whether a point of `colour` on a free playable place would make five.
bool CanComplete(const Sheet& sheet, PointColour colour, bool runningOnly) {
  for (int index = kFirstGridIndex; index <= kLastIntersection; ++index) {
    if (!sheet.HasPoint(index) && sheet.Playable(index) &&
        MostInAWindow(sheet, index, colour, runningOnly) == 4) {
      return true;
    }
  }
  return false;
}

// Whatever else the position holds, the computer completes a five of its running points when it
// can, and otherwise blocks the human's. Positions are 9 x 9 patches anywhere around the playable
// area, so that lines also run off it.
TEST(ComputerTurnProperties, TakesAFiveOrElseBlocksTheHumansFive) {
  std::mt19937 random(4);
  int wins = 0;
  int blocks = 0;
  for (int round = 0; round < 1500; ++round) {
    TurnFixture f({1 + round % 6});
    const int top = static_cast<int>(random() % 19);
    const int left = static_cast<int>(random() % 27);
    Picture picture{top, left, std::vector<std::string>(9)};
    for (int k = 0; k < 81; ++k) {
      const bool shown = f.sheet.Playable(At(top + k / 9, left + k % 9));
      picture.lines[static_cast<std::size_t>(k / 9)] +=
          shown ? ".....OOOXXX#ox"[random() % 14] : '?';
    }
    f.SetUp(picture);
    const Sheet before = f.sheet;
    bool finished = false;  // a position where a game should already have ended
    for (int index = kFirstGridIndex; index <= kLastIntersection; ++index) {
      finished |= FindFiveInRow(before, index).has_value();
    }
    const bool win = CanComplete(before, ComputerColour, true);
    const bool block =
        !CanComplete(before, ComputerColour, false) && CanComplete(before, HumanColour, true);
    if (finished) continue;
    Turn turn = f.MakeTurn(1 + static_cast<int>(random() % 4));
    const int placed = ComputerTurn(turn).value_or(0);
    if (!(win || block)) continue;
    ASSERT_EQ(MostInAWindow(before, placed, win ? ComputerColour : HumanColour, false), 4)
        << "placed at (" << RowOf(placed) << ", " << ColumnOf(placed) << ")\n"
        << Show(before, RowOf(placed) - 5, ColumnOf(placed) - 5, 11, 11);
    wins += win;
    blocks += block;
  }
  EXPECT_GT(wins, 100);
  EXPECT_GT(blocks, 100);
}

}  // namespace
}  // namespace quintara::testing
