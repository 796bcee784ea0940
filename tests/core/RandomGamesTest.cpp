// Whole games between a random human and the computer, at every level, each click held to the
// rules of the game that the soak test of the window holds every event to.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "board/FiveInRow.h"
#include "board/ShownArea.h"
#include "game/Game.h"
#include "game/Texts.h"
#include "support/AsciiBoard.h"
#include "support/Invariants.h"
#include "support/NearbyPlay.h"
#include "support/RecordingView.h"

namespace quintara::testing {
namespace {

// The human completes a five of its own when it can, and otherwise plays near the running
// game's points (so that lines form), or anywhere when the game has none yet.
int HumansChoice(const Game& game, std::mt19937& random) {
  Sheet trial = game.CurrentSheet();
  for (int index = kFirstGridIndex; index <= kLastIntersection; ++index) {
    if (!trial.Playable(index) || trial.HasPoint(index)) continue;
    trial.PutPoint(index, HumanColour);
    if (FindFiveInRow(trial, index)) return index;
    trial.PutPoint(index, kNoPoint);
  }
  return NearbyPlay(game, random);
}

TEST(RandomGames, EveryClickKeepsTheRulesOfTheGame) {
  int humanWins = 0;
  for (int level = 1; level <= 4; ++level) {
    int computerWins = 0;
    for (unsigned seed = 1; seed <= 40 && !HasFatalFailure(); ++seed) {
      RecordingView view;
      view.answerWhenEmpty = true;  // another match, whenever one ends
      SeededDie die(seed);
      Game game(view, die);
      game.SetLevel(level);
      // Half of the runs on the design size, which grows to the largest sheet on the first
      // change of game area; half on the largest sheet.
      if (seed % 2 == 0) game.Form_Resize(kLargestOuterWidth, kLargestOuterHeight);
      std::mt19937 random(seed * 7919u + static_cast<unsigned>(level));
      for (int click = 0; click < 200; ++click) {
        const int index = HumansChoice(game, random);
        if (index == 0) break;
        const Snapshot before = Snapshot::Of(game);
        view.events.clear();
        game.lblIntersection_Click(index);
        const auto told = [&](const char* text) {
          for (const std::string& event : view.events) {
            if (event.find(text) != std::string::npos) return true;
          }
          return false;
        };
        std::string broken = BrokenRule(game, before, EventReach::kOnePoint).value_or("");
        if (told(texts::kCannotPlayHere)) broken += " a free intersection refused";
        if (game.CurrentSheet().ColourAt(index) != HumanColour && !told(texts::kSheetTooSmall)) {
          broken += " the click placed no green point";
        }
        if (game.TurnColour() != HumanColour) broken += " the computer kept the turn";
        ASSERT_EQ(broken, "") << "level " << level << ", seed " << seed << ", click " << click
                              << "\n"
                              << Show(game.CurrentSheet(), 2, 2, 20, 28);
      }
      humanWins += game.Statistics().HumanWinsAtLevel[static_cast<std::size_t>(level)];
      computerWins += game.Statistics().ComputerWinsAtLevel[static_cast<std::size_t>(level)];
    }
    // The runs must have seen both sides win, or they never tried the end of a game.
    EXPECT_GT(computerWins, 0) << "level " << level;
  }
  EXPECT_GT(humanWins, 0);
}

}  // namespace
}  // namespace quintara::testing
