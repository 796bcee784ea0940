#pragma once

#include <gtest/gtest.h>

#include "game/Game.h"
#include "support/AsciiBoard.h"
#include "support/RecordingView.h"

namespace quintara::testing {

// A whole game without a window: a recording view, a die that always shows 6.
class GameFixture : public ::testing::Test {
 protected:
  // Lays a position on the game's sheet, its O and X points as the running game's.
  void Lay(const Picture& picture) { testing::SetUp(game.EditSheet(), game.EditState(), picture); }
  int Points() const { return CountPoints(game.CurrentSheet()); }

  RecordingView view;
  FixedDie die{{6}};
  Game game{view, die};
};

}  // namespace quintara::testing
