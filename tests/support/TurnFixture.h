#pragma once

#include <gtest/gtest.h>

#include <vector>

#include "board/ShownArea.h"
#include "game/GameState.h"
#include "opponent/Turn.h"
#include "support/AsciiBoard.h"
#include "support/RecordingView.h"

namespace quintara::testing {

// A computer turn over a position, without a window: the rules place through a placer that
// refuses as the game does (a point there, not playable, already played) and notes what it placed.
// The sheet shows its largest area (rows 2..21, columns 2..29).
class TurnFixture : public PointPlacer {
 public:
  explicit TurnFixture(std::vector<int> dieFaces = {6})
      : sheet(LargestSheet()), die(std::move(dieFaces)) {}

  // Copied rather than recomputed: the property tests make thousands of positions.
  static const Sheet& LargestSheet() {
    static const Sheet largest = [] {
      Sheet s;
      s.SetShownArea({kLargestOuterWidth, kLargestOuterHeight});
      return s;
    }();
    return largest;
  }

  // As Game::LayPoint: the running game's points enter the moves and the box.
  int LayPoint(int index, int colour, bool closed = false) {
    if (colour != kNoPoint) sheet.PutPoint(index, colour);
    if (closed) {
      sheet.CloseRectangle({RowOf(index), ColumnOf(index), RowOf(index), ColumnOf(index)});
      return 0;
    }
    state.Box.ExtendGameBox(index);
    return (colour == HumanColour ? state.HumanMoves : state.ComputerMoves).Record(index);
  }
  void SetUp(const Picture& picture) { Lay(*this, picture); }

  Turn MakeTurn(int level, int humanMoveNumber = -1) {
    level_ = level;
    if (humanMoveNumber < 0) humanMoveNumber = state.HumanMoves.Count();
    return Turn{
        sheet, state.ComputerMoves, state.HumanMoves, state.Box, level, humanMoveNumber, die, *this,
        played};
  }

  // Below level 4 a rule that has placed its point asks for no other.
  void PlaceComputerPoint(int index) override {
    if (played && level_ < 4) ADD_FAILURE() << "a second point asked for at level " << level_;
    if (sheet.HasPoint(index) || !sheet.Playable(index) || played) return;
    sheet.PutPoint(index, ComputerColour);
    placed = index;
    played = true;
  }

  Sheet sheet;
  GameState state;
  FixedDie die;
  int placed = 0;  // the point placed
  bool played = false;

 private:
  int level_ = 0;
};

}  // namespace quintara::testing
