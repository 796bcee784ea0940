#pragma once

#include <gtest/gtest.h>

#include <vector>

#include "board/ShownArea.h"
#include "game/GameState.h"
#include "opponent/Turn.h"
#include "support/AsciiBoard.h"
#include "support/RecordingView.h"

namespace quintara::testing {

// A computer turn over a position, without a window; the turn keeps the point its rules chose.
// The sheet shows its largest area (rows 2..21, columns 2..29).
class TurnFixture {
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
  int LayPoint(int index, PointColour colour, bool closed = false) {
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
    if (humanMoveNumber < 0) humanMoveNumber = state.HumanMoves.Count();
    return {{sheet, state.ComputerMoves, state.HumanMoves, state.Box, level, humanMoveNumber}, die};
  }

  Sheet sheet;
  GameState state;
  FixedDie die;
};

}  // namespace quintara::testing
