#pragma once

#include <gtest/gtest.h>

#include <algorithm>

#include "board/ShownArea.h"
#include "game/Game.h"
#include "support/AsciiBoard.h"
#include "support/RecordingView.h"

namespace quintara::testing {

// A whole game without a window: a recording view, a die that always shows 6.
class GameFixture : public ::testing::Test {
 protected:
  void Lay(const Picture& picture) { testing::Lay(game, picture); }
  int Points() const { return CountPoints(game.CurrentSheet()); }
  const Sheet& sheet() const { return game.CurrentSheet(); }

  // Plays one game out as the window would: the winner's four laid in the first free row (next
  // to the computer's opening point, if any, to keep the game's zone small), then the click that
  // makes five; against the computer a red game is the human's click that closes the computer's
  // four, which the computer then completes.
  void WinGame(bool red) {
    const int opening = game.State().ComputerMoves[1];
    const int top = std::max(opening != 0 ? RowOf(opening) - 3 : 2, 2);
    const int left = std::max(opening != 0 ? ColumnOf(opening) - 6 : 2, 2);
    const bool byTheComputer = red && !game.TwoPlayers();
    for (int row = top; row <= 21; ++row) {
      for (int column = left; column + 6 <= 29; ++column) {
        if (!FreeRow(row, column)) continue;
        if (game.TwoPlayers() && game.TurnColour() != (red ? ComputerColour : HumanColour)) {
          game.lblIntersection_Click(At(row, column + 6));  // the other player's move
        }
        Lay(Picture{row, column, {byTheComputer ? ". O O O O" : red ? "O O O O" : "X X X X"}});
        game.lblIntersection_Click(At(row, byTheComputer ? column : column + 4));
        return;
      }
    }
    FAIL() << "no free row\n" << Show(sheet(), 0, 0, 23, 31);
  }
  bool FreeRow(int row, int column) const {
    for (int k = 0; k <= 6; ++k) {
      for (const int r : {row - 1, row, row + 1}) {
        if (sheet().HasPoint(At(r, column + k))) return false;
      }
      if (!sheet().Playable(At(row, column + k))) return false;
    }
    return true;
  }
  void WinGames(bool red, int count) {
    for (int k = 0; k < count; ++k) WinGame(red);
  }

  RecordingView view;
  FixedDie die{{6}};
  Game game{view, die};
};

}  // namespace quintara::testing
