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

  // The red side carries a cross when the option is on; off, every pixel is as before.
  void theRedSideReadsApartWithoutColour() {
    WindowHarness h;
    h.Click(Pixel(5, 5));  // green, and the computer's red reply
    const Sheet& sheet = h.window.game().CurrentSheet();
    int red = -1;
    for (int index = kFirstGridIndex; index <= kLastIntersection; ++index) {
      if (sheet.ColourAt(index) == ComputerColour) red = index;
    }
    QVERIFY(red > 0);
    const QImage plain = h.window.grab().toImage();
    const qreal scale = plain.devicePixelRatio();
    const auto centre = [&](int index) {
      const QPoint client = Pixel(RowOf(index), ColumnOf(index));
      return h.client().mapTo(&h.window, client) * scale;
    };
    const int radius = int(4 * scale);
    h.window.redMarksAction()->trigger();
    const QImage marked = h.window.grab().toImage();
    const auto [greenGrey, greenDeuteranope] = LightShares(marked, centre(IndexOf(5, 5)), radius);
    const auto [redGrey, redDeuteranope] = LightShares(marked, centre(red), radius);
    QCOMPARE(greenGrey, 0.0);
    QCOMPARE(greenDeuteranope, 0.0);
    QVERIFY2(redGrey > 0.15 && redDeuteranope > 0.15, qPrintable(QString::number(redGrey)));
    QCOMPARE(LightShares(plain, centre(red), radius).first, 0.0);
    int spilt = 0;  // the cross stays on its disc, 170 twips across: nothing white round it
    const int reach = int(10 * scale);
    for (int y = -reach; y <= reach; ++y) {
      for (int x = -reach; x <= reach; ++x) {
        const double out = std::hypot(x, y) / scale;
        if (out > 7 && out <= 10)
          spilt += qGray(marked.pixel(centre(red) + QPoint(x, y))) > 240 ? 1 : 0;
      }
    }
    QCOMPARE(spilt, 0);
    // The red bars too, not the green ones.
    int bars = 0;
    for (QWidget* bar : h.window.findChildren<QWidget*>(QRegularExpression(" (rouge|vert)$"))) {
      const QRect at(bar->mapTo(&h.window, QPoint()) * scale, bar->size() * scale);
      bars += bar->isVisible() ? 1 : 0;
      QVERIFY(!bar->isVisible() ||
              (marked.copy(at) != plain.copy(at)) == bar->objectName().endsWith("rouge"));
    }
    QCOMPARE(bars, 2);
    h.window.redMarksAction()->trigger();
    QCOMPARE(h.window.grab().toImage(), plain);
  }
};

std::unique_ptr<QObject> NewHelpersTest() {
  return std::make_unique<HelpersTest>();
}

#include "HelpersTest.moc"
