#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "game/BestScores.h"
#include "game/ScoreFile.h"
#include "ui/FileScoreStore.h"

using namespace quintara;
using quintara::ui::FileScoreStore;
using quintara::ui::ScorePlaceFor;

namespace {

QByteArray Read(const QString& folder) {
  QFile file(QDir(folder).filePath("Les scores"));
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(none)");
}

// The longest list the game can write: ten names of the longest length, ten largest points.
std::string LongestList() {
  BestScores scores;
  for (BestScore& entry : scores) entry = {std::string(kLongestText, 'n'), "32767"};
  return EncodeScoreFile(scores);
}

}  // namespace

// Where the best-scores file lives and how it is written; its bytes are the core's.
class FileScoreStoreTest : public QObject {
  Q_OBJECT

 private slots:
  // Beside the program when its folder can be written; in the user's data folder otherwise, and
  // always when the game is installed (under any prefix), even where it could write (as root).
  void theFileLivesBesideTheProgramOnlyWhenItIsNotInstalledAndCanWriteThere() {
    QTemporaryDir prefix;
    QTemporaryDir user;
    std::string reason;
    FileScoreStore unwritable("/nonexistent/quintara", user.path());
    QVERIFY(unwritable.Write("abc", reason));
    QCOMPARE(Read(user.path()), QByteArray("abc"));

    const QString installed = "libexec/quintara";
    const QString program = QDir(prefix.path()).filePath(installed);
    QVERIFY(QDir().mkpath(program));
    FileScoreStore beside(program, user.path());
    QVERIFY(beside.Write("beside", reason));
    FileScoreStore asInstalled(program, user.path(), ScorePlaceFor(program, installed));
    QVERIFY(asInstalled.Write("user", reason));
    QCOMPARE(Read(program), QByteArray("beside"));
    QCOMPARE(Read(user.path()), QByteArray("user"));

    QVERIFY(ScorePlaceFor("/opt/games/libexec/quintara/", installed) ==
            ScorePlaceFor("/usr/libexec/quintara", installed));
    QVERIFY(ScorePlaceFor("/home/ann/mylibexec/quintara", installed) !=
            ScorePlaceFor("/usr/libexec/quintara", installed));
  }

  void aFileThatCannotBeReadOrWrittenIsReportedInFrench() {
    QTemporaryDir program;
    // A folder where the file should be: it can be neither read nor replaced.
    QDir(program.path()).mkdir("Les scores");
    FileScoreStore store(program.path(), program.path());
    const auto read = store.Read();
    QCOMPARE(read.status, ScoreStore::ReadStatus::kUnreadable);
    QVERIFY(QString::fromStdString(read.reason).contains("n'a pas pu être lu"));
    std::string reason;
    QVERIFY(!store.Write("abc", reason));
    QVERIFY(QString::fromStdString(reason).contains("n'a pas pu être écrit"));
  }

  void aSaveReplacesTheWholeFileAndLeavesNoTemporaryBehind() {
    QTemporaryDir program;
    FileScoreStore store(program.path(), program.path());
    std::string reason;
    QVERIFY(store.Write(std::string(200, 'x'), reason) && store.Write("short", reason));
    QCOMPARE(Read(program.path()), QByteArray("short"));
    QCOMPARE(QDir(program.path()).entryList(QDir::Files), QStringList{"Les scores"});
  }

  // The file is read up to the longest list the game writes; a longer one gives what is whole at
  // its start and is never replaced.
  void aFileLongerThanAnyListIsReadAsFarAsAListGoesAndKept() {
    QTemporaryDir program;
    FileScoreStore store(program.path(), program.path());
    std::string reason;
    QVERIFY(store.Write(LongestList(), reason));
    QVERIFY(store.Read().bytes == LongestList());
    QVERIFY(store.Write(LongestList() + "x", reason));
    const auto read = store.Read();
    QCOMPARE(read.status, ScoreStore::ReadStatus::kRead);
    QVERIFY(read.bytes == LongestList());
    QVERIFY(!store.Write("short", reason));
    QVERIFY(QString::fromStdString(reason).contains("n'a pas pu être écrit"));
    QCOMPARE(Read(program.path()).size(), qsizetype(LongestList().size() + 1));
  }
};

QTEST_APPLESS_MAIN(FileScoreStoreTest)
#include "FileScoreStoreTest.moc"
