#pragma once

#include "board/GameBox.h"
#include "board/Geometry.h"
#include "board/MoveList.h"

namespace quintara {

// The state of the running game; `ResetGameState` puts it back to its set-up values.
struct GameState {
  MoveList ComputerMoves;
  MoveList HumanMoves;  // games against the computer only
  int ComputerMoveCount = 0;
  bool ComputerHasPlayed = false;  // the computer has placed its point in this turn
  bool GameOver = false;
  GameBox Box;
  // The colour number of the side whose point was tested last.
  ColourNumber WinColourNumber = ColourNumber::kBlack;

  // No computer point since the game's set-up.
  bool ComputerNotYetPlayed() const { return ComputerMoveCount == 0; }
};

}  // namespace quintara
