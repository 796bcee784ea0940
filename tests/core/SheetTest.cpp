// The shown area, the cross-hair, a finished game's zone and where the next game opens.
#include <gtest/gtest.h>

#include <cmath>

#include "game/Texts.h"
#include "support/RecordingView.h"

namespace quintara::testing {
namespace {

class ShownArea : public GameFixture {
 protected:
  void Press(Key key, int times = 1) {
    for (int k = 0; k < times; ++k) game.PressKey(key), Settle();
  }
  void MoveTo(int index) {  // on the largest sheet, from its top-left corner
    for (const Key key : {Key::kUp, Key::kLeft}) Press(key, 30);
    Press(Key::kDown, RowOf(index) - 2);
    Press(Key::kRight, ColumnOf(index) - 2);
  }
};

// Both sides of every edge; a width off the bands keeps the columns, from either end of them.
TEST_F(ShownArea, EveryEdgeOfTheTablesOfRowsAndColumns) {
  const Sheet& sheet = game.CurrentSheet();
  const auto shown = [&](int rows, int columns) {
    return std::tuple(sheet.RowMax(), sheet.ColMax(), sheet.Playable(At(rows, columns)),
                      sheet.Playable(At(rows + 1, 2)), sheet.Playable(At(2, columns + 1)));
  };
  const std::pair<int, int> rowsByHeight[] = {
      {6539, 21}, {6540, 15}, {6899, 15}, {6900, 16}, {7259, 16}, {7260, 17}, {7619, 17},
      {7620, 18}, {7979, 18}, {7980, 19}, {8339, 19}, {8340, 20}, {8699, 20}, {8700, 21}};
  for (const auto& [height, rows] : rowsByHeight) {
    game.Resize(kLargestOuterWidth, height);
    EXPECT_EQ(shown(rows, 29), std::tuple(rows, 29, true, false, false)) << height;
  }
  const std::tuple<int, int, int> columnsByWidth[] = {
      {8730, 9075, 20},   {9085, 9435, 21},   {9445, 9795, 22},   {9805, 10155, 23},
      {10165, 10515, 24}, {10525, 10875, 25}, {10895, 11235, 26}, {11245, 11595, 27},
      {11605, 11945, 28}, {11955, 12120, 29}};
  for (const auto& [before, beforeWidth] : {std::pair(20, 8730), std::pair(29, 12120)}) {
    for (const auto& [from, to, columns] : columnsByWidth) {
      const int past = to == kLargestOuterWidth ? columns : before;
      for (const auto& [width, expected] : {std::pair(from - 1, before), std::pair(from, columns),
                                            std::pair(to, columns), std::pair(to + 1, past)}) {
        game.Resize(beforeWidth, kLargestOuterHeight);
        game.Resize(width, kLargestOuterHeight);
        EXPECT_EQ(shown(21, expected), std::tuple(21, expected, true, false, false))
            << width << " after " << before;
      }
    }
  }
  game.Resize(kDesignOuterWidth, kDesignOuterHeight);
  game.Resize(kLargestOuterWidth + 1, kLargestOuterHeight + 1);  // capped to the largest
  EXPECT_EQ(std::tuple(game.OuterWidth(), game.OuterHeight(), sheet.RowMax(), sheet.ColMax()),
            std::tuple(kLargestOuterWidth, kLargestOuterHeight, 21, 29));
}

// The arrows stop at the shown area's edges and cross closed zones; Enter plays where free.
TEST_F(ShownArea, TheArrowsMoveTheCrossHairAndEnterPlaysWhereItStands) {
  Lay(Picture{3, 16, {"# x #"}});
  Press(static_cast<Key>(65));  // ignored: the cross-hair stays at row 3, column 15
  const std::tuple<Key, int, int, int> moves[] = {
      {Key::kRight, 2, 3, 17},  {Key::kEnter, 1, 3, 17}, {Key::kRight, 40, 3, 20},
      {Key::kDown, 40, 15, 20}, {Key::kLeft, 40, 15, 2}, {Key::kUp, 40, 2, 2}};
  for (const auto& [key, presses, row, column] : moves) {
    Press(key, presses);
    EXPECT_EQ(game.CrossHairIndex(), At(row, column)) << static_cast<int>(key);
  }
  Press(Key::kEnter);
  EXPECT_EQ(game.CurrentSheet().ColourAt(At(2, 3)), ComputerColour);
  // The reply's chime, started with its point and stopped once grown; the turn red meanwhile.
  EXPECT_EQ(view.Only("sound"), (std::vector<std::string>{"sound play", "sound stop"}));
  EXPECT_EQ(view.Only("turn"),
            (std::vector<std::string>{"turn 255 Ordinateur A vous de jouer     ",
                                      "turn 65280 Joueur 1 A vous de jouer     "}));
  for (const auto& [from, to] :
       {std::pair(At(20, 27), At(15, 20)), std::pair(At(20, 2), At(15, 2))}) {
    game.Resize(kLargestOuterWidth, kLargestOuterHeight);
    MoveTo(from);
    game.Resize(9000, 6555);  // Enter is refused; the first arrow brings the cross-hair back
    for (const Key key : {Key::kEnter, Key::kLeft}) Press(key);
    EXPECT_EQ(game.CrossHairIndex(), to);
  }
  for (const int index : {At(2, 2), At(2, 3), 10, -1, 99999}) Click(index);
  EXPECT_EQ(view.Only("message"),
            std::vector<std::string>(8, "message ATTENTION !!!: Vous ne pouvez plus jouer ici"));
  EXPECT_EQ(Points(), 3);
}

using TurnCycle = ShownArea;

// Past row 2 the window grows to the largest sheet; the last square searched is at row 10, column
// 18; with none free the computer opens a new sheet at row 7, column 7.
TEST_F(TurnCycle, TheComputerOpensWhereTheSearchFindsASquareOrElseOnANewSheet) {
  game.Resize(11000, kLargestOuterHeight);
  for (const auto& [row, column] :
       {std::pair(2, 10), {9, 5}, {9, 18}, {9, 29}, {15, 17}, {21, 5}}) {
    Lay(Picture{row, column, {"#"}});
  }
  Lay(Picture{21, 6, {"X X X X"}});
  Click(At(21, 10));
  EXPECT_EQ(game.State().ComputerMoves[1], At(8, 11));
  EXPECT_EQ(game.State().ComputerMoveCount, 1);
  EXPECT_EQ(view.Only("point "),  // the computer's point grows, the player's does not
            (std::vector{"point " + std::to_string(At(21, 10)) + " 65280",
                         "point " + std::to_string(At(8, 11)) + " 255 grows"}));
  EXPECT_EQ(std::pair(view.Only("maximise").size(), game.OuterWidth()),
            std::pair(std::size_t{1}, kLargestOuterWidth));
  // Said before the reply that may name the new columns; the height was already the largest.
  const std::vector<std::string> said = view.Only("say");
  EXPECT_EQ(std::vector(said.end() - 2, said.end()),
            (std::vector<std::string>{"say Feuille agrandie : 20 lignes, 28 colonnes",
                                      "say Ordinateur : ligne 7, colonne 10"}));
  Lay(Picture{5, 2, {"X X X X"}});
  Click(At(5, 6));
  EXPECT_EQ(game.State().ComputerMoves[1], At(15, 23));
  Lay(Picture{3, 2, {"X X X X"}});
  Click(At(3, 6));
  EXPECT_EQ(view.Only("message"),
            (std::vector<std::string>{
                "message Quintara: Ordinateur constate que l'espace de jeu est devenu trop petit. "
                "Il va donc changer de feuille"}));
  EXPECT_EQ(view.Only("cleared").size(), 1u);
  EXPECT_EQ(view.Only("maximise").size(), 1u);  // the largest window is not made larger again
  EXPECT_EQ(Points(), 1);
  EXPECT_EQ(game.CurrentSheet().ColourAt(At(7, 7)), ComputerColour);
  EXPECT_TRUE(game.Drawings().empty() && !game.CurrentSheet().Closed(At(10, 10)));
  EXPECT_EQ(game.TurnColour(), HumanColour);
  Lay(Picture{12, 4, {"x X X . X x"}});  // a finished game's points count in no five
  Click(At(12, 7));
  EXPECT_TRUE(game.Drawings().empty());
}

// While a box waits for its answer, as a modal window would, the game takes no click, key or
// menu; the window's newest size is followed once the answer has come.
TEST_F(TurnCycle, WhileAQuestionWaitsNothingElseHappens) {
  Click(At(5, 5));  // a point and the reply, which could be taken back
  const std::size_t told = view.events.size();
  game.ClickIntersection(At(1, 1));  // refused with a box
  ASSERT_EQ(game.WaitingFor(), Game::Question::kMessage);
  game.ClickIntersection(At(8, 8));
  for (const Key key : {Key::kRight, Key::kEnter}) game.PressKey(key);
  game.TakeBack();
  game.AskHint();
  game.MenuNewSheet();
  game.MenuChangeLevel();
  game.ShowStatistics();
  game.Resize(9000, 6555);
  game.Resize(kLargestOuterWidth, kLargestOuterHeight);
  EXPECT_EQ(
      std::tuple(Points(), game.CrossHairIndex(), view.events.size() - told, game.OuterWidth()),
      std::tuple(2, At(3, 15), 1u, kDesignOuterWidth));
  game.Answer(true);
  EXPECT_EQ(std::tuple(game.WaitingFor(), game.OuterWidth(), game.CurrentSheet().RowMax()),
            std::tuple(Game::Question::kNone, kLargestOuterWidth, 21));
  game.Answer(true);  // nothing asked: nothing happens
  Click(At(8, 8));
  EXPECT_EQ(Points(), 4);
  game.Resize(9000, 6555);
  Click(At(1, 1));  // another box: the size followed before is not followed again
  EXPECT_EQ(game.OuterWidth(), 9000);
}

// The design sheet full but for its first `free` crossings, `firstRow` over its top row.
struct FullSheet
    : GameFixture,
      ::testing::WithParamInterface<std::tuple<bool, std::string, int, const char*, int>> {};

TEST_P(FullSheet, LeavesNobodyStuck) {
  const auto& [twoPlayers, firstRow, free, message, greenGames] = GetParam();
  game.SetTwoPlayers(twoPlayers);
  Picture sheet = FullDesignSheet();
  sheet.lines[0].replace(0, firstRow.size(), firstRow);
  sheet.lines[0].replace(0, free, std::string(free, '.'));
  Lay(sheet);
  Click(At(2, 2));
  EXPECT_EQ(view.Only("message"),
            std::vector<std::string>{std::string("message Quintara: ") + message});
  EXPECT_EQ(Points(), 0);
  EXPECT_TRUE(game.Drawings().empty() && !game.CurrentSheet().Closed(At(3, 3)));
  EXPECT_EQ(std::pair(game.MatchScores().HumanGames, game.MatchScores().ComputerGames),
            std::pair(greenGames, 0));
  EXPECT_EQ(view.Only("say Nouvelle feuille").size(), 1u);
  // The side to move opens the new sheet: the second player after the first, else the player.
  EXPECT_EQ(game.TurnColour(), twoPlayers ? ComputerColour : HumanColour);
  Click(At(9, 9));
  EXPECT_TRUE(game.CurrentSheet().HasPoint(At(9, 9)));
}

INSTANTIATE_TEST_SUITE_P(
    TurnCycle, FullSheet,
    ::testing::Values(
        std::tuple(true, "", 1, texts::kDrawnGame, 0),
        std::tuple(false, "", 1, texts::kDrawnGame, 0),
        // The player takes one of the last two crossings, the computer's reply the other.
        std::tuple(false, "", 2, texts::kDrawnGame, 0),
        // The last crossing wins: the game counts, and the next has nowhere to begin.
        std::tuple(true, ".XXXX", 1, texts::kSheetFull, 1)));

}  // namespace
}  // namespace quintara::testing
