#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

#include "WindowHarness.h"
#include "ui/frmApropos.h"
#include "ui/frmChoix.h"
#include "ui/frmStatistique.h"

using namespace quintara;
using namespace quintara::testing;

// The menus' dialogs and boxes as the player uses them. Their texts, the questions, the levels
// and the opponent's buttons are read and pressed over the accessibility bus by
// accessibility_test.py; what it cannot see is checked here.
class DialogsTest : public QObject {
  Q_OBJECT

 private slots:
  // Runs first, before Qt's translation is loaded: the boxes name their buttons themselves.
  void theQuestionsAndTheNameFieldsMenusReadInFrench() {
    for (const bool translated : {false, true}) {
      WindowHarness h;
      h.window.setMessageBoxes(std::make_unique<ui::QtMessageBoxes>(&h.window));
      h.Click(Pixel(5, 5));
      QStringList buttons;
      WhenModal<QMessageBox>([&buttons](QMessageBox* box) {
        for (QAbstractButton* button : box->buttons()) buttons << button->text();
        box->button(QMessageBox::No)->click();
      });
      h.window.mnuNouvelle()->trigger();  // the give-up question
      buttons.sort();
      QCOMPARE(buttons, QStringList({"&Non", "&Oui"}));
      if (!translated) QVERIFY(ui::LoadQtFrenchTexts(*QCoreApplication::instance()));
    }
    ui::frmChoix dialog;
    const QMenu* menu = dialog.txtAdversaires(0)->createStandardContextMenu();  // the field's
    QStringList words;
    for (const QAction* action : menu->actions())
      words << action->text().section('\t', 0, 0).remove('&');
    for (const char* word : {"Annuler", "Couper", "Copier", "Coller", "Tout sélectionner"})
      QVERIFY2(words.contains(word), qPrintable(words.join(", ")));
  }

  void theOpponentDialogKeepsItsSizeAndItsChoicesAfterAnnuler() {
    WindowHarness h;
    ui::frmChoix& dialog = h.window.choix();
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    const QSize size = dialog.size();
    const QRect fields[] = {dialog.txtAdversaires(0)->geometry(),
                            dialog.txtAdversaires(1)->geometry()};
    dialog.optNiveau(2)->click();
    QVERIFY(dialog.txtAdversaires(1)->isReadOnly());
    dialog.optJoueur2(1)->click();
    QVERIFY(!dialog.txtAdversaires(1)->isReadOnly());
    // A second name of up to 14 letters becomes the button's caption; a longer one does not.
    for (const QString name : {"WWWWWWWWWWWWWW", "WWWWWWWWWWWWWWW"})
      dialog.txtAdversaires(1)->setText(name);
    QCOMPARE(dialog.optJoueur2(1)->text(), QString("WWWWWWWWWWWWWW"));
    // The label under a long first name shows what fits; readers and the tooltip get it whole.
    const QString longName = "Marie-Christine Alexandrine de la Tour d'Auvergne-Lauraguais 1";
    dialog.txtAdversaires(0)->setText(longName);
    QTest::qWait(20);
    QCOMPARE(dialog.width(), size.width());
    QCOMPARE(dialog.txtAdversaires(0)->geometry(), fields[0]);
    QCOMPARE(dialog.txtAdversaires(1)->geometry(), fields[1]);
    const QLabel& label = *dialog.lblJoueur1();
    QVERIFY(label.text().endsWith(QChar(0x2026)));
    QCOMPARE(label.accessibleName(), longName);
    QCOMPARE(label.toolTip(), longName);
    dialog.txtAdversaires(0)->setText("Zoé");
    QCOMPARE(label.text(), QString("Zoé"));
    dialog.optJoueur2(0)->click();
    QVERIFY(dialog.txtAdversaires(1)->isReadOnly());
    for (QPushButton* button : dialog.findChildren<QPushButton*>())
      if (button->text() == "Annuler") button->click();
    QVERIFY(!dialog.isVisible());
    QCOMPARE(h.game().Level(), 3);
    QVERIFY(!h.game().TwoPlayers());
    QCOMPARE(h.game().PlayerName1(), std::string("Zoé"));
  }

  void theRulesScrollBackToTheTopAndTheWindowTakesBackItsSize() {
    WindowHarness h;
    QList<int> tops;
    for (int shown = 0; shown < 2; ++shown) {
      WhenModal<ui::frmApropos>([&tops](ui::frmApropos* rules) {
        tops << rules->textPanel()->y();
        rules->scrollBar()->setValue(2000);
        tops << rules->textPanel()->y();
        rules->reject();
      });
      h.window.mnuApropos()->trigger();
    }
    QVERIFY2(tops[0] == 0 && tops[1] < 0 && tops[2] == 0, qPrintable(QString::number(tops[1])));
    ui::frmApropos& rules = *h.window.apropos();
    rules.show();
    QVERIFY(QTest::qWaitForWindowExposed(&rules));
    const QSize size = rules.windowHandle()->size();
    rules.windowHandle()->resize(600, 500);  // as a window system without a manager does
    QTest::qWait(50);
    QCOMPARE(rules.windowHandle()->size(), size);
    QStringList lines;
    for (const QLabel* label : rules.textPanel()->findChildren<QLabel*>()) lines << label->text();
    QVERIFY(lines.contains("Le premier joueur qui gagne trois parties remporte la manche."));
  }

  void theStatisticsShowEachLevelsGamesUnderItsName() {
    WindowHarness h;
    h.game().SetTwoPlayers(true);
    // Whoever moves first makes five along the row while the other plays two rows below.
    for (const auto& [level, row] : {std::pair{2, 3}, {4, 9}}) {  // green's, then red's
      h.game().SetLevel(level);
      for (int column = 5; column <= 9; ++column) {
        h.Click(Pixel(row, column));
        if (column < 9) h.Click(Pixel(row + 2, column));
      }
    }
    QList<const QLabel*> labels;
    WhenModal<ui::frmStatistique>([&labels](ui::frmStatistique* window) {
      for (const QLabel* label : window->findChildren<QLabel*>()) labels << label;
      window->accept();
    });
    h.window.mnuStatistique()->trigger();
    const auto label = [&labels](const QString& name) {
      for (const QLabel* one : labels)
        if (one->text() == name || one->accessibleName() == name) return one;
      return static_cast<const QLabel*>(nullptr);
    };
    for (int level = 1; level <= 4; ++level) {
      const QString name = QString("Niveau %1").arg(level);
      const QLabel* caption = label(name);
      const QLabel* green = label(name + " : parties gagnées par le joueur vert");
      const QLabel* red = label(name + " : parties gagnées par le joueur rouge");
      QVERIFY(caption && green && red);
      QCOMPARE(green->text(), QString(level == 2 ? "1" : "0"));
      QCOMPARE(red->text(), QString(level == 4 ? "1" : "0"));
      // Green's count left of red's, both under their level's name.
      QVERIFY(green->y() > caption->y() && green->geometry().right() < red->x());
      QVERIFY(green->x() >= caption->x() - 2 &&
              red->geometry().right() <= caption->geometry().right() + 2);
    }
  }
};

QTEST_MAIN(DialogsTest)
#include "DialogsTest.moc"
