// The player's helpers through the window: take back, hint, the usual shortcuts, and the red
// side told apart without colour. Judged from pixels and what a screen reader reads.
#include <QAccessible>
#include <QMenuBar>
#include <QRegularExpression>
#include <QScrollBar>

#include "WindowHarness.h"
#include "ui/Colours.h"
#include "ui/RulesWindow.h"

using namespace quintara;
using quintara::testing::Pixel;
using quintara::testing::WindowHarness;

namespace {

// The names of every cell of the sheet, as a screen reader reads them.
QStringList CellNames(WindowHarness& h) {
  QAccessibleInterface* sheet = QAccessible::queryAccessibleInterface(&h.client().sheet());
  QStringList names;
  for (int k = 0; k < sheet->childCount(); ++k) names << sheet->child(k)->text(QAccessible::Name);
  return names;
}

void Press(WindowHarness& h, QKeySequence keys) {
  QTest::keySequence(&h.window, keys);
  h.Settle();
}

// The share of a disc's pixels that are light, read in grey as a greyscale print shows them
// and as a deuteranope sees them (Viénot, Brettel and Mollon's simulation); none when its light
// pixels do not cross it both ways, as a cross does.
std::pair<double, double> LightShares(const QImage& image, QPoint centre, int radius) {
  int grey = 0, deuteranope = 0, all = 0, falling = 0, rising = 0;
  for (int y = -radius; y <= radius; ++y) {
    for (int x = -radius; x <= radius; ++x) {
      if (x * x + y * y > radius * radius) continue;
      const QColor c = image.pixelColor(centre + QPoint(x, y));
      ++all;
      const int light = qGray(c.rgb()) > 200 ? 1 : 0;
      grey += light;
      falling += x * y > 0 ? light : 0;
      rising += x * y < 0 ? light : 0;
      const double seen = 0.29275 * c.red() + 0.70725 * c.green();
      deuteranope += seen > 200 && c.blue() > 200 ? 1 : 0;
    }
  }
  if (falling == 0 || rising == 0) return {0, 0};
  return {double(grey) / all, double(deuteranope) / all};
}

}  // namespace

class HelpersTest : public QObject {
  Q_OBJECT

 private slots:
  void takeBackLeavesTheSheetAsItWas() {
    WindowHarness h;
    QVERIFY(!h.window.takeBackAction()->isEnabled());  // the computer's opening stays
    h.MoveTo(Pixel(5, 5));                             // the mouse's marker where the point will be
    const QImage before = h.client().grab().toImage();
    const QStringList names = CellNames(h);
    h.Click(Pixel(5, 5));
    QVERIFY(h.window.takeBackAction()->isEnabled());
    QCOMPARE(h.window.game().CurrentSheet().HasPoint(IndexOf(5, 5)), true);
    Press(h, QKeySequence("Ctrl+Z"));
    QCOMPARE(h.client().grab().toImage(), before);
    QCOMPARE(CellNames(h), names);
    QVERIFY(!h.window.takeBackAction()->isEnabled());
    QCOMPARE(h.window.takeBackAction()->shortcut(), QKeySequence("Ctrl+Z"));
  }

  void aHintIsMarkedUntilTheNextPoint() {
    WindowHarness h;
    Press(h, QKeySequence("Ctrl+H"));  // no point of the player's yet for the rules to read
    QCOMPARE(h.modals.seen, QStringList{"Quintara | Les règles de l'ordinateur ne trouvent aucun "
                                        "coup à conseiller ici | OK"});
    h.Click(Pixel(5, 5));
    Press(h, QKeySequence("Ctrl+H"));
    const std::optional<int> hint = h.window.game().HintIndex();
    QVERIFY(hint);
    QCOMPARE(h.window.game().CrossHairIndex(), *hint);
    const auto blue = [&h] {
      const QImage image = h.client().grab().toImage();
      int count = 0;
      for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
          count += image.pixelColor(x, y) == ui::kHintMarkColour;
      }
      return count;
    };
    QVERIFY(blue() > 20);
    h.Click(Pixel(12, 3));
    QCOMPARE(blue(), 0);
  }

  void theUsualShortcutsWork() {
    WindowHarness h;
    QCOMPARE(h.window.newSheetAction()->shortcut(), QKeySequence("Ctrl+N"));
    QCOMPARE(h.window.quitAction()->shortcut(), QKeySequence("Ctrl+Q"));
    h.Click(Pixel(5, 5));
    Press(h, QKeySequence("Ctrl+N"));  // the give-up question, answered No
    QCOMPARE(h.modals.seen.size(), 1);
    QVERIFY(h.modals.seen[0].contains("changer de feuille"));
    for (const int scrolled : {2000, 0}) {  // the rules open at their top each time
      QTest::keyClick(&h.window, Qt::Key_F1);
      auto* rules = qobject_cast<ui::RulesWindow*>(QApplication::activeModalWidget());
      QVERIFY(rules != nullptr && rules->scrollBar()->value() == 0);
      rules->scrollBar()->setValue(scrolled);
      rules->close();
    }
  }

  // The red side carries a cross when the option is on, on its points and its bars, and nothing
  // else changes: not a green point or bar, nothing round a red disc. Off, every pixel is as
  // before.
  void theRedSideReadsApartWithoutColour() {
    WindowHarness h;
    h.Click(Pixel(5, 5));  // green twice, each with the computer's red reply
    h.Click(Pixel(12, 3));
    const QImage plain = h.window.grab().toImage();
    const qreal scale = plain.devicePixelRatio();
    h.window.redMarksAction()->trigger();
    const QImage marked = h.window.grab().toImage();
    QRegion red;  // the red discs, 170 twips across, and the red bars
    int reds = 0, bars = 0;
    const Sheet& sheet = h.window.game().CurrentSheet();
    for (int index = kFirstGridIndex; index <= kLastIntersection; ++index) {
      if (sheet.ColourAt(index) != ComputerColour) continue;
      const QPoint centre =
          h.client().mapTo(&h.window, Pixel(RowOf(index), ColumnOf(index))) * scale;
      const auto [grey, deuteranope] = LightShares(marked, centre, int(4 * scale));
      QVERIFY2(grey > 0.15 && deuteranope > 0.15, qPrintable(QString::number(grey)));
      QCOMPARE(LightShares(plain, centre, int(4 * scale)).first, 0.0);
      const int reach = int(7 * scale);
      ++reds;
      red += QRegion(QRect(centre - QPoint(reach, reach), QSize(2, 2) * reach), QRegion::Ellipse);
    }
    for (QWidget* bar : h.window.findChildren<QWidget*>(QRegularExpression(" rouge$"))) {
      if (!bar->isVisible()) continue;
      const QRect at(bar->mapTo(&h.window, QPoint()) * scale, bar->size() * scale);
      QVERIFY(marked.copy(at) != plain.copy(at));
      red += at;
      ++bars;
    }
    QVERIFY(reds == 2 && bars == 1);
    int changed = 0;
    for (int y = 0; y < marked.height(); ++y) {
      for (int x = 0; x < marked.width(); ++x)
        changed += !red.contains(QPoint(x, y)) && marked.pixel(x, y) != plain.pixel(x, y);
    }
    QCOMPARE(changed, 0);
    h.window.redMarksAction()->trigger();
    QCOMPARE(h.window.grab().toImage(), plain);
  }
};

std::unique_ptr<QObject> NewHelpersTest() {
  return std::make_unique<HelpersTest>();
}

#include "HelpersTest.moc"
