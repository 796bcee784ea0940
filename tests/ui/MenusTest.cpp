#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>

#include "WindowHarness.h"
#include "game/Game.h"
#include "support/AsciiBoard.h"
#include "ui/Bars.h"
#include "ui/RightPanel.h"
#include "ui/SheetWidget.h"
#include "ui/frmApropos.h"
#include "ui/frmChoix.h"

using namespace quintara;
using namespace quintara::testing;

namespace {

const QString kAskSheet =
    "Quintara: Si vous changez de feuille alors que la partie n'est pas terminée le point ira à "
    "Ordinateur. Voulez vous tout de même changer de feuille?";
const QString kAskLevel =
    "Quintara: Si vous changez de niveau alors que la partie n'est pas terminée le point ira à "
    "Ordinateur. Voulez vous tout de même changer de niveau?";
const QString kRefusal = "ATTENTION !!!: Vous ne pouvez plus jouer ici";

QStringList Texts(const QList<QAction*>& actions) {
  QStringList texts;
  for (const QAction* action : actions) {
    if (!action->isSeparator()) texts << action->text();
  }
  return texts;
}

}  // namespace

// The menus, the opponent and level dialog, keyboard play, the chime switch and the rules.
class MenusTest : public QObject {
  Q_OBJECT

 private slots:
  void theMenuBarCarriesItsItemsWithTheirAccessKeys() {
    WindowHarness harness;
    QMenuBar* bar = harness.window().menuBar();
    QCOMPARE(Texts(bar->actions()), (QStringList{"&Fichier", "Sons", "&?"}));
    QCOMPARE(Texts(bar->actions()[0]->menu()->actions()),
             (QStringList{"&Nouvelle feuille", "&Changer de niveau", "&Statistique", "&Quitter"}));
    QCOMPARE(Texts(bar->actions()[1]->menu()->actions()),
             (QStringList{"Son 1", "Son 2", "Désactiver le son"}));
    QVERIFY(harness.window().mnuSon(0)->isChecked());
    QVERIFY(!harness.window().mnuSon(1)->isEnabled());
  }

  void theSoundItemsBehaveAsRadioItemsAndSwitchTheChime() {
    WindowHarness harness;
    harness.window().mnuSon(2)->trigger();
    QVERIFY(!harness.window().mnuSon(0)->isChecked());
    QVERIFY(harness.window().mnuSon(2)->isChecked());
    harness.ClickAt(IndexOf(5, 5));
    QCOMPARE(harness.sounds, QStringList{"stop"});

    harness.window().mnuSon(0)->trigger();
    QVERIFY(!harness.window().mnuSon(2)->isChecked());
    harness.sounds.clear();
    harness.ClickAt(IndexOf(9, 9));
    QCOMPARE(harness.sounds, (QStringList{"play", "stop"}));
  }

  void theChimeSoundsOncePerComputerPointAndNeverForTheHumansOrTwoPlayers() {
    WindowHarness harness;
    for (const int index : {IndexOf(5, 5), IndexOf(9, 12), IndexOf(12, 3)}) harness.ClickAt(index);
    QCOMPARE(harness.sounds.count("play"), 3);
    harness.game().SetTwoPlayers(true);
    harness.sounds.clear();
    harness.ClickAt(IndexOf(14, 14));
    harness.ClickAt(IndexOf(14, 16));
    QCOMPARE(harness.sounds.count("play"), 0);
  }

  void aNewSheetInARunningGameAsksAndAnswersBothWays() {
    WindowHarness harness;
    harness.ScriptBoxes();
    harness.ClickAt(IndexOf(5, 5));
    harness.answers = {false};
    harness.window().mnuNouvelle()->trigger();
    QCOMPARE(harness.boxes, QStringList{kAskSheet});
    QCOMPARE(CountPoints(harness.game().CurrentSheet()), 2);

    harness.answers = {true};
    harness.window().mnuNouvelle()->trigger();
    QCOMPARE(CountPoints(harness.game().CurrentSheet()), 0);
    // Giving up counts the game for red.
    QCOMPARE(harness.window().client().rightPanel().scoreBoard().redGames().text(), QString("1"));
    QVERIFY(harness.PixelAt(WindowHarness::Crossing(IndexOf(5, 5))) != kPureGreen);
  }

  void aChangeOfLevelAsksThenShowsTheDialog() {
    WindowHarness harness;
    harness.ScriptBoxes();
    harness.ClickAt(IndexOf(5, 5));

    harness.answers = {false};
    harness.window().mnuChanger()->trigger();
    QCOMPARE(harness.boxes, QStringList{kAskLevel});
    QCOMPARE(CountPoints(harness.game().CurrentSheet()), 2);

    harness.answers = {true};
    QString caption;
    WhenModal<ui::frmChoix>([&](ui::frmChoix* dialog) {
      caption = dialog->windowTitle();
      dialog->optNiveau(2)->click();
      for (QPushButton* button : dialog->findChildren<QPushButton*>()) {
        if (button->text() == "Annuler") button->click();
      }
    });
    harness.window().mnuChanger()->trigger();
    QCOMPARE(caption, QString("Quintara version 2"));
    QCOMPARE(CountPoints(harness.game().CurrentSheet()), 0);
    // Chosen in the dialog, kept after "Annuler".
    QCOMPARE(harness.game().Level(), 3);
    QCOMPARE(harness.client().topBar().levelText().text(), QString("Niveau 3"));
    QVERIFY(!harness.window().choix().isVisible());
  }

  void theDialogSwitchesTheOpponentAndKeepsItsNames() {
    WindowHarness harness;
    ui::frmChoix& dialog = harness.window().choix();
    dialog.show();
    dialog.optJoueur2(1)->click();
    QCOMPARE(dialog.txtAdversaires(1)->text(), QString("Joueur 2"));
    QVERIFY(!dialog.txtAdversaires(1)->isReadOnly());
    QVERIFY(!dialog.fraNiveaux()->isVisible());
    QVERIFY(harness.game().TwoPlayers());

    dialog.txtAdversaires(1)->setText("Paulette");
    QCOMPARE(dialog.optJoueur2(1)->text(), QString("Paulette"));
    dialog.txtAdversaires(1)->setText("Un nom bien trop long");
    QCOMPARE(dialog.optJoueur2(1)->text(), QString("Paulette"));
    dialog.txtAdversaires(0)->setText("Zoé");
    QCOMPARE(dialog.lblJoueur1()->text(), QString("Zoé"));
    QCOMPARE(harness.game().PlayerName1(), std::string("Zoé"));

    dialog.optJoueur2(0)->click();
    QCOMPARE(dialog.txtAdversaires(1)->text(), QString("Ordinateur"));
    QVERIFY(dialog.txtAdversaires(1)->isReadOnly());
    QVERIFY(dialog.fraNiveaux()->isVisible());
    QVERIFY(!harness.game().TwoPlayers());
    dialog.reject();
    // Hidden, not destroyed: the same dialog with the same names.
    QCOMPARE(&harness.window().choix(), &dialog);
    QCOMPARE(dialog.PlayerName1(), QString("Zoé"));
  }

  void aNameFieldSelectsItsWholeTextOnFocus() {
    WindowHarness harness;
    ui::frmChoix& dialog = harness.window().choix();
    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    dialog.txtAdversaires(0)->setFocus();
    QTRY_COMPARE(dialog.txtAdversaires(0)->selectedText(), QString("Joueur 1"));
    dialog.reject();
  }

  void theArrowsMoveTheCrossHairAndEnterPlays() {
    WindowHarness harness;
    ui::SheetWidget& sheet = harness.client().sheet();
    QTRY_VERIFY(sheet.hasFocus());
    QCOMPARE(harness.game().CrossHairIndex(), 520);
    QTest::keyClick(&sheet, Qt::Key_Down);
    QTest::keyClick(&sheet, Qt::Key_Left);
    QCOMPARE(harness.game().CrossHairIndex(), IndexOf(4, 14));
    QTest::keyClick(&sheet, Qt::Key_Return);
    QCOMPARE(harness.PixelAt(WindowHarness::Crossing(IndexOf(4, 14))), kPureGreen);
    QCOMPARE(harness.game().CurrentSheet().ColourAt(IndexOf(4, 15)), ComputerColour);
    for (int k = 0; k < 30; ++k) QTest::keyClick(&sheet, Qt::Key_Right);
    QCOMPARE(harness.game().CrossHairIndex(), IndexOf(4, 20));
    for (int k = 0; k < 30; ++k) QTest::keyClick(&sheet, Qt::Key_Up);
    QCOMPARE(harness.game().CrossHairIndex(), IndexOf(2, 20));
  }

  void enterOnAClosedZoneOrOutOfSightIsRefused() {
    WindowHarness harness;
    harness.ScriptBoxes();
    ui::SheetWidget& sheet = harness.client().sheet();
    Lay(harness.game(), Picture{3, 16, {"# x"}});
    QTest::keyClick(&sheet, Qt::Key_Right);
    QTest::keyClick(&sheet, Qt::Key_Right);
    QTest::keyClick(&sheet, Qt::Key_Enter);
    QCOMPARE(harness.boxes, QStringList{kRefusal});

    harness.ResizeClient(QSize(800, 533));
    for (int k = 0; k < 12; ++k) QTest::keyClick(&sheet, Qt::Key_Right);
    QCOMPARE(harness.game().CrossHairIndex(), IndexOf(3, 29));
    harness.ResizeClient(QSize(592, 390));
    QTest::keyClick(&sheet, Qt::Key_Return);
    QCOMPARE(harness.boxes, (QStringList{kRefusal, kRefusal}));
    QVERIFY(!harness.game().CurrentSheet().HasPoint(IndexOf(3, 29)));
  }

  void aClickOnABarHandsTheFocusBackToTheSheet() {
    WindowHarness harness;
    ui::SheetWidget& sheet = harness.client().sheet();
    harness.window().choix().show();
    harness.window().choix().txtAdversaires(0)->setFocus();
    harness.window().choix().hide();
    harness.window().activateWindow();
    QTest::mouseClick(&harness.client().rightPanel(), Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    QTRY_VERIFY(sheet.hasFocus());
    QTest::keyClick(&sheet, Qt::Key_Right);
    QCOMPARE(harness.game().CrossHairIndex(), 521);
  }

  void theRulesWindowScrollsItsTextAndKeepsItsSize() {
    WindowHarness harness;
    QString title;
    QSize size;
    QStringList lines;
    int bottom = 0;
    int top = -1;
    WhenModal<ui::frmApropos>([&](ui::frmApropos* rules) {
      title = rules->windowTitle();
      rules->resize(900, 900);
      size = rules->size();
      for (const QLabel* label : rules->textPanel()->findChildren<QLabel*>())
        lines << label->text();
      rules->scrollBar()->setValue(2000);
      bottom = rules->textPanel()->y();
      rules->scrollBar()->setValue(0);
      top = rules->textPanel()->y();
      rules->reject();
    });
    harness.window().mnuApropos()->trigger();
    QCOMPARE(title, QString("Quintara  Version 2"));
    QCOMPARE(size, QSize(448, 370));
    QCOMPARE(lines.size(), 15);
    QVERIFY(lines.contains("Il est possible de jouer  plusieurs parties  sur la même feuille,"));
    QCOMPARE(bottom, -133);
    QCOMPARE(top, 0);
  }

  void quitClosesTheWindow() {
    WindowHarness harness;
    harness.window().mnuQuitter()->trigger();
    QVERIFY(!harness.window().isVisible());
  }
};

QTEST_MAIN(MenusTest)
#include "MenusTest.moc"
