#include <gtest/gtest.h>

#include <random>
#include <sstream>
#include <string>

#include "board/LineBits.h"
#include "board/Sheet.h"
#include "board/ShownArea.h"
#include "support/AsciiBoard.h"

namespace quintara {
namespace {

using namespace line_bits;
using testing::At;

// The first place, if any, where a packed line differs from the sheet read place by place.
std::string FirstStaleLine(const Sheet& sheet) {
  for (int index = -200; index <= kLastPointRecord + 200; ++index) {
    for (const int direction : kLineDirections) {
      for (const int step : {direction, -direction}) {
        const Bits line = sheet.LineAt(index, step);
        for (int k = -kReach; k <= kReach; ++k) {
          const int place = index + k * step;
          const Bits expected = (sheet.ColourAt(place) == ComputerColour ? kComputer : 0) |
                                (sheet.ColourAt(place) == HumanColour ? kHuman : 0) |
                                (sheet.Playable(place) ? kPlayable : 0);
          if (((line >> (kBitsPerPlace * (k + kReach))) & kPlace) != expected) {
            std::ostringstream where;
            where << "line through " << index << " step " << step << ", place " << k;
            return where.str();
          }
        }
      }
    }
  }
  return "";
}

// Points put and taken away, closed games, resizes and new sheets, in random order.
TEST(SheetLines, FollowEveryChangeOfTheSheet) {
  std::mt19937 random(7);
  std::uniform_int_distribution<int> row(0, kRows - 1);
  std::uniform_int_distribution<int> column(0, kColumns - 1);
  Sheet sheet;
  ASSERT_EQ(FirstStaleLine(sheet), "") << "a new sheet";
  for (int round = 0; round < 40; ++round) {
    for (int change = 0; change < 25; ++change) {
      const int index = At(row(random), column(random));
      const int what = static_cast<int>(random() % 100);
      if (what < 90) sheet.PutPoint(index, what % 2 == 0 ? ComputerColour : HumanColour);
      if (what >= 90 && what < 97) sheet.PutPoint(index, kNoPoint);
      if (what >= 97)
        sheet.CloseRectangle(
            {RowOf(index), ColumnOf(index), RowOf(index) + 4, ColumnOf(index) + 6});
    }
    if (round % 10 == 3) sheet.SetShownArea({kDesignOuterWidth, kDesignOuterHeight});
    if (round % 10 == 6) sheet.SetShownArea({kLargestOuterWidth, kLargestOuterHeight});
    ASSERT_EQ(FirstStaleLine(sheet), "") << "round " << round;
    if (round % 10 == 9) sheet.Clear();
  }
}

}  // namespace
}  // namespace quintara
