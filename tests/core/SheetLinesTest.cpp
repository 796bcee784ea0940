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
using testing::Picture;

// A line packed by hand: one letter per place from -4 to +4, as the test pictures write them
// (. empty, O computer, X human), upper case when the place is playable.
constexpr Bits Line(const char (&places)[10]) {
  Bits line = 0;
  for (int k = -kReach; k <= kReach; ++k) {
    const char c = places[k + kReach];
    const Bits point = (c == 'O' || c == 'o') ? kComputer : (c == 'X' || c == 'x') ? kHuman : 0;
    const Bits playable = (c == 'O' || c == 'X' || c == '_') ? kPlayable : 0;
    line |= line_bits::At(k, point | playable);
  }
  return line;
}

static_assert(SwapSides(Line("_Ox.Xo_.X")) == Line("_Xo.Ox_.O"));
static_assert(Reversed(Line("_Ox.Xo_.X")) == Line("X._oX.xO_"));
static_assert(Reversed(Reversed(Line("oX_..O_x."))) == Line("oX_..O_x."));

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

TEST(SheetLines, FollowEveryChangeOfTheSheet) {
  Sheet sheet;
  EXPECT_EQ(FirstStaleLine(sheet), "") << "a new sheet";
  sheet.SetShownArea({kLargestOuterWidth, kLargestOuterHeight});
  EXPECT_EQ(FirstStaleLine(sheet), "") << "the largest shown area";
  testing::Draw(sheet, Picture{2, 2, {"O X . O", ". X O .", "X . . O"}});
  testing::Draw(sheet, Picture{20, 26, {"X O O O", "O X X X"}});
  EXPECT_EQ(FirstStaleLine(sheet), "") << "points in two corners";
  sheet.CloseRectangle({2, 2, 5, 7});
  EXPECT_EQ(FirstStaleLine(sheet), "") << "a closed game";
  sheet.PutPoint(At(20, 29), kNoPoint);
  EXPECT_EQ(FirstStaleLine(sheet), "") << "a point taken away";
  sheet.SetShownArea({kDesignOuterWidth, kDesignOuterHeight});
  EXPECT_EQ(FirstStaleLine(sheet), "") << "the design size";
  sheet.Clear();
  EXPECT_EQ(FirstStaleLine(sheet), "") << "a new sheet after play";
}

TEST(SheetLines, FollowRandomPlay) {
  std::mt19937 random(7);
  std::uniform_int_distribution<int> row(0, kRows - 1);
  std::uniform_int_distribution<int> column(0, kColumns - 1);
  std::uniform_int_distribution<int> action(0, 99);
  Sheet sheet;
  sheet.SetShownArea({kLargestOuterWidth, kLargestOuterHeight});
  for (int round = 0; round < 20; ++round) {
    for (int change = 0; change < 25; ++change) {
      const int what = action(random);
      const int index = At(row(random), column(random));
      if (what < 45) {
        sheet.PutPoint(index, ComputerColour);
      } else if (what < 90) {
        sheet.PutPoint(index, HumanColour);
      } else if (what < 97) {
        sheet.PutPoint(index, kNoPoint);
      } else {
        const int top = row(random);
        const int left = column(random);
        sheet.CloseRectangle({top, left, top + 4, left + 6});
      }
    }
    ASSERT_EQ(FirstStaleLine(sheet), "") << "round " << round;
  }
}

}  // namespace
}  // namespace quintara
