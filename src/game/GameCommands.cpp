// The player's commands besides a click: the cross-hair's keys and the menus that start a new
// sheet, giving up a running game if need be.
#include <algorithm>

#include "game/Game.h"
#include "game/Texts.h"

namespace quintara {

void Game::PressKey(Key key) {
  if (waiting_.question != Question::kNone) return;
  int step = 0;
  switch (key) {
    case Key::kEnter: ClickIntersection(CrossHairIndex_); return;
    case Key::kLeft: step = -kHorizontal; break;
    case Key::kRight: step = kHorizontal; break;
    case Key::kUp: step = -kVertical; break;
    case Key::kDown: step = kVertical; break;
    default: return;
  }
  // A smaller window may leave the cross-hair outside the shown area, where no neighbour is
  // shown: any arrow brings it back to the nearest shown crossing, so the keys never stick.
  if (!sheet_.InShownArea(CrossHairIndex_)) {
    CrossHairIndex_ =
        IndexOf(std::clamp(RowOf(CrossHairIndex_), kFirstPlayableRow, sheet_.RowMax()),
                std::clamp(ColumnOf(CrossHairIndex_), kFirstPlayableColumn, sheet_.ColMax()));
    return;
  }
  // The cross-hair stays on the shown area, finished games' zones included, so it never wraps
  // from one row's end to the next row.
  const int target = CrossHairIndex_ + step;
  if (sheet_.Playable(target) || sheet_.Closed(target)) CrossHairIndex_ = target;
}

void Game::MenuNewSheet() {
  if (waiting_.question == Question::kNone) Run(NewSheetFromMenu());
}

void Game::MenuChangeLevel() {
  if (waiting_.question == Question::kNone) Run(ChangeLevelFromMenu());
}

Steps Game::NewSheetFromMenu() {
  const bool ask =
      !state_.GameOver && !state_.ComputerNotYetPlayed() && RunningGamePointIsPlayable();
  bool goOn = true;
  co_await GiveUpRunningGame(ask, texts::kGiveUpForNewSheet, goOn);
  if (goOn) ClearSheetFromMenu();
}

Steps Game::ChangeLevelFromMenu() {
  const bool ask = !state_.GameOver && !state_.ComputerNotYetPlayed();
  bool goOn = true;
  co_await GiveUpRunningGame(ask, texts::kGiveUpForNewLevel, goOn);
  if (!goOn) co_return;
  ClearSheetFromMenu();
  view_.ShowOpponentDialog();
}

bool Game::RunningGamePointIsPlayable() const {
  for (int index = kFirstGridIndex; index <= kLastIntersection; ++index) {
    if (sheet_.HasPoint(index) && sheet_.Playable(index)) return true;
  }
  return false;
}

// The running game counts as won by the red side when the player agrees to give it up.
Steps Game::GiveUpRunningGame(bool ask, const char* question, bool& goOn) {
  if (!ask) co_return;
  view_.AskYesNo(view_.Translate(question), texts::kApplicationTitle);
  goOn = co_await WaitFor(Question::kYesNo);
  if (!goOn) co_return;
  state_.WinColourNumber = ColourNumber::kBrightRed;
  co_await RecordGameResult();
}

void Game::ClearSheetFromMenu() {
  NewSheet();
  // Giving up may have ended the match and let the computer open the next one on the sheet
  // just erased: that point is gone, so the computer still has its reply to make.
  state_.ComputerHasPlayed = false;
}

}  // namespace quintara
