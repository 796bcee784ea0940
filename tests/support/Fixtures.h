#pragma once

#include <gtest/gtest.h>

#include <vector>

#include "board/ShownArea.h"
#include "game/Game.h"
#include "opponent/Turn.h"
#include "support/AsciiBoard.h"
#include "support/RecordingView.h"

namespace quintara::testing {

// A whole game without a window: a recording view, a die that always shows 6.
class GameFixture : public ::testing::Test {
 protected:
  void Lay(const Picture& picture) { testing::Lay(game, picture); }
  void Click(int index) { game.lblIntersection_Click(index); }
  int Points() const { return CountPoints(game.CurrentSheet()); }

  RecordingView view;
  FixedDie die{{6}};
  Game game{view, die};
};

// A computer turn over a position on the largest sheet, without a window.
class TurnFixture {
 public:
  explicit TurnFixture(std::vector<int> dieFaces) : die(std::move(dieFaces)) {
    sheet.SetShownArea({kLargestOuterWidth, kLargestOuterHeight});
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
  Turn MakeTurn(int level) {
    return {{sheet, state.ComputerMoves, state.HumanMoves, state.Box, level,
             state.HumanMoves.Count()},
            die};
  }

  Sheet sheet;
  GameState state;
  FixedDie die;
};

}  // namespace quintara::testing
