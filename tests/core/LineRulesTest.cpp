#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "game/Game.h"
#include "opponent/LineRules.h"
#include "support/AsciiBoard.h"
#include "support/RecordingView.h"
#include "support/TurnFixture.h"

namespace quintara {
namespace {

using testing::At;
using testing::Picture;
using testing::TurnFixture;

constexpr int kNothing = 0;

// One call of LineRules over a pictured position and the point it should place.
struct LineCase {
  std::string name;
  Picture picture;
  int anchor;
  int die;
  int expected;  // kNothing when no point may be placed
  int level = 1;
};

void ExpectReplies(const std::vector<LineCase>& cases, int pointCount, int colour) {
  for (const LineCase& c : cases) {
    TurnFixture f({c.die});
    f.SetUp(c.picture);
    Turn turn = f.MakeTurn(c.level);
    LineRules(turn, c.anchor, pointCount, colour);
    EXPECT_EQ(f.Placed(), c.expected)
        << c.name << " (die " << c.die << ", level " << c.level << ")\n"
        << testing::Show(f.sheet, c.picture.row - 1, c.picture.column - 1,
                         static_cast<int>(c.picture.lines.size()) + 2, 12);
    EXPECT_LE(f.placed.size(), 1u) << c.name;
  }
}

// --- Take a win: the computer's own fours ---------------------------------------------------

TEST(LineRulesTakeAWin, OpenFourGoesToAnEndByTheDie) {
  std::vector<LineCase> cases;
  for (int die = 1; die <= 6; ++die) {
    cases.push_back({"L4.1 from the first point", Picture{5, 5, {". O O O O ."}}, At(5, 6), die,
                     die >= 4 ? At(5, 10) : At(5, 5)});
    cases.push_back({"L4.2 from the last point", Picture{5, 5, {". O O O O ."}}, At(5, 9), die,
                     die >= 4 ? At(5, 5) : At(5, 10)});
  }
  ExpectReplies(cases, 4, ComputerColour);
}

TEST(LineRulesTakeAWin, OpenFourIsReadInEveryDirection) {
  ExpectReplies(
      {
          {"vertical", Picture{5, 5, {".", "O", "O", "O", "O", "."}}, At(6, 5), 6, At(10, 5)},
          {"down-right",
           Picture{5,
                   5,
                   {". . . . . .",  //
                    ". O . . . .",  //
                    ". . O . . .",  //
                    ". . . O . .",  //
                    ". . . . O .",  //
                    ". . . . . ."}},
           At(6, 6), 6, At(10, 10)},
          {"down-left",
           Picture{5,
                   5,
                   {". . . . . .",  //
                    ". . . . O .",  //
                    ". . . O . .",  //
                    ". . O . . .",  //
                    ". O . . . .",  //
                    ". . . . . ."}},
           At(6, 9), 1, At(5, 10)},
      },
      4, ComputerColour);
}

TEST(LineRulesTakeAWin, OpenFourWithAnEndNotPlayable) {
  ExpectReplies(
      {
          {"L4.1, A-s closed", Picture{5, 5, {"# O O O O ."}}, At(5, 6), 1, At(5, 10)},
          {"L4.1, A+4s closed", Picture{5, 5, {". O O O O #"}}, At(5, 6), 6, At(5, 5)},
          {"L4.1, A-s off the shown area", Picture{5, 2, {"O O O O ."}}, At(5, 2), 1, At(5, 6)},
          {"L4.1, A+4s off the shown area", Picture{5, 25, {". O O O O"}}, At(5, 26), 6, At(5, 25)},
          {"L4.1, both ends closed", Picture{5, 5, {"# O O O O #"}}, At(5, 6), 6, kNothing},
          {"L4.1, an earlier game's point inside", Picture{5, 5, {". O O o O ."}}, At(5, 6), 6,
           kNothing},
          {"L4.1, a closed place beyond A-s plays no part", Picture{5, 4, {"# . O O O O ."}},
           At(5, 6), 1, At(5, 5)},
          {"L4.2, A+s closed", Picture{5, 5, {". O O O O #"}}, At(5, 9), 1, At(5, 5)},
          {"L4.2, A-4s closed", Picture{5, 5, {"# O O O O ."}}, At(5, 9), 6, At(5, 10)},
          {"L4.2, a closed place beyond A+s plays no part", Picture{5, 5, {". O O O O . #"}},
           At(5, 9), 6, At(5, 5)},
      },
      4, ComputerColour);
}

TEST(LineRulesTakeAWin, ClosedFourIsCompletedAtItsOpenEnd) {
  ExpectReplies(
      {
          {"L4.3", Picture{5, 5, {"X O O O O ."}}, At(5, 6), 1, At(5, 10)},
          {"L4.3, A+4s closed", Picture{5, 5, {"X O O O O #"}}, At(5, 6), 1, kNothing},
          {"L4.4", Picture{5, 5, {". O O O O X"}}, At(5, 6), 6, At(5, 5)},
          {"L4.6", Picture{5, 5, {"X O O O O ."}}, At(5, 9), 1, At(5, 10)},
          {"L4.7, A+s an earlier game's point", Picture{5, 5, {". O O O O x"}}, At(5, 9), 6,
           At(5, 5)},
          {"L4.8", Picture{5, 5, {". O O O O X"}}, At(5, 9), 6, At(5, 5)},
      },
      4, ComputerColour);
}

TEST(LineRulesTakeAWin, L45OnlyBehindAnEarlierGamesPoint) {
  ExpectReplies(
      {
          {"A-4s an earlier red point", Picture{5, 5, {"o O O O O ."}}, At(5, 9), 6, At(5, 10)},
          {"A-4s an earlier green point", Picture{5, 5, {"x O O O O ."}}, At(5, 9), 6, At(5, 10)},
          {"A-4s an earlier point, A+s closed", Picture{5, 5, {"o O O O O #"}}, At(5, 9), 6,
           kNothing},
          // An empty A-4s makes L4.2 hold first: closed, or open and left to the die.
          {"A-4s closed and empty", Picture{5, 5, {"# O O O O ."}}, At(5, 9), 6, At(5, 10)},
          {"A-4s open", Picture{5, 5, {". O O O O ."}}, At(5, 9), 6, At(5, 5)},
          // A point of this game at A-4s: no rule of the list holds.
          {"A-4s a point of this game", Picture{5, 5, {"O o O O O ."}}, At(5, 9), 6, kNothing},
      },
      4, ComputerColour);
}

TEST(LineRulesTakeAWin, GapInAFourIsFilled) {
  ExpectReplies(
      {
          {"L4.9", Picture{5, 5, {"O O O . O"}}, At(5, 5), 6, At(5, 8)},
          {"L4.10", Picture{5, 5, {"O . O O O"}}, At(5, 9), 6, At(5, 6)},
          {"L4.11", Picture{5, 5, {"O O O . O"}}, At(5, 9), 6, At(5, 8)},
          {"L4.12", Picture{5, 5, {"O O . O O"}}, At(5, 5), 6, At(5, 7)},
          // L4.10 would hold but for the human point on its target; L4.12 is next.
          {"L4.12 after L4.10's target", Picture{5, 5, {"O X O O O O . O O"}}, At(5, 9), 6,
           At(5, 11)},
      },
      4, ComputerColour);
}

TEST(LineRulesTakeAWin, FailedActionEndsItsDirectionButNotTheCall) {
  // Horizontally L4.4 holds but A+2s is an earlier game's point, so it places nothing; L4.11
  // would have played A-s but is never tried. The next direction, down-right, still wins.
  const std::vector<std::string> horizontalOnly = {"O O O . O O o O X"};
  const std::vector<std::string> withDownRight = {"O O O . O O o O X",  //
                                                  ". . . . . O . . .",  //
                                                  ". . . . . . O . .",  //
                                                  ". . . . . . . O .",  //
                                                  ". . . . . . . . ."};
  ExpectReplies(
      {
          {"horizontal only", Picture{5, 5, horizontalOnly}, At(5, 9), 6, kNothing},
          {"and a four down-right", Picture{5, 5, withDownRight}, At(5, 9), 6, At(9, 13)},
      },
      4, ComputerColour);
}

TEST(LineRulesTakeAWin, OnePointPerCallWhenSeveralDirectionsHold) {
  TurnFixture f({6});
  f.SetUp(Picture{4,
                  5,
                  {". . . . . .",  //
                   ". . . . . .",  //
                   ". O O O O .",  //
                   ". O . . . .",  //
                   ". O . . . .",  //
                   ". O . . . .",  //
                   ". . . . . ."}});
  Turn turn = f.MakeTurn(1);
  LineRules(turn, At(6, 6), 4, ComputerColour);
  EXPECT_EQ(f.Placed(), At(10, 6));  // vertical is read first
  EXPECT_EQ(f.asked.size(), 1u);
}

// --- Block a four: the human's fours ---------------------------------------------------------

TEST(LineRulesBlockAFour, HumansFourIsBlockedWhereItWouldGrow) {
  ExpectReplies(
      {
          {"open four, die high", Picture{5, 5, {". X X X X ."}}, At(5, 6), 5, At(5, 10)},
          {"open four, die low", Picture{5, 5, {". X X X X ."}}, At(5, 6), 3, At(5, 5)},
          {"closed by the computer", Picture{5, 5, {"O X X X X ."}}, At(5, 6), 1, At(5, 10)},
          {"gap", Picture{5, 5, {"X X . X X"}}, At(5, 5), 1, At(5, 7)},
          {"behind an earlier game's point", Picture{5, 5, {"x X X X X ."}}, At(5, 9), 1,
           At(5, 10)},
          {"through an earlier game's point", Picture{5, 5, {". x X X X ."}}, At(5, 9), 6,
           kNothing},
          {"the computer's four is not the human's", Picture{5, 5, {". O O O O ."}}, At(5, 6), 6,
           kNothing},
      },
      4, HumanColour);
}

// --- Block a three: the human's threes -------------------------------------------------------

TEST(LineRulesBlockAThree, HumansThreeIsBlocked) {
  ExpectReplies(
      {
          {"L3.1, die high", Picture{5, 5, {". . X X X . ."}}, At(5, 7), 6, At(5, 10)},
          {"L3.1, die low", Picture{5, 5, {". . X X X . ."}}, At(5, 7), 1, At(5, 6)},
          {"L3.2, die high", Picture{5, 5, {". . X X X . ."}}, At(5, 9), 6, At(5, 6)},
          {"L3.2, die low", Picture{5, 5, {". . X X X . ."}}, At(5, 9), 1, At(5, 10)},
          {"L3.3", Picture{5, 5, {". . X X X . O"}}, At(5, 7), 1, At(5, 6)},
          {"L3.3, A+4s an earlier game's point", Picture{5, 5, {". . X X X . o"}}, At(5, 7), 1,
           kNothing},
          {"L3.4", Picture{5, 5, {"O . X X X . ."}}, At(5, 7), 1, At(5, 10)},
          {"L3.5", Picture{5, 5, {". . X X X . O"}}, At(5, 9), 1, At(5, 6)},
          {"L3.6", Picture{5, 5, {"O . X X X . ."}}, At(5, 9), 1, At(5, 10)},
          {"L3.7", Picture{5, 5, {". X X . X ."}}, At(5, 6), 1, At(5, 8)},
          {"L3.8", Picture{5, 5, {". X . X X ."}}, At(5, 9), 1, At(5, 7)},
          {"L3.9", Picture{5, 5, {". X X . X ."}}, At(5, 9), 1, At(5, 8)},
          {"L3.10", Picture{5, 5, {". X . X X ."}}, At(5, 6), 1, At(5, 7)},
          {"L3.11, die high", Picture{5, 5, {"O . X X X . O"}}, At(5, 7), 6, At(5, 10)},
          {"L3.11, die low", Picture{5, 5, {"O . X X X . O"}}, At(5, 7), 1, At(5, 6)},
          {"L3.11, A+3s closed", Picture{5, 5, {"O . X X X # O"}}, At(5, 7), 6, kNothing},
          {"L3.7, A+4s closed", Picture{5, 5, {". X X . X #"}}, At(5, 6), 1, kNothing},
      },
      3, HumanColour);
}

TEST(LineRulesBlockAThree, L31ExtendsTheComputersThreeButDoesNotBlockTheHumans) {
  // The far place past the three is column 30, never playable.
  struct Case {
    std::string name;
    Picture picture;
    int anchor;
    int colour;
    int expected;
  };
  const std::vector<Case> cases = {
      {"computer, A+4s off the shown area", Picture{5, 24, {". . O O O ."}}, At(5, 26),
       ComputerColour, At(5, 25)},
      {"human, A+4s off the shown area", Picture{5, 24, {". . X X X ."}}, At(5, 26), HumanColour,
       kNothing},
      {"computer, A-2s closed", Picture{5, 5, {"# . O O O . ."}}, At(5, 7), ComputerColour,
       At(5, 10)},
      {"human, A-2s closed", Picture{5, 5, {"# . X X X . ."}}, At(5, 7), HumanColour, kNothing},
  };
  for (const Case& c : cases) {
    TurnFixture f({6});
    f.SetUp(c.picture);
    Turn turn = f.MakeTurn(1);
    LineRules(turn, c.anchor, 3, c.colour);
    EXPECT_EQ(f.Placed(), c.expected) << c.name;
  }
}

// --- Extend: lines of two and single points --------------------------------------------------

TEST(LineRulesExtend, LinesOfTwo) {
  ExpectReplies(
      {
          {"L2.1", Picture{5, 5, {". O . O ."}}, At(5, 6), 1, At(5, 7)},
          {"L2.2, die high", Picture{5, 5, {". . O O . ."}}, At(5, 7), 6, At(5, 9)},
          {"L2.2, die low", Picture{5, 5, {". . O O . ."}}, At(5, 7), 1, At(5, 6)},
          {"L2.2, A-2s human", Picture{5, 5, {"X . O O . ."}}, At(5, 7), 1, At(5, 9)},
          {"L2.2, A+3s human", Picture{5, 5, {". . O O . X"}}, At(5, 7), 6, At(5, 6)},
          {"L2.2, both human", Picture{5, 5, {"X . O O . X"}}, At(5, 7), 1, At(5, 9)},
          {"L2.2, A-2s an earlier game's point", Picture{5, 5, {"x . O O . X"}}, At(5, 7), 1,
           At(5, 6)},
          {"L2.2, A-2s closed and empty", Picture{5, 5, {"# . O O . ."}}, At(5, 7), 6, kNothing},
          {"L2.2, A-2s human, A+s an earlier game's point", Picture{5, 5, {"X . O o . ."}},
           At(5, 7), 6, kNothing},
          {"L2.3 places nothing below level 4", Picture{5, 5, {". . O O . ."}}, At(5, 8), 6,
           kNothing},
      },
      2, ComputerColour);
}

TEST(LineRulesExtend, LinesOfTwoNeverLookAlongTheirOwnDirection) {
  // Read along the row, each end sees the pair itself (G2) unless the row is skipped.
  ExpectReplies(
      {
          {"L2.2 at level 4: the die decides", Picture{5, 5, {". . O O . ."}}, At(5, 7), 1,
           At(5, 6), 4},
          {"L2.3 at level 4: nothing across the ends", Picture{5, 5, {". . O O . ."}}, At(5, 8), 1,
           kNothing, 4},
          {"L2.3 at level 4: A+2s taken, no choice",
           Picture{5,
                   5,
                   {". . O O . X",  //
                    ". . . . X ."}},
           At(5, 8), 6, kNothing, 4},
          {"L2.3 at level 4: a human point below A+s",
           Picture{5,
                   5,
                   {". . O O . .",  //
                    ". . . . X ."}},
           At(5, 8), 6, At(5, 9), 4},
      },
      2, ComputerColour);
}

TEST(LineRulesExtend, SinglePoints) {
  ExpectReplies(
      {
          {"L1.1, die high", Picture{5, 5, {"O"}}, At(5, 5), 6, At(6, 5)},
          {"L1.1, die low", Picture{5, 5, {"O"}}, At(5, 5), 1, At(4, 5)},
          // At level 4 the point's own vertical line is seen: A+s gets O next to it (G4).
          {"L1.1 at level 4", Picture{5, 5, {"O"}}, At(5, 5), 1, At(6, 5), 4},
          {"L1.2", Picture{3, 5, {".", ".", "O", ".", "X"}}, At(5, 5), 6, At(4, 5)},
          {"L1.3", Picture{3, 5, {"X", ".", "O", ".", "."}}, At(5, 5), 1, At(6, 5)},
      },
      1, ComputerColour);
}

TEST(LineRulesExtend, OtherPointCountsPlaceNothingButStillThrowTheDie) {
  for (const int pointCount : {0, 5, -1}) {
    TurnFixture f({6});
    f.SetUp(Picture{5, 5, {". O O O O ."}});
    Turn turn = f.MakeTurn(4);
    LineRules(turn, At(5, 6), pointCount, ComputerColour);
    EXPECT_EQ(f.Placed(), kNothing);
    EXPECT_EQ(f.die.rolls, 1);
  }
}

TEST(LineRulesExtend, DieIsThrownOncePerCallAndItsPlacementFollowsCrossingChoice) {
  // Two human points down-left of A-s (G1) choose A-s; the die's high face would say A+3s.
  TurnFixture f({6});
  f.SetUp(Picture{5,
                  4,
                  {". . . O O O . .",  //
                   ". X . . . . . .",  //
                   "X . . . . . . ."}});
  Turn turn = f.MakeTurn(4);
  LineRules(turn, At(5, 7), 3, ComputerColour);
  EXPECT_EQ(f.Placed(), At(5, 6));
  EXPECT_EQ(f.asked, (std::vector<int>{At(5, 6), At(5, 10)}));  // the die's point is refused
  EXPECT_EQ(f.die.rolls, 1);
}

// --- Cascade order, through the whole game ---------------------------------------------------

struct CascadeCase {
  std::string name;
  Picture picture;
  int humanClick;
  int expected;
};

TEST(LineRulesCascade, FirstStepThatPlacesDecides) {
  const std::vector<CascadeCase> cases = {
      {"own four wins rather than blocking the human's four",
       Picture{4,
               3,
               {". O O O O .",  //
                ". . . . . .",  //
                ". . . . . .",  //
                ". . . . . .",  //
                ". X X X . ."}},
       At(8, 7), At(4, 3)},
      {"the human's four is blocked before the own three grows",
       Picture{4,
               3,
               {". . O O O . .",  //
                ". . . . . . .",  //
                ". . . . . . .",  //
                ". . . . . . .",  //
                ". X X X . . ."}},
       At(8, 7), At(8, 3)},
      {"the own three grows before the human's three is blocked",
       Picture{4,
               3,
               {". . O O O . .",  //
                ". . . . . . .",  //
                ". . . . . . .",  //
                ". . . . . . .",  //
                ". . X X . . ."}},
       At(8, 7), At(4, 4)},
  };
  for (const CascadeCase& c : cases) {
    testing::RecordingView view;
    testing::FixedDie die({6});
    Game game(view, die);
    testing::SetUp(game.EditSheet(), game.EditState(), c.picture);
    game.lblIntersection_Click(c.humanClick);
    const std::vector<std::string> points = view.Only("point");
    ASSERT_EQ(points.size(), 2u) << c.name;  // the human's, then the computer's
    EXPECT_EQ(points[1], "point " + std::to_string(c.expected) + " 255 grows") << c.name;
  }
}

TEST(LineRulesCascade, ComputersWinningPointEndsTheGame) {
  testing::RecordingView view;
  testing::FixedDie die({1});
  Game game(view, die);
  testing::SetUp(game.EditSheet(), game.EditState(),
                 Picture{4,
                         3,
                         {". O O O O .",  //
                          ". . . . . .",  //
                          ". X X X . ."}});
  game.lblIntersection_Click(At(6, 7));
  EXPECT_EQ(game.CurrentSheet().ColourAt(At(4, 8)), ComputerColour);
  EXPECT_TRUE(game.CurrentSheet().Closed(At(4, 8)));  // the won game's zone is closed
  EXPECT_FALSE(game.CurrentSheet().HasPoint(At(6, 3)));
  EXPECT_FALSE(game.CurrentSheet().HasPoint(At(6, 8)));
}

}  // namespace
}  // namespace quintara
