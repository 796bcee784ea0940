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
  void Click(int index) { game.ClickIntersection(index); }
  int Points() const { return CountPoints(game.CurrentSheet()); }

  RecordingView view;
  FixedDie die{6};
  Game game{view, die};
};

}  // namespace quintara::testing
