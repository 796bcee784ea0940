// Seeded games at every level and between two players, by clicks and keys, with menus, resizes
// and level changes, the questions answered at random: every event keeps the game's rules.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <functional>
#include <random>
#include <set>

#include "support/Invariants.h"
#include "support/MemoryScoreStore.h"
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
    if (view.Only("opponent dialog").size() > dialogs && level != 0)
      game.SetLevel(1 + static_cast<int>(random() % 4));
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

// Plays `steps` seeded events at a level (0: two players); `check` sees each event's outcome.
void PlaySeeded(RecordingView& view, int level, unsigned seed, int steps,
                const std::function<void(const Game&, const Snapshot&, EventReach)>& check) {
  std::mt19937 random(seed * 104729u + static_cast<unsigned>(level));
  for (int answer = 0; answer < 64; ++answer) view.answers.push_back(random() % 4 != 0);
  view.answerWhenEmpty = true;
  SeededDie die(seed);
  MemoryScoreStore store;
  store.unwritable = seed % 2 == 0;
  Game game(view, die);
  game.SetScoreStore(&store);
  game.SetTwoPlayers(level == 0);
  game.SetLevel(std::max(level, 1));
  for (int step = 0; step < steps && view.Only("quit").empty(); ++step) {
    const Snapshot before = Snapshot::Of(game);
    const EventReach reach = PlayOne(game, view, level, random);
    AnswerQuestions(game, view);
    check(game, before, reach);
  }
}

TEST(RandomGames, EveryEventKeepsTheRulesOfTheGame) {
  for (int level = 0; level <= 4; ++level) {
    for (unsigned seed = 1; seed <= 12; ++seed) {
      RecordingView view;
      PlaySeeded(view, level, seed, 160, [&](const Game& game, const Snapshot& was, EventReach r) {
        const std::optional<std::string> broken = BrokenRule(game, was, r);
        ASSERT_FALSE(broken) << *broken << ", level " << level << ", seed " << seed;
      });
    }
  }
}

// The same long games in a language that marks each text: every text the window is handed went
// through the player's language, and nothing else differs.
TEST(RandomGames, EveryTextIsInThePlayersLanguage) {
  struct MarkingView : RecordingView {
    std::string Translate(const char* french, int count) const override {
      return "\u27e6" + RecordingView::Translate(french, count);
    }
  };
  const std::string mark = "\u27e6";
  std::set<std::string> messages;
  for (int level = 0; level <= 4; ++level) {
    RecordingView french;
    MarkingView marked;
    const auto nothing = [](const Game&, const Snapshot&, EventReach) {};
    PlaySeeded(french, level, 2, 2500, nothing);
    PlaySeeded(marked, level, 2, 2500, nothing);
    ASSERT_EQ(marked.events.size(), french.events.size()) << level;
    for (std::size_t k = 0; k < french.events.size(); ++k) {
      const std::string& was = french.events[k];
      std::string unmarked = marked.events[k];
      for (std::size_t at; (at = unmarked.find(mark)) != std::string::npos;)
        unmarked.erase(at, mark.size());
      ASSERT_EQ(unmarked, was) << level;
      const std::string kind = was.substr(0, was.find(' '));
      const bool box = kind == "message" || kind == "ask";  // its caption may be the program's
      const std::size_t text = box ? marked.events[k].find(": ") : 0;
      const bool spoken = box || kind == "say" || kind == "turn";
      EXPECT_TRUE(!spoken || marked.events[k].find(mark, text) != std::string::npos) << was;
      if (kind == "message") messages.insert(was);
    }
  }
  // Long enough to meet the messages of a match's end and of a file that cannot be written.
  for (const std::string start : {"message Quintara: \u2068Ordinateur\u2069 remporte le match",
                                  "message Quintara: Les meilleurs scores n'ont pas pu"}) {
    EXPECT_TRUE(std::ranges::any_of(messages, [&](const auto& m) { return m.starts_with(start); }))
        << start;
  }
}

}  // namespace
}  // namespace quintara::testing
