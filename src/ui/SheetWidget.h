#pragma once

#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>
#include <chrono>
#include <utility>
#include <vector>

#include "game/Keys.h"
#include "ui/PointGrowth.h"

class QPainter;

namespace quintara {
class Game;
}

namespace quintara::ui {

// The sheet of squared paper, painted from the game's state: grid lines, winning lines and
// frames, the hover marker and the points. It lies under the four bars and fills the client
// area; only playable intersections react to the mouse. It keeps the keyboard focus and
// receives the cross-hair's keys.
class SheetWidget : public QWidget {
  Q_OBJECT

 public:
  explicit SheetWidget(const Game& game, QWidget* parent = nullptr);

  // The intersection whose hit area holds a position (pixels in this widget), or -1.
  static int intersectionAt(QPointF position);

  // A computer point grows in, from now on, for the growth duration.
  void startGrowth(int index);
  // Every growth ends at once (a new sheet).
  void cancelGrowths();
  bool growing() const { return !growths_.empty(); }
  void setGrowthDuration(std::chrono::milliseconds duration) { growthDuration_ = duration; }

  // The intersection the hover marker stands on; -1 (no marker) until the mouse has passed
  // over a playable intersection.
  int hoverIndex() const { return hoverIndex_; }
  // The marker goes while the mouse is out of the window and comes back where it was.
  void showHoverMarker(bool shown);

  // The area (pixels) a point or the marker may cover at an intersection.
  static QRect pointArea(int index);
  // The area (pixels) the cross-hair's ring may cover at an intersection.
  static QRect crossHairArea(int index);

  // The cross-hair has moved: its ring is painted afresh at both places.
  void moveCrossHair(int from, int to);
  // An intersection's hit area (pixels).
  static QRect hitArea(int index);

  const Game& game() const { return game_; }
  // After each of the player's events, tells screen readers what changed on the sheet (see
  // SheetAccessible): the cross-hair's cell takes the focus when the cross-hair has moved, so
  // that readers speak it, and cells whose words changed say so. Nothing when no reader listens.
  void tellScreenReader();
  // After a resize: readers that keep the table's size learn its new rows and columns.
  void tellShownArea();

 signals:
  // A playable intersection was clicked.
  void intersectionClicked(int index);
  // The mouse moved over the sheet from elsewhere onto a playable intersection, or the other
  // way; the first move over the sheet tells either.
  void hovered(bool overPlayable);
  // The last running growth has ended or was cancelled.
  void growthsEnded();
  // A key for the cross-hair, as the game numbers it (arrows 37 to 40, Enter 13).
  void crossHairKey(quintara::Key key);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;

 private:
  struct Growth {
    int index = 0;
    QElapsedTimer clock;
  };

  int playableAt(QPointF position) const;
  int pointSize(int index) const;
  // What the sheet shows, bottom to top. The grid, lines and frames are drawn in pixels, the
  // rest in twips.
  void drawGrid(QPainter& painter) const;
  void drawLinesAndFrames(QPainter& painter) const;
  void drawHoverMarker(QPainter& painter) const;
  void drawHintMark(QPainter& painter) const;
  void drawCrossHair(QPainter& painter) const;
  void drawPoints(QPainter& painter) const;
  void advanceGrowths();

  const Game& game_;
  int hoverIndex_ = -1;
  bool hoverShown_ = true;
  int overPlayable_ = -1;  // 1 over a playable intersection, 0 elsewhere, -1 before any move
  int pressedIndex_ = -1;
  std::vector<Growth> growths_;
  std::chrono::milliseconds growthDuration_ = kDefaultGrowthDuration;
  QTimer animationTimer_;
  int toldCrossHair_;                  // the cell that last took the focus
  std::pair<int, int> toldShownArea_;  // the last rows and columns shown
};

}  // namespace quintara::ui
