#include <gtest/gtest.h>
#include "game/Game.h"
#include "support/RecordingView.h"
TEST(Smoke, Builds) {
  quintara::testing::RecordingView view; quintara::testing::FixedDie die({4});
  quintara::Game game(view, die);
  game.lblIntersection_Click(quintara::IndexOf(5,5));
  EXPECT_EQ(game.sheet().ColourAt(quintara::IndexOf(5,5)), quintara::HumanColour);
}
