// Which rule wins, which end the die picks, the level gates and the order of the anchors.
#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <map>
#include <set>
#include <sstream>

#include "opponent/ComputerTurn.h"
#include "opponent/CrossingChoice.h"
#include "opponent/DoubleThreatRules.h"
#include "opponent/ExtendOwnLineRules.h"
#include "opponent/LineRules.h"
#include "support/RecordingView.h"

namespace quintara::testing {
namespace {

// A row: the call (T ComputerTurn, L1..L4 LineRules, D2, D3, D21 DoubleThreatRules, C
// CrossingChoice, E ExtendOwnLineRules), level, die, "!" for a reply anywhere but *; pictures
// "row column: line/line" or $names. A, H the anchor; E, F the ends; * (e, f) the reply, or none.
const std::map<std::string, std::string> kNamed = {
    {"$humans3", "8 8: .....X./......./.OXXX../.....X."},
    {"$mine3", "9 7: ..o..../...OOOx/......./..o...."},
    {"$box", "8 7: ......./?X...X?/..ooo../..oXo../..ooo.."}};

const char* const kRows =
    // LineRules with 4, 3, 2 and 1 points.
    "L4 1 4|5 5: .AOOO*; L4 1 3|5 5: *AOOO.; L4 1 6|5 5: *OOOA.; L4 1 1|5 5: #AOOO*;"
    "L4 1 6|5 5: xAOOO*#; L4 1 6|5 5: oOOOA*; L4 1 6|5 5: XOOOA*; L4 1 6|5 5: *OOOAX;"
    "L4 1 6|5 4: #*AOOOx; L4 1 6|5 5: ..OOAo; L4 1 6|5 5: .O.OAo; L4 1 6|5 5: .OO.Ao;"
    "L4 1 6|5 5: AOO*O; L4 1 6|5 5: O*OOA; L4 1 6|5 5: OOO*A; L4 1 6|5 5: AO*OO;"
    "L4 4 6|5 5: OOO.AOoOX/.....O.../......O../.......O./........*; L3 1 6|5 5: ..HXX*.;"
    "L3 1 6|5 5: #.XXH.O; L3 1 6|5 5: o.XXH..; L3 1 6|5 24: .*AOO.; L3 1 6|5 24: ..HXX.;"
    "L3 1 1|5 5: #.OOA*#; L3 1 6|5 5: #*AOO.X#; L3 1 6|5 4: #X.AOO*.#; L3 1 6|5 4: #.*OOA.X#;"
    "L3 1 6|5 4: #X.OOA*.#; L3 1 6|5 4: #.AO*O.#; L3 1 6|5 4: #.O*OA.#; L3 1 6|5 4: #.OO*A.#;"
    "L3 1 6|5 4: #.A*OO.#; L3 1 1|5 5: x*AOO.x; L2 1 6|5 4: #.A*O.#; L2 1 1|5 5: X.AO*.;"
    "L2 4 1|5 5: .*AO..; L2 4 6|5 5: ..OA*./....X.; L3 1 1|5 5: #.AOO*.; L3 1 6|5 5: X.OoA..;"
    "L3 1 6|5 5: ..OoA..; L3 1 6|5 5: ..oOA.X; L3 1 6|5 5: ..oOA..; L3 1 6|5 5: X.AoO..;"
    "L3 1 6|5 5: X.AOO.#; L3 1 6|5 5: .A.oO.; L2 1 6|5 5: .*AO.X; L2 4 6|5 5: .*AO../.X..../.X....;"
    "L2 4 6|5 5: X.OA../....X.; L2 4 6|5 5: ..OA.X/....X.; L1 1 6|4 5: ./A/*; L1 1 1|4 5: */A/.;"
    "L1 1 6|3 5: ././*/A/./X; L1 1 6|3 5: X/./A/*/./.; L3 4 6|5 4: ..*AOO../.X....../X.......;"
    // CrossingChoice between the ends E and F.
    "C 4 6|7 7: EOO.......fXX; C 4 6|7 7: eX........FX; C 4 6|7 7: ExX.......FX;"
    "C 4 6|7 7: EO........fx.; C 4 6|7 7: eoX.......F.; C 4 6|7 7: e.X#......F.;"
    "C 4 6|7 7: EX........foO.; C 4 6|7 7: EXO.......fo.; C 4 6|7 7: EOX.......fxO;"
    "C 4 6|7 7: E.........f.O#; C 3 6|7 7: EXXO.....FXX#; C 3 6|7 7: eXX.x; C 3 6|7 7: EOO.;"
    // DoubleThreatRules: each trigger, families among more points (each family alone: below).
    "D2 3 6|5 5: .....O/....O./.OA*..; D2 3 6|10 8: .OA*..|8 11: X/O|11 11: OO/OO/O.;"
    "D2 3 6|10 8: .OA.*.|11 12: O/O; D2 1 6|9 10: O/A|11 7: OOO*OX; D2 3 6|9 10: O/A|11 6: OO.O*OX;"
    "D2 3 6|9 10: O/A|11 8: XO*O.OO; D2 3 6|9 10: O/A|11 6: OOO.*OX;"
    "D2 3 6|9 10: O/A|11 8: XO*.OOO; D2 3 6|9 10: O/A|11 7: XOO*OOX;"
    "D2 3 6|9 10: O/A|11 7: XOO*.OOX; D2 3 6|9 10: O/A|11 6: XOO.*OOX;"
    "D2 3 6|8 10: ././A/*/O/.|11 7: .OO; D2 3 6|9 10: */A/./O/O|9 7: .OO;"
    "D21 4 6|8 5: X/./*HX../O/./O/#; D21 4 6|8 5: O/./*HX../O/X/X/O;"
    "D21 4 6|6 5: O/X/X/O/*HX.././O; D21 4 6|7 5: X/O/./*HX../O/./X;"
    "D21 4 6|6 5: #/X/X/./.HX.././O; D21 4 6|9 5: O/*HX..; D21 3 6|9 5: O/.HX..;"
    "D2 3 6|8 7: O/O/*AO; D2 3 6|10 8: A.O|12 9: O/O/#;"
    "D3 1 6|9 10: O/O|11 6: XOOA.; D3 3 6|9 10: O/O|11 6: XOOA*.;"
    // ExtendOwnLineRules, each shape in each direction.
    "E 1 6|5 5: .*OOOX/X.X.X.; E 1 6|5 5: #.OOOX/X.X.X.;"
    "E 4 6|4 6: X.X.X/O..../O..../*..../O..../.....;"
    "E 3 6|4 6: X.X.X/O..../O..../...../O..../.....; E 4 6|5 5: .*OOoX/X.X...;"
    "E 3 6|5 5: ..OOoX/X.X...; E 4 6|4 6: X/O/o|7 6: O/./.|12 4: X;"
    "E 1 6|8 6: O|4 6: ./*/O/O/?/x|12 4: X.X; E 4 6|7 7: O.OX|7 5: .O|12 4: X.X;"
    "E 4 6|7 7: O*OX|7 5: .O|12 4: X.X.X; E 1 6|4 6: ....*/...O/..O/.O/X|12 4: X;"
    "E 1 6|5 8: O*.|5 7: O|5 6: O|5 5: X|12 4: X.X; E 1 6|5 5: XOO*O.|12 4: X.X;"
    "E 1 6|5 5: .O*OOX|12 4: X.X; E 1 6|5 5: XO*OO.|12 4: X.X;"
    "E 4 6|5 7: ....X/...O/..*/.O/O|15 20: X.X; E 3 6|5 7: ....X/...O/.../.O/O|15 20: X.X;"
    "E 1 6|5 5: XOOO*X|12 4: X; E 1 6|3 6: #/X/O/O/O/*/.|12 4: X.X;"
    "E 1 6|4 4: O/.*/..O/...O/....O/.....X|14 20: X.X.X.X;"
    "E 1 6|4 4: X/.O/..O/...O/....*/.....O|14 20: X; E 1 6|4 8: ...X/..O/.O/O|9 6: O|14 20: X;"
    "E 1 6|4 6: .....O/...../...O/..O/.O/X|14 20: X.X.X.X; E 1 6|4 6: X/O/O/O/./X|12 4: X.X;"
    "E 1 6|5 5: O*OOOX|12 4: X.X.X.X; E 4 6|6 5: */O/O/o/X|12 4: X.X;"
    "E 1 6|3 6: x/O/O/O/*/.|12 4: X.X.X.X; E 4 6|6 6: */.O/..O/...o/....X|12 4: X.X;"
    "E 1 6|5 5: ./.O/..O/...*/....O/.....X|12 4: X.X.X; E 4 6|5 5: X/.O/..O/...*/....O|12 4: X.X.X;"
    "E 1 6|5 5: ./.O/..*/...O/....O/.....X|12 4: X.X.X; E 1 6|5 5: X/.O/..*/...O/....O|12 4: X.X.X;"
    "E 4 6|5 5: X/.o/..O/...O/....*|12 4: X.X; E 4 6|5 5: .....X/....O/...O/..*/.O|12 4: X.X.X;"
    "E 4 6|5 5: .....X/....O/...O/..o/.*|12 4: X.X; E 4 6|6 5: ....*/...o/..O/.O/X|12 4: X.X;"
    "E 1 6|5 5: ./O/O/*/O/X|12 4: X.X.X; E 1 6|5 5: ./O/*/O/O/X|12 4: X.X.X;"
    "E 1 6|5 5: X/O/*/O/O|12 4: X.X.X; E 1 6|6 5: ....O/...O/..*/.O/X|12 4: X.X.X;"
    "E 1 6|6 5: ....O/...*/..O/.O/X|12 4: X.X.X; E 4 6|5 5: .....X/....o/...O/..O/.*|12 4: X.X;"
    // Whole turns: steps of the cascade deciding in order, the level gates, the fallbacks.
    "T 1 6|4 3: *OOOO./....../.XXXX.; T 1 6|5 4: .*OOO..|12 4: ..XXX..;"
    "T 1 6|5 3: ..OOO..|12 4: *XXXX.; T 1 6 !|$humans3|18 20: X|10 13: *;"
    "T 2 6|$humans3|18 20: X|10 13: *; T 2 6 !|$mine3|18 20: X|10 9: *;"
    "T 3 6|$mine3|18 20: X|10 9: *; T 3 6|9 7: ..o..../...OOO#/......./..o....|18 20: X|10 9: *;"
    "T 3 6|4 4: xOOO..|$humans3|16 4: O...O...O...O|18 20: X|4 8: *;"
    "T 3 6|4 4: xOOO..|$humans3|16 4: O...O...O|18 20: X|10 13: *;"
    "T 2 6|4 4: xOOO..|18 4: X...X...X...X|5 7: *;"
    "T 2 6|4 4: xOOO..|18 4: X...X...X...X|16 4: O...O...O|4 8: *; T 4 1|10 5: .*XX..|18 3: X;"
    "T 4 1|10 5: ..XX..|18 3: X.X.X.X.X.X*; T 4 1|10 5: ..XX*.; T 2 6|8 6: .X../.X../.*XX;"
    "T 1 6|10 9: *X#; T 1 6|9 9: oo*/oXo/#o#; T 1 6|$box|9 13: *; T 1 6|$box|9 7: *|9 13: #;"
    "T 1 6|$box|9 7: #.....#; T 1 6|$box|8 7: .*/x.....#;"
    "T 1 6|8 7: ......./xX...X#/....ooo/.X..oXo/.*..ooo; T 1 6|10 4: ..*XXX|16 10: O;"
    "T 3 6|8 7: O/O/*AO|16 4: X.X.X.X; T 1 6|10 8: OO*|16 4: X.X; T 4 6|10 7: .*XX/O;"
    "T 1 6|5 5: .*OOOX/.#####|12 4: X.X.X;";

Turn TurnOf(const Game& game, int level, DieSource& die) {
  const GameState& state = game.State();
  return Turn({game.CurrentSheet(), state.ComputerMoves, state.HumanMoves, state.Box, level,
               state.HumanMoves.Count()},
              die);
}

Picture PictureOf(const std::string& piece) {
  std::string name;
  std::istringstream(piece) >> name;
  std::istringstream picture(kNamed.contains(name) ? kNamed.at(name) : piece);
  Picture laid;
  char colon = 0;
  picture >> laid.row >> laid.column >> colon;
  for (std::string line; std::getline(picture, line, '/');) laid.lines.push_back(line);
  EXPECT_EQ(colon, ':') << piece;
  return laid;
}

// What a row's call placed (0 for nothing) and where its * lies.
std::pair<int, int> Reply(const std::string& text) {
  std::istringstream in(text);
  std::string piece, call;
  int level = 0, face = 0;
  std::getline(in, piece, '|');
  std::istringstream(piece) >> call >> level >> face;
  RecordingView view;
  FixedDie die(face);
  Game game(view, die);
  game.Resize(kLargestOuterWidth, kLargestOuterHeight);
  int anchor = 0, expected = 0, ends[2] = {0, 0};
  while (std::getline(in, piece, '|')) {
    const Picture laid = PictureOf(piece);
    ForEachCell(laid, [&](int index, char letter) {
      if (letter == 'A' || letter == 'H') anchor = index;
      if (letter == 'E' || letter == 'e') ends[0] = index;
      if (letter == 'F' || letter == 'f') ends[1] = index;
      if (letter == '*' || letter == 'e' || letter == 'f') expected = index;
    });
    Lay(game, laid);
  }
  Turn turn = TurnOf(game, level, die);
  const PointColour colour = game.CurrentSheet().ColourAt(anchor);
  const int mode = call.size() > 1 ? std::stoi(call.substr(1)) : 0;
  if (call == "T") ComputerTurn(turn);
  if (call == "C") CrossingChoice(turn, ends[0], ends[1]);
  if (call == "E") ExtendOwnLineRules(turn);
  if (call[0] == 'D') DoubleThreatRules(turn, anchor, ThreatMode{mode}, colour);
  if (call[0] == 'L') LineRules(turn, anchor, LinePoints{mode}, colour);
  return {turn.Point().value_or(0), expected};
}

TEST(RuleTable, EachRowsReply) {
  std::istringstream rows(kRows);
  for (std::string text; std::getline(rows, text, ';');) {
    const auto [placed, expected] = Reply(text);
    const bool elsewhere = text.substr(0, text.find('|')).ends_with('!');
    EXPECT_TRUE(elsewhere ? placed != expected && placed != 0 : placed == expected)
        << text << ": placed at " << placed << ", * at " << expected;
  }
}

// Rules that need places playable, listed as offsets from A on the last picture's line: each one
// closed keeps the point off; any other place closed does not.
// clang-format off
const std::pair<const char*, const char*> kPlayableRows[] = {
    {"L4 1 6|5 5: ..AOOO*.", "+1 +2 +3"},         {"L4 1 6|5 5: .*OOOA..", "-1 -2 -3"},
    {"L4 1 1|5 5: .*AOOO..", "+1 +2 +3"},         {"L4 1 1|5 5: ..OOOA*.", "-1 -2 -3"},
    {"L4 1 6|5 5: XAOOO*", "+1 +2 +3 +4"},        {"L4 1 6|5 5: *AOOOX", "-1 +1 +2 +3"},
    {"L3 1 6|5 5: .*OOA..", "-3 -2 -1 +1"},       {"L3 1 6|5 5: .*AOO.X", "-1 +3 +4"},
    {"L3 1 6|5 5: X.AOO*.", "-2 -1 +1 +2 +3 +4"}, {"L3 1 6|5 5: .*OOA.X", "-4 -3 -2 -1 +1 +2"},
    {"L3 1 6|5 5: X.OOA*.", "-4 -3 -2 -1 +1 +2"}, {"L3 1 6|5 5: .AO*O.", "-1 +1 +2 +3 +4"},
    {"L3 1 6|5 5: .O*OA.", "-4 -3 -2 -1 +1"},     {"L3 1 6|5 5: .OO*A.", "-4 -3 -2 -1 +1"},
    {"L3 1 6|5 5: .A*OO.", "-1 +1 +2 +3 +4"},     {"L3 1 6|5 5: X.AOO*X", "-1 +3"},
    {"L2 1 6|5 5: .A*O.", "-1 +1 +2 +3"},         {"L2 1 1|5 5: X.AO*.", "-2 +1"},
    {"E 1 6|12 4: X|5 5: .*AOOX", "-2"},          {"E 1 6|12 4: X.X.X|5 5: XOOA*.", "+2"},
    {"E 1 6|12 4: X|4 5: X/A/O/O/*/.", "-1 0 +1 +2 +3 +4"},
    {"E 1 6|12 4: X.X.X.X|5 5: O*OOAX", "-4 -3 -2 -1 0"},
    {"E 1 6|12 4: X.X.X.X|3 5: O/*/O/O/A/X", "-4 -3 -2 -1 0"}};
// clang-format on

TEST(RuleTable, ClosedPlacesTheRowsListKeepThePointOff) {
  for (const auto& [row, places] : kPlayableRows) {
    const std::string text = row;
    std::istringstream in(places);
    const std::set<int> listed(std::istream_iterator<int>(in), std::istream_iterator<int>{});
    const int star = Reply(text).second;
    EXPECT_EQ(Reply(text).first, star) << text;
    std::vector<std::pair<int, char>> line;
    ForEachCell(PictureOf(text.substr(text.rfind('|') + 1)),
                [&](int index, char letter) { line.emplace_back(index, letter); });
    const auto anchor = std::ranges::find(line, 'A', &std::pair<int, char>::second) - line.begin();
    for (std::size_t k = 0; k < line.size(); ++k) {
      const auto [index, letter] = line[k];
      if (letter == '*') continue;
      const std::string closed =
          text + '|' + std::to_string(RowOf(index)) + ' ' + std::to_string(ColumnOf(index)) + ": #";
      EXPECT_EQ(Reply(closed).first, listed.contains(static_cast<int>(k) - anchor) ? 0 : star)
          << closed;
    }
  }
}

// Each double-threat family, laid in each direction across a trigger's candidate C: C is played;
// with a tested place closed it is not (H and I test none); an own point on a "-" place keeps C.
TEST(RuleTable, EachFamilyInEachDirection) {
  const std::string families[] = {"-OO*-",  "-O.O*-", "-*OO-",       "-*O.O-",      "-OO.*-",
                                  "-*.OO-", "-O*O-",  "-O*.O-",      "-O.*O-",  // A to I
                                  "--O*-",  "-*O--",  R"(-O.*-??-)", R"(-??-*.O-)", "--*O-"};
  const int candidate = At(10, 10);
  for (const int step : kLineDirections) {
    for (const std::string& family : families) {
      const bool twoRules = &family >= &families[9];  // J to N
      const bool playabilityTest = &family != &families[7] && &family != &families[8];
      std::vector<std::pair<std::string, bool>> variants = {{'X' + family + 'X', true}};
      for (std::size_t p = 1; p <= family.size(); ++p) {
        std::string laid = variants[0].first;
        const auto letter = std::string("O.-").find(laid[p]);
        if (letter == std::string::npos) continue;
        laid[p] = "o##"[letter];
        variants.emplace_back(laid, !playabilityTest);
        laid[p] = 'O';  // an own point there instead
        if (letter == 2) variants.emplace_back(laid, true);
      }
      for (const auto& [laid, played] : variants) {
        const int across = step == kHorizontal ? kVertical : kHorizontal;
        RecordingView view;
        FixedDie die(6);
        Game game(view, die);
        game.Resize(kLargestOuterWidth, kLargestOuterHeight);
        // Mode 2's "..[O].O." with C at +1, or mode 21's ".[X]X.." with C at -1.
        const PointColour side = twoRules ? HumanColour : ComputerColour;
        const int anchor = candidate + (twoRules ? across : -across);
        game.LayPoint(anchor, side);
        game.LayPoint(candidate + (twoRules ? 2 : 1) * across, side);
        for (int offset = -static_cast<int>(laid.find('*')); const char letter : laid) {
          const int index = candidate + offset++ * step;
          Lay(game, Picture{RowOf(index), ColumnOf(index), {std::string(1, letter)}});
        }
        Turn turn = TurnOf(game, 4, die);
        DoubleThreatRules(turn, anchor, ThreatMode{twoRules ? 21 : 2}, side);
        EXPECT_EQ(turn.Point(), played ? std::optional(candidate) : std::nullopt)
            << laid << " along " << step;
      }
    }
  }
}

}  // namespace
}  // namespace quintara::testing
