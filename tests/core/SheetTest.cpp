// The sheet as the game shows it: the shown area, the keyboard cross-hair, a finished game's zone
// and where the computer opens the next game.
#include <gtest/gtest.h>

#include <cmath>

#include "support/Fixtures.h"

namespace quintara::testing {
namespace {

class ShownArea : public GameFixture {
 protected:
  void Press(Key key, int times = 1) {
    for (int k = 0; k < times; ++k) game.txtPion_KeyDown(key);
  }
};

// Both sides of every edge of the rows by height and of the column bands by width. A width below
// the first band or between two bands keeps the columns the sheet had, from the narrowest band and
// from the widest; a size past the largest sheet is capped to it.
TEST_F(ShownArea, EveryEdgeOfTheTablesOfRowsAndColumns) {
  const Sheet& sheet = game.CurrentSheet();
  const auto shown = [&](int rows, int columns) {
    return std::tuple(sheet.RowMax(), sheet.ColMax(), sheet.Playable(At(rows, columns)),
                      sheet.Playable(At(rows + 1, 2)), sheet.Playable(At(2, columns + 1)));
  };
  const std::pair<int, int> rowsByHeight[] = {
      {6539, 21}, {6540, 15}, {6899, 15}, {6900, 16}, {7259, 16}, {7260, 17}, {7619, 17},
      {7620, 18}, {7979, 18}, {7980, 19}, {8339, 19}, {8340, 20}, {8699, 20}, {8700, 21}};
  for (const auto& [height, rows] : rowsByHeight) {
    game.Form_Resize(kLargestOuterWidth, height);
    EXPECT_EQ(shown(rows, 29), std::tuple(rows, 29, true, false, false)) << height;
  }
  const std::tuple<int, int, int> columnsByWidth[] = {
      {8730, 9075, 20},   {9085, 9435, 21},   {9445, 9795, 22},   {9805, 10155, 23},
      {10165, 10515, 24}, {10525, 10875, 25}, {10895, 11235, 26}, {11245, 11595, 27},
      {11605, 11945, 28}, {11955, 12120, 29}};
  for (const auto& [before, beforeWidth] : {std::pair(20, 8730), std::pair(29, 12120)}) {
    for (const auto& [from, to, columns] : columnsByWidth) {
      const int past = to == kLargestOuterWidth ? columns : before;
      for (const auto& [width, expected] : {std::pair(from - 1, before), std::pair(from, columns),
                                            std::pair(to, columns), std::pair(to + 1, past)}) {
        game.Form_Resize(beforeWidth, kLargestOuterHeight);
        game.Form_Resize(width, kLargestOuterHeight);
        EXPECT_EQ(shown(21, expected), std::tuple(21, expected, true, false, false))
            << width << " after " << before;
      }
    }
  }
  for (const auto& [width, height] : {std::pair(kLargestOuterWidth + 1, kDesignOuterHeight),
                                      std::pair(kDesignOuterWidth, kLargestOuterHeight + 1)}) {
    game.Form_Resize(kDesignOuterWidth, kDesignOuterHeight);
    game.Form_Resize(width, height);
    EXPECT_EQ(std::tuple(game.OuterWidth(), game.OuterHeight(), sheet.RowMax(), sheet.ColMax()),
              std::tuple(kLargestOuterWidth, kLargestOuterHeight, 21, 29));
  }
}

// The cross-hair starts at row 3, column 15, stops at the edges of the shown area and crosses
// finished games' zones; Enter plays where it stands, but not on a point, a closed zone or what
// the window no longer shows, nor does a click.
TEST_F(ShownArea, TheArrowsMoveTheCrossHairAndEnterPlaysWhereItStands) {
  Lay(Picture{3, 16, {"# x #"}});
  const std::tuple<Key, int, int, int> moves[] = {{static_cast<Key>(65), 1, 3, 15},
                                                  {Key::kRight, 2, 3, 17},
                                                  {Key::kEnter, 1, 3, 17},
                                                  {Key::kRight, 40, 3, 20},
                                                  {Key::kDown, 40, 15, 20},
                                                  {Key::kLeft, 40, 15, 2},
                                                  {Key::kUp, 40, 2, 2}};
  for (const auto& [key, presses, row, column] : moves) {
    Press(key, presses);
    EXPECT_EQ(game.CrossHairIndex(), At(row, column)) << static_cast<int>(key);
  }
  Press(Key::kEnter);
  EXPECT_EQ(game.CurrentSheet().ColourAt(At(2, 3)), ComputerColour);
  game.Form_Resize(kLargestOuterWidth, kLargestOuterHeight);
  Press(Key::kRight, 25);
  game.Form_Resize(9000, 6555);
  for (const Key key : {Key::kEnter, Key::kLeft, Key::kDown}) Press(key);
  EXPECT_EQ(game.CrossHairIndex(), At(3, 20));
  for (const int index : {At(2, 2), At(2, 3), 10, -1, 99999}) Click(index);
  EXPECT_EQ(view.Only("message"),
            std::vector<std::string>(7, "message ATTENTION !!!: Vous ne pouvez plus jouer ici"));
  EXPECT_EQ(Points(), 3);
}

// After a shrink, from anywhere the window stops showing (a finished game's zone too), every
// arrow brings the cross-hair to the nearest shown crossing.
TEST_F(ShownArea, EveryArrowBringsAStrandedCrossHairToTheNearestShownCrossing) {
  Lay(Picture{16, 18, {"# #", "# #"}});
  const Sheet& sheet = game.CurrentSheet();
  const auto distance = [](int a, int b) {
    return std::hypot(RowOf(a) - RowOf(b), ColumnOf(a) - ColumnOf(b));
  };
  for (const auto& [width, height] : {std::pair(9000, 6555), std::pair(10880, 7700)}) {
    for (int start = At(2, 2); start <= At(21, 29); ++start) {
      if (ColumnOf(start) < 2 || ColumnOf(start) > 29) continue;
      for (const Key key : {Key::kLeft, Key::kUp, Key::kRight, Key::kDown}) {
        game.Form_Resize(kLargestOuterWidth, kLargestOuterHeight);
        Press(Key::kUp, 20);
        Press(Key::kLeft, 30);
        Press(Key::kDown, RowOf(start) - 2);
        Press(Key::kRight, ColumnOf(start) - 2);
        game.Form_Resize(width, height);
        if (sheet.InShownArea(start)) continue;
        Press(key);
        double nearest = 99;
        for (int shown = At(2, 2); shown <= At(21, 29); ++shown)
          if (sheet.InShownArea(shown)) nearest = std::min(nearest, distance(start, shown));
        ASSERT_TRUE(sheet.InShownArea(game.CrossHairIndex())) << start << " " << int(key);
        ASSERT_EQ(distance(start, game.CrossHairIndex()), nearest) << start << " " << int(key);
      }
    }
  }
}

class TurnCycle : public GameFixture {
 protected:
  TurnCycle() { game.Form_Resize(kLargestOuterWidth, kLargestOuterHeight); }
  bool Closed(int row, int column) const { return game.CurrentSheet().Closed(At(row, column)); }
};

// A game's zone is its box, edges included; its points make no five with the next game's.
TEST_F(TurnCycle, TheHumansFiveClosesItsBoxAndCountsNoMore) {
  Lay(Picture{6, 6, {"X . . . .", ". X . . .", ". . X . .", ". . . X .", "O O . O ."}});
  Click(At(10, 10));
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
