#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "opponent/DoubleThreatRules.h"
#include "support/MarkedPicture.h"
#include "support/TurnFixture.h"

namespace quintara::testing {
namespace {

// One call of DoubleThreatRules on the anchor @ of a picture; * is the point the computer must
// take, and a picture without * expects nothing to be placed.
struct Case {
  std::string name;
  Picture picture;
  int mode = 2;
  int colour = ComputerColour;
  int level = 4;
  char anchorLetter = 0;  // by default the side read for; mode 21 anchors on the human
};

std::string Where(int index) {
  if (index == 0) return "nothing";
  // Appended in turn: GCC 12 at -O3 warns falsely (-Wrestrict) on "(" + std::string.
  std::string where = "(";
  where.append(std::to_string(RowOf(index))).append(", ");
  return where.append(std::to_string(ColumnOf(index))).append(")");
}

void Check(const Case& c) {
  SCOPED_TRACE(c.name);
  const bool human = c.mode == 21 || c.colour == HumanColour;
  const MarkedPicture marked = Mark(c.picture, c.anchorLetter ? c.anchorLetter : human ? 'X' : 'O');
  ASSERT_NE(marked.anchor, 0) << "the picture has no anchor @";
  TurnFixture f;
  f.SetUp(marked.picture);
  Turn turn = f.MakeTurn(c.level);
  DoubleThreatRules(turn, marked.anchor, c.mode, c.colour);
  std::string asked;
  for (const int index : f.asked) asked += Where(index) + " ";
  EXPECT_EQ(Where(f.Placed()), Where(marked.expected))
      << "asked: " << asked << "\n"
      << Show(f.sheet, RowOf(marked.anchor) - 5, ColumnOf(marked.anchor) - 5, 11, 11);
}

void CheckAll(const std::vector<Case>& cases) {
  for (const Case& c : cases) Check(c);
}

TEST(DoubleThreatRules, WorkedExampleInEitherColour) {
  const std::vector<std::string> lines = {
      ". . . . . . .",  //
      ". . . . O . .",  //
      ". . . . O . .",  //
      ". . O @ * . .",  //
      ". . . . . . .",
  };
  std::vector<std::string> human = lines;
  for (std::string& line : human) {
    for (char& letter : line) letter = letter == 'O' ? 'X' : letter;
  }
  CheckAll({
      {"computer points, read for the computer", {7, 8, lines}, 2, ComputerColour},
      {"human points, read for the human", {7, 8, human}, 2, HumanColour},
  });
}

TEST(DoubleThreatRules, TriggersOfModes2And3) {
  CheckAll({
      {"mode 2, first trigger: C1",
       {8,
        7,
        {". . . . . . .",  //
         ". . . . O . .",  //
         ". . . . O . .",  //
         ". . O @ * . ."}},
       2},
      {"mode 2, first trigger: C2 when C1 offers no line",
       {8,
        7,
        {". . . . . O .",  //
         ". . . . . O .",  //
         ". . O @ . * ."}},
       2},
      {"mode 2, second trigger: the gap",
       {8,
        7,
        {". . . . O . .",  //
         ". . . . O . .",  //
         ". . . @ * O ."}},
       2},
      {"mode 2, second trigger only offers the gap, not A-s",
       {8,
        7,
        {". . O . . . .",  //
         ". . O . . . .",  //
         ". . . @ . O ."}},
       2},
      {"mode 2, third trigger: C1 = A-s",
       {8,
        7,
        {". . O . . . .",  //
         ". . O . . . .",  //
         ". . * @ O . ."}},
       2},
      {"mode 2, fourth trigger when the second fails on an X at A-2s",
       {8,
        7,
        {". . O . . . .",  //
         ". . O . . . .",  //
         ". X * @ . O ."}},
       2},
      {"mode 3, first trigger closed by an X point",
       {8,
        6,
        {". . . . . O .",  //
         ". . . . . O .",  //
         ". X O O @ * ."}},
       3},
      {"mode 3, first trigger closed by an unplayable place",
       {8,
        6,
        {". . . . . O .",  //
         ". . . . . O .",  //
         ". # O O @ * ."}},
       3},
      {"mode 3, first trigger with a free end: nothing",
       {8,
        6,
        {". . . . . O .",  //
         ". . . . . O .",  //
         ". . O O @ . ."}},
       3},
      {"mode 3, second trigger closed by an X point",
       {8,
        7,
        {". . O . . . .",  //
         ". . O . . . .",  //
         ". . * @ O O X"}},
       3},
      {"mode 3 at level 2",
       {8,
        6,
        {". . . . . O .",  //
         ". . . . . O .",  //
         ". X O O @ * ."}},
       3,
       ComputerColour,
       2},
      {"mode 3 at level 1: nothing",
       {8,
        6,
        {". . . . . O .",  //
         ". . . . . O .",  //
         ". X O O @ . ."}},
       3,
       ComputerColour,
       1},
      {"a mode other than 2, 3 or 21: nothing",
       {8,
        7,
        {". . . . O . .",  //
         ". . . . O . .",  //
         ". . O @ . . ."}},
       5},
  });
}

TEST(DoubleThreatRules, TriggerDirectionIsSkipped) {
  CheckAll({
      {"a vertical two: its candidates complete only vertical lines, nothing",
       {8,
        6,
        {". . . . . . .",  //
         ". . . . O . .",  //
         ". . . . @ . .",  //
         ". . . . . . .",  //
         ". . . . . . ."}},
       2},
      {"the same candidate taken through a horizontal line",
       {8,
        6,
        {". . . . . . .",  //
         ". . . . O . .",  //
         ". . . . @ . .",  //
         ". . O O * . .",  //
         ". . . . . . ."}},
       2},
  });
}

// A vertical trigger (the anchor and the point above it) names C1 below the anchor; each family
// of ThreeRules is laid horizontally through C1.
TEST(DoubleThreatRules, ThreeRulesFamilies) {
  const auto family = [](const std::string& name, const std::string& row11) {
    return Case{name,
                {9,
                 6,
                 {". . . . O . . . .",  //
                  ". . . . @ . . . .",  //
                  row11}},
                2};
  };
  CheckAll({
      family("A -OO*-", ". . O O * . . . ."),
      family("B -O.O*-", ". O . O * . . . ."),
      family("C -*OO-", ". . . . * O O . ."),
      family("D -*O.O-", ". . . . * O . O ."),
      family("E -OO.*-", ". O O . * . . . ."),
      family("F -*.OO-", ". . . . * . O O ."),
      family("G -O*O-", ". . . O * O . . ."),
      family("H -O*.O-", ". . . O * . O . ."),
      family("I -O.*O-", ". . O . * O . . ."),
      // H and I test no playability: a point of an earlier game serves.
      family("H with a closed point", ". . . o * . o . ."),
      family("I with a closed point", ". . o . * o . . ."),
      // A tests playability: its closed point stops it.
      {"A with a closed point: nothing",
       {9,
        6,
        {". . . . O . . . .",  //
         ". . . . @ . . . .",  //
         ". . O o . . . . ."}},
       2},
      {"a line of the other side: nothing",
       {9,
        6,
        {". . . . O . . . .",  //
         ". . . . @ . . . .",  //
         ". . X X . . . . ."}},
       2},
  });
}

TEST(DoubleThreatRules, FirstMatchingRuleDecides) {
  CheckAll({
      // Rule 1 (A down-left) holds through a closed point and fails its playability test;
      // rule 3 (A vertical) would pass but is not tried.
      {"A down-left before A vertical: nothing",
       {7,
        8,
        {". . . . . . .",  //
         ". . . . O . O",  //
         ". . . . O o .",  //
         ". . O @ . . .",  //
         ". . . . . . ."}},
       2},
      // In family G the vertical rule comes before the down-left one.
      {"G vertical before G down-left",
       {7,
        8,
        {". . . . . . .",  //
         ". . . . . . .",  //
         ". . . . O o .",  //
         ". . O @ * . .",  //
         ". . . o O . .",  //
         ". . . . . . ."}},
       2},
  });
}

TEST(DoubleThreatRules, CandidatesInTurn) {
  Case refused{"C1 refused (closed): C2 is examined",
               {7,
                8,
                {". . . . . . .",  //
                 ". . . . O O .",  //
                 ". . . . O O .",  //
                 ". . O @ # * .",  //
                 ". . . . . . ."}},
               2};
  Check(refused);
  TurnFixture f;
  const MarkedPicture marked = Mark(refused.picture);
  f.SetUp(marked.picture);
  Turn turn = f.MakeTurn(4);
  DoubleThreatRules(turn, marked.anchor, 2, ComputerColour);
  EXPECT_EQ(f.asked, (std::vector<int>{At(10, 12), At(10, 13)}));

  // C1 taken: C2 is never offered.
  TurnFixture taken;
  taken.SetUp({8, 10, {". . O O", ". . O O", "O O . ."}});
  Turn takenTurn = taken.MakeTurn(4);
  DoubleThreatRules(takenTurn, At(10, 11), 2, ComputerColour);
  EXPECT_EQ(taken.asked, std::vector<int>{At(10, 12)});
}

// Mode 21: an open pair of the human (X, with @ on its left) and a computer point that gains a
// line if the computer blocks one end.
TEST(DoubleThreatRules, Mode21) {
  const auto pair = [](const std::string& name, std::vector<std::string> lines, int level = 4,
                       int colour = HumanColour, char anchorLetter = 'X') {
    return Case{name, {7, 7, std::move(lines)}, 21, colour, level, anchorLetter};
  };
  const std::vector<std::string> j = {
      ". . . . . . . .",  //
      ". . . . . . . .",  //
      ". . O . . . . .",  //
      ". . * @ X . . .",  //
      ". . . . . . . .",  //
  };
  std::vector<std::string> jNothing = j;
  jNothing[3] = ". . . @ X . . .";
  CheckAll({
      pair("TwoRules at level 4", j),
      pair("no TwoRules at level 3", jNothing, 3),
      pair("no TwoRules at level 2", jNothing, 2),
      pair("no TwoRules at level 1", jNothing, 1),
      // The trigger reads the human's colour 65280 whatever colour the call names.
      pair("called with the computer's colour", j, 4, ComputerColour),
      pair("a computer pair is no trigger",
           {". . . . . . . .",  //
            ". . . . . . . .",  //
            ". . O . . . . .",  //
            ". . . @ O . . .",  //
            ". . . . . . . ."},
           4, HumanColour, 'O'),
      // The candidates are checked for the computer: a human point beside them gains nothing.
      pair("a human point beside the candidate: nothing",
           {". . . . . . . .",  //
            ". . . . . . . .",  //
            ". . X . . . . .",  //
            ". . . @ X . . .",  //
            ". . . . . . . ."}),
      pair("ThreeRules are tried first, at any level",
           {". . . . . . . .",  //
            ". . O . . . . .",  //
            ". . O . . . . .",  //
            ". . * @ X . . .",  //
            ". . . . . . . ."},
           3),
      pair("C2 when C1 gains nothing",
           {". . . . . . . .",  //
            ". . . . . . . .",  //
            ". . . . . O . .",  //
            ". . . @ X * . .",  //
            ". . . . . . . ."}),
  });
}

// TwoRules families laid vertically through C1 = (10, 9), at the left end of the human's pair.
TEST(DoubleThreatRules, TwoRulesFamilies) {
  const auto family = [](const std::string& name, std::vector<std::string> column9) {
    std::vector<std::string> lines;
    for (std::size_t row = 0; row < column9.size(); ++row) {
      const bool pairRow = row == 4;  // row 10
      lines.push_back(". " + column9[row] + (pairRow ? " @ X . ." : " . . . ."));
    }
    return Case{name, {6, 8, lines}, 21, HumanColour, 4};
  };
  //                       rows 6 .. 14 of column 9
  CheckAll({
      family("J --O*-", {".", ".", ".", "O", "*", ".", ".", ".", "."}),
      family("K -*O--", {".", ".", ".", ".", "*", "O", ".", ".", "."}),
      family(R"(L -O.*-??-)", {".", ".", "O", ".", "*", ".", ".", ".", "."}),
      family(R"(M -??-*.O-)", {".", ".", ".", ".", "*", ".", "O", ".", "."}),
      family("N --*O- (K fails on the X)", {".", ".", ".", ".", "*", "O", ".", "X", "."}),
      family("L with an X four places away: nothing",
             {".", ".", "O", ".", ".", ".", ".", ".", "X"}),
      family("K with a closed place: nothing", {".", ".", ".", ".", ".", "O", "#", ".", "."}),
  });
}

}  // namespace
}  // namespace quintara::testing
