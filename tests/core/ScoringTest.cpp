// The scoring of games, sets and matches, the best scores, the menus' give-ups.
#include <gtest/gtest.h>

#include <random>

#include "game/ScoreFile.h"
#include "support/GameFixture.h"
#include "support/MemoryScoreStore.h"

namespace quintara {
namespace {

using testing::At;
using testing::Filled;
using testing::Picture;
using testing::Table;

// An independent tally of the matches as the player follows them: the board as the window is
// told it, the statistics, the best scores and the end of each match.
struct Tally {
  std::array<int, 2> games{}, sets{};        // green, red
  std::array<std::array<int, 5>, 2> wins{};  // per side and level
  int points = 0, ended = 0, reads = 0;      // the file is read when first needed, at each showing
  bool shown = false, loaded = false;
  Table best;
  std::vector<std::string> events;
  std::string name1, name2;
  bool twoPlayers = false;

  void Statistics() {
    events.push_back("statistics");
    ++reads;
    loaded = true;
  }
  void Game(bool red, std::size_t level, bool again) {
    reads += loaded ? 0 : 1;
    loaded = true;
    if (games == std::array<int, 2>{} && sets == std::array<int, 2>{}) {
      wins = {};  // a new match
      points = 0;
    }
    const std::size_t side = red ? 1 : 0;
    ++games[side];
    ++wins[side][level];
    points += red ? 0 : 10 * int(level);
    events.push_back("scores");
    // What a player who cannot see the board hears: the winner and the new counts.
    const std::string winner =
        red && !twoPlayers ? "l'ordinateur" : "\u2068" + (red ? name2 : name1) + "\u2069";
    const auto said = [&](const char* what, const std::array<int, 2>& count) {
      events.push_back("say " + std::string(what) + " gagnée par " + winner + ". " + what +
                       "s : " + std::to_string(count[0]) + " à " + std::to_string(count[1]));
    };
    said("Partie", games);
    if (games[side] < 5) return;
    shown = true;
    ++sets[side];
    events.push_back("scores");
    said("Manche", sets);
    if (sets[side] == 3) {
      events.push_back("message Quintara: \u2068" + (red ? name2 : name1) +
                       "\u2069 remporte le match. " +
                       (red ? "La revenche quand vous voulez" : "Bravo!"));
    }
    games = {};
    events.push_back("scores");
    if (sets[side] < 3) return;
    ++ended;
    for (std::size_t l = 1; l <= 4; ++l)
      points += std::max(0, wins[0][l] - wins[1][l]) * 10 * int(l);
    for (std::size_t place = 0; place < 6; ++place) {
      if (place < best.size() && best[place].second >= points) continue;
      best.insert(best.begin() + long(place), {name1, points});
      if (best.size() > 10) best.pop_back();
      break;
    }
    Statistics();
    events.push_back("ask Quintara: Voulez vous rejouer");
    if (!again) return events.push_back("quit");
    sets = {};
    events.push_back("scores");
  }
};

class Scoring : public testing::GameFixture {
 protected:
  Scoring() {
    game.SetScoreStore(&store);
    game.Form_Resize(kLargestOuterWidth, kLargestOuterHeight);
  }
  // What the window was told of the board and of the matches' ends.
  std::vector<std::string> Told() const {
    std::vector<std::string> told = view.events;
    std::erase_if(told, [](const std::string& e) {
      return !e.starts_with("scores") && !e.starts_with("say Partie") &&
             !e.starts_with("say Manche") && e != "statistics" && e != "quit" &&
             !e.ends_with("rejouer") && e.find("remporte") == e.npos;
    });
    return told;
  }
  // A game under way: the human plays where the computer has room to answer.
  void GameUnderWay() {
    const Sheet& sheet = game.CurrentSheet();
    const auto free = [&](int i) { return sheet.Playable(i) && !sheet.HasPoint(i); };
    int i = kLastIntersection;
    while (i > kFirstGridIndex && !(free(i - 1) && free(i) && free(i + 1))) --i;
    Click(i);
  }

  testing::MemoryScoreStore store;
};

struct MatchRun {
  unsigned seed;
  bool twoPlayers, filled;
  std::string name1 = "Joueur 1", name2 = "Ordinateur";
};
class RandomMatches : public Scoring, public ::testing::WithParamInterface<MatchRun> {};

// Two matches of random games, levels, give-ups through either menu and looks at the statistics,
// held after every step to the tally; the second ends with the player declining another. Red's
// last game of the first match is given up: the computer still answers the next match's click.
TEST_P(RandomMatches, AgreeWithAnIndependentTally) {
  const MatchRun& run = GetParam();
  const Table seven = {{"a", 900}, {"b", 800}, {"c", 700}, {"d", 600},
                       {"e", 500}, {"f", 100}, {"g", 10}};
  Tally tally;
  tally.best = run.filled ? seven : Table{};
  tally.name1 = run.name1;
  tally.name2 = run.name2;
  tally.twoPlayers = run.twoPlayers;
  BestScores filled;
  for (std::size_t k = 0; run.filled && k < seven.size(); ++k) {
    filled[k] = {seven[k].first, std::to_string(seven[k].second)};
  }
  if (run.filled) store.file = EncodeScoreFile(filled);
  game.SetTwoPlayers(run.twoPlayers);
  game.SetPlayerNames(run.name1, run.name2);
  std::mt19937 random(run.seed);
  for (int step = 0; tally.ended < 2 && !HasFatalFailure(); ++step) {
    const std::size_t level = 1 + random() % 4;
    const auto roll = random() % 20;
    game.SetLevel(int(level));
    view.answerWhenEmpty = tally.ended == 0;
    if (roll == 0) {
      game.ShowStatistics();
      tally.Statistics();
    } else if (!run.twoPlayers &&
               (roll < 3 || FreeRow() == 0 || (tally.sets[1] == 2 && tally.games[1] == 4))) {
      GameUnderWay();
      view.answers = {true};
      if (roll == 1) {
        ASSERT_TRUE(game.mnuChanger_Click());  // the level dialog may follow
      } else {
        game.mnuNouvelle_Click();
      }
      ASSERT_EQ(Points(), 0);
      tally.Game(true, level, view.answerWhenEmpty);
    } else if (FreeRow() == 0) {
      game.mnuNouvelle_Click();  // between two players no game is under way: nothing is lost
    } else {
      WinGame(roll < 10);
      tally.Game(roll < 10, level, view.answerWhenEmpty);
    }
    ASSERT_FALSE(game.State().ComputerHasPlayed) << "a turn left unfinished, step " << step;
    // Between two players every game ends in its closed zone, and no point grows in.
    for (int i = 0; run.twoPlayers && i <= kLastPointRecord; ++i) {
      ASSERT_TRUE(!game.CurrentSheet().HasPoint(i) || game.CurrentSheet().Closed(i)) << i;
    }
    ASSERT_EQ(Told(), tally.events) << "step " << step;
    const ScoreBoard& b = game.MatchScores();
    const MatchStatistics& s = game.Statistics();
    ASSERT_EQ(std::tuple(b.HumanGames, b.ComputerGames, b.HumanSets, b.ComputerSets, b.SetsShown,
                         s.HumanWinsAtLevel, s.ComputerWinsAtLevel, s.MatchPoints),
              std::tuple(tally.games[0], tally.games[1], tally.sets[0], tally.sets[1], tally.shown,
                         tally.wins[0], tally.wins[1], tally.points))
        << "step " << step;
  }
  EXPECT_EQ(Filled(game.BestScoreTable()), tally.best);
  // The statistics list shows places 1 to 3, each line ended by CR LF.
  std::string list = std::string(13, ' ') + "JOUEURS" + std::string(55, ' ') + "SCORES\r\n\r\n";
  for (std::size_t k = 0; k < 3; ++k) {
    // Names stand isolated in the game's sentences, so that one written right to left or
    // holding a direction mark turns only itself around.
    list += "  " + (k < tally.best.size() ? "\u2068" + tally.best[k].first + "\u2069" : "") +
            std::string(74, ' ') +
            (k < tally.best.size() ? std::to_string(tally.best[k].second) : "") + "\r\n";
  }
  EXPECT_EQ(BestScoresText(game.BestScoreTable()), list);
  // The file is read when first needed and at each showing, and written at each match's end.
  EXPECT_EQ(Filled(DecodeScoreFile(store.file.value())), tally.best);
  EXPECT_EQ(store.reads, tally.reads);
}

INSTANTIATE_TEST_SUITE_P(Runs, RandomMatches,
                         ::testing::Values(MatchRun{1, false, false},
                                           MatchRun{2, true, true, "Éloïse", "Zoé\u202E"},
                                           MatchRun{3, false, true}));

// Places 1 to 6 in order: the first with fewer points takes the entry, ties going below, and the
// places below move down, the tenth dropping out.
TEST(BestScores, TheFirstOfPlaces1To6WithFewerPointsTakesTheEntry) {
  const std::vector<int> ten = {100, 90, 80, 70, 60, 50, 40, 30, 20, 10};
  const std::vector<int> seven = {100, 90, 80, 70, 60, 50, 10};
  const std::vector<std::tuple<std::vector<int>, int, int>> cases = {
      {{100, 50}, 100, 2}, {ten, 75, 4}, {ten, 5, 0}, {seven, 45, 0}, {seven, 55, 6}};
  for (const auto& [before, points, place] : cases) {
    BestScores scores;
    Table expected;
    for (std::size_t k = 0; k < before.size(); ++k) {
      scores[k] = {"p", std::to_string(before[k])};
      expected.emplace_back("p", before[k]);
    }
    if (place != 0) expected.insert(expected.begin() + place - 1, {"n", points});
    if (expected.size() > 10) expected.pop_back();
    EXPECT_EQ(InsertBestScore(scores, "n", points), place) << points;
    EXPECT_EQ(Filled(scores), expected) << points;
  }
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
  EXPECT_EQ(game.MatchScores().ComputerGames, 1);
}

// The computer finds no answer (the point's neighbours taken, the rest closed or out of reach)
// in a game it has played: though green played last, the game given up is red's.
TEST_F(Scoring, AGameGivenUpAfterAGreenPointIsStillRed) {
  Lay(Picture{9, 7, {"# X . . . X #", ". . o o o . .", ". . o . o . .", ". . o o o . ."}});
  Lay(Picture{20, 28, {"# #", "# O"}});
  Click(At(11, 10));
  ASSERT_EQ(Points(), 12);
  view.answers = {true};
  game.mnuNouvelle_Click();
  EXPECT_EQ(game.MatchScores().ComputerGames, 1);
  EXPECT_EQ(game.MatchScores().HumanGames, 0);
}

// The bytes of the file, and the Windows-1252 names in it.
std::string Bytes(std::initializer_list<int> values) {
  std::string out;
  for (const int v : values) out += static_cast<char>(v);
  return out;
}
std::string Text(const std::string& text) {
  return Bytes({8, 0, int(text.size() & 0xFF), int(text.size() >> 8)}) + text;
}

// Twenty tagged values, place 1's name first; an empty name is text, an empty place type 0.
TEST(ScoreFile, WritesTwentyTaggedValuesInPlaceOrderAndReadsThemBack) {
  BestScores scores;
  std::string bytes = Text("Zo\xE9 \x80?") + Text("100") + Text("") + Text("7");
  scores[0] = {"Zoé €李", "100"};  // '?' for what the code page cannot hold
  scores[1] = {"", "7"};
  for (int k = 0; k < 16; ++k) bytes += Bytes({0, 0});
  EXPECT_EQ(EncodeScoreFile(scores), bytes);
  scores[0].name = "Zoé €?";
  EXPECT_EQ(DecodeScoreFile(bytes), scores);
  scores[0].name = std::string(40000, 'a');
  const BestScores longName = DecodeScoreFile(EncodeScoreFile(scores));
  EXPECT_EQ(longName[0].name->size(), 32767u);
  EXPECT_EQ(longName[1], scores[1]);
}

// What is whole is read, the rest is empty, nothing is read past the end; points that are not a
// number up to 32767 read as 0.
TEST(ScoreFile, ADamagedFileReadsWhatIsWholeAndLeavesTheRestEmpty) {
  using Entry = std::optional<std::string>;
  const std::string ann5 = Text("Ann") + Text("5");
  const std::vector<std::tuple<std::string, Entry, Entry, Entry>> cases = {
      {"", {}, {}, {}},
      {Bytes({8, 0, 3}), {}, {}, {}},
      {Text("Ann") + Bytes({8, 0, 9, 0, '1'}), "Ann", {}, {}},
      {Text("Ann") + Text(""), "Ann", "0", {}},
      {ann5 + Bytes({8, 0, 0, 0x80}) + std::string(32768, 'x'), "Ann", "5", {}},
      {ann5 + Bytes({3, 0, 1, 0, 'B'}), "Ann", "5", {}},
      {Text("Ann") + Bytes({9, 0}) + Text("Bob"), "Ann", {}, {}},
      {ann5 + std::string(36, '\0') + "old tail", "Ann", "5", {}},
      {Text("Ann") + Text("4x0") + Text("Bob"), "Ann", "0", "Bob"},
      {Text("Ann") + Text("32768") + Text("Bob"), "Ann", "0", "Bob"},
      {Text("Ann") + Text("000460") + Text("Bob"), "Ann", "0", "Bob"},
      {Text("Ann") + Text("32767") + Text("Bob"), "Ann", "32767", "Bob"}};
  for (const auto& [bytes, name1, points1, name2] : cases) {
    BestScores expected;
    expected[0] = {name1, points1};
    expected[1].name = name2;
    EXPECT_EQ(DecodeScoreFile(bytes), expected) << ::testing::PrintToString(bytes);
  }
}

}  // namespace
}  // namespace quintara
