#pragma once

#include <QLabel>
#include <QWidget>

#include "board/Geometry.h"
#include "ui/Bars.h"

namespace quintara::ui {

// The panel's width (twips); it is glued to the right edge of the client area.
inline constexpr int kRightPanelWidth = 1400;

// The round marker whose colour is the colour of the side to move.
class TurnIndicator : public QWidget {
  Q_OBJECT

 public:
  explicit TurnIndicator(QWidget* parent);
  void showTurn(const QColor& colour, const QString& statusText);
  QColor colour() const { return colour_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QColor colour_;
};

// The games won by each side ("Parties") and, once the first set is won, the sets
// ("Manches"): a heading, a green and a red bar, and a count under each bar.
class ScoreBoardPanel : public QWidget {
  Q_OBJECT

 public:
  explicit ScoreBoardPanel(QWidget* parent);
  // The counts, and what a screen reader says of each, green's first: who it is for and the
  // number.
  void showGames(int green, int red, const QStringList& words);
  void showSets(int green, int red, const QStringList& words);
  void setSetsShown(bool shown);

 private:
  struct Row {
    QLabel* heading;
    QWidget* greenBar;
    QWidget* redBar;
    QLabel* greenCount;
    QLabel* redCount;
  };
  // Where a row's parts lie on the window, in twips.
  struct RowPlace {
    int headingLeft;
    int headingTop;
    int barsTop;
    int countsTop;
  };
  Row addRow(const char* heading, const RowPlace& place);

  QLabel* greenGames_;
  QLabel* redGames_;
  Row sets_{};
};

// The right-hand panel: the status line, the turn indicator and the score board.
class RightPanel : public Bar {
  Q_OBJECT

 public:
  explicit RightPanel(QWidget* parent);
  void showTurn(PointColour colour, const QString& statusText);

  const QLabel& statusLine() const { return *statusLine_; }
  const TurnIndicator& turnIndicator() const { return *turnIndicator_; }
  ScoreBoardPanel& scoreBoard() { return *scoreBoard_; }
  const ScoreBoardPanel& scoreBoard() const { return *scoreBoard_; }

 private:
  QLabel* statusLine_;
  TurnIndicator* turnIndicator_;
  ScoreBoardPanel* scoreBoard_;
};

}  // namespace quintara::ui
