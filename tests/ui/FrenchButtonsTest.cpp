#include <QAbstractButton>
#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QTest>

#include "WindowHarness.h"
#include "support/AsciiBoard.h"
#include "ui/MessageBoxes.h"
#include "ui/RightPanel.h"
#include "ui/frmChoix.h"

using namespace quintara;
using namespace quintara::testing;

namespace {

const QString kAskSheet =
    "Si vous changez de feuille alors que la partie n'est pas terminée le point ira à "
    "Ordinateur. Voulez vous tout de même changer de feuille?";

// What a message box shows, read as it opens; then the button named `press` is pressed.
struct SeenBox {
  QString caption;
  QString text;
  QStringList buttons;
};

void WhenBoxOpens(SeenBox& seen, const QString& press) {
  WhenModal<QMessageBox>([&seen, press](QMessageBox* box) {
    seen.caption = box->windowTitle();
    seen.text = box->text();
    for (QAbstractButton* button : box->buttons()) {
      seen.buttons << button->text();
      if (button->text() == press) button->click();
    }
  });
}

int RedGames(WindowHarness& harness) {
  return harness.client().rightPanel().scoreBoard().redGames().text().toInt();
}

// Gives up the running game through "&Nouvelle feuille", pressing `press` in its question.
SeenBox GiveUpTheSheet(WindowHarness& harness, const QString& press) {
  harness.ClickAt(IndexOf(5, 5));
  SeenBox seen;
  WhenBoxOpens(seen, press);
  harness.window().mnuNouvelle()->trigger();
  seen.buttons.sort();
  return seen;
}

QStringList MenuWords(QLineEdit& field) {
  std::unique_ptr<QMenu> menu(field.createStandardContextMenu());
  QStringList words;
  for (const QAction* action : menu->actions()) {
    if (!action->isSeparator()) words << action->text().section('\t', 0, 0).remove('&');
  }
  return words;
}

}  // namespace

// The standard buttons and Qt's own texts read in French; the boxes keep their words and answers.
class FrenchButtonsTest : public QObject {
  Q_OBJECT

 private slots:
  // Runs first, before Qt's translation is loaded: the boxes name their buttons themselves.
  void withoutQtsTranslationTheQuestionStillReadsOuiAndNon() {
    WindowHarness harness;
    const SeenBox seen = GiveUpTheSheet(harness, "&Non");
    QCOMPARE(seen.caption, QString("Quintara"));
    QCOMPARE(seen.text, kAskSheet);
    QCOMPARE(seen.buttons, (QStringList{"&Non", "&Oui"}));
    QCOMPARE(RedGames(harness), 0);
    QCOMPARE(CountPoints(harness.game().CurrentSheet()), 2);
  }

  void withQtsTranslationTheNameFieldsMenusAreFrenchToo() {
    QVERIFY(ui::LoadQtFrenchTexts(*QCoreApplication::instance()));
    WindowHarness harness;
    const QStringList words = MenuWords(*harness.window().choix().txtAdversaires(0));
    for (const char* word : {"Annuler", "Couper", "Copier", "Coller", "Tout sélectionner"}) {
      QVERIFY2(words.contains(word), qPrintable(words.join(", ")));
    }

    const SeenBox seen = GiveUpTheSheet(harness, "&Oui");
    QCOMPARE(seen.caption, QString("Quintara"));
    QCOMPARE(seen.text, kAskSheet);
    QCOMPARE(seen.buttons, (QStringList{"&Non", "&Oui"}));
    QCOMPARE(RedGames(harness), 1);
    QCOMPARE(CountPoints(harness.game().CurrentSheet()), 0);
  }
};

QTEST_MAIN(FrenchButtonsTest)
#include "FrenchButtonsTest.moc"
