#include <QTest>
#include <vector>

#include "ui/PointGrowth.h"

using namespace std::chrono_literals;
using quintara::ui::GrowthSizeAt;
using quintara::ui::kGrowthSizes;

// The sizes a computer point passes through, and which one shows at a given moment.
class PointGrowthTest : public QObject {
  Q_OBJECT

 private slots:
  void passesThroughEverySizeInOrder() {
    const std::vector<int> expected = {200, 100, 300, 100, 450,  //
                                       440, 430, 420, 410, 400,  //
                                       350, 340, 330, 320, 310, 300, 290, 280, 270, 260, 250,
                                       240, 230, 220, 210,                                     //
                                       200, 190, 180, 170, 160, 150, 140, 130, 120, 110, 100,  //
                                       110, 120, 130, 140, 150, 170};
    // Sampled every millisecond of a growth of one millisecond per size, each size shows once.
    const auto duration = std::chrono::milliseconds(kGrowthSizes.size());
    std::vector<int> shown;
    for (auto t = 0ms; t < duration; ++t) shown.push_back(GrowthSizeAt(t, duration));
    QCOMPARE(shown, expected);
  }

  void sizeByElapsedTime_data() {
    QTest::addColumn<int>("elapsed");
    QTest::addColumn<int>("duration");
    QTest::addColumn<int>("size");
    QTest::newRow("at the start") << 0 << 250 << 200;
    QTest::newRow("the largest") << 4 * 250 / 42 + 1 << 250 << 450;
    QTest::newRow("just before the end") << 249 << 250 << 170;
    QTest::newRow("at the end") << 250 << 250 << 170;
    QTest::newRow("long after") << 10000 << 250 << 170;
    QTest::newRow("no growth") << 0 << 0 << 170;
    QTest::newRow("a clock that went back") << -5 << 250 << 200;
  }
  void sizeByElapsedTime() {
    QFETCH(int, elapsed);
    QFETCH(int, duration);
    QFETCH(int, size);
    QCOMPARE(GrowthSizeAt(std::chrono::milliseconds(elapsed), std::chrono::milliseconds(duration)),
             size);
  }
};

QTEST_APPLESS_MAIN(PointGrowthTest)
#include "PointGrowthTest.moc"
