// Seeded games at every level and between two players, by clicks and keys, with menus, resizes
// and level changes, the questions answered at random: every event keeps the game's rules.
#include <gtest/gtest.h>

#include <array>
#include <random>

#include "board/ShownArea.h"
#include "support/Invariants.h"
#include "support/NearbyPlay.h"
#include "support/RecordingView.h"

namespace quintara::testing {
namespace {

// Plays one event; says how far it may change the sheet.
EventReach PlayOne(Game& game, RecordingView& view, int level, std::mt19937& random) {
  const unsigned what = random() % 100;
  if (what == 0) return game.MenuNewSheet(), EventReach::kMaySweep;
  if (what == 1) {
    const std::size_t dialogs = view.Only("opponent dialog").size();
    game.MenuChangeLevel();
    AnswerQuestions(game, view);
    if (view.Only("opponent dialog").size() > dialogs && level != 0) {
      game.SetLevel(1 + static_cast<int>(random() % 4));
    }
    return EventReach::kMaySweep;
  }
  if (what <= 3) {
    const bool large = random() % 2 == 0;
    game.Resize(large ? kLargestOuterWidth : 8730, large ? kLargestOuterHeight : 6540);
    return EventReach::kNoPoint;
  }
  if (what <= 15) {  // the cross-hair, wherever it stands
    const Key key =
        std::array{Key::kLeft, Key::kRight, Key::kUp, Key::kDown, Key::kEnter}[what % 5];
    game.PressKey(key);
    return key == Key::kEnter ? EventReach::kOnePoint : EventReach::kNoPoint;
  }
  game.ClickIntersection(NearbyPlay(game, random));
  return EventReach::kOnePoint;
}

TEST(RandomGames, EveryEventKeepsTheRulesOfTheGame) {
  for (int level = 0; level <= 4; ++level) {  // 0: two players
    for (unsigned seed = 1; seed <= 12; ++seed) {
      RecordingView view;
      std::mt19937 random(seed * 104729u + static_cast<unsigned>(level));
      for (int answer = 0; answer < 64; ++answer) view.answers.push_back(random() % 4 != 0);
      view.answerWhenEmpty = true;
      SeededDie die(seed);
      Game game(view, die);
      game.SetTwoPlayers(level == 0);
      game.SetLevel(level == 0 ? 1 : level);
      for (int step = 0; step < 160 && view.Only("quit").empty(); ++step) {
        const Snapshot before = Snapshot::Of(game);
        const EventReach reach = PlayOne(game, view, level, random);
        AnswerQuestions(game, view);
        const std::optional<std::string> broken = BrokenRule(game, before, reach);
        ASSERT_FALSE(broken) << *broken << ", level " << level << ", seed " << seed;
      }
    }
  }
}

}  // namespace
}  // namespace quintara::testing
