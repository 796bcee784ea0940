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
#include "support/NearbyPlay.h"
#include "ui/ClientArea.h"
#include "ui/MainWindow.h"
#include "ui/MessageBoxes.h"
#include "ui/SheetWidget.h"
#include "ui/Twips.h"

namespace quintara::bench {

// Informs without showing anything; every question gets the same answer.
class AnsweringBoxes : public ui::MessageBoxes {
 public:
  explicit AnsweringBoxes(bool answer) : answer_(answer) {}
  void inform(const QString&, const QString&) override {}
  bool ask(const QString&, const QString&) override { return answer_; }

 private:
  bool answer_;
};

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
}

inline int PointsOnSheet(const Game& game) {
  int points = 0;
  for (int index = kFirstGridIndex; index <= kLastIntersection; ++index) {
    if (game.CurrentSheet().HasPoint(index)) ++points;
  }
  return points;
}

}  // namespace quintara::bench
