#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

#include "game/BestScores.h"
#include "game/ScoreFile.h"
#include "ui/ChimeSound.h"
#include "ui/FileScoreStore.h"

using namespace quintara;
using quintara::ui::FileScoreStore;

static bool SoundLibrariesLoaded() {
  QFile maps("/proc/self/maps");
  return maps.open(QIODevice::ReadOnly) && maps.readAll().contains("libQt6Multimedia");
}

static QByteArray Read(const QString& folder) {
  QFile file(QDir(folder).filePath("Les scores"));
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(none)");
}

// The files beside the program: the best scores (their bytes are the core's), the chime and
// its plugin.
class FilesTest : public QObject {
  Q_OBJECT

 private slots:
  // Beside the program when its folder can be written and it is not installed (under any
  // prefix); in the user's data folder otherwise, even where it could write (as root).
  void theScoresLieBesideTheProgramOnlyWhenItIsNotInstalledAndCanWriteThere() {
    QTemporaryDir prefix, user;
    const QString program = prefix.path() + "/libexec/quintara";
    QVERIFY(QDir().mkpath(program));
    std::string reason;  // "/proc/self": a folder no one may write, not even root
    const QString data = user.path() + "/quintara";  // made on the first save
    QVERIFY(FileScoreStore("/proc/self", data).Write("unwritable", reason));
    QCOMPARE(Read(data), QByteArray("unwritable"));
    QVERIFY(FileScoreStore(program, user.path()).Write("beside", reason));
    const ui::ScorePlace place = ui::ScorePlaceFor(program, "libexec/quintara");
    QVERIFY(FileScoreStore(program, user.path(), place).Write("installed", reason));
    QCOMPARE(Read(program) + Read(user.path()), QByteArray("besideinstalled"));
    QCOMPARE(ui::ScorePlaceFor("/opt/games/libexec/quintara/", "libexec/quintara"), place);
    QCOMPARE(ui::ScorePlaceFor("/opt/q", "/opt/q/"), place);
    QVERIFY(ui::ScorePlaceFor("/home/ann/mylibexec/quintara", "libexec/quintara") != place);
  }

  // A list left beside a program whose folder has since turned read-only is still read. Root
  // writes anywhere but in an immutable folder.
  void theScoresBesideTheProgramAreReadWhenItsFolderTurnsReadOnly() {
    QTemporaryDir program, user;
    std::string reason;
    QVERIFY(FileScoreStore(program.path(), user.path()).Write("kept", reason));
    QFile::setPermissions(program.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    QProcess::execute("chattr", {"+i", program.path()});
    const bool readOnly = !QFileInfo(program.path()).isWritable();
    const std::string read = FileScoreStore(program.path(), user.path()).Read().bytes;
    QProcess::execute("chattr", {"-i", program.path()});
    QFile::setPermissions(program.path(), QFile::permissions(user.path()));
    if (!readOnly) QSKIP("no folder can be made read-only here");
    QCOMPARE(read, std::string("kept"));
  }

  // A folder in its place is neither read nor replaced, nor is a file longer than any list but for
  // what is whole at its start; a save replaces the whole file and leaves nothing else behind.
  void noScoresAreLostOrHalfWritten() {
    QTemporaryDir folder;
    FileScoreStore store(folder.path(), folder.path());
    std::string reason;
    QVERIFY(QDir(folder.path()).mkdir("Les scores"));
    QVERIFY(store.Read().reason.find("n'a pas pu être lu") != std::string::npos);
    QVERIFY(!store.Write("abc", reason) && reason.find("pas pu être écrit") != std::string::npos);
    QVERIFY(QDir(folder.path()).rmdir("Les scores"));
    BestScores longest;
    for (BestScore& entry : longest) entry = {std::string(kLongestText, 'n'), "32767"};
    const std::string list = EncodeScoreFile(longest);
    QVERIFY(store.Write(list + "x", reason) && store.Read().bytes == list);
    QVERIFY(!store.Write("short", reason) && reason.find("pas pu être écrit") != std::string::npos);
    QCOMPARE(Read(folder.path()), QByteArray::fromStdString(list + "x"));
    QVERIFY(QFile::remove(QDir(folder.path()).filePath("Les scores")));
    QVERIFY(store.Write(list, reason) && store.Write("short", reason));
    QCOMPARE(Read(folder.path()), QByteArray("short"));
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList{"Les scores"});
  }

  // A short wave file that any player can read.
  void theChimeIsAShortWaveFile() {
    QFile file(QDir(QUINTARA_PROGRAM_FOLDER).filePath("Chimes.wav"));
    const QByteArray wave = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    QCOMPARE(wave.left(4) + wave.mid(8, 8), QByteArray("RIFFWAVEfmt "));
    const auto at = [&](int k) { return qFromLittleEndian<quint32>(wave.constData() + k); };
    QCOMPARE(at(20) & 0xFFFF, 1u);                  // PCM, as Qt's sound effects need
    QCOMPARE(qsizetype(at(40)) + 44, wave.size());  // the data's length
    QVERIFY(double(at(40)) / at(28) > 0.3 && double(at(40)) / at(28) < 1.0);  // seconds
  }

  // The sound libraries come with the chime's plugin, loaded from the program's folder when the
  // chime gets ready: none is in the process before. Without its wave file or its plugin the
  // chime keeps silent.
  void theSoundLibrariesLoadOnlyWithTheChimesPlugin() {
    QTemporaryDir wavOnly;
    QVERIFY(QFile::copy(QDir(QUINTARA_PROGRAM_FOLDER).filePath("Chimes.wav"),
                        QDir(wavOnly.path()).filePath("Chimes.wav")));
    for (const QString& folder : {QStringLiteral("/nonexistent"), wavOnly.path()}) {
      ui::ChimeSound silent(folder);
      silent.play();
      silent.stop();
    }
    QVERIFY(!SoundLibrariesLoaded());
    ui::ChimeSound chime(QStringLiteral(QUINTARA_PROGRAM_FOLDER));
    chime.prepare();
    QVERIFY(SoundLibrariesLoaded());
    chime.play();
    chime.stop();
  }
};

QTEST_GUILESS_MAIN(FilesTest)
#include "FilesTest.moc"
