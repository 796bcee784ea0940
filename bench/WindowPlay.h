#pragma once

// A player for the real window in the benchmarks: seeded choices of intersection, clicks sent
// to the sheet as the platform delivers them, and message boxes answered in the event loop.
#include <QApplication>
#include <QMouseEvent>
#include <QPointF>
#include <cstdlib>
#include <random>
#include <vector>

#include "BoxAnswers.h"
#include "board/Geometry.h"
#include "game/Game.h"
#include "support/NearbyPlay.h"
#include "ui/ClientArea.h"
#include "ui/MainWindow.h"
#include "ui/SheetWidget.h"
#include "ui/Twips.h"

namespace quintara::bench {

// Every box closed, every question answered Yes, as each click's last step.
inline void AnswerBoxes(ui::MainWindow& window) {
  for (int k = 0; k < 100 && window.game().WaitingFor() != Game::Question::kNone; ++k)
    QCoreApplication::processEvents();
}

using testing::NearbyPlay;

// A left click on an intersection's crossing, delivered to the sheet as the platform does.
inline void ClickSheet(ui::MainWindow& window, int index) {
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
  AnswerBoxes(window);
}

inline int PointsOnSheet(const Game& game) {
  int points = 0;
  for (int index = kFirstGridIndex; index <= kLastIntersection; ++index) {
    if (game.CurrentSheet().HasPoint(index)) ++points;
  }
  return points;
}

}  // namespace quintara::bench
