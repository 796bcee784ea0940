#pragma once

#include <gtest/gtest.h>

#include <algorithm>

#include "board/ShownArea.h"
#include "game/Game.h"
#include "support/AsciiBoard.h"
#include "support/RecordingView.h"

namespace quintara::testing {

// A recording view that writes down the score board the window would show at each change.
struct BoardView : RecordingView {
  const Game* game = nullptr;
  void ScoresChanged() override {
    const ScoreBoard& b = game->MatchScores();
    events.push_back("scores " + std::to_string(b.HumanGames) + "-" +
                     std::to_string(b.ComputerGames) + " sets " + std::to_string(b.HumanSets) +
                     "-" + std::to_string(b.ComputerSets) + (b.SetsShown ? " shown" : ""));
  }
};

// A whole game without a window: a recording view, a die that always shows 6.
class GameFixture : public ::testing::Test {
 protected:
  GameFixture() { view.game = &game; }
  void Lay(const Picture& picture) { testing::Lay(game, picture); }
  void Click(int index) { game.lblIntersection_Click(index); }
  int Points() const { return CountPoints(game.CurrentSheet()); }

  // Where a game of seven columns fits with free rows above and below, searched from near the
  // computer's opening point to keep the zone small; 0 when the sheet has no such place.
  int FreeRow() const {
    const Sheet& sheet = game.CurrentSheet();
    const int opening = game.State().ComputerMoves[1];
    for (int row = std::max(opening != 0 ? RowOf(opening) - 3 : 2, 2); row <= 21; ++row) {
      for (int column = std::max(opening != 0 ? ColumnOf(opening) - 6 : 2, 2); column <= 23;
           ++column) {
        bool free = true;
        for (int k = 0; k <= 6; ++k) {
          free = free && sheet.Playable(At(row, column + k));
          for (const int r : {row - 1, row, row + 1})
            free = free && !sheet.HasPoint(At(r, column + k));
        }
        if (free) return At(row, column);
      }
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
  void WinGames(bool red, int count) {
    for (int k = 0; k < count && !HasFatalFailure(); ++k) WinGame(red);
  }

  BoardView view;
  FixedDie die{{6}};
  Game game{view, die};
};

}  // namespace quintara::testing
