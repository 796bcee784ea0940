#include <QAccessible>
#include <QLabel>
#include <QTest>

#include "WindowHarness.h"
#include "game/Game.h"
#include "support/GameSteps.h"
#include "ui/Bars.h"
#include "ui/RightPanel.h"
#include "ui/SheetWidget.h"

using namespace quintara;
using namespace quintara::testing;
using namespace std::chrono_literals;

namespace {

const QString kHoverMessage = "      Vous survolez une zone non jouable";

int FirstComputerPoint(const Game& game) {
  return game.State().ComputerMoves[1];
}

}  // namespace

// Playing with the mouse at the design size: clicks, the refusal, hover feedback, the growth of
// the computer's point and what the bars show.
class MousePlayTest : public QObject {
  Q_OBJECT

 private slots:
  void opensWithEverythingReadable() {
    WindowHarness harness;
    ui::ClientArea& client = harness.client();
    QCOMPARE(harness.window().windowTitle(), QString("Quintara"));
    QCOMPARE(client.topBar().levelText().text(), QString("Niveau 1"));
    QCOMPARE(client.rightPanel().statusLine().text(), QString("Joueur 1 A vous de jouer     "));
    QCOMPARE(client.rightPanel().turnIndicator().colour(), kPureGreen);
    QCOMPARE(client.rightPanel().scoreBoard().greenGames().text(), QString("0"));
    QCOMPARE(client.rightPanel().scoreBoard().redGames().text(), QString("0"));
    QVERIFY(!client.rightPanel().scoreBoard().setsShown());

    // What is not a plain label carries a name for screen readers.
    const QWidget* indicator = &client.rightPanel().turnIndicator();
    QVERIFY(!indicator->accessibleName().isEmpty());
    QCOMPARE(indicator->accessibleDescription(), QString("Joueur 1 A vous de jouer     "));
    const QLabel& games = client.rightPanel().scoreBoard().greenGames();
    QVERIFY(!games.accessibleName().isEmpty());
    QAccessibleInterface* readable =
        QAccessible::queryAccessibleInterface(const_cast<QLabel*>(&client.topBar().levelText()));
    QVERIFY(readable != nullptr);
    QCOMPARE(readable->text(QAccessible::Name), QString("Niveau 1"));
  }

  void clickPlacesGreenAndTheComputerAnswersInRed() {
    WindowHarness harness;
    const int clicked = IndexOf(5, 8);
    harness.ClickAt(clicked);

    QCOMPARE(harness.game().CurrentSheet().ColourAt(clicked), HumanColour);
    QCOMPARE(harness.PixelAt(WindowHarness::Crossing(clicked)), kPureGreen);
    const int reply = FirstComputerPoint(harness.game());
    QVERIFY(reply != 0);
    QCOMPARE(harness.PixelAt(WindowHarness::Crossing(reply)), kPureRed);
    QCOMPARE(harness.sounds, QStringList({"play", "stop"}));
    // Back to the human, all within the click.
    QCOMPARE(harness.client().rightPanel().turnIndicator().colour(), kPureGreen);
    QCOMPARE(harness.client().rightPanel().statusLine().text(),
             QString("Joueur 1 A vous de jouer     "));
  }

  void occupiedPointIsRefusedWithAMessage() {
    WindowHarness harness;
    const int clicked = IndexOf(6, 6);
    harness.ClickAt(clicked);
    const int reply = FirstComputerPoint(harness.game());
    const int pointsBefore = harness.game().State().HumanMoves.Count();

    for (const int occupied : {clicked, reply}) {
      MessageBoxAnswerer answerer;
      harness.ClickAt(occupied);
      QCOMPARE(answerer.count, 1);
      QCOMPARE(answerer.caption, QString("ATTENTION !!!"));
      QCOMPARE(answerer.text, QString("Vous ne pouvez plus jouer ici"));
    }
    QCOMPARE(harness.game().State().HumanMoves.Count(), pointsBefore);
    QCOMPARE(harness.game().State().ComputerMoveCount, 1);
  }

  void clicksOffThePlayableAreaDoNothing_data() {
    QTest::addColumn<QPoint>("where");
    // At the design size the shown area is rows 2..15, columns 2..20.
    QTest::newRow("beside the last column") << QPoint(497, 120);
    QTest::newRow("on the top bar") << WindowHarness::Crossing(IndexOf(1, 5));
    QTest::newRow("on the right panel") << WindowHarness::Crossing(IndexOf(5, 22));
    QTest::newRow("on the status bar") << WindowHarness::Crossing(IndexOf(16, 5));
  }
  void clicksOffThePlayableAreaDoNothing() {
    QFETCH(QPoint, where);
    WindowHarness harness;
    MessageBoxAnswerer answerer;
    harness.Click(where);
    QTest::qWait(30);
    QCOMPARE(answerer.count, 0);
    QCOMPARE(harness.game().State().HumanMoves.Count(), 0);
    QCOMPARE(harness.game().State().ComputerMoveCount, 0);
  }

  void hoverMovesTheMarkerAndClearsTheMessage() {
    WindowHarness harness;
    const ui::SheetWidget& sheet = harness.client().sheet();
    const QLabel& message = harness.client().statusBar().message();
    const int target = IndexOf(4, 9);

    // Anywhere in the hit area: its top-left lies 140 twips (9.33 px) left of and above the
    // crossing.
    harness.MoveTo(WindowHarness::Crossing(target) + QPoint(-9, 14));
    QCOMPARE(sheet.hoverIndex(), target);
    QCOMPARE(message.text(), QString());
    QCOMPARE(harness.PixelAt(WindowHarness::Crossing(target)), kPureYellow);

    // Outside the shown area the message shows and the marker stays.
    harness.MoveTo(QPoint(497, 120));
    QCOMPARE(message.text(), kHoverMessage);
    QCOMPARE(sheet.hoverIndex(), target);

    // Over the bars nothing changes, whatever it showed.
    for (const QPoint bar :
         {QPoint(200, 10), QPoint(10, 200), QPoint(560, 200), QPoint(200, 380)}) {
      harness.MoveTo(bar);
      QCOMPARE(message.text(), kHoverMessage);
    }
    harness.MoveTo(WindowHarness::Crossing(target));
    for (const QPoint bar : {QPoint(200, 10), QPoint(560, 200)}) {
      harness.MoveTo(bar);
      QCOMPARE(message.text(), QString());
      QCOMPARE(sheet.hoverIndex(), target);
    }
  }

  void theMarkerLiesBeneathThePoints() {
    WindowHarness harness;
    const int clicked = IndexOf(8, 8);
    harness.MoveTo(WindowHarness::Crossing(clicked));
    harness.ClickAt(clicked);
    harness.MoveTo(WindowHarness::Crossing(clicked));
    QCOMPARE(harness.client().sheet().hoverIndex(), clicked);
    QCOMPARE(harness.PixelAt(WindowHarness::Crossing(clicked)), kPureGreen);
  }

  void theComputersPointGrowsInAndTheChimeStopsWithIt() {
    WindowHarness harness(1s);
    harness.ClickAt(IndexOf(5, 8));
    // The game has moved on at once; only the picture is still growing.
    const int reply = FirstComputerPoint(harness.game());
    QVERIFY(reply != 0);
    QCOMPARE(harness.game().TurnColour(), HumanColour);
    QVERIFY(harness.client().sheet().growing());
    QCOMPARE(harness.sounds, QStringList({"play"}));

    QTRY_COMPARE_WITH_TIMEOUT(harness.sounds, QStringList({"play", "stop"}), 5000);
    QVERIFY(!harness.client().sheet().growing());
    QCOMPARE(harness.PixelAt(WindowHarness::Crossing(reply)), kPureRed);
    // At its final size (170 twips) the point does not reach the next crossing.
    QVERIFY(harness.PixelAt(WindowHarness::Crossing(reply) + QPoint(9, 0)) != kPureRed);
  }

  void aNewSheetCancelsTheGrowths() {
    WindowHarness harness(10s);
    harness.ClickAt(IndexOf(5, 8));
    harness.ClickAt(IndexOf(9, 12));
    QCOMPARE(harness.game().State().ComputerMoveCount, 2);
    QVERIFY(harness.client().sheet().growing());

    GameSteps::NewSheet(harness.game());
    QVERIFY(!harness.client().sheet().growing());
    QCOMPARE(harness.sounds.count("stop"), 1);
    QCOMPARE(harness.Find(kPureRed, QRect(45, 45, 450, 310)), QPoint(-1, -1));
    QCOMPARE(harness.Find(kPureGreen, QRect(45, 45, 450, 310)), QPoint(-1, -1));
  }
};

QTEST_MAIN(MousePlayTest)
#include "MousePlayTest.moc"
