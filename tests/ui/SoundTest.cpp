#include <QFile>
#include <QTest>
#include <QtEndian>

#include "ui/ChimeSound.h"

using namespace quintara::ui;

// The chime made at build time, and playing it where there may be no sound device.
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

  void aMissingFileIsSilence() {
    ChimeSound sound(QStringLiteral("/nonexistent/Chimes.wav"));
    sound.stop();
    sound.play();
    sound.play();
    sound.stop();
  }

  void playingWithoutASoundDeviceDoesNotStopTheGame() {
    ChimeSound sound(QStringLiteral(QUINTARA_CHIME));
    for (int k = 0; k < 3; ++k) {
      sound.play();
      QTest::qWait(5);
      sound.stop();
    }
  }
};

QTEST_MAIN(SoundTest)
#include "SoundTest.moc"
