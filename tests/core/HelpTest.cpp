// The player's helpers on seeded games: a point taken back leaves the game as a replay without
// it; a hint is the computer's own choice with the sides swapped, and changes nothing else.
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

// All a player and a screen reader can tell of the game; the cross-hair last.
std::string Seen(const Game& game) {
  std::ostringstream seen;
  for (int index = kFirstGridIndex; index <= kLastIntersection; ++index) {
    const Sheet& sheet = game.CurrentSheet();
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

// A game against the computer at a level, or between two players (level 0), answering Yes.
template <typename Die = FixedDie>
struct Session {
  Session(int level, int face) : die(face) {
    game.SetTwoPlayers(level == 0);
    game.SetLevel(std::max(level, 1));
    view.answerWhenEmpty = true;
  }
  RecordingView view;
  Die die;
  Game game{view, die};
};

struct Event {
  enum { kClick, kKey, kResize } kind;
  int value;
};

void Play(Session<>& s, const std::vector<Event>& events) {
  for (const Event& e : events) {
    if (e.kind == Event::kClick) s.game.ClickIntersection(e.value);
    if (e.kind == Event::kKey) s.game.PressKey(static_cast<Key>(e.value));
    if (e.kind == Event::kResize) s.game.Resize(e.value, e.value * 2 / 3);
    AnswerQuestions(s.game, s.view);
  }
}

TEST(TakeBack, LeavesTheGameAsAReplayWithoutThePoint) {
  for (int level = 0; level <= 4; ++level) {
    for (int seed = 1; seed <= 6; ++seed) {
      std::mt19937 random(static_cast<unsigned>(seed * 7919 + level));
      // A die of one face: the replies taken back rolled it, and the game does not roll it back.
      Session<> s(level, seed);
      std::vector<Event> played;        // every event but the points taken back
      std::vector<std::size_t> clicks;  // where the points that can be taken back were played
      for (int step = 0; step < 300; ++step) {
        const unsigned what = random() % 20;
        if (what < 4 && s.game.CanTakeBack()) {
          ASSERT_FALSE(clicks.empty());
          // The keys after the point go with it: the cross-hair goes back too.
          const auto from = played.begin() + static_cast<std::ptrdiff_t>(clicks.back());
          std::vector<Event> kept(played.begin(), from);
          std::ranges::copy_if(from, played.end(), std::back_inserter(kept),
                               [](const Event& e) { return e.kind == Event::kResize; });
          played = kept;
          clicks.pop_back();
          s.game.TakeBack();
          Session<> replay(level, seed);
          Play(replay, played);
          ASSERT_EQ(Seen(s.game), Seen(replay.game)) << level << ' ' << seed << ' ' << step;
          EXPECT_TRUE(s.view.events.back().starts_with("say Coup annulé : ligne "));
          continue;
        }
        Event e{Event::kClick, NearbyPlay(s.game, random)};
        if (what == 4) e = {Event::kResize, random() % 2 == 0 ? 8730 : 12120};
        if (what >= 5 && what < 9)
          e = {Event::kKey, static_cast<int>(Key::kLeft) + static_cast<int>(random() % 4)};
        const std::string before = Seen(s.game);
        Play(s, {e});
        if (!s.game.CanTakeBack()) clicks.clear();  // a finished game is never taken back
        if (e.kind == Event::kClick && Seen(s.game) != before && s.game.CanTakeBack())
          clicks.push_back(played.size());
        played.push_back(e);
      }
    }
  }
}

// The point the computer places on the running game laid with the sides swapped.
std::optional<int> ComputerOnMirror(const Game& game) {
  Session<> mirror(game.Level(), 1);
  mirror.game.Resize(game.OuterWidth(), game.OuterHeight());
  const auto swapped = [](PointColour c) {
    return c == HumanColour ? ComputerColour : c == ComputerColour ? HumanColour : c;
  };
  for (int index = kFirstGridIndex; index <= kLastIntersection; ++index) {
    const Sheet& sheet = game.CurrentSheet();
    if (sheet.Closed(index)) mirror.game.LayPoint(index, swapped(sheet.ColourAt(index)), true);
  }
  const GameState& state = game.State();
  for (int slot = 1; state.HumanMoves.Filled(slot); ++slot)
    mirror.game.LayPoint(state.HumanMoves[slot], ComputerColour);
  for (int slot = 1; state.ComputerMoves.Filled(slot); ++slot)
    mirror.game.LayPoint(state.ComputerMoves[slot], HumanColour);
  mirror.game.ComputerTurn(state.ComputerMoves.Count());
  const std::vector<std::string> placed = mirror.view.Only("point ");
  if (placed.empty()) return std::nullopt;
  return std::stoi(placed.back().substr(6));
}

// The same seeded games played with and without hints before the player's points: the hint is
// the computer's choice with the sides swapped, and the games go on the same, point for point.
TEST(Hint, IsTheComputersChoiceForThePlayerAndChangesNothing) {
  int hints = 0;
  for (int level = 0; level <= 4; ++level) {
    for (unsigned seed = 1; seed <= 4; ++seed) {
      std::string seen[2];
      for (const bool hinted : {false, true}) {
        std::mt19937 random(seed * 31u + static_cast<unsigned>(level));
        std::mt19937 asks(seed);  // apart, so that the points chosen are the same
        Session<SeededDie> s(level, static_cast<int>(seed));
        Game& game = s.game;
        RecordingView& view = s.view;
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
        seen[hinted] = Seen(game);
        seen[hinted].erase(seen[hinted].rfind(' '));  // the cross-hair, which a hint moves
        for (const std::string& e : view.events) seen[hinted] += '\n' + e;
      }
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
