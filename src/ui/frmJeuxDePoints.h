#pragma once

#include <QMainWindow>
#include <chrono>
#include <memory>

#include "game/Game.h"
#include "game/GameView.h"

namespace quintara {
class DieSource;
}

namespace quintara::ui {

class ClientArea;
class MessageBoxes;
class PointSound;

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
  // How long a computer point takes to grow in; 0 shows it at its size at once.
  void setGrowthDuration(std::chrono::milliseconds duration);

  // Resizes the window so that its client area gets the size (pixels).
  void resizeClient(QSize pixels);

 protected:
  void changeEvent(QEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  // Events of the window.
  void Form_Resize();
  void lblIntersection_Click(int index);
  void showLargest();
  void refreshBars();

  // What the game tells the window.
  void pointPlaced(int index, int colour, bool growing) override;
  void sheetDrawn() override;
  void sheetCleared() override;
  void turnChanged(int colour, const std::string& statusText) override;
  void showMessage(const std::string& text, const std::string& caption) override;
  bool askYesNo(const std::string& text, const std::string& caption) override;
  void maximise() override;
  void PlayPointSound() override;
  void stopPointSound() override;

  Game game_;
  ClientArea* client_;
  std::unique_ptr<PointSound> sound_;
  std::unique_ptr<MessageBoxes> boxes_;
  bool stopSoundAfterGrowth_ = false;
};

}  // namespace quintara::ui
