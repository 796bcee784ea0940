// The game in English: the desktop's choice of language, and every text a player meets, read
// through Qt offscreen, without a French word.
#include <QAccessible>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QRegularExpression>
#include <QTableWidget>

#include "WindowHarness.h"
#include "ui/RulesWindow.h"
#include "ui/StatisticsWindow.h"
#include "ui/Translations.h"

using namespace quintara;
using quintara::testing::Pixel;
using quintara::testing::WindowHarness;

namespace {

// Every text a window and what it holds show or give screen readers, the sheet's crossings
// included.
QStringList TextsOf(QWidget* top) {
  QStringList texts{top->windowTitle()};
  QList<QWidget*> widgets = top->findChildren<QWidget*>();
  widgets.prepend(top);
  for (QWidget* w : widgets) {
    texts << w->accessibleName() << w->accessibleDescription() << w->toolTip();
    if (auto* label = qobject_cast<QLabel*>(w)) texts << label->text();
    if (auto* button = qobject_cast<QAbstractButton*>(w)) texts << button->text();
    if (auto* group = qobject_cast<QGroupBox*>(w)) texts << group->title();
    if (auto* field = qobject_cast<QLineEdit*>(w)) texts << field->text();
    if (auto* table = qobject_cast<QTableWidget*>(w)) {
      for (int c = 0; c < table->columnCount(); ++c)
        texts << table->horizontalHeaderItem(c)->text();
    }
    for (QAction* action : w->actions()) texts << action->text();
    if (QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w)) {
      for (int k = 0; k < a->childCount(); ++k) {
        if (QAccessibleInterface* child = a->child(k)) texts << child->text(QAccessible::Name);
      }
    }
  }
  texts.removeAll(QString());
  return texts;
}

// The texts that hold a word or a letter that only French has.
QStringList French(const QStringList& texts) {
  static const QRegularExpression french(
      R"([àâçéèêëîïôûùœ«»]|\b(Joueurs?|JOUEURS|Ordinateur|Parties?|Manches?|Niveaux?|Feuille|)"
      R"(Fichier|Quitter|Annuler|Oui|Non|vert|rouge|[Ll]ignes?|[Cc]olonnes?|jouer|Sons?|)"
      R"(zone|vide|contre|Adversaires|Autres|Statistique|Indicateur|[Vv]ous|pour|les?|la|)"
      R"(des?|du|une?|et|est|par|au|ce)\b)");
  QStringList found;
  for (const QString& text : texts) {
    if (french.match(text).hasMatch()) found << text;
  }
  return found;
}

}  // namespace

class LanguageTest : public QObject {
  Q_OBJECT

 private slots:
  void theDesktopsFirstKnownLanguageIsChosen() {
    using L = ui::PlayerLanguage;
    // As QLocale::system().uiLanguages() lists them for LANGUAGE and LANG.
    const std::pair<QStringList, L> cases[] = {{{"en-US", "en-Latn-US", "en"}, L::kEnglish},
                                               {{"fr", "fr-FR", "en", "en-US"}, L::kFrench},
                                               {{"de", "de-DE", "en", "en-US"}, L::kEnglish},
                                               {{"de-DE", "de"}, L::kFrench},
                                               {{"C"}, L::kFrench},
                                               {{}, L::kFrench}};
    for (const auto& [languages, expected] : cases) {
      QCOMPARE(ui::ChooseLanguage(languages), expected);
    }
  }

  // Qt's own texts follow the game's language: a name field's edit menu.
  void qtsOwnTextsFollowTheLanguage() {
    QLineEdit field;
    for (const auto& [language, undo] : {std::pair(ui::PlayerLanguage::kEnglish, "&Undo"),
                                         std::pair(ui::PlayerLanguage::kFrench, "&Annuler")}) {
      ui::InstallTranslations(*QCoreApplication::instance(), language);
      const std::unique_ptr<QMenu> menu(field.createStandardContextMenu());
      QCOMPARE(menu->actions().first()->text().section('\t', 0, 0), QString(undo));
    }
  }

  void inEnglishNoFrenchWordIsLeft() {
    ui::InstallTranslations(*QCoreApplication::instance(), ui::PlayerLanguage::kEnglish);
    QStringList texts;
    {
      WindowHarness h;
      const quintara::testing::Step read = [&texts](QDialog* box) {
        texts << TextsOf(box);
        box->reject();  // OK, or No
      };
      h.modals.steps = {read, read};
      h.Click(Pixel(5, 5));  // the computer's reply, then the same crossing again
      h.Click(Pixel(5, 5));
      h.window.newSheetAction()->trigger();  // the give-up question, answered No
      h.Settle();
      QCOMPARE(h.modals.seen.size(), 2);
      texts << h.modals.seen << TextsOf(&h.window);
      QCOMPARE(h.window.game().StatusText(), "Player 1, your move");

      ui::OpponentDialog& dialog = h.window.opponentDialog();
      dialog.show();
      texts << TextsOf(&dialog);
      dialog.opponentButton(1)->click();
      texts << TextsOf(&dialog);
      dialog.opponentButton(0)->click();
      dialog.hide();
      for (QAction* opens : {h.window.statisticsAction(), h.window.rulesAction()}) {
        opens->trigger();
        QWidget* window = QApplication::activeModalWidget();
        QVERIFY(window != nullptr);
        texts << TextsOf(window);
        window->close();
        h.Settle();
      }
    }
    ui::InstallTranslations(*QCoreApplication::instance(), ui::PlayerLanguage::kFrench);
    QVERIFY(texts.contains("Warning | You cannot play here | OK"));
    QVERIFY(texts.indexOf(QRegularExpression(R"(Row \d+, column \d+, green point)")) >= 0);
    const QStringList french = French(texts);
    QVERIFY2(french.isEmpty(), qPrintable(french.join(" | ")));
  }
};

std::unique_ptr<QObject> NewLanguageTest() {
  return std::make_unique<LanguageTest>();
}

#include "LanguageTest.moc"
