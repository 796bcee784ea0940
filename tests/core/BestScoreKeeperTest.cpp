// The best scores kept in their file: what is read, what is written, and what the player is told.
#include <gtest/gtest.h>

#include "game/BestScoreKeeper.h"
#include "game/ScoreFile.h"
#include "support/MemoryScoreStore.h"
#include "support/RecordingView.h"

namespace quintara {
namespace {

using testing::Filled;
using testing::Table;

const std::string kNotSaved =
    "message Quintara: Les meilleurs scores n'ont pas pu être enregistrés : ";

struct Keeping {
  testing::RecordingView view;
  testing::MemoryScoreStore store;
  BestScoreKeeper keeper{view};
  Keeping() { keeper.SetStore(&store); }
  // A match's end: its points entered, then saved.
  void MatchEnds(const std::string& name, int points) {
    keeper.Insert(name, points);
    keeper.SaveBestScores();
  }
};

// A missing file reads as an empty list and is made at once; the list saved is the list read
// back; a file gone since the last reading reads empty and is made again.
TEST(BestScoreKeeper, AMissingFileIsMadeAndWhatIsSavedIsReadBack) {
  Keeping k;
  EXPECT_FALSE(k.keeper.Loaded());
  k.keeper.LoadBestScores();
  EXPECT_TRUE(k.keeper.Loaded());
  EXPECT_EQ(k.store.file, "");
  k.MatchEnds("Éloïse", 460);
  k.MatchEnds("Zoé", 90);
  EXPECT_EQ(Filled(DecodeScoreFile(k.store.file.value())), (Table{{"Éloïse", 460}, {"Zoé", 90}}));
  k.keeper.LoadBestScores();
  EXPECT_EQ(Filled(k.keeper.Table()), (Table{{"Éloïse", 460}, {"Zoé", 90}}));
  k.store.file.reset();
  k.keeper.LoadBestScores();
  EXPECT_EQ(k.store.file, "");
  EXPECT_EQ(Filled(k.keeper.Table()), Table{});
  EXPECT_EQ(k.store.reads, 3);
  EXPECT_EQ(k.view.events.size(), 0u);
}

// A file that cannot be read is never written over, a file that cannot be written leaves the
// new points in memory (a later reading does not take them back), and either is told once in
// the run, with the reason.
TEST(BestScoreKeeper, AFileThatCannotBeReadOrWrittenKeepsItsBytesAndIsToldOnce) {
  for (const bool unreadable : {true, false}) {
    Keeping k;
    BestScores seven;
    for (std::size_t place = 0; place < 7; ++place) {
      seven[place] = {"p", std::to_string(900 - 100 * static_cast<int>(place))};
    }
    k.store.file = EncodeScoreFile(seven);
    const std::optional<std::string> file = k.store.file;
    k.store.unreadable = unreadable;
    k.store.unwritable = !unreadable;
    k.keeper.LoadBestScores();
    k.MatchEnds("n", 850);
    k.keeper.LoadBestScores();
    k.MatchEnds("m", 750);
    EXPECT_EQ(k.store.file, file);
    const Table kept = Filled(k.keeper.Table());
    ASSERT_GE(kept.size(), 2u);
    EXPECT_EQ(kept[unreadable ? 0 : 1], (std::pair<std::string, int>("n", 850)));
    EXPECT_EQ(k.view.events,
              std::vector<std::string>{
                  kNotSaved + (unreadable ? "accès refusé" : "aucun dossier ne peut être écrit")});
  }
}

// Without a file the scores last for the run, and nothing is told.
TEST(BestScoreKeeper, WithoutAFileTheScoresLastForTheRun) {
  testing::RecordingView view;
  BestScoreKeeper keeper(view);
  keeper.LoadBestScores();
  keeper.Insert("n", 40);
  keeper.SaveBestScores();
  keeper.LoadBestScores();
  EXPECT_EQ(Filled(keeper.Table()), (Table{{"n", 40}}));
  EXPECT_EQ(view.events.size(), 0u);
}

}  // namespace
}  // namespace quintara
