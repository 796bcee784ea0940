#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>
#include <QWindow>

#include "WindowHarness.h"
#include "game/Texts.h"
#include "ui/Bars.h"
#include "ui/ElidedLabel.h"
#include "ui/RightPanel.h"
#include "ui/frmApropos.h"
#include "ui/frmChoix.h"

using namespace quintara;
using namespace quintara::testing;

namespace {

const QString kHoverMessage = "      Vous survolez une zone non jouable";
const QPoint kNowhere(-1, -1);

}  // namespace

// The windows as the player sees them: what shows before the mouse has moved, the sizes of the
// status line, the dialog and the rules window, and the rules' text.
class WindowFidelityTest : public QObject {
  Q_OBJECT

 private slots:
  void noHoverFeedbackUntilTheMouseComesAndANewSheetLeavesTheMarker() {
    WindowHarness harness;
    const QLabel& message = harness.client().statusBar().message();
    const QRect sheet = harness.client().rect();
    QCOMPARE(message.text(), QString());
    QCOMPARE(harness.Find(kPureYellow, sheet), kNowhere);

    // Outside the shown area: the message, still no marker.
    harness.MoveTo(QPoint(497, 120));
    QCOMPARE(message.text(), kHoverMessage);
    QCOMPARE(harness.Find(kPureYellow, sheet), kNowhere);

    const int hovered = IndexOf(6, 9);
    harness.MoveTo(WindowHarness::Crossing(hovered));
    QCOMPARE(message.text(), QString());
    QCOMPARE(harness.PixelAt(WindowHarness::Crossing(hovered)), kPureYellow);

    // A new sheet through "&Changer de niveau" (nothing to give up yet).
    WhenModal<ui::frmChoix>([](ui::frmChoix* dialog) { dialog->reject(); });
    harness.window().mnuChanger()->trigger();
    const QRect marker(WindowHarness::Crossing(hovered) - QPoint(6, 6), QSize(12, 12));
    QVERIFY(marker.contains(harness.Find(kPureYellow, sheet)));
    QCOMPARE(harness.PixelAt(WindowHarness::Crossing(hovered)), kPureYellow);
  }

  void theStatusLineHoldsEachTurnTextWithinItsSize() {
    WindowHarness harness;
    const QLabel& line = harness.client().rightPanel().statusLine();
    QCOMPARE(line.geometry(), QRect(8, 8, 81, 33));
    for (const char* name : {texts::kDefaultPlayerName1, texts::kDefaultPlayerName2}) {
      const QString text = QString(name) + texts::kTurnSuffix;
      const QRect needed = line.fontMetrics().boundingRect(
          line.contentsRect(), Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop, text);
      QVERIFY2(line.contentsRect().contains(needed), qPrintable(text));
    }
  }

  void namesOfAnyLengthLeaveTheDialogAndItsFieldsTheirSizes() {
    ui::frmChoix dialog;
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    const QSize size = dialog.size();
    const QRect fields[] = {dialog.txtAdversaires(0)->geometry(),
                            dialog.txtAdversaires(1)->geometry()};

    const QString longName = "Marie-Christine Alexandrine de la Tour d'Auvergne-Lauraguais 1";
    QCOMPARE(longName.size(), 62);
    dialog.txtAdversaires(0)->setText(longName);
    QTest::qWait(20);
    QCOMPARE(dialog.size(), size);
    QCOMPARE(dialog.txtAdversaires(0)->geometry(), fields[0]);
    QCOMPARE(dialog.txtAdversaires(1)->geometry(), fields[1]);
    QCOMPARE(dialog.txtAdversaires(1)->text(), QString("Ordinateur"));
    // The label shows what fits; screen readers and the tooltip have the whole name.
    const QLabel& repeated = *dialog.lblJoueur1();
    QVERIFY(repeated.text().endsWith(QChar(0x2026)));
    QCOMPARE(repeated.accessibleName(), longName);
    QCOMPARE(repeated.toolTip(), longName);

    // Two players: a second name short enough to become the option's caption.
    dialog.optJoueur2(1)->click();
    dialog.txtAdversaires(1)->setText("WWWWWWWWWWWWWW");
    QTest::qWait(20);
    QCOMPARE(dialog.optJoueur2(1)->text(), QString("WWWWWWWWWWWWWW"));
    QCOMPARE(dialog.width(), size.width());
    QCOMPARE(dialog.txtAdversaires(1)->geometry(), fields[1]);

    dialog.txtAdversaires(0)->setText("Zoé");
    QCOMPARE(repeated.text(), QString("Zoé"));
    QCOMPARE(repeated.accessibleName(), QString("Zoé"));
  }

  void theRulesWindowTakesBackItsSizeAndSaysThreeGamesWinASet() {
    ui::frmApropos rules;
    rules.show();
    QVERIFY(QTest::qWaitForWindowExposed(&rules));
    // A size handed from outside, as a window system without a manager does.
    rules.windowHandle()->resize(600, 500);
    QTRY_COMPARE_WITH_TIMEOUT(rules.windowHandle()->size(), QSize(448, 370), 1000);

    QStringList lines;
    for (const QLabel* label : rules.textPanel()->findChildren<QLabel*>()) lines << label->text();
    QVERIFY(lines.contains("Le premier joueur qui gagne trois parties remporte la manche."));
  }
};

QTEST_MAIN(WindowFidelityTest)
#include "WindowFidelityTest.moc"
