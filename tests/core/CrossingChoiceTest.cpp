#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "opponent/CrossingChoice.h"
#include "opponent/LineRules.h"
#include "support/AsciiBoard.h"
#include "support/TurnFixture.h"

namespace quintara {
namespace {

using testing::At;
using testing::Picture;
using testing::TurnFixture;

constexpr int kNothing = 0;

// In the pictures E and F mark the first and the second end; both are empty places.
constexpr int kFirstEnd = At(7, 7);
constexpr int kSecondEnd = At(7, 17);

int Choose(const Picture& picture, int level, std::optional<int> skipped = std::nullopt,
           int firstEnd = kFirstEnd, int secondEnd = kSecondEnd) {
  TurnFixture f;
  f.SetUp(picture);
  Turn turn = f.MakeTurn(level);
  CrossingChoice(turn, firstEnd, secondEnd, skipped);
  EXPECT_LE(f.placed.size(), 1u);
  return f.Placed();
}

// The cells right of the first end: E+1, E+2, E+3.
Picture RightOfFirstEnd(const std::string& cells) {
  return Picture{7, 7, {"E " + cells}};
}

struct GroupCase {
  std::string cells;  // E+h, E+2h, E+3h along the row
  int level;
  int expected;
};

TEST(CrossingChoiceGroups, EachGroupAtItsLevel) {
  // clang-format off
  const std::vector<GroupCase> cases = {
      {"X X .", 4, kFirstEnd},  // G1
      {"X X .", 3, kFirstEnd},  // G1 is the one group of level 3
      {"X X .", 2, kNothing},
      {"X X .", 1, kNothing},
      {"O O .", 4, kFirstEnd},  // G2
      {"O O .", 3, kNothing},
      {"X . .", 4, kFirstEnd},  // G3
      {"X . .", 3, kNothing},
      {"O . .", 4, kFirstEnd},  // G4
      {"X O .", 4, kFirstEnd},  // G5
      {"O X .", 4, kFirstEnd},  // G6
      {". X .", 4, kFirstEnd},  // G7
      {". O .", 4, kFirstEnd},  // G8
      {". O .", 3, kNothing},
      {". . X", 4, kNothing},   // three steps away is too far
      {". . .", 4, kNothing},
  };
  // clang-format on
  for (const GroupCase& c : cases) {
    EXPECT_EQ(Choose(RightOfFirstEnd(c.cells), c.level), c.expected)
        << "E " << c.cells << " at level " << c.level;
  }
}

TEST(CrossingChoiceGroups, MatchWithUnplayableCellsEndsTheProcedureWithoutAPoint) {
  // clang-format off
  const std::vector<GroupCase> cases = {
      {"x x .", 4, kNothing},   // G1 holds, its cells are an earlier game's
      {"x x O", 4, kFirstEnd},  // G1 fails on the O; G3 holds and needs nothing playable
      {"X x .", 4, kNothing},
      {"X X #", 4, kNothing},   // E+3h must be playable too
      {"# X .", 4, kNothing},   // G7 holds, E+h closed
      {". x .", 4, kNothing},   // G7 holds, E+2h an earlier game's point
      {"# o .", 4, kNothing},   // G8 likewise
      {"x . .", 4, kFirstEnd},  // G3 tests no playability
      {"o . .", 4, kFirstEnd},  // G4 likewise
  };
  // clang-format on
  for (const GroupCase& c : cases) {
    EXPECT_EQ(Choose(RightOfFirstEnd(c.cells), c.level), c.expected) << "E " << c.cells;
  }
}

TEST(CrossingChoiceGroups, AnEndThatCannotBePlayedEndsTheProcedure) {
  // A human point next to each end (G3): the first end holds a point or is closed, and the
  // second end is never tried.
  const std::vector<std::string> firstEnds = {"O", "X", "#"};
  for (const std::string& end : firstEnds) {
    const Picture picture{7, 7, {end + " X . . . . . . . . F X"}};
    EXPECT_EQ(Choose(picture, 4), kNothing) << "first end " << end;
  }
}

TEST(CrossingChoiceOrder, GroupsBeforeEnds) {
  // G1 at the second end wins over G2 at the first end.
  EXPECT_EQ(Choose(Picture{7, 7, {"E O O . . . . . . . F X X"}}, 4), kSecondEnd);
  // G2 at the second end wins over G3 at the first end.
  EXPECT_EQ(Choose(Picture{7, 7, {"E X . . . . . . . . F O O"}}, 4), kSecondEnd);
  // G7 at the first end loses to G6 at the second.
  EXPECT_EQ(Choose(Picture{7, 7, {"E . X . . . . . . . F O X"}}, 4), kSecondEnd);
}

TEST(CrossingChoiceOrder, FirstEndBeforeSecondEndWithinAGroup) {
  EXPECT_EQ(Choose(Picture{7, 7, {"E X . . . . . . . . F X"}}, 4), kFirstEnd);
  EXPECT_EQ(Choose(Picture{7, 7, {"E X X . . . . . . . F X X"}}, 3), kFirstEnd);
}

TEST(CrossingChoiceOrder, EveryHalfDirectionBeforeTheNext) {
  // The eight half-directions in their order, as (row, column) steps on the picture.
  struct HalfDirection {
    std::string name;
    int rowStep;
    int columnStep;
  };
  const std::vector<HalfDirection> order = {
      {"-34", -1, +1}, {"-35", -1, 0}, {"-36", -1, -1}, {"-1", 0, -1},
      {"+34", +1, -1}, {"+35", +1, 0}, {"+36", +1, +1}, {"+1", 0, +1},
  };
  // A 7 x 7 picture around the first end with two points along each of two half-directions.
  const auto around = [](const HalfDirection& a, char pointA, const HalfDirection& b, char pointB) {
    std::vector<std::string> lines(7, ". . . . . . .");
    for (int k = 1; k <= 2; ++k) {
      lines[static_cast<std::size_t>(3 + k * a.rowStep)]
           [static_cast<std::size_t>(2 * (3 + k * a.columnStep))] = pointA;
      lines[static_cast<std::size_t>(3 + k * b.rowStep)]
           [static_cast<std::size_t>(2 * (3 + k * b.columnStep))] = pointB;
    }
    lines[3][6] = 'E';
    return Picture{4, 4, lines};
  };
  for (std::size_t i = 0; i + 1 < order.size(); ++i) {
    const HalfDirection& earlier = order[i];
    const HalfDirection& later = order[i + 1];
    // G1 on an earlier game's points ends the procedure before the playable G1 is seen.
    const Picture stops = around(earlier, 'x', later, 'X');
    EXPECT_EQ(Choose(stops, 4), kNothing) << earlier.name << " before " << later.name;
    const Picture places = around(earlier, 'X', later, 'x');
    EXPECT_EQ(Choose(places, 4), kFirstEnd) << earlier.name << " before " << later.name;
  }
}

// Two human points next to the first end along one direction, playable: G1 places at E unless
// that direction is skipped, in which case its cells are never read.
struct SkipCase {
  std::string direction;
  Picture picture;
  int step;
};

TEST(CrossingChoiceSkips, SkippedDirectionIsNeverRead) {
  const std::vector<SkipCase> cases = {
      {"vertical, below", Picture{7, 7, {"E", "X", "X"}}, kVertical},
      {"vertical, above", Picture{4, 7, {".", "X", "X", "E"}}, kVertical},
      {"horizontal, left", Picture{7, 4, {". X X E"}}, kHorizontal},
      {"down-right", Picture{7, 7, {"E . .", ". X .", ". . X"}}, kDownRight},
      {"down-left", Picture{7, 5, {". . E", ". X .", "X . ."}}, kDownLeft},
      {"down-left, up-right side", Picture{5, 7, {". . X", ". X .", "E . ."}}, kDownLeft},
  };
  for (const SkipCase& c : cases) {
    EXPECT_EQ(Choose(c.picture, 4, c.step), kNothing) << c.direction << " skipped";
    EXPECT_EQ(Choose(c.picture, 4), kFirstEnd) << c.direction << " read";
    for (const int other : kLineDirections) {
      if (other == c.step) continue;
      EXPECT_EQ(Choose(c.picture, 4, other), kFirstEnd) << c.direction << " read, " << other;
    }
  }
}

TEST(CrossingChoiceSkips, BothEndsHonourTheSkip) {
  // Two human points below the second end only: seen unless the vertical is skipped.
  const Picture picture{7,
                        7,
                        {"E . . . . . . . . . F",  //
                         ". . . . . . . . . . X",  //
                         ". . . . . . . . . . X"}};
  EXPECT_EQ(Choose(picture, 4), kSecondEnd);
  EXPECT_EQ(Choose(picture, 4, kHorizontal), kSecondEnd);
  EXPECT_EQ(Choose(picture, 4, kVertical), kNothing);
}

// Through LineRules at level 4: the ends are handed over, and the die places when nothing was
// chosen.
struct CallerCase {
  std::string name;
  Picture picture;
  int anchor;
  int colour;
  int die;
  int expected;
  int level = 4;
};

TEST(CrossingChoiceFromLineRules, ChoosesAnEndOrLeavesItToTheDie) {
  const Picture threeAndHumanPairBelowASMinus{5,
                                              5,
                                              {". . O O O . .",  //
                                               ". X . . . . .",  //
                                               ". X . . . . ."}};
  const Picture threeAndEarlierPairBelowASMinus{5,
                                                5,
                                                {". . O O O . .",  //
                                                 ". x . . . . .",  //
                                                 ". x . . . . ."}};
  const std::vector<CallerCase> cases = {
      // L3.1 on the computer's three: A+3s is the first end, A-s the second.
      {"G1 below A-s", threeAndHumanPairBelowASMinus, At(5, 7), ComputerColour, 6, At(5, 6)},
      {"G1 below A-s, level 3: no choice, the die decides", threeAndHumanPairBelowASMinus, At(5, 7),
       ComputerColour, 6, At(5, 10), 3},
      {"G1 below A-s on an earlier game's points: the die decides, low",
       threeAndEarlierPairBelowASMinus, At(5, 7), ComputerColour, 1, At(5, 6)},
      {"G1 below A-s on an earlier game's points: the die decides, high",
       threeAndEarlierPairBelowASMinus, At(5, 7), ComputerColour, 6, At(5, 10)},
      // Nothing else around: the first end sees the three itself (G2 along the row).
      {"own line seen", Picture{5, 5, {". . O O O . ."}}, At(5, 7), ComputerColour, 1, At(5, 10)},
      // The human's open three read by L3.1: G1 along the row at the first end.
      {"human's three", Picture{5, 5, {". . X X X . ."}}, At(5, 7), HumanColour, 1, At(5, 10)},
      // L3.2: A-3s first, A+s second.
      {"L3.2, G1 above A+s",
       Picture{3,
               5,
               {". . . . . X .",  //
                ". . . . . X .",  //
                ". . O O O . ."}},
       At(5, 9), ComputerColour, 6, At(5, 10)},
      // L3.11: A+3s first, A-s second; the first end sees the three (G2).
      {"L3.11", Picture{5, 5, {"X . O O O . X"}}, At(5, 7), ComputerColour, 1, At(5, 10)},
  };
  for (const CallerCase& c : cases) {
    TurnFixture f({c.die});
    f.SetUp(c.picture);
    Turn turn = f.MakeTurn(c.level);
    LineRules(turn, c.anchor, 3, c.colour);
    EXPECT_EQ(f.Placed(), c.expected) << c.name;
  }
}

}  // namespace
}  // namespace quintara
