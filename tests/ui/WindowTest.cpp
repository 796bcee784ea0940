// The windows as a player sees them (their pixels) and a reader reads them (accessible names):
// the main window, its dialogs and message boxes, the score board and the statistics window.
#include <QAbstractButton>
#include <QAccessible>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QScreen>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTableWidget>
#include <QWheelEvent>

#include "WindowHarness.h"
#include "game/ScoreFile.h"
#include "game/Texts.h"
#include "support/AsciiBoard.h"
#include "support/MemoryScoreStore.h"
#include "ui/Colours.h"
#include "ui/MessageBoxes.h"
#include "ui/PointGrowth.h"
#include "ui/RulesWindow.h"
#include "ui/StatisticsWindow.h"
#include "ui/Translations.h"

using namespace quintara;
using namespace quintara::testing;

namespace {

// The game's look: pure green and red points, black lines and texts on the window's light grey.
const QColor kGreen(0, 255, 0), kRed(255, 0, 0), kGrey(224, 224, 224), kBlack(0, 0, 0);
const QString kTurn = "A vous de jouer     ";

// The darkest and the lightest of the pixels in a rectangle, by their brightest channel.
std::pair<int, int> DarkestAndLightest(const QImage& image, const QRect& rect) {
  std::pair range(255, 0);
  for (int y = rect.top(); y <= rect.bottom(); ++y) {
    for (int x = rect.left(); x <= rect.right(); ++x) {
      const QColor c = image.pixelColor(x, y);
      const int value = std::max({c.red(), c.green(), c.blue()});
      range = {std::min(range.first, value), std::max(range.second, value)};
    }
  }
  return range;
}

// The box round the pixels of an image within `within` that are `colour` (or, without one,
// dark: a line or a text); empty when there are none.
QRect Where(const QImage& image, const QRect& within, const QColor& colour = {}) {
  QRect box;
  for (int y = within.top(); y <= within.bottom(); ++y) {
    for (int x = within.left(); x <= within.right(); ++x) {
      const QColor c = image.pixelColor(x, y);
      if (colour.isValid() ? c == colour : std::max({c.red(), c.green(), c.blue()}) < 64)
        box |= QRect(x, y, 1, 1);
    }
  }
  return box;
}

// Whether a box of pixels lies within `slack` pixels of a rectangle given in twips.
bool Near(const QRect& seen, const QRectF& twips, double slack = 1) {
  const QRectF at(twips.topLeft() / ui::kTwipsPerPixel, twips.size() / ui::kTwipsPerPixel);
  return std::abs(seen.left() - at.left()) <= slack && std::abs(seen.top() - at.top()) <= slack &&
         std::abs(seen.right() + 1 - at.right()) <= slack &&
         std::abs(seen.bottom() + 1 - at.bottom()) <= slack;
}

// Clicks the shown button of a window that reads `text`.
void Press(QWidget* window, const QString& text) {
  for (QAbstractButton* button : window->findChildren<QAbstractButton*>())
    if (button->isVisible() && button->text() == text) return button->click();
  QFAIL(qPrintable("no button " + text));
}

// Types a name over the whole text of a field.
void Type(QLineEdit* field, const QString& text) {
  field->selectAll();
  for (const QChar letter : text)
    QTest::sendKeyEvent(QTest::Click, field, Qt::Key(letter.toUpper().unicode()), letter, {});
}

Step Answer(const QString& button) {
  return [button](QDialog* window) { Press(window, button); };
}

// The score board as shown, row by row: the headings and the counts under them, green's first.
QString Board(WindowHarness& h) {
  QList<QLabel*> shown;
  for (QLabel* label : h.client().rightPanel().scoreBoard().findChildren<QLabel*>())
    if (label->isVisible()) shown << label;
  std::sort(shown.begin(), shown.end(), [](QLabel* a, QLabel* b) {
    return std::pair(a->y(), a->x()) < std::pair(b->y(), b->x());
  });
  QStringList read;
  for (QLabel* label : shown) read << label->text();
  return read.join(' ');
}

// What a screen reader hears of the counts under `heading`, green's first.
QStringList Heard(WindowHarness& h, const QString& heading) {
  QStringList heard;
  for (const char* side : {" Joueur 1", " Joueur 2"})
    heard << h.window.findChild<QLabel*>(heading + side)->accessibleName();
  return heard;
}

// The green and the red bars painted where the sets are counted, below the games' counts.
std::pair<QRect, QRect> SetsBars(WindowHarness& h) {
  const QImage panel = h.client().rightPanel().grab().toImage();
  const QRect below = panel.rect().adjusted(0, 3300 / 15, 0, 0);
  return {Where(panel, below, kGreen), Where(panel, below, kRed)};
}

// The menu bar as read: each menu with its items, the chosen ones in brackets.
QString Menus(QMainWindow& window) {
  QStringList read;
  for (QAction* menu : window.menuBar()->actions()) {
    QStringList items;
    for (QAction* item : menu->menu() ? menu->menu()->actions() : QList<QAction*>())
      items << (item->isChecked() ? "[" + item->text() + "]" : item->text()) +
                   (item->isEnabled() ? "" : " (grisé)");
    read << menu->text() + (items.isEmpty() ? "" : ": " + items.join(", "));
  }
  return read.join(" | ");
}

void Choose(QMainWindow& window, const QString& item) {
  for (QAction* action : window.findChildren<QAction*>())
    if (action->text() == item) action->trigger();
}

// The statistics window as read: each level's caption, its green and red counts (each as shown
// and as heard, under its bar, side by side), then the points line.
QString Read(QWidget* statistics) {
  const QList<QLabel*> labels = statistics->findChildren<QLabel*>();
  const QImage shot = statistics->grab().toImage();
  const auto shown = [&](const QString& text) {  // its words in the middle of its place
    return std::any_of(labels.begin(), labels.end(), [&](QLabel* l) {
      const int middle = Where(shot, l->geometry()).center().x() - l->geometry().center().x();
      return l->isVisible() && l->text() == text && std::abs(middle) <= 2;
    });
  };
  const auto count = [&](const QString& caption, const QString& side) -> QLabel* {
    const QRect bar = statistics->findChild<QWidget*>(caption + " " + side)->geometry();
    for (QLabel* l : labels) {
      const QPoint at = Where(shot, l->geometry()).center();  // its digits
      if (l->isVisible() && at.y() > bar.bottom() && at.x() >= bar.left() &&
          at.x() <= bar.right() &&
          l->accessibleName() ==
              caption + " : parties gagnées par le joueur " + side + " : " + l->text())
        return l;
    }
    return nullptr;
  };
  QStringList read;
  for (int level = 1; level <= 4; ++level) {
    const QString caption = QString("Niveau %1").arg(level);
    const QLabel *green = count(caption, "vert"), *red = count(caption, "rouge");
    const bool sideBySide = green != nullptr && red != nullptr && green->y() == red->y();
    read << (shown(caption) ? caption : "?") + " " +
                (sideBySide ? green->text() + "/" + red->text() : "?");
  }
  for (QLabel* l : labels)
    if (l->isVisible() && l->text().startsWith("Vos points pour ce match : ")) read << l->text();
  return read.join(", ");
}

// A game won by `side`: four of its points laid in a row, the fifth played. Between two players
// the other side first plays elsewhere when it is its turn.
void Win(WindowHarness& h, PointColour side) {
  if (h.window.game().TurnColour() != side) h.Click(Pixel(12, 12));
  Lay(h.window.game(), Picture{5, 5, {side == HumanColour ? "XXXX" : "OOOO"}});
  h.Click(Pixel(5, 9));
}

// Games between two players, each on a new sheet: G green's, R red's.
void Play(WindowHarness& h, const QString& games) {
  for (const QChar game : games) {
    h.window.newSheetAction()->trigger();
    h.Settle();
    Win(h, game == 'G' ? HumanColour : ComputerColour);
  }
}

}  // namespace

class WindowTest : public QObject {
  Q_OBJECT

 private slots:
  // The boxes name their caption, say their text and offer their buttons, in French before and
  // after Qt's own texts are loaded; an answer does what it says and the sheet has the keys again
  // after each.
  void theMessageBoxesSayWhatHappensAndWhatTheyAsk() {
    WindowHarness h;
    Modals& modals = h.modals;
    h.Click(Pixel(5, 5));  // green's point and the computer's reply
    const auto sheet = [&] {
      return QString::number(CountPoints(h.window.game().CurrentSheet())) + " " + Board(h);
    };
    QCOMPARE(sheet(), QString("2 Parties 0 0"));
    const Step escape = [](QDialog* box) { QTest::keyClick(box, Qt::Key_Escape); };
    modals.steps = {Answer("OK"), escape, Answer("&Non")};
    h.Click(Pixel(5, 5));                  // a point: refused
    h.window.newSheetAction()->trigger();  // Escape: no
    h.Settle();
    h.window.changeLevelAction()->trigger();  // no
    h.Settle();
    QCOMPARE(sheet(), QString("2 Parties 0 0"));
    QTRY_VERIFY(h.client().sheet().hasFocus());
    ui::InstallTranslations(*QCoreApplication::instance(), ui::PlayerLanguage::kFrench);
    modals.steps = {Answer("&Oui"), Answer("OK"), Answer("&Oui")};
    h.window.changeLevelAction()->trigger();  // the game goes to red, then the dialog
    h.Settle();
    QCOMPARE(sheet(), QString("0 Parties 0 1"));
    h.Click(Pixel(5, 5));
    h.window.newSheetAction()->trigger();
    h.Settle();
    QCOMPARE(sheet(), QString("0 Parties 0 2"));
    QTRY_VERIFY(h.client().sheet().hasFocus());
    const QString toSheet =
        "Quintara | Si vous changez de feuille alors que la partie n'est pas terminée le point "
        "ira à Ordinateur. Voulez vous tout de même changer de feuille? | &Oui &Non";
    const QString toLevel = QString(toSheet).replace("de feuille", "de niveau");
    QCOMPARE(modals.seen, QStringList({"ATTENTION !!! | Vous ne pouvez plus jouer ici | OK",
                                       toSheet, toLevel, toLevel, "Quintara version 2", toSheet}));
    // Each box goes once answered: a long game leaves none behind.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(h.window.findChildren<QMessageBox*>().size(), 0);
  }

  // "&Changer de niveau" opens the dialog, its buttons each in its place; each choice shows at
  // once, Enter (OK) and "Annuler" hide it, and it keeps its choices for the run.
  void theOpponentDialogThroughASessionOfChoices() {
    WindowHarness h;
    Modals& modals = h.modals;
    const QLabel& level = h.client().topBar().levelText();
    const QLabel& status = h.client().rightPanel().statusLine();
    QCOMPARE(level.text() + " / " + status.text(), "Niveau 1 / Joueur 1 " + kTurn);
    ui::OpponentDialog& opponents = h.window.opponentDialog();
    QLineEdit* names[] = {opponents.nameField(0), opponents.nameField(1)};
    const auto read = [&](QDialog* dialog) {  // what is shown, choices in brackets
      QStringList shown;
      for (QWidget* w : dialog->findChildren<QWidget*>()) {
        if (!w->isVisible()) continue;
        if (auto* frame = qobject_cast<QGroupBox*>(w)) shown << frame->title() + ":";
        if (auto* button = qobject_cast<QAbstractButton*>(w))
          shown << (button->isChecked() ? "[" + button->text() + "]" : button->text());
        if (auto* field = qobject_cast<QLineEdit*>(w)) shown << "<" + field->text() + ">";
        if (auto* label = qobject_cast<QLabel*>(w)) shown << label->text();
      }
      return shown.join(' ');
    };
    modals.steps << [&](QDialog* dialog) {
      QCOMPARE(read(dialog),
               "Adversaires: [Ordinateur] Autres <Joueur 1> contre <Ordinateur> Joueur 1 Niveaux: "
               "[Niveau 1] Niveau 2 Niveau 3 Niveau 4 OK Annuler");
      const int width = dialog->width();
      QVERIFY(names[1]->isReadOnly());  // the computer's name, until "Autres"
      const auto place = [&](QWidget* w) { return QRect(w->mapTo(dialog, QPoint()), w->size()); };
      for (QAbstractButton* button : dialog->findChildren<QAbstractButton*>()) {
        QVERIFY(button->parentWidget()->contentsRect().contains(button->geometry()));
        for (QWidget* other : dialog->findChildren<QWidget*>()) {
          QVERIFY(other == button || other->isAncestorOf(button) || !other->isVisible() ||
                  !place(button).intersects(place(other)));
        }
      }
      // The green bar over the first name, the red one over the second, "contre" between them.
      const QImage shot = dialog->grab().toImage();
      const QRect green = Where(shot, shot.rect(), kGreen), red = Where(shot, shot.rect(), kRed);
      QLabel* contre = nullptr;
      for (QLabel* label : dialog->findChildren<QLabel*>())
        if (label->text() == "contre") contre = label;
      QVERIFY(contre != nullptr);
      QCOMPARE(place(names[0]).top(), place(names[1]).top());  // side by side
      for (const auto& [bar, field] : {std::pair(green, names[0]), std::pair(red, names[1])}) {
        const QRect under = place(field);
        QVERIFY(bar.bottom() < under.top() && under.top() - bar.bottom() <= 12);
        QVERIFY(bar.intersects(QRect(under.left(), 0, under.width(), 9999)));
      }
      QVERIFY(place(names[0]).right() < place(contre).center().x() &&
              place(contre).center().x() < place(names[1]).left());
      QRect ok, cancel;  // side by side at the bottom right, OK first
      for (QAbstractButton* button : dialog->findChildren<QAbstractButton*>()) {
        if (button->text() == "OK") ok = place(button);
        if (button->text() == "Annuler") cancel = place(button);
      }
      QVERIFY(ok.top() == cancel.top() && ok.right() < cancel.left() && ok.left() > width / 2 &&
              cancel.right() > width - 16 && cancel.bottom() > dialog->height() - 16);
      for (const int k : {4, 2, 3}) {  // the level in the main window at once
        Press(dialog, QString("Niveau %1").arg(k));
        QCOMPARE(level.text(), QString("Niveau %1").arg(k));
      }
      const int tall = dialog->height();
      Press(dialog, "Autres");  // the levels' frame goes, and its room with it
      QVERIFY(dialog->height() < tall && !names[1]->isReadOnly());
      // A second name of up to 14 letters becomes the button's caption; a longer one does not.
      for (const QString name : {"WWWWWWWWWWWWWW", "WWWWWWWWWWWWWWW"}) names[1]->setText(name);
      QCOMPARE(opponents.opponentButton(1)->text(), QString("WWWWWWWWWWWWWW"));
      // The label under a long first name shows what fits; a screen reader has it whole.
      const QString longName = "Marie-Christine Alexandrine de la Tour d'Auvergne-Lauraguais 1";
      names[0]->setText(longName);
      QTest::qWait(20);
      QCOMPARE(dialog->width(), width);
      QVERIFY(opponents.firstNameLabel()->text().endsWith(QChar(0x2026)));
      QCOMPARE(opponents.firstNameLabel()->accessibleName(), longName);
      Type(names[0], "Zoé");
      for (const QString name : {"Luc", "Ordinateur", "Luc"}) Type(names[1], name);
      QCOMPARE(read(dialog), "Adversaires: Ordinateur [Luc] <Zoé> contre <Luc> Zoé OK Annuler");
      QCOMPARE(level.text(), QString("Niveau 3"));
      names[0]->setFocus();
      QTest::keyClick(names[0], Qt::Key_Return);  // OK
      QCOMPARE(dialog->result(), int(QDialog::Accepted));
    };
    h.window.changeLevelAction()->trigger();  // nothing played yet: no question
    h.Settle();
    QVERIFY(!opponents.isVisible());
    QTRY_VERIFY(h.client().sheet().hasFocus());
    // Two players from the next move, green then red, no reply; the status line keeps the names
    // the window started with. The turn disc, 855 twips wide at (240, 840) in the right panel,
    // shows the side to play as soon as the turn passes.
    const QPoint disc(h.client().width() - (1400 - 240 - 427) / 15, (680 + 840 + 427) / 15);
    for (const auto& [column, colour, turn] :
         {std::tuple(5, kGreen, "Ordinateur "), std::tuple(6, kRed, "Joueur 1 ")}) {
      h.Click(Pixel(5, column));
      QCOMPARE(h.PixelAt(Pixel(5, column)), colour);
      QCOMPARE(status.text(), turn + kTurn);
      QTRY_COMPARE(h.Painted().pixelColor(disc), colour == kGreen ? kRed : kGreen);
    }
    QCOMPARE(CountPoints(h.window.game().CurrentSheet()), 2);
    // The turn text shows whole: it runs onto a second line within its 1215 twips.
    const QImage painted = const_cast<QLabel&>(status).grab().toImage();
    QString rows;  // '#' where a row holds text
    for (int y = 0; y < painted.height(); ++y) {
      bool dark = false;
      for (int x = 0; x < painted.width(); ++x)
        dark = dark || painted.pixelColor(x, y).value() < 96;
      rows += dark ? '#' : '.';
    }
    int lines = 0;  // of letters, not a descender's tail
    for (const QString& band : rows.split('.', Qt::SkipEmptyParts)) lines += band.size() > 3;
    QCOMPARE(lines, 2);
    modals.steps << [&](QDialog* dialog) {
      QCOMPARE(read(dialog), "Adversaires: Ordinateur [Luc] <Zoé> contre <Luc> Zoé OK Annuler");
      Press(dialog, "Ordinateur");
      QCOMPARE(read(dialog),
               "Adversaires: [Ordinateur] Luc <Zoé> contre <Ordinateur> Zoé Niveaux: Niveau 1 "
               "Niveau 2 [Niveau 3] Niveau 4 OK Annuler");
      QVERIFY(names[1]->isReadOnly());
      Press(dialog, "Annuler");  // which undoes nothing
    };
    h.window.changeLevelAction()->trigger();
    h.Settle();
    QCOMPARE(modals.seen, QStringList({"Quintara version 2", "Quintara version 2"}));
    QVERIFY(!opponents.isVisible());
    QTRY_VERIFY(h.client().sheet().hasFocus());
    h.Click(Pixel(5, 5));  // the computer answers again
    QCOMPARE(CountPoints(h.window.game().CurrentSheet()), 2);
    QCOMPARE(status.text(), "Joueur 1 " + kTurn);
    QCOMPARE(level.text() + h.window.game().PlayerName1().c_str(), QString("Niveau 3Zoé"));
    // "&Quitter" ends the program: its windows close.
    Choose(h.window, "&Quitter");
    h.Settle();
    QVERIFY(!h.window.isVisible() && !opponents.isVisible());
  }

  // The window manager is told the largest size, 12120 x 8700 twips with its frame of 120 x 705:
  // a client of 800 x 533 pixels under the menu bar, the whole sheet shown; a game that finds no
  // room from the sheet's first row grows the window to it.
  void theWindowGrowsNoLargerThanTheLargestSheet() {
    WindowHarness h;
    const QSize menuBar = h.window.size() - h.client().size();
    QCOMPARE(h.window.maximumSize(), QSize(800, 533) + menuBar);
    h.window.resize(2000, 2000);
    QTRY_COMPARE(h.client().size(), QSize(800, 533));
    const Sheet& sheet = h.window.game().CurrentSheet();
    QVERIFY(sheet.RowMax() == 21 && sheet.ColMax() == 29);
    h.window.resizeClient(QSize(592, 390));
    QTRY_COMPARE(h.client().size(), QSize(592, 390));
    Lay(h.window.game(), Picture{2, 2, {std::string(28, '#'), std::string(28, '#')}});
    Lay(h.window.game(), Picture{8, 8, {"XXXX"}});
    h.Click(Pixel(8, 12));
    QTRY_COMPARE(h.client().size(), QSize(800, 533));
  }

  // The menus and their items; one sound item is chosen at a time, "Son 2" never, and the
  // computer's replies chime as chosen. "&?" opens the rules, which "Annuler" closes.
  void theMenusShowTheirItemsAndOneSoundChosen() {
    WindowHarness h;
    Modals& modals = h.modals;
    const QString on =
        "Sons: [Son 1], Son 2 (grisé), Désactiver le son | &Partie: Annuler le coup "
        "(grisé), Conseil, , Marquer les points rouges d'une croix | &?";
    QCOMPARE(Menus(h.window),
             "&Fichier: &Nouvelle feuille, &Changer de niveau, &Statistique, &Quitter | " + on);
    const QString off =
        QString(on).replace("[Son 1]", "Son 1").replace("Dés", "[Dés").replace("son |", "son] |");
    const std::pair<const char*, QString> choices[] = {
        {"Désactiver le son", off}, {"Son 2", off}, {"Son 1", on}, {"Son 2", on}};
    int row = 2;
    for (const auto& [item, menu] : choices) {
      Choose(h.window, item);
      h.Settle();
      QCOMPARE(Menus(h.window).section(" | ", 1, 1), menu.section(" | ", 0, 0));  // "Sons"
      h.sounds.clear();
      h.Click(Pixel(row += 3, 3));  // the reply chimes when the sound is on
      QCOMPARE(h.sounds.contains("play"), menu == on);
    }
    modals.steps << Answer("Annuler");
    Choose(h.window, "&?");
    h.Settle();
    QCOMPARE(modals.seen, QStringList{"Quintara  Version 2"});
  }

  // Between two players at level 2: games, then sets once one is won; a match won 15 games to 7
  // gives 15 x 20 + (15 - 7) x 20 = 460 points; the next match, lost, ends the program.
  void theScoreBoardCountsGamesThenSetsThroughTwoMatches() {
    WindowHarness h;
    Modals& modals = h.modals;
    ui::OpponentDialog& opponents = h.window.opponentDialog();
    opponents.levelButton(1)->click();
    opponents.opponentButton(1)->click();
    opponents.nameField(0)->setText("Zoé");
    opponents.nameField(1)->setText("Luc");
    QCOMPARE(Board(h), QString("Parties 0 0"));
    QVERIFY(SetsBars(h) == std::pair(QRect(), QRect()));
    QCOMPARE(Heard(h, "Parties"), QStringList({"Parties gagnées par \u2068Zoé\u2069 : 0",
                                               "Parties gagnées par \u2068Luc\u2069 : 0"}));
    Play(h, "RRRGGGG");
    QCOMPARE(Board(h), QString("Parties 4 3"));
    QVERIFY(SetsBars(h) == std::pair(QRect(), QRect()));
    Play(h, "G");  // the set: its part of the board shows, in its place, and the games restart
    QCOMPARE(Board(h), QString("Parties 0 0 Manches 1 0"));
    const auto [green, red] = SetsBars(h);
    QVERIFY(Near(green, QRectF(0, 4080, 615, 135)) && Near(red, QRectF(720, 4080, 615, 135)));
    QCOMPARE(Heard(h, "Manches"), QStringList({"Manches gagnées par \u2068Zoé\u2069 : 1",
                                               "Manches gagnées par \u2068Luc\u2069 : 0"}));
    QString statistics;
    const Step read = [&](QDialog* window) {
      statistics = window->windowTitle() + ": " + Read(window);
      Press(window, "OK");
    };
    modals.steps = {Answer("OK"), read, Answer("&Oui")};
    Play(h, "RRGGGGGRRGGGGG");
    QCOMPARE(modals.seen, QStringList({"Quintara | \u2068Zoé\u2069 remporte le match. Bravo! | OK",
                                       "Quintara", "Quintara | Voulez vous rejouer | &Oui &Non"}));
    QCOMPARE(statistics,
             "Quintara: Niveau 1 0/0, Niveau 2 15/7, Niveau 3 0/0, Niveau 4 0/0, "
             "Vos points pour ce match : 460");
    // A new match: the sets back to 0 and still shown.
    QCOMPARE(Board(h), QString("Parties 0 0 Manches 0 0"));
    modals.seen.clear();
    modals.steps = {Answer("OK"), read, Answer("&Non")};
    Play(h, "GGRRRRRRRRRRRRRRR");
    QCOMPARE(modals.seen,
             QStringList({"Quintara | \u2068Luc\u2069 remporte le match. La revenche quand vous "
                          "voulez | OK",
                          "Quintara", "Quintara | Voulez vous rejouer | &Oui &Non"}));
    QCOMPARE(statistics,
             "Quintara: Niveau 1 0/0, Niveau 2 2/15, Niveau 3 0/0, Niveau 4 0/0, "
             "Vos points pour ce match : 40");
    QVERIFY(!h.window.isVisible());
  }

  // From the menu: the heading, then the games won at each level (the level when the game
  // ended) and the points, 10 x level a game; the same when reopened.
  void theStatisticsWindowShowsTheMatchByLevel() {
    WindowHarness h;
    QString read;
    const Step open = [&read](QDialog* window) {
      for (QLabel* label : window->findChildren<QLabel*>())
        if (label->isVisible() && label->text().contains("Nombre")) read = label->text() + ": ";
      read += Read(window);
      QTest::keyClick(window, Qt::Key_Escape);
    };
    const auto statistics = [&] {
      h.modals.steps << open;
      h.window.statisticsAction()->trigger();
      h.Settle();
      return read;
    };
    const QString heading = "  Nombre de parties gagnées au cours de ce match: ";
    QCOMPARE(statistics(), heading +
                               "Niveau 1 0/0, Niveau 2 0/0, Niveau 3 0/0, Niveau 4 0/0, "
                               "Vos points pour ce match : 0");
    QTRY_VERIFY(h.client().sheet().hasFocus());
    Win(h, HumanColour);  // at level 1, then the next game given up to red for level 3
    h.modals.steps << Answer("&Oui") << [](QDialog* dialog) {
      Press(dialog, "Niveau 3");
      Press(dialog, "OK");
    };
    h.window.changeLevelAction()->trigger();
    h.Settle();
    Win(h, HumanColour);
    const QString after = heading +
                          "Niveau 1 1/1, Niveau 2 0/0, Niveau 3 1/0, Niveau 4 0/0, Vos "
                          "points pour ce match : 40";
    QCOMPARE(statistics(), after);
    QCOMPARE(statistics(), after);
  }

  void theMouseReachesOnlyPlayableIntersections() {
    WindowHarness h(std::chrono::seconds(1));
    const QLabel& message = h.client().statusBar().message();
    QVERIFY(message.text().isEmpty() && h.client().sheet().hoverIndex() < 0);  // no mouse yet
    // A hit area reaches 140 twips (9.33 pixels) left of and above its crossing, 220 past it.
    const QPoint corner = Pixel(4, 9) + QPoint(-9, 14);
    h.MoveTo(corner);
    QCOMPARE(h.PixelAt(Pixel(4, 9)), QColor(Qt::yellow));
    QEvent leave(QEvent::Leave);  // out of the window, and back
    QEnterEvent enter{QPointF(), QPointF(), QPointF()};
    for (QEvent* event : {static_cast<QEvent*>(&leave), static_cast<QEvent*>(&enter)}) {
      QApplication::sendEvent(&h.window, event);
      QTRY_VERIFY(
          (Where(h.Painted(), QRect(Pixel(4, 9) - QPoint(5, 5), QSize(10, 10)), QColor(Qt::yellow))
               .isEmpty()) == (event == &leave));
    }
    QSignalSpy told(&h.client().sheet(), &ui::SheetWidget::hovered);
    h.MoveTo(Pixel(4, 9));  // the same crossing: nothing new for the status bar
    Lay(h.window.game(), Picture{6, 6, {"##", "##"}});  // a finished game's zone
    const QPoint beside(497, 120);                      // the last shown column
    for (const QPoint where : {Pixel(6, 7), corner, beside}) {
      h.MoveTo(where);
      QCOMPARE(message.text(),
               QString(where == corner ? "" : "      Vous survolez une zone non jouable"));
    }
    QCOMPARE(told.count(), 3);  // once each time the mouse goes onto other ground
    // Beside the shown area, a closed zone, and three bars over playable crossings' hit areas.
    for (const QPoint off : {beside, Pixel(6, 7), Pixel(2, 5) - QPoint(0, 5),
                             Pixel(5, 2) - QPoint(5, 0), Pixel(15, 5) + QPoint(0, 5)})
      h.Click(off);
    QCOMPARE(CountPoints(h.window.game().CurrentSheet()), 0);
    h.Click(corner);
    QCOMPARE(h.PixelAt(Pixel(4, 9)), kGreen);
    QCOMPARE(h.modals.seen, QStringList());
    // The reply's chime lasts as long as it grows (SoakTest), but no longer than its sheet.
    h.modals.answers = {true};
    h.window.newSheetAction()->trigger();
    h.Settle();
    QVERIFY(!h.client().sheet().growing() && h.sounds == QStringList({"play", "stop"}));
  }

  // Maximised past the largest sheet, the window becomes the largest normal window; while the box
  // of a new sheet is open the winning point stays on screen, and the new sheet comes after it.
  void theWinningPointIsOnScreenBeforeTheBoxOfANewSheetOnTheLargestWindow() {
    WindowHarness h;
    h.window.showMaximized();
    QTRY_VERIFY(!(h.window.windowState() & Qt::WindowMaximized));
    std::vector<std::string> closed(20, std::string(28, '#'));
    closed[8] = "########XXXX.###############";  // row 10, columns 10 to 13
    Lay(h.window.game(), Picture{2, 2, closed});
    h.modals.answering = false;
    h.Click(Pixel(10, 14));
    QCOMPARE(h.modals.seen, QStringList{QString("Quintara | ") + texts::kSheetTooSmall + " | OK"});
    QTRY_COMPARE(h.Painted().pixelColor(Pixel(10, 14)), kGreen);
    QTest::keyClick(QApplication::activeModalWidget(), Qt::Key_Return);
    h.Settle();
    QVERIFY(h.PixelAt(Pixel(10, 14)) != kGreen);  // the new sheet, playable to its far corner
    h.Click(Pixel(21, 29));
    QCOMPARE(h.PixelAt(Pixel(21, 29)), kGreen);
  }

  // Between two players the last free crossing taken without a five: the box says so, and the
  // sheet is new, the second player to play.
  void aFullSheetMakesWayForANewOne() {
    WindowHarness h;
    h.window.game().SetTwoPlayers(true);
    Picture full = FullDesignSheet();
    full.lines[0][0] = '.';
    Lay(h.window.game(), full);
    h.Click(Pixel(2, 2));
    QCOMPARE(h.modals.seen, QStringList{QString("Quintara | ") + texts::kDrawnGame + " | OK"});
    const QImage image = h.client().grab().toImage();
    const QRect sheet(Pixel(2, 2) - QPoint(5, 5), Pixel(15, 20) - Pixel(2, 2) + QPoint(10, 10));
    QVERIFY(Where(image, sheet, kGreen).isEmpty());
    h.Click(Pixel(5, 5));
    QCOMPARE(h.PixelAt(Pixel(5, 5)), kRed);
  }

  void theKeysReachTheSheetAgainAfterAClickOnABar() {
    WindowHarness h;
    ui::OpponentDialog& dialog = h.window.opponentDialog();
    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    dialog.nameField(0)->setFocus();  // selects the whole name, ready to be typed over
    QTRY_COMPARE(dialog.nameField(0)->selectedText(), QString("Joueur 1"));
    dialog.hide();
    h.window.activateWindow();
    QTest::mouseClick(&h.client().rightPanel(), Qt::LeftButton, {}, QPoint(5, 5));
    QTRY_VERIFY(h.client().sheet().hasFocus());
    QTest::keyClick(&h.client().sheet(), Qt::Key_Down);
    QTest::keyClick(&h.client().sheet(), Qt::Key_Enter);  // the keypad's plays as Return does
    QCOMPARE(h.PixelAt(Pixel(4, 15)), kGreen);
  }

  // The window opens at its design size, 8880 x 5850 twips, in the game's colours on any desktop,
  // even a dark one by its palette or by a style sheet: the sheet, the ring, the bars and their
  // texts. The bars are in the window's grey but for what they show: the level text at (840, 120),
  // 6480 x 300 on the top bar, nothing on the left one, nothing on the bottom one until the mouse
  // comes. Bars of whole pixels.
  void theWindowOpensAtItsDesignSizeInTheGamesLookOnAnyDesktop() {
    const QPalette desktop = QApplication::palette();
    for (const int dark : {0, 1, 2}) {  // not, by a style sheet, by its palette
      qApp->setStyleSheet(dark == 1 ? "QWidget { color: #e8e8e8; background-color: #2a2a2a; }"
                                    : "");
      QApplication::setPalette(dark == 2 ? QPalette(QColor(0x2a, 0x2a, 0x2a)) : desktop);
      WindowHarness h;
      QCOMPARE(h.client().size(), QSize(8880, 5850) / 15);
      const QImage image = h.client().grab().toImage();
      const QRect levelText(840 / 15, 120 / 15, 6480 / 15 + 1, 300 / 15 + 1);
      const int top = 680 / 15, left = 680 / 15, bottom = image.height() - 430 / 15;
      int marked = 0;
      for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
          const bool bare = y < top ? !levelText.contains(x, y) : y >= bottom || x < left;
          marked += bare && image.pixelColor(x, y) != kGrey;
        }
      }
      QCOMPARE(marked, 0);
      QCOMPARE(image.pixelColor(Pixel(5, 5) + QPoint(12, 0)), kBlack);  // a grid line
      QCOMPARE(image.pixelColor(Pixel(5, 5) + QPoint(12, 12)), kGrey);
      // The ring round (3, 15), beside the grid lines through its crossing.
      const QPoint ring = Pixel(3, 15);
      QVERIFY(DarkestAndLightest(image, QRect(ring + QPoint(-10, -10), QSize(9, 9))).first < 64);
      // The right panel grey too, its texts dark, the score board's bars green and red.
      QCOMPARE(image.pixelColor(h.client().width() - 12, Pixel(11, 0).y()), kGrey);
      const QWidget* texts[] = {&h.client().topBar().levelText(),
                                h.client().rightPanel().findChild<QWidget*>("statusLine"),
                                h.client().rightPanel().findChild<QWidget*>("Parties Joueur 1")};
      for (const QWidget* text : texts) {
        const QRect where(text->mapTo(&h.client(), QPoint()), text->size());
        QCOMPARE(DarkestAndLightest(image, where).second, 224);
        QVERIFY(DarkestAndLightest(image, where).first < 64);
        QCOMPARE(image.pixelColor(where.topLeft() - QPoint(1, 1)), kGrey);
      }
      const QWidget* green = h.client().rightPanel().findChild<QWidget*>("Parties vert");
      QCOMPARE(image.pixelColor(green->mapTo(&h.client(), QPoint(5, 5))), kGreen);
    }
    QApplication::setPalette(desktop);
  }

  // However long the growth, a reply goes through its sizes in their order, none out of it, and
  // ends at 170 twips; given 42 ms or more it shows each of them: 200, 100, 300, 100, 450, 440
  // down to 400 and 350 down to 100 by tens, 110 up to 150 by tens, 170.
  void theReplyGrowsThroughItsSizesInOrder() {
    QList<int> sizes{200, 100, 300, 100, 450, 440, 430, 420, 410, 400};
    for (int size = 350; size >= 100; size -= 10) sizes << size;
    sizes << QList<int>{110, 120, 130, 140, 150, 170};
    for (const int duration : {0, 1, 7, 42, 250, 1000}) {
      QList<int> shown;
      for (int elapsed = -3; elapsed <= 2 * duration + 3; ++elapsed) {
        const int size = ui::GrowthSizeAt(std::chrono::milliseconds(elapsed),
                                          std::chrono::milliseconds(duration));
        if (shown.isEmpty() || shown.last() != size) shown << size;
      }
      QCOMPARE(shown.last(), 170);
      qsizetype next = 0;  // each shown size found after the one before it
      bool inOrder = true;
      for (const int size : shown) {
        next = sizes.indexOf(size, next) + 1;
        inOrder = inOrder && next > 0;
      }
      QVERIFY(inOrder && (duration < 42 || shown == sizes));
    }
  }

  // As last painted once the reply has grown: the grid's columns and the whole point, 170 twips
  // across from 80 twips before its crossing (crossings every 360 twips).
  void theGrownPointIsPaintedWhole() {
    WindowHarness h(std::chrono::milliseconds(400));
    QTest::keyClick(&h.client().sheet(), Qt::Key_Return);  // no mouse: no hover repaints
    QVERIFY(h.client().sheet().growing());
    const QImage growing = h.client().grab().toImage();
    QSignalSpy ended(&h.client().sheet(), &ui::SheetWidget::growthsEnded);
    QTRY_VERIFY(!h.client().sheet().growing());
    QTest::qWait(100);
    QCOMPARE(ended.count(), 1);  // and then the sheet is idle: its ticks stop
    const QImage image = h.Painted();
    QCOMPARE(image.pixelColor(Pixel(6, 6) + QPoint(0, 12)), kBlack);  // a column's line
    // The reply, the only red point between the bars, whole.
    const QRect between(680 / 15, 680 / 15, h.client().width() - (680 + 1400) / 15,
                        h.client().height() - (680 + 430) / 15);
    const QRect red = Where(image, between, kRed);
    const QPoint centre = (red.topLeft() + red.bottomRight() + QPoint(1, 1)) / 2;
    const QPoint crossing((centre.x() + 12) / 24 * 24, (centre.y() + 12) / 24 * 24);
    QVERIFY(Near(red, QRectF(crossing * 15 - QPoint(80, 80), QSizeF(170, 170))));
    // While it grew, within 450 twips of its corner, nothing else between the bars changed: not
    // the player's point, nor the grid.
    const QImage grown = h.client().grab().toImage();
    const QRect reach(crossing - QPoint(6, 6), QSize(32, 32));
    int changed = 0;
    for (int y = between.top(); y <= between.bottom(); ++y) {
      for (int x = between.left(); x <= between.right(); ++x)
        changed += !reach.contains(x, y) && growing.pixel(x, y) != grown.pixel(x, y);
    }
    QCOMPARE(changed, 0);
  }

  // The score board keeps its place in the right panel, 1400 twips wide and glued to the right
  // edge, at any width: the heading "Parties" at (255, 2210) above its green bar (0, 2520) and
  // red bar (720, 2520), each 615 x 135. The largest width or height alone is kept as it is.
  void theScoreBoardFollowsTheRightEdge() {
    WindowHarness h;
    for (const QSize size : {QSize(592, 390), QSize(800, 390), QSize(592, 533)}) {
      h.window.resizeClient(size);
      QCoreApplication::processEvents();  // where a queued resize to the largest size would come
      QCOMPARE(h.client().size(), size);
      const QImage image = h.client().grab().toImage();
      // Rounded to whole pixels at the panel, the board and the bar: within 1.5 pixels.
      const QPoint panel(h.client().width() * 15 - 1400, 680);  // twips
      const QRect board((panel + QPoint(0, 2400)) / 15, QSize(1400 / 15, 30));
      QVERIFY(
          Near(Where(image, board, kGreen), QRectF(panel + QPoint(0, 2520), QSize(615, 135)), 1.5));
      QVERIFY(
          Near(Where(image, board, kRed), QRectF(panel + QPoint(720, 2520), QSize(615, 135)), 1.5));
      // Green's turn: a disc 855 twips wide at (240, 840), its edge smoothed into the grey.
      const QRect disc = Where(image, QRect(panel / 15, QSize(93, 120)), kGreen);
      QVERIFY(Near(disc, QRectF(panel + QPoint(240, 840), QSize(855, 855)), 1.5));
      int smoothed = 0, outlined = 0;
      for (int y = disc.top(); y <= disc.bottom(); ++y) {
        for (int x = disc.left(); x <= disc.right(); ++x) {
          const QColor c = image.pixelColor(x, y);
          smoothed += c != kGreen && c != kGrey;
          outlined += c.green() < 224;
        }
      }
      QVERIFY(smoothed > 8 && outlined == 0);
      for (const char* side : {"Parties Joueur 1", "Parties Joueur 2"}) {  // bold, 300 twips
        const QFont digits = h.window.findChild<QLabel*>(side)->font();
        QVERIFY(digits.bold() && digits.pixelSize() == 20);
      }
      const QRect heading = Where(image, QRect((panel + QPoint(0, 2200)) / 15, QSize(93, 20)));
      QVERIFY(!heading.isEmpty() && heading.left() >= (panel.x() + 255) / 15 &&
              heading.top() >= (panel.y() + 2210) / 15);
      // Above the disc, the turn text within its place: (120, 120), 1215 x 495.
      const QRect text = Where(image, QRect(panel / 15, QSize(93, 840 / 15)));
      const QRectF place(QPointF(panel + QPoint(120, 120)) / 15, QSizeF(1215, 495) / 15);
      QVERIFY(!text.isEmpty() && place.adjusted(-1, -1, 1, 1).contains(QRectF(text)));
    }
  }

  // The window at its fixed size, 5890 x 4710 twips. The best scores read from its store stand
  // whole in one column, whatever the names; each level's bars lie under its caption; Return
  // from the list closes the window.
  void theStatisticsShowTheBestScoresWholeAndEachLevelsBars() {
    WindowHarness h;
    auto store = std::make_unique<MemoryScoreStore>();
    const QString longest(32767, QChar('W'));  // as long as a name field takes
    std::pair<QString, QString> places[] = {
        {"Marie-Hélène Dupont", "1200"}, {"Christophe Martin", "990"}, {"Al", "880"}};
    BestScores best;
    for (std::size_t place = 0; place < 3; ++place)
      best[place] = {places[place].first.toStdString(), places[place].second.toStdString()};
    store->file = EncodeScoreFile(best);
    h.window.setScoreStore(std::move(store));
    Lay(h.window.game(), Picture{10, 10, {"X X X X ."}});  // a win: the best scores are read
    h.Click(Pixel(10, 14));
    ui::StatisticsWindow statistics(h.window.game());
    statistics.show();
    QVERIFY(QTest::qWaitForWindowExposed(&statistics));
    QVERIFY(Near(statistics.rect(), QRectF(0, 0, 5890, 4710), 0.5));
    auto* list = statistics.findChild<QTableWidget*>("bestScores");
    const auto scoresSeen = [&] {
      QCoreApplication::processEvents();
      const QImage image = list->viewport()->grab().toImage();
      QAccessibleTableInterface* table =
          QAccessible::queryAccessibleInterface(list)->tableInterface();
      QRect points, names;
      for (int place = 0; place < 3; ++place) {  // read whole, each name with its points
        const auto& [fullName, fullPoints] = places[place];
        QCOMPARE(table->cellAt(place, 0)->text(QAccessible::Name), fullName);
        QCOMPARE(table->cellAt(place, 1)->text(QAccessible::Name), fullPoints);
        const QRect name = list->visualRect(list->model()->index(place, 0));
        const QRect score = list->visualRect(list->model()->index(place, 1));
        QVERIFY(image.rect().contains(score) && name.right() < score.left());
        // The digits drawn inside their cell, right-aligned with the others.
        const QRect digits = Where(image, score);
        QVERIFY(!digits.isEmpty() && digits.right() < score.right());
        QVERIFY(points.isEmpty() || std::abs(points.right() - digits.right()) <= 1);
        points |= digits;
        names |= Where(image, name);
      }
      QVERIFY(!names.isEmpty() && names.right() < points.left());
      QVERIFY(!list->horizontalScrollBar()->isVisible());
    };
    scoresSeen();
    places[0].first = longest;  // a long name is cut short, never its points
    best[0].name = longest.toStdString();
    store = std::make_unique<MemoryScoreStore>();
    store->file = EncodeScoreFile(best);
    h.window.setScoreStore(std::move(store));
    WhenModal<QDialog>([](QDialog* shown) { shown->accept(); });
    h.window.statisticsAction()->trigger();  // which reads the file again
    statistics.Refresh();
    scoresSeen();
    QTest::keyClicks(list, "x");
    QVERIFY(list->item(0, 0)->text() == longest && list->item(2, 0)->text() == "Al");
    // Under each of the four levels' captions its green bar, then its red bar, each over its count.
    const QImage shot = statistics.grab().toImage();
    int levels = 0;
    for (QLabel* caption : statistics.findChildren<QLabel*>()) {
      if (!QRegularExpression("^Niveau \\d$").match(caption->text()).hasMatch()) continue;
      ++levels;
      const QRect under = QRect(caption->x(), caption->y(), caption->width(), 200) & shot.rect();
      const QRect green = Where(shot, under, kGreen);
      const QRect red = Where(shot, under, kRed);
      QVERIFY(!green.isEmpty() && !red.isEmpty() && green.right() < red.left());
      QVERIFY(caption->geometry().bottom() < std::min(green.top(), red.top()));
      const auto count = [&](const char* side) {
        const QString name = caption->text() + " : parties gagnées par le joueur " + side;
        return statistics.findChild<QLabel*>(name)->geometry().center();
      };
      QVERIFY(count("vert").y() > green.bottom() && count("vert").x() < red.left());
      QVERIFY(count("rouge").y() > red.bottom() && count("rouge").x() > green.right());
    }
    QCOMPARE(levels, 4);
    statistics.activateWindow();
    list->setFocus();
    QTRY_VERIFY(list->hasFocus());
    QTest::keyClick(list, Qt::Key_Return);
    QCOMPARE(statistics.result(), int(QDialog::Accepted));
  }

  // The chime gets ready once the sheet is on screen, off the program's start.
  void theChimeGetsReadyAfterTheSheetsFirstPaint() {
    struct Chime : RecordingSound {
      using RecordingSound::RecordingSound;
      void prepare() override { log << "prepare"; }
    };
    QStringList log;
    SeededDie die(1);
    ui::MainWindow window(die);
    window.setPointSound(std::make_unique<Chime>(log));
    QTest::qWait(20);  // hidden, so never painted
    QVERIFY(log.isEmpty());
    window.show();
    QTRY_COMPARE(log, QStringList{"prepare"});
  }

  // At start the sheet has the focus and a reader finds one cell per crossing between the bars,
  // row by row: at the design size, rows 2 to 15 and columns 2 to 20, from "Ligne 1, colonne 1".
  void theAccessibleSheetHoldsTheShownCrossings() {
    WindowHarness h;
    QTRY_VERIFY(h.client().sheet().hasFocus());
    QAccessibleInterface* sheet = QAccessible::queryAccessibleInterface(&h.client().sheet());
    QCOMPARE(sheet->childCount(), 14 * 19);
    int focusedCells = 0;  // the cross-hair's alone
    for (int k = 0; k < 14 * 19; ++k) {
      QAccessibleInterface* cell = sheet->child(k);
      focusedCells += cell != nullptr && cell->state().focused ? 1 : 0;
      QVERIFY(cell != nullptr);
      const QPoint middle = cell->rect().center();  // where a reader's pointer finds it
      QVERIFY(sheet->childAt(middle.x(), middle.y()) == cell);
      QAccessibleTableCellInterface* place = cell->tableCellInterface();
      QVERIFY(place->rowIndex() == k / 19 && place->columnIndex() == k % 19);
      QVERIFY(place->rowExtent() == 1 && place->columnExtent() == 1);
      QVERIFY(cell->text(QAccessible::Name)
                  .startsWith(QString("Ligne %1, colonne %2, ").arg(k / 19 + 1).arg(k % 19 + 1)));
    }
    QCOMPARE(sheet->child(0)->text(QAccessible::Name), QString("Ligne 1, colonne 1, vide"));
    QCOMPARE(focusedCells, 1);
    QAccessibleInterface* focused = sheet->focusChild();
    QVERIFY(focused->state().focused && focused->state().focusable && !focused->state().invalid);
    QVERIFY(focused->childCount() == 0 && focused->indexOfChild(sheet) == -1);
    QVERIFY(sheet->child(0)->rect().contains(h.client().mapToGlobal(Pixel(2, 2))));
    // Cells met in a larger window are no longer children once it shrinks back.
    QAccessibleTableInterface* table = sheet->tableInterface();
    h.window.resizeClient(h.client().size() + QSize(48, 48));
    QTRY_VERIFY(table->rowCount() > 14 && table->columnCount() > 19);
    QList<QAccessibleInterface*> met;
    for (int k = 0; k < sheet->childCount(); ++k) met << sheet->child(k);
    const int wide = table->columnCount();
    h.window.resizeClient(h.client().size() - QSize(48, 48));
    QTRY_COMPARE(sheet->childCount(), 14 * 19);
    for (int k = 0; k < met.size(); ++k) {
      const int row = k / wide, column = k % wide;
      QCOMPARE(sheet->indexOfChild(met[k]), row < 14 && column < 19 ? row * 19 + column : -1);
    }
    for (const auto& [row, column] : {std::pair(-1, 0), {0, -1}, {14, 0}, {0, 19}})
      QVERIFY(table->cellAt(row, column) == nullptr);
    QVERIFY(sheet->child(-1) == nullptr && sheet->child(14 * 19) == nullptr);
  }

  // Readers that keep the table's size hear of each change: two more rows and columns, then two
  // fewer. Run with a reader's bus listening (with-reader-bus.sh), where Qt tells readers.
  void theSheetTellsReadersOfItsNewSize() {
    if (!qEnvironmentVariableIsSet("QT_LINUX_ACCESSIBILITY_ALWAYS_ON")) QSKIP("no reader's bus");
    QTRY_VERIFY(QAccessible::isActive());
    WindowHarness h;
    QAccessibleTableInterface* table =
        QAccessible::queryAccessibleInterface(&h.client().sheet())->tableInterface();
    static int told = 0;
    QAccessible::installUpdateHandler(
        [](QAccessibleEvent* event) { told += event->type() == QAccessible::TableModelChanged; });
    for (const auto& [grow, rows, columns, times] : {std::tuple(48, 16, 21, 1), {-48, 14, 19, 2}}) {
      h.window.resizeClient(h.client().size() + QSize(grow, grow));
      QTRY_VERIFY(table->rowCount() == rows && table->columnCount() == columns);
      QCOMPARE(told, times);
    }
    QAccessible::installUpdateHandler(nullptr);
  }

  // The wheel over the text and the arrows, Page Up, Page Down, Home and End move the rules as
  // the bar does (range 0 to 2000, steps 200 and 600), the text going up by as many twips.
  void theRulesScrollByTheWheelAndTheKeys() {
    ui::RulesWindow rules, bar;
    rules.show();
    QVERIFY(QTest::qWaitForWindowExposed(&rules));
    QWidget* text = rules.textPanel()->childAt(ui::PixelPoint(100, 520));
    QVERIFY(text != nullptr);
    const auto wheel = [](QWidget* over) {
      QWheelEvent down(QPointF(5, 5), over->mapToGlobal(QPointF(5, 5)), {}, QPoint(0, -120),
                       Qt::NoButton, {}, Qt::NoScrollPhase, false);
      QSpontaneKeyEvent::setSpontaneous(&down);  // as from the mouse: unused, it goes up
      qApp->notify(over, &down);
    };
    wheel(text);
    wheel(bar.scrollBar());
    QVERIFY(bar.scrollBar()->value() > 0);
    QCOMPARE(rules.scrollBar()->value(), bar.scrollBar()->value());
    rules.scrollBar()->setValue(0);
    const std::pair<Qt::Key, int> keys[] = {
        {Qt::Key_Down, 200},    {Qt::Key_PageDown, 800}, {Qt::Key_End, 2000}, {Qt::Key_Down, 2000},
        {Qt::Key_PageUp, 1400}, {Qt::Key_Up, 1200},      {Qt::Key_Home, 0}};
    QWidget* focus = rules.findChild<QWidget*>("cancel");
    for (const auto& [key, value] : keys) {
      QTest::keyClick(focus, key);
      QCOMPARE(rules.scrollBar()->value(), value);
      QCOMPARE(rules.textPanel()->pos(), QPoint(0, -ui::ToPixels(value)));
    }
  }

  // On a dark desktop the rules keep their figures and the game's look: the window 6720 x 5550
  // twips, the light grey panel 6615 x 6255 from its top-left corner with each line at its
  // place, dark on grey, the bar 360 twips from the right edge and 3520 high.
  void theRulesLieAtTheirFiguresOnADarkDesktop() {
    const auto restore =
        qScopeGuard([desktop = QApplication::palette()] { QApplication::setPalette(desktop); });
    QApplication::setPalette(QPalette(QColor(0x2a, 0x2a, 0x2a)));
    ui::RulesWindow rules;
    rules.show();
    QVERIFY(QTest::qWaitForWindowExposed(&rules));
    QWidget* panel = rules.textPanel();
    const auto near = [](QRect seen, QRectF twips) { return Near(seen, twips, 0.5); };
    QVERIFY(near(rules.rect(), QRectF(0, 0, 6720, 5550)));
    QVERIFY(near(panel->geometry(), QRectF(0, 0, 6615, 6255)));
    const QRect bar = rules.scrollBar()->geometry();
    QVERIFY(near(QRect(bar.topLeft(), QSize(1, bar.height())), QRectF(6360, 0, 15, 3520)));
    const QImage shot = panel->grab().toImage();
    const QTransform device =
        QTransform::fromScale(shot.devicePixelRatio(), shot.devicePixelRatio());
    QList<QLabel*> lines = panel->findChildren<QLabel*>();
    std::sort(lines.begin(), lines.end(), [panel](QLabel* a, QLabel* b) {
      return a->mapTo(panel, QPoint()).y() < b->mapTo(panel, QPoint()).y();
    });
    const QPoint places[] = {{0, 200},    {100, 500},  {0, 700},    {0, 900},    {0, 1100},
                             {100, 1300}, {0, 1700},   {100, 1900}, {0, 2100},   {0, 2300},
                             {0, 2700},   {100, 2900}, {0, 3300},   {100, 3500}, {0, 3700}};
    QCOMPARE(lines.size(), 15);
    QRegion text;
    for (int k = 0; k < 15; ++k) {
      const QRect at(lines[k]->mapTo(panel, QPoint()), lines[k]->size());
      QVERIFY(near(QRect(at.topLeft(), QSize(1, 1)), QRectF(places[k], QSizeF(15, 15))));
      const bool heading = k == 0 || k == 6 || k == 10 || k == 12;  // bold and underlined
      QVERIFY(lines[k]->font().bold() == heading && lines[k]->font().underline() == heading);
      QVERIFY(!Where(shot, device.mapRect(at)).isEmpty());
      text += device.mapRect(at);
    }
    int marked = 0;
    for (int y = 0; y < shot.height(); ++y) {
      for (int x = 0; x < shot.width(); ++x)
        marked += !text.contains({x, y}) && shot.pixelColor(x, y) != kGrey;
    }
    QCOMPARE(marked, 0);
  }

  // What a reader reaches by walking down from each window, each object known to its parent at
  // its own place, and nothing under what holds nothing; the rules as their five paragraphs.
  void everyObjectAReaderReachesIsWhereItsParentSays() {
    WindowHarness h;
    h.window.opponentDialog().show();
    ui::RulesWindow rules;
    ui::StatisticsWindow statistics(h.window.game());
    QStringList faults, paragraphs;
    std::function<void(QAccessibleInterface*)> walk = [&](QAccessibleInterface* node) {
      const int count = node->childCount();
      if (count == 0 && node->childAt(node->rect().center().x(), node->rect().center().y()))
        faults << "a child under " + node->text(QAccessible::Name);
      for (int k = 0; k < count; ++k) {
        QAccessibleInterface* child = node->child(k);
        if (child == nullptr || child->parent() != node || node->indexOfChild(child) != k) {
          faults << QString("child %1 of %2").arg(k).arg(node->text(QAccessible::Name));
          continue;
        }
        if (child->role() == QAccessible::StaticText &&
            rules.isAncestorOf(qobject_cast<QWidget*>(child->object())))
          paragraphs << child->text(QAccessible::Name);
        walk(child);
      }
    };
    for (QWidget* top : std::initializer_list<QWidget*>{&h.window, &h.window.opponentDialog(),
                                                        &rules, &statistics})
      walk(QAccessible::queryAccessibleInterface(top));
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(" | ")));
    QCOMPARE(paragraphs.size(), 5);
    QVERIFY(paragraphs[0].startsWith("Comment jouer ? pour jouer il suffit"));
    QVERIFY(paragraphs[4].endsWith("remporte trois manches."));
  }

  // A finished game's frame and its winning line lie in whole device pixels, within half a
  // pixel of where the game puts them, 2 pixels wide: no halo at any scale.
  void theFrameAndTheWinningLineAreCrisp() {
    WindowHarness h;
    Lay(h.window.game(), Picture{10, 10, {"X X X X ."}});
    h.Click(Pixel(10, 14));
    const QImage image = h.client().grab().toImage();
    const double ratio = image.devicePixelRatio();
    // Across a stroke whose middle lies at `middle` pixels: only the stroke's colour and the
    // grey, the stroke 2 pixels wide round its place. The winning line runs beside a grid line
    // of its own colour: only its first edge is its own.
    const auto crisp = [&](QPoint from, QPoint step, double middle, const QColor& colour) {
      const double width = std::lround(2 * ratio);
      const QPoint start = from * ratio;
      int first = -1, count = 0;
      for (int k = 0; k < int(6 * ratio); ++k) {
        const QColor seen = image.pixelColor(start + step * k);
        QVERIFY2(seen == colour || seen == kGrey, qPrintable(seen.name()));
        if (seen != colour) continue;
        if (first < 0) first = k;
        ++count;
      }
      if (colour != kBlack) QCOMPARE(count, int(width));
      const double drawn = QPoint::dotProduct(start, step) + first + width / 2.0;
      QVERIFY2(std::abs(drawn - middle * ratio) <= 0.5 * ratio, qPrintable(QString::number(drawn)));
    };
    // The frame runs 110 twips before the first crossing (3600 twips): 232.67 pixels; the line
    // 20 twips before it: 238.67. Looked at between the points.
    crisp(QPoint(252, 229), QPoint(0, 1), 3490 / 15.0, QColor(0, 128, 0));
    crisp(QPoint(229, 236), QPoint(1, 0), 3490 / 15.0, QColor(0, 128, 0));
    crisp(QPoint(252, 234), QPoint(0, 1), 3580 / 15.0, kBlack);
    // The ring round the cross-hair's crossing is drawn in its own dark tone beside the game's
    // drawings: dark where it crosses the diagonal, and nothing coloured round it.
    const QPoint crossing = QPointF(Pixel(3, 15) * ratio).toPoint();
    int coloured = 0, darkest = 255;
    for (int y = int(-12 * ratio); y <= int(12 * ratio); ++y) {
      for (int x = int(-12 * ratio); x <= int(12 * ratio); ++x)
        coloured += image.pixelColor(crossing + QPoint(x, y)).saturation() > 0 ? 1 : 0;
      if (y < -int(2 * ratio))
        darkest = std::min(darkest, qGray(image.pixel(crossing + QPoint(y, y))));
    }
    QVERIFY(coloured == 0 && darkest < 160);
  }

  // The grid's lines, every 360 twips (24 pixels), lie in whole device pixels round their place at
  // every scale: each is dark across its width, with nothing but grey beside it. So does the
  // ring round the cross-hair's crossing, 255 twips across, where it meets no grid line.
  void theGridAndTheRingAreCrisp() {
    WindowHarness h;
    const QImage image = h.client().grab().toImage();
    const double ratio = image.devicePixelRatio();
    // Across a line whose middle is `middle` pixels along `step` from `from`.
    const auto across = [&](QPointF from, QPoint step, double middle, int widest) {
      const QPoint start = (from * ratio).toPoint() - step * int(6 * ratio);
      QList<int> dark;
      for (int k = 0; k <= int(12 * ratio); ++k) {
        const QColor seen = image.pixelColor(start + step * k);
        QVERIFY2(seen == kBlack || seen == kGrey, qPrintable(seen.name()));
        if (seen == kBlack) dark << QPoint::dotProduct(start + step * k, step);
      }
      QVERIFY(!dark.isEmpty() && dark.size() <= widest && dark.last() - dark.first() < widest);
      const double drawn = (dark.first() + dark.last() + 1) / 2.0;
      QVERIFY2(std::abs(drawn - middle * ratio) <= 0.5 + 0.5 * (widest - 1),
               qPrintable(QString::number(drawn)));
    };
    const int widest = int(std::ceil(ratio));
    for (const int k : {5, 13}) {
      across(QPointF(24 * k, 24 * 6 + 12), QPoint(1, 0), 24 * k, widest);
      across(QPointF(24 * 6 + 12, 24 * k), QPoint(0, 1), 24 * k, widest);
    }
    // The ring, 255 twips (17 pixels) across round (3, 15): the same on both sides of the grid
    // line through its crossing, and dark where it leaves that line (a diagonal).
    const QPoint crossing = (QPointF(24 * 15, 24 * 3) * ratio).toPoint();
    const int reach = int(10 * ratio);
    int first = crossing.x() + reach, last = 0;  // the grid line's columns, past the ring
    for (int x = crossing.x() - 2 * widest; x <= crossing.x() + 2 * widest; ++x) {
      if (image.pixelColor(x, crossing.y() + int(12 * ratio)) != kBlack) continue;
      first = std::min(first, x);
      last = std::max(last, x);
    }
    int worst = 0;
    for (int y = crossing.y() - reach; y <= crossing.y() + reach; ++y) {
      for (int x = first - reach; x < first; ++x)
        worst = std::max(
            worst, std::abs(qGray(image.pixel(x, y)) - qGray(image.pixel(first + last - x, y))));
    }
    QVERIFY2(worst < 8, qPrintable(QString::number(worst)));
    // The ring crosses the diagonal 8.5 / sqrt(2) pixels out from its crossing.
    int darkest = 255, out = 0;
    for (int k = widest + 1; k <= reach; ++k) {
      const int grey = qGray(image.pixel(crossing + QPoint(-k, -k)));
      if (grey < darkest) darkest = grey, out = k;
    }
    QVERIFY2(darkest < 160 && std::abs(out - 8.5 / std::sqrt(2.0) * ratio) <= ratio,
             qPrintable(QString::number(out)));
  }

  // Destroyed while shown, its sheet focused, the window's widgets go before its game: the sheet
  // and its accessible cells read the game up to their last event (the focus and the hiding
  // that their end sends). Also run with a screen reader's bus listening (with-reader-bus.sh).
  void theWidgetsOfAShownWindowGoBeforeItsGame() {
    if (qEnvironmentVariableIsSet("QT_LINUX_ACCESSIBILITY_ALWAYS_ON"))
      QTRY_VERIFY(QAccessible::isActive());
    struct LastStore : MemoryScoreStore {  // which the game keeps: it goes after the game
      explicit LastStore(bool& gone) : gone_(gone) {}
      ~LastStore() override { gone_ = true; }
      bool& gone_;
    };
    bool partsGone = false, sheetFirst = false;
    SeededDie die(4);
    auto* window = new ui::MainWindow(die);
    window->setScoreStore(std::make_unique<LastStore>(partsGone));
    window->show();
    window->activateWindow();  // no window manager on Xvfb
    QVERIFY(QTest::qWaitForWindowActive(window));
    ui::SheetWidget& sheet = window->client().sheet();
    QTest::keyClick(&sheet, Qt::Key_Return);  // the reply rides on the focused cell
    QVERIFY(sheet.hasFocus());
    connect(&sheet, &QObject::destroyed, [&] { sheetFirst = !partsGone; });
    delete window;
    QVERIFY(partsGone && sheetFirst);
  }
};

std::unique_ptr<QObject> NewWindowTest() {
  return std::make_unique<WindowTest>();
}

#include "WindowTest.moc"
