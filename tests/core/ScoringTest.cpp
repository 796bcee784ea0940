// Games, sets and matches, the best scores and their file, and the menus' give-ups.
#include <gtest/gtest.h>

#include "game/BestScoreKeeper.h"
#include "game/ScoreFile.h"
#include "support/MemoryScoreStore.h"
#include "support/RecordingView.h"

namespace quintara::testing {
namespace {

using Scoring = GameFixture;

// Two players' matches, game by game at the levels given: green wins 3 sets to 1, then red 3 to 0.
// Points: 10 x level per green game, then (green's wins - red's) x 10 x level where green won more.
TEST_F(Scoring, TwoMatchesCountWinsPerLevelPointsAndBestScores) {
  using Wins = std::array<int, 5>;  // per level, 1 to 4
  const std::tuple<const char*, Wins, Wins, int> matches[] = {
      {"r2r2r2r2r2g3r1g3g3g3g3g2g2r4g2g2r4g1g1g1g4g4g4", {0, 3, 4, 5, 3}, {0, 1, 5, 0, 2}, 590},
      {"g3r1r1r1r1r1r1r1r1r1r1r1r1r1r1r1", {0, 0, 0, 1, 0}, {0, 15, 0, 0, 0}, 60}};
  const std::string ends[] = {"\u2068Éloïse\u2069 remporte le match. Bravo!",
                              "\u2068Zoé\u2069 remporte le match. La revenche quand vous voulez"};
  Table best = {{"a", 900}, {"b", 800}, {"c", 700}, {"d", 600}, {"e", 500}, {"f", 100}, {"g", 10}};
  MemoryScoreStore store;
  store.file = EncodeScoreFile(Entries(best));
  game.SetScoreStore(&store);
  game.SetTwoPlayers(true);
  game.SetPlayerNames("Éloïse", "Zoé");
  view.answers = {true};  // another match after the first, not after the second
  for (int match = 0; match < 2; ++match) {
    const auto& [games, green, red, points] = matches[match];
    view.events.clear();
    for (const char* g = games; *g != 0; g += 2) {
      game.SetLevel(g[1] - '0');
      NewSheet();
      if (game.TurnColour() != (g[0] == 'r' ? ComputerColour : HumanColour)) Click(At(14, 14));
      Lay(Picture{10, 5, {g[0] == 'r' ? "OOOO" : "XXXX"}});
      const std::size_t shown = view.Only("scores").size(), drawn = view.Only("drawn").size();
      Click(At(10, 9));
      // Each game counted is shown at once, its line and frame drawn.
      EXPECT_EQ(std::pair(view.Only("scores").size() > shown, view.Only("drawn").size()),
                std::pair(true, drawn + 2));
    }
    const MatchStatistics& s = game.Statistics();
    EXPECT_EQ(std::tuple(s.HumanWinsAtLevel, s.ComputerWinsAtLevel, s.MatchPoints),
              std::tuple(green, red, points));
    EXPECT_EQ(view.Only("message"), std::vector{"message Quintara: " + ends[match]});
    EXPECT_EQ(view.Only("statistics").size(), 1u);
    EXPECT_EQ(view.Only("ask"), std::vector<std::string>{"ask Quintara: Voulez vous rejouer"});
  }
  const ScoreBoard& b = game.MatchScores();
  EXPECT_EQ(std::tuple(b.HumanGames, b.ComputerGames, b.HumanSets, b.ComputerSets, b.SetsShown),
            std::tuple(0, 0, 0, 3, true));
  const std::string set = "say Manche gagnée par \u2068Zoé\u2069. Manches : 0 à ";
  EXPECT_EQ(view.Only("say Manche"), (std::vector{set + "1", set + "2", set + "3"}));
  EXPECT_EQ(view.Only("quit").size(), 1u);
  EXPECT_EQ(view.events.back(), "say Joueur 1 A vous de jouer");  // the players take turns
  best.insert(best.begin() + 4, {"Éloïse", 590});
  EXPECT_EQ(Filled(DecodeScoreFile(store.file.value())), best);
  store.file = EncodeScoreFile(Entries({{"z", 5}}));  // each showing starts from the file
  game.ShowStatistics(), Settle();
  EXPECT_EQ(Filled(game.BestScoreTable()), (Table{{"z", 5}}));
}

// Only a game the computer has played in is given up, and by the new-sheet menu only if in sight.
TEST_F(Scoring, TheMenusAskOnlyBeforeGivingUpAGameUnderWay) {
  game.Resize(kLargestOuterWidth, kLargestOuterHeight);
  EXPECT_TRUE(ChangeLevel());  // no game under way: nothing to ask
  Click(At(20, 27));
  EXPECT_FALSE(ChangeLevel());  // asked once the computer has played; declined
  game.Resize(9000, 6555);
  NewSheet();  // a game out of sight
  game.SetTwoPlayers(true);
  Click(At(8, 8));
  game.SetTwoPlayers(false);
  Click(At(12, 12));  // red to move: no green point, and none of this game for red to play from
  NewSheet();         // the computer has not played
  Lay(Picture{5, 5, {"X O"}});
  NewSheet();
  EXPECT_FALSE(ChangeLevel());
  view.answers = {true};
  EXPECT_TRUE(ChangeLevel());
  const std::string ask = "ask Quintara: Si vous changez de ";
  const std::string lost = " alors que la partie n'est pas terminée le point ira à Ordinateur. ";
  const std::string level = ask + "niveau" + lost + "Voulez vous tout de même changer de niveau?";
  const std::string sheet = ask + "feuille" + lost + "Voulez vous tout de même changer de feuille?";
  EXPECT_EQ(view.Only("ask"), (std::vector{level, sheet, level, level}));
  EXPECT_EQ(std::tuple(view.Only("cleared").size(), Points(), game.MatchScores().ComputerGames),
            std::tuple(4u, 0, 1));
}

TEST(BestScores, TheFirstOfPlaces1To6WithFewerPointsTakesTheEntry) {
  const std::vector<int> ten = {100, 90, 80, 70, 60, 50, 40, 30, 20, 10};
  const std::vector<int> seven = {100, 90, 80, 70, 60, 50, 10};
  const std::tuple<std::vector<int>, int, int> cases[] = {
      {{100, 50}, 100, 2}, {ten, 75, 4}, {ten, 5, 0}, {seven, 45, 0}, {seven, 55, 6}};
  for (const auto& [before, points, place] : cases) {
    Table expected;
    for (const int p : before) expected.emplace_back("p", p);
    BestScores scores = Entries(expected);
    if (place != 0) expected.insert(expected.begin() + place - 1, {"n", points});
    if (expected.size() > 10) expected.pop_back();
    EXPECT_EQ(InsertBestScore(scores, "n", points), place) << points;
    EXPECT_EQ(Filled(scores), expected) << points;
  }
}

std::string Bytes(std::initializer_list<int> values) {
  std::string out;
  for (const int v : values) out += static_cast<char>(v);
  return out;
}
std::string Text(const std::string& text) {
  return Bytes({8, 0, int(text.size() & 0xFF), int(text.size() >> 8)}) + text;
}

// Twenty tagged values; a damaged file reads what is whole; points past 32767 or not digits are 0.
TEST(ScoreFile, WritesTwentyTaggedValuesAndReadsWhatIsWhole) {
  BestScores scores = Entries({{"Zoé €李", 100}, {"", 7}});
  const std::string bytes =
      Text("Zo\xE9 \x80?") + Text("100") + Text("") + Text("7") + std::string(32, '\0');
  EXPECT_EQ(EncodeScoreFile(scores), bytes);
  scores[0].name = "Zoé €?";
  EXPECT_EQ(DecodeScoreFile(bytes), scores);
  scores[0].name = std::string(40000, 'a');
  const BestScores longName = DecodeScoreFile(EncodeScoreFile(scores));
  EXPECT_EQ(longName[0].name->size(), 32767u);
  EXPECT_EQ(longName[1], scores[1]);
  using Entry = std::optional<std::string>;
  const std::string ann = Text("Ann"), ann5 = ann + Text("5");
  const std::tuple<std::string, Entry, Entry, Entry> cases[] = {
      {"", {}, {}, {}},
      {Bytes({8, 0, 3}), {}, {}, {}},
      {ann + Bytes({8, 0, 9, 0, '1'}), "Ann", {}, {}},
      {ann + Text(""), "Ann", "0", {}},
      {ann5 + Bytes({8, 0, 0, 0x80}) + std::string(32768, 'x'), "Ann", "5", {}},
      {ann5 + Bytes({3, 0, 1, 0, 'B'}), "Ann", "5", {}},
      {ann + Bytes({9, 0}) + Text("Bob"), "Ann", {}, {}},
      {ann5 + std::string(36, '\0') + "old tail", "Ann", "5", {}},
      {ann + Text("4x0") + Text("Bob"), "Ann", "0", "Bob"},
      {ann + Text("32768") + Text("Bob"), "Ann", "0", "Bob"},
      {ann + Text("000460") + Text("Bob"), "Ann", "0", "Bob"},
      {ann + Text("32767") + Text("Bob"), "Ann", "32767", "Bob"}};
  for (const auto& [file, name1, points1, name2] : cases) {
    BestScores expected;
    expected[0] = {name1, points1};
    expected[1].name = name2;
    EXPECT_EQ(DecodeScoreFile(file), expected) << ::testing::PrintToString(file);
  }
}

// A missing file is made; a file that cannot be read is never written over, one that cannot be
// written keeps the points in memory; either's reason is told once.
TEST(BestScoreKeeper, KeepsTheFileOrTellsWhyNot) {
  const Table two = {{"p", 900}, {"q", 800}}, both = {{"Éloïse", 850}, {"Zoé", 90}};
  const std::tuple<int, Table, Table, std::vector<std::string>> cases[] = {
      {0, both, both, {}},  // no trouble, an unreadable file, an unwritable one
      {1, both, two, {"accès refusé"}},
      {2, {two[0], both[0], two[1], both[1]}, two, {"aucun dossier ne peut être écrit"}}};
  for (const auto& [trouble, kept, file, events] : cases) {
    std::vector<std::string> messages;  // at most one in a run
    const auto tell = [&](const std::optional<std::string>& m) {
      if (m) messages.push_back(*m);
    };
    MemoryScoreStore store;
    BestScoreKeeper keeper;
    keeper.SetStore(&store);
    if (trouble == 1 || trouble == 2) store.file = EncodeScoreFile(Entries(two));
    store.unreadable = trouble == 1;
    store.unwritable = trouble == 2;
    EXPECT_FALSE(keeper.Loaded());
    tell(keeper.LoadBestScores());
    EXPECT_TRUE(keeper.Loaded());
    EXPECT_TRUE(store.file.has_value());
    for (const auto& [name, points] : both) {
      keeper.Insert(name, points);
      tell(keeper.SaveBestScores());
      tell(keeper.LoadBestScores());
    }
    EXPECT_EQ(Filled(keeper.Table()), kept) << trouble;
    EXPECT_EQ(Filled(DecodeScoreFile(store.file.value())), file) << trouble;
    EXPECT_EQ(messages, events) << trouble;
  }
}

}  // namespace
}  // namespace quintara::testing
