#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>

#include "WindowHarness.h"
#include "game/Game.h"
#include "ui/FileScoreStore.h"
#include "ui/frmApropos.h"
#include "ui/frmChoix.h"
#include "ui/frmStatistique.h"

using namespace quintara;
using namespace quintara::testing;

namespace {

// Two players: whoever moves first makes five along `row` while the other plays two rows below.
void PlayWonGame(WindowHarness& harness, int row) {
  for (int column = 5; column <= 9; ++column) {
    harness.ClickAt(IndexOf(row, column));
    if (column < 9) harness.ClickAt(IndexOf(row + 2, column));
  }
}

const QLabel* Label(const QWidget& window, const QString& name) {
  for (const QLabel* label : window.findChildren<QLabel*>()) {
    if (label->text() == name || label->accessibleName() == name) return label;
  }
  return nullptr;
}

}  // namespace

// The menus' dialogs as the player uses them. Their texts, the questions, the levels and the
// opponent's buttons are read and pressed over the accessibility bus by accessibility_test.py.
class DialogsTest : public QObject {
  Q_OBJECT

 private slots:
  void theOpponentDialogTakesTheNamesAndKeepsItsChoicesAfterAnnuler() {
    WindowHarness harness;
    QList<bool> seen;
    WhenModal<ui::frmChoix>([&](ui::frmChoix* dialog) {
      dialog->optNiveau(2)->click();
      dialog->optJoueur2(1)->click();
      seen << dialog->txtAdversaires(1)->isReadOnly();
      dialog->txtAdversaires(1)->setText("Paulette");
      dialog->txtAdversaires(1)->setText("Un nom bien trop long");
      seen << (dialog->optJoueur2(1)->text() == "Paulette");
      dialog->txtAdversaires(0)->setText("Zoé");
      dialog->optJoueur2(0)->click();
      seen << dialog->txtAdversaires(1)->isReadOnly();
      for (QPushButton* button : dialog->findChildren<QPushButton*>()) {
        if (button->text() == "Annuler") button->click();
      }
    });
    harness.window().mnuChanger()->trigger();
    QCOMPARE(seen, (QList<bool>{false, true, true}));
    QVERIFY(!harness.window().choix().isVisible());
    QCOMPARE(harness.game().Level(), 3);
    QVERIFY(!harness.game().TwoPlayers());
    QCOMPARE(harness.game().PlayerName1(), std::string("Zoé"));
    // Hidden, not destroyed: the same names when it shows again.
    QCOMPARE(harness.window().choix().txtAdversaires(0)->text(), QString("Zoé"));
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

  void theSoundMenuSwitchesTheChime() {
    WindowHarness harness;
    harness.window().mnuSon(2)->trigger();
    harness.ClickAt(IndexOf(5, 5));
    harness.window().mnuSon(0)->trigger();
    harness.ClickAt(IndexOf(9, 9));
    QCOMPARE(harness.sounds, (QStringList{"stop", "play", "stop"}));
  }

  void theRulesWindowScrollsItsText() {
    WindowHarness harness;
    QList<int> tops;
    WhenModal<ui::frmApropos>([&](ui::frmApropos* rules) {
      for (const int value : {2000, 0}) {
        rules->scrollBar()->setValue(value);
        tops << rules->textPanel()->y();
      }
      rules->reject();
    });
    harness.window().mnuApropos()->trigger();
    QCOMPARE(tops, (QList<int>{-133, 0}));
  }

  void theStatisticsShowEachLevelsGamesUnderItsNameAndTheFileIsMadeBesideTheProgram() {
    QTemporaryDir program;
    WindowHarness harness;
    harness.window().setScoreStore(
        std::make_unique<ui::FileScoreStore>(program.path(), program.path() + "/user"));
    harness.game().SetTwoPlayers(true);
    harness.game().SetLevel(2);
    PlayWonGame(harness, 3);  // green's
    harness.game().SetLevel(4);
    PlayWonGame(harness, 9);  // red's
    const ui::frmStatistique* shown = nullptr;
    WhenModal<ui::frmStatistique>([&](ui::frmStatistique* window) {
      shown = window;
      window->accept();
    });
    harness.window().mnuStatistique()->trigger();
    QVERIFY(shown != nullptr);
    QVERIFY(QFile::exists(QDir(program.path()).filePath("Les scores")));
    QVERIFY(Label(*shown, "Vos points pour ce match : 20"));
    // Each count under its level's name, green's left of red's.
    for (int level = 1; level <= 4; ++level) {
      const QString name = QString("Niveau %1").arg(level);
      const QLabel* caption = Label(*shown, name);
      const QLabel* green = Label(*shown, name + " : parties gagnées par le joueur vert");
      const QLabel* red = Label(*shown, name + " : parties gagnées par le joueur rouge");
      QVERIFY(caption && green && red);
      QCOMPARE(green->text(), QString(level == 2 ? "1" : "0"));
      QCOMPARE(red->text(), QString(level == 4 ? "1" : "0"));
      QVERIFY(green->y() > caption->y() && green->geometry().right() < red->x());
      QVERIFY(green->x() >= caption->x() - 2 &&
              red->geometry().right() <= caption->geometry().right() + 2);
    }
  }
};

QTEST_MAIN(DialogsTest)
#include "DialogsTest.moc"
