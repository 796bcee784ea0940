#pragma once

#include <string>

#include "board/Geometry.h"
#include "game/Language.h"

namespace quintara {

// What the game tells its window, and the questions it asks it. The game never touches a
// widget; the window draws from the game's state and answers through this interface. The
// window is also the player's language: the game writes every text it hands over in it.
class GameView : public Language {
 public:
  // A point was put on the sheet; the computer's point grows in (growing is true).
  virtual void PointPlaced(int index, PointColour colour, bool growing) = 0;
  // A winning line or a game's frame was drawn on the sheet (see Game::Drawings()).
  virtual void SheetDrawn() = 0;
  // Every point and drawing has gone from the sheet.
  virtual void SheetCleared() = 0;
  // The last points of the running game were taken back (see Game::TakeBack).
  virtual void PointsTakenBack() = 0;
  // The side to move changed: the turn indicator's colour and the status line.
  virtual void TurnChanged(PointColour colour, const std::string& statusText) = 0;
  // The score board changed (see Game::MatchScores()).
  virtual void ScoresChanged() = 0;
  // Words for a player who cannot see the sheet, said once (see spoken::): the computer's
  // point, a game's or a set's end, a new sheet, whose turn it is between two players.
  virtual void Announce(const std::string& words) = 0;

  // The questions: each opens a modal window and returns at once; the game waits, refusing the
  // player's other input, until the window calls Game::Answer.
  // A message box with an OK button; Answer when it has closed.
  virtual void ShowMessage(const std::string& text, const std::string& caption) = 0;
  // A message box with Yes and No buttons; Answer(true) for Yes.
  virtual void AskYesNo(const std::string& text, const std::string& caption) = 0;
  // The window becomes the largest sheet (outer 12120 x 8700 twips, normal state); the game
  // has already recomputed the shown area for that size.
  virtual void Maximise() = 0;
  // The statistics window: the match statistics and the best scores (see Game); Answer when it
  // has closed.
  virtual void ShowStatistics() = 0;
  // The opponent and level dialog, after "&Changer de niveau": its choices reach the game
  // through its settings, and the game does not wait for it.
  virtual void ShowOpponentDialog() = 0;
  // The player declined a new match: the program ends.
  virtual void Quit() = 0;

  // The chime of a computer point, started without waiting, and the command to stop it,
  // which may wait for the growth of the point that is showing.
  virtual void PlayPointSound() = 0;
  virtual void StopPointSound() = 0;
};

}  // namespace quintara
