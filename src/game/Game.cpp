#include "game/Game.h"

#include <algorithm>
#include <utility>

#include "board/FiveInRow.h"
#include "board/FreeArea.h"
#include "board/ShownArea.h"
#include "game/SpokenWords.h"
#include "game/Texts.h"
#include "opponent/ComputerTurn.h"

namespace quintara {
namespace {

constexpr int kLineSetting = 2;  // the sheet's line width for winning lines and frames
constexpr int kLineInset = 120;  // a winning line runs 120 twips inside the hit areas' corners
constexpr int kFrameBefore = 30;
constexpr int kFrameAfter = 280;
// The computer opens a game 5 rows down and 5 columns right of a free area's corner.
constexpr int kOpeningOffset = IndexOf(5, 5) - IndexOf(0, 0);
constexpr int kNewSheetOpening = IndexOf(7, 7);
// The last row and column where the top-left corner of a free 12 x 12 area is looked for.
constexpr int kLastOpeningRow = 11;
constexpr int kLastOpeningColumn = 20;

}  // namespace

Game::Game(GameView& view, DieSource& die)
    : view_(view),
      die_(die),
      PlayerName1_(view.Translate(texts::kDefaultPlayerName1)),
      PlayerName2_(view.Translate(texts::kDefaultPlayerName2)),
      TurnTextPlayer1_(view.Sentence(texts::kYourTurn, {PlayerName1_})),
      TurnTextPlayer2_(view.Sentence(texts::kYourTurn, {PlayerName2_})),
      statusText_(TurnTextPlayer1_),
      outerWidth_(kDesignOuterWidth),
      outerHeight_(kDesignOuterHeight) {
  sheet_.SetShownArea({.width = outerWidth_, .height = outerHeight_});
}

void Game::Run(Steps steps) {
  if (!steps.Done()) waiting_.steps = std::move(steps);
}

void Game::Answer(bool yes) {
  if (waiting_.question == Question::kNone) return;
  waiting_.answer = yes;
  waiting_.question = Question::kNone;
  if (waiting_.newestSize) FollowSize(waiting_.newestSize->first, waiting_.newestSize->second);
  waiting_.newestSize.reset();
  std::exchange(waiting_.answerTo, {}).resume();
  if (waiting_.steps && waiting_.steps->Done()) waiting_.steps.reset();
}

Steps Game::Tell(std::optional<std::string> text, std::string caption) {
  if (!text) co_return;
  view_.ShowMessage(*text, caption);
  co_await WaitFor(Question::kMessage);
}

Steps Game::TellScoresNotSaved(std::optional<std::string> reason) {
  if (!reason) co_return;
  std::string text = view_.Sentence(texts::kScoresNotSaved, {*reason});
  co_await Tell(std::move(text));
}

void Game::ClickIntersection(int index) {
  if (waiting_.question == Question::kNone) Run(Click(index));
}

Steps Game::Click(int index) {
  // Also refuses what the mouse cannot reach but the cross-hair can: an intersection left
  // outside the shown area after the window shrank.
  if (sheet_.HasPoint(index) || !sheet_.Playable(index)) {
    co_await Tell(view_.Translate(texts::kCannotPlayHere),
                  view_.Translate(texts::kCannotPlayHereCaption));
    co_return;
  }
  RememberBeforePoint(index);
  if (twoPlayers_) {
    co_await PlacePlayerPoint(index);
  } else {
    co_await PlayAgainstComputer(index);
  }
  co_await NewSheetIfFull();
}

Steps Game::PlayAgainstComputer(int index) {
  int HumanMoveNumber = 0;
  if (turnColour_ == HumanColour) {
    PutPoint(index, HumanColour, false);
    SetTurn(ComputerColour);
    HumanMoveNumber = state_.HumanMoves.Record(index);
    ExtendGameBox(index);
    co_await CheckFiveInRow(index);
  }
  if (state_.GameOver) {
    ResetGameState();
    co_await OpenNewGame();
  } else {
    co_await ComputerReply(HumanMoveNumber);
    SetTurn(HumanColour);
    if (state_.GameOver) ResetGameState();
  }
  state_.ComputerHasPlayed = false;
}

void Game::Resize(int outerWidth, int outerHeight) {
  if (waiting_.question != Question::kNone) {
    waiting_.newestSize = {outerWidth, outerHeight};
  } else {
    FollowSize(outerWidth, outerHeight);
  }
}

void Game::FollowSize(int outerWidth, int outerHeight) {
  if (outerWidth > kLargestOuterWidth || outerHeight > kLargestOuterHeight) {
    outerWidth = kLargestOuterWidth;
    outerHeight = kLargestOuterHeight;
  }
  outerWidth_ = outerWidth;
  outerHeight_ = outerHeight;
  sheet_.SetShownArea({.width = outerWidth, .height = outerHeight});
}

void Game::NewSheet() {
  drawings_.clear();
  sheet_.Clear();
  view_.SheetCleared();
  view_.Announce(view_.Translate(texts::kNewSheetWords));
  ResetGameState();
  FollowSize(outerWidth_, outerHeight_);
}

void Game::SetLevel(int level) {
  level_ = std::clamp(level, kLowestLevel, kHighestLevel);
}

void Game::SetPlayerNames(const std::string& name1, const std::string& name2) {
  // The turn texts keep the names the game started with.
  PlayerName1_ = name1;
  PlayerName2_ = name2;
}

void Game::ComputerTurn(int HumanMoveNumber) {
  Run(ComputerReply(HumanMoveNumber));
}

Steps Game::ComputerReply(int HumanMoveNumber) {
  // The rules choose on the game as it stands; only once they are done does the point go on the
  // sheet, with all that may follow it (a five, the end of a match, the next game).
  Turn turn({sheet_, state_.ComputerMoves, state_.HumanMoves, state_.Box, level_, HumanMoveNumber},
            die_);
  if (const std::optional<int> point = quintara::ComputerTurn(turn)) {
    co_await PlaceComputerPoint(*point);
  }
}

Steps Game::PlaceComputerPoint(int index) {
  if (sheet_.HasPoint(index) || !sheet_.Playable(index) || state_.ComputerHasPlayed) co_return;
  if (soundOn_) view_.PlayPointSound();
  PutPoint(index, ComputerColour, true);
  view_.Announce(spoken::ComputerPointWords(view_, index));
  view_.StopPointSound();
  state_.ComputerHasPlayed = true;
  state_.ComputerMoves.Record(index);
  ++state_.ComputerMoveCount;
  ExtendGameBox(index);
  co_await CheckFiveInRow(index);
}

Steps Game::PlacePlayerPoint(int index) {
  PutPoint(index, turnColour_, false);
  ExtendGameBox(index);
  co_await CheckFiveInRow(index);
  // The players go on alternating; a won game leaves the next one a fresh state.
  if (state_.GameOver) ResetGameState();
  SetTurn(turnColour_ == ComputerColour ? HumanColour : ComputerColour);
  view_.Announce(spoken::TurnWords(statusText_));
}

void Game::ExtendGameBox(int index) {
  state_.Box.ExtendGameBox(index);
}

Steps Game::CheckFiveInRow(int index) {
  const PointColour colour = sheet_.ColourAt(index);
  if (colour == ComputerColour) state_.WinColourNumber = ColourNumber::kBrightRed;
  if (colour == HumanColour) state_.WinColourNumber = ColourNumber::kDarkGreen;

  const auto five = FindFiveInRow(sheet_, index);
  if (!five) co_return;
  const int from = five->lowest;
  const int to = five->lowest + 4 * five->step;
  drawings_.push_back({SheetDrawing::Kind::kWinningLine, HitAreaLeft(from) + kLineInset,
                       HitAreaTop(from) + kLineInset, HitAreaLeft(to) + kLineInset,
                       HitAreaTop(to) + kLineInset, ColourNumber::kBlack, kLineSetting});
  view_.SheetDrawn();
  co_await CloseGameZone();
}

Steps Game::CloseGameZone() {
  GameBox& box = state_.Box;
  drawings_.push_back({SheetDrawing::Kind::kFrame, box.BoxLeft + kFrameBefore,
                       box.BoxTop + kFrameBefore, box.BoxRight + kFrameAfter,
                       box.BoxBottom + kFrameAfter, state_.WinColourNumber, kLineSetting});
  view_.SheetDrawn();

  // Every intersection of the box, edges included.
  const auto line = [](int position) { return (position + kHitAreaOffset) / kGridSpacing; };
  sheet_.CloseRectangle({.topRow = RowOf(box.BoxTopIndex),
                         .leftColumn = line(box.BoxLeft),
                         .bottomRow = line(box.BoxBottom),
                         .rightColumn = line(box.BoxRight)});

  // The box is reset before the result is recorded: recording may open the next game, whose
  // first point must start the next box.
  box.ResetPositions();
  co_await RecordGameResult();
}

Steps Game::OpenNewGame() {
  std::optional<int> free = FreeAreaInRow(kFirstPlayableRow);
  if (!free && (outerWidth_ != kLargestOuterWidth || outerHeight_ != kLargestOuterHeight)) {
    const std::pair shown(sheet_.RowMax(), sheet_.ColMax());
    FollowSize(kLargestOuterWidth, kLargestOuterHeight);
    view_.Maximise();
    // A player who cannot see the sheet learns of the new rows and columns before they are named.
    if (shown != std::pair(sheet_.RowMax(), sheet_.ColMax())) {
      view_.Announce(spoken::SheetGrownWords(view_, sheet_));
    }
  }
  for (int row = kFirstPlayableRow + 1; !free && row <= kLastOpeningRow; ++row) {
    free = FreeAreaInRow(row);
  }
  if (free) {
    co_await PlaceComputerPoint(*free + kOpeningOffset);
    SetTurn(HumanColour);
    co_return;
  }
  co_await Tell(view_.Translate(texts::kSheetTooSmall));
  NewSheet();
  co_await PlaceComputerPoint(kNewSheetOpening);
  SetTurn(HumanColour);
}

// Once every crossing in sight is taken or closed nobody can move: the running game, if one has
// begun, ends without a winner and counts for neither side, and play goes on on a new sheet, the
// side to move opening it.
Steps Game::NewSheetIfFull() {
  if (HasFreeIntersection(sheet_)) co_return;
  const bool gameUnderWay = state_.Box.BoxBottom != GameBox::kUnsetBottom;
  co_await Tell(view_.Translate(gameUnderWay ? texts::kDrawnGame : texts::kSheetFull));
  NewSheet();
}

// The top-left corner of the first free 12 x 12 area of a row, if any.
std::optional<int> Game::FreeAreaInRow(int row) const {
  for (int column = kFirstPlayableColumn; column <= kLastOpeningColumn; ++column) {
    if (IsFreeArea(sheet_, IndexOf(row, column))) return IndexOf(row, column);
  }
  return std::nullopt;
}

void Game::ResetGameState() {
  // ComputerHasPlayed is a turn's flag, not a game's: a computer point that has just ended a
  // match still counts as this turn's point when the next match opens.
  state_.HumanMoves.Clear();
  state_.ComputerMoves.Clear();
  state_.GameOver = false;
  state_.ComputerMoveCount = 0;
  state_.Box = GameBox{};
  takeBacks_.clear();
  hint_.reset();
}

int Game::LayPoint(int index, PointColour colour, bool closed) {
  if (colour != kNoPoint) sheet_.PutPoint(index, colour);
  if (closed) {
    sheet_.CloseRectangle({RowOf(index), ColumnOf(index), RowOf(index), ColumnOf(index)});
    return 0;
  }
  state_.Box.ExtendGameBox(index);
  if (colour == HumanColour) return state_.HumanMoves.Record(index);
  ++state_.ComputerMoveCount;
  return state_.ComputerMoves.Record(index);
}

void Game::PutPoint(int index, PointColour colour, bool growing) {
  hint_.reset();
  sheet_.PutPoint(index, colour);
  view_.PointPlaced(index, colour, growing);
}

void Game::SetTurn(PointColour colour) {
  turnColour_ = colour;
  statusText_ = colour == HumanColour ? TurnTextPlayer1_ : TurnTextPlayer2_;
  view_.TurnChanged(turnColour_, statusText_);
}

}  // namespace quintara
