// Seeded games folded into one digest of all the window is told: no change may move a point or a
// text.
#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <string>

#include "board/FiveInRow.h"
#include "board/ShownArea.h"
#include "support/NearbyPlay.h"
#include "support/RecordingView.h"

namespace quintara::testing {
namespace {

// The human completes a five when it can, else plays near the running game's points.
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

struct RecordedDie : SeededDie {
  RecordedDie(unsigned seed, std::vector<std::string>& events) : SeededDie(seed), told(events) {}
  int Roll() override {
    const int face = SeededDie::Roll();
    told.push_back("die " + std::to_string(face));
    return face;
  }
  std::vector<std::string>& told;
};

// Level 0: two players. Clicks or the cross-hair, and now and then a menu, a resize or a level.
std::vector<std::string> Replay(int level, bool largest, bool keys, unsigned seed) {
  RecordingView view;
  std::mt19937 random(seed * 104729u + static_cast<unsigned>(level * 4 + largest * 2 + keys));
  for (int answer = 0; answer < 64; ++answer) view.answers.push_back(random() % 4 != 0);
  view.answerWhenEmpty = true;
  RecordedDie die(seed, view.events);
  Game game(view, die);
  game.SetTwoPlayers(level == 0);
  game.SetLevel(level == 0 ? 1 : level);
  game.SetSoundOn(seed % 3 != 0);
  const auto resize = [&](bool large) {
    game.Form_Resize(large ? kLargestOuterWidth : 8730, large ? kLargestOuterHeight : 6540);
  };
  resize(largest);
  for (int step = 0; step < 160; ++step) {
    const unsigned what = random() % 100;
    if (what == 0) {
      game.mnuNouvelle_Click();
    } else if (what == 1) {
      if (game.mnuChanger_Click() && level != 0) game.SetLevel(1 + static_cast<int>(random() % 4));
    } else if (what <= 3) {
      resize(random() % 2 == 0);
    } else {
      const int index = HumansChoice(game, random);
      if (index == 0) break;
      if (!keys) game.lblIntersection_Click(index);
      const auto walk = [&](int (*along)(int), Key back, Key on) {
        for (int moves = 0; keys && moves < 40 && along(game.CrossHairIndex()) != along(index);
             ++moves) {
          game.txtPion_KeyDown(along(game.CrossHairIndex()) < along(index) ? on : back);
        }
      };
      walk(ColumnOf, Key::kLeft, Key::kRight);
      walk(RowOf, Key::kUp, Key::kDown);
      if (keys) game.txtPion_KeyDown(Key::kEnter);
    }
    if (!view.events.empty() && view.events.back() == "quit") break;
  }
  return view.events;
}

TEST(RandomGames, ReplaysGiveTheSamePointsAndTextsAsEver) {
  std::uint64_t digest = 0xcbf29ce484222325u;  // FNV-1a over the events, each ended by a newline
  for (int level = 0; level <= 4; ++level) {
    for (const bool largest : {false, true}) {
      for (const bool keys : {false, true}) {
        for (unsigned seed = 1; seed <= 6; ++seed) {
          for (const std::string& event : Replay(level, largest, keys, seed)) {
            if (event.starts_with("say ")) continue;  // the spoken words have their own tests
            for (const char c : event + '\n')
              digest = (digest ^ static_cast<unsigned char>(c)) * 0x100000001b3u;
          }
        }
      }
    }
  }
  EXPECT_EQ(digest, 0x97c3d52fb0d38c1bu);
}

}  // namespace
}  // namespace quintara::testing
