// The player's helpers on seeded games: a point taken back leaves the game as a replay without
// it; a hint is the computer's own choice on the position with the sides swapped, and changes
// nothing else.
#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <random>
#include <sstream>

#include "support/NearbyPlay.h"
#include "support/RecordingView.h"

namespace quintara::testing {
namespace {

// All a player and a screen reader can tell of the game.
std::string Seen(const Game& game) {
  std::ostringstream seen;
  const Sheet& sheet = game.CurrentSheet();
  for (int index = kFirstGridIndex; index <= kLastIntersection; ++index) {
    seen << RgbNumber(sheet.ColourAt(index)) << sheet.Playable(index) << sheet.Closed(index);
  }
  const GameState& state = game.State();
  for (const MoveList* moves : {&state.HumanMoves, &state.ComputerMoves}) {
    for (int slot = 1; moves->Filled(slot); ++slot) seen << ' ' << (*moves)[slot];
    seen << ';';
  }
  const GameBox& box = state.Box;
  seen << box.BoxTop << ' ' << box.BoxLeft << ' ' << box.BoxBottom << ' ' << box.BoxRight << ' '
       << state.ComputerMoveCount << state.GameOver << ' ' << RgbNumber(game.TurnColour())
       << game.StatusText() << ' ' << game.CrossHairIndex();
  return seen.str();
}

struct Event {
  enum { kClick, kKey, kResize } kind;
  int value;
};

Game& Replay(Game& game, RecordingView& view, const std::vector<Event>& events) {
  for (const Event& e : events) {
    if (e.kind == Event::kClick) game.ClickIntersection(e.value);
    if (e.kind == Event::kKey) game.PressKey(static_cast<Key>(e.value));
    if (e.kind == Event::kResize) game.Resize(e.value, e.value * 2 / 3);
    AnswerQuestions(game, view);
  }
  return game;
}

TEST(TakeBack, LeavesTheGameAsAReplayWithoutThePoint) {
  for (int level = 0; level <= 4; ++level) {  // 0: two players
    for (unsigned seed = 1; seed <= 6; ++seed) {
      std::mt19937 random(seed * 7919u + static_cast<unsigned>(level));
      const auto start = [&](Game& game) {
        game.SetTwoPlayers(level == 0);
        game.SetLevel(std::max(level, 1));
      };
      RecordingView view;
      // A die of one face: the replies taken back rolled it, and the game does not roll it back.
      FixedDie die(static_cast<int>(seed));
      Game game(view, die);
      start(game);
      view.answerWhenEmpty = true;
      std::vector<Event> played;  // what a replay plays: every event but the points taken back
      std::vector<std::size_t> clicks;  // where the points that can be taken back were played
      for (int step = 0; step < 300; ++step) {
        const unsigned what = random() % 20;
        if (what < 4 && game.CanTakeBack()) {
          ASSERT_FALSE(clicks.empty());
          // The cross-hair goes back too: the keys after the point are forgotten with it.
          std::vector<Event> kept(played.begin(), played.begin() + clicks.back());
          std::ranges::copy_if(played.begin() + clicks.back(), played.end(),
                               std::back_inserter(kept),
                               [](const Event& e) { return e.kind == Event::kResize; });
          played = kept;
          clicks.pop_back();
          game.TakeBack();
          RecordingView replayView;
          FixedDie replayDie(static_cast<int>(seed));
          Game replay(replayView, replayDie);
          start(replay);
          replayView.answerWhenEmpty = true;
          ASSERT_EQ(Seen(game), Seen(Replay(replay, replayView, played)))
              << "level " << level << ", seed " << seed << ", step " << step;
          EXPECT_TRUE(view.events.back().starts_with("say Coup annulé : ligne "))
              << view.events.back();
          continue;
        }
        Event e{Event::kClick, NearbyPlay(game, random)};
        if (what == 4) e = {Event::kResize, random() % 2 == 0 ? 8730 : 12120};
        if (what >= 5 && what < 9)
          e = {Event::kKey, static_cast<int>(Key::kLeft) + static_cast<int>(random() % 4)};
        const std::string before = Seen(game);
        Replay(game, view, {e});
        if (!game.CanTakeBack()) clicks.clear();  // a finished game is never taken back
        if (e.kind == Event::kClick && Seen(game) != before && game.CanTakeBack()) {
          clicks.push_back(played.size());
        }
        played.push_back(e);
      }
    }
  }
}

}  // namespace
}  // namespace quintara::testing
