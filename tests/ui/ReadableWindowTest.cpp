#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>

#include "WindowHarness.h"
#include "game/Game.h"
#include "ui/Bars.h"
#include "ui/RightPanel.h"
#include "ui/frmChoix.h"

using namespace quintara;
using namespace quintara::testing;

namespace {

// What a screen reader's bridge calls to run a control's action.
void DoAccessibleAction(QWidget* widget, const QString& action) {
  QAccessibleInterface* readable = QAccessible::queryAccessibleInterface(widget);
  QVERIFY(readable != nullptr);
  QAccessibleActionInterface* actions = readable->actionInterface();
  QVERIFY(actions != nullptr);
  QVERIFY2(actions->actionNames().contains(action), qPrintable(actions->actionNames().join(",")));
  actions->doAction(action);
}

QString Description(const QWidget& widget) {
  return QAccessible::queryAccessibleInterface(const_cast<QWidget*>(&widget))
      ->text(QAccessible::Description);
}

}  // namespace

// What a screen reader reads and does through the window's accessibility interfaces.
class ReadableWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void theDialogsButtonsActOnAScreenReadersToggle() {
    WindowHarness harness;
    ui::frmChoix& dialog = harness.window().choix();
    dialog.show();
    const QString toggle = QAccessibleActionInterface::toggleAction();

    DoAccessibleAction(dialog.optNiveau(2), toggle);
    QCOMPARE(harness.game().Level(), 3);
    QCOMPARE(harness.client().topBar().levelText().text(), QString("Niveau 3"));

    DoAccessibleAction(dialog.optJoueur2(1), toggle);
    QVERIFY(harness.game().TwoPlayers());
    QCOMPARE(dialog.txtAdversaires(1)->text(), QString("Joueur 2"));
    QVERIFY(!dialog.fraNiveaux()->isVisible());

    DoAccessibleAction(dialog.optJoueur2(0), toggle);
    QVERIFY(!harness.game().TwoPlayers());
    QCOMPARE(dialog.txtAdversaires(1)->text(), QString("Ordinateur"));
    dialog.reject();
  }

  void theScoreCountsAreReadWithTheirNumbers() {
    WindowHarness harness;
    harness.ScriptBoxes();
    const ui::ScoreBoardPanel& board = harness.client().rightPanel().scoreBoard();
    QCOMPARE(Description(board.greenGames()), QString("0"));
    QCOMPARE(Description(board.redGames()), QString("0"));

    // A running game given up for a new sheet goes to red.
    harness.ClickAt(IndexOf(5, 5));
    harness.answers = {true};
    harness.window().mnuNouvelle()->trigger();
    QCOMPARE(board.redGames().text(), QString("1"));
    QCOMPARE(Description(board.redGames()), QString("1"));
    QCOMPARE(Description(board.greenGames()), QString("0"));
  }
};

QTEST_MAIN(ReadableWindowTest)
#include "ReadableWindowTest.moc"
