#pragma once

#include <optional>

#include "board/GameBox.h"
#include "board/MoveList.h"
#include "board/Sheet.h"
#include "opponent/Die.h"

namespace quintara {

// What the computer reads to choose its point: the running game as it stands before the turn.
struct Position {
  const Sheet& sheet;
  const MoveList& ComputerMoves;
  const MoveList& HumanMoves;
  const GameBox& box;
  int level;
  int HumanMoveNumber;
};

// One computer turn: the position, the die, and the point the rules have chosen. Nothing on the
// sheet changes until the turn is over; the game then places the point.
class Turn : public Position {
 public:
  Turn(const Position& position, DieSource& die) : Position(position), die_(die) {}

  int RollDie() { return die_.Roll(); }

  // A rule's point: taken unless the intersection holds a point, is not playable or the
  // computer has already chosen in this turn; a refusal is silent.
  void ChooseComputerPoint(int index) {
    if (sheet.HasPoint(index) || !sheet.Playable(index) || point_) return;
    point_ = index;
  }
  bool ComputerHasPlayed() const { return point_.has_value(); }
  std::optional<int> Point() const { return point_; }

 private:
  DieSource& die_;
  std::optional<int> point_;
};

}  // namespace quintara
