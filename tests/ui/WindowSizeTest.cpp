#include <QTest>

#include "WindowHarness.h"
#include "game/Game.h"

using namespace quintara;
using namespace quintara::testing;

// The window's size in twips is its client area at 15 twips a pixel plus 120 x 705 for the
// frame; every resize hands that outer size to the game, which shows rows and columns by it.
class WindowSizeTest : public QObject {
  Q_OBJECT

 private slots:
  void opensAtTheDesignSize() {
    WindowHarness harness;
    QCOMPARE(harness.client().size(), QSize(592, 390));  // 8880 x 5850 twips
    QCOMPARE(harness.game().OuterWidth(), 9000);
    QCOMPARE(harness.game().OuterHeight(), 6555);
    QCOMPARE(harness.game().CurrentSheet().RowMax(), 15);
    QCOMPARE(harness.game().CurrentSheet().ColMax(), 20);
  }

  void showsRowsAndColumnsByBand_data() {
    QTest::addColumn<QSize>("client");
    QTest::addColumn<int>("outerWidth");
    QTest::addColumn<int>("outerHeight");
    QTest::addColumn<int>("rowMax");
    QTest::addColumn<int>("colMax");
    QTest::newRow("smallest") << QSize(574, 389) << 8730 << 6540 << 15 << 20;
    QTest::newRow("last width of column 20") << QSize(597, 413) << 9075 << 6900 << 16 << 20;
    QTest::newRow("column 21, row 16") << QSize(598, 413) << 9090 << 6900 << 16 << 21;
    QTest::newRow("a pixel short of row 17") << QSize(598, 436) << 9090 << 7245 << 16 << 21;
    QTest::newRow("column 25") << QSize(717, 437) << 10875 << 7260 << 17 << 25;
    QTest::newRow("in a gap: columns stay") << QSize(718, 437) << 10890 << 7260 << 17 << 21;
    QTest::newRow("column 28, row 20") << QSize(788, 509) << 11940 << 8340 << 20 << 28;
    QTest::newRow("largest") << QSize(800, 533) << 12120 << 8700 << 21 << 29;
  }
  void showsRowsAndColumnsByBand() {
    QFETCH(QSize, client);
    QFETCH(int, outerWidth);
    QFETCH(int, outerHeight);
    QFETCH(int, rowMax);
    QFETCH(int, colMax);
    WindowHarness harness;
    // From the design size, so that a width in a gap keeps the design's columns.
    harness.ResizeClient(QSize(598, 413));
    harness.ResizeClient(client);
    QCOMPARE(harness.client().size(), client);
    QCOMPARE(harness.game().OuterWidth(), outerWidth);
    QCOMPARE(harness.game().OuterHeight(), outerHeight);
    QCOMPARE(harness.game().CurrentSheet().RowMax(), rowMax);
    QCOMPARE(harness.game().CurrentSheet().ColMax(), colMax);
    // What is shown can be played.
    QVERIFY(harness.game().CurrentSheet().Playable(IndexOf(rowMax, colMax)));
    QVERIFY(!harness.game().CurrentSheet().Playable(IndexOf(rowMax, colMax + 1)));
  }

  void neverGrowsBeyondTheLargestSize() {
    WindowHarness harness;
    harness.ResizeClient(QSize(1000, 700));
    QTRY_COMPARE(harness.client().size(), QSize(800, 533));
    QCOMPARE(harness.game().OuterWidth(), 12120);
    QCOMPARE(harness.game().OuterHeight(), 8700);
  }

  void neverShrinksBelowTheSmallestSize() {
    WindowHarness harness;
    harness.ResizeClient(QSize(300, 200));
    QCOMPARE(harness.client().size(), QSize(574, 389));
    QCOMPARE(harness.game().OuterWidth(), 8730);
    QCOMPARE(harness.game().OuterHeight(), 6540);
  }

  void aMaximisedWindowBecomesTheLargestNormalWindow() {
    WindowHarness harness;
    harness.window().showMaximized();
    QTRY_COMPARE(harness.client().size(), QSize(800, 533));
    QTRY_VERIFY(!(harness.window().windowState() & Qt::WindowMaximized));
    QCOMPARE(harness.game().OuterWidth(), 12120);
    QCOMPARE(harness.game().OuterHeight(), 8700);
    QCOMPARE(harness.game().CurrentSheet().RowMax(), 21);
    QCOMPARE(harness.game().CurrentSheet().ColMax(), 29);
  }

  void widerSheetIsPaintedAndPlayable() {
    WindowHarness harness;
    harness.ResizeClient(QSize(800, 533));
    const int farCorner = IndexOf(21, 29);
    harness.ClickAt(farCorner);
    QCOMPARE(harness.PixelAt(WindowHarness::Crossing(farCorner)), kPureGreen);
  }
};

QTEST_MAIN(WindowSizeTest)
#include "WindowSizeTest.moc"
