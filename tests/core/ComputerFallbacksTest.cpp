#include <gtest/gtest.h>

#include "opponent/ComputerTurn.h"
#include "support/TurnFixture.h"

namespace quintara {
namespace {

using testing::At;
using testing::Picture;
using testing::TurnFixture;

// With no rule to play, the computer plays next to the human's last point (the last X of the
// picture): right, left, above, below, above-left, below-right, below-left, above-right.
struct NeighbourCase {
  const char* name;
  std::vector<std::string> around;  // 3 x 3 around the human's last point, at the centre
  int expectedRow;                  // relative to the centre
  int expectedColumn;
};
void PrintTo(const NeighbourCase& c, std::ostream* os) {
  *os << c.name;
}

class NeighbourFallbackOrder : public ::testing::TestWithParam<NeighbourCase> {};

TEST_P(NeighbourFallbackOrder, TakesTheFirstFreePlayableNeighbourInOrder) {
  TurnFixture f;
  f.SetUp(Picture{9, 9, GetParam().around});
  f.state.HumanMoves.Clear();
  f.state.HumanMoves.Record(At(10, 10));
  Turn turn = f.MakeTurn(1, 1);
  NeighbourFallback(turn);
  EXPECT_EQ(f.Placed(), At(10 + GetParam().expectedRow, 10 + GetParam().expectedColumn));
}

INSTANTIATE_TEST_SUITE_P(
    Order, NeighbourFallbackOrder,
    ::testing::Values(NeighbourCase{"right", {". . .", ". X .", ". . ."}, 0, 1},
                      NeighbourCase{"left", {". . .", ". X O", ". . ."}, 0, -1},
                      NeighbourCase{"above", {". . .", "# X O", ". . ."}, -1, 0},
                      NeighbourCase{"below", {". x .", "O X O", ". . ."}, 1, 0},
                      NeighbourCase{"above_left", {". O .", "O X O", ". # ."}, -1, -1},
                      NeighbourCase{"below_right", {"O O .", "O X O", ". O ."}, 1, 1},
                      NeighbourCase{"below_left", {"O O .", "O X O", ". O #"}, 1, -1},
                      NeighbourCase{"above_right", {"O O .", "O X O", "# O #"}, -1, 1}));

struct BoxCase {
  const char* name;
  std::vector<std::string> picture;  // rows 8..12 from column 7; the human's last point is (10, 10)
  int asked;                         // the one intersection the fallback hands on (0: none)
  bool placed;
};
void PrintTo(const BoxCase& c, std::ostream* os) {
  *os << c.name;
}

class BoxFallbackOrder : public ::testing::TestWithParam<BoxCase> {};

TEST_P(BoxFallbackOrder, TheFirstTestThatHoldsEndsTheTurn) {
  TurnFixture f;
  f.SetUp(Picture{8, 7, GetParam().picture});
  f.state.HumanMoves.Clear();
  f.state.HumanMoves.Record(At(10, 10));
  Turn turn = f.MakeTurn(1, 1);
  BoxFallback(turn);
  const std::vector<int> expected =
      GetParam().asked == 0 ? std::vector<int>{} : std::vector<int>{GetParam().asked};
  EXPECT_EQ(f.asked, expected);
  EXPECT_EQ(f.played, GetParam().placed);
}

// Every neighbour of the human's last point is taken. The box's extremes are (9, 8) left and
// top, (9, 12) right, (11, 8) bottom. Past the right end only, playability is tested: a closed
// place at the left, below or above ends the turn without a point.
INSTANTIATE_TEST_SUITE_P(
    Cases, BoxFallbackOrder,
    ::testing::Values(BoxCase{"right_end",
                              {". . . . . . .", ". X O O O X .", ". O O X O O .", ". X O O O X .",
                               ". . . . . . ."},
                              At(9, 13),
                              true},
                      BoxCase{"right_end_closed_then_left_end",
                              {". . . . . . .", ". X O O O X #", ". O O X O O .", ". X O O O X .",
                               ". . . . . . ."},
                              At(9, 7),
                              true},
                      BoxCase{"left_end_closed_places_nothing",
                              {". . . . . . .", "# X O O O X #", ". O O X O O .", ". X O O O X .",
                               ". . . . . . ."},
                              At(9, 7),
                              false},
                      BoxCase{"below_the_bottom",
                              {". . . . . . .", "x X O O O X x", ". O O X O O .", ". X O O O X .",
                               ". . . . . . ."},
                              At(12, 8),
                              true},
                      BoxCase{"below_closed_places_nothing",
                              {". . . . . . .", "x X O O O X x", ". O O X O O .", ". X O O O X .",
                               ". # . . . . ."},
                              At(12, 8),
                              false},
                      BoxCase{"above_the_top",
                              {". . . . . . .", "x X O O O X x", ". O O X O O .", ". X O O O X .",
                               ". x . . . . ."},
                              At(8, 8),
                              true},
                      BoxCase{"nothing_holds",
                              {". x . . . . .", "x X O O O X x", ". O O X O O .", ". X O O O X .",
                               ". x . . . . ."},
                              0,
                              false}));

// A lone human point and no computer point: no rule holds, so the fallbacks decide.
TEST(ComputerTurnFallbacks, ALoneHumanPointIsAnsweredAtItsRight) {
  TurnFixture f;
  f.SetUp(Picture{9, 9, {". . .", ". X .", ". . ."}});
  Turn turn = f.MakeTurn(1, 1);
  ComputerTurn(turn);
  EXPECT_EQ(f.Placed(), At(10, 11));
}

TEST(ComputerTurnFallbacks, TheBoxIsTriedWhenEveryNeighbourIsTaken) {
  TurnFixture f;
  f.SetUp(Picture{9, 9, {"x x x", "x X #", "x x x"}});
  Turn turn = f.MakeTurn(1, 1);
  ComputerTurn(turn);
  // The box is the lone point: its right end is closed, its left end holds a point, and so on.
  EXPECT_EQ(f.asked, (std::vector<int>{}));
  EXPECT_FALSE(f.played);
}

TEST(ComputerTurnFallbacks, WithoutAHumanPointNoFallbackIsTried) {
  TurnFixture f;
  f.SetUp(Picture{9, 9, {". . .", ". X .", ". . ."}});
  Turn turn = f.MakeTurn(4, 0);
  ComputerTurn(turn);
  EXPECT_TRUE(f.asked.empty());
}

}  // namespace
}  // namespace quintara
