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
class MessageBoxes;
class PointSound;
class frmApropos;
class frmChoix;
class frmStatistique;

// The main window: the sheet between its four bars. It owns the game, hands it the player's
// clicks and the window's size, and shows what the game tells it.
class frmJeuxDePoints : public QMainWindow, private GameView {
  Q_OBJECT

 public:
  explicit frmJeuxDePoints(DieSource& die, QWidget* parent = nullptr);
  ~frmJeuxDePoints() override;

  Game& game() { return game_; }
  const Game& game() const { return game_; }
  ClientArea& client() const { return *client_; }

  void setPointSound(std::unique_ptr<PointSound> sound);
  void setMessageBoxes(std::unique_ptr<MessageBoxes> boxes);
  // Where the best scores are kept; without one they last for the run only.
  void setScoreStore(std::unique_ptr<ScoreStore> store);
  // How long a computer point takes to grow in; 0 shows it at its size at once.
  void setGrowthDuration(std::chrono::milliseconds duration);

  // Resizes the window so that its client area gets the size (pixels).
  void resizeClient(QSize pixels);

  // The menu items and the windows they open, for the tests.
  QAction* mnuNouvelle() const { return mnuNouvelle_; }
  QAction* mnuChanger() const { return mnuChanger_; }
  QAction* mnuStatistique() const { return mnuStatistique_; }
  QAction* mnuSon(int index) const { return mnuSon_[static_cast<std::size_t>(index)]; }
  QAction* mnuApropos() const { return mnuApropos_; }
  frmChoix& choix() const { return *choix_; }

 protected:
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  // Events of the window.
  void Form_Resize();
  void lblIntersection_Click(int index);
  void txtPion_KeyDown(Key key);
  void createMenus();
  void mnuNouvelle_Click();
  void mnuChanger_Click();
  void mnuStatistique_Click();
  void mnuQuitter_Click();
  void mnuSon_Click(int index);
  void mnuApropos_Click();
  void showLargest();
  void keepLargestSize();
  QSize chrome() const;
  void refreshBars();
  void tellScreenReader();
  void sayAnnouncements();
  void comeBack();

  // What the game tells the window.
  void PointPlaced(int index, PointColour colour, bool growing) override;
  void SheetDrawn() override;
  void SheetCleared() override;
  void TurnChanged(PointColour colour, const std::string& statusText) override;
  void ScoresChanged() override;
  void Announce(const std::string& words) override;
  void ShowMessage(const std::string& text, const std::string& caption) override;
  bool AskYesNo(const std::string& text, const std::string& caption) override;
  void Maximise() override;
  void ShowStatistics() override;
  void Quit() override;
  void PlayPointSound() override;
  void StopPointSound() override;

  Game game_;
  ClientArea* client_;
  std::unique_ptr<PointSound> sound_;
  std::unique_ptr<MessageBoxes> boxes_;
  std::unique_ptr<ScoreStore> scoreStore_;
  frmChoix* choix_;
  frmStatistique* statistique_ = nullptr;
  frmApropos* apropos_ = nullptr;
  QAction* mnuNouvelle_ = nullptr;
  QAction* mnuChanger_ = nullptr;
  QAction* mnuStatistique_ = nullptr;
  QAction* mnuQuitter_ = nullptr;
  std::array<QAction*, 3> mnuSon_{};
  QAction* mnuApropos_ = nullptr;
  bool stopSoundAfterGrowth_ = false;
  Announcer* announcer_;
  QStringList announcements_;  // what the game told during the player's event, not yet said
};

}  // namespace quintara::ui
