// What the properties cannot see: which rule wins when several hold, which end the die picks,
// the level gates and the order of the anchors. One row per position.
#include <gtest/gtest.h>

#include "opponent/ComputerTurn.h"
#include "opponent/CrossingChoice.h"
#include "opponent/ExtendOwnLineRules.h"
#include "opponent/LineRules.h"
#include "support/TurnFixture.h"

namespace quintara::testing {
namespace {

// What a row calls: a whole computer turn, LineRules with this many points, CrossingChoice on
// the ends E and F (no direction skipped), or ExtendOwnLineRules.
enum Call { kTurn = 0, kLine1 = 1, kLine2, kLine3, kLine4, kCrossing, kExtend };

// Besides AsciiBoard's letters: A and H the anchor (a computer or a human point), E and F the
// two ends, * the one place where the computer must play (e or f when that is an end), and with
// `elsewhere` the one place where it must not. Without * nothing may be placed. Points enter the
// lists in reading order, picture after picture; the human's last point is the last X or H.
struct Row {
  const char* what;
  Call call;
  int level;
  int die;
  std::vector<Picture> pictures;
  bool elsewhere = false;
};

const Picture kFarHumanPoint{18, 20, {"X"}};
// The human's closed three and a split pair across its free end (10, 13): two threats at once.
const Picture kHumansClosedThree{
    8, 8, {". . . . . X .", ". . . . . . .", ". O X X X . .", ". . . . . X ."}};
const Picture kHumansDoubleThreat{10, 13, {"*"}};
// The computer's three closed by an earlier game and two earlier points across its end (10, 9).
const Picture kComputersClosedThree{
    9, 7, {". . o . . . .", ". . . O O O x", ". . . . . . .", ". . o . . . ."}};
const Picture kComputersDoubleThreat{10, 9, {"*"}};
const Picture kThreeToExtend{4, 4, {"x O O O . ."}};
const Picture kExtension{4, 8, {"*"}};
Picture LonePoints(const char* letter, int count) {
  std::string line;
  for (int i = 0; i < count; ++i) line += std::string(letter) + " . . . ";
  return {16, 4, {line}};
}
const Picture kBox{
    8, 7, {". . . . . . .", "? X . . . X ?", ". . o o o . .", ". . o X o . .", ". . o o o . ."}};

const std::vector<Row> kRows = {
    {"open four: the die's high faces take the far end", kLine4, 1, 4, {{5, 5, {". A O O O *"}}}},
    {"open four: the low faces the near end", kLine4, 1, 3, {{5, 5, {"* A O O O ."}}}},
    {"open four read from its last point", kLine4, 1, 6, {{5, 5, {"* O O O A ."}}}},
    {"open four, one end closed: the other whatever the die",
     kLine4,
     1,
     1,
     {{5, 5, {"# A O O O *"}}}},
    {"a failed rule ends its direction, not the call",
     kLine4,
     4,
     6,
     {{5,
       5,
       {"O O O . A O o O X", ". . . . . O . . .", ". . . . . . O . .", ". . . . . . . O .",
        ". . . . . . . . *"}}}},
    {"the human's open three, die high", kLine3, 1, 6, {{5, 5, {". . H X X * ."}}}},
    {"the human's closed three: nothing when its far side is closed",
     kLine3,
     1,
     6,
     {{5, 5, {"# . X X H . O"}}}},
    {"... nor when the computer's point closing it is out of play",
     kLine3,
     1,
     6,
     {{5, 5, {"o . X X H . ."}}}},
    {"the computer's three, far side off the sheet: the near end",
     kLine3,
     1,
     6,
     {{5, 24, {". * A O O ."}}}},
    {"the human's same three is not blocked by that rule",
     kLine3,
     1,
     6,
     {{5, 24, {". . H X X ."}}}},
    {"a two at level 4 leaves its own direction to the die",
     kLine2,
     4,
     1,
     {{5, 5, {". * A O . ."}}}},
    {"a two at level 4: a human point below an end",
     kLine2,
     4,
     6,
     {{5, 5, {". . O A * .", ". . . . X ."}}}},
    {"a single point, die high: below", kLine1, 1, 6, {{4, 5, {".", "A", "*"}}}},
    {"a single point, die low: above", kLine1, 1, 1, {{4, 5, {"*", "A", "."}}}},
    {"at level 4 the crossing choice goes before the die",
     kLine3,
     4,
     6,
     {{5, 4, {". . * A O O . .", ". X . . . . . .", "X . . . . . . ."}}}},
    {"crossing: human pair at the second end before own pair at the first",
     kCrossing,
     4,
     6,
     {{7, 7, {"E O O . . . . . . . f X X"}}}},
    {"crossing: the first end within a group",
     kCrossing,
     4,
     6,
     {{7, 7, {"e X . . . . . . . . F X"}}}},
    {"crossing: a human pair out of play ends the choice",
     kCrossing,
     4,
     6,
     {{7, 7, {"E x x . . . . . . . F X"}}}},
    {"crossing at level 3: a human pair", kCrossing, 3, 6, {{7, 7, {"e X X ."}}}},
    {"crossing at level 3: nothing else", kCrossing, 3, 6, {{7, 7, {"E O O ."}}}},
    {"extend: a closed three becomes an open four",
     kExtend,
     1,
     6,
     {{5, 5, {". * O O O X", "X . X . X ."}}}},
    {"extend: the same with its far end closed ends the chain",
     kExtend,
     1,
     6,
     {{5, 5, {"# . O O O X", "X . X . X ."}}}},
    {"extend: a vertical hole at level 4",
     kExtend,
     4,
     6,
     {{4, 6, {"X . X . X", "O . . . .", "O . . . .", "* . . . .", "O . . . .", ". . . . ."}}}},
    {"extend: not below level 4",
     kExtend,
     3,
     6,
     {{4, 6, {"X . X . X", "O . . . .", "O . . . .", ". . . . .", "O . . . .", ". . . . ."}}}},
    {"extend: an earlier game's point closing the three",
     kExtend,
     1,
     6,
     {{8, 6, {"O"}}, {4, 6, {".", "*", "O", "O", "?", "x"}}, {12, 4, {"X . X"}}}},
    {"extend: the computer's newest point is no anchor when it opened",
     kExtend,
     4,
     6,
     {{7, 7, {"O . O X"}}, {7, 5, {". O"}}, {12, 4, {"X . X"}}}},
    {"extend: ... and is one when the human opened",
     kExtend,
     4,
     6,
     {{7, 7, {"O * O X"}}, {7, 5, {". O"}}, {12, 4, {"X . X . X"}}}},
    {"extend: a closed three down-left, from its first point",
     kExtend,
     1,
     6,
     {{4, 10, {"*"}}, {5, 9, {"O"}}, {6, 8, {"O"}}, {7, 7, {"O"}}, {8, 6, {"X"}}, {12, 4, {"X"}}}},
    {"extend: not up to a four a human point already closes",
     kExtend,
     1,
     6,
     {{4, 6, {"X", "O", "O", "O", ".", "X"}}, {12, 4, {"X . X"}}}},
    {"turn: own four wins rather than blocking the human's",
     kTurn,
     1,
     6,
     {{4, 3, {"* O O O O .", ". . . . . .", ". X X X X ."}}}},
    {"turn: double threats over the human's points not at level 1",
     kTurn,
     1,
     6,
     {kHumansClosedThree, kFarHumanPoint, kHumansDoubleThreat},
     true},
    {"turn: ... from level 2",
     kTurn,
     2,
     6,
     {kHumansClosedThree, kFarHumanPoint, kHumansDoubleThreat}},
    {"turn: double threats over the computer's points not at level 2",
     kTurn,
     2,
     6,
     {kComputersClosedThree, kFarHumanPoint, kComputersDoubleThreat},
     true},
    {"turn: ... from level 3",
     kTurn,
     3,
     6,
     {kComputersClosedThree, kFarHumanPoint, kComputersDoubleThreat}},
    {"turn: ... also when its end is closed and empty",
     kTurn,
     3,
     6,
     {{9, 7, {". . o . . . .", ". . . O O O #", ". . . . . . .", ". . o . . . ."}},
      kFarHumanPoint,
      kComputersDoubleThreat}},
    {"turn: level 3 extends before blocking with 8 computer points",
     kTurn,
     3,
     6,
     {kThreeToExtend, kHumansClosedThree, LonePoints("O", 4), kFarHumanPoint, kExtension}},
    {"turn: ... not with 7",
     kTurn,
     3,
     6,
     {kThreeToExtend, kHumansClosedThree, LonePoints("O", 3), kFarHumanPoint, kHumansDoubleThreat}},
    {"turn: level 2 extends its own line early only from 6 points",
     kTurn,
     2,
     6,
     {kThreeToExtend, {18, 4, {"X . . . X . . . X . . . X"}}, {5, 7, {"*"}}}},
    {"turn: level 4 blocks a two of the human with 3 to 7 points",
     kTurn,
     4,
     1,
     {{10, 5, {". * X X . ."}}, {18, 3, {"X"}}}},
    {"turn: ... not with 8",
     kTurn,
     4,
     1,
     {{10, 5, {". . X X . ."}}, {18, 3, {"X . X . X . X . X . X *"}}}},
    {"turn: ... nor with 2", kTurn, 4, 1, {{10, 5, {". . X X * ."}}}},
    {"turn: level 2 blocks where two pairs of the human would cross",
     kTurn,
     2,
     6,
     {{8, 6, {". X . .", ". X . .", ". * X X"}}}},
    {"fallback: left of the human's last point", kTurn, 1, 6, {{10, 9, {"* X #"}}}},
    {"fallback: above-right last", kTurn, 1, 6, {{9, 9, {"o o *", "o X o", "# o #"}}}},
    {"fallback: right of the game's box", kTurn, 1, 6, {kBox, {9, 13, {"*"}}}},
    {"fallback: left of the box", kTurn, 1, 6, {kBox, {9, 7, {"*"}}, {9, 13, {"#"}}}},
    {"fallback: left of the box, closed: nothing", kTurn, 1, 6, {kBox, {9, 7, {"# . . . . . #"}}}},
    {"fallback: above the box", kTurn, 1, 6, {kBox, {8, 8, {"*"}}, {9, 7, {"x . . . . . #"}}}},
};

TEST(RuleTable, EachRowsReply) {
  for (const Row& row : kRows) {
    TurnFixture f({row.die});
    int anchor = 0;
    int ends[2] = {0, 0};
    int expected = 0;
    for (Picture picture : row.pictures) {
      ForEachCell(picture, [&](int index, char letter) {
        if (letter == 'A' || letter == 'H') anchor = index;
        if (letter == 'E' || letter == 'e') ends[0] = index;
        if (letter == 'F' || letter == 'f') ends[1] = index;
        if (letter == '*' || letter == 'e' || letter == 'f') expected = index;
      });
      for (std::string& line : picture.lines) {
        for (char& letter : line) letter = letter == 'A' ? 'O' : letter == 'H' ? 'X' : letter;
      }
      f.SetUp(picture);
    }
    Turn turn = f.MakeTurn(row.level);
    const int colour = f.sheet.ColourAt(anchor);
    switch (row.call) {
      case kTurn: ComputerTurn(turn); break;
      case kCrossing: CrossingChoice(turn, ends[0], ends[1]); break;
      case kExtend: ExtendOwnLineRules(turn); break;
      default: LineRules(turn, anchor, row.call, colour);
    }
    const std::string where = "reply at (" + std::to_string(RowOf(f.Placed())) + ", " +
                              std::to_string(ColumnOf(f.Placed())) + "): " + row.what;
    if (row.level < 4) {
      EXPECT_EQ(f.asked.size(), f.refusedBeforePlaying + f.placed.size()) << where;
    }
    if (row.elsewhere) {
      EXPECT_NE(f.Placed(), expected) << where;
      EXPECT_NE(f.Placed(), 0) << where;
    } else {
      EXPECT_EQ(f.Placed(), expected) << where;
    }
  }
}

}  // namespace
}  // namespace quintara::testing
