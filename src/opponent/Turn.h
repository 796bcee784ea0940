#pragma once

#include "board/GameBox.h"
#include "board/MoveList.h"
#include "board/Sheet.h"
#include "opponent/Die.h"

namespace quintara {

// The one way the computer's rules act on the game.
class PointPlacer {
 public:
  virtual ~PointPlacer() = default;
  // Places the computer's point unless the intersection holds a point, is not playable or the
  // computer has already played in this turn; a refusal is silent.
  virtual void PlaceComputerPoint(int index) = 0;
};

// What one computer turn reads of the game. The lists are read live: a point that ends a
// match may empty them while a rule is still looping over them.
struct Turn {
  const Sheet& sheet;
  const MoveList& ComputerMoves;
  const MoveList& HumanMoves;
  const GameBox& box;
  int level;
  int HumanMoveNumber;
  DieSource& die;
  PointPlacer& placer;
  // Read after every rule: the placer's own flag, read directly rather than asked for.
  const bool& computerHasPlayed;

  bool ComputerHasPlayed() const { return computerHasPlayed; }
  void PlaceComputerPoint(int index) { placer.PlaceComputerPoint(index); }
};

}  // namespace quintara
