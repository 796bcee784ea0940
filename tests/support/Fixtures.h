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
  // The player's events, each followed by the player's answers to what it asks.
  void Click(int index) { game.ClickIntersection(index), Settle(); }
  void NewSheet() { game.MenuNewSheet(), Settle(); }
  // True when the opponent and level dialog opened.
  bool ChangeLevel() {
    const std::size_t before = view.Only("opponent dialog").size();
    game.MenuChangeLevel(), Settle();
    return view.Only("opponent dialog").size() > before;
  }
  void Settle() { AnswerQuestions(game, view); }
  int Points() const { return CountPoints(game.CurrentSheet()); }

  RecordingView view;
  FixedDie die{6};
  Game game{view, die};
};

}  // namespace quintara::testing
