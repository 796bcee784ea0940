// What the window shows of the sheet: the area its size allows, the keyboard cross-hair that
// moves over it, and the words a screen reader says about it.
#include <gtest/gtest.h>

#include <cmath>

#include "game/SpokenWords.h"
#include "support/GameFixture.h"

namespace quintara {
namespace {

using testing::At;
using testing::Picture;

class ShownAreaOfTheGame : public testing::GameFixture {
 protected:
  void Press(Key key, int times = 1) {
    for (int k = 0; k < times; ++k) game.txtPion_KeyDown(key);
  }
};

// Both sides of every edge of the rows by height and of the bands of columns by width. A width
// below the first band or between two bands keeps the columns the sheet had, shown from the
// narrowest band and from the widest; a size past the largest sheet is capped to it.
TEST_F(ShownAreaOfTheGame, EveryEdgeOfTheTablesOfRowsAndColumns) {
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

// The cross-hair stops at the edges of the shown area, crosses finished games' zones, and plays
// where a point can go; what the window no longer shows it can neither reach nor play, and the
// first arrow there brings it back.
TEST_F(ShownAreaOfTheGame, TheCrossHairMovesOverTheShownAreaAndEnterPlaysWhereItStands) {
  Lay(Picture{3, 16, {"# x #"}});
  EXPECT_EQ(game.CrossHairIndex(), At(3, 15));
  const std::tuple<Key, int, int, int> moves[] = {
      {Key::kRight, 2, 3, 17},        {Key::kEnter, 1, 3, 17}, {Key::kRight, 40, 3, 20},
      {Key::kDown, 40, 15, 20},       {Key::kLeft, 40, 15, 2}, {Key::kUp, 40, 2, 2},
      {static_cast<Key>(65), 1, 2, 2}};
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
  // Clicks on points of either side and on indices off the sheet are refused too.
  for (const int index : {At(2, 2), At(2, 3), 10, -1, 99999}) game.lblIntersection_Click(index);
  EXPECT_EQ(view.Only("message"),
            std::vector<std::string>(7, "message ATTENTION !!!: Vous ne pouvez plus jouer ici"));
  EXPECT_EQ(Points(), 3);
}

// After any shrink, from anywhere the window stops showing, every arrow brings the cross-hair
// to the shown crossing nearest to it, from a finished game's zone too.
TEST_F(ShownAreaOfTheGame, EveryArrowBringsAStrandedCrossHairToTheNearestShownCrossing) {
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
        for (const auto& [to, presses] :
             {std::pair(Key::kUp, 20), std::pair(Key::kLeft, 30),
              std::pair(Key::kDown, RowOf(start) - 2), std::pair(Key::kRight, ColumnOf(start) - 2)})
          Press(to, presses);
        game.Form_Resize(width, height);
        if (sheet.InShownArea(start)) continue;
        Press(key);
        double nearest = 99;
        for (int shown = At(2, 2); shown <= At(21, 29); ++shown)
          if (sheet.InShownArea(shown)) nearest = std::min(nearest, distance(start, shown));
        ASSERT_TRUE(sheet.InShownArea(game.CrossHairIndex()))
            << start << " " << static_cast<int>(key);
        ASSERT_EQ(distance(start, game.CrossHairIndex()), nearest)
            << start << " " << static_cast<int>(key);
      }
    }
  }
}

// Rows and columns as the player counts them, from the first shown crossing; a point says more
// than the zone it lies in, and what the window hides is told apart from what is empty.
TEST_F(ShownAreaOfTheGame, TheSpokenWordsSayThePositionAndWhatLiesThere) {
  Lay(Picture{8, 9, {"X O x #"}});
  Lay(Picture{20, 2, {"#"}});
  std::vector<std::string> words;
  for (const int i : {At(2, 2), At(16, 20), At(8, 9), At(8, 10), At(8, 11), At(8, 12), At(20, 2)}) {
    words.push_back(spoken::IntersectionWords(game.CurrentSheet(), i));
  }
  EXPECT_EQ(words, (std::vector<std::string>{
                       "Ligne 1, colonne 1, vide", "Ligne 15, colonne 19, zone non jouable",
                       "Ligne 7, colonne 8, point vert", "Ligne 7, colonne 9, point rouge",
                       "Ligne 7, colonne 10, point vert, zone fermée",
                       "Ligne 7, colonne 11, zone fermée", "Ligne 19, colonne 1, zone fermée"}));
  EXPECT_EQ(spoken::ComputerPointWords(At(8, 9)), "Ordinateur : ligne 7, colonne 8");
}

}  // namespace
}  // namespace quintara
