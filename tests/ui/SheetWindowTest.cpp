#include <QAccessible>
#include <QLineEdit>
#include <QScreen>

#include "WindowHarness.h"
#include "game/SpokenWords.h"
#include "game/Texts.h"
#include "support/AsciiBoard.h"
#include "ui/Bars.h"
#include "ui/RightPanel.h"
#include "ui/SheetWidget.h"
#include "ui/frmChoix.h"

using namespace quintara;
using namespace quintara::testing;
using namespace std::chrono_literals;

static const QString kHover = "      Vous survolez une zone non jouable";
static const QColor kGreen(Qt::green), kRed(Qt::red), kYellow(Qt::yellow);

// The sheet as the window paints it from the game, and the mouse and keys it hands the game.
// The points on their crossings, the frames, the keyboard and the window's extreme widths are
// checked on a real display by program-under-xvfb.sh.
class SheetWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void theMouseReachesOnlyPlayableIntersectionsAndTheMarkerStaysWhereItWas() {
    WindowHarness h;
    const QLabel& message = h.client().statusBar().message();
    QCOMPARE(message.text(), QString());  // nothing before the mouse comes
    QVERIFY(!h.Shows(kYellow, h.client().rect()));
    // A hit area reaches 140 twips (9.33 pixels) left of and above its crossing, 220 past it.
    const QPoint corner = Pixel(4, 9) + QPoint(-9, 14);
    h.MoveTo(corner);
    QCOMPARE(h.PixelAt(Pixel(4, 9)), kYellow);
    // A new sheet leaves the marker where it was.
    WhenModal<ui::frmChoix>([](ui::frmChoix* dialog) { dialog->reject(); });
    h.window.mnuChanger()->trigger();
    QCOMPARE(h.PixelAt(Pixel(4, 9)), kYellow);
    Lay(h.game(), Picture{6, 6, {"##", "##"}});  // a finished game's zone
    const QPoint besideTheLastColumn(497, 120);
    for (const QPoint where : {Pixel(6, 7), corner, besideTheLastColumn}) {
      h.MoveTo(where);
      QCOMPARE(message.text(), where == corner ? QString() : kHover);
    }
    // Beside the shown area, a closed zone, the top bar, the right panel and the status bar.
    for (const QPoint off :
         {besideTheLastColumn, Pixel(6, 7), Pixel(1, 5), Pixel(5, 22), Pixel(16, 5)}) {
      h.Click(off);
    }
    QCOMPARE(CountPoints(h.game().CurrentSheet()), 0);
    h.Click(corner);
    QCOMPARE(h.PixelAt(Pixel(4, 9)), kGreen);
    QCOMPARE(h.boxes, QStringList());
  }

  void theChimeLastsAsLongAsTheGrowthAndTheSoundMenuSilencesIt() {
    WindowHarness h(1s);
    h.Click(Pixel(5, 8));
    const int reply = h.game().State().ComputerMoves[1];
    const QPoint grown = Pixel(RowOf(reply), ColumnOf(reply));
    QVERIFY(h.client().sheet().growing());
    QCOMPARE(h.sounds, QStringList({"play"}));
    QTRY_COMPARE_WITH_TIMEOUT(h.sounds, QStringList({"play", "stop"}), 5000);
    QCOMPARE(h.PixelAt(grown), kRed);
    // Grown, the point does not reach half way to the next crossing.
    QVERIFY(h.PixelAt(grown + QPoint(9, 0)) != kRed);
    // A new sheet ends a growth and its chime at once, and clears the picture.
    h.Click(Pixel(9, 12));
    h.answers = {true};
    h.window.mnuNouvelle()->trigger();
    QVERIFY(!h.client().sheet().growing());
    QCOMPARE(h.sounds, QStringList({"play", "stop", "play", "stop"}));
    QVERIFY(!h.Shows(kRed, QRect(45, 45, 450, 310)));
    QVERIFY(!h.Shows(kGreen, QRect(45, 45, 450, 310)));
    h.sounds.clear();
    h.window.mnuSon(2)->trigger();
    h.Click(Pixel(5, 5));
    QVERIFY(!h.sounds.contains("play"));
    h.window.mnuSon(0)->trigger();
    h.Click(Pixel(9, 9));
    QVERIFY(h.sounds.contains("play"));
  }

  void theWinningPointIsOnScreenBeforeTheBoxOfANewSheetOnTheLargestWindow() {
    WindowHarness h;
    // Maximised, the window becomes the largest normal window; then only the window's own
    // repaint can show the winning point before the box.
    h.window.showMaximized();
    QTRY_COMPARE(h.client().size(), QSize(800, 533));
    QTRY_VERIFY(!(h.window.windowState() & Qt::WindowMaximized));
    std::vector<std::string> closed(20, std::string(28, '#'));
    closed[8] = "########XXXX.###############";  // row 10, columns 10 to 13
    Lay(h.game(), Picture{2, 2, closed});
    QColor seen;
    h.scripted->whenShown = [&] {
      const QPoint where = h.client().mapTo(&h.window, Pixel(10, 14));
      seen = h.window.screen()->grabWindow(h.window.winId()).toImage().pixelColor(where);
    };
    h.Click(Pixel(10, 14));
    QCOMPARE(h.boxes, QStringList{QString("Quintara: ") + texts::kSheetTooSmall});
    QCOMPARE(seen, kGreen);
    // Then the new sheet, bare but for the computer's opening point, and playable to its corner.
    QVERIFY(!h.Shows(kGreen, QRect(45, 45, 660, 460)));
    QCOMPARE(h.PixelAt(Pixel(7, 7)), kRed);
    h.Click(Pixel(21, 29));
    QCOMPARE(h.PixelAt(Pixel(21, 29)), kGreen);
  }

  void theKeysReachTheSheetAgainAfterAClickOnABar() {
    WindowHarness h;
    ui::frmChoix& dialog = h.window.choix();
    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    // A name field selects its whole name on focus, ready to be typed over.
    dialog.txtAdversaires(0)->setFocus();
    QTRY_COMPARE(dialog.txtAdversaires(0)->selectedText(), QString("Joueur 1"));
    dialog.hide();
    h.window.activateWindow();
    QTest::mouseClick(&h.client().rightPanel(), Qt::LeftButton, {}, QPoint(5, 5));
    QTRY_VERIFY(h.client().sheet().hasFocus());
    // The keypad's Enter plays as Return does.
    QTest::keyClick(&h.client().sheet(), Qt::Key_Down);
    QTest::keyClick(&h.client().sheet(), Qt::Key_Enter);
    QCOMPARE(h.PixelAt(Pixel(4, 15)), kGreen);
  }

  // What a screen reader hears is checked by accessibility_test.py, but for the computer's reply
  // leaving the cross-hair's cell at the next key; the status line is read whole there too.
  void theReplyRidesOnTheCrossHairsCellUntilTheNextKeyAndTheTurnTextsFit() {
    WindowHarness h;
    ui::SheetWidget& sheet = h.client().sheet();
    for (const auto key : {Qt::Key_Right, Qt::Key_Up, Qt::Key_Up, Qt::Key_Return})
      QTest::keyClick(&sheet, key);
    const auto& computer = h.game().State().ComputerMoves;
    const std::string reply = spoken::ComputerPointWords(computer[computer.Count()]);
    QAccessibleInterface* cell =
        QAccessible::queryAccessibleInterface(&sheet)->tableInterface()->cellAt(0, 14);
    const QString name = "Ligne 1, colonne 15, point vert";
    QCOMPARE(cell->text(QAccessible::Name), name + ". " + QString::fromStdString(reply));
    QTest::keyClick(&sheet, Qt::Key_Up);  // at the edge: the cross-hair stays
    QCOMPARE(cell->text(QAccessible::Name), name);
    // Each turn text fits its line.
    const QLabel& line = h.client().rightPanel().statusLine();
    for (const char* player : {texts::kDefaultPlayerName1, texts::kDefaultPlayerName2}) {
      const QString text = QString(player) + texts::kTurnSuffix;
      const QRect needed = line.fontMetrics().boundingRect(
          line.contentsRect(), Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop, text);
      QVERIFY2(line.contentsRect().contains(needed), qPrintable(text));
    }
  }
};

QTEST_MAIN(SheetWindowTest)
#include "SheetWindowTest.moc"
