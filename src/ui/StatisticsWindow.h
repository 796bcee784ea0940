#pragma once

#include <QDialog>
#include <array>

class QLabel;
class QTableWidget;

namespace quintara {
class Game;
}

namespace quintara::ui {

// The statistics window: the running match's games won at each level, the player's points for
// the match and the three best scores.
class StatisticsWindow : public QDialog {
  Q_OBJECT

 public:
  explicit StatisticsWindow(const Game& game, QWidget* parent = nullptr);

  // Shows the game's current counts, points and best scores.
  void Refresh();

 private:
  const Game& game_;
  std::array<QLabel*, 4> humanWins_{};
  std::array<QLabel*, 4> computerWins_{};
  QLabel* points_;
  QTableWidget* bestScores_;
};

}  // namespace quintara::ui
