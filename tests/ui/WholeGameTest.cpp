#include <QScreen>
#include <QTest>

#include "WindowHarness.h"
#include "game/Game.h"
#include "support/AsciiBoard.h"
#include "support/GameSteps.h"
#include "ui/Bars.h"

using namespace quintara;
using namespace quintara::testing;

namespace {

const QString kHoverMessage = "      Vous survolez une zone non jouable";

// A pixel 2 px above a row's crossings, half-way between two columns: on a horizontal winning
// line of that row (drawn 20 twips above the crossings), clear of the grid and the points.
QPoint OnHorizontalLine(int row, int column) {
  return WindowHarness::Crossing(IndexOf(row, column)) + QPoint(12, -2);
}

// The frame round a finished game, 2 px wide: its left edge runs 110 twips before the first
// crossing, its right edge 140 past the last.
QRect AroundLeftEdge(int row, int firstColumn) {
  const QPoint crossing = WindowHarness::Crossing(IndexOf(row, firstColumn));
  return QRect(crossing.x() - 10, crossing.y(), 6, 1);
}
QRect AroundRightEdge(int row, int lastColumn) {
  const QPoint crossing = WindowHarness::Crossing(IndexOf(row, lastColumn));
  return QRect(crossing.x() + 7, crossing.y(), 6, 1);
}

}  // namespace

// Games played to their end by mouse clicks: the winning line, the frame, the closed zone, the
// next game in the space left, and the new sheet when none is left.
class WholeGameTest : public QObject {
  Q_OBJECT

 private slots:
  void twoPlayersPlayToTheFrameAndTheClosedZone() {
    WindowHarness harness;
    harness.game().SetTwoPlayers(true);
    // Green along row 5, red along row 8; green's fifth point wins.
    for (int column = 5; column <= 8; ++column) {
      harness.ClickAt(IndexOf(5, column));
      harness.ClickAt(IndexOf(8, column));
    }
    QVERIFY(harness.game().Drawings().empty());
    harness.ClickAt(IndexOf(5, 9));

    QCOMPARE(harness.game().Drawings().size(), std::size_t{2});
    QCOMPARE(harness.PixelAt(OnHorizontalLine(5, 6)), kBlack);
    QVERIFY(harness.Find(kDarkGreen, AroundLeftEdge(6, 5)).x() >= 0);
    QVERIFY(harness.Find(kDarkGreen, AroundRightEdge(6, 9)).x() >= 0);
    for (int column = 5; column <= 9; ++column) {
      QCOMPARE(harness.PixelAt(WindowHarness::Crossing(IndexOf(5, column))), kPureGreen);
    }
    for (int column = 5; column <= 8; ++column) {
      QCOMPARE(harness.PixelAt(WindowHarness::Crossing(IndexOf(8, column))), kPureRed);
    }

    // The game's rectangle is closed: no reaction to the mouse, only the hover message.
    const int inside = IndexOf(6, 7);
    QVERIFY(harness.game().CurrentSheet().Closed(inside));
    harness.MoveTo(WindowHarness::Crossing(IndexOf(3, 3)));
    harness.MoveTo(WindowHarness::Crossing(inside));
    QCOMPARE(harness.client().statusBar().message().text(), kHoverMessage);
    MessageBoxAnswerer answerer;
    harness.ClickAt(inside);
    QTest::qWait(30);
    QCOMPARE(answerer.count, 0);
    QVERIFY(!harness.game().CurrentSheet().HasPoint(inside));

    // Red, the side to move, plays on in the space left.
    const int next = IndexOf(12, 12);
    harness.ClickAt(next);
    QCOMPARE(harness.PixelAt(WindowHarness::Crossing(next)), kPureRed);
  }

  void theHumansFiveEndsTheGameAndTheComputerOpensTheNext() {
    WindowHarness harness;
    Lay(harness.game(), Picture{14,
                                14,
                                {"O O O . .",  //
                                 "X X X X ."}});
    harness.ClickAt(IndexOf(15, 18));

    QCOMPARE(harness.PixelAt(OnHorizontalLine(15, 15)), kBlack);
    QVERIFY(harness.Find(kDarkGreen, AroundLeftEdge(15, 14)).x() >= 0);
    QVERIFY(harness.Find(kDarkGreen, AroundRightEdge(15, 18)).x() >= 0);
    QVERIFY(harness.game().CurrentSheet().Closed(IndexOf(14, 18)));

    // The computer opens the next game 5 rows and 5 columns into the first free 12 x 12 area.
    const int opening = IndexOf(7, 7);
    QCOMPARE(harness.game().State().ComputerMoves[1], opening);
    QCOMPARE(harness.PixelAt(WindowHarness::Crossing(opening)), kPureRed);
    QCOMPARE(harness.game().TurnColour(), HumanColour);
  }

  void withNoRoomInTheFirstRowTheWindowTakesItsLargestSize() {
    WindowHarness harness;
    Lay(harness.game(), Picture{2, 2, {std::string(28, '#')}});
    GameSteps::OpenNewGame(harness.game());
    QTRY_COMPARE(harness.client().size(), QSize(800, 533));
    QVERIFY(!(harness.window().windowState() & Qt::WindowMaximized));
    const int opening = IndexOf(3 + 5, 2 + 5);
    QCOMPARE(harness.game().State().ComputerMoves[1], opening);
    QCOMPARE(harness.PixelAt(WindowHarness::Crossing(opening)), kPureRed);
  }

  void withNoFreeAreaLeftANewSheetComesWithItsMessage() {
    WindowHarness harness;
    // Already at its largest, so that nothing but the window itself repaints the sheet before
    // the box opens.
    harness.ResizeClient(QSize(800, 533));
    std::vector<std::string> closed(20, std::string(28, '#'));
    closed[8] = "########XXXX.###############";  // row 10, columns 10 to 13
    Lay(harness.game(), Picture{2, 2, closed});

    MessageBoxAnswerer answerer;
    QColor winningPointOnScreen;
    answerer.whenShown = [&] {
      ui::frmJeuxDePoints& window = harness.window();
      const QPoint where =
          harness.client().mapTo(&window, WindowHarness::Crossing(IndexOf(10, 14)));
      winningPointOnScreen =
          window.screen()->grabWindow(window.winId()).toImage().pixelColor(where);
    };
    harness.ClickAt(IndexOf(10, 14));

    QCOMPARE(answerer.count, 1);
    QCOMPARE(answerer.caption, QString("Quintara"));
    QCOMPARE(answerer.text,
             QString("Ordinateur constate que l'espace de jeu est devenu trop petit. Il va donc "
                     "changer de feuille"));
    // The player saw the winning point before the box opened.
    QCOMPARE(winningPointOnScreen, kPureGreen);

    QCOMPARE(harness.client().size(), QSize(800, 533));
    QVERIFY(harness.game().Drawings().empty());
    const QRect wholeSheet(45, 45, 800 - 45 - 93, 533 - 45 - 28);
    for (const QColor& gone : {kPureGreen, kDarkGreen}) {
      QCOMPARE(harness.Find(gone, wholeSheet), QPoint(-1, -1));
    }
    const QPoint opening = WindowHarness::Crossing(IndexOf(7, 7));
    QCOMPARE(harness.PixelAt(opening), kPureRed);
    // The only red on the sheet (the first red pixel from the top lies on that point).
    QVERIFY((harness.Find(kPureRed, wholeSheet) - opening).manhattanLength() <= 8);
    QCOMPARE(harness.game().TurnColour(), HumanColour);
  }
};

QTEST_MAIN(WholeGameTest)
#include "WholeGameTest.moc"
