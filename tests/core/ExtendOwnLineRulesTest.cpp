#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "opponent/ExtendOwnLineRules.h"
#include "support/MarkedPicture.h"
#include "support/TurnFixture.h"

namespace quintara::testing {
namespace {

// One call of ExtendOwnLineRules over a picture; * is the point the computer must take, and a
// picture without * expects nothing. Unless a case says otherwise the human opened the game,
// so every computer point is an anchor.
struct Case {
  std::string name;
  Picture picture;
  std::vector<int> levels = {1, 2, 3, 4};
  int humanMoveNumber = -1;  // -1: one more than the computer's points
};

std::string Where(int index) {
  if (index == 0) return "nothing";
  // Appended in turn: GCC 12 at -O3 warns falsely (-Wrestrict) on "(" + std::string.
  std::string where = "(";
  where.append(std::to_string(RowOf(index))).append(", ");
  return where.append(std::to_string(ColumnOf(index))).append(")");
}

void Check(const Case& c) {
  const MarkedPicture marked = Mark(c.picture);
  for (const int level : c.levels) {
    SCOPED_TRACE(c.name + ", level " + std::to_string(level));
    TurnFixture f;
    f.SetUp(marked.picture);
    const int humanMoveNumber =
        c.humanMoveNumber >= 0 ? c.humanMoveNumber : f.state.ComputerMoves.Count() + 1;
    Turn turn = f.MakeTurn(level, humanMoveNumber);
    ExtendOwnLineRules(turn);
    EXPECT_EQ(Where(f.Placed()), Where(marked.expected)) << Show(
        f.sheet, c.picture.row, c.picture.column, static_cast<int>(c.picture.lines.size()), 9);
  }
}

void CheckAll(const std::vector<Case>& cases) {
  for (const Case& c : cases) Check(c);
}

TEST(ExtendOwnLineRules, Rule1AndTheEndOfItsChain) {
  CheckAll({
      {"rule 1: a three closed by X, open towards A-2s", {10, 8, {". * O O O X"}}},
      {"rule 1 with A-2s closed: nothing", {10, 8, {"# . O O O X"}}},
      // Only the first computer point is an anchor. Its horizontal rule 1 holds and fails its
      // extra test, so its vertical rule 1 is never tried.
      {"rule 1 ends the chain before a vertical rule",
       {8,
        8,
        {". . . . . .",  //
         ". . . . . .",  //
         "# . O O O X",  //
         ". . O . . .",  //
         ". . O . . .",  //
         ". . X . . ."}},
       {1, 2, 3, 4},
       2},
      {"the vertical rule when the horizontal line is not closed",
       {8,
        8,
        {". . . . . .",  //
         ". . * . . .",  //
         "# . O O O .",  //
         ". . O . . .",  //
         ". . O . . .",  //
         ". . X . . ."}},
       {1, 2, 3, 4},
       2},
  });
}

TEST(ExtendOwnLineRules, HolesFilled) {
  CheckAll({
      {"rule 2 .OO.OX", {10, 8, {". O O * O X"}}},
      {"rule 3 XOO.O.", {10, 8, {"X O O * O ."}}},
      {"rule 4 .O.OOX", {10, 8, {". O * O O X"}}},
      {"rule 5 XO.OO.", {10, 8, {"X O * O O ."}}},
      {"rule 7 XOOO.. from the last point", {10, 8, {"X O O O * ."}}},
  });
}

TEST(ExtendOwnLineRules, Rule6PerDirection) {
  CheckAll({
      {"horizontal: A+4s may hold a point", {10, 8, {"X O O O * X"}}},
      {"horizontal: A+4s closed: nothing", {10, 8, {"X O O O . #"}}},
      {"vertical: an X on A+4s fails the extra test", {6, 10, {"X", "O", "O", "O", ".", "X"}}},
      {"vertical: A+4s free", {6, 10, {"X", "O", "O", "O", "*", "."}}},
      {"down-right: an own point on A+4s",
       {6,
        6,
        {"X . . . . .",  //
         ". O . . . .",  //
         ". . O . . .",  //
         ". . . O . .",  //
         ". . . . * .",  //
         ". . . . . O"}}},
      {"down-left: A+4s must hold no point",
       {6,
        9,
        {". . . . . X",  //
         ". . . . O .",  //
         ". . . O . .",  //
         ". . O . . .",  //
         ". . . . . .",  //
         "O . . . . ."}}},
      {"down-left: A+4s free",
       {6,
        9,
        {". . . . . X",  //
         ". . . . O .",  //
         ". . . O . .",  //
         ". . O . . .",  //
         ". * . . . .",  //
         ". . . . . ."}}},
  });
}

TEST(ExtendOwnLineRules, Rule8PerDirection) {
  CheckAll({
      {"horizontal", {10, 8, {". * O O O X"}}},
      {"horizontal: A-4s closed, and rule 1 stops on it: nothing", {10, 8, {"# . O O O X"}}},
      {"vertical: A-4s holds an X", {6, 10, {"X", ".", "O", "O", "O", "X"}}},
  });
}

TEST(ExtendOwnLineRules, LevelGatesBelongToTheTrigger) {
  CheckAll({
      {"rule 3 horizontally at every level", {10, 8, {"X O O * O ."}}},
      {"rule 3 vertically at level 4", {6, 10, {"X", "O", "O", "*", "O", "."}}, {4}},
      {"rule 3 vertically below level 4: skipped",
       {6, 10, {"X", "O", "O", ".", "O", "."}},
       {1, 2, 3}},
      {"rule 5 down-right at every level",
       {6,
        6,
        {"X . . . . .",  //
         ". O . . . .",  //
         ". . * . . .",  //
         ". . . O . .",  //
         ". . . . O .",  //
         ". . . . . ."}}},
      {"rule 5 down-left at level 4",
       {6,
        9,
        {". . . . . X",  //
         ". . . . O .",  //
         ". . . * . .",  //
         ". . O . . .",  //
         ". O . . . .",  //
         ". . . . . ."}},
       {4}},
      {"rule 5 down-left below level 4: skipped",
       {6,
        9,
        {". . . . . X",  //
         ". . . . O .",  //
         ". . . . . .",  //
         ". . O . . .",  //
         ". O . . . .",  //
         ". . . . . ."}},
       {1, 2, 3}},
      // An earlier game's point counts as O; with two points of its own in the game the computer
      // uses the list only at level 4.
      {"fewer than three points at level 4", {10, 8, {". O O * o X"}}, {4}},
      {"fewer than three points below level 4", {10, 8, {". O O . o X"}}, {1, 2, 3}},
  });
}

// The anchors are ComputerMoves(HumanMoveNumber - 1) down to ComputerMoves(1).
TEST(ExtendOwnLineRules, AnchorsFollowTheHumansCount) {
  // Rule 3 holds only from the first point of XOO.O.; here it is the computer's newest point.
  const auto run = [](int humanMoveNumber) {
    TurnFixture f;
    f.SetUp({10, 8, {"X . . . . ."}});
    for (const int column : {10, 12, 9}) {
      f.sheet.PutPoint(At(10, column), ComputerColour);
      f.state.ComputerMoves.Record(At(10, column));
    }
    Turn turn = f.MakeTurn(1, humanMoveNumber);
    ExtendOwnLineRules(turn);
    return f.Placed();
  };
  EXPECT_EQ(run(3), 0) << "the computer opened: its newest point is not an anchor";
  EXPECT_EQ(run(4), At(10, 11)) << "the human opened: every computer point is an anchor";
  EXPECT_EQ(run(7), At(10, 11)) << "empty slots above the computer's points are skipped";
  EXPECT_EQ(run(1), 0) << "no anchor at all";
  EXPECT_EQ(run(0), 0);
}

}  // namespace
}  // namespace quintara::testing
