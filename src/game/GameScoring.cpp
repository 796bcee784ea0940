// The scoring of games, sets and matches, and the best scores: the part of Game that counts.
#include "game/Game.h"
#include "game/ScoreFile.h"
#include "game/Texts.h"

namespace quintara {

void Game::RecordGameResult() {
  state_.GameOver = true;
  if (!bestScoresLoaded_) LoadBestScores();
  if (scoreBoard_.AllZero()) statistics_ = MatchStatistics{};

  const auto level = static_cast<std::size_t>(level_);
  const bool redWon = state_.WinColourNumber == ColourNumber::kBrightRed;
  const bool greenWon = state_.WinColourNumber == ColourNumber::kDarkGreen;
  if (redWon) {
    ++scoreBoard_.ComputerGames;
    ++statistics_.ComputerWinsAtLevel[level];
  } else if (greenWon) {
    ++scoreBoard_.HumanGames;
    ++statistics_.HumanWinsAtLevel[level];
    statistics_.MatchPoints += 10 * level_;
  }
  view_.ScoresChanged();

  if (redWon || greenWon) {
    if (scoreBoard_.HumanGames == SetWinGames || scoreBoard_.ComputerGames == SetWinGames) {
      CountSet(redWon);
    }
  }
  if (scoreBoard_.HumanSets < MatchWinSets && scoreBoard_.ComputerSets < MatchWinSets) return;
  EndMatch();
}

void Game::CountSet(bool redWon) {
  scoreBoard_.SetsShown = true;
  if (redWon) {
    ++scoreBoard_.ComputerSets;
  } else {
    ++scoreBoard_.HumanSets;
  }
  view_.ScoresChanged();
  if (redWon && scoreBoard_.ComputerSets == MatchWinSets) {
    view_.ShowMessage(texts::IsolatedName(PlayerName2_) + texts::kMatchWonByRed,
                      texts::kApplicationTitle);
  } else if (!redWon && scoreBoard_.HumanSets == MatchWinSets) {
    view_.ShowMessage(texts::IsolatedName(PlayerName1_) + texts::kMatchWonByGreen,
                      texts::kApplicationTitle);
  }
  scoreBoard_.HumanGames = 0;
  scoreBoard_.ComputerGames = 0;
  view_.ScoresChanged();
}

void Game::EndMatch() {
  for (std::size_t level = kLowestLevel; level <= kHighestLevel; ++level) {
    const int human = statistics_.HumanWinsAtLevel[level];
    const int computer = statistics_.ComputerWinsAtLevel[level];
    if (human > computer) {
      statistics_.MatchPoints += (human - computer) * 10 * static_cast<int>(level);
    }
  }
  if (InsertBestScore(bestScores_, PlayerName1_, statistics_.MatchPoints) != 0) {
    bestScoresUnsaved_ = true;
  }
  SaveBestScores();
  ShowStatistics();

  if (!view_.AskYesNo(texts::kPlayAgain, texts::kApplicationTitle)) {
    view_.Quit();
    return;
  }
  scoreBoard_.HumanSets = 0;
  scoreBoard_.ComputerSets = 0;
  view_.ScoresChanged();
  ResetGameState();
  // Between two players the side the indicator shows opens the new match.
  if (!twoPlayers_) OpenNewGame();
}

void Game::LoadBestScores() {
  bestScoresLoaded_ = true;
  // Points not yet in the file stay in memory rather than being read over.
  if (scoreStore_ == nullptr || bestScoresUnsaved_) return;
  ScoreStore::ReadResult read = scoreStore_->Read();
  switch (read.status) {
    case ScoreStore::ReadStatus::kRead:
      bestScores_ = DecodeScoreFile(read.bytes);
      scoreFileUnreadable_ = false;
      break;
    case ScoreStore::ReadStatus::kMissing: {
      bestScores_ = BestScores{};
      scoreFileUnreadable_ = false;
      std::string reason;
      if (!scoreStore_->Write("", reason)) TellScoresNotSaved(reason);
      break;
    }
    case ScoreStore::ReadStatus::kUnreadable:
      scoreFileUnreadable_ = true;
      scoreFileProblem_ = read.reason;
      break;
  }
}

void Game::SaveBestScores() {
  if (scoreStore_ == nullptr) return;
  if (scoreFileUnreadable_) {
    TellScoresNotSaved(scoreFileProblem_);
    return;
  }
  std::string reason;
  if (scoreStore_->Write(EncodeScoreFile(bestScores_), reason)) {
    bestScoresUnsaved_ = false;
  } else {
    TellScoresNotSaved(reason);
  }
}

void Game::ShowStatistics() {
  LoadBestScores();
  view_.ShowStatistics();
}

void Game::TellScoresNotSaved(const std::string& reason) {
  if (scoreProblemTold_) return;
  scoreProblemTold_ = true;
  view_.ShowMessage(texts::kScoresNotSaved + reason, texts::kApplicationTitle);
}

}  // namespace quintara
