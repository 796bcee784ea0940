#include <QRandomGenerator>
#include <QString>
#include <QTest>
#include <array>

#include "game/Windows1252.h"

using namespace quintara;

namespace {

// What the name gives when read with Qt's own UTF-8 decoder: each replacement character it
// puts in place of broken input is a "?", and the well-formed rest goes through the code page.
std::string AsQtDecodesIt(const QByteArray& utf8) {
  QString text = QString::fromUtf8(utf8);
  text.replace(QChar::ReplacementCharacter, QLatin1Char('?'));
  return ToWindows1252(text.toUtf8().toStdString());
}

}  // namespace

// Names typed in the window are UTF-8; the score file holds them in Windows-1252.
class Windows1252Test : public QObject {
  Q_OBJECT

 private slots:
  void onlyWellFormedUtf8IsDecoded_data() {
    QTest::addColumn<QByteArray>("utf8");
    QTest::addColumn<QByteArray>("expected");
    QTest::newRow("accents and the euro")
        << QByteArray("\xC3\xA9t\xC3\xA9 \xE2\x82\xAC") << QByteArray("\xE9t\xE9 \x80");
    QTest::newRow("outside the code page") << QByteArray("\xF0\x9F\x98\x80") << QByteArray("?");
    QTest::newRow("overlong NUL") << QByteArray("a\xC0\x80z") << QByteArray("a??z");
    QTest::newRow("overlong slash, three bytes") << QByteArray("\xE0\x80\xAF") << QByteArray("???");
    QTest::newRow("surrogate") << QByteArray("\xED\xA0\x80") << QByteArray("???");
    QTest::newRow("above U+10FFFF") << QByteArray("\xF4\x90\x80\x80") << QByteArray("????");
    QTest::newRow("cut short at the end") << QByteArray("a\xE2\x82") << QByteArray("a??");
    QTest::newRow("cut short before a letter") << QByteArray("\xE2\x82z") << QByteArray("??z");
    QTest::newRow("stray continuation bytes") << QByteArray("\x80\xBFz") << QByteArray("??z");
  }
  void onlyWellFormedUtf8IsDecoded() {
    QFETCH(QByteArray, utf8);
    QFETCH(QByteArray, expected);
    QCOMPARE(QByteArray::fromStdString(ToWindows1252(utf8.toStdString())), expected);
    QCOMPARE(QByteArray::fromStdString(AsQtDecodesIt(utf8)), expected);
  }

  // Random short byte strings, weighted towards the bytes where UTF-8's boundaries lie.
  void brokenInputGivesAQuestionMarkWhereQtGivesAReplacement() {
    constexpr std::array<char, 20> kEdges = {'\x00', 'a',    '\x7F', '\x80', '\x8F', '\x90', '\x9F',
                                             '\xA0', '\xBF', '\xC0', '\xC1', '\xC2', '\xDF', '\xE0',
                                             '\xED', '\xEF', '\xF0', '\xF4', '\xF5', '\xFF'};
    const quint32 seed = QRandomGenerator::global()->generate();
    QRandomGenerator random(seed);
    for (int round = 0; round < 50000; ++round) {
      QByteArray bytes;
      for (int k = random.bounded(9); k > 0; --k) {
        bytes += random.bounded(2) == 0 ? kEdges[random.bounded(static_cast<int>(kEdges.size()))]
                                        : static_cast<char>(random.bounded(256));
      }
      const std::string ours = ToWindows1252(bytes.toStdString());
      if (ours != AsQtDecodesIt(bytes)) {
        QFAIL(
            qPrintable(QStringLiteral("seed %1, bytes %2: ours %3, Qt's %4")
                           .arg(seed)
                           .arg(QString::fromLatin1(bytes.toHex(' ')),
                                QString::fromLatin1(QByteArray::fromStdString(ours).toHex(' ')),
                                QString::fromLatin1(
                                    QByteArray::fromStdString(AsQtDecodesIt(bytes)).toHex(' ')))));
      }
    }
  }
};

QTEST_GUILESS_MAIN(Windows1252Test)
#include "Windows1252Test.moc"
