#include "game/Game.h"

#include <algorithm>

#include "board/FiveInRow.h"
#include "board/FreeArea.h"
#include "board/ShownArea.h"
#include "game/ScoreFile.h"
#include "game/Texts.h"
#include "opponent/ComputerTurn.h"

namespace quintara {
namespace {

constexpr int kLineSetting = 2;  // the sheet's line width for winning lines and frames
constexpr int kLineInset = 120;  // a winning line runs 120 twips inside the hit areas' corners
constexpr int kFrameBefore = 30;
constexpr int kFrameAfter = 280;
constexpr int kOpeningOffset = 180;    // 5 rows down and 5 columns right of a free area's corner
constexpr int kNewSheetOpening = 652;  // row 7, column 7

}  // namespace

Game::Game(GameView& view, DieSource& die)
    : view_(view),
      die_(die),
      playerName1_(texts::kDefaultPlayerName1),
      playerName2_(texts::kDefaultPlayerName2),
      TurnTextPlayer1(playerName1_ + texts::kTurnSuffix),
      TurnTextPlayer2(playerName2_ + texts::kTurnSuffix),
      statusText_(TurnTextPlayer1),
      outerWidth_(kDesignOuterWidth),
      outerHeight_(kDesignOuterHeight) {
  sheet_.SetShownArea(outerWidth_, outerHeight_);
}

void Game::lblIntersection_Click(int index) {
  // Also refuses what the mouse cannot reach but the cross-hair can: an intersection left
  // outside the shown area after the window shrank.
  if (sheet_.HasPoint(index) || !sheet_.Playable(index)) {
    view_.showMessage(texts::kCannotPlayHere, texts::kCannotPlayHereCaption);
    return;
  }
  if (twoPlayers_) {
    PlacePlayerPoint(index);
    return;
  }
  int HumanMoveNumber = 0;
  if (turnColour_ == HumanColour) {
    PutPoint(index, HumanColour, false);
    SetTurn(ComputerColour);
    HumanMoveNumber = state_.HumanMoves.Record(index);
    ExtendGameBox(index);
    CheckFiveInRow(index);
  }
  if (state_.GameOver) {
    ResetGameState();
    OpenNewGame();
  } else {
    ComputerTurn(HumanMoveNumber);
    SetTurn(HumanColour);
    if (state_.GameOver) ResetGameState();
  }
  state_.ComputerHasPlayed = false;
}

void Game::txtPion_KeyDown(int KeyCode) {
  int step = 0;
  switch (KeyCode) {
    case kKeyEnter: lblIntersection_Click(crossHairIndex_); return;
    case kKeyLeft: step = -1; break;
    case kKeyRight: step = 1; break;
    case kKeyUp: step = -kColumns; break;
    case kKeyDown: step = kColumns; break;
    default: return;
  }
  // The cross-hair stays on the shown area, finished games' zones included, so it never wraps
  // from one row's end to the next row.
  const int target = crossHairIndex_ + step;
  if (sheet_.Playable(target) || sheet_.Closed(target)) crossHairIndex_ = target;
}

void Game::Form_Resize(int outerWidth, int outerHeight) {
  if (outerWidth > kLargestOuterWidth || outerHeight > kLargestOuterHeight) {
    outerWidth = kLargestOuterWidth;
    outerHeight = kLargestOuterHeight;
  }
  outerWidth_ = outerWidth;
  outerHeight_ = outerHeight;
  sheet_.SetShownArea(outerWidth, outerHeight);
}

void Game::NewSheet() {
  drawings_.clear();
  sheet_.Clear();
  view_.sheetCleared();
  ResetGameState();
  Form_Resize(outerWidth_, outerHeight_);
}

void Game::mnuNouvelle_Click() {
  const bool ask = !state_.GameOver && !state_.ComputerNotYetPlayed && RunningGamePointIsPlayable();
  if (!GiveUpRunningGame(ask, texts::kGiveUpForNewSheet)) return;
  NewSheetFromMenu();
}

bool Game::mnuChanger_Click() {
  const bool ask = !state_.GameOver && !state_.ComputerNotYetPlayed;
  if (!GiveUpRunningGame(ask, texts::kGiveUpForNewLevel)) return false;
  NewSheetFromMenu();
  return true;
}

bool Game::RunningGamePointIsPlayable() const {
  for (int index = kFirstGridIndex; index <= kLastIntersection; ++index) {
    if (sheet_.HasPoint(index) && sheet_.Playable(index)) return true;
  }
  return false;
}

// The running game counts as won by the red side when the player agrees to give it up.
bool Game::GiveUpRunningGame(bool ask, const char* question) {
  if (!ask) return true;
  if (!view_.askYesNo(question, texts::kApplicationTitle)) return false;
  state_.WinColourNumber = kColourNumberBrightRed;
  RecordGameResult();
  return true;
}

void Game::NewSheetFromMenu() {
  NewSheet();
  // Giving up may have ended the match and let the computer open the next one on the sheet
  // just erased: that point is gone, so the computer still has its reply to make.
  state_.ComputerHasPlayed = false;
}

void Game::setLevel(int level) {
  level_ = std::clamp(level, 1, 4);
}

void Game::setPlayerNames(const std::string& name1, const std::string& name2) {
  // The turn texts keep the names the game started with.
  playerName1_ = name1;
  playerName2_ = name2;
}

void Game::ComputerTurn(int HumanMoveNumber) {
  Turn turn{
      sheet_, state_.ComputerMoves, state_.HumanMoves, state_.Box, level_, HumanMoveNumber, die_,
      *this};
  quintara::ComputerTurn(turn);
}

void Game::PlaceComputerPoint(int index) {
  if (sheet_.HasPoint(index) || !sheet_.Playable(index) || state_.ComputerHasPlayed) return;
  if (soundOn_) view_.PlayPointSound();
  PutPoint(index, ComputerColour, true);
  view_.stopPointSound();
  state_.ComputerHasPlayed = true;
  state_.ComputerNotYetPlayed = false;
  state_.ComputerMoves.Record(index);
  ++state_.ComputerMoveCount;
  state_.LastPlacedIndex = index;
  ExtendGameBox(state_.LastPlacedIndex);
  CheckFiveInRow(index);
}

void Game::PlacePlayerPoint(int index) {
  PutPoint(index, turnColour_, false);
  ExtendGameBox(index);
  CheckFiveInRow(index);
  // The players go on alternating; a won game leaves the next one a fresh state.
  if (state_.GameOver) ResetGameState();
  SetTurn(turnColour_ == ComputerColour ? HumanColour : ComputerColour);
}

void Game::ExtendGameBox(int index) {
  state_.Box.ExtendGameBox(index);
}

void Game::CheckFiveInRow(int index) {
  const int colour = sheet_.ColourAt(index);
  if (colour == ComputerColour) state_.WinColourNumber = kColourNumberBrightRed;
  if (colour == HumanColour) state_.WinColourNumber = kColourNumberDarkGreen;

  const auto five = FindFiveInRow(sheet_, index);
  if (!five) return;
  const int from = five->lowest;
  const int to = five->lowest + 4 * five->step;
  drawings_.push_back({SheetDrawing::Kind::kWinningLine, HitAreaLeft(from) + kLineInset,
                       HitAreaTop(from) + kLineInset, HitAreaLeft(to) + kLineInset,
                       HitAreaTop(to) + kLineInset, kColourNumberBlack, kLineSetting});
  view_.sheetDrawn();
  CloseGameZone();
}

void Game::CloseGameZone() {
  GameBox& box = state_.Box;
  drawings_.push_back({SheetDrawing::Kind::kFrame, box.BoxLeft + kFrameBefore,
                       box.BoxTop + kFrameBefore, box.BoxRight + kFrameAfter,
                       box.BoxBottom + kFrameAfter, state_.WinColourNumber, kLineSetting});
  view_.sheetDrawn();

  // Every intersection of the box, edges included.
  const auto line = [](int position) { return (position + kHitAreaOffset) / kGridSpacing; };
  sheet_.CloseRectangle(RowOf(box.BoxTopIndex), line(box.BoxLeft), line(box.BoxBottom),
                        line(box.BoxRight));

  // The box is reset before the result is recorded: recording may open the next game, whose
  // first point must start the next box.
  box.ResetPositions();
  RecordGameResult();
}

void Game::RecordGameResult() {
  state_.GameOver = true;
  if (!bestScoresLoaded_) LoadBestScores();
  if (scoreBoard_.AllZero()) statistics_ = MatchStatistics{};

  const auto level = static_cast<std::size_t>(level_);
  const bool redWon = state_.WinColourNumber == kColourNumberBrightRed;
  const bool greenWon = state_.WinColourNumber == kColourNumberDarkGreen;
  if (redWon) {
    ++scoreBoard_.ComputerGames;
    ++statistics_.ComputerWinsAtLevel[level];
  } else if (greenWon) {
    ++scoreBoard_.HumanGames;
    ++statistics_.HumanWinsAtLevel[level];
    statistics_.MatchPoints += 10 * level_;
  }
  view_.scoresChanged();

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
  view_.scoresChanged();
  if (redWon && scoreBoard_.ComputerSets == MatchWinSets) {
    view_.showMessage(playerName2_ + texts::kMatchWonByRed, texts::kApplicationTitle);
  } else if (!redWon && scoreBoard_.HumanSets == MatchWinSets) {
    view_.showMessage(playerName1_ + texts::kMatchWonByGreen, texts::kApplicationTitle);
  }
  scoreBoard_.HumanGames = 0;
  scoreBoard_.ComputerGames = 0;
  view_.scoresChanged();
}

void Game::EndMatch() {
  for (std::size_t level = 1; level <= 4; ++level) {
    const int human = statistics_.HumanWinsAtLevel[level];
    const int computer = statistics_.ComputerWinsAtLevel[level];
    if (human > computer) {
      statistics_.MatchPoints += (human - computer) * 10 * static_cast<int>(level);
    }
  }
  if (InsertBestScore(bestScores_, playerName1_, statistics_.MatchPoints) != 0) {
    bestScoresUnsaved_ = true;
  }
  SaveBestScores();
  ShowStatistics();

  if (!view_.askYesNo(texts::kPlayAgain, texts::kApplicationTitle)) {
    view_.quit();
    return;
  }
  scoreBoard_.HumanSets = 0;
  scoreBoard_.ComputerSets = 0;
  view_.scoresChanged();
  ResetGameState();
  // Between two players the side the indicator shows opens the new match.
  if (!twoPlayers_) OpenNewGame();
}

void Game::LoadBestScores() {
  bestScoresLoaded_ = true;
  // Points not yet in the file stay in memory rather than being read over.
  if (!scoreStore_ || bestScoresUnsaved_) return;
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
  if (!scoreStore_) return;
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
  view_.showStatistics();
}

void Game::TellScoresNotSaved(const std::string& reason) {
  if (scoreProblemTold_) return;
  scoreProblemTold_ = true;
  view_.showMessage(texts::kScoresNotSaved + reason, texts::kApplicationTitle);
}

void Game::OpenNewGame() {
  if (TryOpenInRow(kFirstPlayableRow)) return;
  if (outerWidth_ != kLargestOuterWidth || outerHeight_ != kLargestOuterHeight) {
    Form_Resize(kLargestOuterWidth, kLargestOuterHeight);
    view_.maximise();
  }
  for (int row = kFirstPlayableRow + 1; row <= 11; ++row) {
    if (TryOpenInRow(row)) return;
  }
  view_.showMessage(texts::kSheetTooSmall, texts::kApplicationTitle);
  NewSheet();
  PlaceComputerPoint(kNewSheetOpening);
  SetTurn(HumanColour);
}

bool Game::TryOpenInRow(int row) {
  for (int column = kFirstPlayableColumn; column <= 20; ++column) {
    const int topLeft = IndexOf(row, column);
    if (IsFreeArea(sheet_, topLeft)) {
      PlaceComputerPoint(topLeft + kOpeningOffset);
      SetTurn(HumanColour);
      return true;
    }
  }
  return false;
}

void Game::ResetGameState() {
  // ComputerHasPlayed is a turn's flag, not a game's: a computer point that has just ended a
  // match still counts as this turn's point when the next match opens.
  state_.HumanMoves.Clear();
  state_.ComputerMoves.Clear();
  state_.GameOver = false;
  state_.ComputerNotYetPlayed = true;
  state_.ComputerMoveCount = 0;
  state_.Box = GameBox{};
}

void Game::PutPoint(int index, int colour, bool growing) {
  sheet_.PutPoint(index, colour);
  view_.pointPlaced(index, colour, growing);
}

void Game::SetTurn(int colour) {
  turnColour_ = colour;
  statusText_ = colour == HumanColour ? TurnTextPlayer1 : TurnTextPlayer2;
  view_.turnChanged(turnColour_, statusText_);
}

}  // namespace quintara
