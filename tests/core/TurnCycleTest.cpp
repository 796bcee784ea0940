#include <gtest/gtest.h>

#include "support/GameFixture.h"

namespace quintara {
namespace {

using testing::At;
using testing::Picture;

const std::string kTurn1 = "Joueur 1 A vous de jouer     ";
const std::string kTurn2 = "Ordinateur A vous de jouer     ";

class TurnCycle : public testing::GameFixture {
 protected:
  TurnCycle() { game.Form_Resize(kLargestOuterWidth, kLargestOuterHeight); }
  bool Closed(int row, int column) const { return game.CurrentSheet().Closed(At(row, column)); }
};

TEST_F(TurnCycle, AClickAndTheComputersAnswerAsTheWindowIsTold) {
  EXPECT_EQ(game.StatusText(), kTurn1);
  Click(At(8, 8));
  // With nothing else on the sheet the neighbour fallback answers at the right.
  EXPECT_EQ(view.events,
            (std::vector<std::string>{"point 688 65280", "turn 255 " + kTurn2, "sound play",
                                      "point 689 255 grows", "say Ordinateur : ligne 7, colonne 8",
                                      "sound stop", "turn 65280 " + kTurn1}));
  game.SetSoundOn(false);
  view.events.clear();
  Click(At(12, 12));
  EXPECT_EQ(view.Only("sound"), (std::vector<std::string>{"sound stop"}));
}

TEST_F(TurnCycle, TheHumansFiveIsDrawnAndClosedAndTheComputerOpensTheNextGameInAFreeArea) {
  Lay(Picture{6, 6, {"X . . . .", ". X . . .", ". . X . .", ". . . X .", "O O . O ."}});
  Click(At(10, 10));
  ASSERT_EQ(game.Drawings().size(), 2u);
  EXPECT_EQ(view.Only("drawn").size(), 2u);
  const SheetDrawing& line = game.Drawings()[0];
  const SheetDrawing& frame = game.Drawings()[1];
  // The line joins points 20 twips above and left of the crossings of (6, 6) and (10, 10); the
  // frame runs 110 before the zone's first crossings and 140 past its last.
  // Black is QuickBASIC colour 0, dark green 2.
  const auto numbers = [](const SheetDrawing& d) {
    return std::vector({d.x1, d.y1, d.x2, d.y2, static_cast<int>(d.colourNumber), d.width});
  };
  EXPECT_EQ(numbers(line), std::vector({2140, 2140, 3580, 3580, 0, 2}));
  EXPECT_EQ(numbers(frame), std::vector({2050, 2050, 3740, 3740, 2, 2}));
  EXPECT_TRUE(Closed(6, 6) && Closed(10, 10) && !Closed(5, 6) && !Closed(6, 5));
  EXPECT_FALSE(Closed(11, 10) || Closed(10, 11));
  // The first free 12 x 12 square has its corner at (2, 11): the opening is 5 down and 5 right,
  // and starts the next game's zone.
  EXPECT_EQ(game.State().ComputerMoves[1], At(7, 16));
  EXPECT_EQ(view.Only("say"),
            (std::vector<std::string>{"say Partie gagnée par \u2068Joueur 1\u2069. Parties : 1 à 0",
                                      "say Ordinateur : ligne 6, colonne 15"}));
  EXPECT_EQ(game.State().Box.BoxTopIndex, At(7, 16));
  EXPECT_FALSE(game.State().HumanMoves.Filled(1) || game.State().GameOver);
}

// The search for a new game's square goes on from row 3 and reaches its last corner, row 10
// column 18; once finished games cover every square, the computer starts a new sheet with its
// point at 652.
TEST_F(TurnCycle, TheComputerOpensWhereTheSearchFindsASquareOrElseOnANewSheet) {
  // Earlier points leave two squares free, from (3, 6) and from (10, 18).
  for (const auto& [row, column] :
       {std::pair(2, 10), {9, 5}, {9, 18}, {9, 29}, {15, 17}, {21, 5}}) {
    Lay(Picture{row, column, {"x"}});
  }
  Lay(Picture{21, 6, {"X X X X"}});
  Click(At(21, 10));
  EXPECT_EQ(game.State().ComputerMoves[1], At(8, 11));
  EXPECT_EQ(game.State().ComputerMoveCount, 1);
  Lay(Picture{5, 2, {"X X X X"}});
  Click(At(5, 6));
  EXPECT_EQ(game.State().ComputerMoves[1], At(15, 23));
  Lay(Picture{3, 2, {"X X X X"}});
  Click(At(3, 6));
  EXPECT_EQ(view.Only("message"),
            (std::vector<std::string>{
                "message Quintara: Ordinateur constate que l'espace de jeu est devenu trop petit. "
                "Il va donc changer de feuille"}));
  EXPECT_EQ(view.Only("cleared").size(), 1u);
  const std::string won = "say Partie gagnée par \u2068Joueur 1\u2069. Parties : ";
  EXPECT_EQ(view.Only("say"),
            (std::vector<std::string>{won + "1 à 0", "say Ordinateur : ligne 7, colonne 10",
                                      won + "2 à 0", "say Ordinateur : ligne 14, colonne 22",
                                      won + "3 à 0", "say Nouvelle feuille",
                                      "say Ordinateur : ligne 6, colonne 6"}));
  EXPECT_EQ(Points(), 1);
  EXPECT_EQ(game.CurrentSheet().ColourAt(652), ComputerColour);
  EXPECT_TRUE(game.Drawings().empty() && !Closed(2, 2) && !Closed(10, 10));
  EXPECT_EQ(game.TurnColour(), HumanColour);
}

// A window short of the largest sheet in either way grows to it once the first row has no free
// square, before the search goes on.
TEST_F(TurnCycle, TheSearchPastTheFirstRowMaximisesAWindowNotYetLargest) {
  game.Form_Resize(kLargestOuterWidth, 6540);
  Lay(Picture{2, 13, {"x"}});
  Lay(Picture{2, 25, {"x"}});
  Lay(Picture{15, 2, {"X X X X"}});
  Click(At(15, 6));
  EXPECT_EQ(view.Only("maximise").size(), 1u);
  EXPECT_EQ(game.OuterHeight(), kLargestOuterHeight);
  EXPECT_EQ(game.State().ComputerMoves[1], At(8, 7));
}

// Points of a finished game at both ends of four of the running game make no five.
TEST_F(TurnCycle, AFinishedGamesPointsNeverCountIntoANewFive) {
  Lay(Picture{10, 4, {"x X X . X x"}});
  Click(At(10, 7));
  EXPECT_TRUE(game.Drawings().empty());
  EXPECT_EQ(game.MatchScores().HumanGames, 0);
}

// At level 4 the crossing choice places at (5, 6) and the die then asks for (5, 10).
TEST_F(TurnCycle, OnlyTheFirstComputerPointOfATurnIsPlaced) {
  die = testing::FixedDie({1});
  game.SetLevel(4);
  Lay(Picture{5, 4, {". . . O O O . .", ". X . . . . . .", "X . . . . . . ."}});
  Click(At(18, 25));
  EXPECT_EQ(game.CurrentSheet().ColourAt(At(5, 6)), ComputerColour);
  EXPECT_EQ(Points(), 7);
  EXPECT_EQ(game.State().ComputerMoveCount, 4);
}

// Against the computer with red to move, as after a game between two players, a click only lets
// the computer move; with no point of a fresh game to play from, it places none.
TEST_F(TurnCycle, WithRedToMoveAClickOnlyLetsTheComputerMove) {
  game.SetTwoPlayers(true);
  Click(At(5, 5));
  EXPECT_EQ(view.Only("say"), std::vector<std::string>{"say Ordinateur A vous de jouer"});
  game.SetTwoPlayers(false);
  Click(At(12, 12));
  EXPECT_EQ(Points(), 1);
  EXPECT_EQ(game.TurnColour(), HumanColour);
}

}  // namespace
}  // namespace quintara
