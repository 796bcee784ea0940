#pragma once

#include <string>
#include <vector>

#include "board/Sheet.h"
#include "game/BestScoreKeeper.h"
#include "game/GameState.h"
#include "game/GameView.h"
#include "game/Keys.h"
#include "game/ScoreStore.h"
#include "game/Scores.h"
#include "game/SheetDrawing.h"
#include "opponent/Turn.h"

namespace quintara {

// The whole game behind the main window: the sheet, the running game, the turn cycle and the
// computer's turn. It is driven by the window's events and answers through a GameView.
class Game {
 public:
  Game(GameView& view, DieSource& die);

  // --- Events from the window -------------------------------------------------------------
  // The human has chosen an intersection (mouse click, or Enter on the cross-hair).
  void ClickIntersection(int index);
  // A key for the cross-hair: the arrows move it, Enter plays where it stands; other keys do
  // nothing.
  void PressKey(Key key);
  // The window's outer size changed (twips); the game caps it to the largest sheet.
  void Resize(int outerWidth, int outerHeight);
  // "&Nouvelle feuille": a new sheet, after giving up a running game if the player agrees.
  void MenuNewSheet();
  // "&Changer de niveau": the same with its own question; true when the player went on, and the
  // window then shows the opponent and level dialog.
  bool MenuChangeLevel();

  // --- Settings chosen in the running program ----------------------------------------------
  void SetLevel(int level);
  void SetTwoPlayers(bool twoPlayers) { twoPlayers_ = twoPlayers; }
  void SetSoundOn(bool soundOn) { soundOn_ = soundOn; }
  void SetPlayerNames(const std::string& name1, const std::string& name2);
  // Where the best scores are kept; without one they last for the run only.
  void SetScoreStore(ScoreStore* store) { scoreKeeper_.SetStore(store); }

  // Loads the best scores and shows the statistics window.
  void ShowStatistics();

  // The computer's answer alone, chosen and placed, without the rest of the turn: for
  // measuring it.
  void ComputerTurn(int HumanMoveNumber);

  // --- What the window reads ----------------------------------------------------------------
  const Sheet& CurrentSheet() const { return sheet_; }
  const GameState& State() const { return state_; }
  const std::vector<SheetDrawing>& Drawings() const { return drawings_; }
  int Level() const { return level_; }
  bool TwoPlayers() const { return twoPlayers_; }
  PointColour TurnColour() const { return turnColour_; }
  int CrossHairIndex() const { return CrossHairIndex_; }
  const std::string& StatusText() const { return statusText_; }
  const std::string& PlayerName1() const { return PlayerName1_; }
  const std::string& PlayerName2() const { return PlayerName2_; }
  const ScoreBoard& MatchScores() const { return scoreBoard_; }
  const MatchStatistics& Statistics() const { return statistics_; }
  const BestScores& BestScoreTable() const { return scoreKeeper_.Table(); }
  int OuterWidth() const { return outerWidth_; }
  int OuterHeight() const { return outerHeight_; }

  // --- Positions for tests and benchmarks, laid before play ---------------------------------
  // A point of the running game, recorded as if played (its side's moves, the game box); with
  // `closed`, an intersection of a finished game instead, with that point or none (kNoPoint).
  // Returns the point's slot in its side's moves, 0 when not recorded.
  int LayPoint(int index, PointColour colour, bool closed = false);

 private:
  // The steps of the turn cycle, run by the events above.
  void PlayAgainstComputer(int index);
  void PlaceComputerPoint(int index);
  void PlacePlayerPoint(int index);
  void NewSheetIfFull();
  void ExtendGameBox(int index);
  void CheckFiveInRow(int index);
  void CloseGameZone();
  void RecordGameResult();
  void OpenNewGame();
  void ResetGameState();
  void NewSheet();
  void PutPoint(int index, PointColour colour, bool growing);
  void SetTurn(PointColour colour);
  bool TryOpenInRow(int row);
  bool RunningGamePointIsPlayable() const;
  bool GiveUpRunningGame(bool ask, const char* question);
  void NewSheetFromMenu();
  void CountSet(bool redWon);
  // The side that won, as the spoken words name it.
  std::string Winner(bool red) const;
  void EndMatch();

  GameView& view_;
  DieSource& die_;
  Sheet sheet_;
  GameState state_;
  std::vector<SheetDrawing> drawings_;

  int level_ = 1;
  bool twoPlayers_ = false;
  bool soundOn_ = true;
  std::string PlayerName1_;
  std::string PlayerName2_;
  std::string TurnTextPlayer1_;
  std::string TurnTextPlayer2_;
  PointColour turnColour_ = HumanColour;
  int CrossHairIndex_ = IndexOf(3, 15);
  std::string statusText_;
  int outerWidth_;
  int outerHeight_;

  ScoreBoard scoreBoard_;
  MatchStatistics statistics_;
  BestScoreKeeper scoreKeeper_{view_};  // the best scores and their file
};

}  // namespace quintara
