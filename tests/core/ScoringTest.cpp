#include <gtest/gtest.h>

#include "board/ShownArea.h"
#include "game/Game.h"
#include "game/ScoreFile.h"
#include "support/GameFixture.h"
#include "support/MemoryScoreStore.h"

namespace quintara {
namespace {

using testing::At;
using testing::Picture;

constexpr bool kGreen = false;
constexpr bool kRed = true;

class Scoring : public testing::GameFixture {
 protected:
  Scoring() {
    game.SetScoreStore(&store);
    game.Form_Resize(kLargestOuterWidth, kLargestOuterHeight);
  }

  void Win(bool red, int count, int level = 1) {
    game.SetLevel(level);
    WinGames(red, count);
  }

  void Fill(std::initializer_list<std::pair<const char*, int>> places) {
    BestScores scores;
    std::size_t place = 0;
    for (const auto& [name, points] : places) {
      scores[place++] = BestScore{name, std::to_string(points)};
    }
    store.file = EncodeScoreFile(scores);
  }

  std::vector<int> FilePoints() const {
    std::vector<int> points;
    for (const BestScore& entry : DecodeScoreFile(store.file.value_or(""))) {
      points.push_back(entry.Points().value_or(-1));
    }
    return points;
  }

  const ScoreBoard& board() const { return game.MatchScores(); }

  testing::MemoryScoreStore store;
};

TEST_F(Scoring, FiveGamesWinASetAndTheSetsPartAppears) {
  Win(kGreen, 4);
  Win(kRed, 4);
  EXPECT_EQ(board().HumanGames, 4);
  EXPECT_EQ(board().ComputerGames, 4);
  EXPECT_FALSE(board().SetsShown);
  Win(kRed, 1);
  EXPECT_EQ(board().ComputerSets, 1);
  EXPECT_EQ(board().HumanSets, 0);
  EXPECT_EQ(board().HumanGames, 0);
  EXPECT_EQ(board().ComputerGames, 0);
  EXPECT_TRUE(board().SetsShown);
  EXPECT_TRUE(view.Only("message").empty());
}

TEST_F(Scoring, AMatchWhollyAtLevel2WonFifteenToSevenGives460) {
  view.answers = {false};
  Win(kRed, 3, 2);
  Win(kGreen, 5, 2);
  Win(kRed, 4, 2);
  Win(kGreen, 5, 2);
  Win(kGreen, 5, 2);
  EXPECT_EQ(game.Statistics().MatchPoints, 460);
  EXPECT_EQ(game.Statistics().HumanWinsAtLevel[2], 15);
  EXPECT_EQ(game.Statistics().ComputerWinsAtLevel[2], 7);
  EXPECT_EQ(view.Only("message Quintara: Joueur 1"),
            (std::vector<std::string>{"message Quintara: Joueur 1 remporte le match. Bravo!"}));
  EXPECT_EQ(view.Only("ask"), (std::vector<std::string>{"ask Quintara: Voulez vous rejouer"}));
  EXPECT_EQ(view.Only("statistics").size(), 1u);
  EXPECT_EQ(view.Only("quit").size(), 1u);
}

TEST_F(Scoring, TheFileOfThe460PointMatchHoldsTheNameThePointsAndNineEmptyPlaces) {
  Win(kRed, 3, 2);
  Win(kGreen, 5, 2);
  Win(kRed, 4, 2);
  Win(kGreen, 10, 2);
  const std::string name = "Joueur 1";
  std::string expected = std::string("\x08\x00\x08\x00", 4) + name +
                         std::string("\x08\x00\x03\x00", 4) + "460" + std::string(36, '\0');
  ASSERT_TRUE(store.file.has_value());
  EXPECT_EQ(store.file->size(), name.size() + 47);
  EXPECT_EQ(*store.file, expected);
}

TEST_F(Scoring, ALostMatchStillScoresItsGamesAndTheBonusOfLevelsWon) {
  view.answers = {false};
  Win(kGreen, 3, 4);
  Win(kRed, 1, 4);
  Win(kRed, 4, 1);   // first set to red
  Win(kRed, 10, 1);  // two more sets to red
  EXPECT_EQ(board().ComputerSets, 3);
  // 3 games at level 4 (120) and a bonus of (3 - 1) x 40.
  EXPECT_EQ(game.Statistics().MatchPoints, 200);
  EXPECT_EQ(view.Only("message"),
            (std::vector<std::string>{
                "message Quintara: Ordinateur remporte le match. La revenche quand vous voulez"}));
  EXPECT_EQ(FilePoints()[0], 200);
}

TEST_F(Scoring, TheStatisticsStartAgainAtTheFirstGameOfAMatch) {
  view.answers = {true};
  Win(kGreen, 15, 3);
  EXPECT_EQ(game.Statistics().MatchPoints, 15 * 30 + 15 * 30);
  Win(kRed, 1, 1);
  EXPECT_EQ(game.Statistics().HumanWinsAtLevel[3], 0);
  EXPECT_EQ(game.Statistics().ComputerWinsAtLevel[1], 1);
  EXPECT_EQ(game.Statistics().MatchPoints, 0);
}

TEST_F(Scoring, ANewSheetOrLevelDoesNotResetTheMatch) {
  Win(kGreen, 2, 1);
  Win(kRed, 1, 1);
  game.mnuNouvelle_Click();
  ASSERT_EQ(Points(), 0);
  Win(kGreen, 1, 4);
  EXPECT_EQ(board().HumanGames, 3);
  EXPECT_EQ(game.Statistics().MatchPoints, 10 + 10 + 40);
}

struct PlaceCase {
  const char* name;
  std::vector<int> before;  // points of places 1.. (the rest empty)
  int points;
  std::vector<int> after;  // the whole list, -1 for empty
};
void PrintTo(const PlaceCase& c, std::ostream* os) {
  *os << c.name;
}

class BestScorePlaces : public ::testing::TestWithParam<PlaceCase> {};

TEST_P(BestScorePlaces, TheFirstOfPlaces1To6WithFewerPointsTakesTheEntry) {
  BestScores scores;
  for (std::size_t place = 0; place < GetParam().before.size(); ++place) {
    std::string name = "p";  // appended: GCC 12 at -O3 warns falsely (-Wrestrict) on "p" + string
    name += std::to_string(place + 1);
    scores[place] = BestScore{name, std::to_string(GetParam().before[place])};
  }
  InsertBestScore(scores, "new", GetParam().points);
  std::vector<int> after;
  for (const BestScore& entry : scores) after.push_back(entry.Points().value_or(-1));
  EXPECT_EQ(after, GetParam().after);
}

INSTANTIATE_TEST_SUITE_P(
    Insertion, BestScorePlaces,
    ::testing::Values(
        PlaceCase{"empty_list", {}, 460, {460, -1, -1, -1, -1, -1, -1, -1, -1, -1}},
        PlaceCase{"ninety_after_a_hundred", {100}, 90, {100, 90, -1, -1, -1, -1, -1, -1, -1, -1}},
        PlaceCase{"tie_goes_below", {100, 50}, 100, {100, 100, 50, -1, -1, -1, -1, -1, -1, -1}},
        PlaceCase{"pushes_the_tenth_out",
                  {100, 90, 80, 70, 60, 50, 40, 30, 20, 10},
                  75,
                  {100, 90, 80, 75, 70, 60, 50, 40, 30, 20}},
        PlaceCase{"beating_only_place_7_changes_nothing",
                  {100, 90, 80, 70, 60, 50, 10},
                  45,
                  {100, 90, 80, 70, 60, 50, 10, -1, -1, -1}},
        PlaceCase{"place_6_is_still_examined",
                  {100, 90, 80, 70, 60, 50, 10},
                  55,
                  {100, 90, 80, 70, 60, 55, 50, 10, -1, -1}},
        PlaceCase{"an_empty_place_counts_below_zero",
                  {100},
                  0,
                  {100, 0, -1, -1, -1, -1, -1, -1, -1, -1}}));

TEST_F(Scoring, AMatchThatBeatsOnlyPlace7LeavesTheFileAsItWas) {
  Fill({{"a", 900}, {"b", 800}, {"c", 700}, {"d", 600}, {"e", 500}, {"f", 400}, {"g", 10}});
  const std::string before = *store.file;
  Win(kGreen, 15, 1);  // 150 + 150 = 300
  EXPECT_EQ(game.Statistics().MatchPoints, 300);
  EXPECT_EQ(*store.file, before);
}

TEST_F(Scoring, TheFirstRunWithoutAFileShowsAnEmptyListAndCreatesTheFile) {
  game.ShowStatistics();
  ASSERT_TRUE(store.file.has_value());
  EXPECT_EQ(*store.file, "");
  const std::string heading =
      "             JOUEURS                                                       SCORES\r\n";
  const std::string blank = "  " + std::string(74, ' ') + "\r\n";
  EXPECT_EQ(BestScoresText(game.BestScoreTable()), heading + "\r\n" + blank + blank + blank);
}

TEST_F(Scoring, AFileGoneSinceTheLastShowingShowsAnEmptyList) {
  Fill({{"Ann", 90}});
  game.ShowStatistics();
  ASSERT_EQ(game.BestScoreTable()[0].name, "Ann");
  store.file.reset();
  game.ShowStatistics();
  EXPECT_EQ(game.BestScoreTable()[0], BestScore{});
}

TEST_F(Scoring, TheListShowsPlaces1To3WithTheirNamesAndPoints) {
  Fill({{"Éloïse", 460}, {"Bob", 90}, {"Zoé", 80}, {"Dan", 70}});
  game.ShowStatistics();
  const std::string text = BestScoresText(game.BestScoreTable());
  EXPECT_NE(text.find("\r\n  Éloïse" + std::string(74, ' ') + "460\r\n"), std::string::npos);
  EXPECT_NE(text.find("  Zoé" + std::string(74, ' ') + "80\r\n"), std::string::npos);
  EXPECT_EQ(text.find("Dan"), std::string::npos);
}

TEST_F(Scoring, ReopeningTheStatisticsKeepsTheMatchCounts) {
  Win(kGreen, 2, 3);
  Win(kRed, 1, 4);
  game.ShowStatistics();
  game.ShowStatistics();
  EXPECT_EQ(game.Statistics().HumanWinsAtLevel[3], 2);
  EXPECT_EQ(game.Statistics().ComputerWinsAtLevel[4], 1);
  EXPECT_EQ(game.Statistics().MatchPoints, 60);
}

TEST_F(Scoring, YesAtTheEndOfAMatchStartsANewOneOpenedByTheComputer) {
  view.answers = {true};
  Win(kGreen, 15, 1);
  EXPECT_EQ(board().HumanSets, 0);
  EXPECT_EQ(board().ComputerSets, 0);
  EXPECT_TRUE(board().SetsShown);
  EXPECT_EQ(game.CurrentSheet().ColourAt(652), ComputerColour);
  EXPECT_TRUE(view.Only("quit").empty());
}

TEST_F(Scoring, WhenTheComputersOwnPointWinsTheMatchTheHumanOpensTheNext) {
  view.answers = {true};
  Win(kRed, 15, 1);
  EXPECT_EQ(board().ComputerSets, 0);
  EXPECT_FALSE(game.CurrentSheet().HasPoint(652));
  EXPECT_EQ(game.TurnColour(), HumanColour);
}

TEST_F(Scoring, BetweenTwoPlayersANewMatchOpensNoComputerPoint) {
  view.answers = {true};
  game.SetTwoPlayers(true);
  Win(kGreen, 15, 1);
  EXPECT_EQ(board().HumanSets, 0);
  for (const std::string& point : view.Only("point")) {
    ASSERT_EQ(point.find("grows"), std::string::npos) << point;
  }
}

TEST_F(Scoring, TheHumansMatchWinningPointLeavesTheNewMatchsOpeningPointInItsBox) {
  view.answers = {true};
  Win(kGreen, 15, 1);
  ASSERT_EQ(board().HumanSets, 0);
  // The computer opened the new match; its point starts the new game's box and is framed with it.
  const int opening = game.State().ComputerMoves[1];
  ASSERT_EQ(game.CurrentSheet().ColourAt(opening), ComputerColour);
  EXPECT_EQ(game.State().Box.BoxTopIndex, opening);
  EXPECT_EQ(game.State().Box.BoxLeft, HitAreaLeft(opening));
  EXPECT_EQ(game.State().Box.BoxRightIndex, opening);
}

TEST_F(Scoring, AnUnreadableFileIsNeverSavedOverAndThePlayerIsToldOnce) {
  store.file = "ten good scores";
  store.unreadable = true;
  view.answers = {true, true};
  Win(kGreen, 30, 1);  // two matches
  EXPECT_EQ(*store.file, "ten good scores");
  EXPECT_EQ(store.writes, 0);
  EXPECT_EQ(view.Only("message Quintara: Les meilleurs scores").size(), 1u);
  EXPECT_EQ(view.Only("message Quintara: Les meilleurs scores")[0],
            "message Quintara: Les meilleurs scores n'ont pas pu être enregistrés : accès refusé");
}

TEST_F(Scoring, AFailedSaveKeepsTheNewPointsInTheListAndIsToldOnce) {
  store.unwritable = true;
  view.answers = {true, true};
  Win(kGreen, 15, 1);
  EXPECT_EQ(game.BestScoreTable()[0].Points(), 300);
  Win(kGreen, 15, 2);
  EXPECT_EQ(game.BestScoreTable()[0].Points(), 600);
  EXPECT_EQ(game.BestScoreTable()[1].Points(), 300);
  EXPECT_EQ(view.Only("message Quintara: Les meilleurs scores").size(), 1u);
}

}  // namespace
}  // namespace quintara
