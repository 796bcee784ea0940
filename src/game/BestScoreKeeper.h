#pragma once

#include <optional>
#include <string>

#include "game/BestScores.h"
#include "game/ScoreStore.h"

namespace quintara {

// The best scores and their file: read when the game first needs them and at each showing of the
// statistics, written at the end of each match. A file that could not be read is never written
// over, points the file does not hold yet are never read over, and the player is told once in a
// run when the scores cannot be kept: loading and saving return the message to show, if any.
class BestScoreKeeper {
 public:
  // Where the file is kept; without one the scores last for the run only.
  void SetStore(ScoreStore* store) { store_ = store; }
  const BestScores& Table() const { return bestScores_; }
  bool Loaded() const { return loaded_; }

  // Reads the file; a missing file is made, empty. Each returns why the scores could not be
  // saved, the first time only.
  std::optional<std::string> LoadBestScores();
  // Enters a match's points (see InsertBestScore).
  void Insert(const std::string& name, int points);
  std::optional<std::string> SaveBestScores();

 private:
  std::optional<std::string> TellScoresNotSaved(const std::string& reason);

  ScoreStore* store_ = nullptr;
  BestScores bestScores_;
  bool loaded_ = false;
  bool unsaved_ = false;     // the list holds points the file does not
  bool unreadable_ = false;  // never save over a file that could not be read
  std::string problem_;
  bool told_ = false;
};

}  // namespace quintara
