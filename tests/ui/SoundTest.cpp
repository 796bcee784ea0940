#include <QFile>
#include <QTest>
#include <QtEndian>

// The chime made at build time: a short mono wave file that any player can read.
class SoundTest : public QObject {
  Q_OBJECT

 private slots:
  void theChimeIsAShortMonoWaveFile() {
    QFile file(QStringLiteral(QUINTARA_CHIME));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray wave = file.readAll();
    QCOMPARE(wave.left(4), QByteArray("RIFF"));
    QCOMPARE(wave.mid(8, 8), QByteArray("WAVEfmt "));
    const auto word = [&](int at) { return qFromLittleEndian<quint16>(wave.constData() + at); };
    const auto dword = [&](int at) { return qFromLittleEndian<quint32>(wave.constData() + at); };
    QCOMPARE(word(20), quint16(1));  // PCM
    QCOMPARE(word(22), quint16(1));  // mono
    QCOMPARE(word(34), quint16(16));
    const double seconds = double(dword(40)) / dword(28);
    QVERIFY(seconds > 0.3 && seconds < 1.0);
    QCOMPARE(qsizetype(dword(40)) + 44, wave.size());
  }
};

QTEST_APPLESS_MAIN(SoundTest)
#include "SoundTest.moc"
