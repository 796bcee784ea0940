#pragma once

// A player for the real window in the benchmarks: seeded choices of intersection, clicks sent
// to the sheet as the platform delivers them, and message boxes that answer at once.
#include <QApplication>
#include <QMouseEvent>
#include <QPointF>
#include <cstdlib>
#include <random>
#include <vector>

#include "board/Geometry.h"
#include "game/Game.h"
#include "ui/ClientArea.h"
#include "ui/MessageBoxes.h"
#include "ui/SheetWidget.h"
#include "ui/Twips.h"
#include "ui/frmJeuxDePoints.h"

namespace quintara::bench {

class SeededDie : public DieSource {
 public:
  explicit SeededDie(unsigned seed) : generator_(seed) {}
  int Roll() override { return faces_(generator_); }

 private:
  std::mt19937 generator_;
  std::uniform_int_distribution<int> faces_{1, 6};
};

// Informs without showing anything; every question gets the same answer.
class AnsweringBoxes : public ui::MessageBoxes {
 public:
  explicit AnsweringBoxes(bool answer) : answer_(answer) {}
  void inform(const QString&, const QString&) override {}
  bool ask(const QString&, const QString&) override { return answer_; }

 private:
  bool answer_;
};

// A free playable intersection near the running game's points, so that lines form; anywhere
// free when the game has no point yet; 0 when the sheet has no free playable intersection.
inline int HumansChoice(const Game& game, std::mt19937& random) {
  const GameState& state = game.state();
  std::vector<int> points;
  for (const MoveList* moves : {&state.HumanMoves, &state.ComputerMoves}) {
    for (int slot = 1; moves->Filled(slot); ++slot) points.push_back((*moves)[slot]);
  }
  std::vector<int> near;
  std::vector<int> anywhere;
  for (int index = kFirstGridIndex; index <= kLastIntersection; ++index) {
    if (!game.sheet().Playable(index) || game.sheet().HasPoint(index)) continue;
    anywhere.push_back(index);
    for (const int point : points) {
      if (std::abs(RowOf(point) - RowOf(index)) <= 2 &&
          std::abs(ColumnOf(point) - ColumnOf(index)) <= 2) {
        near.push_back(index);
        break;
      }
    }
  }
  const std::vector<int>& from = near.empty() ? anywhere : near;
  if (from.empty()) return 0;
  return from[std::uniform_int_distribution<std::size_t>(0, from.size() - 1)(random)];
}

// A left click on an intersection's crossing, delivered to the sheet as the platform does.
inline void ClickSheet(ui::frmJeuxDePoints& window, int index) {
  ui::SheetWidget& sheet = window.client().sheet();
  const QPointF at(CrossingX(index) / double(ui::kTwipsPerPixel),
                   CrossingY(index) / double(ui::kTwipsPerPixel));
  const QPointF global = sheet.mapToGlobal(at);
  QMouseEvent press(QEvent::MouseButtonPress, at, global, Qt::LeftButton, Qt::LeftButton,
                    Qt::NoModifier);
  QMouseEvent release(QEvent::MouseButtonRelease, at, global, Qt::LeftButton, Qt::NoButton,
                      Qt::NoModifier);
  QApplication::sendEvent(&sheet, &press);
  QApplication::sendEvent(&sheet, &release);
}

inline int PointsOnSheet(const Game& game) {
  int points = 0;
  for (int index = kFirstGridIndex; index <= kLastIntersection; ++index) {
    if (game.sheet().HasPoint(index)) ++points;
  }
  return points;
}

}  // namespace quintara::bench
