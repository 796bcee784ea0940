// The player's helpers on seeded games: a point taken back leaves the game as a replay without
// it; a hint is the computer's own choice on the position with the sides swapped, and changes
// nothing else.
#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <random>
#include <sstream>

#include "game/SpokenWords.h"
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

// The running game laid on a fresh game with the sides swapped, finished games' crossings as they
// are, and the point its computer places there.
std::optional<int> ComputerOnMirror(const Game& game) {
  RecordingView view;
  FixedDie die(1);
  Game mirror(view, die);
  mirror.Resize(game.OuterWidth(), game.OuterHeight());
  mirror.SetLevel(game.Level());
  const auto swapped = [](PointColour c) {
    return c == HumanColour ? ComputerColour : c == ComputerColour ? HumanColour : c;
  };
  const Sheet& sheet = game.CurrentSheet();
  for (int index = kFirstGridIndex; index <= kLastIntersection; ++index) {
    if (sheet.Closed(index)) mirror.LayPoint(index, swapped(sheet.ColourAt(index)), true);
  }
  const GameState& state = game.State();
  for (int slot = 1; state.HumanMoves.Filled(slot); ++slot) {
    mirror.LayPoint(state.HumanMoves[slot], ComputerColour);
  }
  for (int slot = 1; state.ComputerMoves.Filled(slot); ++slot) {
    mirror.LayPoint(state.ComputerMoves[slot], HumanColour);
  }
  mirror.ComputerTurn(state.ComputerMoves.Count());
  const std::vector<std::string> placed = view.Only("point ");
  if (placed.empty()) return std::nullopt;
  return std::stoi(placed.back().substr(6));
}

// The same seeded games played with and without hints before the player's points: the hint is
// the computer's choice with the sides swapped, and the games go on the same, point for point.
TEST(Hint, IsTheComputersChoiceForThePlayerAndChangesNothing) {
  int hints = 0;
  for (int level = 0; level <= 4; ++level) {
    for (unsigned seed = 1; seed <= 4; ++seed) {
      std::vector<std::string> events[2];
      std::string seen[2];
      for (const bool hinted : {false, true}) {
        std::mt19937 random(seed * 31u + static_cast<unsigned>(level));
        std::mt19937 asks(seed);  // apart, so that the points chosen are the same
        RecordingView view;
        view.answerWhenEmpty = true;
        SeededDie die(seed);
        Game game(view, die);
        game.SetTwoPlayers(level == 0);
        game.SetLevel(std::max(level, 1));
        for (int step = 0; step < 150 && view.Only("quit").empty(); ++step) {
          if (hinted && asks() % 3 == 0) {
            game.AskHint();
            AnswerQuestions(game, view);
            if (level > 0) {
              ASSERT_EQ(game.HintIndex(), ComputerOnMirror(game)) << level << ' ' << seed;
            }
            if (const std::optional<int> hint = game.HintIndex()) {
              ++hints;
              EXPECT_EQ(game.CrossHairIndex(), *hint);
              EXPECT_TRUE(game.CurrentSheet().Playable(*hint) &&
                          !game.CurrentSheet().HasPoint(*hint));
              EXPECT_EQ(view.events.back(),
                        "say Conseil : ligne " + std::to_string(spoken::RowNumber(*hint)) +
                            ", colonne " + std::to_string(spoken::ColumnNumber(*hint)));
            }
          }
          game.ClickIntersection(NearbyPlay(game, random));
          AnswerQuestions(game, view);
          EXPECT_EQ(game.HintIndex(), std::nullopt) << "a point takes the mark away";
        }
        std::erase_if(view.events, [](const std::string& e) {
          return e.starts_with("say Conseil") || e.starts_with("message Quintara: Les règles");
        });
        events[hinted] = view.events;
        seen[hinted] = Seen(game);
        seen[hinted].erase(seen[hinted].rfind(' '));  // the cross-hair, which a hint moves
      }
      EXPECT_EQ(events[1], events[0]) << level << ' ' << seed;
      EXPECT_EQ(seen[1], seen[0]) << level << ' ' << seed;
    }
  }
  EXPECT_GT(hints, 200);
}

// A match in which the player took a point back or asked a hint is counted, but its points stay
// out of the best scores.
TEST(Help, KeepsAHelpedMatchOutOfTheBestScores) {
  for (const int help : {0, 1, 2}) {  // none, a take-back, a hint
    std::mt19937 random(99);
    RecordingView view;  // "Voulez vous rejouer": No
    SeededDie die(3);
    Game game(view, die);
    for (int step = 0; view.Only("quit").empty() && step < 5000; ++step) {
      game.ClickIntersection(NearbyPlay(game, random));
      AnswerQuestions(game, view);
      if (step == 0 && help == 1) game.TakeBack();
      if (step == 0 && help == 2) game.AskHint();
      AnswerQuestions(game, view);
    }
    ASSERT_EQ(view.Only("statistics").size(), 1u) << help;
    EXPECT_EQ(game.BestScoreTable()[0].name.has_value(), help == 0) << help;
  }
}

}  // namespace
}  // namespace quintara::testing
