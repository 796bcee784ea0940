// The dialogs, the message boxes, the score board and the statistics window as a player reads
// them: what is shown and when, captions, texts, buttons, and the names a screen reader hears.
#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>

#include "WindowHarness.h"
#include "support/AsciiBoard.h"
#include "ui/Colours.h"

using namespace quintara;
using namespace quintara::testing;

namespace {

const QColor kGreen(0, 255, 0), kRed(255, 0, 0);
const QString kTurn = "A vous de jouer     ";

using Step = std::function<void(QDialog*)>;

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

// Every dialog and message box that opens, noted as the player meets it ("caption" or "caption
// | text | buttons", and the box's name for a reader when it is not its caption), then handled by
// the next step; one that its step leaves open, or unexpected, is closed.
class Modals : public QObject {
 public:
  explicit Modals(WindowHarness& h) {
    h.boxAnswers.answering = false;
    qApp->installEventFilter(this);
  }
  ~Modals() override { qApp->removeEventFilter(this); }

  QStringList seen;
  QList<Step> steps;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    auto* window = qobject_cast<QDialog*>(watched);
    if (window && event->type() == QEvent::Show)
      QTimer::singleShot(0, window, [this, window] { Handle(window); });  // in its own loop
    return false;
  }

 private:
  void Handle(QDialog* window) {
    QString line = window->windowTitle();
    if (auto* box = qobject_cast<QMessageBox*>(window)) {
      line += " | " + box->text() + " |";
      for (QAbstractButton* button : box->buttons()) line += " " + button->text();
      if (box->accessibleName() != box->windowTitle()) line += " [" + box->accessibleName() + "]";
    }
    seen << line;
    if (!steps.isEmpty()) steps.takeFirst()(window);
    if (!window->isVisible()) return;
    seen << "(left open)";
    window->reject();
  }
};

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

// The box round the pixels of `colour` in an image, below `top`; empty when there are none.
QRect Where(const QImage& image, const QColor& colour, int top = 0) {
  QRect box;
  for (int y = top; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (image.pixelColor(x, y) == colour) box |= QRect(x, y, 1, 1);
  return box;
}

// The green and the red bars painted where the sets are counted, below the games' counts.
std::pair<QRect, QRect> SetsBars(WindowHarness& h) {
  const QImage panel = h.client().rightPanel().grab().toImage();
  return {Where(panel, kGreen, 3300 / 15), Where(panel, kRed, 3300 / 15)};
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

// Whether a box of pixels lies within a pixel or two of a rectangle given in twips.
bool Near(const QRect& seen, const QRect& twips) {
  const QRect at(twips.topLeft() / 15, twips.size() / 15);
  return (seen.topLeft() - at.topLeft()).manhattanLength() <= 2 &&
         (seen.bottomRight() - at.bottomRight()).manhattanLength() <= 2;
}

// The statistics window as read: each level's caption, its green and red counts (each as shown
// and as heard), then the points line.
QString Read(QWidget* statistics) {
  const QList<QLabel*> labels = statistics->findChildren<QLabel*>();
  const auto shown = [&](const QString& text) {
    return std::any_of(labels.begin(), labels.end(),
                       [&](QLabel* l) { return l->isVisible() && l->text() == text; });
  };
  const auto count = [&](const QString& name) {
    for (QLabel* l : labels)
      if (l->isVisible() && l->accessibleName() == name + " : " + l->text()) return l->text();
    return QString("?");
  };
  QStringList read;
  for (int level = 1; level <= 4; ++level) {
    const QString caption = QString("Niveau %1").arg(level);
    read << (shown(caption) ? caption : "?") + " " +
                count(caption + " : parties gagnées par le joueur vert") + "/" +
                count(caption + " : parties gagnées par le joueur rouge");
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

class DialogsTest : public QObject {
  Q_OBJECT

 private slots:
  // "&Changer de niveau" opens the dialog; each choice shows at once, OK and Enter hide it, and
  // it keeps its choices for the run.
  void theOpponentDialogThroughASessionOfChoices() {
    WindowHarness h;
    Modals modals(h);
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
      // The green bar over the first name, the red one over the second, "contre" between them.
      const QImage shot = dialog->grab().toImage();
      const QRect green = Where(shot, kGreen), red = Where(shot, kRed);
      const auto place = [&](QWidget* w) { return QRect(w->mapTo(dialog, QPoint()), w->size()); };
      QLabel* contre = nullptr;
      for (QLabel* label : dialog->findChildren<QLabel*>())
        if (label->text() == "contre") contre = label;
      QVERIFY(contre != nullptr);
      QVERIFY(green.bottom() < place(names[0]).top() && red.bottom() < place(names[1]).top());
      QVERIFY(green.intersects(QRect(place(names[0]).left(), 0, names[0]->width(), 9999)));
      QVERIFY(red.intersects(QRect(place(names[1]).left(), 0, names[1]->width(), 9999)));
      QVERIFY(place(names[0]).right() < place(contre).center().x() &&
              place(contre).center().x() < place(names[1]).left());
      for (const int k : {4, 2, 3}) {  // the level in the main window at once
        Press(dialog, QString("Niveau %1").arg(k));
        QCOMPARE(level.text(), QString("Niveau %1").arg(k));
      }
      const int tall = dialog->height();
      Press(dialog, "Autres");  // the levels' frame goes, and its room with it
      QVERIFY(dialog->height() < tall);
      Type(names[0], "Zoé");
      for (const QString name : {"Luc", "Ordinateur", "Luc"}) Type(names[1], name);
      QCOMPARE(read(dialog), "Adversaires: Ordinateur [Luc] <Zoé> contre <Luc> Zoé OK Annuler");
      QCOMPARE(level.text(), QString("Niveau 3"));
      Press(dialog, "OK");
    };
    h.window.changeLevelAction()->trigger();  // nothing played yet: no question
    h.Settle();
    QVERIFY(!opponents.isVisible());
    QTRY_VERIFY(h.client().sheet().hasFocus());
    // Two players from the next move, green then red, no reply; the status line keeps the names
    // the window started with.
    for (const auto& [column, colour, turn] :
         {std::tuple(5, kGreen, "Ordinateur "), std::tuple(6, kRed, "Joueur 1 ")}) {
      h.Click(Pixel(5, column));
      QCOMPARE(h.PixelAt(Pixel(5, column)), colour);
      QCOMPARE(status.text(), turn + kTurn);
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
      names[0]->setFocus();
      QTest::keyClick(names[0], Qt::Key_Return);  // OK
      QCOMPARE(dialog->result(), int(QDialog::Accepted));
    };
    h.window.changeLevelAction()->trigger();
    h.Settle();
    QCOMPARE(modals.seen, QStringList({"Quintara version 2", "Quintara version 2"}));
    QVERIFY(!opponents.isVisible());
    QTRY_VERIFY(h.client().sheet().hasFocus());
    h.Click(Pixel(5, 5));  // the computer answers again
    QCOMPARE(CountPoints(h.window.game().CurrentSheet()), 2);
    QCOMPARE(status.text(), "Joueur 1 " + kTurn);
    // "&Quitter" ends the program: its windows close.
    Choose(h.window, "&Quitter");
    h.Settle();
    QVERIFY(!h.window.isVisible() && !opponents.isVisible());
  }

  // The window opens at its design size, 8880 x 5850 twips; its bars are in the window's grey
  // but for what they show: the level text at (840, 120), 6480 x 300 on the top bar, nothing on
  // the left one, nothing on the bottom one until the mouse comes. Bars of whole pixels.
  void theWindowOpensAtItsDesignSizeWithItsBarsBare() {
    WindowHarness h;
    QCOMPARE(h.client().size(), QSize(8880, 5850) / 15);
    const QImage image = h.client().grab().toImage();
    const QRect levelText(840 / 15, 120 / 15, 6480 / 15 + 1, 300 / 15 + 1);
    const int top = 680 / 15, left = 680 / 15, bottom = image.height() - 430 / 15;
    int marked = 0;
    for (int y = 0; y < image.height(); ++y) {
      for (int x = 0; x < image.width(); ++x) {
        const bool bare = y < top ? !levelText.contains(x, y) : y >= bottom || x < left;
        marked += bare && image.pixelColor(x, y) != QColor(224, 224, 224);
      }
    }
    QCOMPARE(marked, 0);
  }

  // The menus and their items; one sound item is chosen at a time, "Son 2" never. "&?" opens
  // the rules, which "Annuler" closes.
  void theMenusShowTheirItemsAndOneSoundChosen() {
    WindowHarness h;
    Modals modals(h);
    const QString on = "Sons: [Son 1], Son 2 (grisé), Désactiver le son | &?";
    QCOMPARE(Menus(h.window),
             "&Fichier: &Nouvelle feuille, &Changer de niveau, &Statistique, &Quitter | " + on);
    const QString off =
        QString(on).replace("[Son 1]", "Son 1").replace("Dés", "[Dés").replace("son |", "son] |");
    const std::pair<const char*, QString> choices[] = {
        {"Désactiver le son", off}, {"Son 2", off}, {"Son 1", on}, {"Son 2", on}};
    for (const auto& [item, menu] : choices) {
      Choose(h.window, item);
      h.Settle();
      QCOMPARE(Menus(h.window).section(" | ", 1), menu);
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
    Modals modals(h);
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
    QVERIFY(Near(green, QRect(0, 4080, 615, 135)) && Near(red, QRect(720, 4080, 615, 135)));
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

  // Against the computer, from the menu: the games won at each level and the points so far,
  // the same again when reopened, new games counted.
  void theStatisticsWindowShowsTheMatchByLevel() {
    WindowHarness h;
    Modals modals(h);
    QString heading, read;
    modals.steps << [&](QDialog* window) {
      for (QLabel* label : window->findChildren<QLabel*>())
        if (label->isVisible() && label->text().contains("Nombre")) heading = label->text();
      read = Read(window);
      QTest::keyClick(window, Qt::Key_Escape);
    };
    h.window.statisticsAction()->trigger();
    h.Settle();
    QCOMPARE(heading, QString("  Nombre de parties gagnées au cours de ce match"));
    QCOMPARE(read,
             "Niveau 1 0/0, Niveau 2 0/0, Niveau 3 0/0, Niveau 4 0/0, Vos points pour ce "
             "match : 0");
    QTRY_VERIFY(h.client().sheet().hasFocus());
    // A green win, then the next game given up to red with a change of level, twice over.
    for (const int next : {3, 4}) {
      Win(h, HumanColour);
      modals.steps << Answer("&Oui") << [next](QDialog* dialog) {
        Press(dialog, QString("Niveau %1").arg(next));
        Press(dialog, "OK");
      };
      h.window.changeLevelAction()->trigger();
      h.Settle();
    }
    Win(h, HumanColour);
    QCOMPARE(Board(h), QString("Parties 3 2"));
    const auto open = [&] {
      modals.steps << [&](QDialog* window) {
        read = window->windowTitle() + ": " + Read(window);
        Press(window, "OK");
      };
      h.window.statisticsAction()->trigger();
      h.Settle();
      return read;
    };
    QCOMPARE(open(),
             "Quintara: Niveau 1 1/1, Niveau 2 0/0, Niveau 3 1/1, Niveau 4 1/0, Vos points "
             "pour ce match : 80");
    QTRY_VERIFY(h.client().sheet().hasFocus());
    modals.steps << Answer("&Oui") << Answer("OK");
    h.window.changeLevelAction()->trigger();  // red's game at level 4
    h.Settle();
    QCOMPARE(open(),
             "Quintara: Niveau 1 1/1, Niveau 2 0/0, Niveau 3 1/1, Niveau 4 1/1, Vos points "
             "pour ce match : 80");
  }

  // The boxes name their caption, say their text and offer their buttons; an answer does what
  // it says and the sheet has the keys again after each.
  void theMessageBoxesSayWhatHappensAndWhatTheyAsk() {
    WindowHarness h;
    Modals modals(h);
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
    modals.steps = {Answer("&Oui"), Answer("OK"), Answer("&Oui")};
    h.window.changeLevelAction()->trigger();  // the game goes to red, then the dialog
    h.Settle();
    QCOMPARE(sheet(), QString("0 Parties 0 1"));
    h.Click(Pixel(5, 5));
    h.window.newSheetAction()->trigger();
    h.Settle();
    QCOMPARE(sheet(), QString("0 Parties 0 2"));
    QTRY_VERIFY(h.client().sheet().hasFocus());
    const QString sheetQuestion =
        "Quintara | Si vous changez de feuille alors que la partie n'est pas terminée le point "
        "ira à Ordinateur. Voulez vous tout de même changer de feuille? | &Oui &Non";
    const QString levelQuestion =
        "Quintara | Si vous changez de niveau alors que la partie n'est pas terminée le point ira "
        "à Ordinateur. Voulez vous tout de même changer de niveau? | &Oui &Non";
    QCOMPARE(modals.seen,
             QStringList({"ATTENTION !!! | Vous ne pouvez plus jouer ici | OK", sheetQuestion,
                          levelQuestion, levelQuestion, "Quintara version 2", sheetQuestion}));
  }
};

QTEST_MAIN(DialogsTest)
#include "DialogsTest.moc"
