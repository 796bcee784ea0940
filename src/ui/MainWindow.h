#pragma once

#include <QMainWindow>
#include <QStringList>
#include <array>
#include <chrono>
#include <memory>

#include "game/Game.h"
#include "game/GameView.h"

class QAction;

namespace quintara {
class DieSource;
class ScoreStore;
}  // namespace quintara

namespace quintara::ui {

class Announcer;
class ClientArea;
class PointSound;
class RulesWindow;
class OpponentDialog;
class StatisticsWindow;

// The main window: the sheet between its four bars. It owns the game, hands it the player's
// clicks and the window's size, and shows what the game tells it.
class MainWindow : public QMainWindow, private GameView {
  Q_OBJECT
  Q_DISABLE_COPY_MOVE(MainWindow)

 public:
  explicit MainWindow(DieSource& die, QWidget* parent = nullptr);
  ~MainWindow() override;

  Game& game() { return game_; }
  const Game& game() const { return game_; }
  ClientArea& client() const { return *client_; }

  void setPointSound(std::unique_ptr<PointSound> sound);
  // Where the best scores are kept; without one they last for the run only.
  void setScoreStore(std::unique_ptr<ScoreStore> store);
  // How long a computer point takes to grow in; 0 shows it at its size at once.
  void setGrowthDuration(std::chrono::milliseconds duration);

  // Resizes the window so that its client area gets the size (pixels).
  void resizeClient(QSize pixels);

  // The menu items and the windows they open, for the tests.
  QAction* newSheetAction() const { return newSheetAction_; }
  QAction* changeLevelAction() const { return changeLevelAction_; }
  QAction* statisticsAction() const { return statisticsAction_; }
  QAction* soundAction(int index) const { return soundActions_[static_cast<std::size_t>(index)]; }
  QAction* quitAction() const { return quitAction_; }
  QAction* rulesAction() const { return rulesAction_; }
  QAction* takeBackAction() const { return takeBackAction_; }
  QAction* hintAction() const { return hintAction_; }
  QAction* redMarksAction() const { return redMarksAction_; }
  OpponentDialog& opponentDialog() const { return *opponentDialog_; }

 protected:
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  // Events of the window.
  void followSize();
  void clickIntersection(int index);
  void pressKey(Key key);
  void createMenus();
  void newSheet();
  void changeLevel();
  void openStatistics();
  void quitProgram();
  void chooseSound(int index);
  void showRules();
  void showLargest();
  void keepLargestSize();
  QSize chrome() const;
  int menuBarHeight() const;
  void refreshBars();
  // After a take-back or a hint: the whole sheet drawn again, the bars and the reader told.
  void afterHelp();
  void tellScreenReader();
  void sayAnnouncements();
  void comeBack();
  // A question of the game on screen; its answer goes back to the game.
  void ask(const std::string& text, const std::string& caption, bool yesNo);
  void answer(bool yes);

  // What the game tells the window.
  void PointPlaced(int index, PointColour colour, bool growing) override;
  void SheetDrawn() override;
  void SheetCleared() override;
  void PointsTakenBack() override;
  void TurnChanged(PointColour colour, const std::string& statusText) override;
  void ScoresChanged() override;
  void Announce(const std::string& words) override;
  void ShowMessage(const std::string& text, const std::string& caption) override;
  void AskYesNo(const std::string& text, const std::string& caption) override;
  void Maximise() override;
  void ShowStatistics() override;
  void ShowOpponentDialog() override;
  void Quit() override;
  void PlayPointSound() override;
  void StopPointSound() override;
  std::string Translate(const char* french, int count) const override;
  using GameView::Translate;

  // Members go in the reverse order of these lines: the windows, which read the game up to
  // their last event, before the game, and the game before the file it keeps its scores in.
  std::unique_ptr<ScoreStore> scoreStore_;
  std::unique_ptr<PointSound> sound_;
  Game game_;
  std::unique_ptr<ClientArea> client_;
  std::unique_ptr<OpponentDialog> opponentDialog_;
  std::unique_ptr<StatisticsWindow> statisticsWindow_;
  std::unique_ptr<RulesWindow> rulesWindow_;
  QAction* newSheetAction_ = nullptr;
  QAction* changeLevelAction_ = nullptr;
  QAction* statisticsAction_ = nullptr;
  QAction* quitAction_ = nullptr;
  std::array<QAction*, 3> soundActions_{};
  QAction* rulesAction_ = nullptr;
  QAction* takeBackAction_ = nullptr;
  QAction* hintAction_ = nullptr;
  QAction* redMarksAction_ = nullptr;
  bool stopSoundAfterGrowth_ = false;
  Announcer* announcer_;
  QStringList announcements_;  // what the game told during the player's event, not yet said
};

}  // namespace quintara::ui
