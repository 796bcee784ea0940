#include <QAccessible>
#include <QLineEdit>
#include <QScreen>
#include <QTest>

#include "WindowHarness.h"
#include "game/Game.h"
#include "game/SpokenWords.h"
#include "game/Texts.h"
#include "support/AsciiBoard.h"
#include "ui/Bars.h"
#include "ui/PointGrowth.h"
#include "ui/RightPanel.h"
#include "ui/SheetWidget.h"
#include "ui/frmChoix.h"

using namespace quintara;
using namespace quintara::testing;
using namespace std::chrono_literals;
using ui::kGrowthSizes;

namespace {

const QString kHoverMessage = "      Vous survolez une zone non jouable";

// A computer point grows from 200 twips through its largest, 450, down to its final 170.
static_assert(kGrowthSizes.size() == 42 && kGrowthSizes.front() == 200);
static_assert(kGrowthSizes[4] == 450 && kGrowthSizes.back() == kPointDiameter);

QPoint Pixel(int row, int column) {
  return WindowHarness::Crossing(IndexOf(row, column));
}

// What a screen reader reads as a widget's description.
QString SpokenDescription(QWidget& widget) {
  return QAccessible::queryAccessibleInterface(&widget)->text(QAccessible::Description);
}

}  // namespace

// The sheet as the window paints it from the game, and the mouse and keys it hands the game.
// The points on their crossings, the frames, the keyboard and the window's extreme widths are
// checked on a real display by program-under-xvfb.sh.
class SheetWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void theMouseReachesOnlyPlayableIntersectionsAndTheMarkerLiesBeneathThePoints() {
    WindowHarness harness;
    harness.ScriptBoxes();
    const QLabel& message = harness.client().statusBar().message();
    // Beside the last shown column, then on the top bar, the right panel and the status bar.
    for (const QPoint off : {QPoint(497, 120), Pixel(1, 5), Pixel(5, 22), Pixel(16, 5)}) {
      harness.MoveTo(off);
      harness.Click(off);
      QCOMPARE(message.text(), kHoverMessage);
    }
    QCOMPARE(CountPoints(harness.game().CurrentSheet()), 0);
    // A hit area reaches 140 twips (9.33 pixels) left of and above its crossing, 220 past it.
    const QPoint corner = Pixel(4, 9) + QPoint(-9, 14);
    harness.MoveTo(corner);
    QCOMPARE(message.text(), QString());
    QCOMPARE(harness.PixelAt(Pixel(4, 9)), kPureYellow);
    harness.MoveTo(QPoint(560, 200));  // over a bar nothing changes
    QCOMPARE(message.text(), QString());
    harness.Click(corner);
    QCOMPARE(harness.PixelAt(Pixel(4, 9)), kPureGreen);
    QCOMPARE(harness.boxes, QStringList());
  }

  void theComputersPointGrowsInAndTheChimeLastsAsLongAsTheGrowthOrTheSheet() {
    // Sampled once a millisecond over a growth of a millisecond a size, each size shows in turn.
    for (int t = 0; t < 42; ++t) {
      QCOMPARE(ui::GrowthSizeAt(std::chrono::milliseconds(t), 42ms), kGrowthSizes[t]);
    }
    QCOMPARE(ui::GrowthSizeAt(-5ms, 250ms), 200);
    QCOMPARE(ui::GrowthSizeAt(0ms, 0ms), kPointDiameter);

    WindowHarness harness(1s);
    harness.ClickAt(IndexOf(5, 8));
    const int reply = harness.game().State().ComputerMoves[1];
    QCOMPARE(harness.game().TurnColour(), HumanColour);
    QVERIFY(harness.client().sheet().growing());
    QCOMPARE(harness.sounds, QStringList({"play"}));
    QTRY_COMPARE_WITH_TIMEOUT(harness.sounds, QStringList({"play", "stop"}), 5000);
    QCOMPARE(harness.PixelAt(WindowHarness::Crossing(reply)), kPureRed);
    // At its final size the point does not reach half way to the next crossing.
    QVERIFY(harness.PixelAt(WindowHarness::Crossing(reply) + QPoint(9, 0)) != kPureRed);
    // A new sheet ends a growth and its chime at once, and clears the picture.
    harness.ClickAt(IndexOf(9, 12));
    harness.ScriptBoxes();
    harness.answers = {true};
    harness.window().mnuNouvelle()->trigger();
    QVERIFY(!harness.client().sheet().growing());
    QCOMPARE(harness.sounds, QStringList({"play", "stop", "play", "stop"}));
    for (const QColor& colour : {kPureRed, kPureGreen}) {
      QVERIFY(harness.Find(colour, QRect(45, 45, 450, 310)) == QPoint(-1, -1));
    }
  }

  void aWonGameIsStruckThroughAndItsZoneNoLongerAnswersTheMouse() {
    WindowHarness harness;
    harness.ScriptBoxes();
    harness.game().SetTwoPlayers(true);
    for (int column = 5; column <= 8; ++column) {
      harness.ClickAt(IndexOf(5, column));
      harness.ClickAt(IndexOf(8, column));
    }
    harness.ClickAt(IndexOf(5, 9));
    // The winning line runs 20 twips above the crossings.
    QCOMPARE(harness.PixelAt(Pixel(5, 6) + QPoint(12, -2)), kBlack);
    harness.MoveTo(Pixel(6, 7));
    QCOMPARE(harness.client().statusBar().message().text(), kHoverMessage);
    harness.ClickAt(IndexOf(6, 7));
    QVERIFY(!harness.game().CurrentSheet().HasPoint(IndexOf(6, 7)));
    QCOMPARE(harness.boxes, QStringList());
  }

  void theWinningPointIsOnScreenBeforeTheBoxOfANewSheetOnTheLargestWindow() {
    WindowHarness harness;
    // Maximised, the window becomes the largest normal window; then only the window's own
    // repaint can show the winning point before the box.
    harness.window().showMaximized();
    QTRY_COMPARE(harness.client().size(), QSize(800, 533));
    QTRY_VERIFY(!(harness.window().windowState() & Qt::WindowMaximized));
    std::vector<std::string> closed(20, std::string(28, '#'));
    closed[8] = "########XXXX.###############";  // row 10, columns 10 to 13
    Lay(harness.game(), Picture{2, 2, closed});
    QColor seen;
    harness.ScriptBoxes().whenShown = [&] {
      ui::frmJeuxDePoints& window = harness.window();
      const QPoint where = harness.client().mapTo(&window, Pixel(10, 14));
      seen = window.screen()->grabWindow(window.winId()).toImage().pixelColor(where);
    };
    harness.ClickAt(IndexOf(10, 14));
    QCOMPARE(harness.boxes, QStringList{QString("Quintara: ") + texts::kSheetTooSmall});
    QCOMPARE(seen, kPureGreen);
    // Then the new sheet, bare but for the computer's opening point.
    QVERIFY(harness.Find(kPureGreen, QRect(45, 45, 660, 460)) == QPoint(-1, -1));
    QCOMPARE(harness.PixelAt(Pixel(7, 7)), kPureRed);
    harness.ClickAt(IndexOf(21, 29));
    QCOMPARE(harness.PixelAt(Pixel(21, 29)), kPureGreen);
  }

  void theKeysReachTheSheetAgainAfterAClickOnABar() {
    WindowHarness harness;
    ui::frmChoix& dialog = harness.window().choix();
    dialog.show();
    dialog.txtAdversaires(0)->setFocus();
    dialog.hide();
    harness.window().activateWindow();
    QTest::mouseClick(&harness.client().rightPanel(), Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    QTRY_VERIFY(harness.client().sheet().hasFocus());
    // The keypad's Enter plays as Return does.
    QTest::keyClick(&harness.client().sheet(), Qt::Key_Down);
    QTest::keyClick(&harness.client().sheet(), Qt::Key_Enter);
    QCOMPARE(harness.PixelAt(Pixel(4, 15)), kPureGreen);
  }

  // A move says where the cross-hair went, a key at the edge leaves it, Enter says where the
  // computer answered; the sheet reads as a table of the shown area.
  void theSheetSaysTheCrossHairAndTheComputersReply() {
    WindowHarness harness;
    ui::SheetWidget& sheet = harness.client().sheet();
    QStringList told;
    for (const auto key : {Qt::Key_Right, Qt::Key_Up, Qt::Key_Up, Qt::Key_Return}) {
      QTest::keyClick(&sheet, key);
      told << SpokenDescription(sheet);
    }
    const auto& computer = harness.game().State().ComputerMoves;
    const int reply = computer[computer.Count()];
    QCOMPARE(told, QStringList({"Ligne 2, colonne 15, vide", "Ligne 1, colonne 15, vide",
                                "Ligne 1, colonne 15, vide",
                                QString::fromStdString(spoken::ComputerPointWords(reply))}));

    // The reply rides on the cross-hair's cell until the next key.
    QAccessibleInterface* readable = QAccessible::queryAccessibleInterface(&sheet);
    QAccessibleInterface* crossHair = readable->tableInterface()->cellAt(0, 14);
    QCOMPARE(crossHair->text(QAccessible::Name), "Ligne 1, colonne 15, point vert. " + told.last());
    QTest::keyClick(&sheet, Qt::Key_Up);
    QCOMPARE(crossHair->text(QAccessible::Name), QString("Ligne 1, colonne 15, point vert"));
  }
};

QTEST_MAIN(SheetWindowTest)
#include "SheetWindowTest.moc"
