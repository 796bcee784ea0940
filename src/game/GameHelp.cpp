// The player's helpers: taking a point back and asking the computer's rules for a hint.
#include "game/Game.h"
#include "game/SpokenWords.h"
#include "opponent/ComputerTurn.h"

namespace quintara {
namespace {

// A hint rolls no die of the game's: where the rules would roll, the first face.
struct FirstFace : DieSource {
  int Roll() override { return 1; }
};

// The running game's points of one side (not closed), in the order of the sheet.
MoveList RunningPoints(const Sheet& sheet, PointColour side) {
  MoveList moves;
  for (int index = kFirstGridIndex; index <= kLastIntersection; ++index) {
    if (sheet.ColourAt(index) == side && !sheet.Closed(index)) moves.Record(index);
  }
  return moves;
}

}  // namespace

void Game::RememberBeforePoint(int point) {
  takeBacks_.push_back({sheet_, state_, turnColour_, CrossHairIndex_, point});
}

void Game::TakeBack() {
  if (waiting_.question != Question::kNone || takeBacks_.empty()) return;
  const BeforePoint& before = takeBacks_.back();
  sheet_ = before.sheet;
  sheet_.SetShownArea({.width = outerWidth_, .height = outerHeight_});
  state_ = before.state;
  CrossHairIndex_ = before.crossHair;
  const PointColour turn = before.turnColour;
  const int point = before.point;
  takeBacks_.pop_back();
  hint_.reset();
  matchHelped_ = true;
  view_.PointsTakenBack();
  SetTurn(turn);
  view_.Announce(spoken::PositionWords(view_, texts::kTakenBack, point));
}

void Game::AskHint() {
  if (waiting_.question == Question::kNone) Run(GiveHint());
}

Steps Game::GiveHint() {
  hint_ = RulesPointFor(turnColour_);
  if (!hint_) {
    co_await Tell(view_.Translate(texts::kNoHint));
    co_return;
  }
  matchHelped_ = true;
  CrossHairIndex_ = *hint_;
  view_.Announce(spoken::PositionWords(view_, texts::kHint, *hint_));
}

std::optional<int> Game::RulesPointFor(PointColour side) const {
  // The rules play red: for green they read the sheet with the sides swapped.
  Sheet sheet = sheet_;
  if (side == HumanColour) {
    for (int index = kFirstGridIndex; index <= kLastIntersection; ++index) {
      if (sheet_.HasPoint(index)) {
        sheet.PutPoint(index, sheet_.ColourAt(index) == HumanColour ? ComputerColour : HumanColour);
      }
    }
  }
  // Between two players no move lists are kept: the running game's points stand for them.
  const bool recorded = !twoPlayers_;
  const MoveList own = recorded ? (side == HumanColour ? state_.HumanMoves : state_.ComputerMoves)
                                : RunningPoints(sheet, ComputerColour);
  const MoveList other = recorded ? (side == HumanColour ? state_.ComputerMoves : state_.HumanMoves)
                                  : RunningPoints(sheet, HumanColour);
  FirstFace die;
  Turn turn({sheet, own, other, state_.Box, level_, other.Count()}, die);
  return quintara::ComputerTurn(turn);
}

}  // namespace quintara
