#include "game/BestScoreKeeper.h"

#include "game/ScoreFile.h"
#include "game/Texts.h"

namespace quintara {

void BestScoreKeeper::LoadBestScores() {
  loaded_ = true;
  // Points not yet in the file stay in memory rather than being read over.
  if (store_ == nullptr || unsaved_) return;
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
      if (!store_->Write("", reason)) TellScoresNotSaved(reason);
      break;
    }
    case ScoreStore::ReadStatus::kUnreadable:
      unreadable_ = true;
      problem_ = read.reason;
      break;
  }
}

void BestScoreKeeper::Insert(const std::string& name, int points) {
  if (InsertBestScore(bestScores_, name, points) != 0) unsaved_ = true;
}

void BestScoreKeeper::SaveBestScores() {
  if (store_ == nullptr) return;
  if (unreadable_) {
    TellScoresNotSaved(problem_);
    return;
  }
  std::string reason;
  if (store_->Write(EncodeScoreFile(bestScores_), reason)) {
    unsaved_ = false;
  } else {
    TellScoresNotSaved(reason);
  }
}

void BestScoreKeeper::TellScoresNotSaved(const std::string& reason) {
  if (told_) return;
  told_ = true;
  view_.ShowMessage(texts::kScoresNotSaved + reason, texts::kApplicationTitle);
}

}  // namespace quintara
