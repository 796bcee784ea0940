#pragma once

#include <gtest/gtest.h>

#include "board/ShownArea.h"
#include "game/Game.h"
#include "support/AsciiBoard.h"
#include "support/RecordingView.h"

namespace quintara::testing {

// A whole game without a window: a recording view, a die that always shows 6.
class GameFixture : public ::testing::Test {
 protected:
  void Lay(const Picture& picture) { testing::Lay(game, picture); }
  void Click(int index) { game.lblIntersection_Click(index); }
  int Points() const { return CountPoints(game.CurrentSheet()); }

  // Where a game of seven columns fits with no point in the rows above and below; 0 if nowhere.
  int FreeRow() const {
    for (int index = At(2, 2); index <= At(21, 23); ++index) {
      bool free = ColumnOf(index) >= 2 && ColumnOf(index) <= 23;
      for (int k = 0; k <= 6; ++k) {
        free = free && game.CurrentSheet().Playable(index + k);
        for (const int row : {-1, 0, 1})
          free = free && !game.CurrentSheet().HasPoint(index + k + row * kColumns);
      }
      if (free) return index;
    }
    return 0;
  }

  // Plays one game out as the window would: the winner's four laid, then the click that makes
  // five; against the computer a red game is the human's click that closes the computer's four,
  // which the computer then completes.
  void WinGame(bool red) {
    const int at = FreeRow();
    ASSERT_NE(at, 0) << "no free row\n" << Show(game.CurrentSheet(), 0, 0, 23, 31);
    const bool byTheComputer = red && !game.TwoPlayers();
    if (game.TwoPlayers() && game.TurnColour() != (red ? ComputerColour : HumanColour)) {
      Click(at + 6);  // the other player's move
    }
    Lay(Picture{RowOf(at),
                ColumnOf(at),
                {byTheComputer ? ". O O O O"
                 : red         ? "O O O O"
                               : "X X X X"}});
    Click(byTheComputer ? at : at + 4);
  }

  RecordingView view;
  FixedDie die{{6}};
  Game game{view, die};
};

}  // namespace quintara::testing
