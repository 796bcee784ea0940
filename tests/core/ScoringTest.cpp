// Games, sets and matches: the counts, the statistics, the points and the menus' give-ups.
#include <gtest/gtest.h>

#include "game/ScoreFile.h"
#include "support/Fixtures.h"
#include "support/MemoryScoreStore.h"

namespace quintara::testing {
namespace {

class Scoring : public GameFixture {
 protected:
  Scoring() { game.SetScoreStore(&store); }
  MemoryScoreStore store;
};

// Two matches between two players, game by game at the levels given (a new sheet for each):
// green wins the first 3 sets to 1, red the second 3 to 0. Points: 10 x level per green game,
// then for each level (green's wins - red's) x 10 x level where green won more.
TEST_F(Scoring, TwoMatchesCountWinsPerLevelPointsAndBestScores) {
  struct Match {
    const char* games;
    std::array<int, 5> green, red;
    int points;
    const char* end;
  };
  const Match matches[] = {{"r2r2r2r2r2g3r1g3g3g3g3g2g2r4g2g2r4g1g1g1g4g4g4",
                            {0, 3, 4, 5, 3},
                            {0, 1, 5, 0, 2},
                            590,
                            "\u2068Éloïse\u2069 remporte le match. Bravo!"},
                           {"g3r1r1r1r1r1r1r1r1r1r1r1r1r1r1r1",
                            {0, 0, 0, 1, 0},
                            {0, 15, 0, 0, 0},
                            60,
                            "\u2068Zoé\u2069 remporte le match. La revenche quand vous voulez"}};
  game.SetTwoPlayers(true);
  game.SetPlayerNames("Éloïse", "Zoé");
  store.file = EncodeScoreFile({{{"a", "900"},
                                 {"b", "800"},
                                 {"c", "700"},
                                 {"d", "600"},
                                 {"e", "500"},
                                 {"f", "100"},
                                 {"g", "10"}}});
  view.answers = {true};  // another match after the first, not after the second
  for (const Match& match : matches) {
    view.events.clear();
    for (const char* g = match.games; *g != 0; g += 2) {
      game.SetLevel(g[1] - '0');
      game.mnuNouvelle_Click();
      const bool red = g[0] == 'r';
      if (game.TurnColour() != (red ? ComputerColour : HumanColour)) Click(At(14, 14));
      Lay(Picture{10, 5, {red ? "OOOO" : "XXXX"}});
      Click(At(10, 9));
    }
    const MatchStatistics& s = game.Statistics();
    EXPECT_EQ(std::tuple(s.HumanWinsAtLevel, s.ComputerWinsAtLevel, s.MatchPoints),
              std::tuple(match.green, match.red, match.points));
    EXPECT_EQ(view.Only("message"), std::vector{"message Quintara: " + std::string(match.end)});
    EXPECT_EQ(view.Only("statistics").size(), 1u);
    EXPECT_EQ(view.Only("ask"), std::vector<std::string>{"ask Quintara: Voulez vous rejouer"});
  }
  const ScoreBoard& b = game.MatchScores();
  EXPECT_EQ(std::tuple(b.HumanGames, b.ComputerGames, b.HumanSets, b.ComputerSets, b.SetsShown),
            std::tuple(0, 0, 0, 3, true));
  const std::string red = "say Manche gagnée par \u2068Zoé\u2069. Manches : 0 à ";
  EXPECT_EQ(view.Only("say Manche"), (std::vector{red + "1", red + "2", red + "3"}));
  EXPECT_EQ(view.Only("quit"), std::vector<std::string>{"quit"});
  const Table best = {{"a", 900},      {"b", 800}, {"c", 700}, {"d", 600},
                      {"Éloïse", 590}, {"e", 500}, {"f", 100}, {"g", 10}};
  EXPECT_EQ(Filled(DecodeScoreFile(store.file.value())), best);
  // The list in memory starts from the file at each showing of the statistics.
  store.file = EncodeScoreFile({{{"z", "5"}}});
  game.ShowStatistics();
  EXPECT_EQ(Filled(game.BestScoreTable()), (Table{{"z", 5}}));
}

const std::string kAskSheet =
    "ask Quintara: Si vous changez de feuille alors que la partie n'est pas terminée le point "
    "ira à Ordinateur. Voulez vous tout de même changer de feuille?";
const std::string kAskLevel =
    "ask Quintara: Si vous changez de niveau alors que la partie n'est pas terminée le point ira "
    "à Ordinateur. Voulez vous tout de même changer de niveau?";

// The menus ask before giving up a game under way in which the computer has played, a new sheet
// only when one of its points can be seen; No changes nothing.
TEST_F(Scoring, TheMenusAskOnlyBeforeGivingUpAGameUnderWay) {
  game.Form_Resize(kLargestOuterWidth, kLargestOuterHeight);
  game.mnuNouvelle_Click();
  game.SetTwoPlayers(true);
  Click(At(8, 8));
  game.SetTwoPlayers(false);
  game.mnuNouvelle_Click();  // the computer has not played
  Lay(Picture{10, 4, {"X O O O O . . X"}});
  Click(At(10, 10));  // the computer's five: the human opens the next game
  game.mnuNouvelle_Click();
  Click(At(20, 27));
  game.Form_Resize(9000, 6555);
  game.mnuNouvelle_Click();  // a game out of sight
  Lay(Picture{5, 5, {"X X X X .", "O O O . ."}});
  Click(At(5, 9));  // the human's five: the computer opens the next game
  game.mnuNouvelle_Click();
  EXPECT_FALSE(game.mnuChanger_Click());
  EXPECT_EQ(view.Only("ask"), (std::vector{kAskSheet, kAskLevel}));
  EXPECT_EQ(view.Only("cleared").size(), 4u);
  EXPECT_EQ(Points(), 9);
  // Yes gives the game to red, though green played last.
  view.answers = {true};
  EXPECT_TRUE(game.mnuChanger_Click());
  EXPECT_EQ(std::pair(game.MatchScores().HumanGames, game.MatchScores().ComputerGames),
            std::pair(1, 2));
  EXPECT_EQ(Points(), 0);
}

}  // namespace
}  // namespace quintara::testing
