#include <gtest/gtest.h>

#include "board/ShownArea.h"
#include "game/Game.h"
#include "support/GameFixture.h"

namespace quintara {
namespace {

using testing::At;
using testing::Picture;

const std::string kAskSheet =
    "ask Quintara: Si vous changez de feuille alors que la partie n'est pas terminée le point "
    "ira à Ordinateur. Voulez vous tout de même changer de feuille?";
const std::string kAskLevel =
    "ask Quintara: Si vous changez de niveau alors que la partie n'est pas terminée le point ira "
    "à Ordinateur. Voulez vous tout de même changer de niveau?";

class Menus : public testing::GameFixture {
 protected:
  Menus() { game.Form_Resize(kLargestOuterWidth, kLargestOuterHeight); }

  // A game under way: the human has played and the computer has answered.
  void GameUnderWay() { game.lblIntersection_Click(At(8, 8)); }
};

TEST_F(Menus, NewSheetInARunningGameAsksAndNoChangesNothing) {
  GameUnderWay();
  view.answers = {false};
  game.mnuNouvelle_Click();
  EXPECT_EQ(view.Only("ask"), (std::vector<std::string>{kAskSheet}));
  EXPECT_EQ(Points(), 2);
  EXPECT_EQ(game.MatchScores().ComputerGames, 0);
}

TEST_F(Menus, NewSheetInARunningGameAnsweredYesGivesTheGameToRed) {
  GameUnderWay();
  view.answers = {true};
  game.mnuNouvelle_Click();
  EXPECT_EQ(game.MatchScores().ComputerGames, 1);
  EXPECT_EQ(game.Statistics().ComputerWinsAtLevel[1], 1);
  EXPECT_EQ(Points(), 0);
  EXPECT_FALSE(game.State().GameOver);
}

TEST_F(Menus, NewSheetAsksNothingRightAfterTheComputerWonAndKeepsTheScores) {
  Lay(Picture{10, 4, {"X O O O O . . X"}});
  game.lblIntersection_Click(At(10, 10));
  ASSERT_EQ(game.MatchScores().ComputerGames, 1);
  game.mnuNouvelle_Click();
  EXPECT_TRUE(view.Only("ask").empty());
  EXPECT_EQ(Points(), 0);
  EXPECT_EQ(game.MatchScores().ComputerGames, 1);
}

TEST_F(Menus, AfterTheHumansWinTheComputersOpeningPointIsARunningGame) {
  Lay(Picture{5, 5, {"X X X X .", "O O O . ."}});
  game.lblIntersection_Click(At(5, 9));
  ASSERT_EQ(game.MatchScores().HumanGames, 1);
  view.answers = {false};
  game.mnuNouvelle_Click();
  EXPECT_EQ(view.Only("ask"), (std::vector<std::string>{kAskSheet}));
}

struct NoQuestionCase {
  const char* name;
  void (*prepare)(Game&);
};
void PrintTo(const NoQuestionCase& c, std::ostream* os) {
  *os << c.name;
}

class NewSheetWithoutQuestion : public Menus,
                                public ::testing::WithParamInterface<NoQuestionCase> {};

TEST_P(NewSheetWithoutQuestion, ClearsTheSheetAtOnce) {
  GetParam().prepare(game);
  const int red = game.MatchScores().ComputerGames;
  game.mnuNouvelle_Click();
  EXPECT_TRUE(view.Only("ask").empty());
  EXPECT_EQ(Points(), 0);
  EXPECT_EQ(game.MatchScores().ComputerGames, red);
}

INSTANTIATE_TEST_SUITE_P(Cases, NewSheetWithoutQuestion,
                         ::testing::Values(NoQuestionCase{"empty_sheet", [](Game&) {}},
                                           NoQuestionCase{"computer_not_yet_played",
                                                          [](Game& g) {
                                                            g.SetTwoPlayers(true);
                                                            g.lblIntersection_Click(At(8, 8));
                                                            g.SetTwoPlayers(false);
                                                          }},
                                           NoQuestionCase{"running_game_out_of_sight", [](Game& g) {
                                                            g.lblIntersection_Click(At(20, 27));
                                                            g.Form_Resize(9000, 6555);
                                                          }}));

TEST_F(Menus, ChangeOfLevelAsksEvenWhenTheGameIsOutOfSight) {
  game.lblIntersection_Click(At(20, 27));
  game.Form_Resize(9000, 6555);
  view.answers = {true};
  EXPECT_TRUE(game.mnuChanger_Click());
  EXPECT_EQ(view.Only("ask"), (std::vector<std::string>{kAskLevel}));
  EXPECT_EQ(game.MatchScores().ComputerGames, 1);
  EXPECT_EQ(Points(), 0);
}

TEST_F(Menus, ChangeOfLevelAnsweredNoChangesNothingAndShowsNoDialog) {
  GameUnderWay();
  view.answers = {false};
  EXPECT_FALSE(game.mnuChanger_Click());
  EXPECT_EQ(Points(), 2);
}

TEST_F(Menus, ChangeOfLevelBeforeTheComputersFirstPointCostsNothing) {
  EXPECT_TRUE(game.mnuChanger_Click());
  EXPECT_TRUE(view.Only("ask").empty());
  EXPECT_EQ(game.MatchScores().ComputerGames, 0);
}

TEST_F(Menus, GivingUpTheMatchsLastGameLeavesTheComputerItsNextReply) {
  // Red has won two sets and four games: giving up this game ends the match.
  view.answers = {};
  WinGames(true, 14);
  game.lblIntersection_Click(At(20, 28));  // a game under way, far from the played ones
  ASSERT_FALSE(game.State().ComputerNotYetPlayed);
  view.answers = {true, true};  // give up, then play again
  game.mnuNouvelle_Click();
  EXPECT_EQ(game.MatchScores().ComputerSets, 0);
  EXPECT_EQ(Points(), 0);
  EXPECT_FALSE(game.State().ComputerHasPlayed);
  game.lblIntersection_Click(At(8, 8));
  EXPECT_EQ(Points(), 2);
}

}  // namespace
}  // namespace quintara
