#include "game/BestScoreKeeper.h"

#include "game/ScoreFile.h"

namespace quintara {

std::optional<std::string> BestScoreKeeper::LoadBestScores() {
  loaded_ = true;
  // Points not yet in the file stay in memory rather than being read over.
  if (store_ == nullptr || unsaved_) return std::nullopt;
  ScoreStore::ReadResult read = store_->Read();
  switch (read.status) {
    case ScoreStore::ReadStatus::kRead:
      bestScores_ = DecodeScoreFile(read.bytes);
      unreadable_ = false;
      break;
    case ScoreStore::ReadStatus::kMissing: {
      bestScores_ = BestScores{};
      unreadable_ = false;
      std::string reason;
      if (!store_->Write("", reason)) return TellScoresNotSaved(reason);
      break;
    }
    case ScoreStore::ReadStatus::kUnreadable:
      unreadable_ = true;
      problem_ = read.reason;
      break;
  }
  return std::nullopt;
}

void BestScoreKeeper::Insert(const std::string& name, int points) {
  if (InsertBestScore(bestScores_, name, points) != 0) unsaved_ = true;
}

std::optional<std::string> BestScoreKeeper::SaveBestScores() {
  if (store_ == nullptr) return std::nullopt;
  if (unreadable_) return TellScoresNotSaved(problem_);
  std::string reason;
  if (!store_->Write(EncodeScoreFile(bestScores_), reason)) return TellScoresNotSaved(reason);
  unsaved_ = false;
  return std::nullopt;
}

std::optional<std::string> BestScoreKeeper::TellScoresNotSaved(const std::string& reason) {
  if (told_) return std::nullopt;
  told_ = true;
  return reason;
}

}  // namespace quintara
