// Which rule families the level lets into the computer's turn, seen from whole turns.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "opponent/ComputerTurn.h"
#include "support/TurnFixture.h"

namespace quintara::testing {
namespace {

std::string Where(int index) {
  if (index == 0) return "nothing";
  // Appended in turn: GCC 12 at -O3 warns falsely (-Wrestrict) on "(" + std::string.
  std::string where = "(";
  where.append(std::to_string(RowOf(index))).append(", ");
  return where.append(std::to_string(ColumnOf(index))).append(")");
}

// A whole computer turn over the pictures, laid in order (their points enter the move lists in
// that order); the human's last point is the last X laid.
int Reply(const std::vector<Picture>& pictures, int level, std::vector<int> dieFaces = {6}) {
  TurnFixture f(std::move(dieFaces));
  for (const Picture& picture : pictures) f.SetUp(picture);
  Turn turn = f.MakeTurn(level);
  ComputerTurn(turn);
  return f.Placed();
}

const Picture kHumansLastPointFarAway{18, 20, {"X"}};

// The human's three, closed by a computer point, and a split pair of the human across its free
// end: on (10, 13) the human would make two threats at once (mode 3 over the human's points,
// step 7). Mode 2 (step 11) finds nothing there.
const Picture kHumansClosedThree{7,
                                 8,
                                 {". . . . . . . .",  //
                                  ". . . . . X . .",  //
                                  ". . . . . . . .",  //
                                  ". O X X X . . .",  //
                                  ". . . . . X . .",  //
                                  ". . . . . . . ."}};
constexpr int kHumansDoubleThreat = At(10, 13);

TEST(CascadeLevels, DoubleThreatRulesOverTheHumansPointsFromLevel2) {
  const std::vector<Picture> position = {kHumansClosedThree, kHumansLastPointFarAway};
  EXPECT_NE(Where(Reply(position, 1)), Where(kHumansDoubleThreat));
  EXPECT_NE(Reply(position, 1), 0);
  for (const int level : {2, 3, 4}) {
    EXPECT_EQ(Where(Reply(position, level)), Where(kHumansDoubleThreat)) << "level " << level;
  }
}

// The computer's three closed by a point of an earlier game (x), and two points of an earlier
// game across its free end (family H, which tests no playability): mode 3 over the computer's
// points (step 3) makes two threats on (10, 9). The human's single point gives
// ExtendOwnLineRules no anchor.
const Picture kComputersClosedThree{8,
                                    7,
                                    {". . . . . . . .",  //
                                     ". . o . . . . .",  //
                                     ". . . O O O x .",  //
                                     ". . . . . . . .",  //
                                     ". . o . . . . .",  //
                                     ". . . . . . . ."}};
constexpr int kComputersDoubleThreat = At(10, 9);

TEST(CascadeLevels, DoubleThreatRulesOverTheComputersPointsFromLevel3) {
  const std::vector<Picture> position = {kComputersClosedThree, kHumansLastPointFarAway};
  for (const int level : {1, 2}) {
    const int reply = Reply(position, level);
    EXPECT_NE(Where(reply), Where(kComputersDoubleThreat)) << "level " << level;
    EXPECT_NE(reply, 0) << "level " << level;
  }
  for (const int level : {3, 4}) {
    EXPECT_EQ(Where(Reply(position, level)), Where(kComputersDoubleThreat)) << "level " << level;
  }
}

// A three of the computer closed by an earlier game's human point: ExtendOwnLineRules makes it
// a four on (4, 8).
const Picture kComputersThreeToExtend{4, 4, {"x O O O . ."}};
constexpr int kExtension = At(4, 8);

// Lone computer points, far from each other and from everything else.
Picture LoneComputerPoints(int count) {
  std::string row;
  for (int i = 0; i < count; ++i) row += "O . . . ";
  return {16, 4, {row}};
}

// Step 5 (level 3 only, 8 computer points) comes before the human's double threat of step 7;
// at the other levels, or with fewer points, step 7 blocks the human first.
TEST(CascadeLevels, ExtendOwnLineRulesAtStep5) {
  const auto position = [](int computerPoints) {
    return std::vector<Picture>{kComputersThreeToExtend, kHumansClosedThree,
                                LoneComputerPoints(computerPoints - 4), kHumansLastPointFarAway};
  };
  EXPECT_EQ(Where(Reply(position(8), 3)), Where(kExtension));
  EXPECT_EQ(Where(Reply(position(7), 3)), Where(kHumansDoubleThreat));
  EXPECT_EQ(Where(Reply(position(8), 2)), Where(kHumansDoubleThreat));
  EXPECT_EQ(Where(Reply(position(8), 4)), Where(kHumansDoubleThreat));
}

// An open pair of the human whose left end (12, 9) gives the computer an open two: mode 21
// (step 13, level 4) would block it there.
const Picture kHumansOpenPair{11,
                              8,
                              {". O . . . .",  //
                               ". . X X . ."}};
constexpr int kBlockedPair = At(12, 9);

// At level 4 step 12 runs whatever the computer's count, before mode 21 of step 13.
TEST(CascadeLevels, ExtendOwnLineRulesAtStep12BeforeMode21) {
  EXPECT_EQ(Where(Reply({kHumansOpenPair}, 4)), Where(kBlockedPair));
  EXPECT_EQ(Where(Reply({kComputersThreeToExtend, kHumansOpenPair}, 4)), Where(kExtension));
}

// At level 1 the list runs at step 16, after every other rule has passed. The three lies on
// the top row: a line rule that plays beside a single point, with the die on its second end,
// would play above it, where nothing is playable.
TEST(CascadeLevels, ExtendOwnLineRulesAtStep16) {
  const std::vector<Picture> position = {{2, 4, {"x O O O . ."}},
                                         {12, 4, {"X . . . X . . . X . . . X"}}};
  EXPECT_EQ(Where(Reply(position, 1, {1})), Where(At(2, 8)));
}

}  // namespace
}  // namespace quintara::testing
