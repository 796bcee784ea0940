// A game's end on the sheet: the five drawn and framed, its zone closed, and where the computer
// opens the next one.
#include <gtest/gtest.h>

#include "support/Fixtures.h"

namespace quintara::testing {
namespace {

class TurnCycle : public GameFixture {
 protected:
  TurnCycle() { game.Form_Resize(kLargestOuterWidth, kLargestOuterHeight); }
  bool Closed(int row, int column) const { return game.CurrentSheet().Closed(At(row, column)); }
};

// The line joins points 20 twips above and left of the crossings of (6, 6) and (10, 10) in
// QuickBASIC black (0); the frame, dark green (2), runs 110 before the zone's first crossings and
// 140 past its last; the zone is the game's box, edges included. Points of a finished game make
// no five with the next game's.
TEST_F(TurnCycle, TheHumansFiveIsDrawnFramedAndClosed) {
  Lay(Picture{6, 6, {"X . . . .", ". X . . .", ". . X . .", ". . . X .", "O O . O ."}});
  Click(At(10, 10));
  const auto numbers = [](const SheetDrawing& d) {
    return std::vector({d.x1, d.y1, d.x2, d.y2, static_cast<int>(d.colourNumber), d.width});
  };
  ASSERT_EQ(game.Drawings().size(), 2u);
  EXPECT_EQ(numbers(game.Drawings()[0]), std::vector({2140, 2140, 3580, 3580, 0, 2}));
  EXPECT_EQ(numbers(game.Drawings()[1]), std::vector({2050, 2050, 3740, 3740, 2, 2}));
  EXPECT_TRUE(Closed(6, 6) && Closed(10, 10) && Closed(10, 6) && Closed(6, 10));
  EXPECT_FALSE(Closed(5, 6) || Closed(6, 5) || Closed(11, 10) || Closed(10, 11));
  Lay(Picture{12, 4, {"x X X . X x"}});
  Click(At(12, 7));
  EXPECT_EQ(game.Drawings().size(), 2u);
}

// The search for a free 12 x 12 square goes on from row 3 and reaches its last corner, row 10,
// column 18; the computer opens 5 down and 5 right of its corner. Once finished games cover every
// square it starts a new sheet with its point at row 7, column 7.
TEST_F(TurnCycle, TheComputerOpensWhereTheSearchFindsASquareOrElseOnANewSheet) {
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
  EXPECT_EQ(Points(), 1);
  EXPECT_EQ(game.CurrentSheet().ColourAt(At(7, 7)), ComputerColour);
  EXPECT_TRUE(game.Drawings().empty() && !Closed(2, 2) && !Closed(10, 10));
  EXPECT_EQ(game.TurnColour(), HumanColour);
}

// A window short of the largest sheet either way grows to it once the first row has no free
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

}  // namespace
}  // namespace quintara::testing
