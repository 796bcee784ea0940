// The best scores: where a match's points enter, the file's bytes, and the file kept on disk.
#include <gtest/gtest.h>

#include "game/BestScoreKeeper.h"
#include "game/ScoreFile.h"
#include "support/MemoryScoreStore.h"
#include "support/RecordingView.h"

namespace quintara::testing {
namespace {

// Places 1 to 6 in order: the first with fewer points takes the entry, ties go below, the places
// below move down and the tenth drops out.
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
  // The statistics window shows places 1 to 3 under its heading, each line ended by CR LF.
  const BestScores four = {{{"Ann", "460"}, {"Bob", "90"}, {}, {"Dan", "5"}}};
  const std::string blanks(74, ' ');
  EXPECT_EQ(BestScoresText(four), std::string(13, ' ') + "JOUEURS" + std::string(55, ' ') +
                                      "SCORES\r\n\r\n  \u2068Ann\u2069" + blanks +
                                      "460\r\n  \u2068Bob\u2069" + blanks + "90\r\n  " + blanks +
                                      "\r\n");
}

std::string Bytes(std::initializer_list<int> values) {
  std::string out;
  for (const int v : values) out += static_cast<char>(v);
  return out;
}
std::string Text(const std::string& text) {
  return Bytes({8, 0, int(text.size() & 0xFF), int(text.size() >> 8)}) + text;
}

// Twenty tagged values, place 1's name first, names in Windows-1252 ('?' for what it cannot
// hold); an empty name is text, an empty place type 0; names keep 32767 bytes at most.
TEST(ScoreFile, WritesTwentyTaggedValuesInPlaceOrderAndReadsThemBack) {
  BestScores scores;
  std::string bytes = Text("Zo\xE9 \x80?") + Text("100") + Text("") + Text("7");
  scores[0] = {"Zoé €李", "100"};
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

// A missing file reads empty and is made at once; what is saved is read back; a file that cannot
// be read is never written over; one that cannot be written keeps the new points in memory (a
// later reading does not take them back); either is told once, with the reason; without a file
// the scores last for the run.
TEST(BestScoreKeeper, KeepsTheFileOrTellsWhyNot) {
  const Table two = {{"p", 900}, {"q", 800}};
  const Table both = {{"Éloïse", 850}, {"Zoé", 90}};
  const std::string told =
      "message Quintara: Les meilleurs scores n'ont pas pu être enregistrés : ";
  // none, an unreadable file, an unwritable one, no file at all
  const std::tuple<int, Table, std::optional<Table>, std::vector<std::string>> cases[] = {
      {0, both, both, {}},
      {1, both, two, {told + "accès refusé"}},
      {2, {two[0], both[0], two[1], both[1]}, two, {told + "aucun dossier ne peut être écrit"}},
      {3, both, std::nullopt, {}}};
  for (const auto& [trouble, kept, file, events] : cases) {
    RecordingView view;
    MemoryScoreStore store;
    BestScoreKeeper keeper(view);
    if (trouble != 3) keeper.SetStore(&store);
    if (trouble == 1 || trouble == 2) store.file = EncodeScoreFile({{{"p", "900"}, {"q", "800"}}});
    store.unreadable = trouble == 1;
    store.unwritable = trouble == 2;
    EXPECT_FALSE(keeper.Loaded());
    keeper.LoadBestScores();
    EXPECT_TRUE(keeper.Loaded());
    EXPECT_EQ(store.file.has_value(), trouble != 3);
    for (const auto& [name, points] : both) {
      keeper.Insert(name, points);
      keeper.SaveBestScores();
      keeper.LoadBestScores();
    }
    EXPECT_EQ(Filled(keeper.Table()), kept) << trouble;
    EXPECT_EQ(store.file ? std::optional(Filled(DecodeScoreFile(*store.file))) : std::nullopt, file)
        << trouble;
    EXPECT_EQ(view.events, events) << trouble;
    if (trouble != 0) continue;
    store.file.reset();  // a file gone since: read empty and made again
    keeper.LoadBestScores();
    EXPECT_EQ(store.file, "");
    EXPECT_EQ(Filled(keeper.Table()), Table{});
  }
}

}  // namespace
}  // namespace quintara::testing
