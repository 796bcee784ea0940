#include <QAbstractButton>
#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QTest>

#include "WindowHarness.h"
#include "ui/MessageBoxes.h"
#include "ui/frmChoix.h"

using namespace quintara;
using namespace quintara::testing;

namespace {

// The buttons of the give-up question of "&Nouvelle feuille", read as it opens; No is pressed.
QStringList GiveUpButtons() {
  WindowHarness harness;
  harness.ClickAt(IndexOf(5, 5));
  QStringList buttons;
  WhenModal<QMessageBox>([&buttons](QMessageBox* box) {
    for (QAbstractButton* button : box->buttons()) buttons << button->text();
    box->button(QMessageBox::No)->click();
  });
  harness.window().mnuNouvelle()->trigger();
  buttons.sort();
  return buttons;
}

}  // namespace

// The standard buttons and Qt's own texts read in French.
class FrenchButtonsTest : public QObject {
  Q_OBJECT

 private slots:
  // Runs first, before Qt's translation is loaded: the boxes name their buttons themselves.
  void theQuestionsReadOuiAndNonWithOrWithoutQtsTranslation() {
    QCOMPARE(GiveUpButtons(), (QStringList{"&Non", "&Oui"}));
    QVERIFY(ui::LoadQtFrenchTexts(*QCoreApplication::instance()));
    QCOMPARE(GiveUpButtons(), (QStringList{"&Non", "&Oui"}));
  }

  void theNameFieldsMenusAreFrench() {
    WindowHarness harness;
    std::unique_ptr<QMenu> menu(
        harness.window().choix().txtAdversaires(0)->createStandardContextMenu());
    QStringList words;
    for (const QAction* action : menu->actions())
      words << action->text().section('\t', 0, 0).remove('&');
    for (const char* word : {"Annuler", "Couper", "Copier", "Coller", "Tout sélectionner"}) {
      QVERIFY2(words.contains(word), qPrintable(words.join(", ")));
    }
  }
};

QTEST_MAIN(FrenchButtonsTest)
#include "FrenchButtonsTest.moc"
