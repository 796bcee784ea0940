// The scoring of games, sets and matches: the part of Game that counts.
#include "game/Game.h"
#include "game/SpokenWords.h"
#include "game/Texts.h"

namespace quintara {

Steps Game::RecordGameResult() {
  state_.GameOver = true;
  if (!scoreKeeper_.Loaded()) co_await TellScoresNotSaved(scoreKeeper_.LoadBestScores());
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
    view_.Announce(spoken::GameWonWords(view_, Winner(redWon), scoreBoard_.HumanGames,
                                        scoreBoard_.ComputerGames));
    if (scoreBoard_.HumanGames == SetWinGames || scoreBoard_.ComputerGames == SetWinGames) {
      co_await CountSet(redWon);
    }
  }
  if (scoreBoard_.HumanSets < MatchWinSets && scoreBoard_.ComputerSets < MatchWinSets) co_return;
  co_await EndMatch();
}

Steps Game::CountSet(bool redWon) {
  scoreBoard_.SetsShown = true;
  if (redWon) {
    ++scoreBoard_.ComputerSets;
  } else {
    ++scoreBoard_.HumanSets;
  }
  view_.ScoresChanged();
  view_.Announce(
      spoken::SetWonWords(view_, Winner(redWon), scoreBoard_.HumanSets, scoreBoard_.ComputerSets));
  if (redWon && scoreBoard_.ComputerSets == MatchWinSets) {
    std::string text = view_.Sentence(texts::kMatchWonByRed, {texts::IsolatedName(PlayerName2_)});
    co_await Tell(std::move(text));
  } else if (!redWon && scoreBoard_.HumanSets == MatchWinSets) {
    std::string text = view_.Sentence(texts::kMatchWonByGreen, {texts::IsolatedName(PlayerName1_)});
    co_await Tell(std::move(text));
  }
  scoreBoard_.HumanGames = 0;
  scoreBoard_.ComputerGames = 0;
  view_.ScoresChanged();
}

spoken::Side Game::Winner(bool red) const {
  return red ? spoken::Side{PlayerName2_, !twoPlayers_} : spoken::Side{PlayerName1_, false};
}

Steps Game::EndMatch() {
  for (std::size_t level = kLowestLevel; level <= kHighestLevel; ++level) {
    const int human = statistics_.HumanWinsAtLevel[level];
    const int computer = statistics_.ComputerWinsAtLevel[level];
    if (human > computer) {
      statistics_.MatchPoints += (human - computer) * 10 * static_cast<int>(level);
    }
  }
  if (!matchHelped_) scoreKeeper_.Insert(PlayerName1_, statistics_.MatchPoints);
  co_await TellScoresNotSaved(scoreKeeper_.SaveBestScores());
  co_await OpenStatistics();

  view_.AskYesNo(view_.Translate(texts::kPlayAgain), texts::kApplicationTitle);
  if (!co_await WaitFor(Question::kYesNo)) {
    view_.Quit();
    co_return;
  }
  scoreBoard_.HumanSets = 0;
  scoreBoard_.ComputerSets = 0;
  matchHelped_ = false;
  view_.ScoresChanged();
  ResetGameState();
  // Between two players the side the indicator shows opens the new match.
  if (!twoPlayers_) co_await OpenNewGame();
}

void Game::ShowStatistics() {
  if (waiting_.question == Question::kNone) Run(OpenStatistics());
}

Steps Game::OpenStatistics() {
  co_await TellScoresNotSaved(scoreKeeper_.LoadBestScores());
  view_.ShowStatistics();
  co_await WaitFor(Question::kStatistics);
}

}  // namespace quintara
