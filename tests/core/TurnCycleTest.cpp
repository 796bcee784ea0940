#include <gtest/gtest.h>

#include "board/ShownArea.h"
#include "game/Game.h"
#include "game/Texts.h"
#include "support/GameFixture.h"

namespace quintara {
namespace {

using testing::At;
using testing::Picture;

const std::string kTurn1 = std::string("Joueur 1") + " A vous de jouer     ";
const std::string kTurn2 = std::string("Ordinateur") + " A vous de jouer     ";
const std::string kRefusal = "message ATTENTION !!!: Vous ne pouvez plus jouer ici";
const std::string kSheetTooSmall =
    "message Quintara: Ordinateur constate que l'espace de jeu est devenu trop petit. Il va donc "
    "changer de feuille";

class TurnCycle : public testing::GameFixture {
 protected:
  TurnCycle() { game.Form_Resize(kLargestOuterWidth, kLargestOuterHeight); }
};

TEST_F(TurnCycle, StartsWithTheHumanToMove) {
  EXPECT_EQ(game.TurnColour(), HumanColour);
  EXPECT_EQ(game.StatusText(), kTurn1);
  EXPECT_FALSE(game.State().ComputerHasPlayed);
  EXPECT_TRUE(game.State().ComputerNotYetPlayed);
}

TEST_F(TurnCycle, AClickPlacesAGreenPointAndTheComputerAnswersWithAGrowingRedPoint) {
  game.lblIntersection_Click(At(8, 8));
  EXPECT_EQ(game.CurrentSheet().ColourAt(At(8, 8)), HumanColour);
  EXPECT_EQ(game.State().HumanMoves[1], At(8, 8));
  // With nothing else on the sheet the neighbour fallback answers at the right.
  EXPECT_EQ(game.CurrentSheet().ColourAt(At(8, 9)), ComputerColour);
  EXPECT_EQ(game.State().ComputerMoves[1], At(8, 9));
  EXPECT_EQ(view.Only("point"),
            (std::vector<std::string>{"point " + std::to_string(At(8, 8)) + " 65280",
                                      "point " + std::to_string(At(8, 9)) + " 255 grows"}));
  EXPECT_EQ(view.Only("turn"),
            (std::vector<std::string>{"turn 255 " + kTurn2, "turn 65280 " + kTurn1}));
  EXPECT_FALSE(game.State().ComputerHasPlayed);
  EXPECT_FALSE(game.State().ComputerNotYetPlayed);
}

TEST_F(TurnCycle, TheChimeStartsAndStopsOnlyForComputerPointsWhileSoundIsOn) {
  game.lblIntersection_Click(At(8, 8));
  EXPECT_EQ(view.Only("sound"), (std::vector<std::string>{"sound play", "sound stop"}));
  view.events.clear();
  game.SetSoundOn(false);
  game.lblIntersection_Click(At(12, 12));
  // Stop is sent whether or not a chime was started.
  EXPECT_EQ(view.Only("sound"), (std::vector<std::string>{"sound stop"}));
}

struct RefusedCase {
  const char* name;
  Picture picture;
  int index;
};
void PrintTo(const RefusedCase& c, std::ostream* os) {
  *os << c.name;
}

class RefusedClick : public TurnCycle, public ::testing::WithParamInterface<RefusedCase> {};

TEST_P(RefusedClick, ShowsTheWarningAndChangesNothing) {
  Lay(GetParam().picture);
  game.Form_Resize(9000, 6555);  // rows to 15, columns to 20
  const int before = Points();
  game.lblIntersection_Click(GetParam().index);
  EXPECT_EQ(view.events, (std::vector<std::string>{kRefusal}));
  EXPECT_EQ(Points(), before);
  EXPECT_EQ(game.TurnColour(), HumanColour);
}

INSTANTIATE_TEST_SUITE_P(
    Refusals, RefusedClick,
    ::testing::Values(RefusedCase{"own_point", {5, 5, {"X O"}}, At(5, 5)},
                      RefusedCase{"computer_point", {5, 5, {"X O"}}, At(5, 6)},
                      RefusedCase{"earlier_game_point", {5, 5, {"x"}}, At(5, 5)},
                      RefusedCase{"closed_empty", {5, 5, {"#"}}, At(5, 5)},
                      RefusedCase{"outside_the_shown_area", {5, 5, {"."}}, At(17, 5)},
                      RefusedCase{"guard_band", {5, 5, {"."}}, 10},
                      RefusedCase{"off_the_records", {5, 5, {"."}}, 99999}));

TEST_F(TurnCycle, TheHumansFiveEndsTheGameAndTheComputerOpensTheNextInAFreeArea) {
  Lay(Picture{15, 20, {"X X X X . O", "O O O . . ."}});
  game.lblIntersection_Click(At(15, 24));
  // Framed and closed: the box of the game runs over rows 15..16, columns 20..25.
  EXPECT_EQ(game.Drawings().size(), 2u);
  EXPECT_EQ(game.Drawings()[1].colourNumber, kColourNumberDarkGreen);
  EXPECT_TRUE(game.CurrentSheet().Closed(At(16, 25)));
  EXPECT_TRUE(game.CurrentSheet().Closed(At(15, 20)));
  EXPECT_FALSE(game.CurrentSheet().Closed(At(17, 20)));
  // The computer opened the next game 5 rows down and 5 columns right of the first free square.
  EXPECT_EQ(game.State().ComputerMoves[1], 652);
  EXPECT_EQ(game.State().ComputerMoveCount, 1);
  EXPECT_FALSE(game.State().HumanMoves.Filled(1));
  EXPECT_EQ(game.State().Box.BoxTopIndex, 652);
  EXPECT_EQ(game.TurnColour(), HumanColour);
  EXPECT_FALSE(game.State().GameOver);
  EXPECT_FALSE(game.State().ComputerHasPlayed);
}

TEST_F(TurnCycle, TheComputersFiveEndsTheGameAndTheHumanOpensTheNext) {
  // The computer's four, closed by the human at the left, is completed at (10, 9).
  Lay(Picture{10, 4, {"X O O O O . . X"}});
  game.lblIntersection_Click(At(10, 10));
  EXPECT_EQ(game.CurrentSheet().ColourAt(At(10, 9)), ComputerColour);
  ASSERT_EQ(game.Drawings().size(), 2u);
  EXPECT_EQ(game.Drawings()[1].colourNumber, kColourNumberBrightRed);
  EXPECT_TRUE(game.CurrentSheet().Closed(At(10, 11)));
  EXPECT_EQ(game.TurnColour(), HumanColour);
  EXPECT_EQ(game.StatusText(), kTurn1);
  EXPECT_FALSE(game.State().GameOver);
  EXPECT_FALSE(game.State().ComputerMoves.Filled(1));
  EXPECT_TRUE(game.State().ComputerNotYetPlayed);

  game.lblIntersection_Click(At(18, 18));
  EXPECT_EQ(game.State().HumanMoves[1], At(18, 18));
}

TEST_F(TurnCycle, TheWinningLineAndFrameStandWhereTheGameWasPlayed) {
  Lay(Picture{6, 6, {"X . . . .", ". X . . .", ". . X . .", ". . . X .", "O O . O ."}});
  game.lblIntersection_Click(At(10, 10));
  ASSERT_EQ(game.Drawings().size(), 2u);
  const SheetDrawing& line = game.Drawings()[0];
  EXPECT_EQ(line.kind, SheetDrawing::Kind::kWinningLine);
  // From 20 twips left of and above the crossing of (6, 6) to that of (10, 10).
  EXPECT_EQ(line.x1, 360 * 6 - 20);
  EXPECT_EQ(line.y1, 360 * 6 - 20);
  EXPECT_EQ(line.x2, 360 * 10 - 20);
  EXPECT_EQ(line.y2, 360 * 10 - 20);
  EXPECT_EQ(line.colourNumber, kColourNumberBlack);
  const SheetDrawing& frame = game.Drawings()[1];
  EXPECT_EQ(frame.kind, SheetDrawing::Kind::kFrame);
  // 110 before the first and 140 past the last crossing of the box.
  EXPECT_EQ(frame.x1, 360 * 6 - 110);
  EXPECT_EQ(frame.y1, 360 * 6 - 110);
  EXPECT_EQ(frame.x2, 360 * 10 + 140);
  EXPECT_EQ(frame.y2, 360 * 10 + 140);
  EXPECT_EQ(frame.width, 2);
  for (int row = 6; row <= 10; ++row) {
    for (int column = 6; column <= 10; ++column) {
      EXPECT_TRUE(game.CurrentSheet().Closed(At(row, column))) << row << "," << column;
    }
  }
  EXPECT_FALSE(game.CurrentSheet().Closed(At(5, 6)));
  EXPECT_FALSE(game.CurrentSheet().Closed(At(6, 11)));
}

TEST_F(TurnCycle, APointThatCompletesTwoFivesEndsTheGameOnce) {
  Lay(Picture{
      6,
      6,
      {"X X X X .", ". . . . X", ". . . . X", ". . . . X", ". . . . X", "O O O O . O O O O"}});
  game.lblIntersection_Click(At(6, 10));
  EXPECT_EQ(game.Drawings().size(), 2u);
}

TEST_F(TurnCycle, PastTheFirstRowTheWindowIsMaximisedBeforeTheSearchGoesOn) {
  game.Form_Resize(9000, 6555);
  // A closed zone across row 2 leaves no free square with its corner there.
  Lay(Picture{2, 2, {"# # # # # # # # # # # # # # # # # # #"}});
  Lay(Picture{15, 16, {"X X X X ."}});
  game.lblIntersection_Click(At(15, 20));
  EXPECT_EQ(view.Only("maximise").size(), 1u);
  EXPECT_EQ(game.OuterWidth(), kLargestOuterWidth);
  EXPECT_EQ(game.CurrentSheet().ColMax(), 29);
  EXPECT_EQ(game.CurrentSheet().ColourAt(At(3, 2) + 180), ComputerColour);
}

TEST_F(TurnCycle, WithNoFreeSquareTheComputerStartsANewSheetAt652) {
  // An earlier point in every sixth row and column leaves no free 12 x 12 square.
  for (int row = 2; row <= 21; row += 6) {
    for (int column = 2; column <= 29; column += 6)
      game.LayPoint(At(row, column), HumanColour, true);
  }
  Lay(Picture{10, 10, {"X X X X ."}});
  game.lblIntersection_Click(At(10, 14));
  EXPECT_EQ(view.Only("message"), (std::vector<std::string>{kSheetTooSmall}));
  EXPECT_EQ(view.Only("cleared").size(), 1u);
  for (int index = 0; index <= kLastPointRecord; ++index) {
    ASSERT_EQ(game.CurrentSheet().HasPoint(index), index == 652) << index;
    ASSERT_FALSE(game.CurrentSheet().Closed(index));
  }
  EXPECT_EQ(game.State().ComputerMoves[1], 652);
  EXPECT_EQ(game.TurnColour(), HumanColour);
}

// At level 4 the crossing choice places at (5, 6) and the die then asks for (5, 10).
TEST_F(TurnCycle, OnlyTheFirstComputerPointOfATurnIsPlaced) {
  die = testing::FixedDie({1});
  game.SetLevel(4);
  Lay(Picture{5, 4, {". . . O O O . .", ". X . . . . . .", "X . . . . . . ."}});
  game.lblIntersection_Click(At(18, 25));
  EXPECT_EQ(game.CurrentSheet().ColourAt(At(5, 6)), ComputerColour);
  EXPECT_EQ(Points(), 7);
  EXPECT_EQ(game.State().ComputerMoveCount, 4);
}

// Every neighbour of the human's point is taken; left of the game's box is closed.
TEST_F(TurnCycle, TheComputerNeverPlacesOnAClosedIntersection) {
  Lay(Picture{9, 7, {"# X . . . X #", ". . o o o . .", ". . o . o . .", ". . o o o . ."}});
  game.lblIntersection_Click(At(11, 10));
  EXPECT_EQ(Points(), 11);
  EXPECT_TRUE(game.State().ComputerNotYetPlayed);
  EXPECT_EQ(view.Only("point").size(), 1u);
}

class TwoPlayers : public TurnCycle {
 protected:
  TwoPlayers() { game.SetTwoPlayers(true); }
};

TEST_F(TwoPlayers, ColoursAlternateAndTheStatusLineNamesThePlayerToMove) {
  const std::vector<int> clicks = {At(5, 5), At(5, 6), At(6, 5), At(9, 9), At(7, 5)};
  for (std::size_t k = 0; k < clicks.size(); ++k) {
    game.lblIntersection_Click(clicks[k]);
    EXPECT_EQ(game.CurrentSheet().ColourAt(clicks[k]), k % 2 == 0 ? HumanColour : ComputerColour);
    EXPECT_EQ(game.StatusText(), k % 2 == 0 ? kTurn2 : kTurn1);
  }
  EXPECT_FALSE(game.State().HumanMoves.Filled(1));
  EXPECT_EQ(view.Only("sound").size(), 0u);
  for (const std::string& point : view.Only("point")) {
    EXPECT_EQ(point.find("grows"), std::string::npos) << point;
  }
}

// Both players' clicks widen the game's zone: the frame closes every point of the game.
TEST_F(TwoPlayers, EveryClickedPointOfAWonGameEndsInsideItsClosedZone) {
  for (int column = 5; column <= 8; ++column) {
    game.lblIntersection_Click(At(5, column));      // green
    game.lblIntersection_Click(At(9, column + 7));  // red, far to the right and below
  }
  game.lblIntersection_Click(At(5, 9));  // green's five
  ASSERT_EQ(game.Drawings().size(), 2u);
  for (const int corner : {At(5, 5), At(5, 15), At(9, 5), At(9, 15)}) {
    EXPECT_TRUE(game.CurrentSheet().Closed(corner)) << RowOf(corner) << "," << ColumnOf(corner);
  }
}

TEST_F(TwoPlayers, AWonGameLeavesAFreshGameAndThePlayersGoOnAlternating) {
  Lay(Picture{5, 5, {"O O O O .", "X X X X ."}});
  game.lblIntersection_Click(At(6, 9));  // green completes five
  EXPECT_EQ(game.Drawings().size(), 2u);
  EXPECT_FALSE(game.State().GameOver);
  EXPECT_EQ(game.State().Box.BoxTopIndex, 9000);
  EXPECT_EQ(game.TurnColour(), ComputerColour);

  // Switching to the computer with red to move: the click only lets the computer move, and it
  // has no point of the fresh game to play from.
  game.SetTwoPlayers(false);
  game.lblIntersection_Click(At(12, 12));
  EXPECT_EQ(view.Only("point").size(), 1u);
  EXPECT_EQ(game.CurrentSheet().ColourAt(At(12, 12)), kNoPoint);
  EXPECT_EQ(game.TurnColour(), HumanColour);
}

}  // namespace
}  // namespace quintara
