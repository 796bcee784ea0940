#pragma once

#include <coroutine>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "board/Sheet.h"
#include "game/BestScoreKeeper.h"
#include "game/GameState.h"
#include "game/GameView.h"
#include "game/Keys.h"
#include "game/ScoreStore.h"
#include "game/Scores.h"
#include "game/SheetDrawing.h"
#include "game/SpokenWords.h"
#include "game/Steps.h"
#include "game/Texts.h"
#include "opponent/Turn.h"

namespace quintara {

// The whole game behind the main window: the sheet, the running game, the turn cycle and the
// computer's turn. It is driven by the window's events and answers through a GameView. When it
// asks the player something it waits, as a modal window does, until the window calls Answer.
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
  // "&Changer de niveau": the same with its own question, then the opponent and level dialog.
  void MenuChangeLevel();
  // "&Statistique": loads the best scores and shows the statistics window.
  void ShowStatistics();
  // "Annuler le coup": the running game as it was before the player's last point, the
  // computer's reply to it taken back too. Never across a finished game, whose result is
  // counted; the die is not rolled back.
  bool CanTakeBack() const { return !takeBacks_.empty(); }
  void TakeBack();
  // "Conseil": the crossing the computer's rules choose for the side to move, at the running
  // level, reached by the cross-hair and marked until the next point. The game's die is never
  // rolled for it.
  void AskHint();
  std::optional<int> HintIndex() const { return hint_; }
  // The player took back a point or asked a hint in this match, whose points then stay out of
  // the best scores.
  bool MatchHelped() const { return matchHelped_; }

  // --- The player's answer -----------------------------------------------------------------
  // What the game is waiting for. Meanwhile it refuses clicks, keys and menus, and keeps the
  // window's newest size until the answer has come.
  enum class Question { kNone, kMessage, kYesNo, kStatistics };
  Question WaitingFor() const { return waiting_.question; }
  // The player has answered: Yes (true) or No to a yes/no question; for a message box or the
  // statistics window, that it has closed. Ignored when nothing was asked.
  void Answer(bool yes);

  // --- Settings chosen in the running program ----------------------------------------------
  void SetLevel(int level);
  void SetTwoPlayers(bool twoPlayers) { twoPlayers_ = twoPlayers; }
  void SetSoundOn(bool soundOn) { soundOn_ = soundOn; }
  void SetPlayerNames(const std::string& name1, const std::string& name2);
  // Where the best scores are kept; without one they last for the run only.
  void SetScoreStore(ScoreStore* store) { scoreKeeper_.SetStore(store); }

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
  // Keeps steps that wait for an answer until they end.
  void Run(Steps steps);
  // Opens nothing itself: the question is on screen; resumes with the answer.
  struct Reply {
    Game& game;
    Question question;
    // NOLINTNEXTLINE(readability-convert-member-functions-to-static): called on the awaiter
    bool await_ready() const noexcept { return false; }
    void await_suspend(std::coroutine_handle<> waiting) noexcept {
      game.waiting_.question = question;
      game.waiting_.answerTo = waiting;
    }
    bool await_resume() const noexcept { return game.waiting_.answer; }
  };
  Reply WaitFor(Question question) { return {*this, question}; }
  // A message box, and the wait for it to close; nothing without a text.
  Steps Tell(std::optional<std::string> text, std::string caption);
  Steps Tell(std::optional<std::string> text) {
    return Tell(std::move(text), texts::kApplicationTitle);
  }
  // The same for the reason the best scores could not be saved, if there is one.
  Steps TellScoresNotSaved(std::optional<std::string> reason);

  // The steps of the turn cycle, run by the events above.
  Steps Click(int index);
  Steps PlayAgainstComputer(int index);
  Steps ComputerReply(int HumanMoveNumber);
  Steps PlaceComputerPoint(int index);
  Steps PlacePlayerPoint(int index);
  Steps NewSheetIfFull();
  void ExtendGameBox(int index);
  Steps CheckFiveInRow(int index);
  Steps CloseGameZone();
  Steps RecordGameResult();
  Steps OpenNewGame();
  void ResetGameState();
  void NewSheet();
  void FollowSize(int outerWidth, int outerHeight);
  void PutPoint(int index, PointColour colour, bool growing);
  void SetTurn(PointColour colour);
  std::optional<int> FreeAreaInRow(int row) const;
  bool RunningGamePointIsPlayable() const;
  Steps GiveUpRunningGame(bool ask, const char* question, bool& goOn);
  Steps NewSheetFromMenu();
  Steps ChangeLevelFromMenu();
  void ClearSheetFromMenu();
  Steps CountSet(bool redWon);
  // The side that won, as the spoken words name it.
  spoken::Side Winner(bool red) const;
  Steps EndMatch();
  Steps OpenStatistics();
  Steps GiveHint();
  // Keeps the running game as it stands, before the player's point at `point` (see TakeBack).
  void RememberBeforePoint(int point);
  // Where the computer's rules would play for `side` (see AskHint).
  std::optional<int> RulesPointFor(PointColour side) const;

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
  // The running game before each of the player's points, the latest last, with that point.
  struct BeforePoint {
    Sheet sheet;
    GameState state;
    PointColour turnColour = HumanColour;
    int crossHair = 0;
    int point = 0;
  };
  std::vector<BeforePoint> takeBacks_;
  std::optional<int> hint_;
  bool matchHelped_ = false;

  ScoreBoard scoreBoard_;
  MatchStatistics statistics_;
  BestScoreKeeper scoreKeeper_;  // the best scores and their file

  // The question the game waits on. A copy of the game (a position to measure) waits on nothing.
  struct Waiting {
    Waiting() = default;
    Waiting(const Waiting& /*other*/) {}
    Waiting(Waiting&& /*other*/) noexcept {}
    Waiting& operator=(const Waiting& /*other*/) { return *this; }
    Waiting& operator=(Waiting&& /*other*/) noexcept { return *this; }
    ~Waiting() = default;

    std::optional<Steps> steps;  // the outermost steps, until they end
    Question question = Question::kNone;
    std::coroutine_handle<> answerTo;
    bool answer = false;
    std::optional<std::pair<int, int>> newestSize;  // a resize that came meanwhile
  };
  Waiting waiting_;
};

}  // namespace quintara
