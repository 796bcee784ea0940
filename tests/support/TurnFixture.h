#pragma once

#include <vector>

#include "board/ShownArea.h"
#include "game/GameState.h"
#include "opponent/Turn.h"
#include "support/AsciiBoard.h"
#include "support/RecordingView.h"

namespace quintara::testing {

// A computer turn over a position, without a window: the rules place through a placer that
// refuses as the game does (a point there, not playable, already played) and notes what it
// was asked and what it placed. The sheet shows its largest area (rows 2..21, columns 2..29).
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
    if (humanMoveNumber < 0) humanMoveNumber = state.HumanMoves.Count();
    return Turn{
        sheet, state.ComputerMoves, state.HumanMoves, state.Box, level, humanMoveNumber, die, *this,
        played};
  }

  void PlaceComputerPoint(int index) override {
    asked.push_back(index);
    if (sheet.HasPoint(index) || !sheet.Playable(index) || played) {
      refusedBeforePlaying += !played;
      return;
    }
    sheet.PutPoint(index, ComputerColour);
    placed.push_back(index);
    played = true;
  }

  // The one point placed, or 0 when none was.
  int Placed() const { return placed.empty() ? 0 : placed.front(); }

  Sheet sheet;
  GameState state;
  FixedDie die;
  std::vector<int> asked;
  std::vector<int> placed;
  std::size_t refusedBeforePlaying = 0;
  bool played = false;
};

}  // namespace quintara::testing
