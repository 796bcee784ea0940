#pragma once

#include "game/Game.h"

namespace quintara::testing {

// Steps of the turn cycle that some window tests still take on their own, to set up a state
// without playing it out. The core tests drive the game through its events only.
struct GameSteps {
  static void RecordGame(Game& game, bool red) {
    game.state_.WinColourNumber = red ? kColourNumberBrightRed : kColourNumberDarkGreen;
    game.RecordGameResult();
    game.ResetGameState();
  }
  static void OpenNewGame(Game& game) { game.OpenNewGame(); }
  static void NewSheet(Game& game) { game.NewSheet(); }
};

}  // namespace quintara::testing
