// What a property cannot see: which rule wins when several hold, which end the die picks,
// the level gates and the order of the anchors. One row per position.
#include <gtest/gtest.h>

#include <map>
#include <sstream>

#include "opponent/ComputerTurn.h"
#include "opponent/CrossingChoice.h"
#include "opponent/DoubleThreatRules.h"
#include "opponent/ExtendOwnLineRules.h"
#include "opponent/LineRules.h"
#include "support/TurnFixture.h"

namespace quintara::testing {
namespace {

// A row: what it shows; then what it calls (T a whole computer turn, L1..L4 LineRules with that
// many points, D2, D3, D21 DoubleThreatRules in that mode, C CrossingChoice on the ends E and F,
// E ExtendOwnLineRules), the level, the die's face and "elsewhere" when the reply must not be at
// *; then its pictures, "row column: line / line", or a $name from kNamed, laid in turn. Besides
// AsciiBoard's letters: A and H the anchor (a computer or a human point), E and F the two ends, *
// the one place where the computer must play (e or f when that is an end). Without * nothing may
// be placed. The human's last point is the last X or H laid.
const std::map<std::string, std::string> kNamed = {
    {"far", "18 20: X"},
    // The human's closed three and a split pair across its free end (10, 13).
    {"humans3", "8 8: .....X. / ....... / .OXXX.. / .....X."},
    // The computer's three closed by an earlier game and two earlier points across (10, 9).
    {"mine3", "9 7: ..o.... / ...OOOx / ....... / ..o...."},
    {"box", "8 7: ....... / ?X...X? / ..ooo.. / ..oXo.. / ..ooo.."},
    {"extend", "4 4: xOOO.."},
};

const char* const kRows[][2] = {
    {"open four: the die's high faces take the far end", "L4 1 4 | 5 5: .AOOO*"},
    {"open four: the low faces the near end", "L4 1 3 | 5 5: *AOOO."},
    {"open four read from its last point", "L4 1 6 | 5 5: *OOOA."},
    {"open four, one end closed: the other whatever the die", "L4 1 1 | 5 5: #AOOO*"},
    {"a four closed at its start: its end", "L4 1 6 | 5 5: xAOOO*#"},
    {"... from its last point, an earlier game's point at its start", "L4 1 6 | 5 5: oOOOA*"},
    {"... from its last point, closed at its start", "L4 1 6 | 5 5: XOOOA*"},
    {"... from its last point, closed past it", "L4 1 6 | 5 5: *OOOAX"},
    {"a four closed past its end, out of play two before it: its start", "L4 1 6 | 5 4: #*AOOOx"},
    {"three and a point out of play past them: nothing", "L4 1 6 | 5 5: ..OOAo"},
    {"... nor split", "L4 1 6 | 5 5: .O.OAo"},
    {"... nor split next to the last point", "L4 1 6 | 5 5: .OO.Ao"},
    {"a four with a hole, from its first point", "L4 1 6 | 5 5: AOO*O"},
    {"... from its last point", "L4 1 6 | 5 5: O*OOA"},
    {"... the hole next to its last point", "L4 1 6 | 5 5: OOO*A"},
    {"... the hole in the middle", "L4 1 6 | 5 5: AO*OO"},
    {"a failed rule ends its direction only",
     "L4 4 6 | 5 5: OOO.AOoOX / .....O... / ......O.. / .......O. / ........*"},
    {"the human's open three, die high", "L3 1 6 | 5 5: ..HXX*."},
    {"the human's closed three: nothing when its far side is closed", "L3 1 6 | 5 5: #.XXH.O"},
    {"... nor when the computer's point closing it is out of play", "L3 1 6 | 5 5: o.XXH.."},
    {"the computer's three, far side off the sheet: the near end", "L3 1 6 | 5 24: .*AOO."},
    {"the human's same three is not blocked by that rule", "L3 1 6 | 5 24: ..HXX."},
    {"an open three read from its last point, die low", "L3 1 1 | 5 5: #.OOA*#"},
    {"a three closed past its far side: the near end", "L3 1 6 | 5 5: #*AOO.X#"},
    {"a three closed before its start: the far end", "L3 1 6 | 5 4: #X.AOO*.#"},
    {"... closed past its far side, read from its last point", "L3 1 6 | 5 4: #.*OOA.X#"},
    {"... closed before its start, read from its last point", "L3 1 6 | 5 4: #X.OOA*.#"},
    {"a split three: its hole", "L3 1 6 | 5 4: #.AO*O.#"},
    {"... from its last point", "L3 1 6 | 5 4: #.O*OA.#"},
    {"... the hole next to its last point", "L3 1 6 | 5 4: #.OO*A.#"},
    {"... the hole next to its first point", "L3 1 6 | 5 4: #.A*OO.#"},
    {"a three closed at both ends, die low", "L3 1 1 | 5 5: x*AOO.x"},
    {"a split two: its hole", "L2 1 6 | 5 4: #.A*O.#"},
    {"a two with a human point before it: past its far end", "L2 1 1 | 5 5: X.AO*."},
    {"a two at level 4 leaves its own direction to the die", "L2 4 1 | 5 5: .*AO.."},
    {"a two at level 4: a human point below an end", "L2 4 6 | 5 5: ..OA*. / ....X."},
    {"the computer's three, near side closed: the far end", "L3 1 1 | 5 5: #.AOO*."},
    {"the computer's three with a point out of play: nothing", "L3 1 6 | 5 5: X.OoA.."},
    {"... nor read from its last point", "L3 1 6 | 5 5: ..OoA.."},
    {"... nor closed by X, read from its last point", "L3 1 6 | 5 5: ..oOA.X"},
    {"... nor closed by X, read from its first point", "L3 1 6 | 5 5: X.AoO.."},
    {"... nor when the place past its free end is out of play", "L3 1 6 | 5 5: X.AOO.#"},
    {"... nor a split three whose pair holds a point out of play", "L3 1 6 | 5 5: .A.oO."},
    {"a two with a human point past one end: the other end", "L2 1 6 | 5 5: .*AO.X"},
    {"a two at level 4: crossing choice first", "L2 4 6 | 5 5: .*AO.. / .X.... / .X...."},
    {"a two closed past one end: no crossing choice", "L2 4 6 | 5 5: X.OA.. / ....X."},
    {"a two closed past the other end: no crossing choice", "L2 4 6 | 5 5: ..OA.X / ....X."},
    {"a single point, die high: below", "L1 1 6 | 4 5: . / A / *"},
    {"a single point, die low: above", "L1 1 1 | 4 5: * / A / ."},
    {"a single point with a human point two below: above", "L1 1 6 | 3 5: . / . / * / A / . / X"},
    {"a single point with a human point two above: below", "L1 1 6 | 3 5: X / . / A / * / . / ."},
    {"a three at level 4: crossing choice first", "L3 4 6 | 5 4: ..*AOO.. / .X...... / X......."},
    {"crossing: human pair at F before own pair at E", "C 4 6 | 7 7: EOO.......fXX"},
    {"crossing: the first end within a group", "C 4 6 | 7 7: eX........FX"},
    {"crossing: a human pair out of play ends the choice", "C 4 6 | 7 7: ExX.......FX"},
    {"crossing: human point at F before own point at E", "C 4 6 | 7 7: EO........fx."},
    {"crossing: an earlier game's red point next to an end", "C 4 6 | 7 7: eoX.......F."},
    {"crossing: a human point two steps from an end", "C 4 6 | 7 7: e.X#......F."},
    {"crossing: own pair at F, even an earlier game's, first", "C 4 6 | 7 7: EX........foO."},
    {"crossing: an own point before a human one further on", "C 4 6 | 7 7: EXO.......fo."},
    {"crossing: a human point before an own one", "C 4 6 | 7 7: EOX.......fxO"},
    {"crossing: an own point two steps away", "C 4 6 | 7 7: E.........f.O#"},
    {"crossing at level 3: a pair closed or out of play", "C 3 6 | 7 7: EXXO.....FXX#"},
    {"crossing at level 3: a human pair", "C 3 6 | 7 7: eXX.#"},
    {"crossing at level 3: nothing else", "C 3 6 | 7 7: EOO."},
    {"double threat: a pair, and one down-left", "D2 3 6 | 5 5: .....O / ....O. / .OA*.."},
    {"double threat: the second candidate only if the first gave nothing",
     "D2 3 6 | 10 8: .OA*.. | 8 11: X / O | 11 11: OO / OO / O."},
    {"double threat: ... and the second when it did", "D2 3 6 | 10 8: .OA.*. | 11 12: O / O"},
    // A pair above the anchor offers the place below it; a line across that place makes a three.
    // Own points stand in the places that only must not be the human's, each family's line
    // closed where a later family would take the place too.
    {"double threat: OO and the place", "D2 3 6 | 9 10: O / A | 11 7: OOO*OX"},
    {"double threat: O.O and the place", "D2 3 6 | 9 10: O / A | 11 6: OO.O*OX"},
    {"double threat: the place and O.O", "D2 3 6 | 9 10: O / A | 11 8: XO*O.OO"},
    {"double threat: OO, a gap and the place", "D2 3 6 | 9 10: O / A | 11 6: OOO.*OX"},
    {"double threat: the place, a gap and OO", "D2 3 6 | 9 10: O / A | 11 8: XO*.OOO"},
    {"double threat: the place between two", "D2 3 6 | 9 10: O / A | 11 7: XOO*OOX"},
    {"double threat: OO, the place, a gap and O", "D2 3 6 | 9 10: O / A | 11 7: XOO*.OOX"},
    {"double threat: O, a gap, the place and OO", "D2 3 6 | 9 10: O / A | 11 6: XOO.*OOX"},
    {"double threat: a pair split by one, its hole",
     "D2 3 6 | 8 10: . / . / A / * / O / . | 11 7: .OO"},
    {"double threat: ... closed past it, the place before it",
     "D2 3 6 | 9 10: * / A / . / O / O | 9 7: .OO"},
    // Mode 21: the ends of the human's pair where a red point makes an open two across.
    // Its three across is not in play: the two across counts, an own point past it too.
    {"double threat: a two, its own point after the end",
     "D21 4 6 | 8 5: X / . / *HX.. / O / . / O / #"},
    {"double threat: a two, own point two before", "D21 4 6 | 8 5: O / . / *HX.. / O / X / X / O"},
    {"double threat: a two, own point two after", "D21 4 6 | 6 5: O / X / X / O / *HX.. / . / O"},
    {"double threat: a two, own point after, closed further",
     "D21 4 6 | 7 5: X / O / . / *HX.. / O / . / X"},
    {"double threat: ... not when a place of that two is out of play",
     "D21 4 6 | 6 5: # / X / X / . / .HX.. / . / O"},
    {"double threat: a human pair's end that makes a two at level 4", "D21 4 6 | 9 5: O / *HX.."},
    {"double threat: ... not below level 4", "D21 3 6 | 9 5: O / .HX.."},
    {"extend: a closed three becomes an open four", "E 1 6 | 5 5: .*OOOX / X.X.X."},
    {"extend: the same with its far end closed ends the chain", "E 1 6 | 5 5: #.OOOX / X.X.X."},
    {"extend: a hole at level 4", "E 4 6 | 4 6: X.X.X / O.... / O.... / *.... / O.... / ....."},
    {"extend: not below level 4", "E 3 6 | 4 6: X.X.X / O.... / O.... / ..... / O.... / ....."},
    {"extend: at level 4 from two points and an earlier game's", "E 4 6 | 5 5: .*OOoX / X.X..."},
    {"extend: not below level 4 from fewer than three points", "E 3 6 | 5 5: ..OOoX / X.X..."},
    {"extend: not from a point out of play", "E 4 6 | 4 6: X / O / o | 7 6: O / . / . | 12 4: X"},
    {"extend: an earlier game's point closing",
     "E 1 6 | 8 6: O | 4 6: . / * / O / O / ? / x | 12 4: X.X"},
    {"extend: newest point no anchor if red opened", "E 4 6 | 7 7: O.OX | 7 5: .O | 12 4: X.X"},
    {"extend: ... and is one when the human opened", "E 4 6 | 7 7: O*OX | 7 5: .O | 12 4: X.X.X"},
    {"extend: a three down-left", "E 1 6 | 4 10: * | 5 9: O | 6 8: O | 7 7: O | 8 6: X | 12 4: X"},
    {"extend: a closed three from its last point, the older points no anchors",
     "E 1 6 | 5 8: O*. | 5 7: O | 5 6: O | 5 5: X | 12 4: X.X"},
    {"extend: a hole after two, at every level across", "E 1 6 | 5 5: XOO*O. | 12 4: X.X"},
    {"extend: a hole before two", "E 1 6 | 5 5: .O*OOX | 12 4: X.X"},
    {"extend: a hole after one", "E 1 6 | 5 5: XO*OO. | 12 4: X.X"},
    {"extend: ... down-left at level 4",
     "E 4 6 | 5 11: X | 6 10: O | 7 9: * | 8 8: O | 9 7: O | 15 20: X.X"},
    {"extend: ... not below", "E 3 6 | 5 11: X | 6 10: O | 7 9: . | 8 8: O | 9 7: O | 15 20: X.X"},
    {"extend: across, past the four only its being in play counts",
     "E 1 6 | 5 5: XOOO*X | 12 4: X"},
    {"extend: down, its own places in play", "E 1 6 | 3 6: # / X / O / O / O / * / . | 12 4: X.X"},
    {"extend: down-right, before three closed, past it an own point",
     "E 1 6 | 4 4: O | 5 5: * | 6 6: O | 7 7: O | 8 8: O | 9 9: X | 14 20: X.X.X.X"},
    {"extend: down-right, past the four a point of its own",
     "E 1 6 | 4 4: X | 5 5: O | 6 6: O | 7 7: O | 8 8: * | 9 9: O | 14 20: X"},
    {"extend: down-left, past the four no point",
     "E 1 6 | 4 11: X | 5 10: O | 6 9: O | 7 8: O | 9 6: O | 14 20: X"},
    {"extend: ... nor before it",
     "E 1 6 | 4 11: O | 5 10: . | 6 9: O | 7 8: O | 8 7: O | 9 6: X | 14 20: X.X.X.X"},
    {"extend: not to a four already closed", "E 1 6 | 4 6: X / O / O / O / . / X | 12 4: X.X"},
    {"turn: own five before a block", "T 1 6 | 4 3: *OOOO. / ...... / .XXXX."},
    {"turn: own open three before the human's", "T 1 6 | 5 4: .*OOO.. | 12 4: ..XXX.."},
    {"turn: the human's four before an own open three", "T 1 6 | 5 3: ..OOO.. | 12 4: *XXXX."},
    {"turn: human's double threat not at level 1", "T 1 6 elsewhere | $humans3 | $far | 10 13: *"},
    {"turn: ... from level 2", "T 2 6 | $humans3 | $far | 10 13: *"},
    {"turn: own double threat not at level 2", "T 2 6 elsewhere | $mine3 | $far | 10 9: *"},
    {"turn: ... from level 3", "T 3 6 | $mine3 | $far | 10 9: *"},
    {"turn: ... also with its end closed",
     "T 3 6 | 9 7: ..o.... / ...OOO# / ....... / ..o.... | $far | 10 9: *"},
    {"turn: level 3, 8 red: extend first",
     "T 3 6 | $extend | $humans3 | 16 4: O...O...O...O | $far | 4 8: *"},
    {"turn: ... not with 7", "T 3 6 | $extend | $humans3 | 16 4: O...O...O | $far | 10 13: *"},
    {"turn: level 2 extends early not with 3", "T 2 6 | $extend | 18 4: X...X...X...X | 5 7: *"},
    {"turn: ... but with 6", "T 2 6 | $extend | 18 4: X...X...X...X | 16 4: O...O...O | 4 8: *"},
    {"turn: level 4 blocks a two at 3 to 7", "T 4 1 | 10 5: .*XX.. | 18 3: X"},
    {"turn: ... not with 8", "T 4 1 | 10 5: ..XX.. | 18 3: X.X.X.X.X.X*"},
    {"turn: ... nor with 2", "T 4 1 | 10 5: ..XX*."},
    {"turn: level 2 blocks two pairs crossing", "T 2 6 | 8 6: .X.. / .X.. / .*XX"},
    {"fallback: left of the human's last point", "T 1 6 | 10 9: *X#"},
    {"fallback: above-right last", "T 1 6 | 9 9: oo* / oXo / #o#"},
    {"fallback: right of the game's box", "T 1 6 | $box | 9 13: *"},
    {"fallback: left of the box", "T 1 6 | $box | 9 7: * | 9 13: #"},
    {"fallback: left of the box, closed: nothing", "T 1 6 | $box | 9 7: #.....#"},
    {"fallback: above the box", "T 1 6 | $box | 8 8: * | 9 7: x.....#"},
    {"fallback: below the box's first lowest point",
     "T 1 6 | 8 7: ....... / xX...X# / ....ooo / .X..oXo / .*..ooo"},
};

struct Row {
  std::string call;
  int level = 0;
  int die = 0;
  bool elsewhere = false;
  std::vector<Picture> pictures;
};

Row Parse(const std::string& text) {
  Row row;
  std::istringstream in(text);
  std::string piece;
  std::getline(in, piece, '|');
  std::istringstream head(piece);
  std::string elsewhere;
  head >> row.call >> row.level >> row.die >> elsewhere;
  row.elsewhere = elsewhere == "elsewhere";
  while (std::getline(in, piece, '|')) {
    std::string name;
    std::istringstream(piece) >> name;
    std::istringstream picture(name[0] == '$' ? kNamed.at(name.substr(1)) : piece);
    Picture& laid = row.pictures.emplace_back();
    char colon = 0;
    picture >> laid.row >> laid.column >> colon;
    for (std::string line; std::getline(picture, line, '/');) laid.lines.push_back(line);
    if (colon != ':' || laid.lines.empty()) ADD_FAILURE() << "unreadable picture: " << text;
  }
  return row;
}

TEST(RuleTable, EachRowsReply) {
  for (const auto& [what, text] : kRows) {
    const Row row = Parse(text);
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
    const PointColour colour = f.sheet.ColourAt(anchor);
    if (row.call == "T") ComputerTurn(turn);
    if (row.call == "C") CrossingChoice(turn, ends[0], ends[1]);
    if (row.call == "E") ExtendOwnLineRules(turn);
    if (row.call[0] == 'D')
      DoubleThreatRules(turn, anchor, ThreatMode{std::stoi(row.call.substr(1))}, colour);
    if (row.call[0] == 'L') LineRules(turn, anchor, LinePoints{row.call[1] - '0'}, colour);
    const int placed = turn.Point().value_or(0);
    std::string where = "reply at (";
    where += std::to_string(RowOf(placed)) + ", " + std::to_string(ColumnOf(placed));
    where += "): ";
    where += what;
    if (row.elsewhere) {
      EXPECT_NE(placed, expected) << where;
      EXPECT_NE(placed, 0) << where;
    } else {
      EXPECT_EQ(placed, expected) << where;
    }
  }
}

}  // namespace
}  // namespace quintara::testing
