// Whole games between a random human and the computer, at every level, each click held to the
// rules of the game that the soak test of the window holds every event to.
#include <gtest/gtest.h>

#include <cstdint>
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

// --- Replays: every move and every text of many seeded games, folded into one digest ---------

// The window's smallest outer size (twips), where the fewest rows and columns are shown.
constexpr int kSmallestOuterWidth = 8730;
constexpr int kSmallestOuterHeight = 6540;

struct ReplayRun {
  int level;  // 0: two players
  bool largest;
  bool keys;  // the cross-hair and Enter rather than clicks
  unsigned seed;
};

// One seeded run: the human's choices as above, given by a click or by walking the cross-hair
// there and pressing Enter; now and then a menu, a resize to the other extreme or a change of
// level; the questions answered at random. Returns every event the window was told, in order.
std::vector<std::string> Replay(const ReplayRun& run) {
  RecordingView view;
  std::mt19937 random(run.seed * 104729u +
                      static_cast<unsigned>(run.level * 4 + run.largest * 2 + run.keys));
  for (int answer = 0; answer < 64; ++answer) view.answers.push_back(random() % 4 != 0);
  view.answerWhenEmpty = true;
  // Each roll of the die is an event too: the rolls must come as many and in the same order.
  struct RecordedDie : SeededDie {
    RecordedDie(unsigned seed, std::vector<std::string>& events) : SeededDie(seed), told(events) {}
    int Roll() override {
      const int face = SeededDie::Roll();
      told.push_back("die " + std::to_string(face));
      return face;
    }
    std::vector<std::string>& told;
  } die(run.seed, view.events);
  Game game(view, die);
  game.SetTwoPlayers(run.level == 0);
  game.SetLevel(run.level == 0 ? 1 : run.level);
  game.SetSoundOn(run.seed % 3 != 0);
  const auto resize = [&](bool largest) {
    if (largest) {
      game.Form_Resize(kLargestOuterWidth, kLargestOuterHeight);
    } else {
      game.Form_Resize(kSmallestOuterWidth, kSmallestOuterHeight);
    }
  };
  resize(run.largest);
  for (int step = 0; step < 160; ++step) {
    const unsigned what = random() % 100;
    if (what == 0) {
      game.mnuNouvelle_Click();
    } else if (what == 1) {
      if (game.mnuChanger_Click() && run.level != 0)
        game.SetLevel(1 + static_cast<int>(random() % 4));
    } else if (what <= 3) {
      resize(random() % 2 == 0);
    } else {
      const int index = HumansChoice(game, random);
      if (index == 0) break;
      if (!run.keys) {
        game.lblIntersection_Click(index);
      } else {
        // Along the row, then along the column; a key that cannot move leaves the cross-hair.
        for (int moves = 0; moves < 40 && ColumnOf(game.CrossHairIndex()) != ColumnOf(index);
             ++moves) {
          game.txtPion_KeyDown(ColumnOf(game.CrossHairIndex()) < ColumnOf(index) ? Key::kRight
                                                                                 : Key::kLeft);
        }
        for (int moves = 0; moves < 40 && RowOf(game.CrossHairIndex()) != RowOf(index); ++moves) {
          game.txtPion_KeyDown(RowOf(game.CrossHairIndex()) < RowOf(index) ? Key::kDown : Key::kUp);
        }
        game.txtPion_KeyDown(Key::kEnter);
      }
    }
    if (!view.events.empty() && view.events.back() == "quit") break;
  }
  return view.events;
}

std::uint64_t Fnv1a(std::uint64_t hash, const std::string& text) {
  for (const char c : text + '\n') {
    hash ^= static_cast<unsigned char>(c);
    hash *= 0x100000001b3u;
  }
  return hash;
}

// Whatever a change to the code does, it must not change one point, one text or one turn of
// these games: the digest of all their events is the one the game has always given.
TEST(RandomGames, ReplaysGiveTheSamePointsAndTextsAsEver) {
  std::uint64_t digest = 0xcbf29ce484222325u;
  int points = 0;
  int messages = 0;
  for (int level = 0; level <= 4; ++level) {
    for (const bool largest : {false, true}) {
      for (const bool keys : {false, true}) {
        for (unsigned seed = 1; seed <= 6; ++seed) {
          for (const std::string& event : Replay({level, largest, keys, seed})) {
            // The words for screen readers are held to their own tests (turn cycle, scoring).
            if (event.starts_with("say ")) continue;
            digest = Fnv1a(digest, event);
            points += event.starts_with("point ") ? 1 : 0;
            messages += event.starts_with("message ") ? 1 : 0;
          }
        }
      }
    }
  }
  EXPECT_GT(messages, 0);
  EXPECT_EQ(digest, 0x97c3d52fb0d38c1bu) << points << " points, " << messages << " messages";
}

}  // namespace
}  // namespace quintara::testing
