// What any point of the computer's rules must make of the lines through it, checked on random
// positions without any copy of the rule tables.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <optional>
#include <random>

#include "board/FiveInRow.h"
#include "opponent/ComputerTurn.h"
#include "opponent/CrossingChoice.h"
#include "opponent/DoubleThreatRules.h"
#include "opponent/ExtendOwnLineRules.h"
#include "opponent/LineRules.h"
#include "support/TurnFixture.h"

namespace quintara::testing {
namespace {

// One round: a 9 x 9 patch anywhere around the playable area, so that lines also run off it,
// each place drawn from `letters` (a running game's point, empty, closed, an earlier game's
// point; the lists in reading order), a level, a die face and a random source for the test.
struct Round {
  Round(std::mt19937& source, int round, const char* letters) : random(source), f({1 + round % 6}) {
    const int top = static_cast<int>(random() % 19);
    const int left = static_cast<int>(random() % 27);
    Picture picture{top, left, std::vector<std::string>(9)};
    for (int k = 0; k < 81; ++k) {
      const bool shown = f.sheet.Playable(At(top + k / 9, left + k % 9));
      picture.lines[static_cast<std::size_t>(k / 9)] +=
          shown ? letters[random() % std::char_traits<char>::length(letters)] : '?';
    }
    f.SetUp(picture);
    centre = At(top + 4, left + 4);
    before = f.sheet;
  }
  // A random running point of the side, or 0.
  int PointOf(int colour) {
    const MoveList& moves = colour == HumanColour ? f.state.HumanMoves : f.state.ComputerMoves;
    return moves.Count() == 0 ? 0 : moves[1 + static_cast<int>(random() % moves.Count())];
  }
  std::string Where() const {
    std::string where = "placed at (" + std::to_string(RowOf(f.placed));
    where += ", " + std::to_string(ColumnOf(f.placed)) + ")\n";
    return where + Show(before, RowOf(f.placed) - 5, ColumnOf(f.placed) - 5, 11, 11);
  }

  std::mt19937& random;
  TurnFixture f;
  Sheet before;
  int centre = 0;
  int level = 1 + static_cast<int>(random() % 4);
};

// The most points of `colour` in a five-wide window along `step` that holds `a` and `b`; with
// `clean`, windows holding a point of the other colour do not count. -1 when b is out of reach.
int MostInWindow(const Sheet& s, int a, int b, int step, int colour, bool clean = false) {
  int most = -1;
  for (int first = -4; first <= 0; ++first) {
    int own = 0;
    bool holdsB = false;
    bool other = false;
    for (int k = first; k < first + 5; ++k) {
      holdsB |= a + k * step == b;
      own += s.ColourAt(a + k * step) == colour;
      other |= s.ColourAt(a + k * step) == OtherColour(colour);
    }
    if (holdsB && !(clean && other)) most = std::max(most, own);
  }
  return most;
}

// The direction of a window through a and b holding at least `points` of `colour`; 0 if none.
int LineThrough(const Sheet& s, int a, int b, int colour, int points, bool clean = false) {
  for (const int step : kLineDirections) {
    if (MostInWindow(s, a, b, step, colour, clean) >= points) return step;
  }
  return 0;
}

TEST(LineRuleProperties, APointLengthensTheReadSidesLineThroughTheAnchorWithinReach) {
  std::mt19937 random(1);
  for (int round = 0; round < 2000; ++round) {
    Round r(random, round, "....OOXX#ox");
    const int colour = round % 2 == 0 ? ComputerColour : HumanColour;
    const int anchor = r.PointOf(colour);
    const int points = static_cast<int>(random() % 6);
    if (anchor == 0) continue;
    Turn turn = r.f.MakeTurn(r.level);
    LineRules(turn, anchor, points, colour);
    ASSERT_EQ(r.f.die.rolls, 1);
    if (r.f.placed == 0) continue;
    ASSERT_TRUE(points >= 1 && points <= 4);
    ASSERT_NE(LineThrough(r.before, anchor, r.f.placed, colour, points), 0) << r.Where();
  }
}

TEST(DoubleThreatProperties, APointMakesLinesInTwoDirections) {
  std::mt19937 random(2);
  for (int round = 0; round < 4000; ++round) {
    Round r(random, round, "....OOXX#ox");
    const int mode = std::array{2, 3, 21, 1}[static_cast<std::size_t>(round % 4)];
    const int colour = round / 4 % 2 == 0 ? ComputerColour : HumanColour;
    // Mode 21 blocks a pair of the human where the computer gains a line of its own.
    const int lineSide = mode == 21 ? HumanColour : colour;
    const int anchor = r.PointOf(lineSide);
    if (anchor == 0) continue;
    Turn turn = r.f.MakeTurn(r.level);
    DoubleThreatRules(turn, anchor, mode, colour);
    const int p = r.f.placed;
    if (p == 0) continue;
    ASSERT_NE(mode, 1);
    const int trigger = LineThrough(r.before, anchor, p, lineSide, mode == 21 ? 2 : mode, true);
    ASSERT_NE(trigger, 0) << "mode " << mode << ", " << r.Where();
    const int crossingSide = mode == 21 ? ComputerColour : colour;
    const int needed = mode == 21 && r.level == 4 ? 1 : 2;
    bool second = false;
    for (const int step : kLineDirections) {
      second |= step != trigger && MostInWindow(r.before, p, p, step, crossingSide, true) >= needed;
    }
    ASSERT_TRUE(second) << "mode " << mode << ", " << r.Where();
  }
}

TEST(ExtendOwnLineProperties, APointMakesTheComputerFourInAWindowFromAnEarlierPoint) {
  std::mt19937 random(3);
  for (int round = 0; round < 2000; ++round) {
    Round r(random, round, "...OOOOX#ox");
    Turn turn = r.f.MakeTurn(r.level);
    ExtendOwnLineRules(turn);
    if (r.f.placed == 0) continue;
    ASSERT_TRUE(r.f.state.ComputerMoves.Filled(3) || r.level == 4);
    // Anchors run from the human's count less one: the computer's newest point may not be one.
    bool fromAnAnchor = false;
    for (int slot = 1; slot < turn.HumanMoveNumber; ++slot) {
      const int anchor = r.f.state.ComputerMoves[slot];
      fromAnAnchor |= LineThrough(r.before, anchor, r.f.placed, ComputerColour, 3) != 0;
    }
    ASSERT_TRUE(fromAnAnchor) << r.Where();
  }
}

// Whether a point of `colour` on a free playable place would make five of the running game's
// points (or, without `runningOnly`, of any points of that colour).
bool CanComplete(const Sheet& sheet, int colour, bool runningOnly) {
  for (int index = kFirstGridIndex; index <= kLastIntersection; ++index) {
    if (sheet.HasPoint(index) || !sheet.Playable(index)) continue;
    for (const int step : kLineDirections) {
      for (int first = -4; first <= 0; ++first) {
        int count = 0;
        for (int at = index + first * step; at < index + (first + 5) * step; at += step) {
          count += sheet.ColourAt(at) == colour && (!runningOnly || sheet.Playable(at));
        }
        if (count == 4) return true;
      }
    }
  }
  return false;
}

// Whatever else the position holds, the computer completes a five of its running points when it
// can, and otherwise blocks the human's.
TEST(ComputerTurnProperties, TakesAFiveOrElseBlocksTheHumansFive) {
  std::mt19937 random(4);
  int wins = 0;
  int blocks = 0;
  for (int round = 0; round < 1500; ++round) {
    Round r(random, round, ".....OOOXXX#ox");
    bool finished = false;  // a position where a game should already have ended
    for (int index = kFirstGridIndex; index <= kLastIntersection; ++index) {
      finished |= FindFiveInRow(r.before, index).has_value();
    }
    if (finished) continue;
    const bool win = CanComplete(r.before, ComputerColour, true);
    const bool block =
        !CanComplete(r.before, ComputerColour, false) && CanComplete(r.before, HumanColour, true);
    Turn turn = r.f.MakeTurn(r.level);
    ComputerTurn(turn);
    if (win || block) {
      ASSERT_NE(
          LineThrough(r.before, r.f.placed, r.f.placed, win ? ComputerColour : HumanColour, 4), 0)
          << r.Where();
    }
    wins += win;
    blocks += block;
  }
  EXPECT_GT(wins, 100);
  EXPECT_GT(blocks, 100);
}

// CrossingChoice with one direction left unread, or none (0): the place it asked for.
int Choose(TurnFixture& f, int level, int firstEnd, int secondEnd, int skipped) {
  Turn turn = f.MakeTurn(level);
  CrossingChoice(turn, firstEnd, secondEnd,
                 skipped == 0 ? std::nullopt : std::optional<int>(skipped));
  return f.asked;
}

TEST(CrossingChoiceProperties, PlacesOnlyAtAnEndAndNeverReadsASkippedDirection) {
  std::mt19937 random(5);
  int chosen = 0;
  for (int round = 0; round < 1500; ++round) {
    const int skipped = std::array{0, kVertical, kHorizontal, kDownRight, kDownLeft}[round % 5];
    Round r(random, round, "...OXo#x");
    const auto empty = [&] {
      for (;;) {
        const int index = r.centre + (static_cast<int>(random() % 9) - 4) * kColumns +
                          static_cast<int>(random() % 9) - 4;
        if (!r.f.sheet.HasPoint(index)) return index;
      }
    };
    const int first = empty();
    const int second = empty();
    // The same position with everything along the skipped direction redrawn at random.
    TurnFixture g;
    g.sheet = r.f.sheet;
    const auto readAcross = [&](int at) {
      for (const int end : {first, second}) {
        for (const int step : kLineDirections) {
          for (int k = 1; k <= 3 && step != skipped; ++k) {
            if (at == end + k * step || at == end - k * step) return true;
          }
        }
      }
      return false;
    };
    for (const int end : {first, second}) {
      for (const int k : {-3, -2, -1, 1, 2, 3}) {
        const int at = end + k * skipped;
        if (skipped == 0 || g.sheet.HasPoint(at) || !g.sheet.Playable(at) || readAcross(at)) {
          continue;
        }
        g.sheet.PutPoint(at, std::array{kNoPoint, ComputerColour, HumanColour}[random() % 3]);
      }
    }
    const int asked = Choose(r.f, r.level, first, second, skipped);
    ASSERT_TRUE(asked == 0 || asked == first || asked == second);
    ASSERT_TRUE(r.level >= 3 || asked == 0);
    chosen += asked != 0;
    if (skipped != 0) {
      ASSERT_EQ(Choose(g, r.level, first, second, skipped), asked) << round;
    }
  }
  EXPECT_GT(chosen, 150);
}

}  // namespace
}  // namespace quintara::testing
