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

// A 9 x 9 patch anywhere around the playable area, so that lines also run off it: each place
// empty, a running game's point, closed, or an earlier game's point; the lists in reading order.
// Returns the patch's centre.
int RandomPosition(TurnFixture& f, std::mt19937& random, const char* letters = "....OOXX#ox") {
  const int top = std::uniform_int_distribution<int>(0, 18)(random);
  const int left = std::uniform_int_distribution<int>(0, 26)(random);
  std::uniform_int_distribution<std::size_t> pick(0, std::char_traits<char>::length(letters) - 1);
  Picture picture{top, left, std::vector<std::string>(9)};
  for (int r = 0; r < 9; ++r) {
    for (int c = 0; c < 9; ++c) {
      const bool shown = f.sheet.Playable(At(top + r, left + c));
      picture.lines[static_cast<std::size_t>(r)] += shown ? letters[pick(random)] : '?';
    }
  }
  f.SetUp(picture);
  return At(top + 4, left + 4);
}

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

int RandomPoint(const MoveList& moves, std::mt19937& random) {
  const int count = moves.Count();
  return count == 0 ? 0 : moves[std::uniform_int_distribution<int>(1, count)(random)];
}

std::string Where(const TurnFixture& f, const Sheet& before) {
  const int p = f.placed;
  return "placed at (" + std::to_string(RowOf(p)) + ", " + std::to_string(ColumnOf(p)) + ")\n" +
         Show(before, RowOf(p) - 5, ColumnOf(p) - 5, 11, 11);
}

TEST(LineRuleProperties, APointLengthensTheReadSidesLineThroughTheAnchorWithinReach) {
  std::mt19937 random(1);
  for (int round = 0; round < 2000; ++round) {
    TurnFixture f({1 + round % 6});
    RandomPosition(f, random);
    const int colour = round % 2 == 0 ? ComputerColour : HumanColour;
    const int anchor =
        RandomPoint(colour == HumanColour ? f.state.HumanMoves : f.state.ComputerMoves, random);
    const int points = std::uniform_int_distribution<int>(0, 5)(random);
    const int level = 1 + round / 7 % 4;
    if (anchor == 0) continue;
    const Sheet before = f.sheet;
    Turn turn = f.MakeTurn(level);
    LineRules(turn, anchor, points, colour);
    ASSERT_EQ(f.die.rolls, 1);
    if (f.placed == 0) continue;
    ASSERT_TRUE(points >= 1 && points <= 4);
    ASSERT_NE(LineThrough(before, anchor, f.placed, colour, points), 0)
        << points << " points, " << Where(f, before);
  }
}

TEST(DoubleThreatProperties, APointMakesLinesInTwoDirections) {
  std::mt19937 random(2);
  for (int round = 0; round < 4000; ++round) {
    TurnFixture f;
    RandomPosition(f, random);
    const int mode = std::array{2, 3, 21, 1}[static_cast<std::size_t>(round % 4)];
    const int colour = round / 4 % 2 == 0 ? ComputerColour : HumanColour;
    // Mode 21 blocks a pair of the human where the computer gains a line of its own.
    const int lineSide = mode == 21 ? HumanColour : colour;
    const int anchor =
        RandomPoint(lineSide == HumanColour ? f.state.HumanMoves : f.state.ComputerMoves, random);
    const int level = 1 + round / 8 % 4;
    if (anchor == 0) continue;
    const Sheet before = f.sheet;
    Turn turn = f.MakeTurn(level);
    DoubleThreatRules(turn, anchor, mode, colour);
    if (f.placed == 0) continue;
    ASSERT_NE(mode, 1);
    const int p = f.placed;
    const int trigger = LineThrough(before, anchor, p, lineSide, mode == 21 ? 2 : mode, true);
    ASSERT_NE(trigger, 0) << "mode " << mode << ", " << Where(f, before);
    const int crossingSide = mode == 21 ? ComputerColour : colour;
    const int needed = mode == 21 && level == 4 ? 1 : 2;
    bool second = false;
    for (const int step : kLineDirections) {
      second |= step != trigger && MostInWindow(before, p, p, step, crossingSide, true) >= needed;
    }
    ASSERT_TRUE(second) << "mode " << mode << ", " << Where(f, before);
  }
}

TEST(ExtendOwnLineProperties, APointMakesTheComputerFourInAWindowFromAnEarlierPoint) {
  std::mt19937 random(3);
  for (int round = 0; round < 2000; ++round) {
    TurnFixture f;
    RandomPosition(f, random, "...OOOOX#ox");
    const int level = 1 + round % 4;
    const Sheet before = f.sheet;
    Turn turn = f.MakeTurn(level);
    ExtendOwnLineRules(turn);
    if (f.placed == 0) continue;
    ASSERT_TRUE(f.state.ComputerMoves.Filled(3) || level == 4);
    // Anchors run from the human's count less one: the computer's newest point may not be one.
    bool fromAnAnchor = false;
    for (int slot = 1; slot < turn.HumanMoveNumber; ++slot) {
      fromAnAnchor |=
          LineThrough(before, f.state.ComputerMoves[slot], f.placed, ComputerColour, 3) != 0;
    }
    ASSERT_TRUE(fromAnAnchor) << Where(f, before);
  }
}

// Whatever else the position holds, the computer completes a five of its running points when it
// can, and otherwise blocks the human's.
TEST(ComputerTurnProperties, TakesAFiveOrElseBlocksTheHumansFive) {
  std::mt19937 random(4);
  int wins = 0;
  int blocks = 0;
  for (int round = 0; round < 1500; ++round) {
    TurnFixture f({1 + round % 6});
    RandomPosition(f, random, ".....OOOXXX#ox");
    bool finished = false;  // a position where a game should already have ended
    for (int index = kFirstGridIndex; index <= kLastIntersection; ++index) {
      finished |= FindFiveInRow(f.sheet, index).has_value();
    }
    if (finished) continue;
    const auto canComplete = [&](int colour, bool runningOnly) {
      for (int index = kFirstGridIndex; index <= kLastIntersection; ++index) {
        if (f.sheet.HasPoint(index) || !f.sheet.Playable(index)) continue;
        for (const int step : kLineDirections) {
          for (int first = -4; first <= 0; ++first) {
            int count = 0;
            for (int k = first; k < first + 5; ++k) {
              const int at = index + k * step;
              count += f.sheet.ColourAt(at) == colour && (!runningOnly || f.sheet.Playable(at));
            }
            if (count == 4) return true;
          }
        }
      }
      return false;
    };
    const bool computerFive = canComplete(ComputerColour, true);
    const bool computerColourFive = canComplete(ComputerColour, false);
    const bool humanFive = canComplete(HumanColour, true);
    const Sheet before = f.sheet;
    Turn turn = f.MakeTurn(1 + round % 4);
    ComputerTurn(turn);
    if (computerFive) {
      ++wins;
      ASSERT_NE(LineThrough(before, f.placed, f.placed, ComputerColour, 4), 0) << Where(f, before);
    } else if (!computerColourFive && humanFive) {
      ++blocks;
      ASSERT_NE(LineThrough(before, f.placed, f.placed, HumanColour, 4), 0) << Where(f, before);
    }
  }
  EXPECT_GT(wins, 100);
  EXPECT_GT(blocks, 100);
}

// CrossingChoice with one direction left unread, or none (0).
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
    const int level = 1 + round % 4;
    const int skipped = std::array{0, kVertical, kHorizontal, kDownRight, kDownLeft}[round % 5];
    TurnFixture f;
    const int centre = RandomPosition(f, random, "...OXo#x");
    std::uniform_int_distribution<int> near(-4, 4);
    const auto empty = [&] {
      for (;;) {
        const int index = centre + near(random) * kColumns + near(random);
        if (!f.sheet.HasPoint(index)) return index;
      }
    };
    const int first = empty();
    const int second = empty();
    // The same position with everything along the skipped direction redrawn at random.
    TurnFixture g;
    g.sheet = f.sheet;
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
    const int asked = Choose(f, level, first, second, skipped);
    ASSERT_TRUE(asked == 0 || asked == first || asked == second);
    if (level < 3) {
      ASSERT_EQ(asked, 0);
    }
    chosen += asked != 0;
    if (skipped != 0) {
      ASSERT_EQ(Choose(g, level, first, second, skipped), asked) << round;
    }
  }
  EXPECT_GT(chosen, 150);
}

}  // namespace
}  // namespace quintara::testing
