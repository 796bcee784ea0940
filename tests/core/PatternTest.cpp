#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "board/ShownArea.h"
#include "opponent/Pattern.h"
#include "support/AsciiBoard.h"

namespace quintara {
namespace {

using testing::At;
using testing::Picture;

// Compiling: offsets count from the anchor, the anchor is not tested, `?` tests nothing.
using line_bits::kPoint;
using own_bits::kOther;
using own_bits::kOwn;
constexpr line_bits::Bits Place(int k, line_bits::Bits bits) {
  return line_bits::At(k, bits);
}

constexpr Pattern kOpenFour = CompilePattern(".[O]OOO.");
static_assert(!kOpenFour.hasTarget);
static_assert(kOpenFour.mask == (Place(-1, kPoint) | Place(1, kOwn) | Place(2, kOwn) |
                                 Place(3, kOwn) | Place(4, kPoint)));
static_assert(kOpenFour.value == (Place(1, kOwn) | Place(2, kOwn) | Place(3, kOwn)));

constexpr Pattern kLastPointFirst = CompilePattern("?OOO[O]*");
static_assert(kLastPointFirst.mask == (Place(-3, kOwn) | Place(-2, kOwn) | Place(-1, kOwn)));
static_assert(kLastPointFirst.hasTarget && kLastPointFirst.target == 1);

constexpr Pattern kTargetBeforeAnchor = CompilePattern("..*[O].X");
static_assert(kTargetBeforeAnchor.target == -1 && kTargetBeforeAnchor.value == Place(2, kOther));
static_assert(kTargetBeforeAnchor.mask ==
              (Place(-3, kPoint) | Place(-2, kPoint) | Place(1, kPoint) | Place(2, kOther)));

// Without an anchor the target is the reference place.
constexpr Pattern kNoAnchor = CompilePattern("X-*O");
static_assert(kNoAnchor.hasTarget && kNoAnchor.target == 0);
static_assert(kNoAnchor.mask == (Place(-2, kOther) | Place(-1, kOther) | Place(1, kOwn)));
static_assert(kNoAnchor.value == (Place(-2, kOther) | Place(1, kOwn)));

class LineReaderTest : public ::testing::Test {
 protected:
  LineReaderTest() { sheet.SetShownArea({kLargestOuterWidth, kLargestOuterHeight}); }

  // Lays the row on a fresh sheet and reads it from the anchor's column (counted in the row).
  bool HoldsAlongRow(const Pattern& pattern, const std::string& row, int anchorColumn,
                     int ownColour, TargetTest targetTest = TargetTest::kMustBeEmpty) {
    Sheet fresh;
    fresh.SetShownArea({kLargestOuterWidth, kLargestOuterHeight});
    testing::Draw(fresh, Picture{5, 5, {row}});
    const LineReader line(fresh, At(5, 5 + anchorColumn), kHorizontal, ownColour);
    return line.Holds(pattern, targetTest);
  }

  Sheet sheet;
};

TEST_F(LineReaderTest, ReadsTheLettersForTheSideItReadsFor) {
  struct Case {
    std::string row;
    int own;
    bool holds;
  };
  const std::vector<Case> cases = {
      {". O O O O .", ComputerColour, true},
      {". X X X X .", HumanColour, true},
      {". X X X X .", ComputerColour, false},
      {". O O x O .", ComputerColour, false},  // an earlier game's point counts by its colour only
      {". O O o O .", ComputerColour, true},
      {". . O O O .", ComputerColour, true},  // the anchor itself is not tested
      {"X O O O O .", ComputerColour, false},
      {". O O O O O", ComputerColour, false},
      {"# O O O O #", ComputerColour, true},  // `.` does not test playability
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.row);
    EXPECT_EQ(HoldsAlongRow(kOpenFour, c.row, 1, c.own), c.holds);
  }
}

TEST_F(LineReaderTest, TargetMustBeEmptyUnlessTheFamilySaysOtherwise) {
  constexpr Pattern kClosedFour = CompilePattern("X[O]OOO*");
  EXPECT_TRUE(HoldsAlongRow(kClosedFour, "X O O O O .", 1, ComputerColour));
  EXPECT_FALSE(HoldsAlongRow(kClosedFour, "X O O O O X", 1, ComputerColour));
  EXPECT_TRUE(HoldsAlongRow(kClosedFour, "X O O O O X", 1, ComputerColour, TargetTest::kNotTested));
}

TEST_F(LineReaderTest, NotOtherAcceptsAnEmptyPlaceAndAnOwnPoint) {
  constexpr Pattern kNotOther = CompilePattern("[O]-");
  EXPECT_TRUE(HoldsAlongRow(kNotOther, "O .", 0, ComputerColour));
  EXPECT_TRUE(HoldsAlongRow(kNotOther, "O O", 0, ComputerColour));
  EXPECT_FALSE(HoldsAlongRow(kNotOther, "O X", 0, ComputerColour));
}

TEST_F(LineReaderTest, ReadsBackwardAndAcrossTheGuardBandWithoutHarm) {
  testing::Draw(sheet, Picture{3, 5, {"X", "X", "."}});
  const LineReader backward(sheet, At(5, 5), -kVertical, HumanColour);
  EXPECT_TRUE(backward.Other(0) == false && backward.Own(1) && backward.Own(2));
  EXPECT_TRUE(backward.Playable(1));

  // Far outside the point records every place reads as empty and not playable.
  const LineReader outside(sheet, 10, -kVertical, ComputerColour);
  EXPECT_TRUE(outside.Holds(CompilePattern("..[O].."), TargetTest::kMustBeEmpty));
  EXPECT_TRUE(outside.NotPlayable(1));
  const LineReader beyond(sheet, kLastPointRecord, kDownRight, ComputerColour);
  EXPECT_TRUE(beyond.Empty(4) && beyond.NotPlayable(4));
}

TEST_F(LineReaderTest, ReadsPlacesBeyondItsReachFromTheSheet) {
  testing::Draw(sheet, Picture{5, 5, {". . . . . O X ."}});
  const LineReader line(sheet, At(5, 5), kHorizontal, HumanColour);
  EXPECT_TRUE(line.Other(5) && line.Own(6));
  EXPECT_TRUE(line.Empty(7) && line.Playable(7));
  EXPECT_TRUE(line.Empty(-7) && line.NotPlayable(-7));
}

TEST(RunChainTest, FirstRuleWhoseTriggerHoldsEndsTheChainWhateverItsActionDoes) {
  const std::vector<int> rules = {1, 2, 3, 4};
  std::vector<int> tried;
  int acted = 0;
  RunChain(
      rules,
      [&](int rule) {
        tried.push_back(rule);
        return rule >= 2;
      },
      [&](int rule) { acted = rule; });
  EXPECT_EQ(tried, (std::vector<int>{1, 2}));
  EXPECT_EQ(acted, 2);
}

}  // namespace
}  // namespace quintara
